// Windows version detection over any version record, a service-pack text without terminator
// among them: the description ends inside its buffer and names a row of the release table, and
// the OS page shows it. On the NT line a detected row's name opens the description, the
// announced names of 6.0 (rows 24 and 25) are never detected, and a newer Windows keeps row 0.
#include <string>

#include "FakePageControls.h"
#include "FuzzInput.h"
#include "resource.h"
#include "system/OsPage.h"
#include "system/ReleaseTable.h"
#include "system/WindowsVersion.h"

namespace {

class FuzzMetrics final : public SystemMetrics {
public:
    explicit FuzzMetrics(FuzzInput& in) : tabletPc_(in.Word()), mediaCenter_(in.Word()) {}
    int32_t Metric(int32_t index) override { return index == 86 ? tabletPc_ : mediaCenter_; }

private:
    int32_t tabletPc_, mediaCenter_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    WindowsVersionInfo info;
    in.Bytes(&info, sizeof info);
    const bool extended = in.Byte() & 1;
    FuzzMetrics metrics(in);
    IdentifyWindows(info, extended, metrics);
    Require(Terminated(osIdentity.description, kOsDescriptionSize), "the description ends inside its buffer");
    Require(osIdentity.releaseIndex < kReleaseRowCount, "the release is a row of the table");
    Require(osIdentity.releaseIndex != 24 && osIdentity.releaseIndex != 25, "Longhorn and Blackcomb are history only");
    const std::string description = osIdentity.description;
    if (info.platformId == 2 && osIdentity.releaseIndex != 0)
        Require(description.rfind(ReleaseAt(osIdentity.releaseIndex).name, 0) == 0, "the row's name opens the text");
    if (description.rfind("Newer Windows", 0) == 0)
        Require(osIdentity.releaseIndex == 0 && info.majorVersion >= 10, "a newer Windows is no known row");

    std::vector<int> ids;
    for (int id = 1000; id < 1100; ++id) ids.push_back(id);
    FakePageControls page(ids);
    InitOsPage(page);
    Require(page[IDC_OS_NAME].text == osIdentity.description, "the OS page names the detected release");
    return 0;
}
