#include "support/ExifTool.h"

#include <algorithm>

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <gtest/gtest.h>

#include "support/Fixtures.h"

QJsonObject ExifToolTags(const QString& path)
{
    QProcess tool;
    tool.start(QStringLiteral("exiftool"), {"-j", "-n", "-G1", path});
    EXPECT_TRUE(tool.waitForFinished(60000));
    return QJsonDocument::fromJson(tool.readAllStandardOutput()).array().at(0).toObject();
}

void TagLikeAPhone(const QString& path)
{
    QProcess tool;
    tool.start(QStringLiteral("exiftool"),
               {"-q", "-overwrite_original", "-DateTimeOriginal=2024:07:14 10:20:30", "-OffsetTimeOriginal=+02:00",
                "-Make=Phone", "-Model=Phone 12", "-Artist=Ana Núñez", "-Copyright=(c) Ana", "-GPSLatitude=48.85",
                "-GPSLatitudeRef=N", "-GPSLongitude=2.35", "-GPSLongitudeRef=E", "-Orientation#=6", "-XMP:City=Paris",
                path});
    EXPECT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 0) << path.toStdString() << tool.readAllStandardError().toStdString();
}

bool HasLocation(const QJsonObject& tags)
{
    const QStringList keys = tags.keys();
    return std::any_of(keys.begin(), keys.end(), [](const QString& key) { return key.startsWith("GPS:") || key.contains("City"); });
}

std::vector<std::string> ChunkTypes(const QString& path)
{
    std::vector<std::string> types;
    for (const PngChunk& chunk : ReadPngChunks(path))
        if (types.empty() || types.back() != chunk.type)
            types.push_back(chunk.type);
    return types;
}
