// Reading dialog templates (RT_DIALOG resources) out of an executable file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TemplateItem {
    int32_t id;             // -1 for labels without an id
    std::string className;  // "Button", "Edit", "Static", ... or the class name the template gives
    std::string text;       // "#N" when the template gives a resource ordinal
    uint32_t style;
    int16_t x, y, w, h;
};

struct DialogTemplate {
    bool found;
    uint32_t style;
    int16_t w, h;
    std::string caption;
    std::string fontFace;
    uint16_t fontPoints;
    std::vector<TemplateItem> items;
};

// Loads template `templateId` from the executable at `exePath` (as a data file, nothing runs).
DialogTemplate ReadDialogTemplate(const char* exePath, int templateId);
