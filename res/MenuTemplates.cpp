#include "res/MenuTemplates.h"

#include "res/ResourceIds.h"

using Item = platform::MenuItemTemplate;

const platform::MenuTemplate& LanguagePopupMenuTemplate()
{
    static const platform::MenuTemplate menu{
        IDR_MENU_LANGUAGE_POPUP,
        {Item{Item::Kind::Submenu, 0, "PopupMenu",
              {
                  Item{Item::Kind::Submenu, 0, "Language", {Item{Item::Kind::Command, 0, "", {}}}},
                  Item{Item::Kind::Command, IDM_POPUPMENU_FONT, "Font", {}},
                  Item{Item::Kind::Command, IDM_ABOUT, "About", {}},
              }}}};
    return menu;
}
