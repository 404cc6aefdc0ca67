// The windows around the wizard by keyboard: Tab reaches every button once, in the documented
// order, and Shift+Tab walks back; a speed button's focus shows only once a key has moved it.

#include <functional>
#include <memory>
#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "AboutBox.h"
#include "ChooserWindow.h"
#include "FlatControls.h"
#include "HiddenPictureWindow.h"
#include "TemplateChooser.h"
#include "WelcomeWindow.h"

namespace {

QString FocusedName(const QStringList& names) {
    for (QWidget* at = QApplication::focusWidget(); at; at = at->parentWidget())
        if (names.contains(at->objectName()))
            return at->objectName();
    return QStringLiteral("nothing");
}

} // namespace

TEST(WindowKeyboard, TabVisitsEveryControlOnceInOrderAndShiftTabWalksBack) {
    struct Window {
        std::function<std::unique_ptr<QWidget>()> make;
        QStringList stops;
    };
    const Window windows[] = {
        {[] { return std::make_unique<WelcomeWindow>(); }, {"okButton"}},
        {[] { return std::make_unique<ChooserWindow>(); },
         {"templateButton", "wizardButton", "exitButton"}},
        // Start, the window's purpose, right after the list; then Exit and Edit Template.
        {[] { return std::make_unique<TemplateChooser>(); },
         {"dayCountList", "startButton", "exitButton", "editTemplateButton"}},
        {[] { return std::make_unique<AboutBox>(); }, {"okButton"}},
        {[] { return std::make_unique<HiddenPictureWindow>(); }, {"okButton"}},
    };
    for (const Window& entry : windows) {
        const std::unique_ptr<QWidget> window = entry.make();
        SCOPED_TRACE(window->metaObject()->className());
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        for (const bool forward : {true, false}) {
            QWidget* first = window->findChild<QWidget*>(entry.stops.first());
            ASSERT_NE(first, nullptr);
            first->setFocus(Qt::TabFocusReason);
            QStringList visited{FocusedName(entry.stops)};
            for (qsizetype step = 0; step < entry.stops.size(); ++step) {
                QTest::keyClick(QApplication::focusWidget(),
                                forward ? Qt::Key_Tab : Qt::Key_Backtab,
                                forward ? Qt::NoModifier : Qt::ShiftModifier);
                visited << FocusedName(entry.stops);
            }
            QStringList expected = entry.stops;
            if (!forward)
                std::reverse(expected.begin() + 1, expected.end());
            expected << entry.stops.first();
            EXPECT_EQ(visited, expected) << (forward ? "Tab" : "Shift+Tab");
        }
        window->close();
    }
}

// The chooser gives its first button the focus by itself: with no key pressed it looks as it
// always did, and Enter does nothing; after Shift+Tab the focus shows on the button it moved to.
TEST(WindowKeyboard, SpeedButtonFocusShowsAndTakesEnterOnlyOnceTheKeyboardMovedIt) {
    ChooserWindow chooser;
    chooser.show();
    QApplication::setActiveWindow(&chooser);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&chooser));
    auto* exit = chooser.findChild<FlatSpeedButton*>("exitButton");
    auto* wizard = chooser.findChild<FlatSpeedButton*>("wizardButton");
    ASSERT_NE(exit, nullptr);
    ASSERT_NE(wizard, nullptr);
    const auto corner = [](QWidget* button) { return button->grab().toImage().pixelColor(0, 0); };
    const QColor plain = corner(wizard);

    QSignalSpy exitPressed(exit, &QAbstractButton::clicked);
    exit->setFocus(Qt::OtherFocusReason); // as the window gives it, with no key pressed
    ASSERT_TRUE(exit->hasFocus());
    EXPECT_EQ(corner(exit), plain);
    QTest::keyClick(exit, Qt::Key_Return);
    EXPECT_EQ(exitPressed.count(), 0);

    QTest::keyClick(exit, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(wizard->hasFocus());
    EXPECT_EQ(corner(wizard), wizard->colorFocused());
    EXPECT_EQ(corner(exit), plain);
}
