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
