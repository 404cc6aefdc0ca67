#pragma once
// A BuildHost that remembers what the build asked of its window.

#include <algorithm>
#include <string>
#include <vector>

#include "BuildHost.h"

namespace dutywise::testing {

class RecordingHost final : public BuildHost {
public:
    std::vector<std::string> messages;
    int hiddenPictureShown = 0;
    int noticeHidden = 0;
    int gauge = 0; // held at 100 like the real gauge
    std::vector<int> advances;

    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowHiddenPicture() override { ++hiddenPictureShown; }
    void HideNotice() override { ++noticeHidden; }
    void AdvanceGauge(int amount) override {
        advances.push_back(amount);
        gauge = std::min(100, gauge + amount);
    }
};

} // namespace dutywise::testing
