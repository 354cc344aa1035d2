// The OS page: the release list and the details of one row, or of this computer.
#include "system/OsPage.h"

#include "resource.h"
#include "system/ReleaseCommentary.h"
#include "system/ReleaseTable.h"
#include "system/WindowsVersion.h"
#include "text/TextRoutines.h"

uint32_t osPageSelection;

namespace {

constexpr size_t kNamePrefix = 8;   // "Windows ", which the list leaves out

void ShowNumber(PageControls& page, int id, uint32_t value) {
    char text[kDecimalTextSize] = "";
    AppendUnsigned(value, text, sizeof text);
    page.SetText(id, text);
}

void ShowBuild(PageControls& page, uint32_t build) {
    char text[32];
    FormatBuildNumber(build, text, sizeof text);
    page.SetText(IDC_OS_BUILD, text);
}

}  // namespace

// Items go in at explicit positions, so that position p is row p whatever the list's sort style.
void InitOsPage(PageControls& page) {
    for (uint32_t row = 0; ReleaseAt(row).name != nullptr; ++row) {
        const char* name = ReleaseAt(row).name;
        page.InsertItem(IDC_OS_RELEASE_LIST, static_cast<int>(row),
                        TextLength(name) > kNamePrefix ? name + kNamePrefix : "");
    }
    osPageSelection = 0;
    page.SetSelection(IDC_OS_RELEASE_LIST, 0);
    ShowReleaseDetails(page);
}

// A list without a selection (it cannot lose the one it was given) reads as this computer.
void OsListCommand(PageControls& page) {
    const int selection = page.GetSelection(IDC_OS_RELEASE_LIST);
    osPageSelection = selection > 0 && static_cast<uint32_t>(selection) < kReleaseRowCount ? selection : 0;
    ShowReleaseDetails(page);
}

void ShowReleaseDetails(PageControls& page) {
    const uint32_t row = osPageSelection == 0 ? osIdentity.releaseIndex : osPageSelection;
    const OsRelease& release = ReleaseAt(row);
    char text[32];
    FormatReleaseDate(release.releaseDate, text, sizeof text);
    page.SetText(IDC_OS_DATE, text);
    page.SetText(IDC_OS_NAME, release.name);
    page.SetText(IDC_OS_CODE_NAME, release.codeName);
    page.SetText(IDC_OS_FAMILY, release.family);
    ShowNumber(page, IDC_OS_MAJOR_VERSION, release.version >> 24);
    ShowNumber(page, IDC_OS_MINOR_VERSION, (release.version >> 16) & 0xFF);
    ShowBuild(page, release.build);
    page.SetText(IDC_OS_COMMENTARY, ReleaseCommentary(row));
    page.SetText(IDC_OS_EXTRA, "");
    if (osPageSelection != 0) return;
    // This computer: the detection's own text and the numbers the platform reports.
    const WindowsVersionInfo& live = osIdentity.versionInfo;
    page.SetText(IDC_OS_NAME, osIdentity.description);
    ShowNumber(page, IDC_OS_MAJOR_VERSION, live.majorVersion);
    ShowNumber(page, IDC_OS_MINOR_VERSION, live.minorVersion);
    ShowBuild(page, live.buildNumber);
    page.SetText(IDC_OS_EXTRA, live.csdVersion);
}
