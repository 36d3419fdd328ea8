#pragma once
#include <cstdio>
#include <memory>
#include <mutex>

#include <QHash>
#include <QStringList>

#include "app/cli/ProgressLine.h"

namespace platform {
class Prompts;
}

// Everything a batch says on its standard output and error, from any of its threads, one line at
// a time and never through the progress line: "pictorelle: SUBJECT: text" for what went wrong,
// "pictorelle: SUBJECT: warning: text" for what it went on despite (not with --quiet; a photo's
// warnings once each when it is done, "(N times)" after one that came again), "PATH saved
// successfully." for what went right. Control characters of names are shown as '?'.
class BatchReport {
public:
    BatchReport(int photos, bool quiet);

    // What went wrong with subject (a photo or an output); no subject names nothing.
    void Error(const QString& subject, const QString& text);
    void Warning(const QString& subject, const QString& text);
    // sideBySide: how many photos convert at once, so that the time left waits for a fair pace.
    void Progress(int index, const QString& name, int sideBySide);
    void Saved(const QString& path);
    // An output there already, kept: "PATH kept: it exists already ...", on standard output.
    void Kept(const QString& path);
    // A line of news on standard output: an output folder made, the counts at the end.
    void Summary(const QString& text);
    // Clears the progress line for good.
    void Finish();

    // Prompts that report each message as an error of the photo this thread works on, and answer
    // every question as a batch must: nobody is there to ask.
    std::unique_ptr<platform::Prompts> MakePrompts();
    // The messages libvips and GLib log, as warnings or errors of the photo this thread works on;
    // from a thread of theirs (libvips decodes on its own threads), of the one photo being
    // converted, or the one whose loader the message names ("heifload: ..."); of none when that
    // still leaves several.
    void RouteLibraryMessages();
    void StopLibraryMessages();

    // While it lives, the calling thread's messages are about photo, and the photo counts as
    // being converted.
    class PhotoScope {
    public:
        // loader: the libvips loader decoding it ("jpegload"), or empty.
        PhotoScope(BatchReport& report, const QString& photo, const QString& loader);
        ~PhotoScope();
        PhotoScope(const PhotoScope&) = delete;
        PhotoScope& operator=(const PhotoScope&) = delete;

    private:
        BatchReport& report_;
        QString photo_;
    };

private:
    void Print(const QString& subject, const QString& text);
    QString PhotoOfMessage(const QString& text);

    const bool quiet_;
    std::mutex mutex_;
    ProgressLine progress_;
    QList<QPair<QString, QString>> converting_;  // photos in PhotoScopes with their loaders, under mutex_
    // The distinct warnings of each photo being converted, each with how often it came, told when
    // its scope ends; under mutex_.
    QHash<QString, QList<QPair<QString, int>>> warnings_;
    int done_ = 0;            // photos whose scope ended, under mutex_
};
