#include "widgets/HelpWindow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "widgets/ScreenPlacement.h"

namespace platform {

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window), browser_(new QTextBrowser(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("HelpWindow"));
    // Addresses outside the help pages go to the desktop's browser, where there is one.
    browser_->setOpenExternalLinks(true);

    auto* back = new QPushButton(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"), this);
    auto* forward = new QPushButton(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] { setWindowTitle(browser_->documentTitle()); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(720, 600);
}

HelpWindow* HelpWindow::Show(QWidget* owner, const QString& page)
{
    auto* window = owner ? owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!window) {
        window = new HelpWindow(owner);
        PlaceOnOwnersScreen(*window, owner);
    }
    window->browser_->setSource(QUrl::fromLocalFile(page));
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace platform
