// What each dialog template must hold: one row per control, written from the page descriptions
// (ids, window classes, template texts, styles and rectangles in dialog units), independently of
// resources/tivrel.rc, which it checks.
#pragma once

#include <cstddef>
#include <iterator>

enum class Kind { Static, Edit, Button, ComboBox, ListView, UpDown };

// Whether the running program keeps the template text (kFixed: labels, buttons) or writes its
// own (kFilled: value fields, whose run-time contents other scenarios check).
enum class Text { kFixed, kFilled };

// Style traits, or-ed together; each names bits of the control's template style.
enum : unsigned {
    kPlain        = 0,
    kHidden       = 1u << 0,   // no WS_VISIBLE
    kReadOnly     = 1u << 1,   // ES_READONLY
    kMultiLine    = 1u << 2,   // ES_MULTILINE
    kVScroll      = 1u << 3,   // WS_VSCROLL
    kCentred      = 1u << 4,   // SS_CENTER / ES_CENTER
    kSunken       = 1u << 5,   // SS_SUNKEN
    kBlackRect    = 1u << 6,   // SS_BLACKRECT
    kDropDownList = 1u << 7,   // CBS_DROPDOWNLIST
    kDropDown     = 1u << 8,   // CBS_DROPDOWN: editable field
    kPushButton   = 1u << 9,   // BS_PUSHBUTTON
    kDefButton    = 1u << 10,  // BS_DEFPUSHBUTTON
    kAutoCheckBox = 1u << 11,  // BS_AUTOCHECKBOX
    kGroupBox     = 1u << 12,  // BS_GROUPBOX
    kReport       = 1u << 13,  // list view: LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER
    kNoBorder     = 1u << 14,  // no WS_BORDER
    kBorder       = 1u << 15,  // WS_BORDER
};

// id -1: a label without an id, found by its class and text. text nullptr: not checked
// (the page descriptions give none). Rectangle: all four checked when w > 0; only the position
// when w is 0 and x or y is not; nothing when all are 0.
struct ControlRow {
    int id;
    Kind kind;
    const char* text;
    Text use;
    unsigned traits;
    short x, y, w, h;
};

// clang-format off

// ---- Main, template 1107 ----
static constexpr ControlRow kMainControls[] = {
//    id  kind          text                              use            traits             x    y    w   h
    {1200, Kind::Edit,   nullptr,                          Text::kFilled, kReadOnly,         0,   0,   0,  0},
    {1201, Kind::Static, "Not Supported",                  Text::kFilled, kPlain,            0,   0,   0,  0},
    {1000, Kind::Static, "X",                              Text::kFilled, kPlain,            0,   0,   0,  0},
    {1001, Kind::Static, "X",                              Text::kFilled, kPlain,            0,   0,   0,  0},
    {1003, Kind::Static, "X",                              Text::kFilled, kPlain,            0,   0,   0,  0},
    {1004, Kind::Static, "X",                              Text::kFilled, kPlain,            0,   0,   0,  0},
    {1002, Kind::Static, "X",                              Text::kFilled, kPlain,            0,   0,   0,  0},
    {1008, Kind::Static, "Not Known",                      Text::kFilled, kPlain,            0,   0,   0,  0},
    {1005, Kind::Static, "Not Supported",                  Text::kFilled, kPlain,            0,   0,   0,  0},
    {1006, Kind::Static, "Not Supported",                  Text::kFilled, kPlain,            0,   0,   0,  0},
    {1009, Kind::Static, "X",                              Text::kFilled, kPlain,            0,   0,   0,  0},
    {1010, Kind::Static, "X",                              Text::kFilled, kPlain,            0,   0,   0,  0},
    {1011, Kind::Static, "X",                              Text::kFilled, kPlain,            0,   0,   0,  0},
    {1012, Kind::Static, "X",                              Text::kFilled, kPlain,            0,   0,   0,  0},
    {1013, Kind::Static, "X",                              Text::kFilled, kPlain,            0,   0,   0,  0},
    {1007, Kind::Static, "X",                              Text::kFixed,  kHidden,           0,   0,   0,  0},
    // labels
    {  -1, Kind::Static, "Processor",                      Text::kFixed,  kPlain,            0,   0,   0,  0},
    {  -1, Kind::Static, "Freq",                           Text::kFixed,  kPlain,            0,   0,   0,  0},
    {  -1, Kind::Static, "Vendor ID",                      Text::kFixed,  kPlain,            0,   0,   0,  0},
    {  -1, Kind::Static, "Type",                           Text::kFixed,  kPlain,            0,   0,   0,  0},
    {  -1, Kind::Static, "Family",                         Text::kFixed,  kPlain,            0,   0,   0,  0},
    {  -1, Kind::Static, "Model",                          Text::kFixed,  kPlain,            0,   0,   0,  0},
    {  -1, Kind::Static, "Stepping",                       Text::kFixed,  kPlain,            0,   0,   0,  0},
    {  -1, Kind::Static, "Code Name",                      Text::kFixed,  kPlain,            0,   0,   0,  0},
    {  -1, Kind::Static, "Brand ID",                       Text::kFixed,  kPlain,            0,   0,   0,  0},
    {  -1, Kind::Static, "Brand String",                   Text::kFixed,  kPlain,            0,   0,   0,  0},
    {  -1, Kind::Button, "Cache Summary (Measured in KB)", Text::kFixed,  kGroupBox,         0,   0,   0,  0},
    {  -1, Kind::Static, "L1 Total:",                      Text::kFixed,  kPlain,            0,   0,   0,  0},
    {  -1, Kind::Static, "L1 Data:",                       Text::kFixed,  kPlain,            0,   0,   0,  0},
    {  -1, Kind::Static, "L1 Inst:",                       Text::kFixed,  kPlain,            0,   0,   0,  0},
    {  -1, Kind::Static, "L2:",                            Text::kFixed,  kPlain,            0,   0,   0,  0},
    {  -1, Kind::Static, "L3:",                            Text::kFixed,  kPlain,            0,   0,   0,  0},
    {  -1, Kind::Static, "Processor Serial",               Text::kFixed,  kHidden,           0,   0,   0,  0},
};

// ---- Flags A, template 1026: label of featuresEdx bit n = 1000 + n ----
static constexpr ControlRow kFlagsAControls[] = {
//    id  kind          text                                           use           traits            x    y    w   h
    {  -1, Kind::Static, "Standard EDX Feature Flags",                  Text::kFixed, kSunken | kCentred, 5,   3, 292,  9},
    {1000, Kind::Static, "Floating Point Unit on Chip",                 Text::kFixed, kPlain,           5,  14, 140,  8},
    {1001, Kind::Static, "Virtual Mode Extension",                      Text::kFixed, kPlain,           5,  24, 140,  8},
    {1002, Kind::Static, "Debugging Extension",                         Text::kFixed, kPlain,           5,  34, 140,  8},
    {1003, Kind::Static, "Page Size Extension",                         Text::kFixed, kPlain,           5,  44, 140,  8},
    {1004, Kind::Static, "Time Stamp Counter",                          Text::kFixed, kPlain,           5,  54, 140,  8},
    {1005, Kind::Static, "Model Specific Registers",                    Text::kFixed, kPlain,           5,  64, 140,  8},
    {1006, Kind::Static, "Physical Address Extension",                  Text::kFixed, kPlain,           5,  74, 140,  8},
    {1007, Kind::Static, "Machine Check Extension",                     Text::kFixed, kPlain,           5,  84, 140,  8},
    {1008, Kind::Static, "CMPXCHG8 Instruction Supported",              Text::kFixed, kPlain,           5,  94, 140,  8},
    {1009, Kind::Static, "On-Chip APIC Hardware Supported",             Text::kFixed, kPlain,           5, 104, 140,  8},
    {1011, Kind::Static, "Fast System Call",                            Text::kFixed, kPlain,           5, 114, 140,  8},
    {1012, Kind::Static, "Memory Type Range Registers",                 Text::kFixed, kPlain,           5, 124, 140,  8},
    {1013, Kind::Static, "Page Global Enable",                          Text::kFixed, kPlain,           5, 134, 140,  8},
    {1014, Kind::Static, "Machine Check Architecture",                  Text::kFixed, kPlain,           5, 144, 140,  8},
    {1015, Kind::Static, "Conditional Move Instruction Supported",      Text::kFixed, kPlain,           5, 154, 140,  8},
    {1016, Kind::Static, "Page Attribute Table",                        Text::kFixed, kPlain,           5, 164, 140,  8},
    {1017, Kind::Static, "36-Bit Page Size Extension",                  Text::kFixed, kPlain,         155,  14, 140,  8},
    {1018, Kind::Static, "Processor Serial Number is present and on",   Text::kFixed, kPlain,         155,  24, 140,  8},
    {1019, Kind::Static, "CLFLUSH Instruction Supported",               Text::kFixed, kPlain,         155,  34, 140,  8},
    {1021, Kind::Static, "Debug Store",                                 Text::kFixed, kPlain,         155,  44, 140,  8},
    {1022, Kind::Static, "Thermal Monitor and Software Cont. Clock",    Text::kFixed, kPlain,         155,  54, 140,  8},
    {1023, Kind::Static, "Intel Architecture MMX technology supported", Text::kFixed, kPlain,         155,  64, 140,  8},
    {1024, Kind::Static, "Fast floating point save and restore",        Text::kFixed, kPlain,         155,  74, 140,  8},
    {1025, Kind::Static, "Streaming SIMD Extensions Supported",         Text::kFixed, kPlain,         155,  84, 140,  8},
    {1026, Kind::Static, "Streaming SIMD Extensions 2",                 Text::kFixed, kPlain,         155,  94, 140,  8},
    {1027, Kind::Static, "Self-Snoop",                                  Text::kFixed, kPlain,         155, 104, 140,  8},
    {1028, Kind::Static, "Hyper-Threading Technology",                  Text::kFixed, kPlain,         155, 114, 140,  8},
    {1029, Kind::Static, "Thermal Monitor Supported",                   Text::kFixed, kPlain,         155, 124, 140,  8},
    {1030, Kind::Static, "IA-64",                                       Text::kFixed, kPlain,         155, 134, 140,  8},
    {1031, Kind::Static, "Signal Break on FERR",                        Text::kFixed, kPlain,         155, 144, 140,  8},
};

// ---- Flags B, template 1108: featuresEcx bit n = 1050 + n, extFeaturesEdx bit n = 1100 + n ----
static constexpr ControlRow kFlagsBControls[] = {
//    id  kind          text                                      use           traits              x    y    w   h
    {  -1, Kind::Static, "Standard ECX Feature Flags",             Text::kFixed, kSunken | kCentred,  5,   3, 140,  9},
    {1050, Kind::Static, "SSE3",                                   Text::kFixed, kPlain,             5,  14, 140,  8},
    {1053, Kind::Static, "Monitor / MWait",                        Text::kFixed, kPlain,             5,  24, 140,  8},
    {1054, Kind::Static, "CPL Qualified Debug Store",              Text::kFixed, kPlain,             5,  34, 140,  8},
    {1057, Kind::Static, "Enhanced SpeedStep Technology",          Text::kFixed, kPlain,             5,  44, 140,  8},
    {1058, Kind::Static, "Thermal Monitor 2",                      Text::kFixed, kPlain,             5,  54, 140,  8},
    {1060, Kind::Static, "Context ID",                             Text::kFixed, kPlain,             5,  64, 140,  8},
    {  -1, Kind::Static, "Extended EDX Feature Flags",             Text::kFixed, kSunken | kCentred,  5,  73, 140,  9},
    {1100, Kind::Static, "Floating Point Unit on Chip",            Text::kFixed, kPlain,             5,  84, 140,  8},
    {1101, Kind::Static, "Virtual Mode Extension",                 Text::kFixed, kPlain,             5,  94, 140,  8},
    {1102, Kind::Static, "Debugging Extension",                    Text::kFixed, kPlain,             5, 104, 140,  8},
    {1103, Kind::Static, "Page Size Extension",                    Text::kFixed, kPlain,             5, 114, 140,  8},
    {1104, Kind::Static, "Time Stamp Counter",                     Text::kFixed, kPlain,             5, 124, 140,  8},
    {1105, Kind::Static, "Model Specific Registers",               Text::kFixed, kPlain,             5, 134, 140,  8},
    {1106, Kind::Static, "Physical Address Extension",             Text::kFixed, kPlain,             5, 143, 140,  8},
    {1107, Kind::Static, "Machine Check Extension",                Text::kFixed, kPlain,             5, 153, 140,  8},
    {1108, Kind::Static, "CMPXCHG8 Instruction Supported",         Text::kFixed, kPlain,             5, 163, 140,  8},
    {1109, Kind::Static, "On-Chip APIC Hardware Supported",        Text::kFixed, kPlain,           155,   3, 140,  8},
    {1111, Kind::Static, "Fast System Call",                       Text::kFixed, kPlain,           155,  13, 140,  8},
    {1112, Kind::Static, "Memory Type Range Registers",            Text::kFixed, kPlain,           155,  23, 140,  8},
    {1113, Kind::Static, "Page Global Enable",                     Text::kFixed, kPlain,           155,  33, 140,  8},
    {1114, Kind::Static, "Machine Check Architecture",             Text::kFixed, kPlain,           155,  43, 140,  8},
    {1115, Kind::Static, "Conditional Move Instruction Supported", Text::kFixed, kPlain,           155,  53, 140,  8},
    {1116, Kind::Static, "Page Attribute Table",                   Text::kFixed, kPlain,           155,  63, 140,  8},
    {1117, Kind::Static, "36-Bit Page Size Extension",             Text::kFixed, kPlain,           155,  73, 140,  8},
    {1119, Kind::Static, "Multi-Processor Capable",                Text::kFixed, kPlain,           155,  83, 140,  8},
    {1120, Kind::Static, "NX",                                     Text::kFixed, kPlain,           155,  93, 140,  8},
    {1122, Kind::Static, "MMX+ (MMX-SSE, SSE-MEM)",                Text::kFixed, kPlain,           155, 103, 140,  8},
    {1123, Kind::Static, "MMX",                                    Text::kFixed, kPlain,           155, 113, 140,  8},
    {1124, Kind::Static, "Extended MMX",                           Text::kFixed, kPlain,           155, 123, 140,  8},
    {1129, Kind::Static, "Long Mode (AA-64 only)",                 Text::kFixed, kPlain,           155, 133, 140,  8},
    {1130, Kind::Static, "Extended 3DNow!",                        Text::kFixed, kPlain,           155, 143, 140,  8},
    {1131, Kind::Static, "3DNow!",                                 Text::kFixed, kPlain,           155, 153, 140,  8},
};

// ---- L1 Cache and L2+L3 Cache, templates 1109 and 1110: headings; the 50 cells follow below ----
static constexpr ControlRow kCacheControls[] = {
//    id  kind          text           use           traits    x    y  w  h
    {  -1, Kind::Static, "Type",        Text::kFixed, kPlain,   32,   8, 0, 0},
    {  -1, Kind::Static, "Memory",      Text::kFixed, kPlain,  102,   8, 0, 0},
    {  -1, Kind::Static, "Size",        Text::kFixed, kPlain,  171,   8, 0, 0},
    {  -1, Kind::Static, "Association", Text::kFixed, kPlain,  209,   8, 0, 0},
    {  -1, Kind::Static, "Sectored",    Text::kFixed, kPlain,  260,   8, 0, 0},
};

// Cell of row r, column c: id 2000 + 5 * r + c, an empty static, 8 units high.
struct CacheColumn { short x, w; };
static constexpr CacheColumn kCacheColumns[] = {
//     x   w
    {  5, 70},   // type
    { 80, 70},   // memory
    {155, 45},   // size
    {205, 45},   // association
    {255, 40},   // sectored
};
// The last row sits 16 units below the ninth, the others 15 apart.
static constexpr short kCacheRowY[] = {24, 39, 54, 69, 84, 99, 114, 129, 144, 160};

// ---- Database, template 1112 ----
static constexpr ControlRow kDatabaseControls[] = {
//    id  kind            text          use            traits                      x    y    w    h
    {1200, Kind::Edit,     nullptr,      Text::kFilled, kReadOnly,                 45,   7, 250,  16},
    {1008, Kind::Static,   nullptr,      Text::kFilled, kPlain,                    45,  24, 111,  16},
    {1025, Kind::ComboBox, nullptr,      Text::kFilled, kDropDownList,             45,  43, 120, 100},
    {1606, Kind::Static,   nullptr,      Text::kFilled, kPlain,                   168,  45,  50,   8},
    {1029, Kind::ComboBox, nullptr,      Text::kFilled, kDropDownList,             45,  58, 120, 100},
    {1601, Kind::Static,   nullptr,      Text::kFilled, kPlain,                   168,  60,  38,   8},
    {1030, Kind::ComboBox, nullptr,      Text::kFilled, kDropDownList,             45,  73, 120, 100},
    {1603, Kind::Static,   nullptr,      Text::kFilled, kPlain,                   168,  74,  70,   8},
    {1031, Kind::Edit,     nullptr,      Text::kFilled, kPlain,                    45,  88,  30,  12},
    {1084, Kind::UpDown,   nullptr,      Text::kFilled, kPlain,                    76,  88,  10,  14},
    {1004, Kind::Static,   nullptr,      Text::kFilled, kPlain,                    76,  90, 165,   8},
    {1028, Kind::ComboBox, nullptr,      Text::kFilled, kDropDownList,             45, 103, 150, 200},
    {1602, Kind::Static,   nullptr,      Text::kFilled, kPlain,                   200, 105,  53,   8},
    {1604, Kind::ComboBox, nullptr,      Text::kFilled, kDropDown,                249,  58,  49, 120},
    {2100, Kind::Button,   "< Prev",     Text::kFixed,  kPushButton,              244,  74,  25,  12},
    {2101, Kind::Button,   "Next >",     Text::kFixed,  kPushButton,              272,  74,  25,  12},
    {1026, Kind::Button,   "Find",       Text::kFixed,  kDefButton,               244,  88,  25,  14},
    {1610, Kind::Button,   "Reset",      Text::kFixed,  kPushButton,              272,  88,  25,  14},
    {1051, Kind::Static,   nullptr,      Text::kFilled, kPlain,                    36, 130,  35,   8},
    {1052, Kind::Static,   nullptr,      Text::kFilled, kPlain,                    36, 140,  35,   8},
    {1053, Kind::Static,   nullptr,      Text::kFilled, kPlain,                    36, 150,  35,   8},
    {1054, Kind::Static,   nullptr,      Text::kFilled, kPlain,                    36, 160,  35,   8},
    {1055, Kind::Static,   nullptr,      Text::kFilled, kPlain,                    91, 130,  55,   8},
    {1056, Kind::Static,   nullptr,      Text::kFilled, kPlain,                    91, 140,  55,   8},
    {1057, Kind::Static,   nullptr,      Text::kFilled, kPlain,                    91, 150,  55,   8},
    {1050, Kind::Edit,     nullptr,      Text::kFilled, kReadOnly | kMultiLine | kVScroll, 158, 127, 135, 43},
    // labels and the group box
    {  -1, Kind::Static,   "Processor",  Text::kFixed,  kPlain,                     5,   9,   0,   0},
    {  -1, Kind::Static,   "Code Name",  Text::kFixed,  kPlain,                     5,  26,   0,   0},
    {  -1, Kind::Static,   "Vendor ID",  Text::kFixed,  kPlain,                     5,  46,   0,   0},
    {  -1, Kind::Static,   "Type",       Text::kFixed,  kPlain,                     5,  60,   0,   0},
    {  -1, Kind::Static,   "Family",     Text::kFixed,  kPlain,                     5,  74,   0,   0},
    {  -1, Kind::Static,   "Model",      Text::kFixed,  kPlain,                     5,  90,   0,   0},
    {  -1, Kind::Static,   "Brand ID",   Text::kFixed,  kPlain,                     5, 105,   0,   0},
    {  -1, Kind::Static,   "L2 Cache",   Text::kFixed,  kPlain,                   213,  60,   0,   0},
    {  -1, Kind::Button,   "Class Stats", Text::kFixed, kGroupBox,                  4, 120, 293,  53},
    {  -1, Kind::Static,   "Date:",      Text::kFixed,  kPlain,                    11, 130,   0,   0},
    {  -1, Kind::Static,   "Gates:",     Text::kFixed,  kPlain,                    11, 140,   0,   0},
    {  -1, Kind::Static,   "Freq:",      Text::kFixed,  kPlain,                    11, 150,   0,   0},
    {  -1, Kind::Static,   "Bus:",       Text::kFixed,  kPlain,                    11, 160,   0,   0},
    {  -1, Kind::Static,   "L1:",        Text::kFixed,  kPlain,                    76, 130,   0,   0},
    {  -1, Kind::Static,   "L2:",        Text::kFixed,  kPlain,                    76, 140,   0,   0},
    {  -1, Kind::Static,   "L3:",        Text::kFixed,  kPlain,                    76, 150,   0,   0},
};

// ---- OS, template 1113 ----
static constexpr ControlRow kOsControls[] = {
//    id  kind            text             use            traits                         x    y    w    h
    {1003, Kind::ComboBox, nullptr,         Text::kFilled, kDropDownList | kVScroll,    200,  25,  90, 220},
    {1005, Kind::Static,   nullptr,         Text::kFilled, kCentred,                      6,   7, 300,  15},
    {1012, Kind::Static,   nullptr,         Text::kFilled, kPlain,                       71,  24, 100,   8},
    {1006, Kind::Static,   nullptr,         Text::kFilled, kPlain,                       71,  38, 130,   8},
    {1007, Kind::Static,   nullptr,         Text::kFilled, kPlain,                       71,  54, 130,   8},
    {1008, Kind::Static,   nullptr,         Text::kFilled, kPlain,                       71,  70, 130,   8},
    {1009, Kind::Static,   nullptr,         Text::kFilled, kPlain,                       71,  86, 130,   8},
    {1010, Kind::Static,   nullptr,         Text::kFilled, kPlain,                       71, 102, 130,   8},
    {1011, Kind::Static,   nullptr,         Text::kFilled, kPlain,                       71, 118, 130,   8},
    {1013, Kind::Edit,     nullptr,         Text::kFilled, kReadOnly | kMultiLine | kVScroll | kBorder, 1, 137, 295, 34},
    // labels
    {  -1, Kind::Static,   "Name",          Text::kFixed,  kPlain,                        0,   0,   0,   0},
    {  -1, Kind::Static,   "Code",          Text::kFixed,  kPlain,                        0,   0,   0,   0},
    {  -1, Kind::Static,   "Family",        Text::kFixed,  kPlain,                        0,   0,   0,   0},
    {  -1, Kind::Static,   "Date",          Text::kFixed,  kPlain,                        0,   0,   0,   0},
    {  -1, Kind::Static,   "Major Version", Text::kFixed,  kPlain,                        0,   0,   0,   0},
    {  -1, Kind::Static,   "Minor Version", Text::kFixed,  kPlain,                        0,   0,   0,   0},
    {  -1, Kind::Static,   "Build",         Text::kFixed,  kPlain,                        0,   0,   0,   0},
    {  -1, Kind::Static,   "Extra",         Text::kFixed,  kPlain,                        0,   0,   0,   0},
};

// ---- Drives, template 1114 ----
static constexpr ControlRow kDrivesControls[] = {
//    id  kind            text       use            traits             x    y    w    h
    {1002, Kind::ListView, nullptr,   Text::kFilled, kReport | kBorder,  2,   2, 296, 154},
    {1003, Kind::Button,   "Refresh", Text::kFixed,  kPushButton,      121, 158,  50,  14},
};

// ---- Settings / Help, template 1111 ----
static constexpr ControlRow kSettingsControls[] = {
//    id  kind          text                           use            traits          x    y    w   h
    {1033, Kind::Static, "...",                         Text::kFilled, kPlain,        80,   8, 210,  8},
    {1034, Kind::Static, "...",                         Text::kFilled, kPlain,        80,  20, 210,  8},
    {1035, Kind::Static, "...",                         Text::kFilled, kPlain,        80,  32, 210,  8},
    {1041, Kind::Static, "...",                         Text::kFilled, kPlain,        80,  44, 210,  8},
    {1036, Kind::Static, "...",                         Text::kFilled, kPlain,        80,  56, 210,  8},
    {1040, Kind::Static, "Test Not Executed",           Text::kFilled, kPlain,        80,  68, 210, 24},
    {1531, Kind::Edit,   nullptr,                       Text::kFilled, kBorder,      100, 107,  40, 14},
    {1032, Kind::Button, "Continously Check Frequency", Text::kFixed,  kAutoCheckBox,  5, 126, 110, 10},
    {1045, Kind::Button, "Cache Test",                  Text::kFixed,  kPushButton,  150, 108,  66, 14},
    {1037, Kind::Button, "Generate Report",             Text::kFixed,  kPushButton,  225, 108,  66, 14},
    {1929, Kind::Button, "About",                       Text::kFixed,  kPushButton,    7, 150,  50, 14},
    {1926, Kind::Button, "Help",                        Text::kFixed,  kPushButton,  238, 150,  50, 14},
    // labels, at x 5 on their fields' lines
    {  -1, Kind::Static, "Windows Version",             Text::kFixed,  kPlain,         5,   8,   0,  0},
    {  -1, Kind::Static, "Windows Uptime",              Text::kFixed,  kPlain,         5,  20,   0,  0},
    {  -1, Kind::Static, "Physical Memory",             Text::kFixed,  kPlain,         5,  32,   0,  0},
    {  -1, Kind::Static, "Virtual Memory",              Text::kFixed,  kPlain,         5,  44,   0,  0},
    {  -1, Kind::Static, "Current IP",                  Text::kFixed,  kPlain,         5,  56,   0,  0},
    {  -1, Kind::Static, "Cache Test",                  Text::kFixed,  kPlain,         5,  68,   0,  0},
    {  -1, Kind::Static, "Freq measuring time (sec)",   Text::kFixed,  kPlain,         0,   0,   0,  0},
};

// ---- Message dialog, template 1005 (opened only from inside; checked at template level) ----
static constexpr ControlRow kMessageControls[] = {
//    id  kind          text        use            traits                                  x   y    w   h
    {   1, Kind::Button, "Continue", Text::kFixed,  kDefButton,                            85, 52,  50, 14},
    { 850, Kind::Edit,   nullptr,    Text::kFilled, kReadOnly | kCentred | kNoBorder,      34,  8, 156, 12},
    { 851, Kind::Edit,   nullptr,    Text::kFilled, kReadOnly | kCentred | kNoBorder,      34, 16, 156, 12},
    { 852, Kind::Edit,   nullptr,    Text::kFilled, kReadOnly | kCentred | kNoBorder,      34, 28, 156, 12},
    { 853, Kind::Edit,   nullptr,    Text::kFilled, kReadOnly | kCentred | kNoBorder,      34, 36, 156, 12},
    { 600, Kind::Static, nullptr,    Text::kFixed,  kBlackRect,                            30,  5,   1, 65},
    {   2, Kind::Button, "Cancel",   Text::kFilled, kPushButton | kHidden,                138, 52,  50, 14},
    {1014, Kind::Edit,   nullptr,    Text::kFilled, kReadOnly | kMultiLine | kVScroll | kBorder | kHidden, 35, 5, 153, 45},
};

// A page in sheet order, or (tab -1) a dialog outside the sheet.
struct PageRow {
    int tab;
    int templateId;
    const char* caption;
    const ControlRow* controls;
    size_t controlCount;
    bool cacheCells;  // also holds the 50 cells 2000-2049
};

static constexpr PageRow kPages[] = {
//  tab  template caption            controls                                       cells
    { 0, 1107, "Main",            kMainControls, std::size(kMainControls),       false},
    { 1, 1026, "Flags A",         kFlagsAControls, std::size(kFlagsAControls),   false},
    { 2, 1108, "Flags B",         kFlagsBControls, std::size(kFlagsBControls),   false},
    { 3, 1109, "L1 Cache",        kCacheControls, std::size(kCacheControls),     true},
    { 4, 1110, "L2+L3 Cache",     kCacheControls, std::size(kCacheControls),     true},
    { 5, 1112, "Database",        kDatabaseControls, std::size(kDatabaseControls), false},
    { 6, 1113, "OS",              kOsControls, std::size(kOsControls),           false},
    { 7, 1114, "Drives",          kDrivesControls, std::size(kDrivesControls),   false},
    { 8, 1111, "Settings / Help", kSettingsControls, std::size(kSettingsControls), false},
    {-1, 1005, "Tivrel 1.04",     kMessageControls, std::size(kMessageControls), false},
};

// clang-format on

static_assert(std::size(kFlagsAControls) == 1 + 30, "heading and 30 labels");
static_assert(std::size(kFlagsBControls) == 2 + 6 + 25, "2 headings, 6 + 25 labels");
static_assert(std::size(kPages) == 9 + 1, "nine pages and the message dialog");
