#include "convert/FrameDimensionNames.h"

QString FrameDimensionName(const platform::Guid& dimension, int position)
{
    if (dimension == platform::FrameDimensionTime)
        return QStringLiteral("FrameDimensionTime");
    if (dimension == platform::FrameDimensionResolution)
        return QStringLiteral("FrameDimensionResolution");
    if (dimension == platform::FrameDimensionPage)
        return QStringLiteral("FrameDimensionPage");
    return QStringLiteral("Dimension%1").arg(position);
}
