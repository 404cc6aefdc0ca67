#include "CommandLine.h"

#include <QCommandLineParser>

namespace dutywise::app {

namespace {

const QString kUsage = QStringLiteral("Usage: dutywise [--help] [--version] [PLAN.dutywise]\n");

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Dutywise builds the duty roster of a scout patrol's camping outing."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the program's version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("PLAN.dutywise"),
                                 QStringLiteral("An outing plan to load into the wizard."),
                                 QStringLiteral("[PLAN.dutywise]"));

    CommandLine line;
    const bool parsed = parser.parse(arguments);
    if (parsed && parser.isSet(help)) {
        line.action = CommandLine::Action::Help;
        // The parser names the program after argv[0]; the usage line names it as installed.
        QString text = parser.helpText();
        const qsizetype eol = text.indexOf(u'\n');
        text.replace(0, eol + 1, kUsage);
        line.output = text;
        return line;
    }
    if (parsed && parser.isSet(version)) {
        line.action = CommandLine::Action::Version;
        line.output = QStringLiteral("Dutywise " DUTYWISE_VERSION "\n");
        return line;
    }
    const QStringList plans = parser.positionalArguments();
    if (!parsed || plans.size() > 1) {
        line.action = CommandLine::Action::Usage;
        const QString why =
            parsed ? QStringLiteral("give at most one plan file.") : parser.errorText();
        line.output = QStringLiteral("dutywise: ") + why + u'\n' + kUsage;
        line.exitCode = 2;
        return line;
    }
    if (!plans.isEmpty()) {
        line.planGiven = true;
        line.planPath = plans.first();
    }
    return line;
}

} // namespace dutywise::app
