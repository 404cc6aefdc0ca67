#pragma once
// Turns an outing plan into a complete roster document.

#include "BuildHost.h"
#include "OutingPlan.h"
#include "Random.h"
#include "RosterDocument.h"

namespace dutywise {

// The one-time advice about a short people list lives for the whole run; the wizard owns it.
struct AdviceFlag {
    bool shown = false;
};

// Runs the hidden-picture check, the validation, the writing of the document and the closing
// message. A refusal leaves the document and the plan as they were.
void BuildRoster(const OutingPlan& plan, RosterDocument& doc, BuildHost& host, Generator& random,
                 AdviceFlag& advice);

} // namespace dutywise
