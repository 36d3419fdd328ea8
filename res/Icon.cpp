#include "res/Icon.h"

#include <QPixmap>

static void InitResources()
{
    Q_INIT_RESOURCE(res);
}

QIcon ApplicationIcon()
{
    InitResources();
    return QIcon(QPixmap(":/res/icon128.png"));
}
