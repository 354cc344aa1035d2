// The machine texts: uptime and memory in the forms the system page and the report show.
#include "system/MachineSummary.h"

#include "text/TextRoutines.h"

MachineSummary machineSummary;

void FormatUptime(uint32_t seconds, char* output, size_t capacity) {
    const uint32_t days = seconds / 86400;
    const uint32_t hours = (seconds - days * 86400) / 3600;
    const uint32_t rest = seconds - days * 86400 - hours * 3600;
    struct Component { uint32_t value; const char* unit; };
    const Component components[] = {{days, " Dys"}, {hours, " Hrs"}, {rest / 60, " Mns"}, {rest % 60, " Scs"}};
    CopyText("", output, capacity);
    for (const Component& component : components) {
        if (component.value == 0) continue;
        if (output[0] != '\0') AppendText(", ", output, capacity);
        AppendUnsigned(component.value, output, capacity);
        AppendText(component.unit, output, capacity);
    }
}

// Whole KB: the byte counts shifted right by 10, the fraction dropped.
void FormatMemoryText(uint64_t availableBytes, uint64_t totalBytes, char* output, size_t capacity) {
    CopyText("", output, capacity);
    AppendUnsignedWide(availableBytes >> 10, output, capacity);
    AppendText(" KBytes Available / ", output, capacity);
    AppendUnsignedWide(totalBytes >> 10, output, capacity);
    AppendText(" KBytes Total", output, capacity);
}
