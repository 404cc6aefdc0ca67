// The wizard in every language: a roster built there speaks the catalogue's words, and a plan
// saved in one language opens in another with every control as it was.
#include <QTemporaryDir>

#include "FlatSpinEdit.h"
#include "Language.h"
#include "PlanFile.h"
#include "WizardTestSupport.h"

using namespace wizardtest;

namespace {

const char* const kLanguages[] = {"en", "de", "fr", "es", "nl"};

// A plan with something in every control: names beyond ASCII, some days and meals, every list,
// ticks, a crew size and even shares.
dutywise::PlanFile AFullPlan() {
    using dutywise::PlanList;
    dutywise::PlanFile plan;
    plan.outingName = "Pfingstlager am Sée";
    plan.patrolName = "Águilas";
    plan.List(PlanList::People) = {"Jörg", "Iñigo", "Ĳsbrand", "Zoë", "Ann"};
    plan.List(PlanList::Breakfasts) = {"Müsli", "Crêpes"};
    plan.List(PlanList::Lunches) = {"Bocadillos"};
    plan.List(PlanList::Dinners) = {"Stamppot", "Paella"};
    plan.List(PlanList::Snacks) = {"Äpfel"};
    plan.List(PlanList::Drinks) = {"Thé", "Tee"};
    plan.sorted[static_cast<std::size_t>(PlanList::Dinners)] = true;
    plan.days = {false, false, false, false, false, true, true};
    plan.mealTicks[5] = {false, false, true};
    plan.mealTicks[6] = {true, true, false};
    plan.mealTicks[2] = {true, false, false}; // on an unticked day: kept all the same
    plan.crewSize = 2;
    plan.evenShares = true;
    return plan;
}

QString WritePlan(const QTemporaryDir& dir, const QString& name, const dutywise::PlanFile& plan) {
    const QString path = dir.filePath(name);
    EXPECT_EQ(dutywise::WritePlanFile(path.toStdString(), plan), std::nullopt);
    return path;
}

// Every control's state by its name: texts typed, ticks, list entries and their ticks, values.
QMap<QString, QString> ControlStates(WizardWindow& w) {
    QMap<QString, QString> states;
    for (QWidget* c : w.findChildren<QWidget*>()) {
        const QString name = c->objectName();
        if (name.isEmpty())
            continue;
        if (auto* edit = qobject_cast<QLineEdit*>(c);
            edit && !c->parent()->inherits("FlatSpinEdit"))
            states[name] = edit->text();
        else if (auto* tick = qobject_cast<QCheckBox*>(c))
            states[name] = tick->isChecked() ? "ticked" : "not ticked";
        else if (auto* checks = qobject_cast<FlatCheckListBox*>(c)) {
            QString s;
            for (int i = 0; i < checks->count(); ++i)
                s += checks->checked(i) ? u'1' : u'0';
            states[name] = s;
        } else if (auto* list = qobject_cast<FlatListBox*>(c))
            states[name] = list->items().join(u'|');
        else if (auto* spin = qobject_cast<FlatSpinEdit*>(c))
            states[name] = QString::number(spin->value());
        if (name.endsWith(QLatin1String("Group")))
            states[name + ".shown"] = c->isVisibleTo(&w) ? "shown" : "hidden";
    }
    return states;
}

TEST(TranslatedWizard, APlanSavedInOneLanguageOpensInAnotherWithEveryControlEqual) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fixture = WritePlan(dir, "fixture.dutywise", AFullPlan());
    for (std::size_t i = 0; i < std::size(kLanguages); ++i) {
        const QString from = QString::fromLatin1(kLanguages[i]);
        const QString to = QString::fromLatin1(kLanguages[(i + 1) % std::size(kLanguages)]);
        ASSERT_TRUE(dutywise::InstallLanguage(from));
        WizardWindow saving;
        saving.show();
        ASSERT_EQ(saving.LoadPlan(fixture), std::nullopt);
        TickDay(saving, 0); // and a change made in this language
        const QMap<QString, QString> before = ControlStates(saving);
        const QString saved = WritePlan(dir, from + ".dutywise", saving.CurrentPlanFile());
        QFile file(saved);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString json = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(json.contains("\"Sunday\"") && json.contains("\"Dinner\""))
            << "plan files keep English day and meal names";

        ASSERT_TRUE(dutywise::InstallLanguage(to));
        WizardWindow opening;
        opening.show();
        ASSERT_EQ(opening.LoadPlan(saved), std::nullopt);
        const QMap<QString, QString> after = ControlStates(opening);
        EXPECT_GT(before.size(), 40);
        for (auto it = before.begin(); it != before.end(); ++it)
            EXPECT_EQ(after.value(it.key()).toStdString(), it.value().toStdString())
                << from.toStdString() << " -> " << to.toStdString() << ": "
                << it.key().toStdString();
        EXPECT_EQ(opening.CurrentPlanFile(), saving.CurrentPlanFile());
    }
    dutywise::InstallLanguage("en");
}

TEST(TranslatedWizard, ARosterBuiltInALanguageSpeaksItsCataloguesWords) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    dutywise::PlanFile plan = AFullPlan();
    plan.days.fill(true);
    for (auto& day : plan.mealTicks)
        day = {true, true, true};
    const QString path = WritePlan(dir, "week.dutywise", plan);
    for (const char* language : kLanguages) {
        ASSERT_TRUE(dutywise::InstallLanguage(QString::fromLatin1(language)));
        const auto catalogue = [](const char* english) {
            return QCoreApplication::translate("RosterWords", english).toStdString();
        };
        // Qt's own catalogue installed, not only loaded: the message boxes' buttons and the
        // file dialog speak the language too.
        const bool english = language == std::string("en");
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel") == "Cancel", english)
            << language;
        EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:") == "Look in:", english)
            << language;
        WizardWindow w;
        w.show();
        ASSERT_EQ(w.LoadPlan(path), std::nullopt);
        ShowPage(w, 4);
        auto done =
            testsupport::AnswerNextModal(QCoreApplication::translate("QPlatformTheme", "OK"));
        Click(w, "buildButton");
        ASSERT_TRUE(done->found) << language << ": " << done->error.toStdString();
        EXPECT_EQ(done->text.toStdString(), catalogue("Completed!")) << language;

        std::vector<std::string> texts;
        for (const dutywise::Paragraph& p : w.Document().Paragraphs())
            texts.push_back(p.Text());
        ASSERT_GE(texts.size(), 4u + 7u * 16u + 6u) << language;
        EXPECT_EQ(texts[1], dutywise::FillIn(catalogue("%1's Roster"), {"Águilas"}));
        const char* const days[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                    "Thursday", "Friday", "Saturday"};
        const char* const meals[] = {"Breakfast", "Lunch", "Dinner"};
        const auto prefix = [&](const char* pattern) {
            const std::string p = catalogue(pattern);
            return p.substr(0, p.find("%1"));
        };
        std::size_t i = 4;
        for (const char* day : days) {
            EXPECT_EQ(texts[i++], catalogue(day)) << language;
            for (const char* meal : meals) {
                EXPECT_EQ(texts[i], catalogue(meal)) << language;
                EXPECT_EQ(texts[i + 1].rfind(prefix("Cook: %1"), 0), 0u) << texts[i + 1];
                EXPECT_EQ(texts[i + 2].rfind(prefix("Cleanup: %1"), 0), 0u) << texts[i + 2];
                EXPECT_EQ(texts[i + 3].rfind(prefix("Meal: %1"), 0), 0u) << texts[i + 3];
                i += 5;
            }
        }
        EXPECT_EQ(texts[i + 1], catalogue("Snacks")) << language;
        EXPECT_EQ(texts[i + 4], catalogue("Drinks")) << language;
        EXPECT_EQ(texts[i + 8], catalogue("Duties")) << language;
        // "Jörg: N (C cook, U cleanup)" in the catalogue's pattern.
        const std::string count = catalogue("%1: %2 (%3 cook, %4 cleanup)");
        const std::string afterCounts = count.substr(count.find("%4") + 2);
        EXPECT_EQ(
            texts[i + 9].rfind(dutywise::FillIn(count.substr(0, count.find("%2")), {"Jörg"}), 0),
            0u)
            << texts[i + 9];
        EXPECT_EQ(texts[i + 9].substr(texts[i + 9].size() - afterCounts.size()), afterCounts);
        if (std::string(language) != "en") {
            EXPECT_NE(catalogue("Sunday"), "Sunday");
            EXPECT_NE(catalogue("Cook: %1"), "Cook: %1");
        }
    }
    dutywise::InstallLanguage("en");
}

} // namespace
