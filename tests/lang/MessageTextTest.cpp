// Message texts: the language's text over the built-in one, and safe formatting.
#include <gtest/gtest.h>

#include "support/CLanguageProbe.h"

#include "lang/CLanguage.h"
#include "lang/FormatText.h"

TEST(GetString, BuiltInTextsBehindTheLanguage)
{
    CLanguage language;
    EXPECT_EQ(language.GetString(108), "Please open a photo file first!");
    EXPECT_EQ(language.GetString(112), "The output hight is invalid!");
    EXPECT_EQ(language.GetString(999), "");
    CLanguageProbe::StringTexts(language) = {{108, ""}, {105, "Fehler"}, {105, "second"}};
    EXPECT_EQ(language.GetString(108), "Please open a photo file first!") << "an empty text keeps the built-in one";
    EXPECT_EQ(language.GetString(105), "Fehler") << "the first entry wins";
    EXPECT_EQ(language.GetString(113), "Failed to SetResolution!");
}

TEST(FormatText, FillsOnlyKnownPlaceholdersInOrder)
{
    EXPECT_EQ(FormatText("%s exists. Do you want to replace it?", {QString("/a b/c.png")}),
              "/a b/c.png exists. Do you want to replace it?");
    EXPECT_EQ(FormatText("Set frame from 0 to %d", {9}), "Set frame from 0 to 9");
    EXPECT_EQ(FormatText("%s %d * %d", {QString("x.jpg"), 1024, 768}), "x.jpg 1024 * 768");
    // Texts from language files cannot read memory or crash.
    EXPECT_EQ(FormatText("%s %s %n %x %p", {QString("only")}), "only %s %n %x %p");
    EXPECT_EQ(FormatText("100%% sure %d%", {5}), "100% sure 5%");
    EXPECT_EQ(FormatText("no placeholder", {QString("dropped")}), "no placeholder");
    EXPECT_EQ(FormatText("%d", {QString("text in a number's place")}), "text in a number's place");
}
