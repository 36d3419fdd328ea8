#include "app/window/AccessibleNames.h"

#include "res/ResourceIds.h"

const std::array<EditLabel, 7> kEditLabels{{
    {IDC_EDIT_OUTPUT_WIDTH, IDC_STATIC_OUTPUT_WIDTH, ""},
    {IDC_EDIT_OUTPUT_HEIGHT, IDC_STATIC_OUTPUT_HEIGHT, ""},
    {IDC_EDIT_OUTPUT_FILE, IDC_STATIC_OUTPUT_FILENAME, ""},
    {IDC_EDIT_TEXT, IDC_STATIC_ADD_TEXT, ""},
    {IDC_EDIT_TEXT_X, IDC_STATIC_TEXT_POSITION, "x"},
    {IDC_EDIT_TEXT_Y, IDC_STATIC_TEXT_POSITION, "y"},
    {IDC_EDIT_FRAME_NUMBER, IDC_STATIC_FRAME_RANGE, ""},
}};

QString AccessibleNameFor(const QString& labelText, const char* part)
{
    QString name = labelText;
    name.remove(QLatin1Char('&'));
    if (*part)
        name += QLatin1Char(' ') + QLatin1String(part);
    return name.trimmed();
}
