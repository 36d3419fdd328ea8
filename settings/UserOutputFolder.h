#pragma once
#include <functional>
#include <optional>

#include <QString>

// The folder outputs are proposed in: the one the user last chose, else the default for this
// system (see OutputFolderDefault), whose failure to find the pictures folder is told to report.
QString UserOutputFolder(std::optional<int> osMajorVersion, const std::function<void(const QString&)>& report);
