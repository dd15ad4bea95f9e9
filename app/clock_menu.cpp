#include "app/clock_menu.h"

namespace {

UINT CheckedIf(bool on) {
    return MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED);
}

}  // namespace

ClockMenu::ClockMenu(HINSTANCE instance, int menuId)
    : menu(LoadMenuA(instance, MAKEINTRESOURCEA(menuId))) {}

void ClockMenu::Mark(HMENU popup, const MenuChoices& choices) const {
    for (const MenuItem& item : MenuItems()) {
        // Item by item: unchecked, the rest of a radio group are left as CheckMenuRadioItem
        // over the whole group would leave them, bullet-shaped for when they are chosen.
        if (item.mark == MenuMark::Radio && item.marked(choices))
            CheckMenuRadioItem(popup, item.command, item.command, item.command, MF_BYCOMMAND);
        else
            CheckMenuItem(popup, item.command, CheckedIf(item.marked(choices)));
    }
}

void ClockMenu::Enable(int command, bool on) const {
    EnableMenuItem(menu.get(), command, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

void ClockMenu::Open(HWND owner, Point at, const MenuChoices& choices, bool fromOutside) const {
    const HMENU popup = GetSubMenu(menu.get(), 0);  // owned by menu
    Mark(popup, choices);
    const HWND previous = fromOutside ? GetForegroundWindow() : nullptr;
    if (fromOutside)
        SetForegroundWindow(owner);
    // The command is carried out before the foreground goes back, so that a dialog it opens
    // comes up in front.
    const int command = static_cast<int>(
        TrackPopupMenu(popup, TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, owner, nullptr));
    if (command)
        SendMessageA(owner, WM_COMMAND, command, 0);
    if (!fromOutside)
        return;
    // Makes the switch away from the menu's window take effect, so that the next opening from
    // outside is not dismissed at once.
    PostMessageA(owner, WM_NULL, 0, 0);
    // The window the user was in gets the foreground back, unless they went elsewhere: a clock
    // left in the foreground would take their next Enter or Escape for its own, and end.
    if (GetForegroundWindow() == owner && previous != owner && IsWindow(previous))
        SetForegroundWindow(previous);
}
