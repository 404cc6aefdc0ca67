#include "Language.h"

#include <memory>
#include <QCoreApplication>
#include <QDate>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "FlatListBox.h"

namespace dutywise {

namespace {

// The catalogues are compiled into the program under this folder.
constexpr const char* kCatalogueFolder = ":/i18n";

struct Installed {
    QString language = QStringLiteral("en");
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Installed& Current() {
    static Installed installed;
    return installed;
}

void Remove(std::unique_ptr<QTranslator>& translator) {
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

std::unique_ptr<QTranslator> LoadProgramCatalogue(const QString& language) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("dutywise_") + language,
                          QString::fromLatin1(kCatalogueFolder)))
        return nullptr;
    return translator;
}

// The locale whose collation the language's lists sort by: the user's own where it speaks the
// language (its country's rules kept), else the language's.
QLocale LanguageLocale(const QString& language) {
    const QLocale system = QLocale::system();
    const QLocale spoken(language);
    return system.language() == spoken.language() ? system : spoken;
}

std::string Std(const QString& text) {
    return text.toStdString();
}

} // namespace

QStringList CatalogueLanguages() {
    return {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"),
            QStringLiteral("nl")};
}

QString ChooseLanguage(const QStringList& uiLanguages) {
    const QStringList known = CatalogueLanguages();
    for (const QString& name : uiLanguages) {
        const QString language = name.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (known.contains(language))
            return language;
    }
    return QStringLiteral("en");
}

bool InstallLanguage(const QString& language) {
    Installed& current = Current();
    Remove(current.program);
    Remove(current.qt);
    current.language = QStringLiteral("en");
    FlatListBox::setSortLocale(LanguageLocale(QStringLiteral("en")));
    if (language == QLatin1String("en") || !CatalogueLanguages().contains(language))
        return language == QLatin1String("en");

    current.program = LoadProgramCatalogue(language);
    if (!current.program)
        return false;
    QCoreApplication::installTranslator(current.program.get());
    // Qt's own texts: the file dialog, the message boxes' buttons. Without them installed,
    // those stay English.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        current.qt = std::move(qt);
    }
    current.language = language;
    FlatListBox::setSortLocale(LanguageLocale(language));
    return true;
}

QString InstalledLanguage() {
    return Current().language;
}

QString TranslateEarly(const char* context, const char* sourceText) {
    if (QCoreApplication::instance())
        return QCoreApplication::translate(context, sourceText);
    static const std::unique_ptr<QTranslator> early =
        LoadProgramCatalogue(ChooseLanguage(QLocale::system().uiLanguages()));
    if (early) {
        const QString text = early->translate(context, sourceText);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(sourceText);
}

QString TranslateQtEarly(const char* context, const char* sourceText) {
    if (QCoreApplication::instance())
        return QCoreApplication::translate(context, sourceText);
    static const std::unique_ptr<QTranslator> early = [] {
        const QString language = ChooseLanguage(QLocale::system().uiLanguages());
        auto qt = std::make_unique<QTranslator>();
        if (language == QLatin1String("en") ||
            !qt->load(QStringLiteral("qtbase_") + language,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            qt.reset();
        return qt;
    }();
    if (early) {
        const QString text = early->translate(context, sourceText);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(sourceText);
}

RosterWords TranslatedRosterWords() {
    RosterWords w;
    w.dayNames = {Std(QCoreApplication::translate("RosterWords", "Sunday")),
                  Std(QCoreApplication::translate("RosterWords", "Monday")),
                  Std(QCoreApplication::translate("RosterWords", "Tuesday")),
                  Std(QCoreApplication::translate("RosterWords", "Wednesday")),
                  Std(QCoreApplication::translate("RosterWords", "Thursday")),
                  Std(QCoreApplication::translate("RosterWords", "Friday")),
                  Std(QCoreApplication::translate("RosterWords", "Saturday"))};
    w.mealNames = {Std(QCoreApplication::translate("RosterWords", "Breakfast")),
                   Std(QCoreApplication::translate("RosterWords", "Lunch")),
                   Std(QCoreApplication::translate("RosterWords", "Dinner"))};
    w.rosterTitle = Std(QCoreApplication::translate("RosterWords", "%1's Roster"));
    w.cookLine = Std(QCoreApplication::translate("RosterWords", "Cook: %1"));
    w.cleanupLine = Std(QCoreApplication::translate("RosterWords", "Cleanup: %1"));
    w.mealLine = Std(QCoreApplication::translate("RosterWords", "Meal: %1"));
    w.snacksHeading = Std(QCoreApplication::translate("RosterWords", "Snacks"));
    w.drinksHeading = Std(QCoreApplication::translate("RosterWords", "Drinks"));
    w.dutiesHeading = Std(QCoreApplication::translate("RosterWords", "Duties"));
    w.dutyCountLine =
        Std(QCoreApplication::translate("RosterWords", "%1: %2 (%3 cook, %4 cleanup)"));
    w.mealsThereNote = Std(QCoreApplication::translate("RosterWords", ", at %1 of %2 meals"));
    w.seasonNote = Std(QCoreApplication::translate("RosterWords", "; season total %1"));
    w.shortMeal = Std(QCoreApplication::translate(
        "RosterWords", "Not enough people are there for %1 %2!\nPlease shorten the limit or mark "
                       "more people as there."));
    w.noOutingName = Std(QCoreApplication::translate(
        "RosterWords", "Please enter the name of the Boy Scout Outing!"));
    w.tooFewPeople = Std(QCoreApplication::translate(
        "RosterWords", "You don't have enough people to perform the task of cleaning up or "
                       "cooking!\nPlease shorten the limit!"));
    w.moreNamesAdvice = Std(QCoreApplication::translate(
        "RosterWords", "Just a suggestion, please enter some more names in the beginning!"));
    w.missingMeal = {
        Std(QCoreApplication::translate("RosterWords",
                                        "I can't let you generate a roster without Breakfast.\n"
                                        "If you can't think of a breakfast, choose a suggestion.")),
        Std(QCoreApplication::translate("RosterWords",
                                        "I can't let you generate a roster without Lunch.\n"
                                        "If you can't think of a lunch, choose a suggestion.")),
        Std(QCoreApplication::translate("RosterWords",
                                        "I can't let you generate a roster without Dinner.\n"
                                        "If you can't think of a dinner, choose a suggestion."))};
    // The sheets, the calendar and the spreadsheet
    const char* const months[] = {QT_TRANSLATE_NOOP("RosterWords", "January"),
                                  QT_TRANSLATE_NOOP("RosterWords", "February"),
                                  QT_TRANSLATE_NOOP("RosterWords", "March"),
                                  QT_TRANSLATE_NOOP("RosterWords", "April"),
                                  QT_TRANSLATE_NOOP("RosterWords", "May"),
                                  QT_TRANSLATE_NOOP("RosterWords", "June"),
                                  QT_TRANSLATE_NOOP("RosterWords", "July"),
                                  QT_TRANSLATE_NOOP("RosterWords", "August"),
                                  QT_TRANSLATE_NOOP("RosterWords", "September"),
                                  QT_TRANSLATE_NOOP("RosterWords", "October"),
                                  QT_TRANSLATE_NOOP("RosterWords", "November"),
                                  QT_TRANSLATE_NOOP("RosterWords", "December")};
    for (std::size_t m = 0; m < w.monthNames.size(); ++m)
        w.monthNames[m] = Std(QCoreApplication::translate("RosterWords", months[m]));
    //: A day with its date: weekday, day of the month, month ("Friday 11 June")
    w.datedDay = Std(QCoreApplication::translate("RosterWords", "%1 %2 %3"));
    //: The notice board's title: the outing, the patrol
    w.boardTitle = Std(QCoreApplication::translate("RosterWords", "%1 – %2"));
    w.thereNote = Std(QCoreApplication::translate("RosterWords", "%1 there"));
    w.cookDuty = Std(QCoreApplication::translate("RosterWords", "cook"));
    w.cleanupDuty = Std(QCoreApplication::translate("RosterWords", "clean-up"));
    //: A duty on a scout's slip: the day, the meal, the duty
    w.slipDuty = Std(QCoreApplication::translate("RosterWords", "%1, %2: %3"));
    w.slipWith = Std(QCoreApplication::translate("RosterWords", ", with %1"));
    w.slipCount =
        Std(QCoreApplication::translate("RosterWords", "Duties: %1 (%2 cook, %3 clean-up)"));
    //: A calendar event's title: the meal, the outing
    w.eventSummary = Std(QCoreApplication::translate("RosterWords", "%1 (%2)"));
    w.csvColumns = {Std(QCoreApplication::translate("RosterWords", "Date")),
                    Std(QCoreApplication::translate("RosterWords", "Day")),
                    Std(QCoreApplication::translate("RosterWords", "Meal")),
                    Std(QCoreApplication::translate("RosterWords", "Duty")),
                    Std(QCoreApplication::translate("RosterWords", "Names")),
                    Std(QCoreApplication::translate("RosterWords", "Dish"))};
    w.completed = Std(QCoreApplication::translate("RosterWords", "Completed!"));
    // English keeps the engine's "Friday 11 June 2027"; the other languages their long form.
    if (const QString language = InstalledLanguage(); language != QLatin1String("en")) {
        const QLocale locale(language);
        w.longDate = [locale](const CalendarDate& date) {
            return Std(locale.toString(QDate(date.year, date.month, date.day), QLocale::LongFormat));
        };
    }
    w.hiddenPicture =
        Std(QCoreApplication::translate("RosterWords", "You found the hidden picture!"));
    // A context of their own: inside a sentence the names read differently from the headings.
    w.dayNamesInSentence = {Std(QCoreApplication::translate("RosterWordsInSentence", "Sunday")),
                            Std(QCoreApplication::translate("RosterWordsInSentence", "Monday")),
                            Std(QCoreApplication::translate("RosterWordsInSentence", "Tuesday")),
                            Std(QCoreApplication::translate("RosterWordsInSentence", "Wednesday")),
                            Std(QCoreApplication::translate("RosterWordsInSentence", "Thursday")),
                            Std(QCoreApplication::translate("RosterWordsInSentence", "Friday")),
                            Std(QCoreApplication::translate("RosterWordsInSentence", "Saturday"))};
    w.mealNamesInSentence = {Std(QCoreApplication::translate("RosterWordsInSentence", "Breakfast")),
                             Std(QCoreApplication::translate("RosterWordsInSentence", "Lunch")),
                             Std(QCoreApplication::translate("RosterWordsInSentence", "Dinner"))};
    return w;
}

} // namespace dutywise
