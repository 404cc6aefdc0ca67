// The Suggestion buttons and the labels that add a suggestion to its food list.

#include "AppearingLabel.h"
#include "FlatControls.h"
#include "FlatListBox.h"
#include "Random.h"
#include "WizardWindow.h"

void WizardWindow::connectSuggestions() {
    suggestions_ = {{
        {suggestBreakfastButton, breakfastSuggestionLabel, breakfastCandidates, breakfastsList, {}},
        {suggestLunchButton, lunchSuggestionLabel, lunchCandidates, lunchesList, {}},
        {suggestDinnerButton, dinnerSuggestionLabel, dinnerCandidates, dinnersList, {}},
        {suggestSnackButton, snackSuggestionLabel, snackCandidates, snacksList, {}},
        {suggestDrinkButton, drinkSuggestionLabel, drinkCandidates, drinksList, {}},
    }};
    for (Suggestion& suggestion : suggestions_) {
        Suggestion* s = &suggestion; // the array lives as long as the window
        connect(s->button, &QPushButton::clicked, this, [s] { suggest(*s); });
        // The plain addition: no check for a repeated entry and no message; a sorted list drops
        // an entry it already holds on its own.
        connect(s->label, &AppearingLabel::clicked, this, [s] { s->list->addItem(s->shown); });
    }
}

// Shows a random entry of the fixed list, never its last one (the draw's bound is one short),
// and remembers it for the label's clicks.
void WizardWindow::suggest(Suggestion& suggestion) {
    AppearingLabel& label = *suggestion.label;
    label.hide();
    dutywise::Generator& random = dutywise::ProgramGenerator();
    random.ReseedFromClock();
    const QStringList entries = suggestion.candidates->items();
    const auto k =
        static_cast<qsizetype>(random.RandomBelow(static_cast<std::int32_t>(entries.size() - 1)));
    if (k >= entries.size())
        return;
    label.setText(tr("Suggestion: %1").arg(entries[k]));
    suggestion.shown = entries[k];
    label.Appear();
}
