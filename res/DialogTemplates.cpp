#include "res/DialogTemplates.h"

#include "res/ResourceIds.h"

using platform::ControlKind;
using platform::DialogTemplate;

namespace {
constexpr unsigned kButton = platform::StyleTabStop;
constexpr unsigned kEdit = platform::StyleBorder | platform::StyleTabStop | platform::StyleAutoHScroll;
constexpr unsigned kLabel = platform::StyleGroup;
constexpr unsigned kNone = platform::StyleNone;
constexpr unsigned kRadioFirst = platform::StyleGroup;
constexpr int kNoId = -1;
}  // namespace

const DialogTemplate& MainDialogTemplate()
{
    static const DialogTemplate t{
        IDD_PROGRAM_PNG_CAPTION, "Pictorelle", 378, 273, "MS Shell Dlg", 8,
        {
            {IDC_BUTTON_OPEN_PHOTO, ControlKind::PushButton, "Open Photo", 7, 7, 66, 14, kButton},
            {IDC_BUTTON_EXIT, ControlKind::PushButton, "Exit", 305, 247, 66, 16, kButton},
            {IDC_BUTTON_CONVERT, ControlKind::PushButton, "Convert", 7, 247, 68, 16, kButton},
            {IDC_STATIC_PREVIEW, ControlKind::BlackRect, "", 259, 7, 112, 77, kNone},
            {IDC_EDIT_OUTPUT_FILE, ControlKind::Edit, "", 7, 224, 291, 14, kEdit},
            {IDC_BUTTON_OUTPUT_FILE_BROWSE, ControlKind::PushButton, "Browse", 300, 224, 71, 14, kButton},
            {IDC_EDIT_OUTPUT_WIDTH, ControlKind::Edit, "", 75, 36, 48, 16, kEdit},
            {IDC_EDIT_OUTPUT_HEIGHT, ControlKind::Edit, "", 75, 58, 48, 14, kEdit},
            {IDC_STATIC_OUTPUT_WIDTH, ControlKind::Label, "Output Width:", 7, 40, 65, 8, kLabel},
            {IDC_STATIC_OUTPUT_HEIGHT, ControlKind::Label, "Output Height:", 7, 59, 65, 8, kLabel},
            {IDC_STATIC_PHOTO_INFO, ControlKind::Label, "", 79, 8, 154, 14, kLabel},
            {IDC_STATIC_KEEP_RATIO_CALCULATOR, ControlKind::GroupBox, "Keeping aspect ratio calculator", 127, 25, 132, 56, kNone},
            {IDC_BUTTON_BASE_WIDTH, ControlKind::PushButton, "Enter width, get height", 131, 37, 126, 14, kButton},
            {IDC_BUTTON_BASE_HEIGHT, ControlKind::PushButton, "Enter height, get width", 131, 58, 126, 14, kButton},
            {IDC_STATIC_GROUP_ROTATE, ControlKind::GroupBox, "Rotate by angle", 7, 96, 86, 68, kNone},
            {IDC_RADIO_ROTATE_0, ControlKind::RadioButton, "0", 28, 107, 20, 10, kRadioFirst},
            {IDC_RADIO_ROTATE_90, ControlKind::RadioButton, "90", 28, 120, 24, 10, kNone},
            {IDC_RADIO_ROTATE_180, ControlKind::RadioButton, "180", 28, 133, 28, 10, kNone},
            {IDC_RADIO_ROTATE_270, ControlKind::RadioButton, "270", 28, 146, 28, 10, kNone},
            {IDC_STATIC_FLIP, ControlKind::GroupBox, "Flip", 111, 96, 120, 68, kNone},
            {IDC_RADIO_FLIP_NO, ControlKind::RadioButton, "No flip", 122, 111, 102, 10, kRadioFirst},
            {IDC_RADIO_FLIP_HORIZONTAL, ControlKind::RadioButton, "Flip horizontal", 122, 129, 103, 10, kNone},
            {IDC_RADIO_FLIP_VERTICAL, ControlKind::RadioButton, "Flip vertical", 122, 147, 103, 10, kNone},
            {IDC_BUTTON_HOMEPAGE, ControlKind::PushButton, "Homepage", 157, 247, 66, 16, kButton},
            {IDC_BUTTON_HELP, ControlKind::PushButton, "Help", 83, 247, 66, 16, kButton},
            {IDC_STATIC_OUTPUT_FILENAME, ControlKind::Label, "Output file:", 7, 209, 118, 8, kLabel},
            {IDC_COMBO_FRAME_DIMENSION, ControlKind::ComboBoxDropList, "", 250, 100, 121, 64,
             platform::StyleVScroll | platform::StyleTabStop},
            {IDC_STATIC_FRAME_RANGE, ControlKind::Label, "", 249, 124, 122, 8, kLabel},
            {IDC_EDIT_FRAME_NUMBER, ControlKind::Edit, "", 250, 144, 40, 14, kEdit},
            {IDC_BUTTON_FONT, ControlKind::PushButton, "Font", 323, 186, 48, 14, kButton},
            {IDC_EDIT_TEXT_X, ControlKind::Edit, "", 256, 186, 28, 14, kEdit},
            {IDC_EDIT_TEXT_Y, ControlKind::Edit, "", 290, 186, 28, 14, kEdit},
            {IDC_EDIT_TEXT, ControlKind::Edit, "", 8, 186, 241, 15, kEdit},
            {IDC_STATIC_ADD_TEXT, ControlKind::Label, "Add text to photo:", 7, 171, 240, 10, kLabel},
            {IDC_STATIC_TEXT_POSITION, ControlKind::Label, "Position x, y:", 257, 171, 61, 10, kLabel},
            {IDC_STATIC_FONT_NAME, ControlKind::Label, "", 326, 171, 44, 10, kLabel},
        }};
    return t;
}

const DialogTemplate& AboutDialogTemplate()
{
    static const DialogTemplate t{
        IDD_ABOUTBOX, "About Pictorelle", 269, 110, "MS Shell Dlg", 8,
        {
            {kNoId, ControlKind::Icon, "", 11, 17, 20, 20, kNone},
            {kNoId, ControlKind::Label, "Pictorelle Version 1.1", 40, 10, 222, 12, kNone},
            {kNoId, ControlKind::Label, "Copyright (C) 2026 the Pictorelle developers", 40, 30, 222, 12, kNone},
            {IDOK_BUTTON, ControlKind::DefaultPushButton, "OK", 102, 87, 50, 16, kButton},
            {kNoId, ControlKind::Label, "Support: https://pictorelle.example.org/support", 40, 50, 222, 8, kNone},
        }};
    return t;
}
