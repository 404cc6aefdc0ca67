#pragma once
// The program's command line: `dutywise [PLAN.dutywise]`, `--help` and `--version`. Read before
// the application object exists, so that asking for help needs no display.

#include <QString>
#include <QStringList>

namespace dutywise::app {

struct CommandLine {
    enum class Action { Run, Help, Version, Usage };
    Action action = Action::Run;
    bool planGiven = false; // Run: a plan to load into the wizard was named
    QString planPath;
    // Help, Version: the text for standard output; Usage: the fault and the usage line, for
    // standard error.
    QString output;
    int exitCode = 0; // Help, Version: 0; Usage: 2
};

// `arguments` as QCoreApplication::arguments() gives them: the program's name first.
CommandLine ParseCommandLine(const QStringList& arguments);

} // namespace dutywise::app
