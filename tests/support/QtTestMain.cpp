// main() of every GUI test executable: one QApplication on the offscreen platform.
#include <gtest/gtest.h>
#include <QApplication>
#include <QStandardPaths>

#include "ModalAnswer.h"
#include "TestEnvironment.h"

int main(int argc, char** argv) {
    testsupport::PrepareGuiTestEnvironment();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Dutywise");
    QStandardPaths::setTestModeEnabled(true);
    testsupport::InstallModalWatchdog(); // an unexpected message box fails its test, not hangs
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
