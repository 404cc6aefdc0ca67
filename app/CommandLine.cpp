#include "CommandLine.h"

#include <QCommandLineParser>
#include <QFile>

#include <algorithm>
#include <iterator>

#include "Language.h"

namespace dutywise::app {

namespace {

// The command line is read before the application object exists: its texts come straight
// from the catalogue of the desktop's language.
QString Usage() {
    return TranslateEarly("CommandLine", "Usage: dutywise [--help] [--version] [PLAN.dutywise]") +
           u'\n';
}

// The parser's own headings, from Qt's catalogue.
QString WithQtHeadings(QString help) {
    for (const char* heading : {"Options:", "Arguments:"})
        help.replace(QLatin1String(heading), TranslateQtEarly("QCommandLineParser", heading));
    return help;
}

// The parser's complaint about unknown options in the words of Qt's catalogue, which the parser
// itself cannot reach before the application object exists.
QString ParserError(const QCommandLineParser& parser) {
    const QStringList unknown = parser.unknownOptionNames();
    const QString english = parser.errorText();
    if (unknown.size() == 1 && english == QStringLiteral("Unknown option '%1'.").arg(unknown[0]))
        return TranslateQtEarly("QCommandLineParser", "Unknown option '%1'.").arg(unknown[0]);
    const QString names = unknown.join(QStringLiteral(", "));
    if (unknown.size() > 1 && english == QStringLiteral("Unknown options: %1.").arg(names))
        return TranslateQtEarly("QCommandLineParser", "Unknown options: %1.").arg(names);
    return english;
}

// The options that Qt's application object takes out of the command line itself (the style,
// the layout direction, the session a session manager restores, the platform's own). Qt takes
// them with one dash or two, wherever they stand.
constexpr const char* kQtOptionsWithValue[] = {
    "style",         "stylesheet", "session",         "platform",    "platformpluginpath",
    "platformtheme", "plugin",     "qwindowgeometry", "qwindowicon", "qwindowtitle",
    "display",       "geometry",   "title",           "icon",        "name",
    "visual"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "testability",
                                    "nograb",  "dograb",      "sync"};
// The ones Qt also takes with the value joined on.
constexpr const char* kQtJoinedOptions[] = {"style=", "stylesheet=", "qmljsdebugger="};

// The arguments without Qt's own options, which are left to the application object. An option
// that wants a value but stands last is not Qt's (Qt leaves it too) and counts as unknown.
// `origin` gets the position of each kept argument among `arguments`.
QStringList WithoutQtOptions(const QStringList& arguments, QList<qsizetype>& origin) {
    const auto named = [](QStringView word, const auto& names) {
        return std::any_of(std::begin(names), std::end(names),
                           [&](const char* name) { return word == QLatin1StringView(name); });
    };
    const auto joined = [](QStringView word) {
        return std::any_of(
            std::begin(kQtJoinedOptions), std::end(kQtJoinedOptions),
            [&](const char* name) { return word.startsWith(QLatin1StringView(name)); });
    };
    QStringList ours;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (i > 0 && argument.startsWith(u'-')) {
            const QStringView word = QStringView(argument).mid(argument.startsWith(u"--") ? 2 : 1);
            if (named(word, kQtOptionsWithValue) && i + 1 < arguments.size()) {
                ++i; // its value is Qt's too
                continue;
            }
            if (named(word, kQtFlags) || joined(word))
                continue;
        }
        ours.append(argument);
        origin.append(i);
    }
    return ours;
}

// The position among `ours` of the first argument that the parser takes as a positional one:
// our own options take no value, so that is the first after "--", or the first word that is
// not an option ("-" alone included).
qsizetype FirstPositional(const QStringList& ours) {
    for (qsizetype i = 1; i < ours.size(); ++i) {
        if (ours[i] == QLatin1String("--"))
            return i + 1 < ours.size() ? i + 1 : -1;
        if (!ours[i].startsWith(u'-') || ours[i] == QLatin1String("-"))
            return i;
    }
    return -1;
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(TranslateEarly(
        "CommandLine", "Dutywise builds the duty roster of a scout patrol's camping outing."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  TranslateEarly("CommandLine", "Show this help and exit."));
    const QCommandLineOption version(
        QStringList{QStringLiteral("v"), QStringLiteral("version")},
        TranslateEarly("CommandLine", "Show the program's version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(
        QStringLiteral("PLAN.dutywise"),
        TranslateEarly("CommandLine", "An outing plan to load into the wizard."),
        QStringLiteral("[PLAN.dutywise]"));

    // "-style" is one option, as Qt reads it, not the five letters s, t, y, l, e.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);

    CommandLine line;
    QList<qsizetype> origin;
    const QStringList ours = WithoutQtOptions(arguments, origin);
    const bool parsed = parser.parse(ours);
    if (parsed && parser.isSet(help)) {
        line.action = CommandLine::Action::Help;
        // The parser names the program after argv[0]; the usage line names it as installed.
        QString text = WithQtHeadings(parser.helpText());
        const qsizetype eol = text.indexOf(u'\n');
        text.replace(0, eol + 1, Usage());
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
        const QString why = parsed ? TranslateEarly("CommandLine", "give at most one plan file.")
                                   : ParserError(parser);
        line.output = QStringLiteral("dutywise: ") + why + u'\n' + Usage();
        line.exitCode = 2;
        return line;
    }
    if (!plans.isEmpty()) {
        line.planGiven = true;
        line.planPath = plans.first();
        line.planFileName = QFile::encodeName(line.planPath);
        const qsizetype at = FirstPositional(ours);
        line.planArgument = at >= 0 ? static_cast<int>(origin[at]) : -1;
    }
    return line;
}

CommandLine ReadCommandLine(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QFile::decodeName(argv[i]));
    CommandLine line = ParseCommandLine(arguments);
    // Decoding replaces bytes that are not UTF-8, so that two names can read alike: the name is
    // taken from the bytes of the argument at the plan's position.
    if (line.planGiven && line.planArgument > 0 && line.planArgument < argc)
        line.planFileName = QByteArray(argv[line.planArgument]);
    return line;
}

} // namespace dutywise::app
