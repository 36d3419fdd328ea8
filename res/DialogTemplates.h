#pragma once
#include "services/DialogTemplate.h"

// Dialog templates built into the program.
const platform::DialogTemplate& MainDialogTemplate();   // template 102
const platform::DialogTemplate& AboutDialogTemplate();  // template 100
