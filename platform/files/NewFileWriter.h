#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>

#include <QString>

namespace platform {

enum class NewFile { Written, Exists, Failed };

// Runs produce with a sink into a new file beside path, syncs it, and gives it path's name only
// if nothing (not even a dangling link) is at that name at that moment: checking first and
// writing after would replace a file that appeared in between. Exists: something was there and
// is left untouched. On any outcome but Written no file of ours remains.
NewFile WriteNewFile(const QString& path,
                     const std::function<bool(const std::function<bool(const std::uint8_t*, std::size_t)>&)>& produce);

}  // namespace platform
