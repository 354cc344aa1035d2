// The report and the drive survey over any drive answers and any outside texts (labels, file
// systems, brand string, processor name, service pack, address): the markup is that of the same
// report with those texts empty, so none of their '<', '>', '&' or '"' reaches the file
// unescaped; every byte is ASCII; and each size text names the unit its figure was computed in.
#include <vector>

#include "FuzzInput.h"
#include "cpu/ProcessorRecord.h"
#include "database/DescribeState.h"
#include "report/Report.h"
#include "system/MachineSummary.h"
#include "system/WindowsVersion.h"

namespace {

// "N unit" or "N.NN unit": N is the count shifted right by ten bits per unit, cut.
void RequireUnitComputed(uint64_t bytes) {
    static constexpr const char* kUnits[] = {" bytes", " KB", " MB", " GB", " TB", " PB", " EB"};
    char text[24];
    FormatByteSize(static_cast<uint32_t>(bytes), static_cast<uint32_t>(bytes >> 32), text, sizeof text);
    const char* unit = std::strchr(text, ' ');
    if (bytes == 0 || unit == nullptr) {
        Require(bytes == 0 && std::strcmp(text, "None") == 0, "no bytes, and only they, read None");
        return;
    }
    int index = 0;
    while (index < 7 && std::strcmp(unit, kUnits[index]) != 0) ++index;
    Require(index < 7 && std::strtoull(text, nullptr, 10) == bytes >> (10 * index), "the unit named is the one computed in");
}

// Drive answers from the bytes; with emptyTexts, labels and file systems empty.
struct FuzzDrives final : DriveQueries {
    FuzzDrives(FuzzInput& in, bool emptyTexts) : in(in), emptyTexts(emptyTexts), present(in.Word()) {}
    uint32_t PresentDrives() override { return present; }
    void Ask(const char*, DriveAnswers& answers) override {
        in.Bytes(answers.label, sizeof answers.label);   // the survey must end them itself
        in.Bytes(answers.fileSystem, sizeof answers.fileSystem);
        if (emptyTexts) answers.label[0] = answers.fileSystem[0] = '\0';
        answers.serial = in.Word();
        answers.driveType = in.Byte() % 8;
        answers.totalBytes = in.Wide();
        answers.totalFreeBytes = in.Wide();
        RequireUnitComputed(answers.totalBytes);
        RequireUnitComputed(answers.totalFreeBytes);
    }
    FuzzInput& in;
    bool emptyTexts;
    uint32_t present;
};

std::string Report(const uint8_t* data, size_t size, bool emptyTexts) {
    FuzzInput in(data, size);
    char* outside[] = {processorDescription.processorText, processorRecord.brandString, osIdentity.description,
                       machineSummary.ipAddressText};
    const size_t sizes[] = {kDescriptionTextSize, sizeof processorRecord.brandString, kOsDescriptionSize, kSummaryTextSize};
    for (size_t i = 0; i < 4; ++i) {
        in.Text(outside[i], sizes[i]);   // read in full either way, so that the drives are the same
        if (emptyTexts) outside[i][0] = '\0';
    }
    struct : TextSink {
        void WriteText(const char* text) override { bytes += text; }
        std::string bytes;
    } file;
    FuzzDrives drives(in, emptyTexts);
    WriteReportBody(file, drives);
    return file.bytes;
}

// The tags in order, and a bare '&' where one stands (the fixed "Cache Level 2 & 3"); a '>' or
// '"' outside the tags never.
std::vector<std::string> Markup(const std::string& report) {
    std::vector<std::string> markup;
    for (size_t at = 0; at < report.size(); ++at) {
        const char c = report[at];
        Require(static_cast<unsigned char>(c) < 0x80, "every byte is ASCII");
        Require(c != '>' && c != '"', "no '>' or '\"' outside a tag");
        if (c == '&' && report.compare(at, 2, "&#") != 0 && report.compare(at, 4, "&lt;") != 0 &&
            report.compare(at, 4, "&gt;") != 0 && report.compare(at, 5, "&amp;") != 0 && report.compare(at, 6, "&quot;") != 0)
            markup.push_back("&");
        if (c != '<') continue;
        const size_t end = report.find('>', at);
        Require(end != std::string::npos, "every tag is closed");
        markup.push_back(report.substr(at, end + 1 - at));
        at = end;
    }
    return markup;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Require(Markup(Report(data, size, false)) == Markup(Report(data, size, true)), "outside texts add no markup");
    return 0;
}
