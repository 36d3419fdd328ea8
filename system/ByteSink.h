#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>

namespace platform {

// Where a writer puts its bytes, in order: false when they could not be taken (a full disk, a
// size limit), which ends the writing.
using ByteSink = std::function<bool(const std::uint8_t* data, std::size_t size)>;

// Writes a whole file's bytes into the sink it is given; false when it failed.
using ByteProducer = std::function<bool(const ByteSink& sink)>;

}  // namespace platform
