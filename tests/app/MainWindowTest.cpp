// The main window's template, its start-up output folder and its extreme output sizes.
#include <QDir>
#include <QFile>
#include <set>

#include "services/SettingsStore.h"
#include "services/SystemInfo.h"
#include "res/DialogTemplates.h"
#include "res/MenuTemplates.h"
#include "res/ResourceIds.h"
#include "support/ExifTool.h"
#include "support/Fixtures.h"
#include "support/MainDialogFixture.h"
#include "support/SettingsStoreProbe.h"

TEST(Templates, MainDialogHoldsEveryControlInTabOrder)
{
    const auto& t = MainDialogTemplate();
    EXPECT_EQ(t.id, 102);
    EXPECT_EQ(t.cx, 378);
    EXPECT_EQ(t.cy, 273);
    ASSERT_EQ(t.controls.size(), 36u);
    EXPECT_EQ(t.controls.front().id, 1001);
    EXPECT_EQ(t.controls[1].id, 1037);
    EXPECT_EQ(t.controls[2].id, 1000);
    EXPECT_EQ(t.controls.back().id, 1048);
    std::set<int> ids;
    for (const auto& c : t.controls)
        ids.insert(c.id);
    EXPECT_EQ(ids.size(), 36u) << "identifiers are unique";
    EXPECT_EQ(AboutDialogTemplate().id, 100);
    const auto& menu = LanguagePopupMenuTemplate();
    EXPECT_EQ(menu.id, 129);
    ASSERT_EQ(menu.items.size(), 1u);
    ASSERT_EQ(menu.items[0].children.size(), 3u);
    EXPECT_EQ(menu.items[0].children[0].text, "Language");
    EXPECT_EQ(menu.items[0].children[1].id, 32772);
    EXPECT_EQ(menu.items[0].children[2].id, 32771);
}

TEST(MainWindowStart, FocusChainFollowsTheTemplate)
{
    ScopedScriptedPrompts prompts;
    COrvanelDlg dlg;
    dlg.Create();
    std::vector<int> order;
    QWidget* w = dlg.GetDlgItem(1001);
    while (order.size() < 6) {
        for (const auto& c : MainDialogTemplate().controls) {
            if (dlg.GetDlgItem(c.id) == w && w->focusPolicy() != Qt::NoFocus)
                order.push_back(c.id);
        }
        w = w->nextInFocusChain();
    }
    EXPECT_EQ(order, (std::vector<int>{1001, 1037, 1000, 1003, 1004, 1005}));
}

TEST(MainWindowStart, OutputFolderFallsBackToHomeWhenQueriesFail)
{
    platform::SetSystemQueryFailures(true, true);
    ScopedScriptedPrompts prompts;
    prompts->QueueAnswer(platform::IDOK);
    prompts->QueueAnswer(platform::IDOK);
    COrvanelDlg dlg;
    dlg.Create();
    EXPECT_EQ(prompts->MessageTexts(), (QStringList{"Can get Windows Version!", "Can not get My Picture directory!"}));
    EXPECT_EQ(prompts->Messages()[0].caption, "Error");
    EXPECT_EQ(dlg.GetDlgItemText(1003), QDir::homePath() + "/");
    platform::SetSystemQueryFailures(false, false);
}

TEST(MainWindowStart, StoredOutputFolderWins)
{
    platform::SettingsStore::WriteProfileString("Option", "last_output_folder", "/no/such/folder/");
    ScopedScriptedPrompts prompts;
    COrvanelDlg dlg;
    dlg.Create();
    EXPECT_EQ(dlg.GetDlgItemText(1003), "/no/such/folder/");
}

// The right-click menu's check entry, off at first, is kept the moment it changes and read at the next start.
TEST(MainWindowMenu, KeepPhotoDetailsTogglesAndIsKept)
{
    using platform::SettingsStore;
    ScopedScriptedPrompts prompts;
    // The entry as the menu shows it; choice is picked from it then.
    const auto entryShown = [&](COrvanelDlg& dlg, int choice) {
        prompts->QueueMenuChoice(choice);
        dlg.ShowLanguageMenu({5, 5});
        const QStringList items = prompts->OfKind(PromptRecord::Kind::Menu).back().menuItems;
        return items.filter("Keep Photo Details").value(0);
    };
    {
        COrvanelDlg dlg;
        dlg.Create();
        EXPECT_EQ(entryShown(dlg, IDM_KEEP_PHOTO_DETAILS), "Keep Photo Details");
        EXPECT_EQ(SettingsStore::GetProfileInt("Option", "KeepPhotoDetails", -1), 1);
        dlg.close();
    }
    SettingsStoreProbe::Reload();
    COrvanelDlg next;
    next.Create();
    EXPECT_EQ(entryShown(next, IDM_KEEP_PHOTO_DETAILS), "[x] Keep Photo Details");
    EXPECT_EQ(entryShown(next, 0), "Keep Photo Details");
    EXPECT_EQ(SettingsStore::GetProfileInt("Option", "KeepPhotoDetails", -1), 0);

    SettingsStore::WriteProfileInt("Option", "KeepPhotoDetails", 7);
    COrvanelDlg odd;
    odd.Create();
    EXPECT_EQ(entryShown(odd, 0), "Keep Photo Details") << "a value other than 1 is off";
}

class KeptDetails : public MainDialogFixture {};

// Off, the window writes the file it always wrote; on, the photo's details but its place.
TEST_F(KeptDetails, TheWindowKeepsAllButThePlaceOnlyWhenItsEntryIsOn)
{
    WriteNoise(TempPath("phone.jpg"), 60, 40);
    TagLikeAPhone(TempPath("phone.jpg"));
    OpenPhoto(TempPath("phone.jpg"));
    SetText(1003, TempPath("off.png"));
    Click(1000);
    EXPECT_EQ(ChunkTypes(TempPath("off.png")),
              (std::vector<std::string>{"IHDR", "sRGB", "gAMA", "cHRM", "pHYs", "IDAT", "IEND"}));

    (*prompts_)->QueueMenuChoice(IDM_KEEP_PHOTO_DETAILS);
    dlg_->ShowLanguageMenu({5, 5});
    SetText(1003, TempPath("on.png"));
    Click(1000);
    const QJsonObject tags = ExifToolTags(TempPath("on.png"));
    EXPECT_EQ(tags["IFD0:Make"].toString(), "Phone");
    EXPECT_EQ(tags["ExifIFD:DateTimeOriginal"].toString(), "2024:07:14 10:20:30");
    EXPECT_EQ(tags["IFD0:Orientation"].toInt(), 1);
    EXPECT_EQ(tags["ExifIFD:ExifImageWidth"].toInt(), tags["PNG:ImageWidth"].toInt());
    EXPECT_EQ(tags["PNG:ImageWidth"].toInt(), 40) << "the photo stands upright";
    EXPECT_FALSE(HasLocation(tags));
    const auto pixels = [](const QString& path) {
        QByteArray data;
        for (const PngChunk& chunk : ReadPngChunks(path))
            if (chunk.type == "IDAT")
                data.append(reinterpret_cast<const char*>(chunk.data.data()), static_cast<qsizetype>(chunk.data.size()));
        return data;
    };
    EXPECT_EQ(pixels(TempPath("on.png")), pixels(TempPath("off.png")));
}

class ExtremeSizes : public MainDialogFixture {};

TEST_F(ExtremeSizes, OnePixelWideOrHighEncodeExactly)
{
    OpenPhoto(WriteCornerMarkers(TempPath("c.png"), 40, 30));
    const std::pair<int, int> sizes[] = {{1, 1}, {1, 100000}, {100000, 1}};
    for (const auto& [w, h] : sizes) {
        const QString out = TempPath(QString("o_%1x%2.png").arg(w).arg(h));
        SetText(1003, out);
        SetText(1005, QString::number(w));
        SetText(1006, QString::number(h));
        Click(1000);
        ASSERT_TRUE(QFile::exists(out)) << w << "x" << h;
        const Decoded d = DecodeFile(out);
        EXPECT_EQ(d.width, w);
        EXPECT_EQ(d.height, h);
        if (const auto ok = PngCheckAccepts(out)) {
            EXPECT_TRUE(*ok) << w << "x" << h;
        }
    }
    EXPECT_TRUE((*prompts_)->Messages().empty());
}
