#pragma once
#include <vector>

#include <QCursor>

namespace platform {

// Lives for as long as a real prompt runs its modal loop. The pointer is the normal one meanwhile,
// even when long work has put up the wait cursor, which comes back afterwards; and the run is
// counted, so code that triggered a prompt indirectly can tell that one interrupted it.
class ModalPromptScope {
public:
    ModalPromptScope();
    ~ModalPromptScope();
    ModalPromptScope(const ModalPromptScope&) = delete;
    ModalPromptScope& operator=(const ModalPromptScope&) = delete;

    // How many prompts have started so far; compare two readings, the value itself means nothing.
    static unsigned Runs();

private:
    std::vector<QCursor> lifted_;  // the application's override cursors, top first
};

}  // namespace platform
