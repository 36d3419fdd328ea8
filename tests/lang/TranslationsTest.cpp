// The translations of our own texts: one per shipped language file, every entry finished and
// keeping the placeholders of its source.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include "lang/LanguageName.h"
#include "lang/PosixLocale.h"
#include "support/Fixtures.h"

namespace {

const QString kTranslations = QDir::cleanPath(DataFile("../../translations"));
const QString kShipped = QDir::cleanPath(DataFile("../../language"));

// %1 to %99, %n, and QProgressBar's %v, %m and %p, each as often as it comes.
QStringList Placeholders(const QString& text)
{
    QStringList out;
    auto it = QRegularExpression(QStringLiteral("%(\\d+|n|v|m|p)")).globalMatch(text);
    while (it.hasNext())
        out << it.next().captured();
    out.sort();
    return out;
}

}  // namespace

TEST(Translations, OnePerShippedLanguageEveryEntryFinishedWithItsPlaceholders)
{
    // The translation each shipped language file's language finds ("de_DE" finds pictorelle_de).
    const QStringList files = QDir(kTranslations).entryList({"pictorelle_*.ts"}, QDir::Files);
    for (const QString& ini : QDir(kShipped).entryList({"*.ini"}, QDir::Files)) {
        const QString name = ini.chopped(4);
        if (name == "English")
            continue;
        const auto language = ResolveLanguageName(name, GetFileEncoding(name));
        ASSERT_TRUE(language) << name.toStdString();
        const QString locale = PosixLocaleFor(language->tableName);
        EXPECT_TRUE(files.contains("pictorelle_" + locale + ".ts") ||
                    files.contains("pictorelle_" + locale.section('_', 0, 0) + ".ts"))
            << name.toStdString() << " has no translation for " << locale.toStdString();
    }

    ASSERT_EQ(files.size(), 6);
    for (const QString& file : files) {
        QFile ts(kTranslations + "/" + file);
        ASSERT_TRUE(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        QString context, source;
        int entries = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"name") {
                context = xml.readElementText();
            } else if (xml.name() == u"source") {
                source = xml.readElementText();
            } else if (xml.name() == u"translation") {
                const QString where = file + " " + context + ": " + source.left(60);
                EXPECT_TRUE(xml.attributes().value("type").isEmpty()) << where.toStdString() << " is unfinished";
                // A count's text has a form per number its language tells apart, each whole.
                QStringList forms;
                while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != u"translation") {
                    if (xml.isCharacters() && !xml.isWhitespace())
                        forms.append(xml.text().toString());
                    else if (xml.isStartElement() && xml.name() == u"numerusform")
                        forms.append(xml.readElementText());
                    if (xml.atEnd())
                        break;
                }
                EXPECT_FALSE(forms.isEmpty()) << where.toStdString();
                for (const QString& translation : forms) {
                    EXPECT_FALSE(translation.trimmed().isEmpty()) << where.toStdString();
                    EXPECT_EQ(Placeholders(translation), Placeholders(source)) << where.toStdString();
                    // An accelerator in the source keeps one in the translation.
                    EXPECT_EQ(source.contains(QRegularExpression("&[^ &]")), translation.contains(QRegularExpression("&[^ &]")))
                        << where.toStdString();
                }
                ++entries;
            }
        }
        EXPECT_FALSE(xml.hasError()) << file.toStdString() << ": " << xml.errorString().toStdString();
        EXPECT_GT(entries, 100) << file.toStdString();
    }
}
