// main() of every GUI test executable: one QApplication on the offscreen platform.
#include <gtest/gtest.h>
#include <QApplication>
#include <QStandardPaths>

#include "TestEnvironment.h"

int main(int argc, char** argv) {
    testsupport::PrepareGuiTestEnvironment();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Dutywise");
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
