// Parser for the two dialog template layouts (DLGTEMPLATE and DLGTEMPLATEEX) found in resources.
#include "DialogTemplate.h"

#include <windows.h>

namespace {

// A cursor over the template bytes; reads past the end give zeros instead of faulting.
struct Cursor {
    const uint8_t* data;
    size_t size;
    size_t pos;

    uint16_t Word() {
        uint16_t v = 0;
        if (pos + 2 <= size) v = static_cast<uint16_t>(data[pos] | (data[pos + 1] << 8));
        pos += 2;
        return v;
    }
    uint32_t Dword() {
        uint32_t low = Word();
        return low | (static_cast<uint32_t>(Word()) << 16);
    }
    int16_t Short() { return static_cast<int16_t>(Word()); }
    void AlignDword() { pos = (pos + 3) & ~static_cast<size_t>(3); }

    std::string WideString() {
        std::wstring wide;
        while (pos < size) {
            wchar_t c = static_cast<wchar_t>(Word());
            if (c == 0) break;
            wide.push_back(c);
        }
        if (wide.empty()) return std::string();
        char buffer[1024] = {};
        WideCharToMultiByte(1252, 0, wide.c_str(), static_cast<int>(wide.size()), buffer,
                            sizeof buffer - 1, nullptr, nullptr);
        return buffer;
    }

    // sz_Or_Ord: 0 = empty, 0xFFFF followed by an ordinal, else a zero-ended UTF-16 string.
    std::string StringOrOrdinal(uint16_t* ordinal) {
        *ordinal = 0;
        if (pos + 2 > size) return std::string();
        uint16_t first = static_cast<uint16_t>(data[pos] | (data[pos + 1] << 8));
        if (first == 0) {
            pos += 2;
            return std::string();
        }
        if (first == 0xFFFF) {
            pos += 2;
            *ordinal = Word();
            return "#" + std::to_string(*ordinal);
        }
        return WideString();
    }
};

// Predefined control classes are stored as atoms.
std::string ClassFromOrdinal(uint16_t atom) {
    switch (atom) {
    case 0x80: return "Button";
    case 0x81: return "Edit";
    case 0x82: return "Static";
    case 0x83: return "ListBox";
    case 0x84: return "ScrollBar";
    case 0x85: return "ComboBox";
    }
    return "#" + std::to_string(atom);
}

}  // namespace

DialogTemplate ReadDialogTemplate(const char* exePath, int templateId) {
    DialogTemplate result{};
    HMODULE module = LoadLibraryExA(exePath, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) return result;
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5));
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        FreeLibrary(module);
        return result;
    }
    Cursor in{static_cast<const uint8_t*>(bytes), SizeofResource(module, resource), 0};
    result.found = true;

    uint16_t ordinal = 0;
    in.Word();
    const bool extended = in.Word() == 0xFFFF;  // DLGTEMPLATEEX: dlgVer 1, signature 0xFFFF
    in.pos = 0;
    uint16_t itemCount = 0;
    if (extended) {
        in.Dword();  // dlgVer, signature
        in.Dword();  // helpID
        in.Dword();  // exStyle
        result.style = in.Dword();
    } else {
        result.style = in.Dword();
        in.Dword();  // exStyle
    }
    itemCount = in.Word();
    in.Short();
    in.Short();
    result.w = in.Short();
    result.h = in.Short();
    in.StringOrOrdinal(&ordinal);  // menu
    in.StringOrOrdinal(&ordinal);  // window class
    result.caption = in.WideString();
    if (result.style & (DS_SETFONT | DS_SHELLFONT)) {
        result.fontPoints = in.Word();
        if (extended) {
            in.Word();  // weight
            in.Word();  // italic, charset
        }
        result.fontFace = in.WideString();
    }

    for (uint16_t i = 0; i < itemCount && in.pos < in.size; ++i) {
        in.AlignDword();
        TemplateItem item{};
        if (extended) {
            in.Dword();  // helpID
            in.Dword();  // exStyle
            item.style = in.Dword();
        } else {
            item.style = in.Dword();
            in.Dword();  // exStyle
        }
        item.x = in.Short();
        item.y = in.Short();
        item.w = in.Short();
        item.h = in.Short();
        if (extended) {
            item.id = static_cast<int32_t>(in.Dword());
            if (item.id == 0xFFFF) item.id = -1;  // some compilers keep IDC_STATIC 16 bits wide
        } else {
            item.id = static_cast<int16_t>(in.Word());
        }
        item.className = in.StringOrOrdinal(&ordinal);
        if (ordinal != 0) item.className = ClassFromOrdinal(ordinal);
        item.text = in.StringOrOrdinal(&ordinal);
        uint16_t extra = in.Word();
        in.pos += extra;
        result.items.push_back(item);
    }
    FreeLibrary(module);
    return result;
}
