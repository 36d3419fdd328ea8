#include "lang/ResourceNames.h"

#include <cstring>

#include "res/ResourceIds.h"

#define ROW(name) ResourceName{#name, name}

const std::array<ResourceName, kResourceNameCount> g_ResourceNames{{
    ROW(IDC_BUTTON_OPEN_PHOTO),
    ROW(IDC_STATIC_OUTPUT_WIDTH),
    ROW(IDS_LANGUAGE),
    ROW(IDD_PROGRAM_PNG_CAPTION),
    ROW(IDR_MENU_LANGUAGE_POPUP),
    ROW(IDM_ABOUT),
    ROW(IDM_SELECT_LANGUAGE),
    ROW(IDM_POPUPMENU_FONT),
    ROW(IDC_STATIC_OUTPUT_HEIGHT),
    ROW(IDC_STATIC_KEEP_RATIO_CALCULATOR),
    ROW(IDC_BUTTON_BASE_WIDTH),
    ROW(IDC_BUTTON_BASE_HEIGHT),
    ROW(IDC_STATIC_GROUP_ROTATE),
    ROW(IDC_STATIC_FLIP),
    ROW(IDC_RADIO_FLIP_NO),
    ROW(IDC_RADIO_FLIP_HORIZONTAL),
    ROW(IDC_RADIO_FLIP_VERTICAL),
    ROW(IDC_BUTTON_OUTPUT_FILE_BROWSE),
    ROW(IDC_BUTTON_CONVERT),
    ROW(IDC_BUTTON_HOMEPAGE),
    ROW(IDC_BUTTON_HELP),
    ROW(IDC_BUTTON_EXIT),
    ROW(IDC_STATIC_OUTPUT_FILENAME),
    ROW(IDC_STATIC_ADD_TEXT),
    ROW(IDC_STATIC_TEXT_POSITION),
    ROW(IDC_BUTTON_FONT),
    ROW(IDS_MESSAGE_ERROR),
    ROW(IDS_MESSAGE_WARNING),
    ROW(IDS_MESSAGE_UNKNOWN_ERROR),
    ROW(IDS_STRING108),
    ROW(IDS_STRING111),
    ROW(IDS_STRING112),
    ROW(IDS_STRING115),
    ROW(IDS_STRING118),
    ROW(IDS_STRING120),
    ROW(IDS_STRING121),
    ROW(IDS_STRING122),
    ROW(IDS_STRING123),
    ROW(IDS_STRING124),
    ROW(IDS_STRING126),
    ROW(IDS_STRING127),
    ROW(IDS_STRING128),
    ROW(IDS_STRING129),
    ROW(IDS_STRING130),
    ROW(IDS_STRING131),
}};

#undef ROW

TextSection SectionOf(const ResourceName& row)
{
    if (std::strncmp(row.pszName, "IDS", 3) == 0)
        return TextSection::String;
    if (std::strncmp(row.pszName, "IDM", 3) == 0 || std::strncmp(row.pszName, "IDR", 3) == 0)
        return TextSection::Menu;
    return TextSection::Dialog;
}

const char* SectionName(TextSection section)
{
    switch (section) {
    case TextSection::Dialog: return "DIALOG";
    case TextSection::Menu: return "MENU";
    case TextSection::String: return "STRING";
    }
    return "";
}
