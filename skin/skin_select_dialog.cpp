#include "skin/skin_select_dialog.h"

#include <utility>

#include "res/resource.h"
#include "win/wide_text.h"

SkinSelectDialog::SkinSelectDialog(HINSTANCE instance, HWND owner, std::string current,
                                   std::vector<std::string> names)
    : Dialog(IDD_SKIN_SELECT, instance, owner),
      selectedSkin(std::move(current)),
      names(std::move(names)) {}

bool SkinSelectDialog::OnInitDialog() {
    skinList = GetDlgItem(Handle(), IDC_SKIN_LIST);
    for (const std::string& name : names) {
        // The list sorts itself; a selection made now follows its entry as others are added. The
        // names go in and come out in UTF-16: they are folder names, which the ANSI code page
        // may not spell.
        const LRESULT index =
            SendMessageW(skinList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(name).c_str()));
        if (index >= 0 && name == selectedSkin)
            SendMessageA(skinList, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    return true;
}

bool SkinSelectDialog::OnCommand(int id, int notifyCode, HWND control) {
    if (id == IDC_SKIN_LIST && notifyCode == LBN_DBLCLK) {
        OnOK();  // the first click already selected the entry
        return true;
    }
    return Dialog::OnCommand(id, notifyCode, control);
}

// With nothing selected there is nothing to choose, so OK means Cancel.
void SkinSelectDialog::OnOK() {
    const LRESULT index = SendMessageA(skinList, LB_GETCURSEL, 0, 0);
    const LRESULT length =
        index == LB_ERR ? LB_ERR : SendMessageW(skinList, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) {
        EndDialog(IDCANCEL);
        return;
    }
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(
        SendMessageW(skinList, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()))));
    selectedSkin = Narrow(text);
    EndDialog(IDOK);
}
