#pragma once
#include <QString>
#include <vector>

namespace platform {

// The kinds of control a dialog template can hold.
enum class ControlKind {
    PushButton,
    DefaultPushButton,
    Edit,
    Label,
    GroupBox,
    RadioButton,
    ComboBoxDropList,
    BlackRect,
    Icon,
};

// Style bits a control may carry.
enum ControlStyle : unsigned {
    StyleNone = 0,
    StyleTabStop = 1u << 0,
    StyleGroup = 1u << 1,
    StyleBorder = 1u << 2,
    StyleAutoHScroll = 1u << 3,
    StyleVScroll = 1u << 4,
};

// One control: identifier (-1 for none), kind, text and rectangle in dialog units.
struct ControlTemplate {
    int id;
    ControlKind kind;
    QString text;
    int x, y, cx, cy;
    unsigned style;
};

// A dialog laid out in dialog units; the order of controls is the tab order.
struct DialogTemplate {
    int id;
    QString caption;
    int cx, cy;
    QString fontFace;
    int fontPoints;
    std::vector<ControlTemplate> controls;
};

}  // namespace platform
