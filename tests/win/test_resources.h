#pragma once
// Resources that only the Wine tests use.

#define IDD_TEST_DIALOG 900
#define IDC_TEST_LABEL 901
