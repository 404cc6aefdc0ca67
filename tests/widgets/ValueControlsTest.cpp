// The value controls: gauge arithmetic, the colour box's entries and "Custom", the spin box's
// typing, reading and clamping, and the notification and focus rules of the flat controls.
#include "FlatColorComboBox.h"
#include "FlatControls.h"
#include "FlatGauge.h"
#include "FlatSpinEdit.h"
#include "ModalAnswer.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using testsupport::AnswerNextModal;
using testsupport::WaitUntil;

namespace {

// A shown, active window, so that clicks and keys move the focus as they do for a user.
void ShowActive(QWidget* w) {
    w->show();
    QApplication::setActiveWindow(w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
}

// Picks an entry from the open list with the mouse, as a user does.
void Choose(QComboBox* box, int index) {
    box->showPopup();
    QAbstractItemView* view = box->view();
    ASSERT_TRUE(WaitUntil([&] { return view->isVisible(); }));
    const QModelIndex item = view->model()->index(index, 0);
    view->scrollTo(item);
    const QPoint at = view->visualRect(item).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    ASSERT_TRUE(WaitUntil([&] { return !view->isVisible(); }));
}

} // namespace

// ---- gauge ----

TEST(FlatGauge, ThirtySevenPercentTextAndBar) {
    FlatGauge g;
    g.resize(150, 30);
    g.setProgress(37);
    EXPECT_EQ(g.displayText(), QStringLiteral("37 %"));
    EXPECT_EQ(g.barWidth(), 54); // trunc(146 / 100 * 37) = trunc(54.02)

    // The bar in the image: BarColor up to its width along the inner top row, then the background.
    const QImage img = g.grab().toImage();
    EXPECT_EQ(img.pixelColor(0, 0), g.colorBorder());
    EXPECT_EQ(img.pixelColor(2 + 53, 3), g.barColor());
    EXPECT_EQ(img.pixelColor(2 + 54, 3), g.color());
}

// Division first, then truncation, on the offset from MinValue.
TEST(FlatGauge, TextIsTruncatedPercentOfTheRange) {
    FlatGauge g;
    g.resize(150, 30);
    g.setMinValue(10);
    g.setMaxValue(40);
    g.setProgress(20);
    EXPECT_EQ(g.displayText(), QStringLiteral("33 %")); // 33.33
    EXPECT_EQ(g.barWidth(), 48);                        // trunc(146 / 30 * 10) = trunc(48.67)
    g.setProgress(40);
    EXPECT_EQ(g.displayText(), QStringLiteral("100 %"));
    EXPECT_EQ(g.barWidth(), 146);
    g.setProgress(29 + 10);
    EXPECT_EQ(g.displayText(), QStringLiteral("96 %")); // 96.67
}

TEST(FlatGauge, ProgressIsClampedAndEmptyRangePaintsNoBar) {
    FlatGauge g;
    g.resize(104, 20);
    g.setProgress(150);
    EXPECT_EQ(g.progress(), 100);
    EXPECT_EQ(g.barWidth(), 100);
    g.setProgress(-5);
    EXPECT_EQ(g.progress(), 0);
    g.setProgress(60);
    g.setMaxValue(50);
    EXPECT_EQ(g.progress(), 50);

    g.setMinValue(50);
    EXPECT_EQ(g.barWidth(), 0);
    EXPECT_EQ(g.displayText(), QStringLiteral("0 %"));
    g.grab(); // paints without dividing by zero
}

// ---- colour box ----

TEST(FlatColorComboBox, SeventeenEntriesInOrderWithBlackSelected) {
    FlatColorComboBox box;
    QSignalSpy changed(&box, &FlatColorComboBox::changed);
    const QStringList names{"Black", "Maroon",  "Green",  "Olive", "Navy",  "Purple",
                            "Teal",  "Gray",    "Silver", "Red",   "Lime",  "Yellow",
                            "Blue",  "Fuchsia", "Aqua",   "White", "Custom"};
    ASSERT_EQ(box.count(), 17);
    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(box.itemText(i), names[i]);
    EXPECT_EQ(box.entryColor(4), QColor(0x000080));
    EXPECT_EQ(box.entryColor(8), QColor(0xC0C0C0));
    EXPECT_EQ(box.currentIndex(), 0);
    EXPECT_EQ(box.value(), QColor(Qt::black));
    EXPECT_FALSE(box.isEditable());
    // The creation's notification is over before anyone can connect.
    QCoreApplication::processEvents();
    EXPECT_EQ(changed.count(), 0);
}

TEST(FlatColorComboBox, CustomPureRedSelectsTheRedEntry) {
    QWidget w;
    auto* box = new FlatColorComboBox(&w);
    ShowActive(&w);
    QColor offered;
    box->setColorPicker([&](const QColor& initial) {
        offered = initial;
        return std::optional<QColor>(QColor(255, 0, 0));
    });
    QSignalSpy changed(box, &FlatColorComboBox::changed);
    Choose(box, FlatColorComboBox::CustomIndex);
    EXPECT_EQ(offered, QColor(Qt::black));
    EXPECT_EQ(box->currentText(), QStringLiteral("Red"));
    EXPECT_EQ(box->value(), QColor(255, 0, 0));
    EXPECT_GE(changed.count(), 1);
}

TEST(FlatColorComboBox, CustomColourOutsideTheTableStaysCustom) {
    QWidget w;
    auto* box = new FlatColorComboBox(&w);
    ShowActive(&w);
    box->setColorPicker(
        [](const QColor&) { return std::optional<QColor>(QColor(0x12, 0x34, 0x56)); });
    Choose(box, FlatColorComboBox::CustomIndex);
    EXPECT_EQ(box->currentIndex(), FlatColorComboBox::CustomIndex);
    EXPECT_EQ(box->value(), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(box->entryColor(FlatColorComboBox::CustomIndex), QColor(0x12, 0x34, 0x56));
}

TEST(FlatColorComboBox, CancelledPickerKeepsValueAndStillNotifies) {
    QWidget w;
    auto* box = new FlatColorComboBox(&w);
    ShowActive(&w);
    Choose(box, 2); // Green
    EXPECT_EQ(box->value(), QColor(0x008000));
    box->setColorPicker([](const QColor&) { return std::optional<QColor>(); });
    QSignalSpy changed(box, &FlatColorComboBox::changed);
    Choose(box, FlatColorComboBox::CustomIndex);
    EXPECT_EQ(box->currentIndex(), FlatColorComboBox::CustomIndex);
    EXPECT_EQ(box->value(), QColor(0x008000));
    EXPECT_EQ(changed.count(), 1);
}

TEST(FlatColorComboBox, SetValueSelectsFirstMatchAndIgnoresUnknownOrSame) {
    FlatColorComboBox box;
    QSignalSpy changed(&box, &FlatColorComboBox::changed);
    box.setValue(QColor(0x0000FF));
    EXPECT_EQ(box.currentText(), QStringLiteral("Blue"));
    EXPECT_EQ(changed.count(), 1);
    box.setValue(QColor(0x0000FF));
    EXPECT_EQ(changed.count(), 1);
    box.setValue(QColor(0x010203));
    EXPECT_EQ(box.currentText(), QStringLiteral("Blue"));
    EXPECT_EQ(box.value(), QColor(0x0000FF));
    EXPECT_EQ(changed.count(), 1);
}

// ---- spin box ----

struct SpinWindow {
    QWidget window;
    FlatSpinEdit* spin = new FlatSpinEdit(&window);
    QLineEdit* other = new QLineEdit(&window);

    SpinWindow(int min, int max, int increment = 1) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(spin);
        layout->addWidget(other);
        spin->setMinValue(min);
        spin->setMaxValue(max);
        spin->setIncrement(increment);
        spin->setValue(min);
    }
    void typeFresh(const QString& keys) {
        spin->lineEdit()->setFocus();
        spin->lineEdit()->selectAll();
        QTest::keyClicks(spin->lineEdit(), keys);
    }
};

TEST(FlatSpinEditInteger, TypedValueIsNotClampedUntilFocusLeaves) {
    SpinWindow s(1, 5);
    ShowActive(&s.window);
    QSignalSpy changed(s.spin, &FlatSpinEdit::changed);
    s.typeFresh("9");
    EXPECT_EQ(s.spin->text(), QStringLiteral("9"));
    EXPECT_EQ(s.spin->value(), 9);
    EXPECT_GE(changed.count(), 1);
    QTest::mouseClick(s.other, Qt::LeftButton);
    ASSERT_TRUE(s.other->hasFocus());
    EXPECT_EQ(s.spin->text(), QStringLiteral("5"));

    // An in-range value is left as typed.
    s.typeFresh("+3");
    QTest::mouseClick(s.other, Qt::LeftButton);
    EXPECT_EQ(s.spin->text(), QStringLiteral("+3"));
}

TEST(FlatSpinEditInteger, TextThatIsNoWholeNumberReadsAsMinValue) {
    SpinWindow s(1, 5);
    for (const char* text : {"abc", "", "-", "1.5", "99999999999"}) {
        s.spin->setText(QString::fromLatin1(text));
        EXPECT_EQ(s.spin->value(), 1) << text;
    }
    s.spin->setText(QStringLiteral("-7"));
    EXPECT_EQ(s.spin->value(), -7);
}

TEST(FlatSpinEditInteger, OnlyNumberKeysAreTyped) {
    SpinWindow s(0, 100);
    ShowActive(&s.window);
    s.typeFresh("1a2 b.-+x");
    EXPECT_EQ(s.spin->text(), QStringLiteral("12.-+"));
    QTest::keyClick(s.spin->lineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(s.spin->text(), QStringLiteral("12.-"));
    QTest::keyClick(s.spin->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(s.spin->text(), QStringLiteral("12.-"));
}

TEST(FlatSpinEditInteger, ButtonsAndArrowKeysStepThroughSetValue) {
    SpinWindow s(8, 72, 2);
    ShowActive(&s.window);
    s.spin->setValue(72);
    QTest::mouseClick(s.spin->upButton(), Qt::LeftButton);
    EXPECT_EQ(s.spin->text(), QStringLiteral("72"));

    s.typeFresh("9");
    QTest::mouseClick(s.spin->upButton(), Qt::LeftButton);
    EXPECT_EQ(s.spin->text(), QStringLiteral("11"));
    EXPECT_TRUE(s.spin->lineEdit()->hasFocus()); // the buttons leave the focus in the field
    QTest::keyClick(s.spin->lineEdit(), Qt::Key_Down);
    QTest::keyClick(s.spin->lineEdit(), Qt::Key_Down);
    EXPECT_EQ(s.spin->text(), QStringLiteral("8"));
    QTest::mouseClick(s.spin->downButton(), Qt::LeftButton);
    EXPECT_EQ(s.spin->text(), QStringLiteral("8"));
    QTest::keyClick(s.spin->lineEdit(), Qt::Key_Up);
    EXPECT_EQ(s.spin->value(), 10);
}

TEST(FlatSpinEditInteger, EqualLimitsMeanNoLimitAndNoOverflow) {
    SpinWindow s(0, 0);
    s.spin->setValue(1000);
    EXPECT_EQ(s.spin->value(), 1000);
    s.spin->setValue(std::numeric_limits<int>::max());
    QTest::mouseClick(s.spin->upButton(), Qt::LeftButton);
    EXPECT_EQ(s.spin->value(), std::numeric_limits<int>::max());
}

TEST(FlatSpinEditInteger, ReadOnlyButtonsOnlyBeep) {
    SpinWindow s(1, 5);
    ShowActive(&s.window);
    s.spin->setValue(3);
    s.spin->setReadOnly(true);
    QTest::mouseClick(s.spin->upButton(), Qt::LeftButton);
    s.spin->lineEdit()->setFocus();
    QTest::keyClick(s.spin->lineEdit(), Qt::Key_Up);
    QTest::keyClicks(s.spin->lineEdit(), "4");
    EXPECT_EQ(s.spin->text(), QStringLiteral("3"));
}

TEST(FlatSpinEditInteger, HeldButtonRepeats) {
    SpinWindow s(0, 1000);
    ShowActive(&s.window);
    QTest::mousePress(s.spin->upButton(), Qt::LeftButton);
    EXPECT_TRUE(WaitUntil([&] { return s.spin->value() >= 3; }, 5000));
    QTest::mouseRelease(s.spin->upButton(), Qt::LeftButton);
    const int stopped = s.spin->value();
    QTest::qWait(250);
    EXPECT_EQ(s.spin->value(), stopped);
}

// ---- check box ----

TEST(FlatCheckBox, NotifiesEveryChangeAndNoRepeat) {
    QWidget w;
    auto* box = new FlatCheckBox(QStringLiteral("Sunday"), &w);
    box->resize(120, 20);
    ShowActive(&w);
    QSignalSpy changed(box, &FlatCheckBox::changed);
    box->setChecked(true);
    EXPECT_EQ(changed.count(), 1);
    box->setChecked(true);
    EXPECT_EQ(changed.count(), 1);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(60, 10)); // on the caption
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(changed.count(), 2);
    EXPECT_TRUE(box->hasFocus());
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(changed.count(), 3);
}

TEST(FlatCheckBox, OpaqueFillsWithButtonColour) {
    FlatCheckBox box;
    box.setTransparent(true);
    EXPECT_FALSE(box.autoFillBackground());
    box.setTransparent(false);
    EXPECT_TRUE(box.autoFillBackground());
    EXPECT_EQ(box.palette().color(QPalette::Window), box.palette().color(QPalette::Button));
}

// ---- buttons ----

TEST(FlatButton, EnterNeverClicksItEvenAsDefault) {
    QDialog d;
    auto* edit = new QLineEdit(&d);
    auto* button = new FlatButton(QStringLiteral("Build"), &d);
    auto* layout = new QVBoxLayout(&d);
    layout->addWidget(edit);
    layout->addWidget(button);
    button->setDefault(true);
    ShowActive(&d);
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(button->hasFocus()); // pressed with the mouse, it takes the focus
    EXPECT_EQ(clicked.count(), 1);
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter);
    EXPECT_EQ(clicked.count(), 1);
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(clicked.count(), 2);
    EXPECT_TRUE(d.isVisible());
}

TEST(FlatButton, EnterAndSpacePressTheButtonThatTabReached) {
    QDialog d;
    auto* edit = new QLineEdit(&d);
    auto* build = new FlatButton(QStringLiteral("Build"), &d);
    auto* bold = new FlatSpeedButton(QStringLiteral("B"), &d);
    auto* layout = new QVBoxLayout(&d);
    layout->addWidget(edit);
    layout->addWidget(build);
    layout->addWidget(bold);
    ShowActive(&d);
    QSignalSpy builds(build, &QAbstractButton::clicked);
    QSignalSpy bolds(bold, &QAbstractButton::clicked);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Tab);
    ASSERT_TRUE(build->hasFocus());
    QTest::keyClick(build, Qt::Key_Return);
    QTest::keyClick(build, Qt::Key_Space);
    EXPECT_EQ(builds.count(), 2);
    QTest::keyClick(build, Qt::Key_Tab);
    ASSERT_TRUE(bold->hasFocus()); // a speed button takes the focus from Tab
    QTest::keyClick(bold, Qt::Key_Enter);
    QTest::keyClick(bold, Qt::Key_Space);
    EXPECT_EQ(bolds.count(), 2);
    EXPECT_EQ(builds.count(), 2);
    EXPECT_TRUE(d.isVisible());
}

TEST(FlatButton, ModalResultIsSetBeforeTheClickAndEndsTheDialog) {
    QDialog d;
    auto* button = new FlatButton(QStringLiteral("Done"), &d);
    button->setModalResult(7);
    int resultSeenByHandler = -1;
    QObject::connect(button, &QAbstractButton::clicked, &d,
                     [&] { resultSeenByHandler = d.result(); });
    auto seen = AnswerNextModal(QStringLiteral("Done"));
    EXPECT_EQ(d.exec(), 7);
    EXPECT_TRUE(seen->found) << seen->error.toStdString();
    EXPECT_EQ(resultSeenByHandler, 7);
}

TEST(FlatSpeedButton, NeverTakesTheFocusSoTheEditorKeepsItsSelection) {
    QWidget w;
    auto* edit = new QLineEdit(QStringLiteral("Breakfast at eight"), &w);
    auto* bold = new FlatSpeedButton(QStringLiteral("B"), &w);
    bold->setFocusPolicy(Qt::StrongFocus); // even when a layout file says otherwise
    auto* layout = new QVBoxLayout(&w);
    layout->addWidget(edit);
    layout->addWidget(bold);
    ShowActive(&w);
    edit->setFocus();
    edit->setSelection(0, 9);
    QSignalSpy clicked(bold, &QAbstractButton::clicked);
    QTest::mouseClick(bold, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->selectedText(), QStringLiteral("Breakfast"));
}

// ---- drop-down box ----

TEST(FlatComboBox, NotifiesOncePerEditAndPerSelection) {
    QWidget w;
    auto* box = new FlatComboBox(&w);
    box->addItems({"Arial", "Courier New", "Times New Roman"});
    box->resize(160, 22);
    ShowActive(&w);
    QSignalSpy changed(box, &FlatComboBox::changed);
    Choose(box, 1);
    EXPECT_EQ(box->currentText(), QStringLiteral("Courier New"));
    EXPECT_EQ(changed.count(), 1);
    QCoreApplication::processEvents();
    Choose(box, 1); // the same entry again is still a selection
    EXPECT_EQ(changed.count(), 2);
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), "Ver");
    EXPECT_EQ(box->currentText(), QStringLiteral("Ver"));
    EXPECT_EQ(changed.count(), 5);
}
