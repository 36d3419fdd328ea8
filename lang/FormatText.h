#pragma once
#include <variant>
#include <vector>

#include <QString>

// A value for a message's placeholder.
using FormatValue = std::variant<QString, int>;

// Fills a message text that may come from a language file. "%s" and "%d" take the values in
// order (each shown as what it is); "%%" is a percent sign; any other sequence, and a
// placeholder left without a value, is shown as it stands. A value without a placeholder is left out.
QString FormatText(const QString& format, const std::vector<FormatValue>& values);
