#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QtGlobal>

namespace testsupport {

void PrepareGuiTestEnvironment() {
    // The windows speak English here whatever the desktop's language; a test of another
    // language installs it itself.
    qputenv("LANGUAGE", "en");
    qputenv("LANG", "C.UTF-8");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString dir = QDir::tempPath() + "/dutywise-test-runtime";
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", dir.toLocal8Bit());
    }
}

} // namespace testsupport
