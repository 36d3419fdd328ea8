#pragma once

// Opens the user's settings store and loads the language the user chose in the window, from the
// language folder found beside the program.
void LoadUserLanguage();
