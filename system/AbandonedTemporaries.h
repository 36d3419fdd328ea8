#pragma once
#include <QByteArray>

namespace platform {

// Removes from folder the hidden temporaries of ours (IsOurTemporaryName) that no writer holds
// locked: what a process killed outright left where a file system has no unnamed files. Every
// writer holds its temporary locked from creating it to publishing or removing it, so a file in
// use is never touched; nor is anything not named as ours. Done once per folder per process.
void RemoveAbandonedTemporaries(const QByteArray& folder);

}  // namespace platform
