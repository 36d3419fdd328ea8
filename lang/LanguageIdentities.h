#pragma once
#include <array>

// One Windows language: its identifier (primary language in bits 0-9, sublanguage in bits 10-15),
// its ANSI code page (0 where it has none), its name and its three-letter abbreviation.
struct LanguageIdentity {
    int nLangID;
    int nCodePage;
    const char16_t* szName;
    const char16_t* szAbbrev;
};

inline constexpr std::size_t kLanguageIdentityCount = 273;

// Every language a language file may be named after, in the published order. Generated at
// build time from language-identities.csv beside this file.
extern const std::array<LanguageIdentity, kLanguageIdentityCount> g_LanguageIdentities;
