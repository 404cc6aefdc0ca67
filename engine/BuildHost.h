#pragma once
// What the roster build asks of the window that runs it.

#include <string>

#include "RosterWords.h"

namespace dutywise {

class BuildHost {
public:
    virtual ~BuildHost() = default;
    // A modal message captioned "Dutywise", no icon, one OK button; returns once dismissed.
    virtual void ShowMessage(const std::string& text) = 0;
    // Shows the hidden-picture window without waiting for it.
    virtual void ShowHiddenPicture() = 0;
    // Hides the Generation page's notice.
    virtual void HideNotice() = 0;
    // Advances the progress gauge by the amount (held at its maximum).
    virtual void AdvanceGauge(int amount) = 0;
    // The words the roster is written and the messages are said in; English unless the host
    // brings its own.
    virtual const RosterWords& Words() const;
};

} // namespace dutywise
