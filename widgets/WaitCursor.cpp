#include "widgets/WaitCursor.h"

#include <QApplication>

namespace platform {

WaitCursor::WaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor()
{
    QApplication::restoreOverrideCursor();
}

}  // namespace platform
