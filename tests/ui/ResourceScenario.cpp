// Reads Tivrel.exe's resources as data: the version record's numbers and texts, the two
// icon groups with their images, and the manifest that binds common controls 6.0.
#include "ResourceScenario.h"

#include <windows.h>

#include <cstdio>

#include "SheetDriver.h"

namespace {

#pragma pack(push, 2)
// One entry of an RT_GROUP_ICON resource.
struct GroupIconEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct GroupIconHeader {
    WORD reserved, type, count;
};
#pragma pack(pop)

struct IconImage { int size; int bitCount; };
struct IconGroup { int id; IconImage images[3]; int count; };
// clang-format off
const IconGroup kIconGroups[] = {
//   id   images (pixels, bits per pixel)           count
    {500, {{32, 4}, {16, 4}, {48, 8}},              3},
    {502, {{32, 4}},                                1},
};
// clang-format on

struct VersionText { const char* name; const char* value; };
// clang-format off
const VersionText kVersionTexts[] = {
//   name                value
    {"FileVersion",      "1.04"},
    {"FileDescription",  "CPUID Database & System Information"},
    {"InternalName",     "Tivrel.exe"},
    {"Database",         "7th Edition December 04"},
};
// clang-format on

std::string Resource(HMODULE module, LPCSTR type, int id) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    if (found == nullptr) return "";
    const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
    return data ? std::string(data, SizeofResource(module, found)) : "";
}

std::string Hex(DWORD value) {
    char text[16];
    std::snprintf(text, sizeof text, "%08lX", static_cast<unsigned long>(value));
    return text;
}

void CheckIcons(HMODULE module) {
    for (const IconGroup& group : kIconGroups) {
        const std::string data = Resource(module, RT_GROUP_ICON, group.id);
        const std::string name = "icon group " + std::to_string(group.id);
        if (!CheckTrue(name + " present", data.size() >= sizeof(GroupIconHeader), "present", "missing")) continue;
        const GroupIconHeader* header = reinterpret_cast<const GroupIconHeader*>(data.data());
        const GroupIconEntry* entries = reinterpret_cast<const GroupIconEntry*>(header + 1);
        const size_t room = (data.size() - sizeof *header) / sizeof *entries;
        if (!CheckTrue(name + " image count", header->count == group.count && header->count <= room,
                       std::to_string(group.count), std::to_string(header->count)))
            continue;
        for (int i = 0; i < group.count; ++i) {
            const IconImage& want = group.images[i];
            const GroupIconEntry& got = entries[i];
            const int size = got.width == 0 ? 256 : got.width;
            CheckText(name + " image " + std::to_string(i),
                      std::to_string(want.size) + "x" + std::to_string(want.size) + "x" + std::to_string(want.bitCount),
                      std::to_string(size) + "x" + std::to_string(got.height == 0 ? 256 : got.height) + "x" +
                          std::to_string(got.bitCount));
            CheckTrue(name + " image " + std::to_string(i) + " data",
                      !Resource(module, RT_ICON, got.id).empty(), "present", "missing");
        }
    }
}

void CheckVersion(const std::string& path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    std::string block(size, '\0');
    if (!CheckTrue("version record", size > 0 && GetFileVersionInfoA(path.c_str(), 0, size, &block[0]),
                   "present", "missing"))
        return;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length) && fixed) {
        CheckText("file version 1.0.4.1", "00010000-00040001", Hex(fixed->dwFileVersionMS) + "-" + Hex(fixed->dwFileVersionLS));
        CheckText("product version 1.0.4.1", "00010000-00040001",
                  Hex(fixed->dwProductVersionMS) + "-" + Hex(fixed->dwProductVersionLS));
    }
    struct Translation { WORD language, codePage; }* translation = nullptr;
    if (!CheckTrue("version translation", VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                                                         reinterpret_cast<void**>(&translation), &length) && length >= 4,
                   "present", "missing"))
        return;
    char prefix[64];
    std::snprintf(prefix, sizeof prefix, "\\StringFileInfo\\%04x%04x\\", translation->language, translation->codePage);
    for (const VersionText& text : kVersionTexts) {
        char* value = nullptr;
        const bool found = VerQueryValueA(block.data(), (std::string(prefix) + text.name).c_str(),
                                          reinterpret_cast<void**>(&value), &length) && value;
        CheckText(std::string("version text ") + text.name, text.value, found ? value : "<missing>");
    }
}

void CheckManifest(HMODULE module) {
    const std::string manifest = Resource(module, MAKEINTRESOURCEA(24), 1);
    CheckTrue("manifest binds Microsoft.Windows.Common-Controls",
              manifest.find("Microsoft.Windows.Common-Controls") != std::string::npos, "present", "missing");
    CheckTrue("manifest asks version 6.0.0.0 for x86",
              manifest.find("version=\"6.0.0.0\"") != std::string::npos &&
                  manifest.find("processorArchitecture=\"x86\"") != std::string::npos,
              "present", "missing");
}

}  // namespace

void ScenarioResources(const std::vector<std::string>&) {
    const std::string path = ExeDirectory() + kExeName;
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!CheckTrue("Tivrel.exe loads as data", module != nullptr, "loaded", "failed")) return;
    CheckIcons(module);
    CheckManifest(module);
    CheckTrue("message dialog template 1005", FindResourceA(module, MAKEINTRESOURCEA(1005), RT_DIALOG) != nullptr,
              "present", "missing");
    FreeLibrary(module);
    CheckVersion(path);
}
