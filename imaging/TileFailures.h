#pragma once
#include <functional>

namespace platform {

// libvips' tile cache turns a tile that failed to decode into a black one and only warns ("error
// in tile"): a thread that waited for that tile gets black pixels and no error, so whether a
// drawing fails depends on which thread hit the damage. These count those warnings.

// Counts one warning of libvips' log domain; the imaging layer's one log handler calls it for
// each, before the warning is reported.
void CountVipsWarning(const char* message);

// Runs draw, which decodes from the photo and returns whether libvips reported success, and
// tells whether it truly succeeded: a tile failing while it ran fails it too, and so does any
// decoder warning when warningsAreDamage (decoders that go on flat after corrupt data). Runs go
// side by side; when one failed so while others ran, it is run again alone, so that one photo's
// damage never fails another.
bool DrawWithoutTileFailures(const std::function<bool()>& draw, bool warningsAreDamage = false);

// For a computation that cannot be run twice: true when a tile failed while it ran and no other
// computation ran beside it (with others, the drawing at conversion tells).
bool RunSeesOwnTileFailure(const std::function<void()>& run);

}  // namespace platform
