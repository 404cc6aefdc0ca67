// The Suggestion buttons and the labels that add a suggestion to its food list.

#include "AppearingLabel.h"
#include "FlatControls.h"
#include "FlatListBox.h"
#include "Random.h"
#include "WizardWindow.h"

namespace {

// Shows a random entry of the fixed list, never its last one (the draw's bound is one short),
// and remembers it for the label's clicks.
void Suggest(TJvAppearingLabel& label, const TJvListbox2& list, QString& remembered) {
    label.hide();
    dutywise::Generator& random = dutywise::ProgramGenerator();
    random.ReseedFromClock();
    const QStringList entries = list.items();
    const auto k =
        static_cast<qsizetype>(random.RandomBelow(static_cast<std::int32_t>(entries.size() - 1)));
    if (k >= entries.size())
        return;
    label.setText(QStringLiteral("Suggestion: ") + entries[k]);
    remembered = entries[k];
    label.Appear();
}

} // namespace

void TForm2::FlatSpeedButton15Click() {
    Suggest(*JvAppearingLabel1, *BS, breakfastSuggestion_);
}
void TForm2::FlatSpeedButton16Click() {
    Suggest(*JvAppearingLabel2, *LS, lunchSuggestion_);
}
void TForm2::FlatSpeedButton14Click() {
    Suggest(*JvAppearingLabel3, *ds, dinnerSuggestion_);
}
void TForm2::FlatSpeedButton21Click() {
    Suggest(*JvAppearingLabel4, *SS, snackSuggestion_);
}
void TForm2::FlatSpeedButton22Click() {
    Suggest(*JvAppearingLabel5, *DRS, drinkSuggestion_);
}

// The plain addition: no check for a repeated entry and no message; a sorted list drops an
// entry it already holds on its own.
void TForm2::JvAppearingLabel1Click() {
    FlatListBox2->addItem(breakfastSuggestion_);
}
void TForm2::JvAppearingLabel2Click() {
    FlatListBox3->addItem(lunchSuggestion_);
}
void TForm2::JvAppearingLabel3Click() {
    FlatListBox4->addItem(dinnerSuggestion_);
}
void TForm2::JvAppearingLabel4Click() {
    FlatListBox5->addItem(snackSuggestion_);
}
void TForm2::JvAppearingLabel5Click() {
    FlatListBox6->addItem(drinkSuggestion_);
}
