// Identifiers shared by the resource script and the code.
#pragma once

// Dialogs and their controls
#define IDD_ABOUTBOX 100
#define IDD_CLOCK 102
#define IDD_SKIN_SELECT 131
#define IDD_TIME_ZONE 132
#define IDD_LABEL 133

#define IDC_WEB_LINK 1000
#define IDC_MAIL_LINK 1002
#define IDC_LOGO 1006
#define IDC_SKIN_LIST 1000
#define IDC_ZONE_FILTER 1010
#define IDC_ZONE_LIST 1011
#define IDC_LABEL_TEXT 1012

// Icons, bitmaps, sounds, menus, strings
#define IDI_CLOCK 128
#define IDR_POPUP 130
#define IDB_ABOUT_LOGO 138
#define IDR_CHIME 140
#define IDS_SOCKETS_INIT_FAILED 103

// Popup menu commands
#define IDM_SELECT_SKIN 32771
#define IDM_DOCK_LEFT 32772
#define IDM_DOCK_RIGHT 32773
#define IDM_DOCK_TOP 32774
#define IDM_FLOATING 32775
#define IDM_EXIT 32776
#define IDM_AUTO_MOVE 32777
#define IDM_ABOUT 32778
#define IDM_START_WITH_WINDOWS 32779
// The Size submenu, in the order of its zoom settings: automatic, then 1x to 3x.
#define IDM_SIZE_AUTOMATIC 32780
#define IDM_SIZE_1X 32781
#define IDM_SIZE_2X 32782
#define IDM_SIZE_3X 32783
#define IDM_LOCK_POSITION 32784
#define IDM_CLICK_THROUGH 32785
// The Opacity submenu, in the order of its opacities: 100%, 90%, 75%, 50%, 25%.
#define IDM_OPACITY_100 32786
#define IDM_OPACITY_90 32787
#define IDM_OPACITY_75 32788
#define IDM_OPACITY_50 32789
#define IDM_OPACITY_25 32790
#define IDM_TRAY_ICON 32791
// The Time submenu: the hours in the order of their ids (automatic, 24, 12), then the flags.
#define IDM_HOURS_AUTOMATIC 32792
#define IDM_HOURS_24 32793
#define IDM_HOURS_12 32794
#define IDM_SHOW_SECONDS 32795
#define IDM_BLINKING_COLON 32796
// The clocks: another one, each one's zone and label, and closing one.
#define IDM_NEW_CLOCK 32797
#define IDM_TIME_ZONE 32798
#define IDM_LABEL 32799
#define IDM_CLOSE_CLOCK 32800
// The Chime submenu: how often, in the order of its items, then the flags.
#define IDM_CHIME_OFF 32801
#define IDM_CHIME_HOUR 32802
#define IDM_CHIME_HALF_HOUR 32803
#define IDM_CHIME_QUARTER_HOUR 32804
#define IDM_STRIKE_HOURS 32805
#define IDM_QUIET_AT_NIGHT 32806

// The framework's standard help command
#define IDM_HELP 57670
