#pragma once
#include <array>

// The three sections of a language file, each filling one text store.
enum class TextSection { Dialog, Menu, String };

// A translatable text: its key in the language file and its resource identifier.
struct ResourceName {
    const char* pszName;
    int nID;
};

inline constexpr std::size_t kResourceNameCount = 45;

// Every translatable text, in the order the language loader reads them.
extern const std::array<ResourceName, kResourceNameCount> g_ResourceNames;

// The section a key lies in, by its first three letters: IDD and IDC in DIALOG, IDM and IDR in
// MENU, IDS in STRING.
TextSection SectionOf(const ResourceName& row);
// The section's name as written in a language file.
const char* SectionName(TextSection section);
