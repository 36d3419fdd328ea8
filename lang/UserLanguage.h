#pragma once

// Opens the user's settings store and loads the language the user chose in the window, from the
// language folder found beside the program.
void LoadUserLanguage();

// Opens the user's settings store and loads the language of the locale the environment names for
// messages (see MessageLocales), English when none of the language files speaks it: the command
// line speaks the terminal's language, whatever was chosen in the window.
void LoadLocaleLanguage();
