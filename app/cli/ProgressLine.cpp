#include "app/cli/ProgressLine.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <QCoreApplication>

namespace {

QString Duration(qint64 seconds)
{
    const qint64 h = seconds / 3600;
    const qint64 m = seconds / 60 % 60;
    const qint64 s = seconds % 60;
    if (h > 0)
        return QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QChar(u'0')).arg(s, 2, 10, QChar(u'0'));
    return QStringLiteral("%1:%2").arg(m).arg(s, 2, 10, QChar(u'0'));
}

}  // namespace

QString ProgressText(int index, int total, const QString& name, qint64 elapsedMs, int done, int sideBySide)
{
    QString text = QStringLiteral("[%1/%2] %3").arg(index + 1).arg(total).arg(name);
    if (done > 0 && done >= sideBySide) {
        const qint64 leftMs = elapsedMs * (total - done) / done;
        text += QCoreApplication::translate("CommandLine", ", %1 left").arg(Duration((leftMs + 999) / 1000));
    }
    return text;
}

ProgressLine::ProgressLine(std::FILE* terminal, int total, bool enabled)
    : terminal_(terminal), total_(total), enabled_(enabled)
{
    clock_.start();
}

void ProgressLine::Show(int index, const QString& name, int done, int sideBySide)
{
    if (!enabled_)
        return;
    // "\r" and erase-to-end-of-line rewrite the line: the caller shows names' control characters as '?'.
    QString text = ProgressText(index, total_, name, clock_.elapsed(), done, sideBySide);
    // A line longer than the terminal would wrap, and "\r" would no longer reach its start.
    winsize size{};
    if (::ioctl(::fileno(terminal_), TIOCGWINSZ, &size) == 0 && size.ws_col > 1 && text.size() >= size.ws_col)
        text = text.left(size.ws_col - 1);
    std::fprintf(terminal_, "\r\033[K%s", text.toLocal8Bit().constData());
    std::fflush(terminal_);
    shown_ = true;
}

void ProgressLine::Clear()
{
    if (!shown_)
        return;
    std::fprintf(terminal_, "\r\033[K");
    std::fflush(terminal_);
    shown_ = false;
}
