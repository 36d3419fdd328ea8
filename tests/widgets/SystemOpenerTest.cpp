// Whether the desktop's opener took an address, told from how it ends, with openers of our own
// put first on the PATH.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include "support/Fixtures.h"
#include "widgets/SystemOpener.h"

namespace {

TEST(SystemOpener, TakenOnlyWhenTheOpenerSucceedsOrIsStillRunning)
{
    struct Case {
        const char* script;  // the opener's body; it gets the address as $1
        bool opened;
    };
    const Case cases[] = {
        {"[ \"$1\" = https://pictorelle.example.org/ ] || [ \"$1\" = /tmp/a\\ b ]", true},
        {"echo 'xdg-open: no method available for opening' >&2; exit 3", false},  // no web browser
        {"exit 4", false},
        {"kill -SEGV $$", false},
        {"sleep 2", true},  // a browser started in the foreground: the opener has not failed
    };
    QTemporaryDir bin;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ":" + path);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        WriteAll(bin.filePath("xdg-open"), QByteArray("#!/bin/sh\n") + c.script + "\n");
        QFile(bin.filePath("xdg-open")).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(platform::OpenWithSystemOpener(QUrl("https://pictorelle.example.org/"), 1000), c.opened);
        if (c.opened && c.script[0] == '[')
            EXPECT_TRUE(platform::OpenWithSystemOpener(QUrl::fromLocalFile("/tmp/a b"), 1000)) << "a folder by its path";
    }
    qputenv("PATH", path);
    QTest::qWait(2000);  // the opener still running ends, and goes with it
}

}  // namespace
