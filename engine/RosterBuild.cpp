#include "RosterBuild.h"

#include <algorithm>
#include <optional>
#include <string>

#include "CrewDraw.h"

namespace dutywise {

namespace {

bool HiddenPictureFound(const OutingPlan& plan) {
    using namespace hidden_picture;
    if (plan.outingName != kOutingName || plan.patrolName != kPatrolName)
        return false;
    if (plan.people.size() < kFirstPeople.size())
        return false;
    if (!std::equal(kFirstPeople.begin(), kFirstPeople.end(), plan.people.begin()))
        return false;
    if (!plan.Ticked({Weekday::Friday, Meal::Dinner}))
        return false;
    return !plan.dinners.empty() && plan.dinners.front() == kFirstDinner;
}

// A meal is required when any of its seven ticks is on, whether or not its day is ticked.
bool AnyTick(const OutingPlan& plan, Meal meal) {
    return std::any_of(plan.mealTicks.begin(), plan.mealTicks.end(),
                       [meal](const auto& day) { return day[static_cast<int>(meal)]; });
}

// The refusal for an empty meal list, or nothing when the meal can be served.
const std::string* MissingMealMessage(const OutingPlan& plan, Meal meal, const RosterWords& words) {
    if (!AnyTick(plan, meal) || !plan.MealList(meal).empty())
        return nullptr;
    return &words.missingMeal[static_cast<int>(meal)];
}

// The first active meal, in day-then-meal order, with fewer people there than a crew needs.
std::optional<MealSlot> ShortMeal(const OutingPlan& plan) {
    for (int d = 0; d < kDays; ++d) {
        for (Meal meal : {Meal::Breakfast, Meal::Lunch, Meal::Dinner}) {
            const MealSlot slot{static_cast<Weekday>(d), meal};
            if (!plan.Active(slot))
                continue;
            long long there = 0;
            for (std::size_t i = 0; i < plan.people.size(); ++i)
                there += plan.There(i, slot) ? 1 : 0;
            if (there < plan.crewSize)
                return slot;
        }
    }
    return std::nullopt;
}

} // namespace

std::string ShortMealMessage(MealSlot slot, const RosterWords& words) {
    return FillIn(words.shortMeal, {words.dayNamesInSentence[static_cast<int>(slot.day)],
                                    words.mealNamesInSentence[static_cast<int>(slot.meal)]});
}

namespace {

// Shows the reason when the plan cannot be built; true when it can.
bool Validate(const OutingPlan& plan, BuildHost& host, AdviceFlag& advice) {
    const RosterWords& words = host.Words();
    if (plan.outingName.empty()) {
        host.ShowMessage(words.noOutingName);
        return false;
    }
    const std::size_t people = plan.people.size();
    if (static_cast<long long>(people) < plan.crewSize) {
        host.ShowMessage(words.tooFewPeople);
        return false;
    }
    if (!advice.shown && people >= 1 && people <= 4) {
        host.ShowMessage(words.moreNamesAdvice);
        advice.shown = true;
    }
    for (Meal meal : {Meal::Breakfast, Meal::Lunch, Meal::Dinner}) {
        if (const std::string* message = MissingMealMessage(plan, meal, words)) {
            host.ShowMessage(*message);
            return false;
        }
    }
    if (const auto slot = ShortMeal(plan)) {
        host.ShowMessage(ShortMealMessage(*slot, words));
        return false;
    }
    return true;
}

void WriteRoster(const OutingPlan& plan, RosterDocument& doc, BuildHost& host, Generator& random) {
    const RosterWords& words = host.Words();
    const StyleSet bold{FontStyle::Bold};
    const StyleSet boldUnderlined{FontStyle::Bold, FontStyle::Underline};

    doc.ClearDocument();
    host.HideNotice();

    SetRosterStyle(doc, 14, bold);
    doc.AppendParagraph(plan.outingName);
    host.AdvanceGauge(5);
    if (!plan.patrolName.empty())
        doc.AppendParagraph(FillIn(words.rosterTitle, {plan.patrolName}));
    host.AdvanceGauge(1);
    doc.AppendParagraph("");
    host.AdvanceGauge(1);
    random.ReseedFromClock();
    host.AdvanceGauge(1);
    doc.AppendParagraph("");

    DrawState state;
    CountMealsThere(plan, state);
    for (int d = 0; d < kDays; ++d) {
        if (!plan.days[d])
            continue;
        const auto day = static_cast<Weekday>(d);
        SetRosterStyle(doc, 12, StyleSet{FontStyle::Underline});
        doc.AppendParagraph(words.DayName(day));
        for (Meal meal : {Meal::Breakfast, Meal::Lunch, Meal::Dinner}) {
            const MealSlot slot{day, meal};
            if (!plan.Ticked(slot))
                continue;
            SetRosterStyle(doc, 10, bold);
            doc.AppendParagraph(words.MealName(meal));
            FillMealSlot(plan, slot, state, doc, random, words);
        }
    }
    // In whatever style the days left behind.
    doc.AppendParagraph("");

    SetRosterStyle(doc, 10, boldUnderlined);
    doc.AppendParagraph(words.snacksHeading);
    doc.AppendParagraphs(plan.snacks);
    doc.AppendParagraph("");
    SetRosterStyle(doc, 10, boldUnderlined);
    doc.AppendParagraph(words.drinksHeading);
    doc.AppendParagraphs(plan.drinks);

    if (plan.evenShares) {
        doc.AppendParagraph("");
        SetRosterStyle(doc, 10, boldUnderlined);
        doc.AppendParagraph(words.dutiesHeading);
        SetRosterStyle(doc, 10, StyleSet{});
        doc.AppendParagraphs(DutyCountLines(plan.people, state, words));
    }
}

} // namespace

void BuildRoster(const OutingPlan& plan, RosterDocument& doc, BuildHost& host, Generator& random,
                 AdviceFlag& advice) {
    if (HiddenPictureFound(plan)) {
        host.ShowMessage(host.Words().hiddenPicture);
        host.ShowHiddenPicture();
        return;
    }
    if (!Validate(plan, host, advice))
        return;
    WriteRoster(plan, doc, host, random);
    host.ShowMessage(host.Words().completed);
}

} // namespace dutywise
