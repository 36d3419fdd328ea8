#pragma once

namespace platform {

// Which of a photo's own details (date taken, camera, author, place) its output keeps. None is the
// default: nothing private leaves with a converted picture unless asked.
enum class DetailsChoice { None, NoLocation, All };

}  // namespace platform
