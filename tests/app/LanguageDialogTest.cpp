// The main window in each shipped language, and the relabelling rules, through its widgets.
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/CLanguageProbe.h"

#include "app/window/COrvanelDlg.h"
#include "app/window/ConvertSeveralWindow.h"
#include "lang/QtTranslation.h"
#include "widgets/FontColourDialog.h"
#include "widgets/HelpWindow.h"
#include "widgets/QtPrompts.h"
#include "lang/CLanguage.h"
#include "lang/ResourceNames.h"
#include "services/PrivateProfile.h"
#include "system/ReadRegularFile.h"
#include "res/StringTable.h"
#include "support/Fixtures.h"
#include "support/ScriptedPrompts.h"

namespace {

const QString kShipped = QDir::cleanPath(DataFile("../../language"));

QStringList Placeholders(const QString& text)
{
    QStringList out;
    auto it = QRegularExpression("%[sd]").globalMatch(text);
    while (it.hasNext())
        out << it.next().captured();
    return out;
}

// Whether the widget shows its whole text at its own font.
bool TextFits(QWidget* w)
{
    if (auto* box = qobject_cast<QGroupBox*>(w))
        return QFontMetrics(box->font()).horizontalAdvance(box->title()) + 8 <= box->width();
    return w->sizeHint().width() <= w->width();
}

class LanguageDialogTest : public ::testing::Test {
protected:
    void TearDown() override { theLanguage = CLanguage(); }
    ScopedScriptedPrompts prompts_;
};

}  // namespace

TEST_F(LanguageDialogTest, ShippedLanguagesAreCompleteAndFitTheWindow)
{
    const QStringList expected{"Chinese_Simplified_unicode", "English",        "French_France",
                               "German_Germany",             "Japanese_Japan_utf-8", "Russian_Russia",
                               "Spanish_Spain"};
    theLanguage.Init(QFileInfo(kShipped).path(), "english");
    ASSERT_EQ(CLanguageProbe::LanguageNames(theLanguage), expected);
    for (const QString& name : expected) {
        theLanguage.SetLanguage(name);
        const platform::PrivateProfile file(*platform::ReadRegularFile(kShipped + "/" + name + ".ini"));
        for (const ResourceName& row : g_ResourceNames) {
            EXPECT_FALSE(file.RawValue(SectionName(SectionOf(row)), row.pszName).isEmpty()) << name.toStdString() << " " << row.pszName;
        }
        for (const TextEntry& e : CLanguageProbe::StringTexts(theLanguage)) {
            EXPECT_FALSE(e.strText.contains(QChar::ReplacementCharacter)) << name.toStdString() << " " << e.nID;
            EXPECT_EQ(Placeholders(e.strText), Placeholders(LoadResourceString(e.nID))) << name.toStdString() << " " << e.nID;
        }

        COrvanelDlg dlg;
        dlg.Create();
        for (const auto& [id, widget] : dlg.Controls()) {
            if (id > 0 && !theLanguage.GetDialogText(id).isEmpty()) {
                EXPECT_EQ(dlg.GetDlgItemText(id), theLanguage.GetDialogText(id)) << name.toStdString() << " " << id;
                EXPECT_TRUE(TextFits(widget)) << name.toStdString() << " control " << id << " \""
                                             << dlg.GetDlgItemText(id).toStdString() << "\" needs "
                                             << widget->sizeHint().width() << " of " << widget->width();
            }
        }
        // The frame-range label is filled from a message text at run time; it must fit too.
        QWidget* range = dlg.GetDlgItem(1040);
        dlg.SetDlgItemText(1040, theLanguage.GetString(122).replace("%d", "4096"));
        EXPECT_TRUE(TextFits(range)) << name.toStdString() << " frame range";
    }
    EXPECT_TRUE(prompts_->Records().empty());
}

TEST_F(LanguageDialogTest, OnlyNamedControlsChangeAndCombosAreRefilled)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("Language");  // any letter case
    WriteAll(dir.filePath("Language/Caption.INI"), "");
    theLanguage.Init(dir.path(), "english");
    COrvanelDlg plain;
    plain.Create();
    const QString templateFace = plain.GetDlgItem(1001)->font().family();

    // A caption, a control, a combo box's items, and an edit that is never relabelled.
    WriteAll(dir.filePath("Language/English.ini"),
             "[DIALOG]\nIDD_PROGRAM_PNG_CAPTION=Bildwandler\nIDC_BUTTON_CONVERT=Go\n");
    theLanguage.Init(dir.path(), "english");
    CLanguageProbe::DialogTexts(theLanguage).push_back({1039, "A\nB\n"});
    CLanguageProbe::DialogTexts(theLanguage).push_back({1003, "never"});
    CLanguageProbe::StringTexts(theLanguage).insert(CLanguageProbe::StringTexts(theLanguage).begin(), {1, "ignored: no control 1"});
    COrvanelDlg dlg;
    dlg.Create();
    EXPECT_EQ(dlg.windowTitle(), "Bildwandler");
    EXPECT_EQ(dlg.GetDlgItemText(1000), "Go");
    EXPECT_EQ(dlg.GetDlgItem(1000)->font(), *theLanguage.InterfaceFont());
    EXPECT_EQ(dlg.GetDlgItemText(1001), "Open Photo");
    EXPECT_EQ(dlg.GetDlgItem(1001)->font().family(), templateFace) << "unnamed controls keep the template font";
    EXPECT_EQ(dlg.GetDlgItemText(1018), "0");
    auto* combo = qobject_cast<QComboBox*>(dlg.GetDlgItem(1039));
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(2), "");
    EXPECT_NE(dlg.GetDlgItemText(1003), "never");
}

TEST_F(LanguageDialogTest, InterfaceFontIsKeptPerLanguage)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("language");
    WriteAll(dir.filePath("language/English.ini"), "[DIALOG]\nIDC_BUTTON_CONVERT=Convert\n");
    WriteAll(dir.filePath("language/German_Germany.ini"), "[DIALOG]\nIDC_BUTTON_CONVERT=Umwandeln\n");
    theLanguage.Init(dir.path(), "english");
    EXPECT_EQ(theLanguage.InterfaceFont()->pixelSize(), 11) << "the default record, height -11";
    COrvanelDlg dlg;
    dlg.Create();

    QFont serif("DejaVu Serif");
    serif.setPixelSize(15);
    prompts_->QueueFont(platform::FontChoice{serif, Qt::red});
    dlg.OnPopupMenuFont();
    EXPECT_EQ(QFontInfo(dlg.GetDlgItem(1000)->font()).family(), "DejaVu Serif") << "relabelled at once";
    EXPECT_EQ(QFontInfo(dlg.GetDlgItem(1001)->font()).family(), QFontInfo(dlg.font()).family())
        << "a control the language does not name keeps its font";
    EXPECT_EQ(dlg.GetDlgItemText(1048), QFontInfo(dlg.font()).family()) << "the overlay font is another";

    theLanguage.SetLanguage("German_Germany");
    EXPECT_EQ(theLanguage.InterfaceFont()->pixelSize(), 11) << "German has its own, default font";
    theLanguage.SetLanguage("english");
    EXPECT_EQ(QFontInfo(*theLanguage.InterfaceFont()).family(), "DejaVu Serif");
    EXPECT_EQ(theLanguage.InterfaceFont()->pixelSize(), 15);

    prompts_->QueueFont(std::nullopt);
    dlg.OnPopupMenuFont();
    EXPECT_EQ(theLanguage.InterfaceFont()->pixelSize(), 15) << "cancel changes nothing";
}

// Our own texts in the window follow the chosen language file's language: the help viewer's
// buttons, the font dialog's words and colours, Convert Several Photos, and the progress dialog
// (Qt's own Cancel).
TEST_F(LanguageDialogTest, OwnTextsOfTheWindowInTheLanguagesLanguage)
{
    LoadQtTranslation(QStringLiteral("German_Germany"), {QStringLiteral(PICTORELLE_QM_DIR)});
    const auto texts = [](const QWidget& w) {
        QStringList out;
        for (const auto* button : w.findChildren<QAbstractButton*>())
            out << button->text();
        for (const auto* label : w.findChildren<QLabel*>())
            out << label->text();
        return out;
    };

    platform::FontColourDialog font(QFont(), QColor(255, 0, 0));
    EXPECT_EQ(font.windowTitle(), "Schriftart");
    EXPECT_TRUE(texts(font).contains("&Farbe:")) << texts(font).join('|').toStdString();
    const auto combos = font.findChildren<QComboBox*>();
    const auto colours = std::find_if(combos.begin(), combos.end(), [](QComboBox* c) { return c->count() == 16; });
    ASSERT_NE(colours, combos.end());
    EXPECT_EQ((*colours)->currentText(), "Rot");
    EXPECT_EQ((*colours)->itemText(0), "Schwarz");
    EXPECT_EQ(font.SelectedColour(), QColor(255, 0, 0));
    EXPECT_TRUE(texts(font).join("|").remove(u'&').contains("Abbrechen")) << "Qt's own words, from Qt's translation";

    ConvertSeveralWindow several;
    EXPECT_EQ(several.windowTitle(), "Mehrere Fotos umwandeln");
    QTemporaryDir pages;
    WriteAll(pages.filePath("page.htm"), "<html><head><title>T</title></head><body>x</body></html>");
    const platform::HelpWindow* help = platform::HelpWindow::Show(&several, pages.filePath("page.htm"));
    EXPECT_TRUE(texts(*help).contains("Zurück")) << texts(*help).join('|').toStdString();
    EXPECT_TRUE(texts(*help).contains("Vor"));
    EXPECT_TRUE(texts(several).contains("Alle u&mwandeln")) << texts(several).join('|').toStdString();
    const std::unique_ptr<QObject> progress = platform::QtPrompts().ShowProgress(&several, "out.png", [] {});
    const auto* dialog = qobject_cast<QWidget*>(progress.get());
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(texts(*dialog).contains("Abbrechen")) << texts(*dialog).join('|').toStdString();

    LoadQtTranslation(QStringLiteral("english"), {QStringLiteral(PICTORELLE_QM_DIR)});
    EXPECT_EQ(platform::FontColourDialog(QFont(), QColor()).windowTitle(), "Font");
}
