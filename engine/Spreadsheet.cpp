#include "Spreadsheet.h"

namespace dutywise {

std::string CsvField(std::string_view text) {
    std::string field;
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
        field += '\'';
    field += text;
    if (field.find_first_of(",\"\r\n") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (char c : field) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string WriteRosterCsv(const Roster& roster, const RosterWords& words) {
    std::string csv = "\xEF\xBB\xBF";
    const auto row = [&csv](std::initializer_list<std::string_view> fields) {
        bool first = true;
        for (std::string_view f : fields) {
            if (!first)
                csv += ',';
            first = false;
            csv += CsvField(f);
        }
        csv += "\r\n";
    };
    const auto& c = words.csvColumns;
    row({c[0], c[1], c[2], c[3], c[4], c[5]});
    for (const RosterMeal& meal : roster.meals) {
        const std::string date = meal.date ? IsoDate(*meal.date) : std::string();
        const std::string& day = words.DayName(meal.slot.day);
        const std::string& name = words.MealName(meal.slot.meal);
        row({date, day, name, words.cookDuty, CrewText(roster, meal.cooks), meal.dish});
        row({date, day, name, words.cleanupDuty, CrewText(roster, meal.cleanup), meal.dish});
    }
    return csv;
}

} // namespace dutywise
