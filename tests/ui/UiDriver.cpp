// tivrel-ui-driver: end-to-end scenarios that run Tivrel.exe (from the driver's own directory)
// and check its property sheet from outside. Usage: tivrel-ui-driver SCENARIO [ARGS...]
// Prints one line per check; exits 0 only when every check passed, 2 for an unknown scenario.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "DialogTemplate.h"
#include "PageExpectations.h"
#include "ProcessorScenarios.h"
#include "ResourceScenario.h"
#include "SheetDriver.h"

namespace {


const char* const kSettingsFile = "vUZU.dat";
const int kApplyButtonId = 0x3021;  // the sheet's Apply button
const int kHelpButtonId = 9;        // IDHELP

std::string Number(long long value) { return std::to_string(value); }

// ---- Expectations as flat rows: the table's rows plus, on the cache pages, the 50 cells ----

std::vector<ControlRow> ExpectedControls(const PageRow& page) {
    std::vector<ControlRow> rows(page.controls, page.controls + page.controlCount);
    if (page.cacheCells) {
        for (int r = 0; r < 10; ++r) {
            for (int c = 0; c < 5; ++c) {
                rows.push_back({2000 + 5 * r + c, Kind::Static, "", Text::kFilled, kPlain,
                                kCacheColumns[c].x, kCacheRowY[r], kCacheColumns[c].w, 8});
            }
        }
    }
    return rows;
}

const char* KindClass(Kind kind) {
    switch (kind) {
    case Kind::Static:   return "Static";
    case Kind::Edit:     return "Edit";
    case Kind::Button:   return "Button";
    case Kind::ComboBox: return "ComboBox";
    case Kind::ListView: return "SysListView32";
    case Kind::UpDown:   return "msctls_updown32";
    }
    return "?";
}

bool SameClass(const std::string& got, Kind kind) {
    return lstrcmpiA(got.c_str(), KindClass(kind)) == 0;
}

std::string RowName(const std::string& where, const ControlRow& row) {
    if (row.id != -1) return where + " control " + Number(row.id);
    return where + " label " + Quote(row.text ? row.text : "");
}

// Compares the style bits a row's traits name; appends "trait" descriptions of mismatches.
void CompareTraits(unsigned traits, Kind kind, uint32_t style, std::string& expected,
                   std::string& got) {
    struct TraitBits { unsigned trait; const char* name; uint32_t mask; uint32_t value; };
    // clang-format off
    static constexpr TraitBits kTraitBits[] = {
    //   trait          name              mask                   value
        {kReadOnly,     "ES_READONLY",    ES_READONLY,           ES_READONLY},
        {kMultiLine,    "ES_MULTILINE",   ES_MULTILINE,          ES_MULTILINE},
        {kVScroll,      "WS_VSCROLL",     WS_VSCROLL,            WS_VSCROLL},
        {kCentred,      "centred",        SS_TYPEMASK,           SS_CENTER},
        {kSunken,       "SS_SUNKEN",      SS_SUNKEN,             SS_SUNKEN},
        {kBlackRect,    "SS_BLACKRECT",   SS_TYPEMASK,           SS_BLACKRECT},
        {kDropDownList, "CBS_DROPDOWNLIST", 3,                   CBS_DROPDOWNLIST},
        {kDropDown,     "CBS_DROPDOWN",   3,                     CBS_DROPDOWN},
        {kPushButton,   "BS_PUSHBUTTON",  BS_TYPEMASK,           BS_PUSHBUTTON},
        {kDefButton,    "BS_DEFPUSHBUTTON", BS_TYPEMASK,         BS_DEFPUSHBUTTON},
        {kAutoCheckBox, "BS_AUTOCHECKBOX", BS_TYPEMASK,          BS_AUTOCHECKBOX},
        {kGroupBox,     "BS_GROUPBOX",    BS_TYPEMASK,           BS_GROUPBOX},
        {kReport,       "report view, single selection, selection always shown, no sort header",
                        LVS_TYPEMASK | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                        LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER},
        {kNoBorder,     "no WS_BORDER",   WS_BORDER,             0},
        {kBorder,       "WS_BORDER",      WS_BORDER,             WS_BORDER},
    };
    // clang-format on
    for (const TraitBits& bits : kTraitBits) {
        if ((traits & bits.trait) == 0) continue;
        uint32_t mask = bits.mask;
        // An edit box is centred by ES_CENTER, in the low two bits.
        if (bits.trait == kCentred && kind == Kind::Edit) mask = ES_CENTER | ES_RIGHT;
        if ((style & mask) != bits.value) {
            expected += std::string(" ") + bits.name;
            char text[32];
            std::snprintf(text, sizeof text, " style %08lX", static_cast<unsigned long>(style));
            got += text;
        }
    }
    const bool hidden = (traits & kHidden) != 0;
    if (((style & WS_VISIBLE) == 0) != hidden) {
        expected += hidden ? " hidden" : " WS_VISIBLE";
        got += hidden ? " visible" : " hidden";
    }
}

// ---- Template level: the resource itself, read from the executable file ----

void CheckTemplate(const std::string& exePath, const PageRow& page) {
    const std::string where = "template " + Number(page.templateId);
    DialogTemplate dialog = ReadDialogTemplate(exePath.c_str(), page.templateId);
    if (!CheckTrue(where + " present", dialog.found, "an RT_DIALOG resource", "none")) return;

    CheckText(where + " caption", page.caption, dialog.caption);
    CheckText(where + " font", "MS Sans Serif 8",
              dialog.fontFace + " " + Number(dialog.fontPoints));
    const bool isPage = page.tab >= 0;
    const int wantW = isPage ? 300 : 190;
    const int wantH = isPage ? 175 : 72;
    CheckTrue(where + " size", dialog.w == wantW && dialog.h == wantH,
              Number(wantW) + " x " + Number(wantH), Number(dialog.w) + " x " + Number(dialog.h));
    const uint32_t wantStyle = isPage ? (WS_CAPTION | DS_SETFONT | DS_SETFOREGROUND | DS_CENTER)
                                      : (WS_CAPTION | DS_MODALFRAME | DS_SYSMODAL | DS_CENTER);
    const uint32_t forbidden = isPage ? 0 : WS_SYSMENU;
    CheckTrue(where + " style", (dialog.style & wantStyle) == wantStyle &&
                                    (dialog.style & forbidden) == 0,
              isPage ? "caption, set-font, set-foreground, centre"
                     : "caption, modal frame, system-modal, centre, no system menu",
              "style " + Number(dialog.style));

    std::vector<ControlRow> rows = ExpectedControls(page);
    std::vector<bool> matched(dialog.items.size(), false);
    for (const ControlRow& row : rows) {
        const std::string name = RowName(where, row);
        int found = -1;
        int count = 0;
        for (size_t i = 0; i < dialog.items.size(); ++i) {
            const TemplateItem& item = dialog.items[i];
            if (matched[i] || item.id != row.id) continue;
            if (row.id == -1 && (!SameClass(item.className, row.kind) || item.text != row.text)) {
                continue;
            }
            if (found < 0) found = static_cast<int>(i);
            ++count;
        }
        if (found < 0) {
            Fail(name, std::string(KindClass(row.kind)) + (row.text ? " " + Quote(row.text) : ""),
                 "no such control");
            continue;
        }
        matched[found] = true;
        if (row.id != -1 && count > 1) {
            Fail(name, "one control with this id", Number(count));
            continue;
        }
        const TemplateItem& item = dialog.items[found];
        std::string expected, got;
        if (!SameClass(item.className, row.kind)) {
            expected += std::string(" class ") + KindClass(row.kind);
            got += " class " + item.className;
        }
        if (row.text != nullptr && item.text != row.text) {
            expected += " text " + Quote(row.text);
            got += " text " + Quote(item.text);
        }
        const bool wholeRect = row.w > 0;
        const bool position = wholeRect || row.x != 0 || row.y != 0;
        if ((position && (item.x != row.x || item.y != row.y)) ||
            (wholeRect && (item.w != row.w || item.h != row.h))) {
            expected += " at " + Number(row.x) + "," + Number(row.y);
            got += " at " + Number(item.x) + "," + Number(item.y);
            if (wholeRect) {
                expected += " size " + Number(row.w) + "x" + Number(row.h);
                got += " size " + Number(item.w) + "x" + Number(item.h);
            }
        }
        CompareTraits(row.traits, row.kind, item.style, expected, got);
        if (expected.empty()) {
            Pass(name);
        } else {
            Fail(name, expected.substr(1), got.substr(1));
        }
    }
    // Any other id would be a control the code can address by mistake (a greyed flag bit, say).
    for (size_t i = 0; i < dialog.items.size(); ++i) {
        if (!matched[i] && dialog.items[i].id != -1) {
            Fail(where + " control " + Number(dialog.items[i].id), "no such id",
                 dialog.items[i].className + " " + Quote(dialog.items[i].text));
        }
    }
    if (page.cacheCells) {
        CheckTrue(where + " control count", dialog.items.size() == 55, "55",
                  Number(static_cast<long long>(dialog.items.size())));
    }
}

// ---- Run-time level: the page window the sheet created from the template ----

void CheckLivePage(HWND sheet, const PageRow& page) {
    const std::string where = "page " + Quote(page.caption);
    SelectPage(sheet, page.tab);
    CheckTrue(where + " selected", CurrentTab(sheet) == page.tab, "tab " + Number(page.tab),
              "tab " + Number(CurrentTab(sheet)));
    HWND pageWindow = CurrentPage(sheet);
    if (!CheckTrue(where + " window", pageWindow != nullptr, "a page window", "none")) return;

    for (const ControlRow& row : ExpectedControls(page)) {
        if (row.id == -1) continue;
        const std::string name = where + " control " + Number(row.id);
        HWND control = GetDlgItem(pageWindow, row.id);
        if (control == nullptr) {
            Fail(name, KindClass(row.kind), "no such control");
            continue;
        }
        std::string expected, got;
        const std::string className = WindowClass(control);
        if (!SameClass(className, row.kind)) {
            expected += std::string(" class ") + KindClass(row.kind);
            got += " class " + className;
        }
        const bool hidden = (row.traits & kHidden) != 0;
        if (IsWindowVisible(control) == hidden) {
            expected += hidden ? " hidden" : " visible";
            got += hidden ? " visible" : " hidden";
        }
        if (row.use == Text::kFixed && row.text != nullptr) {
            const std::string text = WindowText(control);
            if (text != row.text) {
                expected += " text " + Quote(row.text);
                got += " text " + Quote(text);
            }
        }
        if (expected.empty()) {
            Pass(name);
        } else {
            Fail(name, expected.substr(1), got.substr(1));
        }
    }
}

// ---- Scenario steps shared by several scenarios ----

void ExpectNoSettingsFile() {
    const std::string path = ExeDirectory() + kSettingsFile;
    CheckTrue(std::string("no ") + kSettingsFile + " beside the exe", !FileExists(path), "absent",
              "present");
}

// ---- Scenarios ----

void ScenarioSheet(const Args&) {
    Started program{};
    HWND sheet = StartAndFindSheet(program);
    if (sheet == nullptr) return;
    CheckText("sheet caption", kSheetCaption, WindowText(sheet));

    const int tabs = TabCount(sheet);
    CheckTrue("tab count", tabs == 9, "9", Number(tabs));
    for (const PageRow& page : kPages) {
        if (page.tab < 0) continue;
        CheckText("tab " + Number(page.tab) + " caption", page.caption,
                  TabCaption(program, sheet, page.tab));
    }
    const int startTab = CurrentTab(sheet);
    CheckTrue("start page is Main", startTab == 0, "tab 0", "tab " + Number(startTab));

    struct ButtonRow { int id; const char* name; bool visible; };
    // clang-format off
    static constexpr ButtonRow kButtons[] = {
    //   id              name      visible
        {IDOK,           "OK",     true},
        {IDCANCEL,       "Cancel", true},
        {kApplyButtonId, "Apply",  false},
        {kHelpButtonId,  "Help",   false},
    };
    // clang-format on
    for (const ButtonRow& button : kButtons) {
        HWND window = GetDlgItem(sheet, button.id);
        const bool visible = window != nullptr && IsWindowVisible(window);
        CheckTrue(std::string("sheet button ") + button.name +
                      (button.visible ? " shown" : " not shown"),
                  visible == button.visible, button.visible ? "visible" : "absent or hidden",
                  visible ? "visible" : "absent or hidden");
    }
    CloseAndExpectExit(program, sheet, PSBTN_OK, "OK");
    ExpectNoSettingsFile();
}

// Leaving "Settings / Help" by Cancel must not save: Cancel sends no PSN_KILLACTIVE.
void ScenarioCancel(const Args&) {
    Started program{};
    HWND sheet = StartAndFindSheet(program);
    if (sheet == nullptr) return;
    CheckTrue("select Settings / Help", SelectPage(sheet, 8) && CurrentTab(sheet) == 8, "tab 8",
              "tab " + Number(CurrentTab(sheet)));
    CloseAndExpectExit(program, sheet, PSBTN_CANCEL, "Cancel");
    ExpectNoSettingsFile();
}

void ScenarioTemplates(const Args&) {
    const std::string exePath = ExeDirectory() + kExeName;
    for (const PageRow& page : kPages) CheckTemplate(exePath, page);

    Started program{};
    HWND sheet = StartAndFindSheet(program);
    if (sheet == nullptr) return;
    for (const PageRow& page : kPages) {
        if (page.tab >= 0) CheckLivePage(sheet, page);
    }
    CloseAndExpectExit(program, sheet, PSBTN_OK, "OK");
}

void ScenarioSecondInstance(const Args&) {
    Started first{};
    HWND sheet = StartAndFindSheet(first);
    if (sheet == nullptr) return;

    Started second = StartProgram(kExeName);
    CheckTrue("second instance ends by itself", WaitForExit(second, 10000), "exit within 10000 ms",
              "still running");
    CheckTrue("first sheet still open", IsWindow(sheet) && IsWindowVisible(sheet), "visible",
              "gone");
    CheckTrue("first sheet responsive", Responsive(sheet), "answers WM_NULL", "no answer");
    CheckTrue("first sheet switches pages", SelectPage(sheet, 1) && CurrentTab(sheet) == 1,
              "tab 1", "tab " + Number(CurrentTab(sheet)));
    CheckTrue("first process still running", !WaitForExit(first, 0), "running", "ended");
    CloseAndExpectExit(first, sheet, PSBTN_OK, "OK");
    ExpectNoSettingsFile();
}

// Not a test: start-up time of a program, from CreateProcess to its sheet being visible.
// Args: [exe name] [sheet caption] [runs]; prints each run and "median_ms=N".
void ModeStartupTime(const Args& args) {
    const std::string exe = args.size() > 0 ? args[0] : kExeName;
    const std::string caption = args.size() > 1 ? args[1] : kSheetCaption;
    const int runs = args.size() > 2 ? std::max(1, std::atoi(args[2].c_str())) : 5;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        LARGE_INTEGER begin, end;
        QueryPerformanceCounter(&begin);
        Started program = StartProgram(exe);
        HWND sheet = WaitForSheet(program, caption.c_str(), kStartTimeoutMs);
        QueryPerformanceCounter(&end);
        if (!CheckTrue(exe + " run " + Number(run + 1) + " shows its sheet", sheet != nullptr,
                       "visible", "no sheet")) {
            return;
        }
        times.push_back(1000.0 * static_cast<double>(end.QuadPart - begin.QuadPart) /
                        static_cast<double>(frequency.QuadPart));
        std::printf("run %d: %.1f ms\n", run + 1, times.back());
        PressSheetButton(sheet, PSBTN_CANCEL);
        const bool ended = WaitForExit(program, kExitTimeoutMs);
        if (!CheckTrue(exe + " run " + Number(run + 1) + " ends", ended, "exit", "still running")) {
            return;
        }
        EndStartedProcesses();
    }
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    const double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
    std::printf("median_ms=%.1f\n", median);
}

struct ScenarioRow {
    const char* name;
    void (*run)(const Args& args);
    const char* what;
};

// clang-format off
const ScenarioRow kScenarios[] = {
//   name               run                     what
    {"sheet",           ScenarioSheet,          "caption, nine tabs, start page, buttons, OK"},
    {"cancel",          ScenarioCancel,         "Cancel ends the process and saves nothing"},
    {"templates",       ScenarioTemplates,      "every template's controls, every page's windows"},
    {"second-instance", ScenarioSecondInstance, "a second start ends; the first carries on"},
    {"resources",       ScenarioResources,      "version record, icon groups, manifest, template 1005"},
    {"processor",       ScenarioProcessor,      "notices, Freq, flags and cache pages against tivrel-cpuid"},
    {"startup-time",    ModeStartupTime,        "[exe] [caption] [runs]: median start-up ms"},
    {"main-frequency",  ModeMainFrequency,      "the Main page's first measurement in MHz"},
    {"wait-sheet",      ModeWaitSheet,          "waits for a running sheet to show"},
    {"close-sheet",     ModeCloseSheet,         "closes a running sheet with OK"},
};
// clang-format on

}  // namespace

int main(int argc, char** argv) {
    const ScenarioRow* scenario = nullptr;
    for (const ScenarioRow& row : kScenarios) {
        if (argc > 1 && lstrcmpA(argv[1], row.name) == 0) scenario = &row;
    }
    if (scenario == nullptr) {
        std::printf("usage: tivrel-ui-driver SCENARIO [ARGS...]\n");
        for (const ScenarioRow& row : kScenarios) std::printf("  %-16s %s\n", row.name, row.what);
        return 2;
    }
    Args args(argv + 2, argv + argc);
    scenario->run(args);
    EndStartedProcesses();
    const int failures = FailureCount();
    std::printf("%s: %s\n", scenario->name,
                failures == 0 ? "passed" : (Number(failures) + " check(s) failed").c_str());
    return failures == 0 ? 0 : 1;
}
