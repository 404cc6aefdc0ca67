// The window flow: which window shows, which runs a modal loop, the window states after each
// event, the end of the program from the chooser, and what survives a closed wizard.
#include <QAccessible>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include "AboutBox.h"
#include "AppTestSupport.h"
#include "ChooserWindow.h"
#include "FlatListBox.h"
#include "HiddenPictureWindow.h"
#include "ModalAnswer.h"
#include "RosterBuild.h"
#include "TemplateChooser.h"
#include "WelcomeWindow.h"
#include "WindowFlow.h"
#include "Windows.h"
#include "WizardWindow.h"

using apptest::Minimised;
using apptest::When;
using dutywise::app::InModalLoop;

namespace {

QPushButton* Button(QWidget* window, const char* name) {
    auto* b = window->findChild<QPushButton*>(QString::fromLatin1(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
}

void Click(QWidget* window, const char* name) {
    QTest::mouseClick(Button(window, name), Qt::LeftButton);
}

class WindowFlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        flow = std::make_unique<dutywise::app::WindowFlow>();
        flow->SetQuit([this] { ++quits; });
        flow->Start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(welcomeWindow));
    }
    void TearDown() override { flow.reset(); }

    // Inside the chooser's loop: runs `inside`, which must end that loop.
    void InChooser(std::function<void()> inside) {
        auto failed = When([] { return chooserWindow->isVisible() && InModalLoop(*chooserWindow); },
                           std::move(inside));
        Click(welcomeWindow, "okButton"); // returns when the chooser's loop has ended
        EXPECT_FALSE(*failed) << "the chooser did not open";
    }

    std::unique_ptr<dutywise::app::WindowFlow> flow;
    int quits = 0;
};

TEST_F(WindowFlowTest, StartShowsOnlyTheWelcomeWindowWithItsCaption) {
    EXPECT_EQ(welcomeWindow->windowTitle(), "Dutywise v4.1");
    EXPECT_FALSE(Minimised(welcomeWindow));
    for (QWidget* w : std::initializer_list<QWidget*>{wizardWindow, hiddenPictureWindow, aboutBox,
                                                      chooserWindow, templateChooser})
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    EXPECT_EQ(chooserWindow->windowTitle(), "Welcome");
    EXPECT_EQ(templateChooser->windowTitle(), "Packready Templates");
    EXPECT_EQ(aboutBox->windowTitle(), "About...");
    EXPECT_EQ(hiddenPictureWindow->windowTitle(), "You found my Easter Egg");
}

// Pictures nobody sees at start are decoded when their window or page first shows; the fault
// caught is one that then never appears.
TEST_F(WindowFlowTest, PicturesWaitForTheirWindowOrPageAndThenShow) {
    const auto picture = [](QWidget* window, const char* name) {
        return !window->findChild<QLabel*>(QString::fromLatin1(name))->pixmap().isNull();
    };
    EXPECT_FALSE(picture(aboutBox, "aboutPicture") || picture(wizardWindow, "basicsBackground"));
    aboutBox->show();
    wizardWindow->show();
    auto* pages = wizardWindow->findChild<QTabWidget*>("pages");
    for (const char* page : {"daysPage", "mealsPage"})
        pages->setCurrentWidget(wizardWindow->findChild<QWidget*>(page));
    for (const char* name : {"basicsBackground", "generationBackground", "daysPicture",
                             "mealsPicture"})
        EXPECT_TRUE(picture(wizardWindow, name)) << name;
    EXPECT_TRUE(picture(aboutBox, "aboutPicture"));
    aboutBox->hide();
    wizardWindow->hide();
}

QString Text(QWidget* window, const char* name) {
    auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
    EXPECT_NE(label, nullptr) << name;
    return label ? label->text() : QString();
}

TEST_F(WindowFlowTest, FixedTextsOfTheFiveSmallWindows) {
    EXPECT_EQ(Text(welcomeWindow, "welcomeText"),
              "Welcome to Dutywise 4.1. I have changed the program just a LITTLE. At least this "
              "time, you have a choice of a template or a generated roster. If you have any "
              "questions or problems, my email is:" +
                  QString::fromLatin1(WelcomeWindow::kAuthorAddress) +
                  ". Thank you for using this program.\n\nHappy Roster Generating.");
    EXPECT_EQ(welcomeWindow->findChild<QGroupBox*>("welcomeGroup")->title(), "Welcome");
    EXPECT_FALSE(Text(welcomeWindow, "authorName").isEmpty());
    EXPECT_FALSE(Text(welcomeWindow, "authorRole").isEmpty());
    EXPECT_EQ(Button(welcomeWindow, "okButton")->text(), "OK");

    EXPECT_EQ(Text(chooserWindow, "questionText"),
              "Please select which option you would like for your Boy Scout Roster:");
    EXPECT_EQ(Button(chooserWindow, "templateButton")->text(), "Template");
    EXPECT_EQ(Button(chooserWindow, "wizardButton")->text(), "Wizard");
    EXPECT_EQ(Button(chooserWindow, "exitButton")->text(), "Exit");

    EXPECT_EQ(templateChooser->findChild<QGroupBox*>("dayCountGroup")->title(),
              "Please select how many days there will be on the outing:");
    EXPECT_EQ(templateChooser->findChild<FlatListBox*>("dayCountList")->items(),
              (QStringList{"1 Day", "2 Days", "3 Days", "4 Days", "5 Days", "6 Days", "7 Days"}));
    EXPECT_EQ(Button(templateChooser, "editTemplateButton")->text(), "Edit a Template");
    EXPECT_EQ(Button(templateChooser, "exitButton")->text(), "Exit");
    EXPECT_EQ(Button(templateChooser, "startButton")->text(), "Start");

    EXPECT_EQ(Text(aboutBox, "productName"), "Dutywise");
    const QFont title = aboutBox->findChild<QLabel*>("productName")->font();
    EXPECT_EQ(title.family(), "Arial");
    EXPECT_EQ(title.pointSize(), 12);
    EXPECT_TRUE(title.bold() && title.italic());
    EXPECT_EQ(Text(aboutBox, "versionText"), "Version: 4.1");
    EXPECT_EQ(Text(aboutBox, "buildDateText"), "Build Date: Sep. 23, 2004 4:11 PM");
    EXPECT_FALSE(Text(aboutBox, "tagline").isEmpty());
    EXPECT_EQ(Button(aboutBox, "okButton")->text(), "OK");

    const QStringList caption = Text(hiddenPictureWindow, "caption").split('\n');
    EXPECT_EQ(caption.size(), 2);
    for (const QString& line : caption)
        EXPECT_FALSE(line.isEmpty());
    EXPECT_EQ(Button(hiddenPictureWindow, "okButton")->text(), "OK");
}

// Escape closes none of the flow's windows: the welcome window would vanish and leave a running
// program with no window, the chooser and the template chooser would end their loops behind
// their handlers' backs.
TEST_F(WindowFlowTest, EscapeClosesNoneOfTheFlowsWindows) {
    const auto escape = [](QWidget* window) {
        QWidget* focus = window->focusWidget();
        QTest::keyClick(focus ? focus : window, Qt::Key_Escape);
    };
    escape(welcomeWindow);
    EXPECT_TRUE(welcomeWindow->isVisible());

    bool chooserStayed = false;
    bool templatesStayed = false;
    InChooser([&] {
        escape(chooserWindow);
        chooserStayed = chooserWindow->isVisible() && InModalLoop(*chooserWindow);
        When([] { return InModalLoop(*templateChooser); },
             [&] {
                 escape(templateChooser);
                 templatesStayed = templateChooser->isVisible() && InModalLoop(*templateChooser);
                 Click(templateChooser, "exitButton");
             });
        Click(chooserWindow, "templateButton");
        chooserWindow->close();
    });
    EXPECT_TRUE(chooserStayed);
    EXPECT_TRUE(templatesStayed);
    EXPECT_TRUE(welcomeWindow->isVisible());
    EXPECT_EQ(quits, 0);
}

// A close from the title bar arrives at the widget's window, which hands the widget a
// spontaneous close event (QWindow::close would hand it a programmatic one).
void TitleBarClose(QWidget* window) {
    QCloseEvent close;
    QCoreApplication::sendEvent(window->windowHandle(), &close);
}

// The windows under a modal one are disabled, and so is their title bar's close button: closing
// the minimised welcome window while the wizard is open must not end the program.
TEST_F(WindowFlowTest, TitleBarCloseOfAWindowDisabledByTheFlowIsIgnored) {
    bool ignored = false;
    InChooser([&] {
        When([] { return InModalLoop(*wizardWindow); },
             [&] {
                 TitleBarClose(welcomeWindow);
                 TitleBarClose(chooserWindow);
                 ignored = quits == 0 && !flow->Terminated() && welcomeWindow->isVisible() &&
                           chooserWindow->isVisible() && InModalLoop(*chooserWindow) &&
                           InModalLoop(*wizardWindow);
                 wizardWindow->close();
             });
        Click(chooserWindow, "wizardButton");
        // Enabled again, the chooser closes from its title bar once more.
        TitleBarClose(chooserWindow);
    });
    EXPECT_TRUE(ignored);
    EXPECT_FALSE(chooserWindow->isVisible());
    EXPECT_TRUE(welcomeWindow->isVisible());
    EXPECT_EQ(quits, 0);
}

// Minimised, a window is named by its icon text on the accessibility bus: it carries the title.
TEST_F(WindowFlowTest, MinimisedWindowsKeepTheirNamesForScreenReaders) {
    const auto name = [](QWidget* window) {
        return QAccessible::queryAccessibleInterface(window)->text(QAccessible::Name);
    };
    EXPECT_EQ(name(welcomeWindow), "Dutywise v4.1");
    QString welcome, chooser;
    InChooser([&] {
        When([] { return InModalLoop(*templateChooser); },
             [&] {
                 welcome = Minimised(welcomeWindow) ? name(welcomeWindow) : "(not minimised)";
                 chooser = Minimised(chooserWindow) ? name(chooserWindow) : "(not minimised)";
                 Click(templateChooser, "exitButton");
             });
        Click(chooserWindow, "templateButton");
        chooserWindow->close();
    });
    EXPECT_EQ(welcome, "Dutywise v4.1");
    EXPECT_EQ(chooser, "Welcome");
}

// The welcome window is laid out to the pixel for an 8 pt face: in the face that stands in for
// it, the wrapped welcome text still shows to its last line.
TEST_F(WindowFlowTest, WelcomeTextShowsWholeInItsLabel) {
    auto* text = welcomeWindow->findChild<QLabel*>(QStringLiteral("welcomeText"));
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->text().endsWith("Happy Roster Generating."));
    EXPECT_LE(text->heightForWidth(text->width()), text->height());
}

TEST_F(WindowFlowTest,
       OkMinimisesWelcomeAndChooserRunsModallyUntilClosedWhichLeavesWelcomeMinimised) {
    bool welcomeDisabled = false;
    InChooser([&] {
        EXPECT_TRUE(Minimised(welcomeWindow));
        EXPECT_FALSE(Minimised(chooserWindow));
        welcomeDisabled = !welcomeWindow->isEnabled();
        chooserWindow->close(); // its title-bar button
    });
    EXPECT_TRUE(welcomeDisabled);
    EXPECT_FALSE(chooserWindow->isVisible());
    EXPECT_TRUE(welcomeWindow->isVisible());
    EXPECT_TRUE(Minimised(welcomeWindow)); // nothing restores it
    EXPECT_TRUE(welcomeWindow->isEnabled());
    EXPECT_EQ(quits, 0);

    // Restored by hand, OK opens the chooser again.
    dutywise::app::Restore(*welcomeWindow);
    bool again = false;
    InChooser([&] {
        again = true;
        chooserWindow->close();
    });
    EXPECT_TRUE(again);
}

TEST_F(WindowFlowTest, ChooserExitEndsTheProgramFromInsideItsModalLoopEvenAfterAWizardVisit) {
    InChooser([&] {
        When([] { return wizardWindow->isVisible(); },
             [] {
                 wizardWindow->findChild<QLineEdit*>("outingNameEdit")->setText("Unsaved outing");
                 wizardWindow->close();
             });
        Click(chooserWindow, "wizardButton");
        EXPECT_FALSE(Minimised(chooserWindow)); // the wizard's close restored it
        Click(chooserWindow, "exitButton");     // Exit: nothing is asked
    });
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(flow->Terminated());
    EXPECT_FALSE(chooserWindow->isVisible());
    EXPECT_FALSE(welcomeWindow->isVisible());
    EXPECT_FALSE(InModalLoop(*chooserWindow));
}

TEST_F(WindowFlowTest, TemplateChooserExitRestoresTheChooserButItsCloseBoxLeavesItMinimised) {
    InChooser([&] {
        When([] { return InModalLoop(*templateChooser); },
             [] {
                 EXPECT_TRUE(Minimised(chooserWindow));
                 EXPECT_FALSE(chooserWindow->isEnabled());
                 Click(templateChooser, "exitButton"); // Exit
             });
        Click(chooserWindow, "templateButton");
        EXPECT_FALSE(templateChooser->isVisible());
        EXPECT_FALSE(Minimised(chooserWindow));
        EXPECT_TRUE(chooserWindow->isEnabled());

        When([] { return InModalLoop(*templateChooser); }, [] { templateChooser->close(); });
        Click(chooserWindow, "templateButton");
        EXPECT_FALSE(templateChooser->isVisible());
        EXPECT_TRUE(Minimised(chooserWindow)); // no close handler: stays minimised
        chooserWindow->close();
    });
    EXPECT_EQ(quits, 0);
}

TEST_F(WindowFlowTest, ReopenedWizardKeepsItsContentsAndItsCloseRestoresAChooserRestoredByHand) {
    InChooser([&] {
        When([] { return InModalLoop(*wizardWindow); },
             [] {
                 EXPECT_TRUE(Minimised(chooserWindow));
                 auto* edit = wizardWindow->findChild<QLineEdit*>("outingNameEdit");
                 edit->setFocus();
                 QTest::keyClicks(edit, "Spring Campout");
                 dutywise::app::Restore(*chooserWindow); // the user restores the chooser by hand
                 wizardWindow->close();
             });
        Click(chooserWindow, "wizardButton");
        EXPECT_FALSE(Minimised(chooserWindow));
        EXPECT_FALSE(wizardWindow->isVisible());

        QString seen;
        When([] { return InModalLoop(*wizardWindow); },
             [&] {
                 seen = wizardWindow->findChild<QLineEdit*>("outingNameEdit")->text();
                 wizardWindow->close();
             });
        Click(chooserWindow, "wizardButton");
        EXPECT_EQ(seen, "Spring Campout");
        chooserWindow->close();
    });
}

TEST_F(WindowFlowTest, AboutBoxRunsModallyOverTheWizardAndShowsTheSameTextsEachTime) {
    InChooser([&] {
        When([] { return InModalLoop(*wizardWindow); },
             [] {
                 for (int visit = 0; visit < 2; ++visit) {
                     bool wizardDisabled = false;
                     QString version;
                     When([] { return InModalLoop(*aboutBox); },
                          [&] {
                              wizardDisabled = !wizardWindow->isEnabled();
                              version = aboutBox->findChild<QLabel*>("versionText")->text();
                              Click(aboutBox, "okButton");
                          });
                     QTest::mouseClick(wizardWindow->findChild<QPushButton*>("aboutButton"),
                                       Qt::LeftButton);
                     EXPECT_TRUE(wizardDisabled);
                     EXPECT_EQ(version, "Version: 4.1");
                     EXPECT_FALSE(aboutBox->isVisible());
                     EXPECT_TRUE(wizardWindow->isEnabled());
                 }
                 wizardWindow->close();
             });
        Click(chooserWindow, "wizardButton");
        chooserWindow->close();
    });
}

// Records whether the window system holds a window blocked by another's modality.
class BlockWatch : public QObject {
public:
    bool blocked = false;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::WindowBlocked)
            blocked = true;
        else if (e->type() == QEvent::WindowUnblocked)
            blocked = false;
        return QObject::eventFilter(o, e);
    }
};

TEST_F(WindowFlowTest, HiddenPictureShowsBesideTheWizardUsableAndOutlivesIt) {
    BlockWatch watch;
    hiddenPictureWindow->installEventFilter(&watch);
    InChooser([&] {
        When([] { return InModalLoop(*wizardWindow); },
             [&] {
                 emit wizardWindow->hiddenPictureRequested();
                 EXPECT_TRUE(hiddenPictureWindow->isVisible());
                 EXPECT_FALSE(InModalLoop(*hiddenPictureWindow));
                 EXPECT_TRUE(wizardWindow->isEnabled()); // no modal loop: both usable
                 EXPECT_FALSE(watch.blocked);
                 emit wizardWindow->hiddenPictureRequested(); // only brought to the front
                 wizardWindow->close();
             });
        Click(chooserWindow, "wizardButton");
        EXPECT_TRUE(hiddenPictureWindow->isVisible()); // the wizard closed, the picture stays
        EXPECT_TRUE(hiddenPictureWindow->isEnabled());
        EXPECT_FALSE(watch.blocked); // Qt's application modality would block it
        Click(hiddenPictureWindow, "okButton");
        EXPECT_TRUE(testsupport::WaitUntil([] { return !hiddenPictureWindow->isVisible(); }, 2000));
        chooserWindow->close();
    });
    EXPECT_EQ(hiddenPictureWindow->pos(), QPoint(192, 107));
}

// A real Build whose plan matches the hidden trigger: the picture comes up beside the wizard,
// with no modal loop of its own, and the wizard goes on taking input.
TEST_F(WindowFlowTest, BuildWithTheHiddenTriggerShowsThePictureBesideAWizardThatGoesOn) {
    namespace hidden = dutywise::hidden_picture;
    BlockWatch watch;
    hiddenPictureWindow->installEventFilter(&watch);
    std::shared_ptr<testsupport::ModalSeen> found;
    bool beside = false;
    QString typedAfter;
    InChooser([&] {
        When([] { return InModalLoop(*wizardWindow); },
             [&] {
                 const auto type = [](const char* field, const QString& text) {
                     auto* edit = wizardWindow->findChild<QLineEdit*>(field);
                     edit->setFocus();
                     QTest::keyClicks(edit, text);
                 };
                 auto* pages = wizardWindow->findChild<QTabWidget*>("pages");
                 pages->setCurrentIndex(0);
                 type("outingNameEdit", QString::fromUtf8(hidden::kOutingName));
                 type("patrolNameEdit", QString::fromUtf8(hidden::kPatrolName));
                 for (std::string_view person : hidden::kFirstPeople) {
                     auto seen = testsupport::AnswerPrompt(QString::fromUtf8(person));
                     Click(wizardWindow, "addPersonButton");
                 }
                 pages->setCurrentIndex(1);
                 auto* days = wizardWindow->findChild<FlatCheckListBox*>("daysList");
                 QTest::mouseClick(days, Qt::LeftButton, {},
                                   FlatCheckListBox::checkRect(days->rowRect(5)).center());
                 auto* friday = wizardWindow->findChild<QCheckBox*>("fridayDinnerBox");
                 QTest::mouseClick(friday, Qt::LeftButton, {}, QPoint(6, friday->height() / 2));
                 pages->setCurrentIndex(2);
                 auto dinner = testsupport::AnswerPrompt(QString::fromUtf8(hidden::kFirstDinner));
                 Click(wizardWindow, "addDinnerButton");
                 pages->setCurrentIndex(4);

                 found = testsupport::AnswerNextModal("OK");
                 Click(wizardWindow, "buildButton");
                 beside = hiddenPictureWindow->isVisible() && !InModalLoop(*hiddenPictureWindow) &&
                          InModalLoop(*wizardWindow) && wizardWindow->isVisible() &&
                          wizardWindow->isEnabled() && !watch.blocked;
                 // The wizard still takes typing and clicks.
                 pages->setCurrentIndex(0);
                 type("patrolNameEdit", QStringLiteral(" Two"));
                 typedAfter = wizardWindow->findChild<QLineEdit*>("patrolNameEdit")->text();
                 Click(hiddenPictureWindow, "okButton");
                 wizardWindow->close();
             });
        Click(chooserWindow, "wizardButton");
        chooserWindow->close();
    });
    ASSERT_TRUE(found && found->found) << (found ? found->error.toStdString() : "no build");
    EXPECT_EQ(found->text, QString::fromUtf8(hidden::kMessage));
    EXPECT_TRUE(beside);
    EXPECT_EQ(typedAfter, QString::fromUtf8(hidden::kPatrolName) + " Two");
    EXPECT_EQ(wizardWindow->Document().Paragraphs().front().Text(),
              "Self Interpreter"); // untouched
}

TEST_F(WindowFlowTest, WelcomeCloseEndsTheProgram) {
    welcomeWindow->close();
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(welcomeWindow->isVisible());
}

TEST(SmallWindows, AboutBitmapIsTransparentWhereItsBottomLeftColourIsAndPhotoIsCutByOneColumn) {
    const QImage bitmap(":/pictures/about.bmp");
    ASSERT_EQ(bitmap.size(), QSize(64, 64));
    EXPECT_EQ(bitmap.depth() == 32 || bitmap.depth() == 24, true);
    const QImage shown = AboutBox::TransparentBitmap(bitmap).toImage();
    EXPECT_EQ(qAlpha(shown.pixel(0, 63)), 0);
    EXPECT_EQ(qAlpha(shown.pixel(32, 40)), 255); // the badge itself
    HiddenPictureWindow picture;
    picture.show();
    auto* image = picture.findChild<QLabel*>("picture");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->pixmap().size(), QSize(640, 480));
    EXPECT_EQ(image->width(), 639);
}

} // namespace
