#include "app/label_dialog.h"

#include <iterator>
#include <utility>

#include "res/resource.h"
#include "win/wide_text.h"

LabelDialog::LabelDialog(HINSTANCE instance, HWND owner, std::string current)
    : Dialog(IDD_LABEL, instance, owner), label(std::move(current)) {}

bool LabelDialog::OnInitDialog() {
    labelEdit = GetDlgItem(Handle(), IDC_LABEL_TEXT);
    SendMessageW(labelEdit, EM_LIMITTEXT, kMaxLength, 0);
    // In UTF-16: a label may be in any script.
    SetWindowTextW(labelEdit, Widen(label).c_str());
    // The dialog manager selects the whole text as it gives the edit box the focus, so typing
    // replaces the label: most often the user writes a new one.
    return true;
}

void LabelDialog::OnOK() {
    wchar_t text[kMaxLength + 1] = {};
    GetWindowTextW(labelEdit, text, static_cast<int>(std::size(text)));
    label = Narrow(text);
    EndDialog(IDOK);
}
