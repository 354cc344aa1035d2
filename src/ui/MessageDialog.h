// The message dialog's request, state and behaviour, apart from its window.
#pragma once
#include <cstdint>

#include "ui/PageControls.h"

constexpr int32_t kMessageNotice = 0;
constexpr int32_t kMessageAbout = 2;
constexpr int32_t kMessageTextView = 3;
constexpr int kMessageLineCount = 4;

extern const char* const kProductLine;     // "Tivrel 1.04 (DB v8)": also the sheet's and the save dialog's caption
extern const char* const kCopyrightLine;
extern const char* const kDescriptionLine; // "CPUID Database & System Information"

// The request: set by the caller right before opening the dialog.
extern int32_t messageMode;
extern const char* messageLines[kMessageLineCount];
extern int32_t messageDialogOpen;
extern int32_t aboutView;

// Dialog initialisation without the window placement and the focus timer.
void InitMessageDialog(PageControls& dialog);
// Handles a command; true when the dialog is to close.
bool MessageDialogCommand(PageControls& dialog, int command);
// Clears the request and the open flag; the shell then ends the dialog.
void CloseMessageDialog();
// Fills the request for the About view.
void RequestAboutView();

// The dialog's window, shown modally until it ends in any way.
class ModalDialog {
public:
    virtual void RunModal() = 0;

protected:
    ~ModalDialog() = default;
};
// Runs the dialog, then clears the request however it ended: by a button, by a quit request
// already queued (a second instance), or by failing to open at all. The request's lines point at
// the caller's buffers, which do not outlive the call.
void RunMessageDialog(ModalDialog& dialog);
