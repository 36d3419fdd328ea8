#include "res/StringTable.h"

#include <array>
#include <utility>

#include "res/ResourceIds.h"

namespace {
struct StringRow {
    int id;
    const char* text;
};

constexpr std::array kStrings{
    StringRow{IDS_ABOUTBOX, "&About Pictorelle"},
    StringRow{IDS_LANGUAGE, "English"},
    StringRow{IDS_MESSAGE_ERROR, "Error"},
    StringRow{IDS_STRING108, "Please open a photo file first!"},
    StringRow{IDS_MESSAGE_UNKNOWN_ERROR, "Unknown error"},
    StringRow{IDS_STRING111, "The output width is invalid!"},
    StringRow{IDS_STRING112, "The output hight is invalid!"},
    StringRow{IDS_STRING113, "Failed to SetResolution!"},
    StringRow{IDS_STRING114, "Failed to SetInterpolationMode!"},
    StringRow{IDS_STRING115, "Failed to convert photo!"},
    StringRow{IDS_STRING116, "Unknown rotate angle!"},
    StringRow{IDS_STRING117, "Failed to rotate and flip photo!"},
    StringRow{IDS_STRING118, "Failed to save the file!"},
    StringRow{IDS_MESSAGE_WARNING, "Warning"},
    StringRow{IDS_STRING120, "%s exists. Do you want to replace it?"},
    StringRow{IDS_STRING121, "The frame number is invalid. Please enter again!"},
    StringRow{IDS_STRING122, "Set frame from 0 to %d"},
    StringRow{IDS_STRING123, "The text position X is out of range!"},
    StringRow{IDS_STRING124, "The text position Y is out of range!"},
    StringRow{IDS_STRING126, "Can not get the width of the photo!"},
    StringRow{IDS_STRING127, "Can not get the height of the photo!"},
    StringRow{IDS_STRING128,
              "The text position X is bigger than the photo width!, The program set it to 0 now."},
    StringRow{IDS_STRING129,
              "The text position Y is bigger than the photo height!, The program set it to 0 now."},
    StringRow{IDS_STRING130, "The text position X is out of range! The program set it to 0 now."},
    StringRow{IDS_STRING131, "The text position Y is out of range! The program set it to 0 now."},
};
}  // namespace

QString LoadResourceString(int id)
{
    for (const auto& row : kStrings) {
        if (row.id == id)
            return QString::fromUtf8(row.text);
    }
    return {};
}
