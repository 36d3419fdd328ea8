#include "app/window/PhotoArgument.h"

#include <QFileInfo>

QString PhotoArgument(const QStringList& arguments)
{
    return PhotoArguments(arguments).value(0);
}

QStringList PhotoArguments(const QStringList& arguments)
{
    QStringList rest = arguments.mid(1);
    if (!rest.isEmpty() && rest.first() == QLatin1String("--"))
        rest.removeFirst();
    QStringList photos;
    for (const QString& name : std::as_const(rest)) {
        // A relative name is the file manager's working folder's; the window remembers folders whole.
        if (!name.isEmpty())
            photos << QFileInfo(name).absoluteFilePath();
    }
    return photos;
}
