#pragma once
// The reference RosterDocument: the document held in memory, with no editor behind it. It follows
// the rich-text editor's behaviour wherever the two could differ.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "RosterDocument.h"

namespace dutywise {

class MemoryDocument final : public RosterDocument {
public:
    MemoryDocument();

    void ClearDocument() override;
    void SetFontName(const std::string& name) override;
    void SetFontSize(int points) override;
    void SetStyleSet(StyleSet styles) override;
    void SetColor(Color color) override;
    StyleSet GetStyleSet() const override;
    void AppendParagraph(const std::string& text) override;
    void SetSelection(int start, int length) override;
    void TypeText(const std::string& text) override;
    std::vector<Paragraph> Paragraphs() const override;
    ParagraphStyle CurrentStyle() const override { return current_; }

    // Code points in the document, one for each paragraph break.
    int Length() const { return length_; }
    int SelectionStart() const { return std::min(anchor_, caret_); }
    int SelectionLength() const { return std::max(anchor_, caret_) - SelectionStart(); }

private:
    // One paragraph. Its runs never hold empty text; its mark is the style it shows when it has
    // no text (the editor keeps one such format per paragraph).
    struct Block {
        ParagraphStyle mark;
        std::vector<Run> runs;
        int chars = 0;
    };

    bool Blank() const { return blocks_.size() == 1 && blocks_.front().runs.empty(); }
    std::pair<std::size_t, int> Locate(int position) const;
    ParagraphStyle StyleAt(int position) const;
    static std::size_t SplitAt(Block& block, int offset);
    static void Recount(Block& block);
    void DeleteRange(int from, int to);
    int InsertAt(int position, const std::string& text, const ParagraphStyle& style);
    template <class Change> void Restyle(Change change);

    std::vector<Block> blocks_;
    int anchor_ = 0;
    int caret_ = 0;
    int length_ = 0;
    ParagraphStyle current_;
};

} // namespace dutywise
