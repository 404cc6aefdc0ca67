// Crews by hand: the Generation page's "Crews..." button and its dialog. The leader's changes
// go into the roster value, and the document is written anew from it.

#include <QMessageBox>

#include "CrewsDialog.h"
#include "WizardWindow.h"

void WizardWindow::updateCrewsButton() {
    crewsButton->setEnabled(roster_.has_value());
}

void WizardWindow::editCrews() {
    updateCrewsButton();
    if (!roster_)
        return;
    CrewsDialog dialog(*roster_, words_, KeptApart(), this);
    if (dialog.exec() != QDialog::Accepted || dialog.roster() == *roster_)
        return;
    // Writing the roster anew replaces whatever was typed or restyled in the editor.
    if (rosterEditedByHand()) {
        QMessageBox question(QMessageBox::NoIcon, tr("Dutywise"),
                             tr("The roster's text was changed by hand since it was written. "
                                "Write it anew with the changed crews?"),
                             QMessageBox::Yes | QMessageBox::No, this);
        if (question.exec() != QMessageBox::Yes)
            return;
    }
    roster_ = dialog.roster();
    showRoster();
}
