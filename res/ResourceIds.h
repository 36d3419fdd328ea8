#pragma once
// Identifiers of the program's resources: dialogs, controls, menu commands, menus and strings.

// Dialogs
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDD_PROGRAM_PNG_CAPTION = 102;

// Icon and menu
constexpr int IDR_MAINFRAME = 128;
constexpr int IDR_MENU_LANGUAGE_POPUP = 129;

// Controls of the main dialog
constexpr int IDC_BUTTON_CONVERT = 1000;
constexpr int IDC_BUTTON_OPEN_PHOTO = 1001;
constexpr int IDC_STATIC_PREVIEW = 1002;
constexpr int IDC_EDIT_OUTPUT_FILE = 1003;
constexpr int IDC_BUTTON_OUTPUT_FILE_BROWSE = 1004;
constexpr int IDC_EDIT_OUTPUT_WIDTH = 1005;
constexpr int IDC_EDIT_OUTPUT_HEIGHT = 1006;
constexpr int IDC_STATIC_OUTPUT_WIDTH = 1007;
constexpr int IDC_STATIC_OUTPUT_HEIGHT = 1008;
constexpr int IDC_STATIC_PHOTO_INFO = 1009;
constexpr int IDC_STATIC_KEEP_RATIO_CALCULATOR = 1010;
constexpr int IDC_BUTTON_BASE_WIDTH = 1011;
constexpr int IDC_BUTTON_BASE_HEIGHT = 1012;
constexpr int IDC_STATIC_GROUP_ROTATE = 1017;
constexpr int IDC_RADIO_ROTATE_0 = 1018;
constexpr int IDC_RADIO_ROTATE_90 = 1019;
constexpr int IDC_RADIO_ROTATE_180 = 1020;
constexpr int IDC_RADIO_ROTATE_270 = 1021;
constexpr int IDC_STATIC_FLIP = 1022;
constexpr int IDC_RADIO_FLIP_NO = 1023;
constexpr int IDC_RADIO_FLIP_HORIZONTAL = 1024;
constexpr int IDC_RADIO_FLIP_VERTICAL = 1025;
constexpr int IDC_BUTTON_HOMEPAGE = 1033;
constexpr int IDC_BUTTON_HELP = 1034;
constexpr int IDC_BUTTON_EXIT = 1037;
constexpr int IDC_STATIC_OUTPUT_FILENAME = 1038;
constexpr int IDC_COMBO_FRAME_DIMENSION = 1039;
constexpr int IDC_STATIC_FRAME_RANGE = 1040;
constexpr int IDC_EDIT_FRAME_NUMBER = 1041;
constexpr int IDC_BUTTON_FONT = 1042;
constexpr int IDC_EDIT_TEXT_X = 1043;
constexpr int IDC_EDIT_TEXT_Y = 1044;
constexpr int IDC_EDIT_TEXT = 1045;
constexpr int IDC_STATIC_ADD_TEXT = 1046;
constexpr int IDC_STATIC_TEXT_POSITION = 1047;
constexpr int IDC_STATIC_FONT_NAME = 1048;

// The about box's OK button
constexpr int IDOK_BUTTON = 1;

// Menu commands
constexpr int IDM_ABOUTBOX = 0x10;  // system-menu item
constexpr int IDM_ABOUT = 32771;
constexpr int IDM_POPUPMENU_FONT = 32772;
constexpr int IDM_CONVERT_SEVERAL = 32773;
constexpr int IDM_KEEP_PHOTO_DETAILS = 32774;
constexpr int IDM_SELECT_LANGUAGE = IDR_MENU_LANGUAGE_POPUP * 65536 + 0;  // the "Language" submenu
constexpr int ID_LANGUAGE_FIRST = 45400;
constexpr int ID_LANGUAGE_LAST = 46399;

// Strings
constexpr int IDS_ABOUTBOX = 101;
constexpr int IDS_LANGUAGE = 102;
constexpr int IDS_MESSAGE_ERROR = 105;
constexpr int IDS_STRING108 = 108;
constexpr int IDS_MESSAGE_UNKNOWN_ERROR = 109;
constexpr int IDS_STRING111 = 111;
constexpr int IDS_STRING112 = 112;
constexpr int IDS_STRING113 = 113;
constexpr int IDS_STRING114 = 114;
constexpr int IDS_STRING115 = 115;
constexpr int IDS_STRING116 = 116;
constexpr int IDS_STRING117 = 117;
constexpr int IDS_STRING118 = 118;
constexpr int IDS_MESSAGE_WARNING = 119;
constexpr int IDS_STRING120 = 120;
constexpr int IDS_STRING121 = 121;
constexpr int IDS_STRING122 = 122;
constexpr int IDS_STRING123 = 123;
constexpr int IDS_STRING124 = 124;
constexpr int IDS_STRING126 = 126;
constexpr int IDS_STRING127 = 127;
constexpr int IDS_STRING128 = 128;
constexpr int IDS_STRING129 = 129;
constexpr int IDS_STRING130 = 130;
constexpr int IDS_STRING131 = 131;
