// Plan files: the Basics page's Open Plan... and Save Plan..., a plan dropped on the window, and
// the mapping between the wizard's controls and the plan file.

#include <algorithm>
#include <filesystem>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <system_error>

#include "EngineMessages.h"
#include "WizardWindow.h"

namespace {

std::vector<std::string> ToStrings(const QStringList& items) {
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(items.size()));
    for (const QString& item : items)
        out.push_back(item.toStdString());
    return out;
}

QStringList ToQStrings(const std::vector<std::string>& items) {
    QStringList out;
    out.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items)
        out.append(QString::fromStdString(item));
    return out;
}

// The local .dutywise file a drag carries, or an empty string.
QString DroppedPlan(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().first();
    if (!url.isLocalFile())
        return {};
    const QString path = url.toLocalFile();
    return path.endsWith(QStringLiteral(".dutywise"), Qt::CaseInsensitive) ? path : QString();
}

} // namespace

dutywise::PlanFile WizardWindow::CurrentPlanFile() const {
    dutywise::PlanFile plan;
    plan.outingName = outingNameEdit->text().toStdString();
    plan.patrolName = patrolNameEdit->text().toStdString();
    for (const EditableList& entry : editableLists()) {
        plan.List(entry.planList) = ToStrings(entry.list->items());
        plan.Sorted(entry.planList) = entry.sortedBox->isChecked();
    }
    for (int day = 0; day < dutywise::kDays; ++day) {
        plan.days[static_cast<std::size_t>(day)] = daysList->checked(day);
        for (int meal = 0; meal < dutywise::kMeals; ++meal)
            plan.mealTicks[static_cast<std::size_t>(day)][static_cast<std::size_t>(meal)] =
                mealBox(day, meal)->isChecked();
    }
    // The box may hold a typed number it has not yet brought back into its range.
    plan.crewSize =
        std::clamp(crewSizeBox->value(), dutywise::kMinCrewSize, dutywise::kMaxCrewSize);
    plan.evenShares = shareEvenlyBox->isChecked();
    plan.away = Absences();
    plan.startDate = startDate();
    plan.roster = roster_;
    plan.keepApart = KeptApart();
    plan.season = season_;
    return plan;
}

void WizardWindow::ShowPlanFile(const dutywise::PlanFile& plan) {
    outingNameEdit->setText(QString::fromStdString(plan.outingName));
    patrolNameEdit->setText(QString::fromStdString(plan.patrolName));
    for (const EditableList& entry : editableLists()) {
        // Emptied first, so that the tick's own handler has nothing old to sort; the entries then
        // go in at once, sorted in one pass when the tick is on.
        entry.list->clear();
        entry.sortedBox->setChecked(plan.Sorted(entry.planList));
        const std::vector<quint64> keys =
            entry.list->replaceItems(ToQStrings(plan.List(entry.planList)));
        if (entry.list == peopleList)
            keepAbsences(keys, plan.away);
    }
    for (int day = 0; day < dutywise::kDays; ++day) {
        daysList->setChecked(day, plan.days[static_cast<std::size_t>(day)]);
        for (int meal = 0; meal < dutywise::kMeals; ++meal)
            mealBox(day, meal)->setChecked(
                plan.mealTicks[static_cast<std::size_t>(day)][static_cast<std::size_t>(meal)]);
    }
    showMealsOfTickedDays(); // the day groups show or hide as a tick of the user's would make them
    crewSizeBox->setValue(plan.crewSize);
    shareEvenlyBox->setChecked(plan.evenShares);
    setStartDate(plan.startDate);
    // The Generation page shows the plan's own roster, or none: never another outing's.
    roster_ = plan.roster;
    showRoster();
    keepApart_ = plan.keepApart;
    season_ = plan.season;
    showSeason();
}

std::optional<QString> WizardWindow::LoadPlan(const QString& path) {
    return LoadPlanFile(QFile::encodeName(path));
}

std::optional<QString> WizardWindow::LoadPlanFile(const QByteArray& fileName) {
    std::string absolute = fileName.toStdString();
    std::error_code error;
    if (!absolute.empty())
        if (const auto full = std::filesystem::absolute(absolute, error); !error)
            absolute = full.lexically_normal().string();
    const dutywise::PlanReadResult read = dutywise::ReadPlanFile(absolute);
    if (!read.plan)
        return dutywise::TranslateEngineMessage(read.refusal);
    ShowPlanFile(*read.plan);
    lastPlan_ = CurrentPlanFile();
    planDialogs_.setLastFileName(QFile::decodeName(QByteArray::fromStdString(absolute)));
    return std::nullopt;
}

bool WizardWindow::mayReplaceEntries(const QString& path) {
    const dutywise::PlanFile now = CurrentPlanFile();
    // Only entries count, not the lists' Sorted ticks or the even-shares tick: an empty wizard
    // has nothing to lose.
    dutywise::PlanFile entries = now;
    entries.sorted = {};
    entries.evenShares = false;
    const bool keep = entries != dutywise::PlanFile{} && (!lastPlan_ || now != *lastPlan_);
    if (!keep)
        return true;
    QMessageBox question(QMessageBox::NoIcon, tr("Dutywise"),
                         tr("Replace the entries of the wizard with the plan \"%1\"?")
                             .arg(QFileInfo(path).fileName()),
                         QMessageBox::Yes | QMessageBox::No, this);
    return question.exec() == QMessageBox::Yes;
}

void WizardWindow::OpenPlanFile(const QString& path) {
    const QString absolute = path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
    // Read first: a file that cannot be used is refused before anything is asked.
    const dutywise::PlanReadResult read = dutywise::ReadPlanFile(absolute.toStdString());
    if (!read.plan) {
        ShowMessage(dutywise::TranslateEngineMessage(read.refusal).toStdString());
        return;
    }
    if (!mayReplaceEntries(absolute))
        return;
    ShowPlanFile(*read.plan);
    // Compared later as the controls show it, not as the file has it: a sorted list, say,
    // stored out of order by hand.
    lastPlan_ = CurrentPlanFile();
    planDialogs_.setLastFileName(absolute);
}

void WizardWindow::openPlan() {
    if (const auto path = planDialogs_.AskOpenName())
        OpenPlanFile(*path);
}

void WizardWindow::savePlan() {
    const auto path = planDialogs_.AskSaveName();
    if (!path)
        return;
    const dutywise::PlanFile plan = CurrentPlanFile();
    if (const auto error = dutywise::WritePlanFile(path->toStdString(), plan)) {
        ShowMessage(dutywise::TranslateEngineMessage(*error).toStdString());
        return;
    }
    lastPlan_ = plan;
}

void WizardWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedPlan(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        QDialog::dragEnterEvent(event);
}

void WizardWindow::dropEvent(QDropEvent* event) {
    const QString path = DroppedPlan(event->mimeData());
    if (path.isEmpty()) {
        QDialog::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    // Opened once the drop is over: the drag's source is not kept waiting on a question.
    QTimer::singleShot(0, this, [this, path] { OpenPlanFile(path); });
}
