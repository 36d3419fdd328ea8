#pragma once
#include <cstdio>

#include <QElapsedTimer>
#include <QString>

// The progress text shown before photo index (from 0) of total is converted: its count and name,
// and the time left at the pace of the done photos finished so far. Photos converting side by
// side all start at once and finish late, so there is no fair pace until as many as convert
// side by side have finished: until then no time is shown.
QString ProgressText(int index, int total, const QString& name, qint64 elapsedMs, int done, int sideBySide);

// A line on a terminal that is rewritten in place as a batch goes on, and cleared before any
// other output so that messages never mix with it. Shows nothing when not enabled.
class ProgressLine {
public:
    ProgressLine(std::FILE* terminal, int total, bool enabled);
    void Show(int index, const QString& name, int done, int sideBySide);
    void Clear();

private:
    std::FILE* terminal_;
    int total_;
    bool enabled_;
    bool shown_ = false;
    QElapsedTimer clock_;
};
