#pragma once
#include <optional>

#include <QString>

namespace platform {

// The operating system's major version; this platform always reports a current system.
std::optional<int> QueryOsMajorVersion();

// The user's pictures folder (created when it is missing), without a trailing '/'.
std::optional<QString> QueryPicturesFolder();

// The folder used where the pictures folder cannot be found: home, with its trailing '/'.
QString FallbackOutputFolder();

// Test hook: make either query fail.
void SetSystemQueryFailures(bool versionFails, bool picturesFails);

}  // namespace platform
