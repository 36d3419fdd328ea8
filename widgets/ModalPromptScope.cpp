#include "widgets/ModalPromptScope.h"

#include <QGuiApplication>

namespace platform {
namespace {
unsigned runs = 0;
}  // namespace

ModalPromptScope::ModalPromptScope()
{
    ++runs;
    // The whole stack is lifted, not covered by an arrow, so edits in a file dialog keep their I-beam.
    while (const QCursor* cursor = QGuiApplication::overrideCursor()) {
        lifted_.push_back(*cursor);
        QGuiApplication::restoreOverrideCursor();
    }
}

ModalPromptScope::~ModalPromptScope()
{
    for (auto it = lifted_.rbegin(); it != lifted_.rend(); ++it)
        QGuiApplication::setOverrideCursor(*it);
}

unsigned ModalPromptScope::Runs()
{
    return runs;
}

}  // namespace platform
