#pragma once
#include <QObject>

class QWidget;

namespace platform {

// A mouse press gives the focus before the control under the pointer sees the press. When the
// focus change shows a modal prompt, the release goes to the prompt's loop and the press would then
// reach the control late: a button would stay drawn pressed, a combo box would drop its list. As on
// Windows, the prompt interrupted that click, so its press is dropped.
class InterruptedClick final : public QObject {
public:
    // Drops the press now on its way to a control of window; call it from the focus-change handler.
    static void Drop(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit InterruptedClick(QWidget* window);
    void Finish();

    QWidget* window_;
    bool finished_ = false;
};

}  // namespace platform
