#pragma once
#include "services/MenuTemplate.h"

// Menu 129: the right-click menu with the Language submenu, Font and About.
const platform::MenuTemplate& LanguagePopupMenuTemplate();
