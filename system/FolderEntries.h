#pragma once
#include <QString>
#include <QStringList>

namespace platform {

// The path of the entry of folder named name, matched without regard to letter case (an exact
// match first); folder + "/" + name when there is none.
QString EntryIgnoringCase(const QString& folder, const QString& name);

// Names of the entries of folder whose names end with suffix, compared without regard to case.
QStringList EntriesEndingWith(const QString& folder, const QString& suffix);

}  // namespace platform
