// The Drives page: a list view of every drive, rebuilt on Refresh.
#include "win32/DrivesPage_win32.h"

#include <commctrl.h>

#include "resource.h"
#include "win32/PageProtocol_win32.h"
#include "win32/PlatformDrives_win32.h"

namespace {

// Grid lines, full-row selection, label tips.
constexpr DWORD kListStyles = 0x4021;

class ListViewRows final : public DriveRows {
public:
    explicit ListViewRows(HWND list) : list_(list) {}
    void Row(uint32_t index, const DriveRow& row) override {
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(index);
        item.pszText = const_cast<char*>(row.name);
        SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        const char* const cells[] = {row.type, row.fileSystem, row.size, row.free, row.serial};
        for (int column = 1; column <= 5; ++column) {
            item.iSubItem = column;
            item.pszText = const_cast<char*>(cells[column - 1]);
            SendMessageA(list_, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
        }
    }

private:
    HWND list_;
};

void Survey(HWND page) {
    HWND list = GetDlgItem(page, IDC_DRIVES_LIST);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    PlatformDrives drives;
    ListViewRows rows(list);
    SurveyDrives(drives, rows);
}

INT_PTR OnInitDialog(HWND page) {
    HWND list = GetDlgItem(page, IDC_DRIVES_LIST);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, kListStyles);
    struct Column { const char* header; int width; };
    static constexpr Column kColumns[] = {{"Name", 100}, {"Type", 60}, {"Format", 60},
                                          {"Size", 70},  {"Free", 70}, {"Serial", 70}};
    for (int i = 0; i < 6; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<char*>(kColumns[i].header);
        column.cx = kColumns[i].width;
        SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    Survey(page);
    return TRUE;
}

INT_PTR OnCommand(HWND page, int id) {
    if (id == IDC_DRIVES_REFRESH) Survey(page);
    return TRUE;
}

}  // namespace

INT_PTR CALLBACK DrivesPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_INITDIALOG: return OnInitDialog(page);
    case WM_COMMAND:    return OnCommand(page, LOWORD(wp));
    case WM_NOTIFY:     return AnswerSheetNotification(page, reinterpret_cast<const NMHDR*>(lp));
    }
    return FALSE;
}
