// tivrel-ui-driver SCRIPT: drives a program beside the driver (Tivrel.exe by default) from outside,
// one command per line of SCRIPT, and prints what it reads as "name: value" lines. The scenarios
// (tests/ui/scenarios/*.sh) write the script and check the lines. A command that cannot be carried
// out prints "error: ..." and ends the run with status 1; every process started is ended on exit.
//
// Commands (ID: a control id on the current target, the sheet's page or a dialog):
//   start [EXE [CAPTION]]  start EXE, wait for its sheet; "start: N ms". From then on, every notice
//                          for an unknown cache descriptor the program opens (at start-up, on the
//                          database page's Reset, for a report) is answered with "Continue" at
//                          once and printed as "notice: L3"
//   second [EXE]           start another copy; "second: exited" when it ends within 10 s, else "running"
//   tabs                   "tabs: N", "tab I: caption", "current: I"
//   tab N                  select page N; it becomes the target
//   sheet                  the sheet itself becomes the target (its buttons)
//   dialog CAPTION         wait for another window of the program with this caption; it becomes the target
//   dialogwith ID CAPTION  the same, for a window that holds control ID (of two with one caption)
//   gone MS                "gone: yes|no": whether the target window is destroyed within MS
//   windows MS TEXT        waits up to MS for a visible top-level window, of any program, whose
//                          caption holds TEXT; "windows: CAPTION" or "windows: none"
//   children               "children: N", then "child ID CLASS ENABLED VISIBLE: text" for each child
//   text ID...             "text ID: ..." for each ID
//   state ID               "state ID: enabled=E visible=V checked=C"
//   combo ID...            "combo ID: sel=S count=N" and "item ID I: text" for each ID
//   listview ID            "listview ID: rows=N columns=C" and "row ID I: cell | cell | ..."
//   settext ID TEXT        WM_SETTEXT
//   check ID 0|1           BM_SETCHECK
//   select ID POS          CB_SETCURSEL, then CBN_SELCHANGE to the target
//   click ID [CODE]        WM_COMMAND (BN_CLICKED or CODE) sent to the target: returns when handled
//   post ID [CODE]         the same, posted: for commands that open a modal dialog
//   ready                  waits until the program's window thread takes messages again and no
//                          notice is open (a command it handles at length, such as writing a
//                          report, has ended; any other modal dialog still open answers at once,
//                          so wait for it to be gone first);
//                          "ready: N ms" since the last post
//   wait ID MS TEXT        wait until the text is TEXT; waitnot: until it is not; then "text ID: ..."
//   sleep MS
//   shot NAME              create NAME.shot and wait until the runner has taken the screen and removed it
//   close ok|cancel        press the sheet button; "exit: yes|no" within 5 s
//   exit MS                "exit: yes|no": whether the program ends within MS
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

namespace {

const char* const kExeName = "Tivrel.exe";
const char* const kSheetCaption = "Tivrel 1.04 (DB v8)";
const char* const kNoticeCaption = "Tivrel 1.04";
const int kNoticeThirdLine = 852;
const int kNoticeTextView = 1014;
const DWORD kStartTimeoutMs = 20000;
const DWORD kDialogTimeoutMs = 10000;
// Cross-process messages go through SendMessageTimeout so that a hung program fails the run
// instead of hanging the driver.
const UINT kSendTimeoutMs = 5000;

struct Program {
    HANDLE process = nullptr;
    DWORD id = 0;
};
Program program;
HWND sheet = nullptr;
HWND target = nullptr;
DWORD lastPost = 0;   // GetTickCount of the last posted command

CRITICAL_SECTION printing;   // the notice watcher prints beside the script's commands

void Print(const std::string& line) {
    EnterCriticalSection(&printing);
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    LeaveCriticalSection(&printing);
}

[[noreturn]] void Stop(const std::string& why) {
    Print("error: " + why);
    std::exit(1);
}

std::string ExeDirectory() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text = path;
    return text.substr(0, text.find_last_of("\\/") + 1);
}

LRESULT Send(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, msg, wp, lp, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result))
        Stop("no answer to message " + std::to_string(msg));
    return static_cast<LRESULT>(result);
}

std::string WindowText(HWND window) {
    char text[4096] = {};
    const LRESULT copied = Send(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return std::string(text, copied > 0 && copied < static_cast<LRESULT>(sizeof text) ? copied : 0);
}

// The text Windows keeps for a window of another process, read without a message, so that a
// window that is going away (or a busy program) never fails the run.
std::string StoredText(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassName(HWND window) {
    char name[128] = {};
    GetClassNameA(window, name, sizeof name);
    const std::string text = name;
    return text.substr(text.find('!') + 1);   // without a "6.0.0.0!" version prefix
}

Program Start(const std::string& exe) {
    const std::string path = ExeDirectory() + exe;
    std::string commandLine = "\"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        ExeDirectory().c_str(), &startup, &info))
        Stop("cannot start " + exe);
    CloseHandle(info.hThread);
    return {info.hProcess, info.dwProcessId};
}

bool Ended(const Program& started, DWORD milliseconds) {
    return WaitForSingleObject(started.process, milliseconds) == WAIT_OBJECT_0;
}

// The first top-level window, of any program, that the test accepts; nullptr when none does.
struct WindowSearch {
    const std::function<bool(HWND)>& test;
    HWND found;
};

BOOL CALLBACK TestWindow(HWND window, LPARAM lp) {
    WindowSearch& search = *reinterpret_cast<WindowSearch*>(lp);
    if (!search.test(window)) return TRUE;
    search.found = window;
    return FALSE;
}

HWND FindWindowWhere(const std::function<bool(HWND)>& test) {
    WindowSearch search{test, nullptr};
    EnumWindows(TestWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A dialog-class window of the program with this caption (and that control, unless 0), other
// than the sheet; shown already unless said otherwise.
HWND FindProgramWindow(const char* caption, int controlId = 0, bool shown = true) {
    return FindWindowWhere([&](HWND window) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        return owner == program.id && window != sheet && (!shown || IsWindowVisible(window)) &&
               ClassName(window) == "#32770" && StoredText(window) == caption &&
               (controlId == 0 || GetDlgItem(window, controlId) != nullptr);
    });
}

// A notice is the message dialog with neither its second button (About) nor its text view; the
// styles tell even before the dialog is shown.
bool IsNotice(HWND dialog) {
    const auto shown = [dialog](int id) { return (GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0; };
    return !shown(IDCANCEL) && !shown(kNoticeTextView);
}

// A notice the program has opened, shown yet or not.
bool NoticeOpen() {
    HWND notice = FindProgramWindow(kNoticeCaption, 0, false);
    return notice != nullptr && IsNotice(notice);
}

// Notices for unknown cache descriptors are modal and may open whenever the program probes the
// processor: note line 3, press "Continue". Posted, so that the watcher never waits on a program
// that is busy with a command of the script.
DWORD WINAPI WatchNotices(LPVOID) {
    for (HWND answered = nullptr;; Sleep(20)) {
        HWND notice = FindProgramWindow(kNoticeCaption);
        if (notice == nullptr) answered = nullptr;
        if (notice == nullptr || notice == answered || !IsNotice(notice)) continue;
        char line[64] = {};   // a notice that goes away meanwhile leaves it empty
        SendMessageTimeoutA(GetDlgItem(notice, kNoticeThirdLine), WM_GETTEXT, sizeof line, reinterpret_cast<LPARAM>(line),
                            SMTO_ABORTIFHUNG, kSendTimeoutMs, nullptr);
        Print(std::string("notice: ") + line);
        PostMessageA(notice, WM_COMMAND, IDOK, 0);
        answered = notice;
    }
}

void StartSheet(const std::string& exe, const std::string& caption) {
    LARGE_INTEGER frequency, begin, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    program = Start(exe);
    for (;;) {
        if ((sheet = FindProgramWindow(caption.c_str())) != nullptr) break;
        if (Ended(program, 1)) Stop(exe + " ended before its sheet showed");
        QueryPerformanceCounter(&end);
        if ((end.QuadPart - begin.QuadPart) * 1000 / frequency.QuadPart > kStartTimeoutMs)
            Stop("no sheet " + caption);
    }
    QueryPerformanceCounter(&end);
    char ms[32];
    std::snprintf(ms, sizeof ms, "%.1f", 1000.0 * (end.QuadPart - begin.QuadPart) / frequency.QuadPart);
    Print(std::string("start: ") + ms + " ms");
    target = reinterpret_cast<HWND>(Send(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

HWND TabControl() { return reinterpret_cast<HWND>(Send(sheet, PSM_GETTABCONTROL, 0, 0)); }

// Remote memory in the program for messages whose structures hold pointers.
class RemoteBlock {
public:
    explicit RemoteBlock(SIZE_T size)
        : base(static_cast<char*>(VirtualAllocEx(program.process, nullptr, size, MEM_COMMIT, PAGE_READWRITE))) {
        if (base == nullptr) Stop("VirtualAllocEx failed");
    }
    ~RemoteBlock() { VirtualFreeEx(program.process, base, 0, MEM_RELEASE); }
    void Write(SIZE_T offset, const void* data, SIZE_T size) {
        if (!WriteProcessMemory(program.process, base + offset, data, size, nullptr)) Stop("write to the program failed");
    }
    std::string ReadText(const void* at) {
        char text[1024] = {};
        ReadProcessMemory(program.process, at, text, sizeof text - 1, nullptr);
        return text;
    }
    char* base;
};

// TCM_GETITEMA may answer with a pointer to the control's own copy of the text.
std::string TabCaption(HWND tabs, int index) {
    RemoteBlock block(sizeof(TCITEMA) + 256);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = block.base + sizeof item;
    item.cchTextMax = 256;
    block.Write(0, &item, sizeof item);
    if (!Send(tabs, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(block.base))) return "";
    ReadProcessMemory(program.process, block.base, &item, sizeof item, nullptr);
    return block.ReadText(item.pszText);
}

std::string ListViewCell(HWND list, int row, int column) {
    RemoteBlock block(sizeof(LVITEMA) + 256);
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = block.base + sizeof item;
    item.cchTextMax = 256;
    block.Write(0, &item, sizeof item);
    Send(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(block.base));
    return block.ReadText(item.pszText);
}

// Across processes the combo box answers its items in UTF-16 whichever form was asked, so they
// are asked that way and turned back into the program's code page.
std::string ComboItem(HWND combo, int index) {
    wchar_t wide[512] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(combo, CB_GETLBTEXTLEN, index, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length) ||
        length >= sizeof wide / sizeof wide[0] ||
        !SendMessageTimeoutW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(wide), SMTO_ABORTIFHUNG, kSendTimeoutMs, &length))
        Stop("no text of combo item " + std::to_string(index));
    char text[1024] = {};
    WideCharToMultiByte(1252, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

HWND Control(int id) {
    HWND control = target ? GetDlgItem(target, id) : nullptr;
    if (control == nullptr) Stop("no control " + std::to_string(id));
    return control;
}

void Command(int id, int code, bool post) {
    const WPARAM wp = MAKEWPARAM(id, code);
    const LPARAM lp = reinterpret_cast<LPARAM>(Control(id));
    if (post) {
        lastPost = GetTickCount();
        PostMessageA(target, WM_COMMAND, wp, lp);
    } else {
        Send(target, WM_COMMAND, wp, lp);
    }
}

void WaitText(int id, DWORD milliseconds, const std::string& text, bool equal) {
    const DWORD start = GetTickCount();
    std::string now;
    while (((now = WindowText(Control(id))) == text) != equal && GetTickCount() - start < milliseconds) Sleep(100);
    Print("text " + std::to_string(id) + ": " + now);
}

// ---- the script ----

// The text after the one blank that ends the previous argument, kept exactly (it may be empty).
std::string RestOfLine(std::istringstream& args) {
    args.get();
    std::string rest;
    std::getline(args, rest);
    return rest;
}

void Run(const std::string& verb, std::istringstream& args) {
    std::string rest;
    int id = 0;
    int number = 0;
    if (verb == "start") {
        std::string exe = kExeName;
        args >> exe;
        std::getline(args >> std::ws, rest);
        StartSheet(exe, rest.empty() ? kSheetCaption : rest);
    } else if (verb == "second") {
        std::string exe = kExeName;
        args >> exe;
        const Program second = Start(exe);
        Print(std::string("second: ") + (Ended(second, 10000) ? "exited" : "running"));
        TerminateProcess(second.process, 1);
        CloseHandle(second.process);
    } else if (verb == "tabs") {
        HWND tabs = TabControl();
        const int count = static_cast<int>(Send(tabs, TCM_GETITEMCOUNT, 0, 0));
        Print("tabs: " + std::to_string(count));
        for (int i = 0; i < count; ++i) Print("tab " + std::to_string(i) + ": " + TabCaption(tabs, i));
        Print("current: " + std::to_string(Send(tabs, TCM_GETCURSEL, 0, 0)));
    } else if (verb == "tab" && args >> number) {
        Send(sheet, PSM_SETCURSEL, number, 0);
        if (Send(TabControl(), TCM_GETCURSEL, 0, 0) != number) Stop("page " + std::to_string(number) + " not shown");
        target = reinterpret_cast<HWND>(Send(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    } else if (verb == "sheet") {
        target = sheet;
    } else if ((verb == "dialog" || (verb == "dialogwith" && args >> id)) && std::getline(args >> std::ws, rest)) {
        const DWORD start = GetTickCount();
        while ((target = FindProgramWindow(rest.c_str(), verb == "dialog" ? 0 : id)) == nullptr) {
            if (GetTickCount() - start > kDialogTimeoutMs) Stop("no dialog " + rest);
            Sleep(50);
        }
    } else if (verb == "gone" && args >> number) {
        const DWORD start = GetTickCount();
        while (IsWindow(target) && GetTickCount() - start < static_cast<DWORD>(number)) Sleep(5);
        Print(std::string("gone: ") + (IsWindow(target) ? "no" : "yes"));
    } else if (verb == "windows" && args >> number) {
        rest = RestOfLine(args);
        const DWORD start = GetTickCount();
        HWND found;   // visible, its caption holding the text
        while ((found = FindWindowWhere([&](HWND window) {
                    return IsWindowVisible(window) && StoredText(window).find(rest) != std::string::npos;
                })) == nullptr && GetTickCount() - start < static_cast<DWORD>(number))
            Sleep(100);
        Print("windows: " + (found ? StoredText(found) : std::string("none")));
    } else if (verb == "children") {
        int count = 0;
        for (HWND child = GetWindow(target, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++count;
        Print("children: " + std::to_string(count));
        for (HWND child = GetWindow(target, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            Print("child " + std::to_string(GetDlgCtrlID(child)) + " " + ClassName(child) + " " +
                  std::to_string(IsWindowEnabled(child) ? 1 : 0) + " " + std::to_string(IsWindowVisible(child) ? 1 : 0) +
                  ": " + WindowText(child));
        }
    } else if (verb == "text" && args >> id) {
        do Print("text " + std::to_string(id) + ": " + WindowText(Control(id)));
        while (args >> id);
    } else if (verb == "state" && args >> id) {
        HWND control = Control(id);
        Print("state " + std::to_string(id) + ": enabled=" + std::to_string(IsWindowEnabled(control) ? 1 : 0) +
              " visible=" + std::to_string(IsWindowVisible(control) ? 1 : 0) +
              " checked=" + std::to_string(Send(control, BM_GETCHECK, 0, 0)));
    } else if (verb == "combo" && args >> id) {
        do {
            HWND combo = Control(id);
            const int count = static_cast<int>(Send(combo, CB_GETCOUNT, 0, 0));
            Print("combo " + std::to_string(id) + ": sel=" + std::to_string(Send(combo, CB_GETCURSEL, 0, 0)) +
                  " count=" + std::to_string(count));
            for (int i = 0; i < count; ++i) Print("item " + std::to_string(id) + " " + std::to_string(i) + ": " + ComboItem(combo, i));
        } while (args >> id);
    } else if (verb == "listview" && args >> id) {
        HWND list = Control(id);
        const int rows = static_cast<int>(Send(list, LVM_GETITEMCOUNT, 0, 0));
        HWND header = reinterpret_cast<HWND>(Send(list, LVM_GETHEADER, 0, 0));
        const int columns = header ? static_cast<int>(Send(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
        Print("listview " + std::to_string(id) + ": rows=" + std::to_string(rows) + " columns=" + std::to_string(columns));
        for (int r = 0; r < rows; ++r) {
            std::string line = "row " + std::to_string(id) + " " + std::to_string(r) + ":";
            for (int c = 0; c < columns; ++c) line += (c ? " | " : " ") + ListViewCell(list, r, c);
            Print(line);
        }
    } else if (verb == "settext" && args >> id) {
        rest = RestOfLine(args);
        Send(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(rest.c_str()));
    } else if (verb == "check" && args >> id >> number) {
        Send(Control(id), BM_SETCHECK, number ? BST_CHECKED : BST_UNCHECKED, 0);
    } else if (verb == "select" && args >> id >> number) {
        Send(Control(id), CB_SETCURSEL, number, 0);
        Command(id, CBN_SELCHANGE, false);
    } else if ((verb == "click" || verb == "post") && args >> id) {
        int code = BN_CLICKED;
        args >> code;
        Command(id, code, verb == "post");
    } else if ((verb == "wait" || verb == "waitnot") && args >> id >> number) {
        WaitText(id, number, RestOfLine(args), verb == "wait");
    } else if (verb == "ready") {
        // A notice's own message loop answers too: the command goes on once its notices are answered.
        for (DWORD_PTR ignored = 0;; Sleep(20)) {
            if (!SendMessageTimeoutA(sheet, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &ignored)) Stop("the program stays busy");
            if (!NoticeOpen()) break;
        }
        Print("ready: " + std::to_string(GetTickCount() - lastPost) + " ms");
    } else if (verb == "sleep" && args >> number) {
        Sleep(number);
    } else if (verb == "shot" && args >> rest) {
        const std::string marker = rest + ".shot";
        std::ofstream(marker.c_str()).put('\n');
        const DWORD start = GetTickCount();
        while (GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES && GetTickCount() - start < 20000) Sleep(50);
    } else if (verb == "close" && args >> rest) {
        PostMessageA(sheet, PSM_PRESSBUTTON, rest == "cancel" ? PSBTN_CANCEL : PSBTN_OK, 0);
        Print(std::string("exit: ") + (Ended(program, 5000) ? "yes" : "no"));
    } else if (verb == "exit" && args >> number) {
        Print(std::string("exit: ") + (Ended(program, number) ? "yes" : "no"));
    } else {
        Stop("cannot read the command: " + args.str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);   // lines end in "\n" alone, texts keep their bytes
    std::ifstream script(argc > 1 ? argv[1] : "");
    if (!script) {
        std::printf("usage: tivrel-ui-driver SCRIPT (commands: see tests/ui/UiDriver.cpp)\n");
        return 2;
    }
    InitializeCriticalSection(&printing);
    CreateThread(nullptr, 0, WatchNotices, nullptr, 0, nullptr);
    std::atexit([] {
        if (program.process != nullptr && !Ended(program, 0)) TerminateProcess(program.process, 1);
    });
    for (std::string line; std::getline(script, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream args(line);
        std::string verb;
        if (args >> verb) Run(verb, args);
    }
    return 0;
}
