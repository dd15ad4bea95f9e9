#include "app/time_zone_dialog.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "res/resource.h"
#include "win/wide_text.h"

namespace {

// Longer than any zone's name, which a longer text could not be part of.
constexpr int kFilterLimit = 128;

std::wstring Folded(std::wstring text) {
    CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

}  // namespace

TimeZoneDialog::TimeZoneDialog(HINSTANCE instance, HWND owner, std::string currentKey,
                               std::vector<TimeZone> zones)
    : Dialog(IDD_TIME_ZONE, instance, owner),
      selectedKey(std::move(currentKey)),
      zones(std::move(zones)) {
    names.push_back(L"Local time");
    for (const TimeZone& zone : this->zones)
        names.push_back(Widen(zone.displayName));
}

bool TimeZoneDialog::OnInitDialog() {
    filterEdit = GetDlgItem(Handle(), IDC_ZONE_FILTER);
    zoneList = GetDlgItem(Handle(), IDC_ZONE_LIST);
    SendMessageW(filterEdit, EM_LIMITTEXT, kFilterLimit, 0);
    ShowMatches();
    // With nothing typed every entry shows, a zone one below its place among the zones.
    const auto current = std::find_if(zones.begin(), zones.end(), [this](const TimeZone& zone) {
        return zone.key == selectedKey;
    });
    if (current != zones.end())
        SendMessageW(zoneList, LB_SETCURSEL, static_cast<WPARAM>(current - zones.begin()) + 1, 0);
    return true;
}

bool TimeZoneDialog::OnCommand(int id, int notifyCode, HWND control) {
    if (id == IDC_ZONE_FILTER && notifyCode == EN_CHANGE) {
        ShowMatches();
        return true;
    }
    if (id == IDC_ZONE_LIST && notifyCode == LBN_DBLCLK) {
        OnOK();  // the first click already selected the entry
        return true;
    }
    return Dialog::OnCommand(id, notifyCode, control);
}

void TimeZoneDialog::ShowMatches() {
    wchar_t typed[kFilterLimit + 1] = {};
    GetWindowTextW(filterEdit, typed, static_cast<int>(std::size(typed)));
    const std::wstring filter = Folded(typed);
    SendMessageW(zoneList, LB_RESETCONTENT, 0, 0);
    for (size_t entry = 0; entry < names.size(); ++entry) {
        if (Folded(names[entry]).find(filter) == std::wstring::npos)
            continue;
        // The names go in as UTF-16: a zone's name may be in any script.
        const LRESULT index =
            SendMessageW(zoneList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(names[entry].c_str()));
        SendMessageW(zoneList, LB_SETITEMDATA, static_cast<WPARAM>(index), entry);
    }
    SendMessageW(zoneList, LB_SETCURSEL, 0, 0);
}

// Enter with no entry shown keeps the dialog open: the user most likely mistyped, and would
// rather mend the text than type it again.
void TimeZoneDialog::OnOK() {
    const LRESULT index = SendMessageW(zoneList, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) {
        MessageBeep(MB_OK);
        return;
    }
    const auto entry = static_cast<size_t>(SendMessageW(zoneList, LB_GETITEMDATA, index, 0));
    selectedKey = entry == 0 ? "" : zones[entry - 1].key;
    EndDialog(IDOK);
}
