#pragma once
// Photo details written and read by exiftool, a reader independent of ours.
#include <string>
#include <vector>

#include <QJsonObject>
#include <QString>

// exiftool's reading of path: "Group:Tag" to the value as stored ("IFD0:Make", "GPS:GPSLatitude").
QJsonObject ExifToolTags(const QString& path);
// Writes into path, with exiftool, the details a phone writes: 2024-07-14 10:20:30 +02:00, the
// camera "Phone" "Phone 12", the author "Ana Núñez", "(c) Ana", a GPS position, orientation 6,
// and the city in the XMP.
void TagLikeAPhone(const QString& path);
// Whether the tags say where the photo was taken: any GPS tag, any city.
bool HasLocation(const QJsonObject& tags);
// The PNG's chunk types in order, each run of one type (the IDATs) once.
std::vector<std::string> ChunkTypes(const QString& path);
