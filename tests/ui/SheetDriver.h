// Driving Tivrel.exe from outside: processes, the property sheet, its pages and controls,
// and the one-line-per-check report of a scenario.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// ---- Check report ----
// Each check prints "ok WHAT" or "FAIL WHAT: expected X, got Y"; the driver's exit status is 0
// only when no check failed.
void Pass(const std::string& what);
void Fail(const std::string& what, const std::string& expected, const std::string& got);
bool CheckText(const std::string& what, const std::string& expected, const std::string& got);
bool CheckTrue(const std::string& what, bool condition, const std::string& expected = "true",
               const std::string& got = "false");
int FailureCount();

// ---- Processes ----
// Every process started here is remembered and ended by EndStartedProcesses, which main runs
// after every scenario, passed or failed.
struct Started {
    HANDLE process;
    DWORD processId;
};
Started StartProgram(const std::string& exeName);
bool WaitForExit(const Started& program, DWORD milliseconds);
void EndStartedProcesses();
std::string ExeDirectory();  // the driver's own directory, with a trailing backslash
bool FileExists(const std::string& path);

// ---- The sheet ----
// Polls for a visible top-level dialog with this caption owned by the process; 0 on timeout.
// Notices that open before it are closed, their third lines kept in dismissedNotices.
HWND WaitForSheet(const Started& program, const char* caption, DWORD milliseconds);
bool SelectPage(HWND sheet, int index);  // PSM_SETCURSEL; true when the sheet accepted it
HWND CurrentPage(HWND sheet);
int CurrentTab(HWND sheet);
int TabCount(HWND sheet);
std::string TabCaption(const Started& program, HWND sheet, int index);
void PressSheetButton(HWND sheet, int psbtn);  // PSBTN_OK, PSBTN_CANCEL
bool Responsive(HWND window);

// ---- Controls ----
std::string WindowText(HWND window);
std::string WindowClass(HWND window);  // without any "version!" prefix
std::string Quote(const std::string& text);

extern const char* const kSheetCaption;
extern const char* const kNoticeCaption;   // the message dialog
extern const int kNoticeThirdLine;
extern std::vector<std::string> dismissedNotices;
extern const DWORD kStartTimeoutMs;
extern const DWORD kExitTimeoutMs;
extern const char* const kExeName;

// ---- Steps shared by several scenarios ----
HWND StartAndFindSheet(Started& program);   // a failed check when no sheet shows
void CloseAndExpectExit(const Started& program, HWND sheet, int psbtn, const char* button);
