#include "widgets/MenuFromTemplate.h"

namespace platform {
namespace {

void AddItems(QMenu& menu, const std::vector<MenuItemTemplate>& items)
{
    for (const MenuItemTemplate& item : items) {
        switch (item.kind) {
        case MenuItemTemplate::Kind::Separator: menu.addSeparator(); break;
        case MenuItemTemplate::Kind::Submenu: AddItems(*menu.addMenu(item.text), item.children); break;
        case MenuItemTemplate::Kind::Command: menu.addAction(item.text)->setData(item.id); break;
        }
    }
}

}  // namespace

std::unique_ptr<QMenu> LoadMenu(const MenuTemplate& resource, QWidget* parent)
{
    auto menu = std::make_unique<QMenu>(parent);
    AddItems(*menu, resource.items);
    return menu;
}

int GetMenuItemID(const QAction& item)
{
    if (item.menu())
        return -1;
    if (item.isSeparator())
        return 0;
    return item.data().toInt();
}

}  // namespace platform
