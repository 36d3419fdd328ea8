// Output names of one command-line run: two photos of one name never write over each other.
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "batch/OutputNames.h"

TEST(OutputNames, EachNameToOnePhotoByItsBytes)
{
    const QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    OutputNames names(QString(), folder);
    const OutputName first = names.For(QStringLiteral("/a/p.jpg"));
    EXPECT_EQ(first.path, folder + "p_out.png");
    EXPECT_EQ(names.Claim(first, false), OutputClaim::Granted);
    EXPECT_EQ(names.Claim(names.For(QStringLiteral("/b/p.png")), true), OutputClaim::OutputOfAnother)
        << "overwrite replaces what was there before the run, never another photo's output";

    // Names that are not UTF-8 read alike as text and are still two files.
    const QByteArray local = QFile::encodeName(folder);
    EXPECT_EQ(names.Claim({folder + "\uFFFD.png", local + "\xff.png"}, false), OutputClaim::Granted);
    EXPECT_EQ(names.Claim({folder + "\uFFFD.png", local + "\xfe.png"}, false), OutputClaim::Granted);

    QFile old(folder + "old_out.png");
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    EXPECT_EQ(names.Claim(names.For(QStringLiteral("/c/old.jpg")), false), OutputClaim::Exists);
    EXPECT_EQ(names.Claim(names.For(QStringLiteral("/c/old.jpg")), true), OutputClaim::Granted);
}

TEST(OutputNames, ANameOrAPathOverItsLimitIsToldWhich)
{
    const QTemporaryDir dir;
    OutputNames names(QString(), dir.path() + u'/');
    // "_out.png" takes a photo named with 247 bytes to 255 bytes, one of 248 past them; é is two bytes.
    EXPECT_EQ(names.Claim(names.For("/a/" + QString(123, u'\u00e9') + "x.jpg"), false), OutputClaim::Granted);
    EXPECT_EQ(names.Claim(names.For("/a/" + QString(124, u'\u00e9') + ".jpg"), false), OutputClaim::NameTooLong);
    OutputNames inDeepFolder(QString(), "/" + QString(250, u'd') + "/");
    EXPECT_EQ(inDeepFolder.Claim(inDeepFolder.For("/a/p.jpg"), false), OutputClaim::PathTooLong);
}

TEST(OutputNames, APhotoOfAnAddedFolderKeepsItsPlaceBelowIt)
{
    const QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    OutputNames names(QString(), folder);
    const OutputName a = names.For(QStringLiteral("/trip/day1/IMG_0001.jpg"), QStringLiteral("/trip"));
    const OutputName b = names.For(QStringLiteral("/trip/day2/IMG_0001.jpg"), QStringLiteral("/trip/"));
    EXPECT_EQ(a.path, folder + "day1/IMG_0001_out.png");
    EXPECT_EQ(b.local, QFile::encodeName(folder) + "day2/IMG_0001_out.png");
    EXPECT_EQ(names.Claim(a, false), OutputClaim::Granted);
    EXPECT_EQ(names.Claim(b, false), OutputClaim::Granted) << "one name in two folders is two outputs";
    EXPECT_EQ(names.For(QStringLiteral("/trip/top.jpg"), QStringLiteral("/trip")).path, folder + "top_out.png");
    EXPECT_EQ(names.Claim(names.For(QStringLiteral("/other/day1/IMG_0001.jpg"), QStringLiteral("/other")), false),
              OutputClaim::OutputOfAnother)
        << "two added folders may still meet: the first photo wins";
}

TEST(NamingPattern, EveryTokenGivesItsPartAndABadPatternIsRefused)
{
    NamingFacts facts;
    facts.name = QByteArray("IMG\xE9_1");  // Latin-1, as an old card names it: kept as bytes
    facts.ext = "JPG";
    facts.folder = "day 2";
    facts.taken = platform::TakenTime{2024, 7, 4, 9, 5, 3, std::nullopt};
    facts.index = 7;
    facts.width = 1920;
    facts.height = 1280;
    const struct {
        const char* pattern;
        QByteArray name;
    } table[] = {
        {"{name}_out", QByteArray("IMG\xE9_1_out.png")},
        {"{date}_{time}", "2024-07-04_09-05-03.png"},
        {"{n}", "7.png"},
        {"{n:4}-{ext}", "0007-JPG.png"},
        {"{folder} {width}x{height}", "day 2 1920x1280.png"},
        {"été {n:1}", QByteArray("\xC3\xA9t\xC3\xA9 7.png")},
        {"..", ""},  // a name of dots names no file
    };
    for (const auto& row : table)
        EXPECT_EQ(NameByPattern(row.pattern, facts), row.name) << row.pattern;
    facts.index = 12345;
    EXPECT_EQ(NameByPattern("{n:3}", facts), "12345.png") << "a counter past its width keeps every digit";
    facts.name.clear();
    EXPECT_EQ(NameByPattern("{name}", facts), "") << "nothing to name it by";

    for (const char* bad : {"", "a/b", "{nome}", "{n:0}", "{n:10}", "{name", "name}", "{n:x}"})
        EXPECT_TRUE(NamingPatternProblem(bad)) << bad;
    EXPECT_FALSE(NamingPatternProblem("{n:9}{name}{ext}{date}{time}{folder}{width}{height}"));
    EXPECT_TRUE(PatternReadsPhotos("{date}_{name}"));
    EXPECT_FALSE(PatternReadsPhotos("{n:3}_{name}"));
}
