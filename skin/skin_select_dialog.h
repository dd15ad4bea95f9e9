#pragma once
// The skin chooser: the folders of the working directory that hold a config.ini.

#include <string>

#include "win/dialog.h"

class SkinSelectDialog : public Dialog {
public:
    SkinSelectDialog();

    // In: the current skin, selected when listed. Out, after IDOK: the chosen entry.
    std::string selectedSkin;

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    void OnOK() override;

private:
    void AddSkinFolders();

    HWND skinList = nullptr;  // the dialog's list box, destroyed with the dialog
};
