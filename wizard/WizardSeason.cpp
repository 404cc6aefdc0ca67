// The season: the Basics page's Continue Season... and New Season, and the line that says a
// season is on. The season goes into every build and every plan saved until it is cleared.

#include <algorithm>
#include <QFileInfo>

#include "EngineMessages.h"
#include "WizardWindow.h"

void WizardWindow::ContinueSeasonFrom(const QString& path) {
    const QString absolute = path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
    dutywise::SeasonReadResult read = dutywise::ReadSeasonFrom(absolute.toStdString());
    if (!read.season) {
        ShowMessage(dutywise::TranslateEngineMessage(read.refusal).toStdString());
        return;
    }
    season_ = std::move(*read.season);
    showSeason();
}

void WizardWindow::continueSeason() {
    if (const auto path = planDialogs_.AskOpenName())
        ContinueSeasonFrom(*path);
}

void WizardWindow::newSeason() {
    season_.clear();
    showSeason();
}

void WizardWindow::showSeason() {
    newSeasonButton->setEnabled(!season_.empty());
    if (season_.empty()) {
        seasonLabel->clear();
        seasonLabel->hide();
        return;
    }
    int meals = 0;
    long long duties = 0;
    for (const auto& [name, count] : season_) {
        meals = std::max(meals, count.meals);
        duties += count.duties;
    }
    seasonLabel->setText(tr("Season so far: %1 meals, %2 duties").arg(meals).arg(duties));
    seasonLabel->show();
}
