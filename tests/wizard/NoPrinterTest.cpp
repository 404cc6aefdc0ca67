// Printing where no printer is set up: Qt alone would print nothing and say nothing.

#include "QtPrintService.h"
#include "WizardTestSupport.h"

namespace {

TEST(NoDefaultPrinter, PrintButtonSaysSoInTheProgramsMessageBox) {
    TForm2 w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    wizardtest::ShowPage(w, 5);
    const auto before = w.Document().Paragraphs();
    auto message = testsupport::AnswerNextModal("OK");
    wizardtest::Click(w, "FlatSpeedButton27");
    ASSERT_TRUE(message->found) << message->error.toStdString();
    EXPECT_EQ(message->title, "Dutywise");
    EXPECT_EQ(message->text, dutywise::QtPrintService::kNoDefaultPrinter);
    EXPECT_EQ(message->buttons, QStringList{"OK"});
    EXPECT_FALSE(message->hasIcon);
    EXPECT_EQ(w.Document().Paragraphs(), before);
}

} // namespace
