#include "app/window/PhotoArgument.h"

#include <QFileInfo>

QString PhotoArgument(const QStringList& arguments)
{
    QStringList rest = arguments.mid(1);
    if (!rest.isEmpty() && rest.first() == QLatin1String("--"))
        rest.removeFirst();
    if (rest.isEmpty() || rest.first().isEmpty())
        return {};
    // A relative name is the file manager's working folder's; the window remembers folders whole.
    return QFileInfo(rest.first()).absoluteFilePath();
}
