#pragma once
#include "app/cli/CommandLine.h"

// Converts the request's photos side by side, one per core, through the same conversion sequence
// as the window, and no window: each failure is told on standard error with the file it concerns,
// the other photos still convert.
// Returns the exit status: 0 when every photo converted, 1 when any failed, 2 when the output
// folder cannot be used. Needs a running application and the user's language.
int RunCommandLineConversion(const ConversionRequest& request);
