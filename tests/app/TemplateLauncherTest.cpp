// The template chooser and the Shell launcher against a recording stand-in for the word
// processor, in a temporary run folder that is the program's data folder. The current folder is
// another one, as when the program is started from a terminal elsewhere; the Shell's own tests
// make the run folder current where they mean the current folder.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "FlatListBox.h"
#include "Language.h"
#include "ModalAnswer.h"
#include "Shell.h"
#include "TemplateChooser.h"

using testsupport::AnswerNextModal;
using testsupport::WaitUntil;

namespace {

class TemplateLauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(run.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(elsewhere.path());
        TemplateChooser::setDataFolder(run.path());
        log = run.filePath("launches.log");
    }
    void TearDown() override {
        QDir::setCurrent(previous);
        TemplateChooser::setDataFolder({});
    }

    // A stand-in that appends "argument|working directory" to the log.
    void InstallStandIn(const QString& name) {
        QDir(run.path()).mkpath("bin");
        QFile script(run.filePath("bin/" + name));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s|%s\\n' \"$*\" \"$(pwd)\" >> '%1'\n")
                         .arg(log)
                         .toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QStringList Launches() const {
        QFile f(log);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    }
    bool WaitForLaunches(int n) const {
        return WaitUntil([&] { return Launches().size() >= n; }, 5000);
    }

    void ClickRow(int row) {
        auto* list = chooser.findChild<FlatListBox*>("dayCountList");
        QTest::mouseClick(list, Qt::LeftButton, {}, list->rowRect(row).center());
    }
    void Click(const char* name) {
        QTest::mouseClick(chooser.findChild<QPushButton*>(name), Qt::LeftButton);
    }
    QString Here() const { return QDir(run.path()).canonicalPath(); }

    QTemporaryDir run, elsewhere;
    QString previous;
    QString log;
    TemplateChooser chooser;
};

TEST_F(TemplateLauncherTest, StartHandsOverTheSelectedDayTemplateInTheRunFolderEveryTime) {
    InstallStandIn("abiword");
    chooser.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chooser));
    ClickRow(0);
    Click("startButton");
    ASSERT_TRUE(WaitForLaunches(1));
    ClickRow(6);
    Click("startButton");
    ASSERT_TRUE(WaitForLaunches(2));
    Click("startButton"); // a second Start launches again
    ASSERT_TRUE(WaitForLaunches(3));
    const QStringList launches = Launches();
    ASSERT_EQ(launches.size(), 3);
    EXPECT_EQ(launches[0], "1daytemp.abw|" + Here());
    EXPECT_EQ(launches[1], "7daytemp.abw|" + Here());
    EXPECT_EQ(launches[2], "7daytemp.abw|" + Here());
}

// In another language the chooser hands over that language's templates where the run folder
// has them, and the English ones where it has not.
TEST_F(TemplateLauncherTest, TheRunningLanguagesTemplatesAreOpenedWhereThereAreAny) {
    InstallStandIn("abiword");
    QDir(run.path()).mkpath("de");
    for (const char* name : {"de/3daytemp.abw", "de/template.abw"}) {
        QFile file(run.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(dutywise::InstallLanguage("de"));
    chooser.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chooser));
    ClickRow(2);
    Click("startButton");
    ASSERT_TRUE(WaitForLaunches(1));
    Click("editTemplateButton");
    ASSERT_TRUE(WaitForLaunches(2));
    ClickRow(3); // no German four-day template here
    Click("startButton");
    ASSERT_TRUE(WaitForLaunches(3));
    ASSERT_TRUE(dutywise::InstallLanguage("en"));
    Click("startButton");
    ASSERT_TRUE(WaitForLaunches(4));
    EXPECT_EQ(Launches(), (QStringList{"de/3daytemp.abw|" + Here(), "de/template.abw|" + Here(),
                                       "4daytemp.abw|" + Here(), "4daytemp.abw|" + Here()}));
}

TEST_F(TemplateLauncherTest, StartWithoutAnEntrySelectedAsksForOneAndLaunchesNothing) {
    InstallStandIn("abiword");
    chooser.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chooser));
    auto nothing = AnswerNextModal("OK");
    Click("startButton");
    EXPECT_TRUE(nothing->found);
    EXPECT_EQ(nothing->text, "Please select the number of days in the outing!");
    EXPECT_EQ(nothing->title, "Dutywise");
    EXPECT_FALSE(nothing->hasIcon);

    ClickRow(8); // the second empty row below "7 Days"
    auto empty = AnswerNextModal("OK");
    Click("startButton");
    EXPECT_EQ(empty->text, "Please select the number of days in the outing!");

    // Edit a Template ignores the selection; it is the only launch of this test.
    Click("editTemplateButton");
    ASSERT_TRUE(WaitForLaunches(1));
    ClickRow(2);
    Click("editTemplateButton");
    ASSERT_TRUE(WaitForLaunches(2));
    EXPECT_EQ(Launches(), QStringList({"template.abw|" + Here(), "template.abw|" + Here()}));
}

TEST_F(TemplateLauncherTest, AnExeStandInIsStartedUnderItsOwnName) {
    InstallStandIn("abiword.exe");
    QDir::setCurrent(run.path());
    ShellExecute("bin\\abiword.exe", "3daytemp.abw", "", 1);
    ASSERT_TRUE(WaitForLaunches(1));
    EXPECT_EQ(Launches().front(), "3daytemp.abw|" + Here());
}

TEST_F(TemplateLauncherTest, AGivenWorkingDirectoryIsWhereTheProgramIsFoundAndRuns) {
    QTemporaryDir other;
    const QString saved = QDir::currentPath();
    InstallStandIn("abiword");
    QDir::setCurrent(other.path());
    ShellExecute("bin\\abiword.exe", "2daytemp.abw", run.path().toStdString(), 1);
    QDir::setCurrent(saved);
    ASSERT_TRUE(WaitForLaunches(1));
    EXPECT_EQ(Launches().front(), "2daytemp.abw|" + Here());
}

TEST_F(TemplateLauncherTest, AMissingWordProcessorIsReportedAndTheWindowGoesOn) {
    chooser.show();
    ClickRow(0);
    auto seen = AnswerNextModal("OK");
    Click("startButton");
    ASSERT_TRUE(seen->found);
    EXPECT_TRUE(seen->text.startsWith("Cannot start \"bin/abiword.exe\""))
        << seen->text.toStdString();
    EXPECT_EQ(seen->title, "Dutywise");
    EXPECT_TRUE(chooser.isVisible());
    InstallStandIn("abiword"); // installed afterwards, the next Start works
    Click("startButton");
    EXPECT_TRUE(WaitForLaunches(1));
}

TEST_F(TemplateLauncherTest, ValuesOf80CharactersOrMoreAreRefusedWholeNotCut) {
    InstallStandIn("abiword");
    QDir::setCurrent(run.path());
    const std::string longest(79, 'x');
    ShellExecute("bin\\abiword.exe", longest, "", 1); // 79 fits its buffer
    ASSERT_TRUE(WaitForLaunches(1));

    for (const std::string& tooLong : {std::string(80, 'y'), std::string(300, 'z')}) {
        auto seen = AnswerNextModal("OK");
        ShellExecute("bin\\abiword.exe", tooLong, "", 1);
        ASSERT_TRUE(seen->found);
        EXPECT_TRUE(seen->text.contains("longer than 79 characters")) << seen->text.toStdString();
    }
    auto dir = AnswerNextModal("OK");
    ShellExecute("bin\\abiword.exe", "1daytemp.abw", std::string(80, 'd'), 1);
    EXPECT_TRUE(dir->found);
    auto program = AnswerNextModal("OK");
    ShellExecute(std::string(81, 'p'), "1daytemp.abw", "", 1);
    EXPECT_TRUE(program->found);

    ShellExecute("bin\\abiword.exe", "end", "", 1);
    ASSERT_TRUE(WaitForLaunches(2));
    EXPECT_EQ(Launches(),
              QStringList({QString::fromStdString(longest) + "|" + Here(), "end|" + Here()}));
}

// The data folder is the program's own where the launcher is beside it (a build's run folder),
// and the installed one beside its bin folder otherwise, never the current folder.
TEST_F(TemplateLauncherTest, TheDataFolderIsFoundFromTheProgramsOwnFolder) {
    InstallStandIn("abiword");
    EXPECT_EQ(TemplateChooser::DataFolderOf(run.path()), run.path());
    EXPECT_EQ(TemplateChooser::DataFolderOf("/opt/x/bin"), "/opt/x/share/dutywise");
}

TEST_F(TemplateLauncherTest, TheListHoldsSevenEntriesAndTheSelectionSurvivesAVisit) {
    auto* list = chooser.findChild<FlatListBox*>("dayCountList");
    EXPECT_EQ(list->items(),
              QStringList({"1 Day", "2 Days", "3 Days", "4 Days", "5 Days", "6 Days", "7 Days"}));
    EXPECT_GE(list->visibleRows(), 9);
    chooser.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chooser));
    ClickRow(3);
    chooser.close();
    chooser.show();
    EXPECT_EQ(list->selectedIndex(), 3);
}

} // namespace
