#include "imaging/Guid.h"

namespace platform {

QString GuidToString(const Guid& g)
{
    QString s = QStringLiteral("{%1-%2-%3-%4%5-")
                    .arg(g.data1, 8, 16, QLatin1Char('0'))
                    .arg(g.data2, 4, 16, QLatin1Char('0'))
                    .arg(g.data3, 4, 16, QLatin1Char('0'))
                    .arg(g.data4[0], 2, 16, QLatin1Char('0'))
                    .arg(g.data4[1], 2, 16, QLatin1Char('0'));
    for (int i = 2; i < 8; ++i)
        s += QStringLiteral("%1").arg(g.data4[i], 2, 16, QLatin1Char('0'));
    return s.toUpper() + QLatin1Char('}');
}

}  // namespace platform
