#pragma once
#include <cstdio>
#include <memory>
#include <mutex>

#include <QString>

#include "app/cli/ProgressLine.h"

namespace platform {
class Prompts;
}

// Everything a batch says on its standard output and error, from any of its threads, one line at
// a time and never through the progress line: "pictorelle: SUBJECT: text" for what went wrong,
// "PATH saved successfully." for what went right.
class BatchReport {
public:
    BatchReport(int photos, bool quiet);

    // What went wrong with subject (a photo or an output); no subject names nothing.
    void Error(const QString& subject, const QString& text);
    void Progress(int index, const QString& name);
    void Saved(const QString& path);
    // Clears the progress line for good.
    void Finish();

    // Prompts that report each message as an error of the photo this thread works on, and answer
    // every question as a batch must: nobody is there to ask.
    std::unique_ptr<platform::Prompts> MakePrompts();

    // While it lives, the calling thread's messages are about photo.
    class PhotoScope {
    public:
        explicit PhotoScope(const QString& photo);
        ~PhotoScope();
        PhotoScope(const PhotoScope&) = delete;
        PhotoScope& operator=(const PhotoScope&) = delete;
    };

private:
    const bool quiet_;
    std::mutex mutex_;
    ProgressLine progress_;
};
