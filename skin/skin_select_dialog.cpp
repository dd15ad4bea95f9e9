#include "skin/skin_select_dialog.h"

#include <utility>

#include "res/resource.h"
#include "skin/skin_files.h"
#include "win/unique_handle.h"

namespace {

// A skin folder holds config.ini, as a file or (oddly, but it counts) as a folder.
bool HoldsConfig(const std::string& folder) {
    WIN32_FIND_DATAA found{};
    return static_cast<bool>(UniqueFind(FindFirstFileA(SkinConfigPath(folder).c_str(), &found)));
}

}  // namespace

SkinSelectDialog::SkinSelectDialog(HINSTANCE instance, HWND owner, std::string current)
    : Dialog(IDD_SKIN_SELECT, instance, owner), selectedSkin(std::move(current)) {}

bool SkinSelectDialog::OnInitDialog() {
    skinList = GetDlgItem(Handle(), IDC_SKIN_LIST);
    AddSkinFolders();
    return true;
}

void SkinSelectDialog::AddSkinFolders() {
    WIN32_FIND_DATAA entry{};
    const UniqueFind search(FindFirstFileA("*.*", &entry));
    if (!search)
        return;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == ".." || !(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
            !HoldsConfig(name))
            continue;
        // The list sorts itself; a selection made now follows its entry as others are added.
        const LRESULT index =
            SendMessageA(skinList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        if (index >= 0 && name == selectedSkin)
            SendMessageA(skinList, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    } while (FindNextFileA(search.get(), &entry));
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
        index == LB_ERR ? LB_ERR : SendMessageA(skinList, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) {
        EndDialog(IDCANCEL);
        return;
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(
        SendMessageA(skinList, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()))));
    selectedSkin = text;
    EndDialog(IDOK);
}
