// Resource and control identifiers of the plain dialog, shared by the
// resource script and the code (the resource compiler reads only #define).
#pragma once

#define IDD_PLAIN_DIALOG 100
#define IDC_PLAIN_OPTIONS 1001
#define IDC_PLAIN_SMALL 1002
#define IDC_PLAIN_LARGE 1003
#define IDC_PLAIN_REMEMBER 1004
#define IDC_PLAIN_NAME_LABEL 1005
#define IDC_PLAIN_NAME 1006
#define IDC_PLAIN_COLOUR 1007
#define IDC_PLAIN_ITEMS 1008
#define IDC_PLAIN_VOLUME 1009
