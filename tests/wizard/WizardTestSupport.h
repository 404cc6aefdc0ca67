#pragma once
// Finding the wizard's controls by name and working them as a user does.

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "FlatListBox.h"
#include "ModalAnswer.h"
#include "WizardWindow.h"

namespace wizardtest {

template <class T = QWidget> T* Find(QWidget& window, const char* name) {
    T* control = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

inline void ShowPage(QWidget& window, int page) {
    Find<QTabWidget>(window, "TabbedNotebook1")->setCurrentIndex(page);
}

inline void Click(QWidget& window, const char* name) {
    QWidget* control = Find(window, name);
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

// Clicks a check box on its box, not at its centre, which may lie beyond its caption.
inline void Tick(QWidget& window, const char* name) {
    QWidget* box = Find(window, name);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

inline void ClickRow(QWidget& window, const char* list, int row) {
    auto* box = Find<TFlatListBox>(window, list);
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rowRect(row).center());
}

inline void TickDay(QWidget& window, int day) {
    auto* days = Find<TFlatCheckListBox>(window, "days");
    QTest::mouseClick(days, Qt::LeftButton, {},
                      TFlatCheckListBox::checkRect(days->rowRect(day)).center());
}

// Adds an entry through the list's Add button and the prompt it opens.
inline std::shared_ptr<testsupport::ModalSeen> Add(QWidget& window, const char* addButton,
                                                   const QString& text) {
    auto seen = testsupport::AnswerPrompt(text);
    Click(window, addButton);
    EXPECT_TRUE(seen->found) << seen->error.toStdString();
    return seen;
}

inline QStringList Items(QWidget& window, const char* list) {
    return Find<TFlatListBox>(window, list)->items();
}

} // namespace wizardtest
