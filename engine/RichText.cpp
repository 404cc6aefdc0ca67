#include "RichText.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace dutywise {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one character at text[i], advancing i. An invalid sequence yields U+FFFD and consumes
// its maximal valid prefix (at least one byte), so the byte that broke it starts the next one.
inline char32_t DecodeOne(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i++);
    if (lead < 0x80)
        return lead;
    int more;
    char32_t cp;
    unsigned char lo = 0x80, hi = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        more = 1;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        more = 2;
        cp = lead & 0x0F;
        if (lead == 0xE0)
            lo = 0xA0; // no overlong forms
        else if (lead == 0xED)
            hi = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        more = 3;
        cp = lead & 0x07;
        if (lead == 0xF0)
            lo = 0x90;
        else if (lead == 0xF4)
            hi = 0x8F; // nothing beyond U+10FFFF
    } else {
        return kReplacement;
    }
    for (int k = 0; k < more; ++k) {
        if (i >= text.size())
            return kReplacement;
        const unsigned char c = byte(i);
        if (c < lo || c > hi)
            return kReplacement;
        lo = 0x80;
        hi = 0xBF;
        cp = (cp << 6) | (c & 0x3F);
        ++i;
    }
    return cp;
}

void AppendInt(std::string& out, int value) {
    char buf[16];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, res.ptr);
}

void AppendUnicode(std::string& out, char32_t cp) {
    const auto unit = [&](unsigned u) {
        out += "\\u";
        AppendInt(out, static_cast<std::int16_t>(static_cast<std::uint16_t>(u)));
        out += '?';
    };
    if (cp > 0xFFFF) {
        cp -= 0x10000;
        unit(0xD800 + (cp >> 10));
        unit(0xDC00 + (cp & 0x3FF));
    } else {
        unit(cp);
    }
}

// Text as RTF. Plain printable ASCII is copied in stretches; everything else is escaped.
void AppendText(std::string& out, std::string_view text, bool fontTable) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        std::size_t start = i;
        while (i < n) {
            const unsigned char c = static_cast<unsigned char>(text[i]);
            if (c < 0x20 || c >= 0x7F || c == '\\' || c == '{' || c == '}' ||
                (fontTable && c == ';'))
                break;
            ++i;
        }
        out.append(text.data() + start, i - start);
        if (i >= n)
            break;
        const char c = text[i];
        if (c == ';') {
            ++i; // would end the font table entry, and no reader takes an escaped one
        } else if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += c;
            ++i;
        } else if (c == '\t' && !fontTable) {
            out += "\\tab ";
            ++i;
        } else {
            AppendUnicode(out, DecodeOne(text, i));
        }
    }
}

template <typename T> int IndexOf(std::vector<T>& table, const T& value) {
    const auto it = std::find(table.begin(), table.end(), value);
    if (it != table.end())
        return static_cast<int>(it - table.begin());
    table.push_back(value);
    return static_cast<int>(table.size() - 1);
}

// The styles that right-to-left text takes from the associated properties.
constexpr int kAssociatedStyles =
    static_cast<int>(FontStyle::Bold) | static_cast<int>(FontStyle::Italic);

int HalfPoints(int twentieths) {
    return (twentieths + 5) / 10;
}

} // namespace

std::u32string DecodeUtf8Lenient(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();)
        out += DecodeOne(text, i);
    return out;
}

std::string WriteRichText(const std::vector<Paragraph>& paragraphs) {
    // Tables in order of first use; each run's indices are kept for the second pass.
    std::vector<std::string> fonts;
    std::vector<Color> colors; // the RGB colours; automatic is entry 0 of the written table
    std::vector<std::pair<int, int>> runRefs;
    std::size_t textBytes = 0;
    const Run* last = nullptr;
    for (const Paragraph& p : paragraphs) {
        for (const Run& r : p.runs) {
            textBytes += r.text.size();
            if (last && last->style.fontName == r.style.fontName &&
                last->style.color == r.style.color) {
                runRefs.push_back(runRefs.back());
            } else {
                const int f = IndexOf(fonts, r.style.fontName);
                const int c = r.style.color.automatic ? 0 : IndexOf(colors, r.style.color) + 1;
                runRefs.emplace_back(f, c);
            }
            last = &r;
        }
    }

    std::string out;
    out.reserve(256 + textBytes + textBytes / 4 + runRefs.size() * 24 + fonts.size() * 40);
    out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\n{\\fonttbl";
    for (std::size_t f = 0; f < fonts.size(); ++f) {
        out += "{\\f";
        AppendInt(out, static_cast<int>(f));
        out += "\\fnil ";
        AppendText(out, fonts[f], true);
        out += ";}";
    }
    out += "}\n{\\colortbl;";
    for (const Color& c : colors) {
        out += "\\red";
        AppendInt(out, c.red);
        out += "\\green";
        AppendInt(out, c.green);
        out += "\\blue";
        AppendInt(out, c.blue);
        out += ';';
    }
    // Naming the writer matters: LibreOffice adds a thin space before each of two blanks in a
    // row of Rich Text that does not say which program wrote it.
    out += "}\n{\\*\\generator Dutywise " DUTYWISE_VERSION ";}\n\\uc1\\pard\\plain\n";

    // Control words are written only where a run differs from the one before.
    int font = -1, color = -1, half = -1;
    int styles = -1;
    std::size_t runIndex = 0;
    for (std::size_t p = 0; p < paragraphs.size(); ++p) {
        for (const Run& r : paragraphs[p].runs) {
            const auto [f, c] = runRefs[runIndex++];
            const int h = HalfPoints(r.style.sizeTwentieths);
            const int s = r.style.styles.Bits();
            bool wrote = false;
            const auto word = [&](const char* w) {
                out += w;
                wrote = true;
            };
            // Readers take the font, size, bold and italic of right-to-left text from the
            // associated properties after \rtlch, and the font of CJK text from \af after \dbch;
            // \loch makes the plain \f the font of all other text. \ltrch ends the associated
            // properties without making the run right-to-left. AbiWord would take \rtlch and
            // \ltrch as forcing the direction of the whole run (Hebrew shown backwards), unless
            // each is preceded by its own \abinodiroverride, which other readers skip.
            if (f != font || h != half || styles < 0 ||
                (s & kAssociatedStyles) != (styles & kAssociatedStyles)) {
                out += "\\abinodiroverride\\rtlch\\af";
                AppendInt(out, f);
                out += "\\afs";
                AppendInt(out, h);
                out += r.style.styles.Has(FontStyle::Bold) ? "\\ab" : "\\ab0";
                out += r.style.styles.Has(FontStyle::Italic) ? "\\ai" : "\\ai0";
                out += "\\abinodiroverride\\ltrch\\dbch\\af";
                AppendInt(out, f);
                word("\\loch");
            }
            if (f != font) {
                word("\\f");
                AppendInt(out, f);
                font = f;
            }
            if (h != half) {
                word("\\fs");
                AppendInt(out, h);
                half = h;
            }
            const auto flag = [&](FontStyle which, const char* on, const char* off) {
                const bool want = r.style.styles.Has(which);
                if (styles < 0 ||
                    StyleSet::FromBits(static_cast<unsigned>(styles)).Has(which) != want)
                    word(want ? on : off);
            };
            flag(FontStyle::Bold, "\\b", "\\b0");
            flag(FontStyle::Italic, "\\i", "\\i0");
            flag(FontStyle::Underline, "\\ul", "\\ulnone");
            styles = s;
            if (c != color) {
                word("\\cf");
                AppendInt(out, c);
                color = c;
            }
            if (wrote)
                out += ' ';
            AppendText(out, r.text, false);
        }
        out += "\\par\n";
    }
    if (paragraphs.empty())
        out += "\\par\n"; // a reader refuses a file without a paragraph
    out += "}\n";
    return out;
}

} // namespace dutywise
