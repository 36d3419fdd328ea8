#pragma once

namespace platform {

// A frame source whose decoder gives the frame's rows top to bottom as the drawing asks for them,
// decoding as it goes rather than whole beforehand. Drawn at the output's own orientation, such a
// frame's rows reach the output picture in order while the decoder works on the next ones, so the
// PNG writer can take them meanwhile (Bitmap::DrawAndSave). A source that decodes the whole frame
// first has nothing to overlap and does not say so.
class RowsInOrder {
public:
    virtual ~RowsInOrder() = default;
};

}  // namespace platform
