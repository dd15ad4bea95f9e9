#pragma once
// The time zone chooser: local time and the system's zones, narrowed down as the user types
// part of a zone's name.

#include <string>
#include <vector>

#include "shell/time_zones.h"
#include "win/dialog.h"

class TimeZoneDialog : public Dialog {
public:
    // Offers local time, then `zones` in their order; `currentKey` ("" for local time) starts
    // selected.
    TimeZoneDialog(HINSTANCE instance, HWND owner, std::string currentKey,
                   std::vector<TimeZone> zones);

    // After IDOK: the chosen zone's key, "" for local time.
    std::string selectedKey;

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    void OnOK() override;

private:
    // Lists the entries whose names hold the typed text, whatever its case, and selects the
    // first of them.
    void ShowMatches();

    std::vector<TimeZone> zones;
    std::vector<std::wstring> names;  // local time's, then each zone's
    HWND filterEdit = nullptr;        // the dialog's controls, destroyed with it
    HWND zoneList = nullptr;
};
