#pragma once

namespace platform {

// Lets the calling thread yield the processor to the others of the process, the window's above
// all: for work the user waits on only loosely, such as reading the sizes of a list of photos.
// Failing changes nothing.
void LowerThisThreadsPriority();

}  // namespace platform
