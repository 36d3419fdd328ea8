#pragma once
#include <set>
#include <string>

#include "imaging/Encoders.h"

// What only tests reach in the imaging layer, in a library only test programs link: no part of
// the program includes this.
namespace platform {

// While forced, copying decoded pixels into memory fails as if memory had run out, so tests can
// show that such a failure reaches the user as a photo that cannot be opened.
void ForceAllocationFailures(bool force);
bool AllocationFailuresForced();

// While held, every save waits, with its temporary file open, until it is cancelled (30 s at
// most): a conversion that tests can stop in the middle.
void HoldSavesUntilCancelled(bool hold);
// How many saves are held at this moment: an unnamed output file leaves nothing in the folder
// to wait for.
int SavesHeldNow();

// Calls changer with each photo's descriptor as soon as it is opened, before anything of it is
// read: another program changing the file while it is read. nullptr stops it.
void ChangePhotosAsOpened(void (*changer)(int fd));

// Saves as PNG through writer instead of the PNG writer; nullptr puts the PNG writer back.
void ReplacePngWriter(PictureWriter writer);

// The file loaders (nicknames such as "jpegload") the imaging library will use on a path.
std::set<std::string> ReachableFileLoaders();

// The source loaders ("jpegload_source") the imaging library will use on a source, as photos are read.
std::set<std::string> ReachableSourceLoaders();

}  // namespace platform
