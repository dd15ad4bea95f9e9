#include "app/clock_app.h"

#include <winsock2.h>

#include <iterator>
#include <string>

#include "app/clock_program.h"
#include "res/resource.h"
#include "win/dialog.h"
#include "win/wide_text.h"

bool ClockApp::StartSockets() {
    WSADATA data{};
    if (WSAStartup(MAKEWORD(1, 1), &data) != 0)
        return false;
    if (data.wVersion != MAKEWORD(1, 1)) {
        WSACleanup();
        return false;
    }
    return true;
}

int ClockApp::Run(HINSTANCE instance) {
    Begin(instance);
    ClockProgram program(*this);
    if (!program.ClaimSession())
        return 0;  // the program that runs takes over
    if (!startSockets()) {
        wchar_t text[256] = {};
        LoadStringW(Instance(), IDS_SOCKETS_INIT_FAILED, text, static_cast<int>(std::size(text)));
        ShowMessage(Narrow(text).c_str());
        return 0;
    }
    program.Run();
    return 0;
}

bool ClockApp::OnCommand(int id) {
    if (id != IDM_HELP)
        return false;
    const HWND main = MainWindow() ? MainWindow()->Handle() : nullptr;
    WinHelpA(main, (ExeName() + ".HLP").c_str(), HELP_FINDER, 0);
    return true;
}
