// The window flow: which window shows, which runs a modal loop, the window states after each
// event, the end of the program from the chooser, and what survives a closed wizard.
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "AboutBox.h"
#include "AppTestSupport.h"
#include "ChooserWindow.h"
#include "HiddenPictureWindow.h"
#include "ModalAnswer.h"
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
