// The version that --version prints is the one the build gives, not one written in the code:
// this test builds the command line with a version of its own.

#include <gtest/gtest.h>

#include "CommandLine.h"

TEST(CommandLineVersion, IsTheVersionTheBuildGives) {
    const auto line = dutywise::app::ParseCommandLine({"dutywise", "--version"});
    EXPECT_EQ(line.output.toStdString(), "Dutywise 0.9.test\n");
}
