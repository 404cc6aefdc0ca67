#pragma once
// Character formatting of a stretch of the roster document.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace dutywise {

enum class FontStyle : std::uint8_t { Bold = 1, Italic = 2, Underline = 4 };

// A subset of {bold, italic, underline}.
class StyleSet {
public:
    constexpr StyleSet() = default;
    constexpr StyleSet(std::initializer_list<FontStyle> styles) {
        for (FontStyle s : styles)
            bits_ |= static_cast<std::uint8_t>(s);
    }
    constexpr bool Has(FontStyle s) const { return (bits_ & static_cast<std::uint8_t>(s)) != 0; }
    constexpr StyleSet With(FontStyle s) const {
        return FromBits(bits_ | static_cast<std::uint8_t>(s));
    }
    constexpr StyleSet Without(FontStyle s) const {
        return FromBits(bits_ & ~static_cast<std::uint8_t>(s));
    }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr std::uint8_t Bits() const { return bits_; }
    static constexpr StyleSet FromBits(unsigned bits) {
        StyleSet s;
        s.bits_ = static_cast<std::uint8_t>(bits & 7u);
        return s;
    }
    friend constexpr bool operator==(StyleSet, StyleSet) = default;

private:
    std::uint8_t bits_ = 0;
};

// An RGB colour, or "automatic": the reader's default text colour.
struct Color {
    bool automatic = true;
    std::uint8_t red = 0, green = 0, blue = 0;

    static constexpr Color Automatic() { return Color{}; }
    static constexpr Color Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        return Color{false, r, g, b};
    }
    static constexpr Color Black() { return Rgb(0, 0, 0); }
    friend constexpr bool operator==(const Color&, const Color&) = default;
};

struct ParagraphStyle {
    static constexpr std::size_t kMaxFontNameChars = 31;
    static constexpr int kMinPoints = 1;
    static constexpr int kMaxPoints = 1638; // 1638 * 20 still fits a signed 16-bit size

    std::string fontName = "Arial"; // UTF-8, at most kMaxFontNameChars characters
    int sizeTwentieths = 165;       // points * 20; 165 is 8.25 pt, 11 px at 96 dpi
    StyleSet styles;
    Color color;

    friend bool operator==(const ParagraphStyle&, const ParagraphStyle&) = default;

    // The style of the editor's first seven lines: Arial 11 px, bold, automatic colour.
    static ParagraphStyle Default() {
        ParagraphStyle s;
        s.styles = {FontStyle::Bold};
        return s;
    }
    // The style the build writes with: Arial, black, the given size and styles.
    static ParagraphStyle Roster(int points, StyleSet styles) {
        ParagraphStyle s;
        s.sizeTwentieths = points * 20;
        s.styles = styles;
        s.color = Color::Black();
        return s;
    }
};

// The first kMaxFontNameChars characters of a UTF-8 name; a multi-byte sequence is never split.
std::string CutFontName(const std::string& name);

// A point size held to what a document can carry: kMinPoints to kMaxPoints.
int ClampPoints(int points);

} // namespace dutywise
