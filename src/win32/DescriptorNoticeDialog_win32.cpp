// Shows "UnKnown Cache Type" with the descriptor in decimal on the third line.
#include "win32/DescriptorNoticeDialog_win32.h"

#include "text/TextRoutines.h"
#include "ui/MessageDialog.h"
#include "win32/MessageDialog_win32.h"

void DescriptorNoticeDialog::UnknownDescriptor(uint32_t descriptor) {
    char number[kDecimalTextSize];
    DecimalText(static_cast<int32_t>(descriptor), number);
    messageLines[0] = "UnKnown Cache Type";
    messageLines[2] = number;
    OpenMessageDialog(nullptr);
}
