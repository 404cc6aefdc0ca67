// What a screen reader learns from the custom-painted widgets: entries, ticks, values, texts.
#include "Accessibility.h"
#include "AppearingLabel.h"
#include "FlatColorComboBox.h"
#include "FlatControls.h"
#include "FlatGauge.h"
#include "FlatListBox.h"
#include "FlatSpinEdit.h"

#include <QAccessible>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class AccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override { InstallWidgetAccessibility(); }

    static QAccessibleInterface* Of(QObject* o) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(o);
        EXPECT_NE(iface, nullptr);
        return iface;
    }
    static QStringList SelectedNames(QAccessibleInterface* list) {
        QStringList names;
        for (int i = 0; i < list->childCount(); ++i)
            if (list->child(i)->state().selected)
                names << list->child(i)->text(QAccessible::Name);
        return names;
    }
};

TEST_F(AccessibilityTest, FlatListShowsEntriesAsItemsAndMarksOnlyTheSelectedOne) {
    QWidget window;
    auto* list = new FlatListBox(&window);
    list->setGeometry(0, 0, 120, 4 + 3 * 19); // three rows
    list->setAccessibleName("People");
    for (const char* name : {"Ann", "Bob", "Cy", "Dee"})
        list->addItem(name);
    window.show();

    QAccessibleInterface* iface = Of(list);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::List);
    EXPECT_EQ(iface->text(QAccessible::Name), "People");
    ASSERT_EQ(iface->childCount(), 4);
    for (int i = 0; i < 4; ++i) {
        QAccessibleInterface* entry = iface->child(i);
        EXPECT_EQ(entry->role(), QAccessible::ListItem);
        EXPECT_EQ(entry->text(QAccessible::Name), list->item(i));
        EXPECT_EQ(entry->parent(), iface);
        EXPECT_EQ(iface->indexOfChild(entry), i);
        EXPECT_FALSE(entry->state().checkable);
    }
    EXPECT_TRUE(SelectedNames(iface).isEmpty());

    list->setSelectedIndex(1);
    EXPECT_EQ(SelectedNames(iface), QStringList{"Bob"});
    EXPECT_EQ(iface->text(QAccessible::Value), "Bob");

    // A selection beyond the last entry (a click on an empty row) marks nothing.
    list->setSelectedIndex(7);
    EXPECT_TRUE(SelectedNames(iface).isEmpty());
    EXPECT_TRUE(iface->text(QAccessible::Value).isEmpty());

    // The fourth entry is scrolled out of the three rows: off screen, no place to click.
    EXPECT_FALSE(iface->child(0)->state().offscreen);
    EXPECT_TRUE(iface->child(3)->state().offscreen);
    EXPECT_TRUE(iface->child(3)->rect().isEmpty());
    const QRect second = iface->child(1)->rect();
    EXPECT_TRUE(QRect(list->mapToGlobal(QPoint(0, 0)), list->size()).contains(second));
    EXPECT_EQ(iface->childAt(second.center().x(), second.center().y()), iface->child(1));
}

TEST_F(AccessibilityTest, FlatListPressSelectsAndEntriesFollowChanges) {
    FlatListBox list;
    list.resize(120, 100);
    list.addItem("Oats");
    list.addItem("Eggs");
    QAccessibleInterface* iface = Of(&list);
    QSignalSpy selected(&list, &FlatListBox::selectedIndexChanged);

    iface->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(list.selectedIndex(), 1);
    EXPECT_EQ(selected.count(), 1);

    // A deleted entry's item goes invalid; the count follows the list.
    QAccessibleInterface* eggs = iface->child(1);
    list.deleteItem(1);
    EXPECT_EQ(iface->childCount(), 1);
    EXPECT_FALSE(eggs->isValid());
    EXPECT_EQ(iface->child(1), nullptr);
    list.clear();
    EXPECT_EQ(iface->childCount(), 0);
}

TEST_F(AccessibilityTest, TickListShowsTicksAsCheckedStatesAndToggleTellsTheWindow) {
    FlatCheckListBox days;
    days.resize(121, 137);
    days.assignItems({"Sunday", "Monday", "Tuesday"});
    days.setChecked(1, true);
    QAccessibleInterface* iface = Of(&days);
    ASSERT_EQ(iface->childCount(), 3);
    EXPECT_EQ(iface->role(), QAccessible::List);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(iface->child(i)->state().checkable);
        EXPECT_EQ(iface->child(i)->state().checked, i == 1) << i;
    }

    QSignalSpy clicks(&days, &FlatCheckListBox::clickCheck);
    QAccessibleActionInterface* action = iface->child(2)->actionInterface();
    ASSERT_NE(action, nullptr);
    EXPECT_TRUE(action->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    action->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(days.checked(2));
    EXPECT_TRUE(iface->child(2)->state().checked);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 2);

    // The selected row of a tick list is its selected index.
    days.setSelectedIndex(0);
    EXPECT_EQ(SelectedNames(iface), QStringList{"Sunday"});
}

TEST_F(AccessibilityTest, GaugeIsAProgressBarWithItsValueAndPercentage) {
    FlatGauge gauge;
    gauge.setMaxValue(200);
    gauge.setProgress(74);
    QAccessibleInterface* iface = Of(&gauge);
    EXPECT_EQ(iface->role(), QAccessible::ProgressBar);
    QAccessibleValueInterface* value = iface->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), 74);
    EXPECT_EQ(value->minimumValue().toInt(), 0);
    EXPECT_EQ(value->maximumValue().toInt(), 200);
    EXPECT_EQ(iface->text(QAccessible::Value), gauge.displayText());

    // Only the build moves it.
    value->setCurrentValue(150);
    EXPECT_EQ(gauge.progress(), 74);
}

TEST_F(AccessibilityTest, ColourBoxReadsOutTheSelectedColourName) {
    FlatColorComboBox box;
    box.setAccessibleName("Font colour");
    QAccessibleInterface* iface = Of(&box);
    EXPECT_EQ(iface->role(), QAccessible::ComboBox);
    EXPECT_EQ(iface->text(QAccessible::Name), "Font colour");
    EXPECT_EQ(iface->text(QAccessible::Value), "Black");
    box.setValue(QColor(0xFF, 0, 0));
    EXPECT_EQ(iface->text(QAccessible::Value), "Red");
    EXPECT_EQ(iface->textInterface(), nullptr); // nothing to type into
}

TEST_F(AccessibilityTest, EditableDropDownIsNamedForItsPurposeAndReadsItsText) {
    FlatComboBox fonts;
    fonts.addItems({"Arial", "Default"});
    fonts.setEditText("Arial");
    QAccessibleInterface* iface = Of(&fonts);
    EXPECT_EQ(iface->text(QAccessible::Name), "Arial"); // unnamed: its text, as Qt does
    fonts.setAccessibleName("Font name");
    EXPECT_EQ(iface->role(), QAccessible::ComboBox);
    EXPECT_EQ(iface->text(QAccessible::Name), "Font name");
    EXPECT_EQ(iface->text(QAccessible::Value), "Arial");
    EXPECT_EQ(iface->childCount(), 0); // its field is part of it, not a nameless child
    ASSERT_NE(iface->textInterface(), nullptr);
    EXPECT_EQ(iface->textInterface()->text(0, 5), "Arial");
}

TEST_F(AccessibilityTest, SpinBoxIsOneControlWithItsValueAndFieldText) {
    FlatSpinEdit spin;
    spin.setMinValue(1);
    spin.setMaxValue(5);
    spin.setValue(2);
    spin.setAccessibleName("Crew size");
    QAccessibleInterface* iface = Of(&spin);
    EXPECT_EQ(iface->role(), QAccessible::SpinBox);
    EXPECT_EQ(iface->text(QAccessible::Name), "Crew size");
    EXPECT_EQ(iface->childCount(), 0);
    EXPECT_EQ(iface->text(QAccessible::Value), "2");

    QAccessibleValueInterface* value = iface->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), 2);
    EXPECT_EQ(value->minimumValue().toInt(), 1);
    EXPECT_EQ(value->maximumValue().toInt(), 5);
    value->setCurrentValue(9); // clamped, as the arrows do
    EXPECT_EQ(spin.value(), 5);

    // Typed text that is not a number reads as the minimum, as the build reads it.
    spin.lineEdit()->setText("x");
    EXPECT_EQ(iface->text(QAccessible::Value), "x");
    EXPECT_EQ(value->currentValue().toInt(), 1);

    QAccessibleTextInterface* text = iface->textInterface();
    ASSERT_NE(text, nullptr);
    spin.setValue(4);
    EXPECT_EQ(text->characterCount(), 1);
    EXPECT_EQ(text->text(0, 1), "4");
    ASSERT_NE(iface->editableTextInterface(), nullptr);
    iface->editableTextInterface()->replaceText(0, 1, "3");
    EXPECT_EQ(spin.value(), 3);

    spin.setReadOnly(true);
    EXPECT_TRUE(iface->state().readOnly);
    value->setCurrentValue(1);
    EXPECT_EQ(spin.value(), 3);
}

TEST_F(AccessibilityTest, AppearingLabelIsReadAsTextAndCanBePressedOnceShown) {
    QWidget window;
    window.resize(300, 100);
    auto* label = new AppearingLabel(&window);
    label->setText("Pancakes");
    label->hide();
    window.show();
    QAccessibleInterface* iface = Of(label);
    EXPECT_EQ(iface->role(), QAccessible::StaticText);
    EXPECT_EQ(iface->text(QAccessible::Name), "Pancakes");

    QSignalSpy clicked(label, &AppearingLabel::clicked);
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicked.count(), 0); // nothing to add while it is hidden
    label->show();
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(AccessibilityTest, FactoryLeavesOtherClassesToQt) {
    QLineEdit edit;
    EXPECT_EQ(WidgetAccessibleFactory("QLineEdit", &edit), nullptr);
    EXPECT_EQ(Of(&edit)->role(), QAccessible::EditableText);
}

} // namespace
