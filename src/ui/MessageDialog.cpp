// The one message dialog: notices, the About/Contact box and the text view.
#include "ui/MessageDialog.h"

#include "resource.h"

const char* const kProductLine = "Tivrel 1.04 (DB v8)";
const char* const kCopyrightLine = "Copyright (C) 2004-2026 Tivrel project";
const char* const kDescriptionLine = "CPUID Database & System Information";

int32_t messageMode;
const char* messageLines[kMessageLineCount];
int32_t messageDialogOpen;
int32_t aboutView;

namespace {

constexpr int kContinueButton = IDC_MSG_CONTINUE;
constexpr int kSecondButton = IDC_MSG_CANCEL;
constexpr int kLineIds[kMessageLineCount] = {IDC_MSG_LINE1, IDC_MSG_LINE2, IDC_MSG_LINE3, IDC_MSG_LINE4};

const char* const kAboutLines[kMessageLineCount] = {kProductLine, kCopyrightLine, " ", kDescriptionLine};
const char* const kContactLines[kMessageLineCount] = {
    "Questions, reports and corrections:",
    "the Tivrel project",
    "Please attach a report written by",
    "\"Generate Report\" on Settings / Help",
};

void ShowLines(PageControls& dialog, const char* const* lines) {
    for (int i = 0; i < kMessageLineCount; ++i) dialog.SetText(kLineIds[i], lines[i] ? lines[i] : "");
}

}  // namespace

void InitMessageDialog(PageControls& dialog) {
    messageDialogOpen = 1;
    aboutView = 0;
    if (messageMode == kMessageAbout) {
        dialog.SetText(kSecondButton, "Contact");
        dialog.SetVisible(kSecondButton, true);
    } else if (messageMode == kMessageTextView) {
        for (int id : kLineIds) dialog.SetVisible(id, false);
        dialog.SetVisible(IDC_MSG_TEXT_VIEW, true);
    }
    ShowLines(dialog, messageLines);
    dialog.SetText(IDC_MSG_TEXT_VIEW, messageLines[0] ? messageLines[0] : "");
}

bool MessageDialogCommand(PageControls& dialog, int command) {
    if (command == kContinueButton) return true;
    if (command != kSecondButton) return false;
    if (messageMode == kMessageNotice) return true;
    if (messageMode == kMessageAbout) {
        const bool toContact = aboutView == 0;
        ShowLines(dialog, toContact ? kContactLines : kAboutLines);
        dialog.SetText(kSecondButton, toContact ? "About" : "Contact");
        aboutView = toContact ? 1 : 0;
    }
    return false;
}

void CloseMessageDialog() {
    messageDialogOpen = 0;
    messageMode = kMessageNotice;
    for (const char*& line : messageLines) line = nullptr;
}

void RunMessageDialog(ModalDialog& dialog) {
    dialog.RunModal();
    CloseMessageDialog();
}

void RequestAboutView() {
    messageMode = kMessageAbout;
    for (int i = 0; i < kMessageLineCount; ++i) messageLines[i] = kAboutLines[i];
}
