// The command line: one plan at most, --help and --version, anything else a usage error.

#include <gtest/gtest.h>
#include <QDir>
#include <QLineEdit>
#include <QTest>

#include "Abiword.h"
#include "CommandLine.h"
#include "FlatListBox.h"
#include "ModalAnswer.h"
#include "WelcomeWindow.h"
#include "WindowFlow.h"
#include "Windows.h"
#include "WizardWindow.h"

using dutywise::app::CommandLine;
using dutywise::app::ParseCommandLine;

TEST(CommandLineParse, EveryFormGivesItsActionOutputAndExitStatus) {
    const QString usage = "Usage: dutywise [--help] [--version] [PLAN.dutywise]\n";
    const struct {
        QStringList args;
        CommandLine::Action action;
        QString plan;
        int exitCode;
    } cases[] = {
        {{"dutywise"}, CommandLine::Action::Run, "", 0},
        {{"dutywise", "spring.dutywise"}, CommandLine::Action::Run, "spring.dutywise", 0},
        {{"dutywise", "/tmp/My Plans/Zoë's camp.dutywise"},
         CommandLine::Action::Run,
         "/tmp/My Plans/Zoë's camp.dutywise",
         0},
        {{"dutywise", "--", "--odd-name.dutywise"},
         CommandLine::Action::Run,
         "--odd-name.dutywise",
         0},
        {{"dutywise", "--version"}, CommandLine::Action::Version, "", 0},
        {{"dutywise", "-v"}, CommandLine::Action::Version, "", 0},
        // Qt's own options, with their values, are the application object's to take.
        {{"dutywise", "-style", "fusion", "a.dutywise"}, CommandLine::Action::Run, "a.dutywise", 0},
        {{"dutywise", "-reverse", "--style=fusion", "--version"},
         CommandLine::Action::Version,
         "",
         0},
        {{"dutywise", "-session", "10d6f3a2c1000123", "-h"}, CommandLine::Action::Help, "", 0},
        {{"dutywise", "a.dutywise", "--session", "a.dutywise"},
         CommandLine::Action::Run,
         "a.dutywise",
         0},
        {{"dutywise", "-session"}, CommandLine::Action::Usage, "", 2},
        {{"dutywise", "-styles"}, CommandLine::Action::Usage, "", 2},
        {{"dutywise", "--help"}, CommandLine::Action::Help, "", 0},
        {{"dutywise", "-h", "a.dutywise"}, CommandLine::Action::Help, "", 0},
        {{"dutywise", "a.dutywise", "b.dutywise"}, CommandLine::Action::Usage, "", 2},
        {{"dutywise", "--frobnicate"}, CommandLine::Action::Usage, "", 2},
    };
    for (const auto& c : cases) {
        const QString joined = c.args.join(' ');
        const CommandLine line = ParseCommandLine(c.args);
        EXPECT_EQ(line.action, c.action) << joined.toStdString();
        EXPECT_EQ(line.planPath, c.plan) << joined.toStdString();
        EXPECT_EQ(line.planGiven, !c.plan.isEmpty()) << joined.toStdString();
        EXPECT_EQ(line.exitCode, c.exitCode) << joined.toStdString();
        switch (c.action) {
        case CommandLine::Action::Version:
            EXPECT_EQ(line.output, "Dutywise 4.1\n");
            break;
        case CommandLine::Action::Help:
            EXPECT_TRUE(line.output.startsWith(usage)) << line.output.toStdString();
            EXPECT_TRUE(line.output.contains("--version")) << line.output.toStdString();
            break;
        case CommandLine::Action::Usage:
            EXPECT_TRUE(line.output.startsWith("dutywise: ")) << line.output.toStdString();
            EXPECT_TRUE(line.output.endsWith(usage)) << line.output.toStdString();
            EXPECT_EQ(line.output.count('\n'), 2) << line.output.toStdString();
            break;
        case CommandLine::Action::Run:
            EXPECT_TRUE(line.output.isEmpty());
            break;
        }
    }
}

// A plan named on the command line is in the wizard before the wizard first shows; one that
// cannot be read is reported over the welcome window, and the wizard stays empty.
TEST(StartWithPlan, AReadablePlanFillsTheWizardAndABadOneIsReportedAndLeavesItEmpty) {
    dutywise::testing::TempDir dir;
    dutywise::testing::WriteFileBytes(
        dir / "owl.dutywise",
        R"({"format": "dutywise-plan", "version": 1, "patrol": "Owl", "people": ["Kai", "Zoë"]})");
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(dir.path().string())));
    {
        dutywise::app::WindowFlow flow;
        flow.SetQuit([] {});
        flow.LoadPlanAtStart("owl.dutywise"); // relative to the folder it was started in
        EXPECT_FALSE(wizardWindow->isVisible());
        EXPECT_EQ(wizardWindow->findChild<QLineEdit*>("patrolNameEdit")->text(), "Owl");
        EXPECT_EQ(wizardWindow->findChild<FlatListBox*>("peopleList")->items(),
                  (QStringList{"Kai", "Zoë"}));
        auto none = testsupport::AnswerNextModal("OK", {}, 300);
        flow.Start();
        testsupport::WaitUntil([&] { return none->found || !none->error.isEmpty(); });
        EXPECT_FALSE(none->found) << none->text.toStdString();
    }
    QDir::setCurrent(before);
    {
        dutywise::app::WindowFlow flow;
        flow.SetQuit([] {});
        const std::string missing = dir / "gone.dutywise";
        auto seen = testsupport::AnswerNextModal("OK");
        flow.LoadPlanAtStart(QString::fromStdString(missing));
        flow.Start();
        ASSERT_TRUE(testsupport::WaitUntil([&] { return seen->found || !seen->error.isEmpty(); }));
        ASSERT_TRUE(seen->found) << seen->error.toStdString();
        EXPECT_EQ(seen->title, "Dutywise");
        EXPECT_EQ(seen->text.toStdString(),
                  "Cannot open plan \"" + missing + "\". No such file or directory.");
        EXPECT_TRUE(welcomeWindow->isVisible());
        EXPECT_EQ(wizardWindow->findChild<QLineEdit*>("patrolNameEdit")->text(), "");
        EXPECT_EQ(wizardWindow->findChild<FlatListBox*>("peopleList")->count(), 0);
    }
}

// A name from a system that does not write UTF-8 ("Zoë" in Latin-1) opens by its own bytes.
TEST(StartWithPlan, ANameThatIsNotUtf8OpensAsTheSystemGaveIt) {
    dutywise::testing::TempDir dir;
    const std::string path = dir / "Zo\xEB.dutywise";
    dutywise::testing::WriteFileBytes(
        path, R"({"format": "dutywise-plan", "version": 1, "patrol": "Owl"})");
    const char* argv[] = {"dutywise", "-style", "fusion", path.c_str()};
    const CommandLine line = dutywise::app::ReadCommandLine(4, argv);
    ASSERT_EQ(line.action, CommandLine::Action::Run);
    ASSERT_TRUE(line.planGiven);
    EXPECT_EQ(line.planFileName.toStdString(), path);
    // Two names that both decode to "\uFFFD.dutywise": the plan is taken by its position.
    const char* twoAlike[] = {"dutywise", "\xFE.dutywise", "-qwindowtitle", "\xFF.dutywise"};
    EXPECT_EQ(dutywise::app::ReadCommandLine(4, twoAlike).planFileName, "\xFE.dutywise");
    dutywise::app::WindowFlow flow;
    flow.SetQuit([] {});
    flow.LoadPlanFileAtStart(line.planFileName);
    EXPECT_EQ(wizardWindow->findChild<QLineEdit*>("patrolNameEdit")->text(), "Owl");
}
