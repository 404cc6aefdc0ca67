// Pictures of the program's windows other than the wizard, as they first show: the welcome
// window, the chooser, the template chooser, the about box and the hidden picture.
// They land in <build>/screenshots/app; look at them after a change to a window.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QTest>
#include <QWidget>

#include "WindowFlow.h"

namespace {

QWidget* Window(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name))
            return w;
    return nullptr;
}

TEST(AppScreenshots, EveryWindowAsItFirstShows) {
    dutywise::app::WindowFlow flow;
    const QString dir = QStringLiteral(DUTYWISE_SCREENSHOT_DIR);
    ASSERT_TRUE(QDir().mkpath(dir));
    const std::pair<const char*, const char*> windows[] = {
        {"WelcomeWindow", "welcome"},
        {"ChooserWindow", "chooser"},
        {"TemplateChooser", "template-chooser"},
        {"AboutBox", "about"},
        {"HiddenPictureWindow", "hidden-picture"}};
    for (const auto& [name, file] : windows) {
        QWidget* w = Window(name);
        ASSERT_NE(w, nullptr) << name;
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w)) << name;
        const QString path = QStringLiteral("%1/%2.png").arg(dir, QLatin1String(file));
        EXPECT_TRUE(w->grab().save(path)) << path.toStdString();
        w->hide();
    }
}

} // namespace
