#pragma once
// The clock's popup menu: loaded once, its marks set afresh from the choices each time it
// opens, and the command chosen handed back.

#include <windows.h>

#include "base/geometry.h"
#include "model/menu_table.h"
#include "win/unique_handle.h"

class ClockMenu {
public:
    // The menu resource `menuId` of `instance`, whose first submenu pops up.
    ClockMenu(HINSTANCE instance, int menuId);

    // Opens the menu for `owner` at the screen point `at`, marked as `choices` have it, and
    // sends the command chosen to `owner`. Opened from outside the clock (its icon, another
    // start), the owner takes the foreground while the menu is open, so that the menu closes when
    // the user clicks elsewhere, and gives it back when the menu closes.
    void Open(HWND owner, Point at, const MenuChoices& choices, bool fromOutside) const;
    // Offers the item of `command` or greys it.
    void Enable(int command, bool on) const;

private:
    void Mark(HMENU menu, const MenuChoices& choices) const;

    UniqueMenu menu;
};
