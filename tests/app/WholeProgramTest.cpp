// The whole main window: the language menu, about, help and home page, names for screen readers,
// and where the program finds its files.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "app/window/Addresses.h"
#include "app/window/CAboutDlg.h"
#include "app/window/HelpPage.h"
#include "lang/BaseFolder.h"
#include "lang/CLanguage.h"
#include "widgets/HelpWindow.h"
#include "widgets/QtPrompts.h"
#include "services/SettingsStore.h"
#include "res/ResourceIds.h"
#include "support/CLanguageProbe.h"
#include "support/Fixtures.h"
#include "support/MainDialogFixture.h"

using Kind = PromptRecord::Kind;

namespace {

class WholeProgramTest : public MainDialogFixture {
protected:
    void TearDown() override
    {
        MainDialogFixture::TearDown();
        theLanguage = CLanguage();
    }
    // Language files English and German_Germany in a base folder of their own; the window
    // restarted on them.
    void UseLanguages()
    {
        QDir(dir_.path()).mkpath("base/language");
        WriteAll(TempPath("base/language/English.ini"), "");
        WriteAll(TempPath("base/language/German_Germany.ini"),
                 "[DIALOG]\nIDC_BUTTON_CONVERT=Umwandeln\nIDC_STATIC_OUTPUT_WIDTH=Breite:\n"
                 "[MENU]\nIDM_SELECT_LANGUAGE=Sprache\nIDM_ABOUT=Info\n");
        theLanguage.Init(TempPath("base"), "english");
        dlg_ = std::make_unique<COrvanelDlg>();
        dlg_->Create();
        dlg_->show();
    }
    // The Yes and No buttons of a real message box, which is then answered No.
    QStringList QtMessageBoxButtons()
    {
        QStringList texts;
        QTimer::singleShot(0, [&texts] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                    texts << box->button(QMessageBox::Yes)->text().remove('&')
                          << box->button(QMessageBox::No)->text().remove('&');
                    box->button(QMessageBox::No)->click();
                }
            }
        });
        EXPECT_EQ(platform::QtPrompts().MessageBox(dlg_.get(), "?", "?", platform::MB_YESNO), platform::IDNO);
        return texts;
    }
    void RightClickOn(QWidget* w, QPoint at = {2, 2})
    {
        QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::RightButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(w, &release);
    }
};

}  // namespace

TEST_F(WholeProgramTest, LanguageMenuListsChecksAndSwitches)
{
    UseLanguages();
    (*prompts_)->QueueMenuChoice(ID_LANGUAGE_FIRST + 1);
    RightClickOn(dlg_.get());
    auto menus = (*prompts_)->OfKind(Kind::Menu);
    ASSERT_EQ(menus.size(), 1u);
    // The program's own last entries, which no language file names, after a separator.
    EXPECT_EQ(menus[0].menuItems, (QStringList{"Language", "  [x] English", "  German_Germany", "Font", "About", "",
                                               "Keep Photo Details", "Convert Several Photos..."}));
    EXPECT_EQ(menus[0].menuIds, (std::vector<int>{-1, 45400, 45401, 32772, 32771, 0, 32774, 32773}));
    EXPECT_EQ(TextOf(1000), "Umwandeln");
    EXPECT_EQ(dlg_->GetDlgItem(1005)->accessibleName(), "Breite:") << "names follow the language";
    EXPECT_EQ(QtMessageBoxButtons(), (QStringList{"Ja", "Nein"})) << "Qt's own texts follow it too";

    // The next menu shows the switch; the keyboard opens it too.
    (*prompts_)->QueueMenuChoice(0);
    QContextMenuEvent key(QContextMenuEvent::Keyboard, {5, 5});
    QApplication::sendEvent(dlg_.get(), &key);
    menus = (*prompts_)->OfKind(Kind::Menu);
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_EQ(menus[1].menuItems, (QStringList{"Sprache", "  English", "  [x] German_Germany", "Font", "Info", "",
                                               "Keep Photo Details", "Convert Several Photos..."}));

    // Shift+F10 opens it wherever the focus is: a button, an edit (not the edit's own menu), a radio.
    for (const int id : {1001, 1045, 1018}) {
        (*prompts_)->QueueMenuChoice(0);
        dlg_->GotoDlgCtrl(id);
        QTest::keyClick(dlg_->GetDlgItem(id), Qt::Key_F10, Qt::ShiftModifier);
        EXPECT_EQ((*prompts_)->OfKind(Kind::Menu).size(), menus.size() + 1) << id;
        menus = (*prompts_)->OfKind(Kind::Menu);
    }

    // A right click on a control is the control's: no menu.
    QWidget* convert = dlg_->GetDlgItem(1000);
    RightClickOn(dlg_.get(), convert->geometry().center());
    EXPECT_EQ((*prompts_)->OfKind(Kind::Menu).size(), 5u);

    Click(1037);
    EXPECT_EQ(platform::SettingsStore::GetProfileString("Option", "CurrentLanguage", ""), "German_Germany");
}

TEST_F(WholeProgramTest, ThousandsOfLanguageFilesAndOddNames)
{
    QDir(dir_.path()).mkpath("base/language");
    for (int i = 0; i < 2000; ++i)
        WriteAll(TempPath(QString("base/language/L%1.ini").arg(i, 4, 10, QChar('0'))), "");
    WriteAll(TempPath("base/language/$(rm -rf x);`id`.ini"), "");
    WriteAll(TempPath("base/language/Fran\u00e7ais \u65e5\u672c.ini"), "");
    theLanguage.Init(TempPath("base"), "english");
    ASSERT_EQ(theLanguage.GetLanguageCount(), 2002);
    (*prompts_)->QueueMenuChoice(0);
    RightClickOn(dlg_.get());
    const auto menu = (*prompts_)->OfKind(Kind::Menu).at(0);
    EXPECT_EQ(menu.menuIds.size(), 1000u + 6u)
        << "the languages there are commands for, Font, About, and the program's two entries after a separator";
    EXPECT_EQ(menu.menuIds[1000], ID_LANGUAGE_LAST);
    EXPECT_EQ(menu.menuItems[1], "  $(rm -rf x);`id`");
}

TEST_F(WholeProgramTest, AboutHelpAndHomePage)
{
    (*prompts_)->QueueMenuChoice(IDM_ABOUT);
    (*prompts_)->QueueDialogResult(platform::IDOK);
    RightClickOn(dlg_.get());
    const auto dialogs = (*prompts_)->OfKind(Kind::Dialog);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].caption, "About Pictorelle");

    // Help needs nothing of the desktop: no xdg-open, no browser on the PATH.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(TempPath("empty")));
    CLanguageProbe::BaseFolder(theLanguage) = QDir::cleanPath(DataFile("../.."));  // the shipped pages
    Click(1034);
    qputenv("PATH", path);
    ASSERT_EQ((*prompts_)->OfKind(Kind::Help).size(), 1u);
    platform::HelpWindow* help = (*prompts_)->HelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    QTextBrowser& browser = help->Browser();
    EXPECT_EQ(browser.source().fileName(), "Introduction.htm");
    EXPECT_EQ(help->windowTitle(), "Pictorelle Help");
    // A click on the link to the next page follows it; Back returns.
    const QTextCursor link = browser.document()->find("Opening a photo");
    ASSERT_FALSE(link.isNull());
    QTextCursor inside(browser.document());
    inside.setPosition(link.selectionStart() + 3);
    QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, browser.cursorRect(inside).center());
    EXPECT_EQ(browser.source().fileName(), "Photos.htm");
    EXPECT_EQ(help->windowTitle(), "Opening a photo - Pictorelle Help");
    browser.backward();
    EXPECT_EQ(help->windowTitle(), "Pictorelle Help");

    (*prompts_)->QueueUrlOpens(true);
    Click(1033);
    (*prompts_)->QueueUrlOpens(false);
    (*prompts_)->QueueAnswer(platform::IDOK);
    Click(1033);
    const auto urls = (*prompts_)->OfKind(Kind::Url);
    ASSERT_EQ(urls.size(), 2u);
    EXPECT_EQ(urls[0].text, kHomePageUrl);
    ASSERT_EQ((*prompts_)->Messages().size(), 1u);
    EXPECT_EQ((*prompts_)->Messages()[0].text, "The Program does not launch your web browser to access " + kHomePageUrl +
                                                   " ,\nPlease launch your web browser and input the URL manually.");
    EXPECT_EQ((*prompts_)->Messages()[0].caption, "Unknown error");
}

TEST(HelpPage, TheLanguagesPagesWhereTheyExistElseEnglish)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("help/german_germany");
    QDir(dir.path()).mkpath("help/French_France");  // no pages in it
    WriteAll(dir.filePath("help/Introduction.htm"), "");
    WriteAll(dir.filePath("help/german_germany/Introduction.htm"), "");
    EXPECT_EQ(HelpPage(dir.path(), "German_Germany"), dir.filePath("help/german_germany/Introduction.htm"));
    EXPECT_EQ(HelpPage(dir.path(), "French_France"), dir.filePath("help/Introduction.htm"));
    EXPECT_EQ(HelpPage(dir.path(), "english"), dir.filePath("help/Introduction.htm"));
    EXPECT_EQ(HelpPage(dir.path(), "German_Germany", "CommandLine.htm"), dir.filePath("help/CommandLine.htm"))
        << "a page the language lacks is the English one";
}

TEST_F(WholeProgramTest, AboutBoxClosesOnOkEnterAndEscape)
{
    for (const auto how : {Qt::Key_unknown, Qt::Key_Return, Qt::Key_Escape}) {
        CAboutDlg about;
        about.Create();
        about.show();
        if (how == Qt::Key_unknown)
            qobject_cast<QPushButton*>(about.GetDlgItem(1))->click();
        else
            QTest::keyClick(&about, how);
        EXPECT_TRUE(about.isHidden()) << how;
    }
}

TEST_F(WholeProgramTest, ScreenReaderNamesAndRadiosCheckedAnyWay)
{
    const std::pair<int, QString> names[] = {{1005, "Output Width:"}, {1006, "Output Height:"}, {1003, "Output file:"},
                                             {1045, "Add text to photo:"}, {1043, "Position x, y: x"},
                                             {1044, "Position x, y: y"}, {1002, "Photo preview"}};
    for (const auto& [id, name] : names) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(dlg_->GetDlgItem(id));
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), name) << id;
    }

    // The toggle action of a screen reader checks the radio; the program follows.
    for (const int radio : {1021, 1024}) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(dlg_->GetDlgItem(radio));
        ASSERT_NE(a->actionInterface(), nullptr);
        a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    }
    EXPECT_TRUE(dlg_->IsDlgButtonChecked(1021));
    Click(1037);
    EXPECT_EQ(platform::SettingsStore::GetProfileInt("Option", "nRotateAngel", 0), 270);
    EXPECT_EQ(platform::SettingsStore::GetProfileInt("Option", "nFlipType", 0), 1);
}

TEST(BaseFolder, ParentWithEnglishIniWins)
{
    QTemporaryDir dir;
    const QString root = dir.path();
    QDir(root).mkpath("A/B/language");
    QDir(root).mkpath("A/language");
    QDir(root).mkpath("C/D");
    QDir(root).mkpath("E/LANGUAGE");
    QDir(root).mkpath("E/F");
    WriteAll(root + "/A/language/English.ini", "");
    WriteAll(root + "/E/LANGUAGE/english.INI", "");
    QDir(root).mkpath("G/language");
    WriteAll(root + "/G/language/German_Germany.ini", "");
    QDir(root).mkpath("G/H");
    EXPECT_EQ(BaseFolderFor(root + "/A/B/x"), root + "/A");
    EXPECT_EQ(BaseFolderFor(root + "/C/D/x"), root + "/C/D");
    EXPECT_EQ(BaseFolderFor(root + "/E/F/x"), root + "/E") << "names matched without regard to case";
    EXPECT_EQ(BaseFolderFor(root + "/G/H/x"), root + "/G/H") << "only English.ini counts";
    EXPECT_EQ(BaseFolderFor("/x"), "");
}
