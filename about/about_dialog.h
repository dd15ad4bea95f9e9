#pragma once
// The About box: the logo, an invitation to the web page and the maker's name, both links.

#include "about/hyperlink_label.h"
#include "win/dialog.h"

class AboutDialog : public Dialog {
public:
    static constexpr char kWebPageUrl[] = "http://zentrix.example.org/";
    static constexpr char kMailUrl[] = "mailto:zentrix@example.org";

    AboutDialog(HINSTANCE instance, HWND owner);

protected:
    bool OnInitDialog() override;

private:
    HyperlinkLabel mailLink;
    HyperlinkLabel webLink;
};
