// Message dialog: what each mode shows, which commands close it, and the close.
#include <gtest/gtest.h>

#include "FakePageControls.h"
#include "resource.h"
#include "ui/MessageDialog.h"

class MessageDialogTest : public ::testing::Test {
protected:
    void SetUp() override { CloseMessageDialog(); }
    FakePageControls dialog{IDC_MSG_CONTINUE, IDC_MSG_CANCEL, IDC_MSG_LINE1, IDC_MSG_LINE2, IDC_MSG_LINE3, IDC_MSG_LINE4, IDC_MSG_TEXT_VIEW};
    void Open() {
        dialog.SetVisible(2, false);
        dialog.SetVisible(IDC_MSG_TEXT_VIEW, false);
        InitMessageDialog(dialog);
    }
};

TEST_F(MessageDialogTest, NoticeShowsEmptyLinesWhereNoneWasGiven) {
    messageLines[0] = "UnKnown Cache Type";
    messageLines[2] = "73";
    Open();
    EXPECT_EQ(1, messageDialogOpen);
    EXPECT_EQ("UnKnown Cache Type", dialog[IDC_MSG_LINE1].text);
    EXPECT_EQ("", dialog[IDC_MSG_LINE2].text);
    EXPECT_EQ("73", dialog[IDC_MSG_LINE3].text);
    EXPECT_EQ("", dialog[IDC_MSG_LINE4].text);
    EXPECT_FALSE(dialog[2].visible);
    EXPECT_TRUE(dialog[IDC_MSG_LINE1].visible);
}

TEST_F(MessageDialogTest, WhichCommandsCloseInEachMode) {
    struct Case { int32_t mode; int command; bool closes; };
    const Case cases[] = {
        {kMessageNotice, 1, true},    {kMessageNotice, 2, true},    {kMessageNotice, 1014, false},
        {kMessageAbout, 1, true},     {kMessageAbout, 2, false},    {kMessageAbout, 850, false},
        {kMessageTextView, 1, true},  {kMessageTextView, 2, false}, {kMessageTextView, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " command " << c.command);
        messageMode = c.mode;
        Open();
        EXPECT_EQ(c.closes, MessageDialogCommand(dialog, c.command));
    }
}

TEST_F(MessageDialogTest, AboutAlternatesWithContact) {
    RequestAboutView();
    Open();
    EXPECT_TRUE(dialog[2].visible);
    EXPECT_EQ("Contact", dialog[2].text);
    EXPECT_EQ("Tivrel 1.04 (DB v7)", dialog[IDC_MSG_LINE1].text);
    EXPECT_EQ(" ", dialog[IDC_MSG_LINE3].text);
    EXPECT_EQ("CPUID Database & System Information", dialog[IDC_MSG_LINE4].text);
    const std::string about2 = dialog[IDC_MSG_LINE2].text;

    MessageDialogCommand(dialog, 2);
    EXPECT_EQ(1, aboutView);
    EXPECT_EQ("About", dialog[2].text);
    const std::string contact1 = dialog[IDC_MSG_LINE1].text;
    EXPECT_NE("Tivrel 1.04 (DB v7)", contact1);

    MessageDialogCommand(dialog, 2);
    EXPECT_EQ(0, aboutView);
    EXPECT_EQ("Contact", dialog[2].text);
    EXPECT_EQ(about2, dialog[IDC_MSG_LINE2].text);

    MessageDialogCommand(dialog, 2);   // three presses end in the Contact view
    EXPECT_EQ(1, aboutView);
    EXPECT_EQ("About", dialog[2].text);
    EXPECT_EQ(contact1, dialog[IDC_MSG_LINE1].text);
}

TEST_F(MessageDialogTest, TextViewHidesTheLinesAndShowsLineOne) {
    messageMode = kMessageTextView;
    messageLines[0] = "A long commentary";
    Open();
    EXPECT_TRUE(dialog[IDC_MSG_TEXT_VIEW].visible);
    EXPECT_EQ("A long commentary", dialog[IDC_MSG_TEXT_VIEW].text);
    for (int id : {IDC_MSG_LINE1, IDC_MSG_LINE2, IDC_MSG_LINE3, IDC_MSG_LINE4}) EXPECT_FALSE(dialog[id].visible);
}

// However the dialog ends (here: it never gets as far as a button), the request is cleared.
TEST_F(MessageDialogTest, TheRequestIsClearedWhenTheDialogReturns) {
    struct EndsWithoutAButton : ModalDialog {
        void RunModal() override { messageDialogOpen = 1; }
    } dialog;
    char line[] = "a page's buffer";
    RequestAboutView();
    messageLines[0] = line;
    RunMessageDialog(dialog);
    EXPECT_EQ(0, messageDialogOpen);
    EXPECT_EQ(kMessageNotice, messageMode);
    for (const char* text : messageLines) EXPECT_EQ(nullptr, text);
}
