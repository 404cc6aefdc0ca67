// Every window and wizard page in every language: the texts fit their controls, every control
// a person can operate has a name a screen reader can say, and that name is the language's.
#include "Accessibility.h"
#include "Language.h"
#include "OperableRoles.h"
#include "RosterBuild.h"
#include "TextFit.h"
#include "TranslatedWindows.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace {

// The catalogue's entries whose translation is the English text itself ("OK", "Lunch").
QSet<QString> UntranslatedOnPurpose(const QString& language) {
    QSet<QString> same;
    QFile file(QStringLiteral(DUTYWISE_TRANSLATIONS_DIR "/dutywise_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return same;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && xml.readElementText() == source)
            same.insert(source);
    }
    return same;
}

void CollectNames(QAccessibleInterface* iface, QStringList& names, QStringList& unnamed) {
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        if (!child || child->state().invisible)
            continue;
        if (testsupport::IsOperable(child->role())) {
            const QString name = child->text(QAccessible::Name).trimmed();
            if (name.isEmpty())
                unnamed << (child->object() ? child->object()->objectName() : QString("?"));
            else
                names << name;
        }
        CollectNames(child, names, unnamed);
    }
}

struct Seen {
    QStringList problems; // texts that do not fit
    QStringList names;    // accessible names of operable controls
    QStringList unnamed;
    int suggestionLabels = 0; // the suggestion labels found and tried
};

void Look(QWidget& window, Seen& seen) {
    QApplication::processEvents();
    seen.problems << testsupport::TextsThatDoNotFit(window);
    if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&window))
        CollectNames(iface, seen.names, seen.unnamed);
}

// Each suggestion label, showing in turn every candidate of its hidden list.
void ShowEverySuggestion(QWidget& page, Seen& seen) {
    for (auto [labelName, listName] : translationtest::kSuggestionLabelsAndLists) {
        auto* label = page.findChild<QLabel*>(QLatin1String(labelName));
        auto* list = page.findChild<QListWidget*>(QLatin1String(listName));
        if (!label || !list)
            continue;
        ++seen.suggestionLabels;
        const QString before = label->text();
        label->show();
        for (int i = 0; i < list->count(); ++i) {
            label->setText(
                QCoreApplication::translate(translationtest::kWizardContext, "Suggestion: %1")
                    .arg(list->item(i)->text()));
            seen.problems << testsupport::TextsThatDoNotFit(*label);
        }
        label->hide();
        label->setText(before);
    }
}

Seen LookAtEverything() {
    Seen seen;
    translationtest::VisitEveryWindowAndPage([&](QWidget& window, QWidget* page, const QString&) {
        Look(window, seen);
        if (page)
            ShowEverySuggestion(*page, seen);
    });
    return seen;
}

class Translations : public ::testing::TestWithParam<const char*> {
protected:
    static void SetUpTestSuite() { InstallWidgetAccessibility(); }
    void TearDown() override { dutywise::InstallLanguage(QStringLiteral("en")); }
};

TEST_P(Translations, EveryTextFitsAndEveryControlHasANameInTheLanguage) {
    const QString language = QString::fromLatin1(GetParam());
    ASSERT_TRUE(dutywise::InstallLanguage(language));
    const Seen seen = LookAtEverything();
    EXPECT_TRUE(seen.problems.isEmpty()) << seen.problems.size() << " texts do not fit:\n"
                                         << seen.problems.join("\n").toStdString();
    EXPECT_TRUE(seen.unnamed.isEmpty()) << seen.unnamed.join(", ").toStdString();
    EXPECT_GT(seen.names.size(), 60);
    EXPECT_EQ(seen.suggestionLabels, 5);

    if (language == QLatin1String("en"))
        return;
    // Every name is the language's: the English text only where the catalogue says so.
    dutywise::InstallLanguage(QStringLiteral("en"));
    const QStringList englishNames = LookAtEverything().names;
    const QSet<QString> english(englishNames.begin(), englishNames.end());
    const QSet<QString> same = UntranslatedOnPurpose(language);
    QStringList stillEnglish;
    for (const QString& name : seen.names)
        if (english.contains(name) && !same.contains(name))
            stillEnglish << name;
    EXPECT_TRUE(stillEnglish.isEmpty()) << stillEnglish.join(" | ").toStdString();
}

// A short meal named as the sentence names it (it read "pour Samedi Déjeuner"), and a presence
// note that fits girls and boys (French printed "présent" for every girl).
TEST(RosterSentences, NameDayAndMealInTheSentenceAndFitEveryPerson) {
    const char* const rows[][3] = {
        {"de", "Für das Mittagessen am Samstag ", ", bei 4 von 6 Mahlzeiten da"},
        {"fr", "Pas assez de monde pour le déjeuner de samedi", ", à 4 repas sur 6"},
        {"es", "¡No hay bastante gente para la comida del sábado", ", presente en 4 de 6 comidas"},
        {"nl", "Niet genoeg mensen aanwezig bij de lunch op zaterdag",
         ", bij 4 van de 6 maaltijden aanwezig"}};
    for (const auto& row : rows) {
        ASSERT_TRUE(dutywise::InstallLanguage(QString::fromLatin1(row[0])));
        const dutywise::RosterWords w = dutywise::TranslatedRosterWords();
        const auto slot = dutywise::MealSlot{dutywise::Weekday::Saturday, dutywise::Meal::Lunch};
        EXPECT_EQ(dutywise::ShortMealMessage(slot, w).rfind(row[1], 0), 0u) << row[0];
        EXPECT_EQ(dutywise::FillIn(w.mealsThereNote, {"4", "6"}), row[2]);
    }
    dutywise::InstallLanguage(QStringLiteral("en"));
}

INSTANTIATE_TEST_SUITE_P(Languages, Translations, ::testing::Values("en", "de", "fr", "es", "nl"));

} // namespace
