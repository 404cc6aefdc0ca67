#pragma once
// The roster as a formatted document: the port through which the build writes and the user
// restyles. Two implementations: MemoryDocument (engine) and the editor-backed one (wizard).
//
// Positions count Unicode code points; each break between two paragraphs counts as one.
// A document whose only paragraph is blank counts as empty: Paragraphs() is then empty, and the
// next AppendParagraph fills that paragraph instead of adding a second one (a rich-text editor
// always holds one paragraph, so this is the rule both implementations can keep).

#include <string>
#include <vector>

#include "Style.h"

namespace dutywise {

struct Run {
    std::string text; // UTF-8, no line breaks
    ParagraphStyle style;
    friend bool operator==(const Run&, const Run&) = default;
};

// One or more runs; a blank paragraph holds one run with empty text that carries its style.
struct Paragraph {
    std::vector<Run> runs;
    std::string Text() const;
    friend bool operator==(const Paragraph&, const Paragraph&) = default;
};

class RosterDocument {
public:
    virtual ~RosterDocument() = default;

    // Removes all paragraphs; the caret stands at the start.
    virtual void ClearDocument() = 0;
    // Each setter changes one attribute of the selected characters, or of the current style
    // when nothing is selected.
    virtual void SetFontName(const std::string& name) = 0; // cut to 31 characters
    virtual void SetFontSize(int points) = 0;              // held to 1..1638
    virtual void SetStyleSet(StyleSet styles) = 0;
    virtual void SetColor(Color color) = 0;
    // The style set of the selection: a flag is in it when every selected character carries it;
    // with nothing selected, the current style's set.
    virtual StyleSet GetStyleSet() const = 0;
    // Adds a new last paragraph in the current style, whatever the selection; afterwards the
    // caret stands at the end with nothing selected and the current style carries on.
    virtual void AppendParagraph(const std::string& text) = 0;
    void AppendParagraphs(const std::vector<std::string>& texts) {
        for (const std::string& t : texts)
            AppendParagraph(t);
    }

    // What a user does in the editor. Moving the caret makes the style of the character before
    // it (at a paragraph's start: of the character after it) the current style.
    virtual void SetSelection(int start, int length) = 0;
    // Replaces the selection by the text, in the current style; "\n" starts a new paragraph.
    virtual void TypeText(const std::string& text) = 0;

    // A snapshot for output: every paragraph, in order, as runs of uniform style
    // (neighbouring runs of equal style are merged).
    virtual std::vector<Paragraph> Paragraphs() const = 0;
    // The current style: what the next appended or typed text takes.
    virtual ParagraphStyle CurrentStyle() const = 0;
};

// Sets the current style the way the build does, one attribute at a time: font "Arial", the
// style set, black, the size in points.
void SetRosterStyle(RosterDocument& doc, int points, StyleSet styles);

} // namespace dutywise
