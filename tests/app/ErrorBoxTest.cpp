// The box that shows an error escaping a handler.
#include <gtest/gtest.h>

#include "Application.h"
#include "ModalAnswer.h"

using dutywise::app::ErrorBoxText;

TEST(ErrorBox, FullStopOnlyAfterACharacterThatSortsAfterIt) {
    EXPECT_EQ(ErrorBoxText("List index out of bounds (3)"), "List index out of bounds (3)");
    EXPECT_EQ(ErrorBoxText("Disk full."), "Disk full.");
    EXPECT_EQ(ErrorBoxText("Access denied"), "Access denied.");
    EXPECT_EQ(ErrorBoxText("Error 42"), "Error 42."); // digits sort after '.'
    EXPECT_EQ(ErrorBoxText("path /"), "path /.");     // '/' is the next character
    EXPECT_EQ(ErrorBoxText("Stop!"), "Stop!");        // '!' sorts before '.'
    EXPECT_EQ(ErrorBoxText("a-"), "a-");              // '-' is the one just before
    EXPECT_EQ(ErrorBoxText(QString::fromUtf8("Tür")), QString::fromUtf8("Tür."));
    EXPECT_EQ(ErrorBoxText(""), ""); // nothing to look at, nothing added
}

TEST(ErrorBox, IsCaptionedDutywiseWithTheErrorIconAndOneOkButton) {
    auto seen = testsupport::AnswerNextModal("OK");
    dutywise::app::ShowErrorBox("Invalid floating point operation");
    ASSERT_TRUE(seen->found) << seen->error.toStdString();
    EXPECT_EQ(seen->title, "Dutywise");
    EXPECT_EQ(seen->text, "Invalid floating point operation.");
    EXPECT_TRUE(seen->hasIcon);
    EXPECT_EQ(seen->buttons, QStringList{"OK"});
}
