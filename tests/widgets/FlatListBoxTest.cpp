// The flat list and flat check list, driven as a user drives them: clicks, keys, the wheel.
#include "FlatListBox.h"
#include "ModalAnswer.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <random>
#include <set>

namespace {

const QColor Select(0xF7, 0xDE, 0x9C);
const QColor Picture(0xC0, 0x20, 0x20);

// A window with a red picture as background, holding one list at the origin.
template <class List> struct Window {
    std::unique_ptr<QWidget> top = std::make_unique<QWidget>();
    List* list = new List(top.get());

    explicit Window(int rows = 5, bool scrollBars = false) {
        top->resize(300, 400);
        top->setAutoFillBackground(true);
        QPalette pal = top->palette();
        pal.setColor(QPalette::Window, Picture);
        top->setPalette(pal);
        list->setScrollBars(scrollBars);
        list->setGeometry(0, 0, 150, rows * 19 + (scrollBars ? 24 : 4));
        top->show();
        top->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(top.get()));
    }
    QPoint rowPoint(int row) const { return list->rowRect(row).center(); }
    void clickRow(int row) { QTest::mouseClick(list, Qt::LeftButton, {}, rowPoint(row)); }
    QColor pixel(QPoint p) const { return top->grab().toImage().pixelColor(p); }
};

void addNumbered(FlatListBox* list, int n) {
    for (int i = 0; i < n; ++i)
        list->addItem(QStringLiteral("entry %1").arg(i));
}

void wheel(QWidget* w, int angle) {
    QWheelEvent e(QPointF(20, 20), w->mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, angle),
                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

} // namespace

TEST(FlatListBox, NeverClickedHasNoSelectionAndBadIndexThrowsWithPosition) {
    FlatListBox list;
    list.addItem("a");
    EXPECT_EQ(list.selectedIndex(), -1);
    try {
        (void)list.item(3);
        FAIL() << "no exception";
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (3)");
    }
    EXPECT_THROW((void)list.item(-1), std::out_of_range);
}

TEST(FlatListBox, ClickOnEmptyRowBelowLastEntrySelectsBeyondTheEnd) {
    Window<FlatListBox> w;
    w.list->addItem("one");
    w.list->addItem("two");
    QSignalSpy spy(w.list, &FlatListBox::selectedIndexChanged);
    w.clickRow(3);
    EXPECT_EQ(w.list->selectedIndex(), 3);
    EXPECT_TRUE(w.list->hasFocus());
    EXPECT_FALSE(w.list->isHighlighted(0));
    EXPECT_FALSE(w.list->isHighlighted(1));
    EXPECT_EQ(spy.count(), 1);
}

TEST(FlatListBox, ClickOnEmptyListChangesNothing) {
    Window<FlatListBox> w;
    w.clickRow(0);
    EXPECT_EQ(w.list->selectedIndex(), -1);
}

TEST(FlatListBox, DeletingSelectedEntryKeepsIndexAndClearsHighlight) {
    Window<FlatListBox> w;
    w.list->assignItems({"a", "b", "c"});
    w.clickRow(1);
    ASSERT_TRUE(w.list->isHighlighted(1));
    EXPECT_EQ(w.pixel(w.list->rowRect(1).topLeft() + QPoint(60, 2)), Select);
    QSignalSpy changed(w.list, &FlatListBox::itemsChanged);
    w.list->deleteItem(1);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(w.list->selectedIndex(), 1);
    EXPECT_EQ(w.list->item(w.list->selectedIndex()), "c");
    EXPECT_FALSE(w.list->isHighlighted(1));
    EXPECT_NE(w.pixel(w.list->rowRect(1).topLeft() + QPoint(60, 2)), Select);
    w.list->clear();
    EXPECT_EQ(w.list->selectedIndex(), 1);
}

TEST(FlatListBox, SortingIsCaseInsensitiveAndHandlesEqualEntries) {
    FlatListBox list;
    for (const char* s : {"pear", "Apple", "banana"})
        list.addItem(s);
    list.setSorted(true);
    EXPECT_EQ(list.items(), QStringList({"Apple", "banana", "pear"}));
    list.addItem("cherry");
    EXPECT_EQ(list.items(), QStringList({"Apple", "banana", "cherry", "pear"}));
    list.addItem("APPLE"); // equal while sorted: dropped
    EXPECT_EQ(list.count(), 4);
    list.addItemKeeping("apple"); // a confirmed repeat stays, beside its equal
    EXPECT_EQ(list.count(), 5);
    EXPECT_EQ(list.item(0).toLower(), "apple");
    EXPECT_EQ(list.item(1).toLower(), "apple");
    EXPECT_EQ(list.item(2), "banana");

    list.setSorted(false); // keeps the order, appends from now on
    list.addItem("aardvark");
    EXPECT_EQ(list.item(5), "aardvark");
}

TEST(FlatListBox, SwitchingSortedOnKeepsEqualEntriesAndClearsHighlight) {
    Window<FlatListBox> w;
    for (const char* s : {"b", "B", "a", "b"})
        w.list->addItem(s);
    w.clickRow(0);
    ASSERT_TRUE(w.list->isHighlighted(0));
    w.list->setSorted(true);
    EXPECT_EQ(w.list->items(), QStringList({"a", "b", "B", "b"}));
    EXPECT_FALSE(w.list->isHighlighted(0));
    EXPECT_EQ(w.list->selectedIndex(), 0);
}

// Every entry keeps its key through additions (sorted or not, equal entries too), deletions,
// sorting and whole replacements; keys are never given twice.
TEST(FlatListBox, EachEntryKeepsItsKeyThroughEveryChange) {
    FlatListBox list;
    std::map<quint64, QString> textOf; // what each key was given to
    std::set<quint64> given;
    std::mt19937 rng(19);
    const QStringList names{"ann", "Ann", "Bob", "", "cy", "Ann "};
    const auto check = [&](int step) {
        ASSERT_EQ(list.entryKeys().size(), static_cast<std::size_t>(list.count())) << step;
        std::set<quint64> live;
        for (int i = 0; i < list.count(); ++i) {
            const quint64 key = list.entryKey(i);
            ASSERT_TRUE(live.insert(key).second) << step;
            ASSERT_EQ(textOf.at(key), list.item(i)) << step;
        }
    };
    const auto learnNew = [&] {
        for (int i = 0; i < list.count(); ++i)
            if (given.insert(list.entryKey(i)).second)
                textOf[list.entryKey(i)] = list.item(i);
    };
    for (int step = 0; step < 600; ++step) {
        const QString name = names[static_cast<int>(rng() % names.size())];
        switch (rng() % 6) {
        case 0:
            list.addItem(name);
            break;
        case 1:
        case 2:
            list.addItemKeeping(name);
            break;
        case 3:
            if (list.count() > 0)
                list.deleteItem(static_cast<int>(rng() % list.count()));
            break;
        case 4:
            list.setSorted(!list.sorted());
            break;
        case 5:
            if (rng() % 8 == 0) {
                const QStringList replacement{name, "Bob", name, "able"};
                const std::vector<quint64> keys = list.replaceItems(replacement);
                ASSERT_EQ(keys.size(), 4u);
                for (std::size_t i = 0; i < keys.size(); ++i) {
                    ASSERT_TRUE(given.insert(keys[i]).second) << "a key given again";
                    textOf[keys[i]] = replacement[static_cast<int>(i)];
                }
            }
            break;
        }
        learnNew();
        ASSERT_NO_FATAL_FAILURE(check(step));
    }
    EXPECT_THROW(list.entryKey(list.count()), std::out_of_range);
}

TEST(FlatListBox, AssignTrimsEachEntryAndRefusesMoreThan256) {
    FlatListBox list;
    EXPECT_TRUE(list.assignItems({"  Sunday ", "\tMonday"}));
    EXPECT_EQ(list.items(), QStringList({"Sunday", "Monday"}));
    QStringList many;
    for (int i = 0; i < 257; ++i)
        many << QString::number(i);
    EXPECT_FALSE(list.assignItems(many));
    EXPECT_EQ(list.count(), 2);
    many.removeLast();
    EXPECT_TRUE(list.assignItems(many));
    EXPECT_EQ(list.count(), 256);
}

// The old lists kept flags for 256 entries only; ours keep one for every entry.
TEST(FlatListBox, EntryBeyond255IsSelectedAndDrawnSelected) {
    Window<FlatListBox> w;
    addNumbered(w.list, 300);
    w.list->setTopIndex(280);
    ASSERT_EQ(w.list->topIndex(), 280);
    w.clickRow(2);
    EXPECT_EQ(w.list->selectedIndex(), 282);
    EXPECT_TRUE(w.list->isHighlighted(282));
    EXPECT_EQ(w.pixel(w.list->rowRect(2).topLeft() + QPoint(60, 2)), Select);
}

TEST(FlatCheckListBox, EntryBeyond255CanBeTickedWithMouseAndSpace) {
    Window<FlatCheckListBox> w;
    addNumbered(w.list, 300);
    w.list->setTopIndex(290);
    QSignalSpy clicks(w.list, &FlatCheckListBox::clickCheck);
    const QRect box = FlatCheckListBox::checkRect(w.list->rowRect(1));
    QTest::mouseClick(w.list, Qt::LeftButton, {}, box.center());
    EXPECT_TRUE(w.list->checked(291));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 291);
    w.clickRow(4);
    EXPECT_EQ(w.list->selectedIndex(), 294);
    EXPECT_TRUE(w.list->isHighlighted(294));
    QTest::keyClick(w.list, Qt::Key_Space);
    EXPECT_TRUE(w.list->checked(294));
    w.list->setChecked(299, true);
    EXPECT_TRUE(w.list->checked(299));
}

TEST(FlatCheckListBox, MouseTicksInSquareOnlyAndSpaceTicksAsTheClickDoes) {
    Window<FlatCheckListBox> w;
    w.list->assignItems({"Sunday", "Monday", "Tuesday"});
    QSignalSpy clicks(w.list, &FlatCheckListBox::clickCheck);

    QTest::keyClick(w.list, Qt::Key_Space); // nothing selected: nothing happens
    EXPECT_FALSE(w.list->checked(0));

    QTest::mouseClick(w.list, Qt::LeftButton, {},
                      FlatCheckListBox::checkRect(w.list->rowRect(0)).center());
    EXPECT_TRUE(w.list->checked(0));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(w.list->selectedIndex(), -1); // the square ticks, it does not select
    EXPECT_TRUE(w.list->hasFocus());

    w.clickRow(1); // beside the square: selects, no tick
    EXPECT_EQ(w.list->selectedIndex(), 1);
    EXPECT_FALSE(w.list->checked(1));
    EXPECT_EQ(clicks.count(), 1);

    // Space on the selected entry is a click on its square, notification included, so that
    // what hangs on the tick (a day's meals) follows the keyboard too.
    QTest::keyClick(w.list, Qt::Key_Space);
    EXPECT_TRUE(w.list->checked(1));
    QTest::keyClick(w.list, Qt::Key_Space);
    EXPECT_FALSE(w.list->checked(1));
    ASSERT_EQ(clicks.count(), 3);
    EXPECT_EQ(clicks.at(2).at(0).toInt(), 1);

    QTest::mouseClick(w.list, Qt::LeftButton, {},
                      FlatCheckListBox::checkRect(w.list->rowRect(0)).center());
    EXPECT_FALSE(w.list->checked(0));
    EXPECT_EQ(clicks.count(), 4);
}

TEST(FlatCheckListBox, SetCheckedIsSilentAndItemChangesOrSortSwitchClearTicks) {
    FlatCheckListBox list;
    list.assignItems({"b", "a"});
    QSignalSpy clicks(&list, &FlatCheckListBox::clickCheck);
    list.setChecked(0, true);
    list.setChecked(7, true); // no such entry
    EXPECT_TRUE(list.checked(0));
    EXPECT_FALSE(list.checked(7));
    EXPECT_EQ(clicks.count(), 0);
    list.addItem("c");
    EXPECT_FALSE(list.checked(0));
    list.setChecked(1, true);
    list.setSorted(true);
    EXPECT_FALSE(list.checked(0) || list.checked(1) || list.checked(2));
}

TEST(FlatListBox, KeysAndWheelScrollWithinBoundsAndNeverSelect) {
    Window<FlatListBox> w(5);
    addNumbered(w.list, 17);
    ASSERT_EQ(w.list->visibleRows(), 5);
    w.list->setFocus();
    w.clickRow(0);
    const auto press = [&](Qt::Key k) {
        QTest::keyClick(w.list, k);
        return w.list->topIndex();
    };
    EXPECT_EQ(press(Qt::Key_PageDown), 5);
    EXPECT_EQ(press(Qt::Key_PageDown), 10);
    EXPECT_EQ(press(Qt::Key_PageDown), 12); // last entry in the last row
    EXPECT_EQ(press(Qt::Key_Down), 12);
    EXPECT_EQ(press(Qt::Key_Up), 11);
    EXPECT_EQ(press(Qt::Key_PageUp), 6);
    EXPECT_EQ(press(Qt::Key_PageUp), 1);
    EXPECT_EQ(press(Qt::Key_PageUp), 0);
    EXPECT_EQ(press(Qt::Key_Up), 0);
    EXPECT_EQ(w.list->selectedIndex(), 0);

    const int savedLines = QApplication::wheelScrollLines();
    QApplication::setWheelScrollLines(3);
    wheel(w.list, -120);
    EXPECT_EQ(w.list->topIndex(), 3);
    wheel(w.list, -240);
    EXPECT_EQ(w.list->topIndex(), 9);
    wheel(w.list, -120);
    EXPECT_EQ(w.list->topIndex(), 12);
    wheel(w.list, 120);
    EXPECT_EQ(w.list->topIndex(), 9);
    wheel(w.list, 360);
    EXPECT_EQ(w.list->topIndex(), 0);
    wheel(w.list, -60); // half notches add up
    EXPECT_EQ(w.list->topIndex(), 0);
    wheel(w.list, -60);
    EXPECT_EQ(w.list->topIndex(), 3);
    QApplication::setWheelScrollLines(savedLines);
    EXPECT_EQ(w.list->selectedIndex(), 0);
}

TEST(FlatListBox, HomeEndAndCtrlArrowsSelectAndBringTheEntryIntoView) {
    Window<FlatListBox> w(5);
    addNumbered(w.list, 17);
    w.list->setFocus();
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int selected;
        int top;
    };
    // From no selection; each step from where the one before left the list.
    const Step steps[] = {
        {Qt::Key_Down, Qt::ControlModifier, 0, 0}, // nothing selected: the first entry
        {Qt::Key_Down, Qt::ControlModifier, 1, 0},
        {Qt::Key_End, Qt::NoModifier, 16, 12},       // the last, in the last row
        {Qt::Key_Down, Qt::ControlModifier, 16, 12}, // no further
        {Qt::Key_PageUp, Qt::NoModifier, 16, 7},     // the page keys only scroll
        {Qt::Key_Up, Qt::ControlModifier, 15, 11},   // scrolled back to show it, at the bottom
        {Qt::Key_Home, Qt::NoModifier, 0, 0},
        {Qt::Key_Up, Qt::ControlModifier, 0, 0}, // no further
        {Qt::Key_Down, Qt::NoModifier, 0, 1},    // plain arrows only scroll
        {Qt::Key_Down, Qt::ControlModifier, 1, 1},
        {Qt::Key_Up, Qt::ControlModifier, 0, 0}, // scrolled back to show it, at the top
    };
    for (const Step& step : steps) {
        QTest::keyClick(w.list, step.key, step.modifiers);
        EXPECT_EQ(w.list->selectedIndex(), step.selected) << &step - steps;
        EXPECT_EQ(w.list->topIndex(), step.top) << &step - steps;
    }
    // A click on an empty row selects beyond the end; Ctrl+Up comes back to the last entry.
    FlatListBox& list = *w.list;
    list.clear();
    addNumbered(&list, 2);
    w.clickRow(4);
    EXPECT_EQ(list.selectedIndex(), 4);
    QTest::keyClick(&list, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(list.selectedIndex(), 1);
    list.clear(); // an empty list has nothing to select: the keys change nothing
    QTest::keyClick(&list, Qt::Key_Home);
    QTest::keyClick(&list, Qt::Key_End);
    QTest::keyClick(&list, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(list.selectedIndex(), 1);
}

TEST(FlatListBox, FewerEntriesThanRowsNeverScroll) {
    Window<FlatListBox> w(5);
    addNumbered(w.list, 3);
    w.list->setFocus();
    QTest::keyClick(w.list, Qt::Key_PageDown);
    QTest::keyClick(w.list, Qt::Key_Down);
    EXPECT_EQ(w.list->topIndex(), 0);
}

TEST(FlatListBox, HeightSnapsToWholeRows) {
    Window<FlatListBox> w;
    w.list->resize(150, 100);
    EXPECT_EQ(w.list->height(), 99); // 5 rows of 17 + 2, plus 4
    EXPECT_EQ(w.list->visibleRows(), 5);
    w.list->setScrollBars(true);
    w.list->resize(150, 100);
    EXPECT_EQ(w.list->height(), 100); // 4 rows plus 24
    EXPECT_EQ(w.list->visibleRows(), 4);
    EXPECT_EQ(w.list->rowRect(0), QRect(3, 13, 144, 17));
    EXPECT_EQ(w.list->rowRect(1).top(), 32);
}

TEST(FlatListBox, ScrollButtonsStepAndRepeatWhileHeld) {
    Window<FlatListBox> w(4, true);
    addNumbered(w.list, 10);
    auto* timer = w.list->findChild<QTimer*>("scrollRepeat");
    ASSERT_NE(timer, nullptr);
    const QPoint up(75, 5), down(75, w.list->height() - 6);

    // Arrows: the up one is grey while at the top, the down one usable.
    EXPECT_EQ(w.pixel(QPoint(75, 7)), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(w.pixel(QPoint(75, w.list->height() - 1 - 11 + 4)), QColor(Qt::black));

    QTest::mousePress(w.list, Qt::LeftButton, {}, up);
    EXPECT_EQ(w.list->topIndex(), 0);
    QTest::mouseRelease(w.list, Qt::LeftButton, {}, up);

    QTest::mousePress(w.list, Qt::LeftButton, {}, down);
    EXPECT_EQ(w.list->topIndex(), 1);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 600);
    ASSERT_TRUE(testsupport::WaitUntil([&] { return w.list->topIndex() == 2; }, 3000));
    EXPECT_EQ(timer->interval(), 100);
    ASSERT_TRUE(
        testsupport::WaitUntil([&] { return w.list->topIndex() == 6; }, 3000)); // stops at the end
    QTest::mouseRelease(w.list, Qt::LeftButton, {}, down);
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(w.list->topIndex(), 6);
    EXPECT_EQ(w.list->selectedIndex(), -1);
    EXPECT_EQ(w.pixel(QPoint(75, w.list->height() - 1 - 11 + 4)), QColor(0x80, 0x80, 0x80));
}

TEST(FlatListBox, TransparencyModesShowTheParentPicture) {
    Window<FlatListBox> w;
    w.list->addItem("x");
    const QPoint gap(100, w.list->rowRect(3).center().y());      // an empty row
    EXPECT_EQ(w.pixel(gap), QColor(Qt::white));                  // tmNone fills ColorItemsRect
    EXPECT_EQ(w.pixel(QPoint(0, 40)), QColor(0xA0, 0x96, 0x83)); // the frame

    w.list->setTransparentMode(FlatListBox::tmAlways);
    EXPECT_EQ(w.pixel(gap), Picture);
    w.list->setFocus();
    EXPECT_EQ(w.pixel(gap), Picture);

    w.list->setTransparentMode(FlatListBox::tmNotFocused);
    ASSERT_TRUE(w.list->hasFocus());
    EXPECT_EQ(w.pixel(gap), QColor(Qt::white));
    w.list->clearFocus();
    EXPECT_EQ(w.pixel(gap), Picture);
}

// The tick square by its measures: rows start 3 pixels in from the list's left edge and 3 below
// its top, one every 19 pixels (17 high, 2 apart); the square is 11 x 11 pixels, 3 in from the
// row's top-left corner. Every pixel of the square ticks; right beside it, a press selects.
// (x = 19 and x = 22 are the caption's side, counted from the list's and the row's edge.)
TEST(FlatCheckListBox, TickSquareIsElevenPixelsThreeInFromTheRowCorner) {
    Window<FlatCheckListBox> w;
    w.list->assignItems({"Sunday", "Monday", "Tuesday"});
    QSignalSpy clicks(w.list, &FlatCheckListBox::clickCheck);
    const auto square = [](int row) { return QPoint(3 + 3, 3 + row * 19 + 3); };
    int ticks = 0;
    for (int row = 0; row < 3; ++row) {
        for (const QPoint& in :
             {QPoint(0, 0), QPoint(10, 0), QPoint(0, 10), QPoint(10, 10), QPoint(5, 5)}) {
            const bool before = w.list->checked(row);
            QTest::mouseClick(w.list, Qt::LeftButton, {}, square(row) + in);
            EXPECT_NE(w.list->checked(row), before) << row << " at " << in.x() << "," << in.y();
            EXPECT_EQ(clicks.count(), ++ticks);
        }
        EXPECT_TRUE(w.list->checked(row)); // five presses: ticked
        EXPECT_EQ(w.list->selectedIndex(), -1);
    }
    // Beside the square, still on the row: left, right, above and below it, the caption from
    // 19 pixels into the row on, and the row's far end.
    for (int row = 0; row < 3; ++row) {
        for (const QPoint& beside : {QPoint(-1, 5), QPoint(11, 5), QPoint(12, 0), QPoint(5, -1),
                                     QPoint(5, 11), QPoint(13, 5), QPoint(16, 5), QPoint(140, 5)}) {
            QTest::mouseClick(w.list, Qt::LeftButton, {}, square(row) + beside);
            EXPECT_TRUE(w.list->checked(row)) << row << " at " << beside.x() << "," << beside.y();
            EXPECT_EQ(w.list->selectedIndex(), row) << beside.x() << "," << beside.y();
            w.list->setSelectedIndex(-1);
        }
    }
    EXPECT_EQ(clicks.count(), ticks);
}
