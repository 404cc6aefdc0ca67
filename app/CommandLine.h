#pragma once
// The program's command line: `dutywise [PLAN.dutywise]`, `--help` and `--version`. Read before
// the application object exists, so that asking for help needs no display.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace dutywise::app {

struct CommandLine {
    enum class Action { Run, Help, Version, Usage };
    Action action = Action::Run;
    bool planGiven = false;  // Run: a plan to load into the wizard was named
    QString planPath;        // its name as text, for showing
    QByteArray planFileName; // its name as the file system knows it, which need not be UTF-8
    int planArgument = -1;   // its position among the arguments
    // Help, Version: the text for standard output; Usage: the fault and the usage line, for
    // standard error.
    QString output;
    int exitCode = 0; // Help, Version: 0; Usage: 2
};

// `arguments` as QCoreApplication::arguments() gives them: the program's name first. Qt's own
// options (-style, -reverse, -session ID, ...) are left to the application object.
CommandLine ParseCommandLine(const QStringList& arguments);

// The program's own arguments as main() receives them: decoded as the system decodes file
// names, and the plan's name kept byte for byte, so that a name that is not UTF-8 still opens.
CommandLine ReadCommandLine(int argc, const char* const* argv);

} // namespace dutywise::app
