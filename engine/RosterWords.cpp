#include "RosterWords.h"

#include "BuildHost.h"

namespace dutywise {

const RosterWords& EnglishRosterWords() {
    static const RosterWords english;
    return english;
}

const RosterWords& BuildHost::Words() const {
    return EnglishRosterWords();
}

std::string RosterWords::LongDate(const CalendarDate& date) const {
    if (longDate)
        return longDate(date);
    static constexpr const char* kMonths[12] = {"January", "February", "March",     "April",
                                                "May",     "June",     "July",      "August",
                                                "September", "October", "November", "December"};
    return std::string(dutywise::DayName(WeekdayOf(date))) + " " + std::to_string(date.day) + " " +
           kMonths[date.month - 1] + " " + std::to_string(date.year);
}

std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values) {
    // Sized once: a crew of five long names is a value of over a thousand bytes.
    std::size_t size = pattern.size();
    for (std::size_t i = 0; i + 1 < pattern.size(); ++i)
        if (pattern[i] == '%' && pattern[i + 1] >= '1' && pattern[i + 1] <= '9' &&
            static_cast<std::size_t>(pattern[i + 1] - '1') < values.size())
            size += values.begin()[pattern[i + 1] - '1'].size();
    std::string text;
    text.reserve(size);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < values.size()) {
                text += values.begin()[n];
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}

} // namespace dutywise
