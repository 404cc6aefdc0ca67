#include "Style.h"

#include <algorithm>

namespace dutywise {

std::string CutFontName(const std::string& name) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        // A byte that is not a continuation byte starts a new character.
        if ((static_cast<unsigned char>(name[i]) & 0xC0) != 0x80) {
            if (chars == ParagraphStyle::kMaxFontNameChars)
                return name.substr(0, i);
            ++chars;
        }
    }
    return name;
}

int ClampPoints(int points) {
    return std::clamp(points, ParagraphStyle::kMinPoints, ParagraphStyle::kMaxPoints);
}

} // namespace dutywise
