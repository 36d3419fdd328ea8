#pragma once
#include <QString>
#include <vector>

namespace platform {

// One item of a menu resource: a command (id, text), a separator, or a submenu with children.
struct MenuItemTemplate {
    enum class Kind { Command, Separator, Submenu };
    Kind kind;
    int id;  // command identifier; 0 for a placeholder, unused for submenus
    QString text;
    std::vector<MenuItemTemplate> children;
};

struct MenuTemplate {
    int id;
    std::vector<MenuItemTemplate> items;  // top-level items
};

}  // namespace platform
