// The help pages name only what the program has: the photo formats Open Photo lists, and language
// folders where the installed program looks for its language files.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "convert/PhotoExtensions.h"
#include "lang/BaseFolder.h"
#include "support/Fixtures.h"

namespace {

// Every help page of every language named name ("" for all), with its text.
QMap<QString, QString> HelpPages(const QString& name = {})
{
    QMap<QString, QString> pages;
    QDirIterator it(QStringLiteral(PICTORELLE_SOURCE_DIR "/help"), {name.isEmpty() ? QStringLiteral("*.htm") : name},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            pages.insert(it.filePath(), QString::fromUtf8(file.readAll()));
    }
    return pages;
}

QSet<QString> Captures(const QString& text, const QRegularExpression& pattern)
{
    QSet<QString> found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured(1));
    return found;
}

TEST(HelpPages, FormatsAreThoseThePhotoFilterLists)
{
    QSet<QString> listed;
    for (const QString& pattern : PhotoPatterns().split(u';'))
        listed.insert(pattern.mid(1));  // ".jpg"
    const auto pages = HelpPages(QStringLiteral("Photos.htm"));
    ASSERT_FALSE(pages.isEmpty());
    for (auto page = pages.begin(); page != pages.end(); ++page) {
        EXPECT_EQ(Captures(*page, QRegularExpression(QStringLiteral("<code>(\\.[a-z0-9]+)</code>"))), listed) << page.key().toStdString();
        EXPECT_TRUE(page->contains(QStringLiteral("RAW"))) << page.key().toStdString() << " names no camera RAW";
        EXPECT_FALSE(page->contains(QRegularExpression(QStringLiteral("raw files cannot"), QRegularExpression::CaseInsensitiveOption)))
            << page.key().toStdString();
    }
}

TEST(HelpPages, LanguageFoldersAreWhereTheInstalledProgramLooks)
{
    // "/usr/lib/pictorelle/language", "~/.local/lib/pictorelle/language", ...
    const QRegularExpression folder(QStringLiteral("<code>((?:/|~/)[^<]*/language)/?</code>"));
    QSet<QString> named;
    for (const QString& text : HelpPages())
        named += Captures(text, folder);
    const QString installDir = QStringLiteral("/" PICTORELLE_INSTALL_DIR "/language");
    EXPECT_TRUE(named.contains("/usr" + installDir)) << "the Debian package's folder is not named";
    for (const QString& path : named) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_TRUE(path.endsWith(installDir)) << "not a folder the install rules fill";
        // The installed layout, rebuilt under a temporary root: the program beside the folder.
        QTemporaryDir root;
        const QString at = root.path() + QString(path).replace(QRegularExpression("^~"), "/home/user");
        const QString program = at.section(u'/', 0, -2) + "/pictorelle";
        ASSERT_TRUE(QDir().mkpath(at));
        WriteAll(at + "/English.ini", "");
        WriteAll(program, "");
        EXPECT_EQ(BaseFolderFor(program) + "/language", at);
    }
}

}  // namespace
