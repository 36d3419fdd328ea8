#pragma once

namespace platform {

// Shows the wait cursor for as long as it lives, over every window of the program. Prompts
// shown meanwhile lift it while they are up (see ModalPromptScope).
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace platform
