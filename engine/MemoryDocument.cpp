#include "MemoryDocument.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace dutywise {

namespace {

bool StartsCodePoint(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

// Every byte that is not a continuation byte (10xxxxxx) starts a code point. Counted eight
// bytes at a time: roster lines run to thousands of bytes.
int CodePoints(const std::string& text) {
    constexpr std::uint64_t kLow = 0x0101010101010101ull;
    const char* bytes = text.data();
    const std::size_t size = text.size();
    std::size_t continuation = 0;
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + i, sizeof word);
        // One bit per continuation byte, then their sum gathered in the top byte.
        continuation +=
            static_cast<std::size_t>((((word >> 7) & ~(word >> 6) & kLow) * kLow) >> 56);
    }
    for (; i < size; ++i)
        continuation += StartsCodePoint(bytes[i]) ? 0 : 1;
    return static_cast<int>(size - continuation);
}

// The byte at which code point number `index` starts (the size when it is the end).
std::size_t ByteOffset(const std::string& text, int index) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (StartsCodePoint(text[i]) && index-- == 0)
            return i;
    }
    return text.size();
}

} // namespace

MemoryDocument::MemoryDocument() : blocks_(1) {}

std::pair<std::size_t, int> MemoryDocument::Locate(int position) const {
    for (std::size_t i = 0; i + 1 < blocks_.size(); ++i) {
        if (position <= blocks_[i].chars)
            return {i, position};
        position -= blocks_[i].chars + 1;
    }
    return {blocks_.size() - 1, std::min(position, blocks_.back().chars)};
}

// As the editor does it: the character before the position, the one after it at a paragraph's
// start, and the paragraph's own format when it has no text.
ParagraphStyle MemoryDocument::StyleAt(int position) const {
    const auto [index, offset] = Locate(position);
    const Block& block = blocks_[index];
    if (block.runs.empty())
        return block.mark;
    const int wanted = offset == 0 ? 0 : offset - 1;
    int start = 0;
    for (const Run& run : block.runs) {
        const int chars = CodePoints(run.text);
        if (wanted < start + chars)
            return run.style;
        start += chars;
    }
    return block.runs.back().style;
}

std::size_t MemoryDocument::SplitAt(Block& block, int offset) {
    int start = 0;
    for (std::size_t i = 0; i < block.runs.size(); ++i) {
        if (offset == start)
            return i;
        const int chars = CodePoints(block.runs[i].text);
        if (offset < start + chars) {
            Run& run = block.runs[i];
            const std::size_t cut = ByteOffset(run.text, offset - start);
            Run tail{run.text.substr(cut), run.style};
            run.text.erase(cut);
            block.runs.insert(block.runs.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                              std::move(tail));
            return i + 1;
        }
        start += chars;
    }
    return block.runs.size();
}

void MemoryDocument::Recount(Block& block) {
    block.chars = 0;
    for (const Run& run : block.runs)
        block.chars += CodePoints(run.text);
}

void MemoryDocument::ClearDocument() {
    blocks_.assign(1, Block{current_, {}, 0});
    anchor_ = caret_ = length_ = 0;
}

template <class Change> void MemoryDocument::Restyle(Change change) {
    if (anchor_ == caret_) {
        change(current_);
        return;
    }
    const auto [first, firstOffset] = Locate(SelectionStart());
    const auto [last, lastOffset] = Locate(SelectionStart() + SelectionLength());
    for (std::size_t i = first; i <= last; ++i) {
        Block& block = blocks_[i];
        // Every paragraph the selection touches takes the change for its blank-line format too.
        change(block.mark);
        const int from = i == first ? firstOffset : 0;
        const int to = i == last ? lastOffset : block.chars;
        if (from == to)
            continue;
        const std::size_t begin = SplitAt(block, from);
        const std::size_t end = SplitAt(block, to);
        for (std::size_t r = begin; r < end; ++r)
            change(block.runs[r].style);
    }
    current_ = StyleAt(caret_);
}

void MemoryDocument::SetFontName(const std::string& name) {
    const std::string cut = CutFontName(name);
    Restyle([&cut](ParagraphStyle& s) { s.fontName = cut; });
}

void MemoryDocument::SetFontSize(int points) {
    const int twentieths = ClampPoints(points) * 20;
    Restyle([twentieths](ParagraphStyle& s) { s.sizeTwentieths = twentieths; });
}

void MemoryDocument::SetStyleSet(StyleSet styles) {
    Restyle([styles](ParagraphStyle& s) { s.styles = styles; });
}

void MemoryDocument::SetColor(Color color) {
    Restyle([color](ParagraphStyle& s) { s.color = color; });
}

StyleSet MemoryDocument::GetStyleSet() const {
    if (anchor_ == caret_)
        return current_.styles;
    const int from = SelectionStart();
    const int to = from + SelectionLength();
    unsigned common = 7;
    bool anyCharacter = false;
    int position = 0;
    for (const Block& block : blocks_) {
        for (const Run& run : block.runs) {
            const int chars = CodePoints(run.text);
            if (position < to && position + chars > from) {
                common &= run.style.styles.Bits();
                anyCharacter = true;
            }
            position += chars;
        }
        ++position; // the paragraph break
    }
    // A selection of paragraph breaks alone has no characters to ask.
    return anyCharacter ? StyleSet::FromBits(common) : current_.styles;
}

void MemoryDocument::DeleteRange(int from, int to) {
    const auto [first, firstOffset] = Locate(from);
    const auto [last, lastOffset] = Locate(to);
    if (first == last) {
        Block& block = blocks_[first];
        const std::size_t begin = SplitAt(block, firstOffset);
        const std::size_t end = SplitAt(block, lastOffset);
        block.runs.erase(block.runs.begin() + static_cast<std::ptrdiff_t>(begin),
                         block.runs.begin() + static_cast<std::ptrdiff_t>(end));
        Recount(block);
        length_ -= to - from;
        return;
    }
    // The first paragraph keeps its head and its format and takes the last one's tail.
    Block& tailBlock = blocks_[last];
    const std::size_t tailStart = SplitAt(tailBlock, lastOffset);
    std::vector<Run> tail(
        std::make_move_iterator(tailBlock.runs.begin() + static_cast<std::ptrdiff_t>(tailStart)),
        std::make_move_iterator(tailBlock.runs.end()));
    Block& head = blocks_[first];
    const std::size_t headEnd = SplitAt(head, firstOffset);
    head.runs.erase(head.runs.begin() + static_cast<std::ptrdiff_t>(headEnd), head.runs.end());
    head.runs.insert(head.runs.end(), std::make_move_iterator(tail.begin()),
                     std::make_move_iterator(tail.end()));
    Recount(head);
    blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(first) + 1,
                  blocks_.begin() + static_cast<std::ptrdiff_t>(last) + 1);
    length_ -= to - from;
}

int MemoryDocument::InsertAt(int position, const std::string& text, const ParagraphStyle& style) {
    auto [index, offset] = Locate(position);
    std::size_t begin = 0;
    while (true) {
        const std::size_t end = std::min(text.find('\n', begin), text.size());
        if (end > begin) {
            Block& block = blocks_[index];
            const std::size_t at = SplitAt(block, offset);
            std::string piece = text.substr(begin, end - begin);
            const int chars = CodePoints(piece);
            block.runs.insert(block.runs.begin() + static_cast<std::ptrdiff_t>(at),
                              Run{std::move(piece), style});
            block.chars += chars;
            offset += chars;
        }
        if (end == text.size())
            break;
        // A paragraph break: what follows the caret moves to a new paragraph in the given style.
        Block& block = blocks_[index];
        Block next{style, {}, 0};
        const std::size_t at = SplitAt(block, offset);
        next.runs.assign(
            std::make_move_iterator(block.runs.begin() + static_cast<std::ptrdiff_t>(at)),
            std::make_move_iterator(block.runs.end()));
        block.runs.erase(block.runs.begin() + static_cast<std::ptrdiff_t>(at), block.runs.end());
        block.chars = offset;
        Recount(next);
        blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(index) + 1, std::move(next));
        ++index;
        offset = 0;
        begin = end + 1;
    }
    const int inserted = CodePoints(text);
    length_ += inserted;
    return position + inserted;
}

void MemoryDocument::AppendParagraph(const std::string& text) {
    // A document whose only paragraph is blank counts as empty: the text fills that paragraph.
    if (Blank()) {
        blocks_.front().mark = current_;
    } else {
        blocks_.push_back(Block{current_, {}, 0});
        ++length_;
    }
    if (text.find('\n') == std::string::npos) {
        // The common case, without a walk to the end of the document.
        if (!text.empty()) {
            Block& block = blocks_.back();
            block.chars = CodePoints(text);
            block.runs.push_back(Run{text, current_});
            length_ += block.chars;
        }
    } else {
        InsertAt(length_, text, current_);
    }
    anchor_ = caret_ = length_;
}

void MemoryDocument::SetSelection(int start, int length) {
    const std::int64_t size = Length();
    const std::int64_t anchor = std::clamp<std::int64_t>(start, 0, size);
    const std::int64_t caret =
        std::clamp<std::int64_t>(static_cast<std::int64_t>(start) + length, 0, size);
    anchor_ = static_cast<int>(anchor);
    caret_ = static_cast<int>(caret);
    current_ = StyleAt(caret_);
}

void MemoryDocument::TypeText(const std::string& text) {
    const int from = SelectionStart();
    if (SelectionLength() > 0)
        DeleteRange(from, from + SelectionLength());
    anchor_ = caret_ = InsertAt(from, text, current_);
}

std::vector<Paragraph> MemoryDocument::Paragraphs() const {
    std::vector<Paragraph> paragraphs;
    if (Blank())
        return paragraphs;
    paragraphs.reserve(blocks_.size());
    for (const Block& block : blocks_) {
        Paragraph& paragraph = paragraphs.emplace_back();
        if (block.runs.empty()) {
            paragraph.runs.push_back(Run{{}, block.mark});
            continue;
        }
        for (const Run& run : block.runs) {
            if (!paragraph.runs.empty() && paragraph.runs.back().style == run.style)
                paragraph.runs.back().text += run.text;
            else
                paragraph.runs.push_back(run);
        }
    }
    return paragraphs;
}

} // namespace dutywise
