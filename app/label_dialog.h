#pragma once
// The label of a clock, to be edited.

#include <string>

#include "win/dialog.h"

class LabelDialog : public Dialog {
public:
    static constexpr int kMaxLength = 64;  // UTF-16 units, as the edit box counts them

    // Offers `current` for editing; a longer one is cut to kMaxLength when kept.
    LabelDialog(HINSTANCE instance, HWND owner, std::string current);

    // After IDOK: the label as edited.
    std::string label;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    HWND labelEdit = nullptr;  // the dialog's edit box, destroyed with it
};
