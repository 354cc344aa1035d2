// The Main, flags and cache pages against tivrel-cpuid's answer for this machine
// ("cpuid.txt" beside the driver) and the kernel's time-stamp-counter figure
// ("kernel-mhz.txt"), both written by the runner.
#include "ProcessorScenarios.h"

#include <windows.h>
#include <prsht.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>

#include "PageExpectations.h"
#include "SheetDriver.h"

namespace {

constexpr int kMainTab = 0;
constexpr int kFlagsATab = 1;
constexpr int kFlagsBTab = 2;
constexpr int kL1CacheTab = 3;
constexpr int kL23CacheTab = 4;
constexpr int kFreqField = 1201;
constexpr int kFirstCell = 2000;
constexpr uint32_t kTimeStampCounterBit = 1u << 4;
// The first measurement takes 3 s and shows at the first 5-second tick; allow for a slow start.
constexpr DWORD kFrequencyTimeoutMs = 20000;
constexpr double kFrequencyTolerance = 0.005;

using Fields = std::map<std::string, std::string>;

// "name: value" lines; a name that repeats (unknownDescriptor) keeps every value, "|"-joined.
bool ReadFields(const std::string& file, Fields& fields) {
    std::ifstream in(ExeDirectory() + file, std::ios::binary);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        const size_t colon = line.find(": ");
        if (colon == std::string::npos) continue;
        const std::string name = line.substr(0, colon);
        const std::string value = line.substr(colon + 2);
        fields[name] = fields.count(name) ? fields[name] + "|" + value : value;
    }
    return true;
}

uint32_t HexField(const Fields& fields, const char* name) {
    auto it = fields.find(name);
    return it == fields.end() ? 0 : static_cast<uint32_t>(std::strtoul(it->second.c_str(), nullptr, 16));
}

std::vector<std::string> SplitCells(const std::string& row) {
    std::vector<std::string> cells;
    size_t start = 0;
    for (size_t bar; (bar = row.find(" | ", start)) != std::string::npos; start = bar + 3)
        cells.push_back(row.substr(start, bar - start));
    cells.push_back(row.substr(start));
    return cells;
}

HWND ShowPage(HWND sheet, int tab) {
    SelectPage(sheet, tab);
    return CurrentPage(sheet);
}

// Flags A holds featuresEdx (ids 1000 + bit); Flags B featuresEcx (1050 + bit) and
// extFeaturesEdx (1100 + bit).
void CheckFlagPage(HWND sheet, int tab, const Fields& fields) {
    const PageRow& page = kPages[tab];
    HWND window = ShowPage(sheet, tab);
    for (size_t i = 0; i < page.controlCount; ++i) {
        const ControlRow& row = page.controls[i];
        if (row.id < 0) continue;
        const int base = tab == kFlagsATab ? 1000 : row.id < 1100 ? 1050 : 1100;
        const char* word = base == 1000 ? "featuresEdx" : base == 1050 ? "featuresEcx" : "extFeaturesEdx";
        const int bit = row.id - base;
        const bool present = (HexField(fields, word) >> bit) & 1;
        const bool enabled = IsWindowEnabled(GetDlgItem(window, row.id)) != FALSE;
        CheckTrue(std::string(page.caption) + " " + Quote(row.text) + " (" + word + " bit " + std::to_string(bit) + ")",
                  enabled == present, present ? "enabled" : "greyed", enabled ? "enabled" : "greyed");
    }
}

void CheckCachePage(HWND sheet, int tab, const char* grid, const Fields& fields) {
    HWND window = ShowPage(sheet, tab);
    const int rowCount = std::atoi(fields.count(std::string(grid) + ".rowCount")
                                       ? fields.at(std::string(grid) + ".rowCount").c_str() : "0");
    for (int r = 0; r < 10; ++r) {
        std::vector<std::string> cells(5);
        const std::string key = std::string(grid) + "[" + std::to_string(r) + "]";
        if (r < rowCount && fields.count(key)) cells = SplitCells(fields.at(key));
        if (r == 0 && rowCount == 0) cells[0] = "None Detected";
        cells.resize(5);
        for (int c = 0; c < 5; ++c) {
            const int id = kFirstCell + 5 * r + c;
            CheckText(std::string(grid) + " cell " + std::to_string(id), cells[c],
                      WindowText(GetDlgItem(window, id)));
        }
    }
}

void CheckNotices(const Fields& fields) {
    std::string expected;
    auto it = fields.find("unknownDescriptor");
    if (it != fields.end()) expected = it->second;
    std::string got;
    for (const std::string& line : dismissedNotices) got += (got.empty() ? "" : "|") + line;
    CheckText("unknown-descriptor notices, third lines", expected, got);
}

double KernelMhz() {
    std::ifstream in(ExeDirectory() + "kernel-mhz.txt");
    double mhz = 0;
    in >> mhz;
    return mhz;
}

// Waits for the Main page's field to leave "Calculating..."; returns its last text.
std::string AwaitFrequency(HWND sheet) {
    HWND main = ShowPage(sheet, kMainTab);
    const DWORD start = GetTickCount();
    std::string text = WindowText(GetDlgItem(main, kFreqField));
    while (text == "Calculating..." && GetTickCount() - start < kFrequencyTimeoutMs) {
        Sleep(250);
        text = WindowText(GetDlgItem(main, kFreqField));
    }
    return text;
}

void CheckFrequency(HWND sheet, const Fields& fields) {
    HWND main = ShowPage(sheet, kMainTab);
    HWND field = GetDlgItem(main, kFreqField);
    if (!(HexField(fields, "featuresEdx") & kTimeStampCounterBit)) {
        CheckText("Freq without a time-stamp counter", "Not Supported", WindowText(field));
        CheckTrue("Freq greyed", !IsWindowEnabled(field), "greyed", "enabled");
        return;
    }
    CheckText("Freq while measuring", "Calculating...", WindowText(field));
    const std::string text = AwaitFrequency(sheet);
    const double shown = std::atof(text.c_str());
    if (!CheckTrue("Freq reads \"N MHz\"", shown > 0 && text.size() > 4 && text.substr(text.size() - 4) == " MHz",
                   "N MHz", Quote(text)))
        return;
    const double kernel = KernelMhz();
    if (kernel <= 0) {
        std::printf("note: no kernel TSC figure; Freq %s not compared\n", text.c_str());
        return;
    }
    const double deviation = (shown - kernel) / kernel;
    char expected[64], got[64];
    std::snprintf(expected, sizeof expected, "within 0.5%% of %.3f MHz", kernel);
    std::snprintf(got, sizeof got, "%s (%+.3f%%)", text.c_str(), 100 * deviation);
    CheckTrue("Freq " + text + " against the kernel's TSC figure", deviation < kFrequencyTolerance && deviation > -kFrequencyTolerance,
              expected, got);
}

HWND FindAnySheet(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND sheet = FindWindowA("#32770", kSheetCaption);
        if ((sheet != nullptr && IsWindowVisible(sheet)) || GetTickCount() - start > milliseconds) return sheet;
        Sleep(100);
    }
}

}  // namespace

void ScenarioProcessor(const Args&) {
    Fields fields;
    if (!CheckTrue("tivrel-cpuid answer for this machine", ReadFields("cpuid.txt", fields) && !fields.empty(),
                   "cpuid.txt", "missing"))
        return;
    Started program{};
    HWND sheet = StartAndFindSheet(program);
    if (sheet == nullptr) return;
    CheckNotices(fields);
    CheckFrequency(sheet, fields);
    CheckFlagPage(sheet, kFlagsATab, fields);
    CheckFlagPage(sheet, kFlagsBTab, fields);
    CheckCachePage(sheet, kL1CacheTab, "level1Grid", fields);
    CheckCachePage(sheet, kL23CacheTab, "level23Grid", fields);
    CloseAndExpectExit(program, sheet, PSBTN_OK, "OK");
}

// Not a test: the Main page's first measurement, as "frequency_mhz=N".
void ModeMainFrequency(const Args&) {
    Started program{};
    HWND sheet = StartAndFindSheet(program);
    if (sheet == nullptr) return;
    const std::string text = AwaitFrequency(sheet);
    std::printf("frequency_mhz=%d\n", std::atoi(text.c_str()));
    CloseAndExpectExit(program, sheet, PSBTN_OK, "OK");
}

// For the run script: a sheet started by someone else shows, or is closed with OK.
void ModeWaitSheet(const Args&) {
    CheckTrue("sheet visible", FindAnySheet(kStartTimeoutMs) != nullptr, "within 20000 ms", "no sheet");
}

void ModeCloseSheet(const Args&) {
    HWND sheet = FindAnySheet(0);
    if (CheckTrue("sheet to close", sheet != nullptr, "open", "no sheet")) PressSheetButton(sheet, PSBTN_OK);
}
