// The report's file: chosen with the save dialog, created anew, written through a TextSink.
#include "win32/Report_win32.h"

#include <commdlg.h>

#include "cpu/NativeCpuid.h"
#include "database/DescribeProcessor.h"
#include "probe/ProbeProcessor.h"
#include "report/Report.h"
#include "text/TextRoutines.h"
#include "ui/MessageDialog.h"
#include "ui/PageControls.h"
#include "win32/DescriptorNoticeDialog_win32.h"
#include "win32/PageProtocol_win32.h"
#include "win32/PlatformDrives_win32.h"

namespace {

constexpr DWORD kFileNameSize = 600;
constexpr char kFilter[] = "HTML Files\0*.htm\0All Files\0*.*\0";   // and the literal's own zero
// OFN_HIDEREADONLY, OFN_PATHMUSTEXIST, OFN_EXPLORER, OFN_LONGNAMES, and OFN_OVERWRITEPROMPT so
// that an existing file is replaced only when the user says so.
constexpr DWORD kDialogFlags = 0x280804 | OFN_OVERWRITEPROMPT;

class FileSink final : public TextSink {
public:
    explicit FileSink(HANDLE file) : file_(file) {}
    void WriteText(const char* text) override {
        DWORD written;
        WriteFile(file_, text, TextLength(text), &written, nullptr);
    }

private:
    HANDLE file_;
};

// The request persists between calls, so the filter chosen last time is offered again; the
// structure size is that of Windows 95 and NT 4.0, which refuse the longer one.
int ChooseReportFile(HWND owner, char* fileName, const char* filter) {
    static OPENFILENAMEA request;
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    request.hwndOwner = owner;
    request.hInstance = appInstance;
    request.lpstrFilter = filter;
    request.lpstrFile = fileName;
    request.nMaxFile = kFileNameSize;
    request.lpstrTitle = kProductLine;
    request.Flags = kDialogFlags;
    request.lpstrDefExt = nullptr;   // a name typed without extension is used as typed
    return GetSaveFileNameA(&request);
}

}  // namespace

// Nothing is probed or written when the dialog is cancelled; nothing is written (or shown) when
// the file cannot be created.
void WriteReport(HWND owner) {
    char fileName[kFileNameSize] = "Report.htm";
    if (ChooseReportFile(owner, fileName, kFilter) != 1) return;
    NativeCpuid cpu;
    DescriptorNoticeDialog notice;
    ProbeProcessor(cpu, notice);
    describeState.showingDetected = 1;
    NoControls texts;   // only the description's texts are wanted
    DescribeProcessor(texts);
    HANDLE file = CreateFileA(fileName, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    FileSink sink(file);
    PlatformDrives drives;
    WriteReportBody(sink, drives);
    CloseHandle(file);
}
