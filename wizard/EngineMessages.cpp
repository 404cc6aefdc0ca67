#include "EngineMessages.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace dutywise {

namespace {

struct Sentence {
    const char* english; // as the engine writes it, %1 ... where a value goes
    bool endsInMessage;  // the last value is itself one of these sentences
};

// Every sentence the engine's plan files and atomic saves write, longest-prefixed first.
constexpr Sentence kSentences[] = {
    {QT_TRANSLATE_NOOP("EngineMessages", "Cannot open plan %1. %2"), true},
    {QT_TRANSLATE_NOOP("EngineMessages", "Cannot create file %1. %2"), true},
    {QT_TRANSLATE_NOOP("EngineMessages", "Cannot write file %1. %2"), true},
    {QT_TRANSLATE_NOOP("EngineMessages", "Not a regular file"), false},
    {QT_TRANSLATE_NOOP("EngineMessages", "It is a folder, not a plan."), false},
    {QT_TRANSLATE_NOOP("EngineMessages", "It is not a plain file."), false},
    {QT_TRANSLATE_NOOP("EngineMessages", "The file is larger than 16 MiB; a plan is far smaller."),
     false},
    {QT_TRANSLATE_NOOP("EngineMessages", "This file is not UTF-8 text."), false},
    {QT_TRANSLATE_NOOP("EngineMessages", "This file is not a Dutywise plan."), false},
    {QT_TRANSLATE_NOOP("EngineMessages", "This file is not valid JSON (at byte %1)."), false},
    {QT_TRANSLATE_NOOP("EngineMessages", "The plan does not say its version."), false},
    {QT_TRANSLATE_NOOP("EngineMessages", "This plan was written by a newer Dutywise (version %1)."),
     false},
    {QT_TRANSLATE_NOOP("EngineMessages", "The plan's version (%1) is not one Dutywise knows."),
     false},
    {QT_TRANSLATE_NOOP("EngineMessages",
                       "The field \"sorted\" must hold true or false for each list."),
     false},
    {QT_TRANSLATE_NOOP("EngineMessages", "The field \"days\" must be a list of day names."), false},
    {QT_TRANSLATE_NOOP("EngineMessages",
                       "The field \"meals\" must hold a list of meal names for each day."),
     false},
    {QT_TRANSLATE_NOOP("EngineMessages", "The field \"roster\" must be a list of meals."), false},
    {QT_TRANSLATE_NOOP("EngineMessages",
                       "The field \"roster.byHand\" must hold the places set by hand for each "
                       "crew."),
     false},
    {QT_TRANSLATE_NOOP("EngineMessages",
                       "The field \"startDate\" must be a date written as YYYY-MM-DD."),
     false},
    {QT_TRANSLATE_NOOP("EngineMessages", "The field %1 must be a list of places in the crew."),
     false},
    {QT_TRANSLATE_NOOP("EngineMessages",
                       "The meal %1 in the field %2 is not one of the plan's ticked meals."),
     false},
    {QT_TRANSLATE_NOOP("EngineMessages", "The meal %1 is twice in the field %2."), false},
    {QT_TRANSLATE_NOOP("EngineMessages",
                       "The name %1 in the field %2 is not among the plan's people."),
     false},
    {QT_TRANSLATE_NOOP("EngineMessages", "The field %1 must be a text."), false},
    {QT_TRANSLATE_NOOP("EngineMessages", "The field %1 must be a list of texts."), false},
    {QT_TRANSLATE_NOOP("EngineMessages", "The field %1 must be true or false."), false},
    {QT_TRANSLATE_NOOP("EngineMessages", "The field %1 must be a whole number."), false},
    {QT_TRANSLATE_NOOP("EngineMessages", "The field %1 must be a list of meal names."), false},
    {QT_TRANSLATE_NOOP("EngineMessages", "Unknown day %1 in the field %2."), false},
    {QT_TRANSLATE_NOOP("EngineMessages", "Unknown meal %1 in the field %2."), false},
};

// The sentence as a pattern: its words exactly, each %N any text (the shortest that fits, the
// last value taking the rest).
QRegularExpression PatternOf(const QString& english) {
    static const QRegularExpression place(QStringLiteral("%([1-9])"));
    QString pattern;
    qsizetype from = 0;
    QRegularExpressionMatchIterator places = place.globalMatch(english);
    while (places.hasNext()) {
        const QRegularExpressionMatch m = places.next();
        pattern += QRegularExpression::escape(english.mid(from, m.capturedStart() - from));
        pattern += places.hasNext() ? QStringLiteral("(.*?)") : QStringLiteral("(.*)");
        from = m.capturedEnd();
    }
    pattern += QRegularExpression::escape(english.mid(from));
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                              QRegularExpression::DotMatchesEverythingOption);
}

QString Translate(const QString& message, int depth) {
    for (const Sentence& sentence : kSentences) {
        const QString english = QString::fromUtf8(sentence.english);
        const QRegularExpressionMatch m = PatternOf(english).match(message);
        if (!m.hasMatch())
            continue;
        const QString text = QCoreApplication::translate("EngineMessages", sentence.english);
        QStringList values = m.capturedTexts().mid(1);
        if (sentence.endsInMessage && !values.isEmpty() && depth == 0)
            values.last() = Translate(values.last(), depth + 1);
        // In one pass, so that a value holding "%2" stays as it is.
        switch (values.size()) {
        case 0:
            return text;
        case 1:
            return text.arg(values[0]);
        default:
            return text.arg(values[0], values[1]);
        }
    }
    return message;
}

} // namespace

QString TranslateEngineMessage(const std::string& message) {
    return Translate(QString::fromStdString(message), 0);
}

} // namespace dutywise
