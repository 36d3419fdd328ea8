#pragma once
#include <functional>
#include <optional>

#include <QString>

// The default output folder: the fallback on an old system (major version below 6), else the
// pictures folder with its trailing '/'. An unknown version counts as a current system.
// When the pictures folder cannot be found, report is told and the fallback is used.
QString OutputFolderDefault(std::optional<int> osMajorVersion, const std::function<std::optional<QString>()>& pictures,
                            const QString& fallback, const std::function<void(const QString&)>& report);
