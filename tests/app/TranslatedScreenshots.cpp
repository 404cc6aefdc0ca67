// Pictures of every window and wizard page in every language, for a person to check that
// nothing is clipped: <build>/screenshots/LL/NAME.png.
#include <gtest/gtest.h>
#include <QDir>

#include "Language.h"
#include "TranslatedWindows.h"

namespace {

TEST(TranslatedScreenshots, EveryWindowAndPageInEveryLanguage) {
    for (const QString& language : dutywise::CatalogueLanguages()) {
        if (language == QLatin1String("en"))
            continue; // the English pictures are the other screenshot programs'
        ASSERT_TRUE(dutywise::InstallLanguage(language)) << language.toStdString();
        const QString dir = QStringLiteral(DUTYWISE_SCREENSHOT_DIR "/%1").arg(language);
        ASSERT_TRUE(QDir().mkpath(dir));
        translationtest::VisitEveryWindowAndPage(
            [&](QWidget& window, QWidget*, const QString& name) {
                const QString path = QStringLiteral("%1/%2.png").arg(dir, name);
                EXPECT_TRUE(window.grab().save(path)) << path.toStdString();
            });
    }
    dutywise::InstallLanguage(QStringLiteral("en"));
}

} // namespace
