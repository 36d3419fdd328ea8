#pragma once
#include <cstdio>

#include <QElapsedTimer>
#include <QString>

// The progress text shown before photo index (from 0) of total is converted: its count and name,
// and from the second photo on the time left at the pace so far.
QString ProgressText(int index, int total, const QString& name, qint64 elapsedMs);

// A line on a terminal that is rewritten in place as a batch goes on, and cleared before any
// other output so that messages never mix with it. Shows nothing when not enabled.
class ProgressLine {
public:
    ProgressLine(std::FILE* terminal, int total, bool enabled);
    void Show(int index, const QString& name);
    void Clear();

private:
    std::FILE* terminal_;
    int total_;
    bool enabled_;
    bool shown_ = false;
    QElapsedTimer clock_;
};
