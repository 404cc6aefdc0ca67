// "Share duties evenly" on the Finalization page, worked through the wizard's own controls.

#include <map>
#include <QLabel>
#include <QLineEdit>

#include "WizardTestSupport.h"

using namespace wizardtest;
using dutywise::FontStyle;
using dutywise::ParagraphStyle;

namespace {

class ShareEvenly : public ::testing::Test {
protected:
    void SetUp() override {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        box = Find<QCheckBox>(w, "shareEvenlyBox");
    }

    WizardWindow w;
    QCheckBox* box = nullptr;
};

struct Count {
    int cook = 0, cleanup = 0;
};

// Counts every name on the crew lines above "Duties" and checks the section against it: one
// line per person in list order, in the plain roster style under a heading styled as "Drinks".
void ExpectCountAgreesWithCrews(const std::vector<dutywise::Paragraph>& paragraphs,
                                const std::vector<std::string>& people) {
    std::map<std::string, Count> counted;
    std::size_t at = 0;
    for (; at < paragraphs.size() && paragraphs[at].Text() != "Duties"; ++at) {
        const std::string text = paragraphs[at].Text();
        const bool cook = text.rfind("Cook: ", 0) == 0;
        if (!cook && text.rfind("Cleanup: ", 0) != 0)
            continue;
        std::string list = text.substr(text.find(' ') + 1) + ", ";
        for (std::size_t comma; (comma = list.find(", ")) != std::string::npos;
             list.erase(0, comma + 2))
            (cook ? counted[list.substr(0, comma)].cook : counted[list.substr(0, comma)].cleanup)++;
    }
    ASSERT_EQ(paragraphs.size(), at + 1 + people.size()) << "the count closes the roster";
    const ParagraphStyle food = ParagraphStyle::Roster(10, {FontStyle::Bold, FontStyle::Underline});
    EXPECT_EQ(paragraphs[at - 1].Text(), "");
    EXPECT_EQ(paragraphs[at].runs.front().style, food);
    int fewest = 1000, most = 0;
    for (std::size_t i = 0; i < people.size(); ++i) {
        const Count c = counted[people[i]];
        const dutywise::Paragraph& line = paragraphs[at + 1 + i];
        EXPECT_EQ(line.Text(), people[i] + ": " + std::to_string(c.cook + c.cleanup) + " (" +
                                   std::to_string(c.cook) + " cook, " + std::to_string(c.cleanup) +
                                   " cleanup)");
        EXPECT_EQ(line.runs.front().style, ParagraphStyle::Roster(10, {}));
        fewest = std::min(fewest, c.cook + c.cleanup);
        most = std::max(most, c.cook + c.cleanup);
    }
    EXPECT_LE(most - fewest, 1);
    EXPECT_EQ(counted.size(), people.size());
}

TEST_F(ShareEvenly, TickedBoxMakesBuildAndRegenerateEndWithTheDutyCount) {
    EnterAWeekForFive(w, "Summer Camp");
    ShowPage(w, 4);
    ASSERT_TRUE(box->isVisible());
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(box->text(), "Share duties evenly");
    EXPECT_EQ(box->accessibleName(), "Share duties evenly");

    Tick(w, "shareEvenlyBox");
    ASSERT_TRUE(box->isChecked());
    EXPECT_TRUE(w.ReadPlan().evenShares);
    PressExpectingCompleted(w, "buildButton");
    const std::vector<std::string> people{"Ann", "Ben", "Cy", "Dee", "Eve"};
    ExpectCountAgreesWithCrews(w.Document().Paragraphs(), people);

    ShowPage(w, 5);
    PressExpectingCompleted(w, "regenerateButton"); // Regenerate draws the same way
    ExpectCountAgreesWithCrews(w.Document().Paragraphs(), people);

    // Unticked again: the roster ends with the drinks, as it always did.
    ShowPage(w, 4);
    Tick(w, "shareEvenlyBox");
    EXPECT_FALSE(box->isChecked());
    PressExpectingCompleted(w, "buildButton");
    EXPECT_EQ(w.Document().Paragraphs().back().Text(), "Drinks");
}

TEST_F(ShareEvenly, FreshStartUnticksIt) {
    ShowPage(w, 4);
    Tick(w, "shareEvenlyBox");
    ASSERT_TRUE(box->isChecked());
    ShowPage(w, 5);
    Click(w, "freshStartButton");
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(w.ReadPlan().evenShares);
}

// The box sits in free room of the page: it covers no other control, and its caption fits.
TEST_F(ShareEvenly, FitsThePageWithoutCoveringAnything) {
    ShowPage(w, 4);
    QWidget* page = box->parentWidget();
    EXPECT_TRUE(page->rect().contains(box->geometry()));
    EXPECT_LE(box->sizeHint().width(), box->width());
    for (QWidget* other : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other == box ||
            other->objectName() == "finalizationBackground") // the page's background picture
            continue;
        EXPECT_FALSE(other->geometry().intersects(box->geometry()))
            << other->objectName().toStdString();
    }
}

} // namespace
