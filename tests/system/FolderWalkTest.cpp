// Walking a folder while other programs change it.
#include <atomic>
#include <thread>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "system/FolderWalk.h"
#include "support/Fixtures.h"

// Files that vanish between the listing and their look-up are passed over: the folder is not
// called unreadable (a camera's card being tidied by another program while it is walked).
TEST(FolderWalk, EntriesVanishingWhileListedAreSkipped)
{
    QTemporaryDir dir;
    WriteAll(dir.filePath("kept.jpg"), "x");
    std::atomic<bool> stop{false};
    std::thread churn([&] {
        for (int i = 0; !stop; i = (i + 1) % 16) {
            const QString name = dir.filePath(QStringLiteral("gone%1.jpg").arg(i));
            WriteAll(name, "x");
            QFile::remove(name);
        }
    });
    int unreadable = 0;
    for (int walk = 0; walk < 3000 && unreadable == 0; ++walk) {
        int kept = 0;
        const bool listed = platform::WalkFolder(QFile::encodeName(dir.path()), true,
                                                 [&](const QByteArray& path, platform::WalkEntry entry) {
                                                     kept += path.endsWith("/kept.jpg");
                                                     unreadable += entry == platform::WalkEntry::Unreadable;
                                                 });
        unreadable += !listed;
        EXPECT_EQ(kept, listed ? 1 : 0);
    }
    stop = true;
    churn.join();
    EXPECT_EQ(unreadable, 0);
}
