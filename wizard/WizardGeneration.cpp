// The Generation page's tools: restyling, saving, printing, Fresh Start, Regenerate, About.

#include <ctime>
#include <QMenu>

#include "AppearingLabel.h"
#include "DocumentTools.h"
#include "EditorDocument.h"
#include "EngineMessages.h"
#include "FlatColorComboBox.h"
#include "RosterWriter.h"
#include "FlatControls.h"
#include "FlatListBox.h"
#include "FlatSpinEdit.h"
#include "WizardWindow.h"

void WizardWindow::showRoster() {
    if (!roster_) {
        document_->ClearDocument();
        generationNotice->show();
    } else {
        const EditorDocument::Batch batch(*document_);
        dutywise::WriteRosterDocument(*roster_, *document_, words_);
        generationNotice->hide();
    }
    rosterEditor->document()->setModified(false);
    updateCrewsButton();
}

bool WizardWindow::rosterEditedByHand() const {
    return rosterEditor->document()->isModified();
}

void WizardWindow::toggleBold() {
    dutywise::ToggleBold(*document_);
}
void WizardWindow::toggleItalic() {
    dutywise::ToggleItalic(*document_);
}
void WizardWindow::toggleUnderline() {
    dutywise::ToggleUnderline(*document_);
}

void WizardWindow::applyFont() {
    dutywise::SetSelectionFont(*document_, fontBox->currentText().toStdString());
}

void WizardWindow::applyColour() {
    const QColor c = colourBox->value();
    dutywise::SetSelectionColor(*document_,
                                dutywise::Color::Rgb(static_cast<std::uint8_t>(c.red()),
                                                     static_cast<std::uint8_t>(c.green()),
                                                     static_cast<std::uint8_t>(c.blue())));
}

// The box's value as its text reads now: typed numbers apply as typed until it loses the focus.
void WizardWindow::applySize() {
    dutywise::SetSelectionSize(*document_, sizeBox->value());
}

void WizardWindow::saveRoster() {
    const dutywise::SaveResult result = dutywise::SaveRoster(
        {*document_, roster_ ? &*roster_ : nullptr, patrolNameEdit->text().toStdString()},
        saveTarget_, pdfService_, words_, static_cast<std::int64_t>(std::time(nullptr)));
    if (result.status == dutywise::SaveResult::Status::Failed)
        ShowMessage(dutywise::TranslateEngineMessage(result.refusal).toStdString());
}

void WizardWindow::printRoster() {
    if (auto error = dutywise::PrintRoster(*document_, patrolNameEdit->text().toStdString(),
                                           printService_, words_))
        ShowMessage(*error);
}

// The print button prints the document as it always has; the arrow beside it asks which
// layout to print: the roster as shown, the notice board or each scout's duties.
void WizardWindow::setUpPrintSheetMenu() {
    auto* menu = new QMenu(printSheetButton);
    menu->setObjectName(QStringLiteral("printSheetMenu"));
    menu->setAccessibleName(tr("Print which layout"));
    QAction* roster = menu->addAction(tr("Print the roster"));
    roster->setObjectName(QStringLiteral("printRosterAction"));
    connect(roster, &QAction::triggered, this, &WizardWindow::printRoster);
    QAction* board = menu->addAction(tr("Print the notice board"));
    board->setObjectName(QStringLiteral("printNoticeBoardAction"));
    connect(board, &QAction::triggered, this,
            [this] { printSheet(dutywise::RosterSheet::NoticeBoard); });
    QAction* slips = menu->addAction(tr("Print each scout's duties"));
    slips->setObjectName(QStringLiteral("printDutySlipsAction"));
    connect(slips, &QAction::triggered, this,
            [this] { printSheet(dutywise::RosterSheet::DutySlips); });
    printSheetButton->setMenu(menu);
}

void WizardWindow::printSheet(dutywise::RosterSheet sheet) {
    if (auto error =
            dutywise::PrintRosterSheet(roster_ ? &*roster_ : nullptr, sheet,
                                       patrolNameEdit->text().toStdString(), printService_, words_))
        ShowMessage(dutywise::TranslateEngineMessage(*error).toStdString());
}

void WizardWindow::freshStart() {
    generationNotice->show();
    document_->ClearDocument();
    roster_.reset();
    updateCrewsButton();
    outingNameEdit->clear();
    patrolNameEdit->clear();
    peopleList->clear();
    absences_.clear();
    keepApart_.clear();
    season_.clear();
    showSeason();
    uncheckAllDays();  // Uncheck All Days, which hides the day groups
    uncheckAllMeals(); // Uncheck All Meals
    breakfastsList->clear();
    lunchesList->clear();
    dinnersList->clear();
    for (AppearingLabel* label :
         {breakfastSuggestionLabel, lunchSuggestionLabel, dinnerSuggestionLabel,
          snackSuggestionLabel, drinkSuggestionLabel})
        label->hide();
    snacksList->clear();
    drinksList->clear();
    crewSizeBox->setValue(2);
    shareEvenlyBox->setChecked(false);
    setStartDate(std::nullopt);
    pages->setCurrentIndex(0);
}

void WizardWindow::regenerate() {
    // The places set by hand in the roster on show stay; the draw runs around them.
    buildRoster(roster_ ? &*roster_ : nullptr);
}

void WizardWindow::requestAbout() {
    emit aboutRequested();
}
