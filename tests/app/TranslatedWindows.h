#pragma once
// Every window of a fresh window flow and every page of the wizard, shown in turn, with every
// day's meals showing: what the translation tests look at and photograph.

#include <functional>
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTabWidget>
#include <QTest>
#include <utility>

#include "WindowFlow.h"

namespace translationtest {

// The wizard's button that ticks every day, so that every day's meals show.
inline constexpr const char* kAllDaysButton = "checkAllDaysButton";
// The context of the suggestion label's text, and each label with its hidden candidate list.
inline constexpr const char* kWizardContext = "WizardWindow";
inline constexpr std::pair<const char*, const char*> kSuggestionLabelsAndLists[] = {
    {"breakfastSuggestionLabel", "breakfastCandidates"},
    {"lunchSuggestionLabel", "lunchCandidates"},
    {"dinnerSuggestionLabel", "dinnerCandidates"},
    {"snackSuggestionLabel", "snackCandidates"},
    {"drinkSuggestionLabel", "drinkCandidates"}};

// Calls `look` with each window as it shows, and with the wizard once per page; `name` is the
// window's object name, with the page's number for the wizard ("WizardWindow-3"). `prepare`,
// when given, runs on the wizard before it shows.
inline void VisitEveryWindowAndPage(
    const std::function<void(QWidget& window, QWidget* page, const QString& name)>& look,
    const std::function<void(QWidget& wizard)>& prepare = {}) {
    dutywise::app::WindowFlow flow;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(window);
        if (!dialog || dialog->objectName().isEmpty())
            continue;
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog))
            continue;
        auto* tabs = dialog->findChild<QTabWidget*>();
        if (tabs && prepare)
            prepare(*dialog);
        if (!tabs) {
            QApplication::processEvents();
            look(*dialog, nullptr, dialog->objectName());
            dialog->hide();
            continue;
        }
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            if (button->objectName() == QLatin1String(kAllDaysButton))
                button->click();
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            QApplication::processEvents();
            look(*dialog, tabs->currentWidget(),
                 QStringLiteral("%1-%2").arg(dialog->objectName()).arg(page + 1));
        }
        dialog->hide();
    }
}

} // namespace translationtest
