#pragma once
// The skin chooser: the folders of the working directory that hold a config.ini.

#include <string>

#include "win/dialog.h"

class SkinSelectDialog : public Dialog {
public:
    // Offers the skins with `current` selected when it is listed.
    SkinSelectDialog(HINSTANCE instance, HWND owner, std::string current);

    // After IDOK: the chosen entry.
    std::string selectedSkin;

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    void OnOK() override;

private:
    void AddSkinFolders();

    HWND skinList = nullptr;  // the dialog's list box, destroyed with the dialog
};
