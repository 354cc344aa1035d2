// Dialog template, icon and control ids, shared by tivrel.rc and the C++ code.
#pragma once

// Labels, headings and icons that the code never addresses.
#define IDC_STATIC (-1)

// ---- Icon groups ----
#define IDI_APP                     500
#define IDI_MESSAGE                 502

// ---- Dialog templates, in sheet order, then the message dialog ----
#define IDD_MAIN                    1107
#define IDD_FLAGS_A                 1026
#define IDD_FLAGS_B                 1108
#define IDD_FLAGS_C                 1115
#define IDD_FLAGS_D                 1116
#define IDD_FLAGS_E                 1117
#define IDD_L1_CACHE                1109
#define IDD_L23_CACHE               1110
#define IDD_DATABASE                1112
#define IDD_OS                      1113
#define IDD_DRIVES                  1114
#define IDD_SETTINGS                1111
#define IDD_MESSAGE                 1005

// ---- Main page, template 1107 ----
#define IDC_MAIN_VENDOR             1000
#define IDC_MAIN_TYPE               1001
#define IDC_MAIN_STEPPING           1002
#define IDC_MAIN_FAMILY             1003
#define IDC_MAIN_MODEL              1004
#define IDC_MAIN_BRAND_ID           1005
#define IDC_MAIN_BRAND_STRING       1006
#define IDC_MAIN_SERIAL             1007    // hidden, never filled
#define IDC_MAIN_CODE_NAME          1008
#define IDC_MAIN_L1_TOTAL           1009
#define IDC_MAIN_L1_DATA            1010
#define IDC_MAIN_L1_INST            1011
#define IDC_MAIN_L2                 1012
#define IDC_MAIN_L3                 1013
#define IDC_MAIN_PROCESSOR          1200
#define IDC_MAIN_FREQ               1201

// ---- Flags A and Flags B, templates 1026 and 1108 ----
// The label of feature bit n has the id base + n.
#define IDC_FLAGS_EDX_BASE          1000    // featuresEdx, Flags A
#define IDC_FLAGS_ECX_BASE          1050    // featuresEcx, Flags B
#define IDC_FLAGS_EXT_EDX_BASE      1100    // extFeaturesEdx, Flags B and C

// ---- Flags C, D and E, templates 1115 to 1117: the bits the first two leave out ----
// Flags C also holds featuresEcx and extFeaturesEdx labels by the bases above.
#define IDC_FLAGS_LEAF7_EBX_BASE    1150    // leaf7Ebx, Flags D
#define IDC_FLAGS_LEAF7_ECX_BASE    1200    // leaf7Ecx, Flags E
#define IDC_FLAGS_LEAF7_EDX_BASE    1250    // leaf7Edx, Flags E
#define IDC_FLAGS_LEAF7_1_EAX_BASE  1300    // leaf7Sub1Eax, Flags D
#define IDC_FLAGS_EXT_ECX_BASE      1350    // extFeaturesEcx, Flags C

// ---- L1 Cache and L2+L3 Cache, templates 1109 and 1110 ----
// Cell of row r (0-15) and column c (0-4): IDC_CACHE_CELL_FIRST + 5 * r + c.
#define IDC_CACHE_CELL_FIRST        2000
#define IDC_CACHE_CELL_LAST         2079

// ---- Database page, template 1112 ----
#define IDC_DB_MODEL_LINE           1004
#define IDC_DB_CODE_NAME            1008
#define IDC_DB_VENDOR_LIST          1025
#define IDC_DB_FIND                 1026
#define IDC_DB_BRAND_LIST           1028
#define IDC_DB_TYPE_LIST            1029
#define IDC_DB_FAMILY_LIST          1030
#define IDC_DB_MODEL                1031
#define IDC_DB_COMMENTARY           1050
#define IDC_DB_STATS_DATE           1051
#define IDC_DB_STATS_GATES          1052
#define IDC_DB_STATS_FREQ           1053
#define IDC_DB_STATS_BUS            1054
#define IDC_DB_STATS_L1             1055
#define IDC_DB_STATS_L2             1056
#define IDC_DB_STATS_L3             1057
#define IDC_DB_MODEL_SPIN           1084    // up-down control, buddy IDC_DB_MODEL
#define IDC_DB_PROCESSOR            1200
#define IDC_DB_TYPE_STATUS          1601
#define IDC_DB_BRAND_STATUS         1602
#define IDC_DB_FAMILY_STATUS        1603
#define IDC_DB_L2_LIST              1604
#define IDC_DB_VENDOR_STRING        1606
#define IDC_DB_RESET                1610
#define IDC_DB_PREV                 2100
#define IDC_DB_NEXT                 2101

// ---- OS page, template 1113 ----
#define IDC_OS_RELEASE_LIST         1003
#define IDC_OS_NAME                 1005
#define IDC_OS_FAMILY               1006
#define IDC_OS_DATE                 1007
#define IDC_OS_MAJOR_VERSION        1008
#define IDC_OS_MINOR_VERSION        1009
#define IDC_OS_BUILD                1010
#define IDC_OS_EXTRA                1011
#define IDC_OS_CODE_NAME            1012
#define IDC_OS_COMMENTARY           1013

// ---- Drives page, template 1114 ----
#define IDC_DRIVES_LIST             1002
#define IDC_DRIVES_REFRESH          1003

// ---- Settings / Help page, template 1111 ----
#define IDC_SYS_CONTINUOUS          1032
#define IDC_SYS_WINDOWS_VERSION     1033
#define IDC_SYS_UPTIME              1034
#define IDC_SYS_PHYSICAL_MEMORY     1035
#define IDC_SYS_IP_ADDRESS          1036
#define IDC_SYS_GENERATE_REPORT     1037
#define IDC_SYS_CACHE_TEST_RESULT   1040
#define IDC_SYS_VIRTUAL_MEMORY      1041
#define IDC_SYS_CACHE_TEST          1045
#define IDC_SYS_MEASURING_TIME      1531
#define IDC_SYS_HELP                1926
#define IDC_SYS_ABOUT               1929

// ---- Message dialog, template 1005 ----
#define IDC_MSG_CONTINUE            1       // IDOK, "Continue"
#define IDC_MSG_CANCEL              2       // IDCANCEL, hidden; "Contact"/"About" in mode 2
#define IDC_MSG_SEPARATOR           600
#define IDC_MSG_LINE1               850
#define IDC_MSG_LINE2               851
#define IDC_MSG_LINE3               852
#define IDC_MSG_LINE4               853
#define IDC_MSG_TEXT_VIEW           1014
