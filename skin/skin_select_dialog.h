#pragma once
// The skin chooser: a list of skins to pick one from.

#include <string>
#include <vector>

#include "win/dialog.h"

class SkinSelectDialog : public Dialog {
public:
    // Offers the skins `names` with `current` selected when it is among them.
    SkinSelectDialog(HINSTANCE instance, HWND owner, std::string current,
                     std::vector<std::string> names);

    // After IDOK: the chosen entry.
    std::string selectedSkin;

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    void OnOK() override;

private:
    std::vector<std::string> names;
    HWND skinList = nullptr;  // the dialog's list box, destroyed with the dialog
};
