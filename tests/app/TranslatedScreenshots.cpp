// Pictures of every window and wizard page in every language, for a person to check that
// nothing is clipped: <build>/screenshots/LL/NAME.png, the wizard filled in as a leader of
// that country would fill it.
#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

#include "Language.h"
#include "PlanFile.h"
#include "TranslatedWindows.h"
#include "WizardWindow.h"

namespace {

struct Outing {
    const char* language;
    const char* outing;
    const char* patrol;
    std::vector<std::string> people;
};

const Outing kOutings[] = {
    {"de", "Pfingstlager am See", "Füchse", {"Lena", "Jonas", "Mia", "Paul", "Jörg"}},
    {"fr", "Camp de Pâques", "Écureuils", {"Léa", "Hugo", "Chloé", "Louis", "Inès"}},
    {"es", "Campamento de verano", "Águilas", {"Lucía", "Hugo", "Martina", "Pablo", "Iñigo"}},
    {"nl", "Zomerkamp", "Bevers", {"Emma", "Daan", "Sanne", "Lucas", "Ĳsbrand"}},
};

TEST(TranslatedScreenshots, EveryWindowAndPageInEveryLanguage) {
    QTemporaryDir plans;
    ASSERT_TRUE(plans.isValid());
    for (const Outing& outing : kOutings) {
        const QString language = QString::fromLatin1(outing.language);
        ASSERT_TRUE(dutywise::InstallLanguage(language)) << outing.language;
        dutywise::PlanFile plan;
        plan.outingName = outing.outing;
        plan.patrolName = outing.patrol;
        plan.List(dutywise::PlanList::People) = outing.people;
        const QString planPath = plans.filePath(language + ".dutywise");
        ASSERT_EQ(dutywise::WritePlanFile(planPath.toStdString(), plan), std::nullopt);

        const QString dir = QStringLiteral(DUTYWISE_SCREENSHOT_DIR "/%1").arg(language);
        ASSERT_TRUE(QDir().mkpath(dir));
        translationtest::VisitEveryWindowAndPage(
            [&](QWidget& window, QWidget*, const QString& name) {
                const QString path = QStringLiteral("%1/%2.png").arg(dir, name);
                EXPECT_TRUE(window.grab().save(path)) << path.toStdString();
            },
            [&](QWidget& wizard) {
                auto* w = qobject_cast<WizardWindow*>(&wizard);
                ASSERT_NE(w, nullptr);
                EXPECT_EQ(w->LoadPlan(planPath), std::nullopt);
            });
    }
    dutywise::InstallLanguage(QStringLiteral("en"));
}

} // namespace
