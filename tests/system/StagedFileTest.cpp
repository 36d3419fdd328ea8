// Every way a staged file takes its name, forced in turn: a complete file under the name, or
// nothing at all, and no temporary left either way.
#include <fcntl.h>
#include <sys/file.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "system/NewFileWriter.h"
#include "system/AtomicFileWriter.h"
#include "system/FileDescriptor.h"
#include "system/StagedFile.h"
#include "system/TemporaryName.h"
#include "support/Fixtures.h"

using platform::ByteSink;
using platform::StagingRefusal;

TEST(TemporaryName, CutToFitTheLongestNameAndNeverInsideACharacter)
{
    const QByteArray e = "\xc3\xa9";  // é, two bytes
    const struct {
        QByteArray target;
        QByteArray expected;
    } cases[] = {
        {"/d/out.png", "/d/.out.png.ab.tmp"},
        {"out.png", "./.out.png.ab.tmp"},
        {"/out.png", "/.out.png.ab.tmp"},
        {"/d/" + QByteArray(255, 'x'), "/d/." + QByteArray(247, 'x') + ".ab.tmp"},
        {"/d/" + e.repeated(127), "/d/." + e.repeated(123) + ".ab.tmp"},  // 247 bytes would split an é
    };
    for (const auto& c : cases) {
        const QByteArray name = platform::TemporaryNameBeside(c.target, "ab");
        EXPECT_EQ(name, c.expected) << c.target.constData();
        EXPECT_LE(name.size() - name.lastIndexOf('/') - 1, platform::kMaxFileNameBytes);
    }
}

class StagedFileTest : public ::testing::TestWithParam<StagingRefusal> {
protected:
    void SetUp() override { platform::SetStagingRefusalForTests(GetParam()); }
    void TearDown() override { platform::SetStagingRefusalForTests(StagingRefusal::None); }
    QStringList Entries() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden | QDir::System); }

    QTemporaryDir dir_;
};

TEST_P(StagedFileTest, ALongNameIsWrittenAFailureLeavesNothing)
{
    // 250 bytes: the longest names leave no room for a temporary name built on them.
    const QString name = QString(246, u'n') + ".png";
    const QString path = dir_.filePath(name);
    const std::uint8_t bytes[] = {7, 8, 9, 10, 11};
    const auto produce = [&](const ByteSink& sink) { return sink(bytes, 2) && sink(bytes + 2, 3); };
    const auto failing = [&](const ByteSink& sink) { return sink(bytes, 2) && false; };

    EXPECT_EQ(platform::WriteNewFile(path, failing), platform::NewFile::Failed);
    EXPECT_TRUE(Entries().isEmpty());
    EXPECT_EQ(platform::WriteNewFile(path, produce), platform::NewFile::Written);
    EXPECT_EQ(ReadAll(path), QByteArray("\x07\x08\x09\x0a\x0b", 5));
    EXPECT_EQ(platform::WriteNewFile(path, [&](const ByteSink& sink) { return sink(bytes, 1); }),
              platform::NewFile::Exists);
    EXPECT_EQ(ReadAll(path), QByteArray("\x07\x08\x09\x0a\x0b", 5));

    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    EXPECT_FALSE(platform::WriteFileAtomically(path, failing));
    EXPECT_TRUE(platform::WriteFileAtomically(path, [&](const ByteSink& sink) { return sink(bytes + 3, 2); }));
    EXPECT_EQ(ReadAll(path), QByteArray("\x0a\x0b", 2));
    EXPECT_EQ(QFile::permissions(path), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                                            QFileDevice::WriteUser);
    EXPECT_EQ(Entries(), QStringList{name});
}

INSTANTIATE_TEST_SUITE_P(EachWay, StagedFileTest,
                         ::testing::Values(StagingRefusal::None, StagingRefusal::Unnamed,
                                           StagingRefusal::UnnamedAndLinks));

// Where the file system has no unnamed files, a run killed outright leaves its hidden temporary;
// the next run into that folder removes it, and nothing that is in use or not ours.
TEST(StagedFile, ANamedTemporaryLeftByAKilledRunGoesWithTheNextRun)
{
    QTemporaryDir dir;
    const auto path = [&](const char* name) { return QFile::encodeName(dir.filePath(name)); };
    for (const char* name : {".a.png.pictorelle-3kq9x.tmp", ".b.png.pictorelle-77aa.tmp", ".c.png.8g2m2.tmp",
                             "d.png.pictorelle-1.tmp", ".e.png.pictorelle-UP.tmp"})
        WriteAll(QFile::decodeName(path(name)), "left");
    // Another run's, being written: locked by its writer.
    const platform::FileDescriptor inUse(::open(path(".b.png.pictorelle-77aa.tmp").constData(), O_RDWR | O_CLOEXEC));
    ASSERT_EQ(::flock(inUse.Get(), LOCK_EX | LOCK_NB), 0);
    platform::SetStagingRefusalForTests(platform::StagingRefusal::Unnamed);
    const bool written = platform::WriteFileAtomically(path("out.png"), [](const platform::ByteSink& sink) {
        return sink(reinterpret_cast<const std::uint8_t*>("png"), 3);
    });
    platform::SetStagingRefusalForTests(platform::StagingRefusal::None);
    EXPECT_TRUE(written);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{".b.png.pictorelle-77aa.tmp", ".c.png.8g2m2.tmp", ".e.png.pictorelle-UP.tmp",
                           "d.png.pictorelle-1.tmp", "out.png"}));
}
