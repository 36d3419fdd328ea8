// Replacing a file only with a complete new one.
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "system/AtomicFileWriter.h"
#include "system/NewFileWriter.h"
#include "support/Fixtures.h"

using platform::ByteSink;

TEST(AtomicFileWriter, FailureMidwayKeepsTheOldFileAndLeavesNoTemporary)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("out.png");
    WriteAll(path, "old contents");
    const std::uint8_t part[] = {1, 2, 3, 4};
    // The producer writes some bytes, then fails as an encoder or a full disk would.
    EXPECT_FALSE(platform::WriteFileAtomically(path, [&](const ByteSink& sink) {
        return sink(part, sizeof part) && false;
    }));
    EXPECT_FALSE(platform::WriteFileAtomically(path, [&](const ByteSink& sink) -> bool {
        sink(part, sizeof part);
        throw std::bad_alloc();
    }));
    EXPECT_EQ(ReadAll(path), "old contents");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.png"});

    EXPECT_TRUE(platform::WriteFileAtomically(path, [&](const ByteSink& sink) { return sink(part, sizeof part); }));
    EXPECT_EQ(ReadAll(path), QByteArray("\x01\x02\x03\x04", 4));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.png"});
}

TEST(AtomicFileWriter, NoFolderOrNoNameFails)
{
    QTemporaryDir dir;
    const auto produce = [](const ByteSink& sink) {
        const std::uint8_t b = 0;
        return sink(&b, 1);
    };
    EXPECT_FALSE(platform::WriteFileAtomically(QString(), produce));
    EXPECT_FALSE(platform::WriteFileAtomically(dir.filePath("missing/out.png"), produce));
    EXPECT_FALSE(platform::WriteFileAtomically(dir.path(), produce));
}

TEST(NewFileWriter, PublishesOnlyWhereNothingIsAtTheName)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("out.png");
    const std::uint8_t ours[] = {1, 2, 3};
    // A file appears at the name while ours is being written: it is kept as it is.
    EXPECT_EQ(platform::WriteNewFile(path, [&](const auto& sink) {
                  WriteAll(path, "planted");
                  return sink(ours, sizeof ours);
              }),
              platform::NewFile::Exists);
    EXPECT_EQ(ReadAll(path), "planted");
    // A dangling link is something at the name too.
    const QString link = dir.filePath("link.png");
    ASSERT_TRUE(QFile::link(dir.filePath("nowhere"), link));
    EXPECT_EQ(platform::WriteNewFile(link, [&](const auto& sink) { return sink(ours, sizeof ours); }),
              platform::NewFile::Exists);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("nowhere")));
    EXPECT_EQ(platform::WriteNewFile(dir.filePath("new.png"), [&](const auto& sink) { return sink(ours, sizeof ours); }),
              platform::NewFile::Written);
    EXPECT_EQ(ReadAll(dir.filePath("new.png")), QByteArray("\x01\x02\x03", 3));
    EXPECT_EQ(platform::WriteNewFile(dir.filePath("no/such.png"), [&](const auto& sink) { return sink(ours, 1); }),
              platform::NewFile::Failed);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              (QStringList{"link.png", "new.png", "out.png"}));
}
