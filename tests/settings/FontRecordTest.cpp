// The font record: its thirteen stored keys, and what it means as a font to draw with.
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QSettings>
#include <gtest/gtest.h>

#include "support/SettingsStoreProbe.h"

#include "services/SettingsStore.h"
#include "settings/FontRecordConversion.h"
#include "settings/FontRecordStore.h"
#include "support/Fixtures.h"

using platform::SettingsStore;

TEST(FontRecordStore, RoundTripsEveryStoredFieldButQuality)
{
    LOGFONTW f;
    f.lfHeight = -13;
    f.lfWidth = 7;
    f.lfEscapement = 900;
    f.lfOrientation = -900;
    f.lfWeight = 700;
    f.lfItalic = 1;
    f.lfUnderline = 1;
    f.lfStrikeOut = 1;
    f.lfCharSet = 204;
    f.lfOutPrecision = 3;
    f.lfClipPrecision = 2;
    f.lfQuality = 5;
    f.lfPitchAndFamily = 34;
    f.lfFaceName = "DejaVu Serif";
    SaveFontRecord("CurrentFont", f);
    SettingsStore::Save();
    EXPECT_EQ(QSettings(SettingsStoreProbe::FileName(), QSettings::IniFormat).value("CurrentFont/lfHeight").toString(), "-13");
    EXPECT_EQ(QSettings(SettingsStoreProbe::FileName(), QSettings::IniFormat).value("CurrentFont/lfQuality"), QVariant())
        << "the quality is never stored";

    LOGFONTW expected = f;
    expected.lfQuality = 0;
    EXPECT_EQ(LoadFontRecord("CurrentFont", OverlayFontDefaults()), expected);
}

TEST(FontRecordStore, DefaultsAndWhatAnotherToolWrote)
{
    EXPECT_EQ(LoadFontRecord("CurrentFont", OverlayFontDefaults()), OverlayFontDefaults());
    const LOGFONTW ui = LoadFontRecord("english", InterfaceFontDefaults());
    EXPECT_EQ(ui.lfHeight, -11);
    EXPECT_EQ(ui.lfFaceName, "Microsoft Sans Serif");

    // Other letter case, negative values as unsigned 32-bit numbers, bytes wider than a byte,
    // values that are no numbers or wider than 32 bits, and a face name far too long.
    QDir().mkpath(QFileInfo(SettingsStoreProbe::FileName()).path());
    WriteAll(SettingsStoreProbe::FileName(), "[currentfont]\nLFHEIGHT=4294967283\nlfweight=4294966296\nlfCharSet=460\n"
                                        "lfItalic=x\nlfWidth=99999999999\nlfFaceName=" +
                                            QByteArray(10000, 'A') + "\n");
    SettingsStoreProbe::Reload();  // as at the next start
    const LOGFONTW read = LoadFontRecord("CurrentFont", OverlayFontDefaults());
    EXPECT_EQ(read.lfHeight, -13);
    EXPECT_EQ(read.lfWeight, -1000);
    EXPECT_EQ(read.lfCharSet, 204) << "the low 8 bits";
    EXPECT_EQ(read.lfItalic, 0);
    EXPECT_EQ(read.lfWidth, 0);
    EXPECT_EQ(read.lfFaceName, QString(31, 'A'));
}

TEST(FontRecordConversion, SizesWeightsAndStyles)
{
    LOGFONTW f = OverlayFontDefaults();
    f.lfFaceName = "DejaVu Sans";
    EXPECT_EQ(FontFromRecord(f).pixelSize(), 13) << "a negative height is the em height";

    // A positive height is the cell: the em is smaller by the internal leading.
    f.lfHeight = 40;
    const QFont cell = FontFromRecord(f);
    const QFontMetricsF metrics(cell);
    EXPECT_LT(cell.pixelSize(), 40);
    EXPECT_NEAR(metrics.ascent() + metrics.descent(), 40, 1.5);

    const struct {
        int height, weight;
        int pixelsAtMost;
        QFont::Weight expectedWeight;
    } extremes[] = {{0, 400, 100, QFont::Normal},
                    {-100000, 5000, kMaxFontPixels, QFont::Weight(1000)},
                    {100000, -3, kMaxFontPixels, QFont::Normal},
                    {INT32_MIN, 0, kMaxFontPixels, QFont::Normal}};
    for (const auto& e : extremes) {
        f.lfHeight = e.height;
        f.lfWeight = e.weight;
        const QFont font = FontFromRecord(f);
        EXPECT_GT(QFontInfo(font).pixelSize(), 0) << e.height;
        EXPECT_LE(QFontInfo(font).pixelSize(), e.pixelsAtMost) << e.height;
        EXPECT_EQ(font.weight(), e.expectedWeight) << e.weight;
    }

    f = OverlayFontDefaults();
    f.lfFaceName = "DejaVu Serif";
    f.lfWeight = 700;
    f.lfItalic = 1;
    f.lfUnderline = 1;
    f.lfStrikeOut = 1;
    f.lfEscapement = 900;  // stored only: the line is not turned
    const QFont styled = FontFromRecord(f);
    EXPECT_TRUE(styled.bold() && styled.italic() && styled.underline() && styled.strikeOut());

    const LOGFONTW back = RecordFromFont(styled);
    EXPECT_EQ(back.lfHeight, -13);
    EXPECT_EQ(back.lfWeight, 700);
    EXPECT_EQ(back.lfItalic, 1);
    EXPECT_EQ(back.lfUnderline, 1);
    EXPECT_EQ(back.lfStrikeOut, 1);
    EXPECT_EQ(back.lfEscapement, 0);
    EXPECT_EQ(back.lfFaceName, "DejaVu Serif");
}

TEST(FontRecordConversion, ColourIsRedGreenBlueFromTheLowBytes)
{
    EXPECT_EQ(ColourFromColorref(0x000000FF), QColor(255, 0, 0));
    EXPECT_EQ(ColourFromColorref(0xFF00FF00), QColor(0, 255, 0)) << "bits 24-31 are not used";
    EXPECT_EQ(ColourFromColorref(0x00804020), QColor(0x20, 0x40, 0x80));
    EXPECT_EQ(ColorrefFromColour(QColor(0x20, 0x40, 0x80)), 0x00804020u);
}
