#include "about/about_dialog.h"

#include "res/resource.h"

AboutDialog::AboutDialog(HINSTANCE instance, HWND owner) : Dialog(IDD_ABOUTBOX, instance, owner) {}

bool AboutDialog::OnInitDialog() {
    mailLink.Attach(GetDlgItem(Handle(), IDC_MAIL_LINK));
    webLink.Attach(GetDlgItem(Handle(), IDC_WEB_LINK));
    // The links keep their template texts on screen; the URLs show in their tooltips.
    mailLink.SetURL(kMailUrl);
    webLink.SetURL(kWebPageUrl);
    return true;
}
