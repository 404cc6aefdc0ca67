#include "RosterDocument.h"

namespace dutywise {

std::string Paragraph::Text() const {
    std::string text;
    for (const Run& run : runs)
        text += run.text;
    return text;
}

void SetRosterStyle(RosterDocument& doc, int points, StyleSet styles) {
    doc.SetFontName("Arial");
    doc.SetStyleSet(styles);
    doc.SetColor(Color::Black());
    doc.SetFontSize(points);
}

} // namespace dutywise
