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
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
    }
    void TearDown() override { flow.reset(); }

    // Inside the chooser's loop: runs `inside`, which must end that loop.
    void InChooser(std::function<void()> inside) {
        auto failed =
            When([] { return Form5->isVisible() && InModalLoop(*Form5); }, std::move(inside));
        Click(Form1, "FlatButton1"); // returns when the chooser's loop has ended
        EXPECT_FALSE(*failed) << "the chooser did not open";
    }

    std::unique_ptr<dutywise::app::WindowFlow> flow;
    int quits = 0;
};

TEST_F(WindowFlowTest, StartShowsOnlyTheWelcomeWindowWithItsCaption) {
    EXPECT_EQ(Form1->windowTitle(), "Dutywise v4.1");
    EXPECT_FALSE(Minimised(Form1));
    for (QWidget* w : std::initializer_list<QWidget*>{Form2, Form3, Form4, Form5, Form6})
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    EXPECT_EQ(Form5->windowTitle(), "Welcome");
    EXPECT_EQ(Form6->windowTitle(), "Packready Templates");
    EXPECT_EQ(Form4->windowTitle(), "About...");
    EXPECT_EQ(Form3->windowTitle(), "You found my Easter Egg");
}

QString Text(QWidget* window, const char* name) {
    auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
    EXPECT_NE(label, nullptr) << name;
    return label ? label->text() : QString();
}

TEST_F(WindowFlowTest, FixedTextsOfTheFiveSmallWindows) {
    EXPECT_EQ(Text(Form1, "Label1"),
              "Welcome to Dutywise 4.1. I have changed the program just a LITTLE. At least this "
              "time, you have a choice of a template or a generated roster. If you have any "
              "questions or problems, my email is:" +
                  QString::fromLatin1(TForm1::kAuthorAddress) +
                  ". Thank you for using this program.\n\nHappy Roster Generating.");
    EXPECT_EQ(Form1->findChild<QGroupBox*>("FlatGroupBox1")->title(), "Welcome");
    EXPECT_FALSE(Text(Form1, "Label2").isEmpty());
    EXPECT_FALSE(Text(Form1, "Label3").isEmpty());
    EXPECT_EQ(Button(Form1, "FlatButton1")->text(), "OK");

    EXPECT_EQ(Text(Form5, "Label1"),
              "Please select which option you would like for your Boy Scout Roster:");
    EXPECT_EQ(Button(Form5, "FlatSpeedButton1")->text(), "Template");
    EXPECT_EQ(Button(Form5, "FlatSpeedButton2")->text(), "Wizard");
    EXPECT_EQ(Button(Form5, "FlatSpeedButton3")->text(), "Exit");

    EXPECT_EQ(Form6->findChild<QGroupBox*>("FlatGroupBox1")->title(),
              "Please select how many days there will be on the outing:");
    EXPECT_EQ(Form6->findChild<TFlatListBox*>("FlatListBox1")->items(),
              (QStringList{"1 Day", "2 Days", "3 Days", "4 Days", "5 Days", "6 Days", "7 Days"}));
    EXPECT_EQ(Button(Form6, "FlatButton3")->text(), "Edit a Template");
    EXPECT_EQ(Button(Form6, "FlatButton2")->text(), "Exit");
    EXPECT_EQ(Button(Form6, "FlatButton1")->text(), "Start");

    EXPECT_EQ(Text(Form4, "Label1"), "Dutywise");
    const QFont title = Form4->findChild<QLabel*>("Label1")->font();
    EXPECT_EQ(title.family(), "Arial");
    EXPECT_EQ(title.pointSize(), 12);
    EXPECT_TRUE(title.bold() && title.italic());
    EXPECT_EQ(Text(Form4, "Label2"), "Version: 4.1");
    EXPECT_EQ(Text(Form4, "Label3"), "Build Date: Sep. 23, 2004 4:11 PM");
    EXPECT_FALSE(Text(Form4, "Panel1").isEmpty());
    EXPECT_EQ(Button(Form4, "FlatButton1")->text(), "OK");

    const QStringList caption = Text(Form3, "Label1").split('\n');
    EXPECT_EQ(caption.size(), 2);
    for (const QString& line : caption)
        EXPECT_FALSE(line.isEmpty());
    EXPECT_EQ(Button(Form3, "Button1")->text(), "OK");
}

// Escape closes none of the flow's windows: the welcome window would vanish and leave a running
// program with no window, the chooser and the template chooser would end their loops behind
// their handlers' backs.
TEST_F(WindowFlowTest, EscapeClosesNoneOfTheFlowsWindows) {
    const auto escape = [](QWidget* window) {
        QWidget* focus = window->focusWidget();
        QTest::keyClick(focus ? focus : window, Qt::Key_Escape);
    };
    escape(Form1);
    EXPECT_TRUE(Form1->isVisible());

    bool chooserStayed = false;
    bool templatesStayed = false;
    InChooser([&] {
        escape(Form5);
        chooserStayed = Form5->isVisible() && InModalLoop(*Form5);
        When([] { return InModalLoop(*Form6); },
             [&] {
                 escape(Form6);
                 templatesStayed = Form6->isVisible() && InModalLoop(*Form6);
                 Click(Form6, "FlatButton2");
             });
        Click(Form5, "FlatSpeedButton1");
        Form5->close();
    });
    EXPECT_TRUE(chooserStayed);
    EXPECT_TRUE(templatesStayed);
    EXPECT_TRUE(Form1->isVisible());
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
        When([] { return InModalLoop(*Form2); },
             [&] {
                 TitleBarClose(Form1);
                 TitleBarClose(Form5);
                 ignored = quits == 0 && !flow->Terminated() && Form1->isVisible() &&
                           Form5->isVisible() && InModalLoop(*Form5) && InModalLoop(*Form2);
                 Form2->close();
             });
        Click(Form5, "FlatSpeedButton2");
        // Enabled again, the chooser closes from its title bar once more.
        TitleBarClose(Form5);
    });
    EXPECT_TRUE(ignored);
    EXPECT_FALSE(Form5->isVisible());
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_EQ(quits, 0);
}

// Minimised, a window is named by its icon text on the accessibility bus: it carries the title.
TEST_F(WindowFlowTest, MinimisedWindowsKeepTheirNamesForScreenReaders) {
    const auto name = [](QWidget* window) {
        return QAccessible::queryAccessibleInterface(window)->text(QAccessible::Name);
    };
    EXPECT_EQ(name(Form1), "Dutywise v4.1");
    QString welcome, chooser;
    InChooser([&] {
        When([] { return InModalLoop(*Form6); },
             [&] {
                 welcome = Minimised(Form1) ? name(Form1) : "(not minimised)";
                 chooser = Minimised(Form5) ? name(Form5) : "(not minimised)";
                 Click(Form6, "FlatButton2");
             });
        Click(Form5, "FlatSpeedButton1");
        Form5->close();
    });
    EXPECT_EQ(welcome, "Dutywise v4.1");
    EXPECT_EQ(chooser, "Welcome");
}

// The welcome window is laid out to the pixel for an 8 pt face: in the face that stands in for
// it, the wrapped welcome text still shows to its last line.
TEST_F(WindowFlowTest, WelcomeTextShowsWholeInItsLabel) {
    auto* text = Form1->findChild<QLabel*>(QStringLiteral("Label1"));
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->text().endsWith("Happy Roster Generating."));
    EXPECT_LE(text->heightForWidth(text->width()), text->height());
}

TEST_F(WindowFlowTest,
       OkMinimisesWelcomeAndChooserRunsModallyUntilClosedWhichLeavesWelcomeMinimised) {
    bool welcomeDisabled = false;
    InChooser([&] {
        EXPECT_TRUE(Minimised(Form1));
        EXPECT_FALSE(Minimised(Form5));
        welcomeDisabled = !Form1->isEnabled();
        Form5->close(); // its title-bar button
    });
    EXPECT_TRUE(welcomeDisabled);
    EXPECT_FALSE(Form5->isVisible());
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_TRUE(Minimised(Form1)); // nothing restores it
    EXPECT_TRUE(Form1->isEnabled());
    EXPECT_EQ(quits, 0);

    // Restored by hand, OK opens the chooser again.
    dutywise::app::Restore(*Form1);
    bool again = false;
    InChooser([&] {
        again = true;
        Form5->close();
    });
    EXPECT_TRUE(again);
}

TEST_F(WindowFlowTest, ChooserExitEndsTheProgramFromInsideItsModalLoopEvenAfterAWizardVisit) {
    InChooser([&] {
        When([] { return Form2->isVisible(); },
             [] {
                 Form2->findChild<QLineEdit*>("FlatEdit1")->setText("Unsaved outing");
                 Form2->close();
             });
        Click(Form5, "FlatSpeedButton2");
        EXPECT_FALSE(Minimised(Form5));   // the wizard's close restored it
        Click(Form5, "FlatSpeedButton3"); // Exit: nothing is asked
    });
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(flow->Terminated());
    EXPECT_FALSE(Form5->isVisible());
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_FALSE(InModalLoop(*Form5));
}

TEST_F(WindowFlowTest, TemplateChooserExitRestoresTheChooserButItsCloseBoxLeavesItMinimised) {
    InChooser([&] {
        When([] { return InModalLoop(*Form6); },
             [] {
                 EXPECT_TRUE(Minimised(Form5));
                 EXPECT_FALSE(Form5->isEnabled());
                 Click(Form6, "FlatButton2"); // Exit
             });
        Click(Form5, "FlatSpeedButton1");
        EXPECT_FALSE(Form6->isVisible());
        EXPECT_FALSE(Minimised(Form5));
        EXPECT_TRUE(Form5->isEnabled());

        When([] { return InModalLoop(*Form6); }, [] { Form6->close(); });
        Click(Form5, "FlatSpeedButton1");
        EXPECT_FALSE(Form6->isVisible());
        EXPECT_TRUE(Minimised(Form5)); // no close handler: stays minimised
        Form5->close();
    });
    EXPECT_EQ(quits, 0);
}

TEST_F(WindowFlowTest, ReopenedWizardKeepsItsContentsAndItsCloseRestoresAChooserRestoredByHand) {
    InChooser([&] {
        When([] { return InModalLoop(*Form2); },
             [] {
                 EXPECT_TRUE(Minimised(Form5));
                 auto* edit = Form2->findChild<QLineEdit*>("FlatEdit1");
                 edit->setFocus();
                 QTest::keyClicks(edit, "Spring Campout");
                 dutywise::app::Restore(*Form5); // the user restores the chooser by hand
                 Form2->close();
             });
        Click(Form5, "FlatSpeedButton2");
        EXPECT_FALSE(Minimised(Form5));
        EXPECT_FALSE(Form2->isVisible());

        QString seen;
        When([] { return InModalLoop(*Form2); },
             [&] {
                 seen = Form2->findChild<QLineEdit*>("FlatEdit1")->text();
                 Form2->close();
             });
        Click(Form5, "FlatSpeedButton2");
        EXPECT_EQ(seen, "Spring Campout");
        Form5->close();
    });
}

TEST_F(WindowFlowTest, AboutBoxRunsModallyOverTheWizardAndShowsTheSameTextsEachTime) {
    InChooser([&] {
        When([] { return InModalLoop(*Form2); },
             [] {
                 for (int visit = 0; visit < 2; ++visit) {
                     bool wizardDisabled = false;
                     QString version;
                     When([] { return InModalLoop(*Form4); },
                          [&] {
                              wizardDisabled = !Form2->isEnabled();
                              version = Form4->findChild<QLabel*>("Label2")->text();
                              Click(Form4, "FlatButton1");
                          });
                     QTest::mouseClick(Form2->findChild<QPushButton*>("FlatButton4"),
                                       Qt::LeftButton);
                     EXPECT_TRUE(wizardDisabled);
                     EXPECT_EQ(version, "Version: 4.1");
                     EXPECT_FALSE(Form4->isVisible());
                     EXPECT_TRUE(Form2->isEnabled());
                 }
                 Form2->close();
             });
        Click(Form5, "FlatSpeedButton2");
        Form5->close();
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
    Form3->installEventFilter(&watch);
    InChooser([&] {
        When([] { return InModalLoop(*Form2); },
             [&] {
                 emit Form2->hiddenPictureRequested();
                 EXPECT_TRUE(Form3->isVisible());
                 EXPECT_FALSE(InModalLoop(*Form3));
                 EXPECT_TRUE(Form2->isEnabled()); // no modal loop: both usable
                 EXPECT_FALSE(watch.blocked);
                 emit Form2->hiddenPictureRequested(); // only brought to the front
                 Form2->close();
             });
        Click(Form5, "FlatSpeedButton2");
        EXPECT_TRUE(Form3->isVisible()); // the wizard closed, the picture stays
        EXPECT_TRUE(Form3->isEnabled());
        EXPECT_FALSE(watch.blocked); // Qt's application modality would block it
        Click(Form3, "Button1");
        EXPECT_TRUE(testsupport::WaitUntil([] { return !Form3->isVisible(); }, 2000));
        Form5->close();
    });
    EXPECT_EQ(Form3->pos(), QPoint(192, 107));
}

// A real Build whose plan matches the hidden trigger: the picture comes up beside the wizard,
// with no modal loop of its own, and the wizard goes on taking input.
TEST_F(WindowFlowTest, BuildWithTheHiddenTriggerShowsThePictureBesideAWizardThatGoesOn) {
    namespace hidden = dutywise::hidden_picture;
    BlockWatch watch;
    Form3->installEventFilter(&watch);
    std::shared_ptr<testsupport::ModalSeen> found;
    bool beside = false;
    QString typedAfter;
    InChooser([&] {
        When([] { return InModalLoop(*Form2); },
             [&] {
                 const auto type = [](const char* field, const QString& text) {
                     auto* edit = Form2->findChild<QLineEdit*>(field);
                     edit->setFocus();
                     QTest::keyClicks(edit, text);
                 };
                 auto* pages = Form2->findChild<QTabWidget*>("TabbedNotebook1");
                 pages->setCurrentIndex(0);
                 type("FlatEdit1", QString::fromUtf8(hidden::kOutingName));
                 type("FlatEdit2", QString::fromUtf8(hidden::kPatrolName));
                 for (std::string_view person : hidden::kFirstPeople) {
                     auto seen = testsupport::AnswerPrompt(QString::fromUtf8(person));
                     Click(Form2, "FlatSpeedButton1");
                 }
                 pages->setCurrentIndex(1);
                 auto* days = Form2->findChild<TFlatCheckListBox*>("days");
                 QTest::mouseClick(days, Qt::LeftButton, {},
                                   TFlatCheckListBox::checkRect(days->rowRect(5)).center());
                 auto* friday = Form2->findChild<QCheckBox*>("FriDin");
                 QTest::mouseClick(friday, Qt::LeftButton, {}, QPoint(6, friday->height() / 2));
                 pages->setCurrentIndex(2);
                 auto dinner = testsupport::AnswerPrompt(QString::fromUtf8(hidden::kFirstDinner));
                 Click(Form2, "FlatSpeedButton12");
                 pages->setCurrentIndex(4);

                 found = testsupport::AnswerNextModal("OK");
                 Click(Form2, "FlatButton1");
                 beside = Form3->isVisible() && !InModalLoop(*Form3) && InModalLoop(*Form2) &&
                          Form2->isVisible() && Form2->isEnabled() && !watch.blocked;
                 // The wizard still takes typing and clicks.
                 pages->setCurrentIndex(0);
                 type("FlatEdit2", QStringLiteral(" Two"));
                 typedAfter = Form2->findChild<QLineEdit*>("FlatEdit2")->text();
                 Click(Form3, "Button1");
                 Form2->close();
             });
        Click(Form5, "FlatSpeedButton2");
        Form5->close();
    });
    ASSERT_TRUE(found && found->found) << (found ? found->error.toStdString() : "no build");
    EXPECT_EQ(found->text, QString::fromUtf8(hidden::kMessage));
    EXPECT_TRUE(beside);
    EXPECT_EQ(typedAfter, QString::fromUtf8(hidden::kPatrolName) + " Two");
    EXPECT_EQ(Form2->Document().Paragraphs().front().Text(), "Self Interpreter"); // untouched
}

TEST_F(WindowFlowTest, WelcomeCloseEndsTheProgram) {
    Form1->close();
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(Form1->isVisible());
}

TEST(SmallWindows, AboutBitmapIsTransparentWhereItsBottomLeftColourIsAndPhotoIsCutByOneColumn) {
    const QImage bitmap(":/pictures/about.bmp");
    ASSERT_EQ(bitmap.size(), QSize(64, 64));
    EXPECT_EQ(bitmap.depth() == 32 || bitmap.depth() == 24, true);
    const QImage shown = TForm4::TransparentBitmap(bitmap).toImage();
    EXPECT_EQ(qAlpha(shown.pixel(0, 63)), 0);
    EXPECT_EQ(qAlpha(shown.pixel(32, 40)), 255); // the badge itself
    TForm3 picture;
    picture.show();
    auto* image = picture.findChild<QLabel*>("Image1");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->pixmap().size(), QSize(640, 480));
    EXPECT_EQ(image->width(), 639);
}

} // namespace
