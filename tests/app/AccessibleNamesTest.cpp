// Every control a person can operate has a name a screen reader can say: every window, every
// wizard page, with the day groups showing. The names the end-to-end test and screen-reader
// users rely on are checked by role.
#include "Accessibility.h"
#include "FlatSpinEdit.h"
#include "OperableRoles.h"
#include "WindowFlow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QSet>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <utility>

namespace {

using RoleName = std::pair<QAccessible::Role, QString>;

// The six windows, by their object names.
QWidget* Window(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name))
            return w;
    return nullptr;
}

QString Describe(QAccessibleInterface* iface) {
    QObject* o = iface->object();
    QString where = o ? QString("%1 '%2'").arg(o->metaObject()->className(), o->objectName())
                      : QString("(no object)");
    for (QAccessibleInterface* p = iface->parent(); p && p->object(); p = p->parent())
        if (!p->object()->objectName().isEmpty()) {
            where += " in " + p->object()->objectName();
            break;
        }
    return QString("%1, role %2").arg(where).arg(int(iface->role()), 0, 16);
}

// Walks what shows (hidden pages and controls that never show stay out), collecting the
// unnamed operable controls and every role and name seen.
void Walk(QAccessibleInterface* iface, QStringList& unnamed, QSet<RoleName>& seen) {
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        if (!child || child->state().invisible)
            continue;
        const QString name = child->text(QAccessible::Name).trimmed();
        seen.insert({child->role(), name});
        if (testsupport::IsOperable(child->role()) && name.isEmpty())
            unnamed << Describe(child);
        Walk(child, unnamed, seen);
    }
}

class AccessibleNamesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        InstallWidgetAccessibility();
        flow = std::make_unique<dutywise::app::WindowFlow>();
    }
    static void TearDownTestSuite() { flow.reset(); }

    // Shows the window (not modally) and walks its tree.
    static void Check(QWidget* window, QStringList& unnamed, QSet<RoleName>& seen) {
        ASSERT_NE(window, nullptr);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(window);
        ASSERT_NE(iface, nullptr);
        Walk(iface, unnamed, seen);
    }

    // Shows the wizard (not modally) and finds its notebook.
    static void ShowWizard(QWidget* wizard, QTabWidget*& tabs) {
        ASSERT_NE(wizard, nullptr);
        wizard->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(wizard));
        tabs = wizard->findChild<QTabWidget*>();
        ASSERT_NE(tabs, nullptr);
    }

    static void ExpectNamed(const QSet<RoleName>& seen, std::initializer_list<RoleName> expected) {
        for (const RoleName& e : expected)
            EXPECT_TRUE(seen.contains(e)) << "no control of role " << std::hex << int(e.first)
                                          << " named '" << e.second.toStdString() << "'";
    }

    static inline std::unique_ptr<dutywise::app::WindowFlow> flow;
};

TEST_F(AccessibleNamesTest, WalkReportsAnUnnamedControlAndSkipsHiddenOnes) {
    QWidget window;
    auto* named = new QLineEdit(&window);
    named->setAccessibleName("Named");
    new QLineEdit(&window);                        // no name, showing: reported
    (new QLineEdit(&window))->hide();              // no name, never shown: left out
    auto* tick = new QCheckBox("Sorted", &window); // named by its caption
    tick->move(0, 40);
    QStringList unnamed;
    QSet<RoleName> seen;
    Check(&window, unnamed, seen);
    EXPECT_EQ(unnamed.size(), 1) << unnamed.join("\n").toStdString();
    EXPECT_TRUE(seen.contains({QAccessible::CheckBox, "Sorted"}));
}

TEST_F(AccessibleNamesTest, WelcomeChooserTemplateAboutAndPictureWindowsNameEveryControl) {
    QStringList unnamed;
    QSet<RoleName> seen;
    for (const char* name :
         {"WelcomeWindow", "ChooserWindow", "TemplateChooser", "AboutBox", "HiddenPictureWindow"}) {
        QWidget* w = Window(name);
        ASSERT_NE(w, nullptr) << name;
        Check(w, unnamed, seen);
        w->hide();
    }
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join("\n").toStdString();
    ExpectNamed(seen, {{QAccessible::PushButton, "OK"},
                       {QAccessible::PushButton, "Template"},
                       {QAccessible::PushButton, "Wizard"},
                       {QAccessible::PushButton, "Exit"},
                       {QAccessible::PushButton, "Start"},
                       {QAccessible::PushButton, "Edit a Template"},
                       {QAccessible::List, "Number of days"}});
}

TEST_F(AccessibleNamesTest, EveryWizardPageNamesEveryControl) {
    QWidget* wizard = Window("WizardWindow");
    QTabWidget* tabs = nullptr;
    ASSERT_NO_FATAL_FAILURE(ShowWizard(wizard, tabs));

    // The day groups show only for ticked days: tick them all, as the user would.
    for (auto* button : wizard->findChildren<QAbstractButton*>())
        if (button->text() == "Check All Days")
            button->click();

    QStringList unnamed;
    QSet<RoleName> seen;
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        QApplication::processEvents();
        Check(wizard, unnamed, seen);
    }
    wizard->hide();
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join("\n").toStdString();

    for (const char* page :
         {"Basics", "Days", "Meals", "Snacks & Drinks", "Finalization", "Generation"})
        EXPECT_TRUE(seen.contains({QAccessible::PageTab, page})) << page;
    ExpectNamed(seen, {{QAccessible::EditableText, "Outing name"},
                       {QAccessible::EditableText, "Patrol name"},
                       {QAccessible::List, "People"},
                       {QAccessible::List, "Days"},
                       {QAccessible::List, "Breakfasts"},
                       {QAccessible::List, "Lunches"},
                       {QAccessible::List, "Dinners"},
                       {QAccessible::List, "Snacks"},
                       {QAccessible::List, "Drinks"},
                       {QAccessible::SpinBox, "Crew size"},
                       {QAccessible::PushButton, "Build"},
                       {QAccessible::PushButton, "Bold"},
                       {QAccessible::PushButton, "Italic"},
                       {QAccessible::PushButton, "Underline"},
                       {QAccessible::PushButton, "Save"},
                       {QAccessible::PushButton, "Print"},
                       {QAccessible::ButtonMenu, "Print which layout"},
                       {QAccessible::ComboBox, "Font name"},
                       {QAccessible::ComboBox, "Font colour"},
                       {QAccessible::SpinBox, "Font size"},
                       {QAccessible::EditableText, "Roster"},
                       {QAccessible::CheckBox, "Saturday Dinner"},
                       {QAccessible::PushButton, "I can't see the text!"}});
}

// Focus in a spin box lands on its typing field, and a screen reader names what has the focus.
TEST_F(AccessibleNamesTest, FocusInASpinBoxFieldIsAnnouncedByTheBoxName) {
    QWidget* wizard = Window("WizardWindow");
    QTabWidget* tabs = nullptr;
    ASSERT_NO_FATAL_FAILURE(ShowWizard(wizard, tabs));
    for (auto [page, spinName, name] :
         {std::tuple{4, "crewSizeBox", "Crew size"}, std::tuple{5, "sizeBox", "Font size"}}) {
        tabs->setCurrentIndex(page);
        auto* spin = wizard->findChild<FlatSpinEdit*>(spinName);
        ASSERT_NE(spin, nullptr) << spinName;
        QTest::mouseClick(spin->lineEdit(), Qt::LeftButton);
        ASSERT_EQ(QApplication::focusWidget(), spin->lineEdit()) << spinName;
        QAccessibleInterface* focused =
            QAccessible::queryAccessibleInterface(QApplication::focusWidget());
        ASSERT_NE(focused, nullptr);
        EXPECT_EQ(focused->text(QAccessible::Name), name);
    }
    wizard->hide();
}

} // namespace
