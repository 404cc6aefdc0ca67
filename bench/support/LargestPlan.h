#pragma once
// The largest plan the wizard can hold, shared by the build benchmarks: every slot, 255-character
// names, crews of five, full lists; and a window that answers the build silently.

#include <string>

#include "BuildHost.h"
#include "OutingPlan.h"

namespace benchsupport {

class SilentHost final : public dutywise::BuildHost {
public:
    void ShowMessage(const std::string&) override {}
    void ShowHiddenPicture() override {}
    void HideNotice() override {}
    void AdvanceGauge(int) override {}
};

inline std::string LongName(char first, int i) {
    std::string name = first + std::to_string(i);
    name.resize(255, 'x');
    return name;
}

inline dutywise::OutingPlan LargestPlan() {
    dutywise::OutingPlan plan;
    plan.outingName = "Summer Camp at the Lake";
    plan.patrolName = "Eagles";
    for (int i = 0; i < 50; ++i)
        plan.people.push_back(LongName('P', i));
    plan.days.fill(true);
    for (auto& meals : plan.mealTicks)
        meals.fill(true);
    for (int i = 0; i < 10; ++i) {
        plan.breakfasts.push_back(LongName('B', i));
        plan.lunches.push_back(LongName('L', i));
        plan.dinners.push_back(LongName('D', i));
    }
    for (int i = 0; i < 100; ++i) {
        plan.snacks.push_back(LongName('S', i));
        plan.drinks.push_back(LongName('K', i));
    }
    plan.crewSize = dutywise::kMaxCrewSize;
    return plan;
}

} // namespace benchsupport
