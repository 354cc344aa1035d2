// Helpers the scenarios share: starting and ending processes, finding and driving the sheet.
#include "SheetDriver.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <vector>

const char* const kSheetCaption = "Tivrel 1.04 (DB v7)";
const char* const kNoticeCaption = "Tivrel 1.04";
const int kNoticeThirdLine = 852;
const DWORD kStartTimeoutMs = 20000;
const DWORD kExitTimeoutMs = 5000;
const char* const kExeName = "Tivrel.exe";

// Cross-process messages go through SendMessageTimeout so that a hung program fails a check
// instead of hanging the driver.
static const UINT kSendTimeoutMs = 5000;

static int failures = 0;
static std::vector<Started> startedPrograms;

void Pass(const std::string& what) {
    std::printf("ok %s\n", what.c_str());
    std::fflush(stdout);
}

void Fail(const std::string& what, const std::string& expected, const std::string& got) {
    ++failures;
    std::printf("FAIL %s: expected %s, got %s\n", what.c_str(), expected.c_str(), got.c_str());
    std::fflush(stdout);
}

bool CheckText(const std::string& what, const std::string& expected, const std::string& got) {
    if (expected == got) {
        Pass(what + " " + Quote(got));
        return true;
    }
    Fail(what, Quote(expected), Quote(got));
    return false;
}

bool CheckTrue(const std::string& what, bool condition, const std::string& expected,
               const std::string& got) {
    if (condition) {
        Pass(what);
        return true;
    }
    Fail(what, expected, got);
    return false;
}

int FailureCount() { return failures; }

std::string ExeDirectory() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text = path;
    size_t slash = text.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : text.substr(0, slash + 1);
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

Started StartProgram(const std::string& exeName) {
    Started program{};
    std::string path = ExeDirectory() + exeName;
    std::string commandLine = "\"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        ExeDirectory().c_str(), &startup, &info)) {
        Fail("start " + exeName, "a running process", "CreateProcess error " +
             std::to_string(GetLastError()));
        return program;
    }
    CloseHandle(info.hThread);
    program.process = info.hProcess;
    program.processId = info.dwProcessId;
    startedPrograms.push_back(program);
    return program;
}

bool WaitForExit(const Started& program, DWORD milliseconds) {
    return program.process != nullptr &&
           WaitForSingleObject(program.process, milliseconds) == WAIT_OBJECT_0;
}

void EndStartedProcesses() {
    for (const Started& program : startedPrograms) {
        if (WaitForSingleObject(program.process, 0) == WAIT_TIMEOUT) {
            TerminateProcess(program.process, 1);
            WaitForSingleObject(program.process, 5000);
        }
        CloseHandle(program.process);
    }
    startedPrograms.clear();
}

namespace {

struct SheetSearch {
    DWORD processId;
    const char* caption;
    HWND found;
};

BOOL CALLBACK MatchSheet(HWND window, LPARAM lp) {
    SheetSearch* search = reinterpret_cast<SheetSearch*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") != 0) return TRUE;
    if (WindowText(window) != search->caption) return TRUE;
    search->found = window;
    return FALSE;
}

LRESULT Send(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, msg, wp, lp, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result)) {
        return 0;
    }
    return static_cast<LRESULT>(result);
}

}  // namespace

std::vector<std::string> dismissedNotices;

// A processor with leaf-2 descriptors missing from the table raises one notice each while
// the probe runs, before the sheet opens: note its third line and press "Continue".
static void DismissNotice(DWORD processId) {
    SheetSearch search{processId, kNoticeCaption, nullptr};
    EnumWindows(MatchSheet, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) return;
    dismissedNotices.push_back(WindowText(GetDlgItem(search.found, kNoticeThirdLine)));
    SendMessageTimeoutA(search.found, WM_COMMAND, IDOK, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, nullptr);
}

HWND WaitForSheet(const Started& program, const char* caption, DWORD milliseconds) {
    if (program.process == nullptr) return nullptr;
    DWORD start = GetTickCount();
    for (;;) {
        SheetSearch search{program.processId, caption, nullptr};
        EnumWindows(MatchSheet, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) return search.found;
        DismissNotice(program.processId);
        if (GetTickCount() - start > milliseconds) return nullptr;
        if (WaitForSingleObject(program.process, 1) == WAIT_OBJECT_0) return nullptr;
    }
}

bool SelectPage(HWND sheet, int index) {
    return Send(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0) != 0;
}

HWND CurrentPage(HWND sheet) {
    return reinterpret_cast<HWND>(Send(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

static HWND TabControl(HWND sheet) {
    return reinterpret_cast<HWND>(Send(sheet, PSM_GETTABCONTROL, 0, 0));
}

int CurrentTab(HWND sheet) {
    HWND tab = TabControl(sheet);
    return tab ? static_cast<int>(Send(tab, TCM_GETCURSEL, 0, 0)) : -1;
}

int TabCount(HWND sheet) {
    HWND tab = TabControl(sheet);
    return tab ? static_cast<int>(Send(tab, TCM_GETITEMCOUNT, 0, 0)) : -1;
}

// TCM_GETITEMA fills a TCITEMA and a text buffer that must live in the program's own address
// space, so both are placed there and read back.
std::string TabCaption(const Started& program, HWND sheet, int index) {
    HWND tab = TabControl(sheet);
    if (tab == nullptr) return "<no tab control>";
    const SIZE_T textSize = 256;
    char* remote = static_cast<char*>(VirtualAllocEx(program.process, nullptr,
                                                     sizeof(TCITEMA) + textSize,
                                                     MEM_COMMIT, PAGE_READWRITE));
    if (remote == nullptr) return "<VirtualAllocEx failed>";
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = remote + sizeof(TCITEMA);
    item.cchTextMax = static_cast<int>(textSize);
    char text[textSize] = {};
    std::string caption = "<TCM_GETITEMA failed>";
    if (WriteProcessMemory(program.process, remote, &item, sizeof item, nullptr) &&
        WriteProcessMemory(program.process, remote + sizeof(TCITEMA), text, textSize, nullptr) &&
        Send(tab, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote)) &&
        ReadProcessMemory(program.process, remote, &item, sizeof item, nullptr)) {
        // The control may answer with a pointer to its own copy instead of filling our buffer.
        if (ReadProcessMemory(program.process, item.pszText, text, textSize - 1, nullptr)) {
            caption = text;
        }
    }
    VirtualFreeEx(program.process, remote, 0, MEM_RELEASE);
    return caption;
}

void PressSheetButton(HWND sheet, int psbtn) {
    PostMessageA(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(psbtn), 0);
}

bool Responsive(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result) != 0;
}

std::string WindowText(HWND window) {
    char text[2048] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied)) {
        return "<no answer to WM_GETTEXT>";
    }
    return std::string(text, copied < sizeof text ? copied : sizeof text - 1);
}

std::string WindowClass(HWND window) {
    char name[128] = {};
    GetClassNameA(window, name, sizeof name);
    std::string text = name;
    size_t bang = text.find('!');
    return bang == std::string::npos ? text : text.substr(bang + 1);
}

std::string Quote(const std::string& text) {
    std::string quoted = "\"";
    for (unsigned char c : text) {
        if (c < 0x20 || c == '"' || c == '\\' || c >= 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
            quoted += escape;
        } else {
            quoted += static_cast<char>(c);
        }
    }
    return quoted + "\"";
}

// ---- Steps shared by several scenarios ----

HWND StartAndFindSheet(Started& program) {
    program = StartProgram(kExeName);
    HWND sheet = WaitForSheet(program, kSheetCaption, kStartTimeoutMs);
    CheckTrue("sheet " + Quote(kSheetCaption) + " visible", sheet != nullptr,
              "within " + std::to_string(kStartTimeoutMs) + " ms", "no such window");
    return sheet;
}

void CloseAndExpectExit(const Started& program, HWND sheet, int psbtn, const char* button) {
    PressSheetButton(sheet, psbtn);
    CheckTrue(std::string("process ends after ") + button, WaitForExit(program, kExitTimeoutMs),
              "exit within " + std::to_string(kExitTimeoutMs) + " ms", "still running");
}

