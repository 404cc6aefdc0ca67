#include "PlanFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>

#include "AtomicFile.h"
#include "CrewDraw.h"

namespace dutywise {

namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

// Our own fields nest three deep at most; anything far deeper is not a plan, and refusing it
// before parsing keeps a hostile file from costing memory level by level.
constexpr int kMaxNesting = 64;

// Thrown while reading a parsed document: the refusal.
struct Refusal {
    EngineMessage message;
};

EngineMessage Message(MessageCode code, std::string field = {}, std::string value = {}) {
    EngineMessage m;
    m.code = code;
    m.field = std::move(field);
    m.value = std::move(value);
    return m;
}

[[noreturn]] void Refuse(MessageCode code, std::string field = {}, std::string value = {}) {
    throw Refusal{Message(code, std::move(field), std::move(value))};
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsUtf8(std::string_view bytes) {
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int more = 0;
        unsigned min = 0;
        unsigned cp = 0;
        if ((c & 0xE0) == 0xC0) {
            more = 1, min = 0x80, cp = c & 0x1Fu;
        } else if ((c & 0xF0) == 0xE0) {
            more = 2, min = 0x800, cp = c & 0x0Fu;
        } else if ((c & 0xF8) == 0xF0) {
            more = 3, min = 0x10000, cp = c & 0x07u;
        } else {
            return false;
        }
        if (n - i <= static_cast<std::size_t>(more))
            return false;
        for (int k = 1; k <= more; ++k) {
            const auto t = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if ((t & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (t & 0x3Fu);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += static_cast<std::size_t>(more) + 1;
    }
    return true;
}

// The deepest nesting of arrays and objects, strings skipped.
int Nesting(std::string_view bytes) {
    int depth = 0;
    int deepest = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : bytes) {
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
            if (deepest > kMaxNesting)
                return deepest;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return deepest;
}

EngineMessage NotJson(std::optional<std::size_t> byte) {
    EngineMessage m = Message(byte ? MessageCode::NotJsonAt : MessageCode::NotJson);
    m.byte = byte;
    return m;
}

// Walks the bytes as the parser does, building nothing: where they stop being JSON, and how
// the top level's "version" is written when it is a number with a fraction or an exponent.
class Scanner final : public nlohmann::json_sax<Json> {
public:
    std::optional<std::size_t> errorByte;
    std::string versionAsWritten;

    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t& written) override {
        if (depth_ == 1 && lastKey_ == "version")
            versionAsWritten = written;
        return true;
    }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override { return ++depth_, true; }
    bool key(string_t& name) override {
        if (depth_ == 1)
            lastKey_ = name;
        return true;
    }
    bool end_object() override { return --depth_, true; }
    bool start_array(std::size_t) override { return ++depth_, true; }
    bool end_array() override { return --depth_, true; }
    bool parse_error(std::size_t position, const std::string&, const Json::exception&) override {
        errorByte = position;
        return false;
    }

private:
    int depth_ = 0;
    std::string lastKey_;
};

Scanner Scan(std::string_view bytes) {
    Scanner scanner;
    try {
        Json::sax_parse(bytes.begin(), bytes.end(), &scanner);
    } catch (const Json::exception&) {
        // Where it failed stays unknown; the refusal then gives no byte.
    }
    return scanner;
}

// A line break or another control character (C0, DEL, C1, the line and paragraph separators):
// none belongs in a name, and each would break the roster's lines. `text` is valid UTF-8.
bool HasControlCharacter(std::string_view text) {
    const auto byte = [&](std::size_t i) {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned c = byte(i);
        if (c < 0x20 || c == 0x7F)
            return true;
        if (c == 0xC2 && byte(i + 1) >= 0x80 && byte(i + 1) <= 0x9F)
            return true;
        if (c == 0xE2 && byte(i + 1) == 0x80 && (byte(i + 2) == 0xA8 || byte(i + 2) == 0xA9))
            return true;
    }
    return false;
}

void RefuseControlCharacters(const std::string& text, const std::string& field) {
    if (HasControlCharacter(text))
        Refuse(MessageCode::ControlCharacter, field);
}

std::optional<int> DayIndex(const std::string& name) {
    for (int d = 0; d < kDays; ++d)
        if (name == DayName(static_cast<Weekday>(d)))
            return d;
    return std::nullopt;
}

std::optional<int> MealIndex(const std::string& name) {
    for (int m = 0; m < kMeals; ++m)
        if (name == MealName(static_cast<Meal>(m)))
            return m;
    return std::nullopt;
}

// "Friday Dinner", as the field "away" names a meal.
std::optional<MealSlot> SlotNamed(const std::string& name) {
    const std::size_t space = name.find(' ');
    if (space == std::string::npos)
        return std::nullopt;
    const auto day = DayIndex(name.substr(0, space));
    const auto meal = MealIndex(name.substr(space + 1));
    if (!day || !meal)
        return std::nullopt;
    return MealSlot{static_cast<Weekday>(*day), static_cast<Meal>(*meal)};
}

const Json* Field(const Json& object, const char* key) {
    const auto it = object.find(key);
    return it == object.end() ? nullptr : &*it;
}

std::string Text(const Json& value, const std::string& field) {
    if (!value.is_string())
        Refuse(MessageCode::NotAText, field);
    std::string text = value.get<std::string>();
    RefuseControlCharacters(text, field);
    return text;
}

// `notList` says what the field must be, should it be anything else.
std::vector<std::string> Texts(const Json& value, const std::string& field,
                               MessageCode notList = MessageCode::NotATextList) {
    if (!value.is_array())
        Refuse(notList, field);
    std::vector<std::string> texts;
    texts.reserve(value.size());
    for (const Json& entry : value) {
        if (!entry.is_string())
            Refuse(notList, field);
        texts.push_back(entry.get<std::string>());
        RefuseControlCharacters(texts.back(), field);
    }
    return texts;
}

bool Flag(const Json& value, const std::string& field) {
    if (!value.is_boolean())
        Refuse(MessageCode::NotTrueOrFalse, field);
    return value.get<bool>();
}

constexpr long long kMostWhole = std::numeric_limits<long long>::max();
constexpr long long kLeastWhole = std::numeric_limits<long long>::min();

// A whole number, also when written with a zero fraction or an exponent (5.0, 1e3); one beyond
// what a long long holds is held to its end.
long long WholeNumber(const Json& value, const std::string& field) {
    if (value.is_number_unsigned()) {
        const auto n = value.get<std::uint64_t>();
        return n > static_cast<std::uint64_t>(kMostWhole) ? kMostWhole : static_cast<long long>(n);
    }
    if (value.is_number_integer())
        return value.get<long long>();
    if (value.is_number_float()) {
        const double d = value.get<double>();
        constexpr double kTwoTo63 = 9223372036854775808.0;
        if (std::isfinite(d) && std::trunc(d) == d)
            return d >= kTwoTo63   ? kMostWhole
                   : d < -kTwoTo63 ? kLeastWhole
                                   : static_cast<long long>(d);
    }
    Refuse(MessageCode::NotAWholeNumber, field);
}

// The version as a message shows it: the whole number, or where that was held, the number as
// the file writes it.
std::string VersionText(const Json& version, long long whole, std::string_view bytes) {
    if (whole != kMostWhole && whole != kLeastWhole)
        return std::to_string(whole);
    if (!version.is_number_float())
        return version.dump();
    return Scan(bytes).versionAsWritten;
}

void ReadIdentity(const Json& root, std::string_view bytes) {
    const Json* format = Field(root, "format");
    if (!format || !format->is_string() || format->get<std::string>() != kPlanFormat)
        Refuse(MessageCode::NotAPlan);
    const Json* version = Field(root, "version");
    if (!version)
        Refuse(MessageCode::NoVersion);
    const long long v = WholeNumber(*version, "version");
    if (v > kPlanVersion)
        Refuse(MessageCode::NewerVersion, {}, VersionText(*version, v, bytes));
    if (v < 1)
        Refuse(MessageCode::UnknownVersion, {}, VersionText(*version, v, bytes));
}

// Pairs of names, each among the people.
std::vector<std::array<std::string, 2>> KeptApart(const Json& value,
                                                  const std::vector<std::string>& people) {
    if (!value.is_array())
        Refuse(MessageCode::NotNamePairs, "keepApart");
    std::vector<std::array<std::string, 2>> pairs;
    for (const Json& pair : value) {
        const std::vector<std::string> names = Texts(pair, "keepApart");
        if (names.size() != 2)
            Refuse(MessageCode::NotNamePairs, "keepApart");
        for (const std::string& name : names)
            if (std::find(people.begin(), people.end(), name) == people.end())
                Refuse(MessageCode::NotAmongPeople, "keepApart", name);
        pairs.push_back({names[0], names[1]});
    }
    return pairs;
}

// A count of the season: a whole number from 0 to kMaxSeasonCount; missing is 0.
int SeasonNumber(const Json& entry, const char* key, const std::string& name) {
    const Json* value = Field(entry, key);
    if (!value)
        return 0;
    const std::string field = "season." + name + "." + key;
    const long long n = WholeNumber(*value, field);
    if (n < 0 || n > kMaxSeasonCount)
        Refuse(MessageCode::NumberOutOfRange, field,
               value->is_number_float() ? value->dump() : std::to_string(n));
    return static_cast<int>(n);
}

// {"NAME": {"duties": D, "meals": M}, ...}; a name need not be among this outing's people.
Season ReadSeason(const Json& value) {
    if (!value.is_object())
        Refuse(MessageCode::SeasonNotPerPerson, "season");
    Season season;
    for (const auto& [name, entry] : value.items()) {
        RefuseControlCharacters(name, "season");
        if (!entry.is_object())
            Refuse(MessageCode::SeasonNotPerPerson, "season." + name);
        season[name] = {SeasonNumber(entry, "duties", name), SeasonNumber(entry, "meals", name)};
    }
    return season;
}

// One list of "Day Meal" texts per person; a plan where nobody is away reads as no absences.
std::vector<MealSet> Absences(const Json& value, std::size_t people) {
    if (!value.is_array())
        Refuse(MessageCode::AwayNotPerPerson, "away");
    if (value.size() != people) {
        EngineMessage m = Message(MessageCode::AwayWrongCount, "away");
        m.expected = people;
        m.found = value.size();
        throw Refusal{std::move(m)};
    }
    std::vector<MealSet> away;
    away.reserve(people);
    for (const Json& meals : value) {
        MealSet& set = away.emplace_back();
        for (const std::string& name : Texts(meals, "away", MessageCode::NotMealNames))
            if (const auto slot = SlotNamed(name))
                set.set(SlotIndex(*slot));
            else
                Refuse(MessageCode::UnknownMeal, "away", name);
    }
    if (std::none_of(away.begin(), away.end(), [](const MealSet& set) { return set.any(); }))
        away.clear();
    return away;
}

// The list position of a roster's name: the first entry of the people with that name.
int PersonNamed(const std::vector<std::string>& people, const std::string& name,
                const std::string& field) {
    const auto it = std::find(people.begin(), people.end(), name);
    if (it == people.end())
        Refuse(MessageCode::NotAmongPeople, field, name);
    return static_cast<int>(it - people.begin());
}

std::vector<CrewPlace> Crew(const Json& entry, const char* key, const std::vector<std::string>& people) {
    const std::string field = std::string("roster.") + key;
    static const Json kMissing;
    const Json* value = Field(entry, key);
    std::vector<CrewPlace> crew;
    for (const std::string& name : Texts(value ? *value : kMissing, field))
        crew.push_back({PersonNamed(people, name, field), false});
    return crew;
}

// The places of a crew set by hand, by their positions in the crew.
void MarkByHand(const Json& byHand, const char* key, std::vector<CrewPlace>& crew) {
    const Json* value = Field(byHand, key);
    if (!value)
        return;
    const std::string field = std::string("roster.byHand.") + key;
    if (!value->is_array())
        Refuse(MessageCode::NotCrewPlaces, field);
    for (const Json& place : *value) {
        const long long i = place.is_number() ? WholeNumber(place, field) : -1;
        if (i < 0 || static_cast<std::size_t>(i) >= crew.size())
            Refuse(MessageCode::NotCrewPlaces, field);
        crew[static_cast<std::size_t>(i)].byHand = true;
    }
}

// The roster as the file keeps it: its meals must be ticked in the plan and its names among the
// plan's people; the days, dates and who was there follow from the plan.
Roster ReadRoster(const Json& value, const PlanFile& file) {
    const OutingPlan plan = OutingPlanOf(file);
    const std::vector<MealSlot> order = OutingMeals(plan);
    if (!value.is_array())
        Refuse(MessageCode::RosterNotMeals, "roster");
    Roster roster = RosterOfPlan(plan);
    static const Json kMissing;
    const auto field = [&](const Json& entry, const char* key) -> const Json& {
        const Json* v = Field(entry, key);
        return v ? *v : kMissing;
    };
    for (const Json& entry : value) {
        if (!entry.is_object())
            Refuse(MessageCode::RosterNotMeals, "roster");
        const std::string dayName = Text(field(entry, "day"), "roster.day");
        const std::string mealName = Text(field(entry, "meal"), "roster.meal");
        const auto day = DayIndex(dayName);
        if (!day)
            Refuse(MessageCode::UnknownDay, "roster.day", dayName);
        const auto meal = MealIndex(mealName);
        if (!meal)
            Refuse(MessageCode::UnknownMeal, "roster.meal", mealName);
        RosterMeal& read = roster.meals.emplace_back();
        read.slot = {static_cast<Weekday>(*day), static_cast<Meal>(*meal)};
        if (std::find(order.begin(), order.end(), read.slot) == order.end())
            Refuse(MessageCode::MealNotTicked, "roster", SlotName(read.slot));
        if (std::any_of(roster.meals.begin(), roster.meals.end() - 1,
                        [&](const RosterMeal& m) { return m.slot == read.slot; }))
            Refuse(MessageCode::MealTwice, "roster", SlotName(read.slot));
        read.cooks = Crew(entry, "cooks", plan.people);
        read.cleanup = Crew(entry, "cleanup", plan.people);
        read.dish = Text(field(entry, "dish"), "roster.dish");
        if (const Json* byHand = Field(entry, "byHand")) {
            if (!byHand->is_object())
                Refuse(MessageCode::ByHandNotPerCrew, "roster.byHand");
            MarkByHand(*byHand, "cooks", read.cooks);
            MarkByHand(*byHand, "cleanup", read.cleanup);
        }
        read.there = PeopleThere(plan, read.slot);
    }
    // The outing's order, whatever order the file lists the meals in; the dates follow the days.
    const auto rank = [&](const RosterMeal& m) {
        return std::find(order.begin(), order.end(), m.slot) - order.begin();
    };
    std::stable_sort(roster.meals.begin(), roster.meals.end(),
                     [&](const RosterMeal& a, const RosterMeal& b) { return rank(a) < rank(b); });
    for (RosterMeal& m : roster.meals)
        for (const RosterDay& d : roster.days)
            if (d.day == m.slot.day)
                m.date = d.date;
    return roster;
}

// Whether the file could read the roster back: its meals ticked in the plan, once each, and
// every name among the plan's people.
bool RosterFits(const Roster& roster, const PlanFile& file) {
    const std::vector<MealSlot> order = OutingMeals(OutingPlanOf(file));
    const std::vector<std::string>& people = file.List(PlanList::People);
    const auto named = [&](const CrewPlace& place) {
        return place.person >= 0 && static_cast<std::size_t>(place.person) < roster.people.size() &&
               std::find(people.begin(), people.end(),
                         roster.people[static_cast<std::size_t>(place.person)]) != people.end();
    };
    for (auto m = roster.meals.begin(); m != roster.meals.end(); ++m) {
        if (std::find(order.begin(), order.end(), m->slot) == order.end() ||
            std::any_of(roster.meals.begin(), m, [&](const RosterMeal& o) { return o.slot == m->slot; }))
            return false;
        if (!std::all_of(m->cooks.begin(), m->cooks.end(), named) ||
            !std::all_of(m->cleanup.begin(), m->cleanup.end(), named))
            return false;
    }
    return true;
}

OrderedJson RosterJson(const Roster& roster) {
    const auto names = [&](const std::vector<CrewPlace>& crew) {
        OrderedJson list = OrderedJson::array();
        for (const CrewPlace& place : crew)
            list.push_back(roster.people[static_cast<std::size_t>(place.person)]);
        return list;
    };
    const auto byHand = [](const std::vector<CrewPlace>& crew) {
        OrderedJson places = OrderedJson::array();
        for (std::size_t i = 0; i < crew.size(); ++i)
            if (crew[i].byHand)
                places.push_back(i);
        return places;
    };
    OrderedJson list = OrderedJson::array();
    for (const RosterMeal& meal : roster.meals) {
        OrderedJson entry;
        entry["day"] = DayName(meal.slot.day);
        entry["meal"] = MealName(meal.slot.meal);
        if (meal.date)
            entry["date"] = IsoDate(*meal.date);
        entry["cooks"] = names(meal.cooks);
        entry["cleanup"] = names(meal.cleanup);
        entry["dish"] = meal.dish;
        OrderedJson cooks = byHand(meal.cooks), cleanup = byHand(meal.cleanup);
        if (!cooks.empty() || !cleanup.empty())
            entry["byHand"] = {{"cooks", std::move(cooks)}, {"cleanup", std::move(cleanup)}};
        list.push_back(std::move(entry));
    }
    return list;
}

PlanFile ReadFields(const Json& root) {
    PlanFile plan;
    if (const Json* v = Field(root, "outing"))
        plan.outingName = Text(*v, "outing");
    if (const Json* v = Field(root, "patrol"))
        plan.patrolName = Text(*v, "patrol");
    for (const PlanList list : kAllPlanLists)
        if (const Json* v = Field(root, PlanListKey(list)))
            plan.List(list) = Texts(*v, PlanListKey(list));

    if (const Json* sorted = Field(root, "sorted")) {
        if (!sorted->is_object())
            Refuse(MessageCode::SortedNotPerList, "sorted");
        for (const PlanList list : kAllPlanLists)
            if (const Json* v = Field(*sorted, PlanListKey(list)))
                plan.Sorted(list) = Flag(*v, std::string("sorted.") + PlanListKey(list));
    }

    if (const Json* daysField = Field(root, "days")) {
        if (!daysField->is_array())
            Refuse(MessageCode::DaysNotDayNames, "days");
        for (const Json& day : *daysField) {
            if (!day.is_string())
                Refuse(MessageCode::DaysNotDayNames, "days");
            const auto index = DayIndex(day.get<std::string>());
            if (!index)
                Refuse(MessageCode::UnknownDay, "days", day.get<std::string>());
            plan.days[static_cast<std::size_t>(*index)] = true;
        }
    }

    if (const Json* meals = Field(root, "meals")) {
        if (!meals->is_object())
            Refuse(MessageCode::MealsNotPerDay, "meals");
        for (const auto& [dayName, dayMeals] : meals->items()) {
            const auto day = DayIndex(dayName);
            if (!day)
                Refuse(MessageCode::UnknownDay, "meals", dayName);
            const std::string field = "meals." + dayName;
            if (!dayMeals.is_array())
                Refuse(MessageCode::NotMealNames, field);
            for (const Json& meal : dayMeals) {
                if (!meal.is_string())
                    Refuse(MessageCode::NotMealNames, field);
                const auto index = MealIndex(meal.get<std::string>());
                if (!index)
                    Refuse(MessageCode::UnknownMeal, field, meal.get<std::string>());
                plan.mealTicks[static_cast<std::size_t>(*day)][static_cast<std::size_t>(*index)] =
                    true;
            }
        }
    }

    if (const Json* v = Field(root, "crewSize"))
        plan.crewSize = static_cast<int>(
            std::clamp<long long>(WholeNumber(*v, "crewSize"), kMinCrewSize, kMaxCrewSize));
    if (const Json* v = Field(root, "evenShares"))
        plan.evenShares = Flag(*v, "evenShares");
    if (const Json* v = Field(root, "away"))
        plan.away = Absences(*v, plan.List(PlanList::People).size());
    if (const Json* v = Field(root, "startDate")) {
        plan.startDate = ParseIsoDate(Text(*v, "startDate"));
        if (!plan.startDate)
            Refuse(MessageCode::NotADate, "startDate");
    }
    if (const Json* v = Field(root, "keepApart"))
        plan.keepApart = KeptApart(*v, plan.List(PlanList::People));
    if (const Json* v = Field(root, "season"))
        plan.season = ReadSeason(*v);
    // Last: the roster is checked against everything above.
    if (const Json* v = Field(root, "roster"))
        plan.roster = ReadRoster(*v, plan);
    return plan;
}

PlanReadResult Refused(const std::string& path, EngineMessage why) {
    why.action = FileAction::OpenPlan;
    why.file = path;
    return {std::nullopt, std::move(why)};
}

EngineMessage SystemFailure(int error) {
    EngineMessage m = Message(MessageCode::SystemReason);
    m.error = error;
    return m;
}

} // namespace

const char* PlanListKey(PlanList list) {
    switch (list) {
    case PlanList::People:
        return "people";
    case PlanList::Breakfasts:
        return "breakfasts";
    case PlanList::Lunches:
        return "lunches";
    case PlanList::Dinners:
        return "dinners";
    case PlanList::Snacks:
        return "snacks";
    case PlanList::Drinks:
        return "drinks";
    }
    return "";
}

OutingPlan OutingPlanOf(const PlanFile& file) {
    OutingPlan plan;
    plan.outingName = file.outingName;
    plan.patrolName = file.patrolName;
    plan.people = file.List(PlanList::People);
    plan.days = file.days;
    plan.mealTicks = file.mealTicks;
    plan.breakfasts = file.List(PlanList::Breakfasts);
    plan.lunches = file.List(PlanList::Lunches);
    plan.dinners = file.List(PlanList::Dinners);
    plan.snacks = file.List(PlanList::Snacks);
    plan.drinks = file.List(PlanList::Drinks);
    plan.crewSize = file.crewSize;
    plan.evenShares = file.evenShares;
    plan.away = file.away;
    plan.startDate = file.startDate;
    plan.keepApart = file.keepApart;
    plan.season = file.season;
    return plan;
}

std::string WritePlanJson(const PlanFile& plan) {
    OrderedJson root;
    root["format"] = kPlanFormat;
    root["version"] = kPlanVersion;
    root["outing"] = plan.outingName;
    root["patrol"] = plan.patrolName;
    for (const PlanList list : kAllPlanLists)
        root[PlanListKey(list)] = plan.List(list);
    OrderedJson sorted = OrderedJson::object();
    for (const PlanList list : kAllPlanLists)
        sorted[PlanListKey(list)] = plan.Sorted(list);
    root["sorted"] = std::move(sorted);
    OrderedJson daysField = OrderedJson::array();
    OrderedJson meals = OrderedJson::object();
    for (int d = 0; d < kDays; ++d) {
        const auto day = static_cast<std::size_t>(d);
        if (plan.days[day])
            daysField.push_back(DayName(static_cast<Weekday>(d)));
        // A day's ticked meals are kept whether or not the day itself is ticked.
        OrderedJson ticked = OrderedJson::array();
        for (int m = 0; m < kMeals; ++m)
            if (plan.mealTicks[day][static_cast<std::size_t>(m)])
                ticked.push_back(MealName(static_cast<Meal>(m)));
        if (!ticked.empty())
            meals[DayName(static_cast<Weekday>(d))] = std::move(ticked);
    }
    root["days"] = std::move(daysField);
    root["meals"] = std::move(meals);
    root["crewSize"] = plan.crewSize;
    root["evenShares"] = plan.evenShares;
    if (std::any_of(plan.away.begin(), plan.away.end(),
                    [](const MealSet& set) { return set.any(); })) {
        OrderedJson away = OrderedJson::array();
        for (std::size_t person = 0; person < plan.List(PlanList::People).size(); ++person) {
            OrderedJson absent = OrderedJson::array();
            for (int slot = 0; person < plan.away.size() && slot < kSlots; ++slot)
                if (plan.away[person].test(static_cast<std::size_t>(slot)))
                    absent.push_back(SlotName(
                        {static_cast<Weekday>(slot / kMeals), static_cast<Meal>(slot % kMeals)}));
            away.push_back(std::move(absent));
        }
        root["away"] = std::move(away);
    }
    if (plan.startDate)
        root["startDate"] = IsoDate(*plan.startDate);
    if (plan.roster && RosterFits(*plan.roster, plan))
        root["roster"] = RosterJson(*plan.roster);
    // Only pairs of the people, so that whatever is written can be read back.
    const std::vector<std::string>& people = plan.List(PlanList::People);
    const auto among = [&](const std::string& name) {
        return std::find(people.begin(), people.end(), name) != people.end();
    };
    OrderedJson pairs = OrderedJson::array();
    for (const auto& pair : plan.keepApart)
        if (among(pair[0]) && among(pair[1]))
            pairs.push_back(OrderedJson::array({pair[0], pair[1]}));
    if (!pairs.empty())
        root["keepApart"] = std::move(pairs);
    if (!plan.season.empty()) {
        OrderedJson season = OrderedJson::object();
        for (const auto& [name, count] : plan.season)
            season[name] = {{"duties", count.duties}, {"meals", count.meals}};
        root["season"] = std::move(season);
    }
    // Texts are written as they are; a broken byte sequence (none comes from the wizard) becomes
    // U+FFFD rather than failing the save.
    return root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

PlanReadResult ParsePlanJson(std::string_view bytes) {
    if (!IsUtf8(bytes))
        return {std::nullopt, Message(MessageCode::NotUtf8)};
    // The parser takes a NUL byte for the end of the text and would ignore what follows it.
    if (const std::size_t nul = bytes.find('\0'); nul != std::string_view::npos)
        return {std::nullopt, NotJson(nul + 1)};
    if (Nesting(bytes) > kMaxNesting)
        return {std::nullopt, Message(MessageCode::NotAPlan)};
    Json root;
    try {
        root = Json::parse(bytes.begin(), bytes.end());
    } catch (const Json::parse_error& e) {
        return {std::nullopt, NotJson(e.byte)};
    } catch (const Json::exception&) {
        // A number too large for a double, or any other fault the parser throws for: a second
        // walk finds where it stopped.
        return {std::nullopt, NotJson(Scan(bytes).errorByte)};
    }
    if (!root.is_object())
        return {std::nullopt, Message(MessageCode::NotAPlan)};
    try {
        ReadIdentity(root, bytes);
        return {ReadFields(root), {}};
    } catch (const Refusal& r) {
        return {std::nullopt, r.message};
    } catch (const Json::exception&) {
        return {std::nullopt, Message(MessageCode::NotAPlan)};
    }
}

PlanReadResult ReadPlanFile(const std::string& path) {
    // Not blocking on open: a named pipe must not hang the program; it is refused below.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return Refused(path, SystemFailure(errno));
    struct stat st {};
    if (fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        return Refused(path, SystemFailure(error));
    }
    if (S_ISDIR(st.st_mode)) {
        ::close(fd);
        return Refused(path, Message(MessageCode::PlanIsAFolder));
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return Refused(path, Message(MessageCode::PlanNotPlainFile));
    }
    const EngineMessage tooLarge = Message(MessageCode::PlanTooLarge);
    if (static_cast<std::uintmax_t>(st.st_size) > kMaxPlanFileBytes) {
        ::close(fd);
        return Refused(path, tooLarge);
    }
    // Read to the end, whatever the size said, but never more than the limit allows.
    std::string bytes;
    bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (bytes.size() > kMaxPlanFileBytes)
                break;
            bytes.resize(std::min<std::size_t>(bytes.size() * 2, kMaxPlanFileBytes + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            return Refused(path, SystemFailure(error));
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (got > kMaxPlanFileBytes)
        return Refused(path, tooLarge);
    bytes.resize(got);
    PlanReadResult result = ParsePlanJson(bytes);
    if (!result.plan)
        return Refused(path, std::move(result.refusal));
    return result;
}

SeasonReadResult ReadSeasonFrom(const std::string& path) {
    PlanReadResult read = ReadPlanFile(path);
    if (!read.plan) {
        read.refusal.action = FileAction::ContinueSeason;
        return {std::nullopt, std::move(read.refusal)};
    }
    if (!read.plan->roster) {
        EngineMessage why = Message(MessageCode::NoRosterKept);
        why.action = FileAction::ContinueSeason;
        why.file = path;
        return {std::nullopt, std::move(why)};
    }
    return {SeasonAfter(read.plan->season, *read.plan->roster), {}};
}

std::optional<EngineMessage> WritePlanFile(const std::string& path, const PlanFile& plan) {
    return WriteFileAtomically(path, WritePlanJson(plan));
}

} // namespace dutywise
