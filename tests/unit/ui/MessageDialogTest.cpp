// Message dialog: what each mode shows, which commands close it, and the close.
#include <gtest/gtest.h>

#include <string>

#include "FakePageControls.h"
#include "resource.h"
#include "ui/MessageDialog.h"

class MessageDialogTest : public ::testing::Test {
protected:
    void SetUp() override { CloseMessageDialog(); }
    // Opened as the dialog template has it: the second button (2) and the text view hidden.
    void Open() {
        dialog.SetVisible(2, false);
        dialog.SetVisible(IDC_MSG_TEXT_VIEW, false);
        InitMessageDialog(dialog);
    }
    // The four lines' texts, the second button's caption and the text view's text; "~" for a hidden one.
    std::string Shown() const {
        std::string lines;
        for (int id : {IDC_MSG_LINE1, IDC_MSG_LINE2, IDC_MSG_LINE3, IDC_MSG_LINE4, 2, IDC_MSG_TEXT_VIEW})
            lines += (dialog[id].visible ? dialog[id].text : "~") + "|";
        return lines;
    }
    FakePageControls dialog{IDC_MSG_CONTINUE, IDC_MSG_CANCEL, IDC_MSG_LINE1, IDC_MSG_LINE2, IDC_MSG_LINE3, IDC_MSG_LINE4,
                            IDC_MSG_TEXT_VIEW};
};

// Per mode: the lines given (empty where none was), the second button, the text view with line 1;
// then Continue (1) closes always, the second button (2) only a notice, another control never.
TEST_F(MessageDialogTest, WhatEachModeShowsAndWhichCommandsClose) {
    const struct { int32_t mode; const char* shown; bool secondCloses; int other; } cases[] = {
        {kMessageNotice, "UnKnown Cache Type||73||~|~|", true, IDC_MSG_TEXT_VIEW},
        {kMessageAbout, "UnKnown Cache Type||73||Contact|~|", false, IDC_MSG_LINE1},
        {kMessageTextView, "~|~|~|~|~|UnKnown Cache Type|", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        messageMode = c.mode;
        messageLines[0] = "UnKnown Cache Type";
        messageLines[2] = "73";
        Open();
        EXPECT_EQ(1, messageDialogOpen);
        EXPECT_EQ(c.shown, Shown());
        EXPECT_FALSE(MessageDialogCommand(dialog, c.other));
        EXPECT_EQ(c.secondCloses, MessageDialogCommand(dialog, 2));
        EXPECT_TRUE(MessageDialogCommand(dialog, 1));
    }
}

// The second button flips to Contact (its texts: system.sh) and back again.
TEST_F(MessageDialogTest, AboutAlternatesWithContact) {
    RequestAboutView();
    Open();
    const std::string about = Shown();
    MessageDialogCommand(dialog, 2);
    MessageDialogCommand(dialog, 2);
    EXPECT_EQ(about, Shown());
}

// However the dialog ends (here: it never gets as far as a button), the request is cleared.
TEST_F(MessageDialogTest, TheRequestIsClearedWhenTheDialogReturns) {
    struct EndsWithoutAButton : ModalDialog {
        void RunModal() override { messageDialogOpen = 1; }
    } dialog;
    RequestAboutView();
    RunMessageDialog(dialog);
    EXPECT_EQ(0, messageDialogOpen);
    EXPECT_EQ(kMessageNotice, messageMode);
    for (const char* text : messageLines) EXPECT_EQ(nullptr, text);
}
