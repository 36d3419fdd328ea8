#pragma once
#include <memory>

#include <QMenu>

#include "services/MenuTemplate.h"

namespace platform {

// A menu resource as a QMenu whose items are the resource's top-level items (each a submenu).
// Every command item carries its identifier.
std::unique_ptr<QMenu> LoadMenu(const MenuTemplate& resource, QWidget* parent = nullptr);

// An item's identifier as the menu reports it: -1 for a submenu, 0 for a separator, else its
// command identifier.
int GetMenuItemID(const QAction& item);

}  // namespace platform
