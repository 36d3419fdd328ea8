#pragma once
#include <QWidget>

class QTextBrowser;

namespace platform {

// The program's own help viewer: the help pages with their links, Back and Forward, and the
// page's title as the caption. It needs nothing of the desktop, so help opens on any machine.
class HelpWindow final : public QWidget {
    Q_OBJECT
public:
    // Shows page (a local HTML file) in the one help window of owner, made on first use.
    static HelpWindow* Show(QWidget* owner, const QString& page);
    QTextBrowser& Browser() const { return *browser_; }

private:
    explicit HelpWindow(QWidget* owner);
    QTextBrowser* browser_;
};

}  // namespace platform
