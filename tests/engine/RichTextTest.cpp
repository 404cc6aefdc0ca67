#include <gtest/gtest.h>

#include "RichText.h"

using namespace dutywise;

namespace {

ParagraphStyle Plain(int points = 12) {
    return ParagraphStyle::Roster(points, {});
}

Paragraph Para(std::vector<Run> runs) {
    return Paragraph{std::move(runs)};
}
Paragraph Para(const std::string& text, ParagraphStyle style = Plain()) {
    return Para({{text, style}});
}

// What follows the header: the runs and paragraph marks.
std::string Body(const std::vector<Paragraph>& doc) {
    const std::string rtf = WriteRichText(doc);
    const std::string start = "\\plain\n";
    const auto at = rtf.find(start);
    EXPECT_NE(at, std::string::npos) << rtf;
    return rtf.substr(at + start.size());
}

// The text of a one-run document, after the run's control words and their delimiter.
std::string TextOf(const std::string& utf8) {
    const std::string body = Body({Para(utf8)});
    const auto space = body.find(' ');
    return body.substr(space + 1, body.size() - space - 1 - std::string("\\par\n}\n").size());
}

// The associated properties that precede a run's plain ones wherever its font, size, bold or
// italic change.
std::string Associated(int font, int halfPoints, bool bold, bool italic) {
    const std::string f = std::to_string(font);
    return "\\abinodiroverride\\rtlch\\af" + f + "\\afs" + std::to_string(halfPoints) +
           (bold ? "\\ab" : "\\ab0") + (italic ? "\\ai" : "\\ai0") +
           "\\abinodiroverride\\ltrch\\dbch\\af" + f + "\\loch";
}

} // namespace

TEST(RichText, WholeFileOfOneParagraph) {
    EXPECT_EQ(WriteRichText({Para("Hi", ParagraphStyle::Default())}),
              "{\\rtf1\\ansi\\ansicpg1252\\deff0\n"
              "{\\fonttbl{\\f0\\fnil Arial;}}\n"
              "{\\colortbl;}\n"
              "{\\*\\generator Dutywise " DUTYWISE_VERSION ";}\n"
              "\\uc1\\pard\\plain\n"
              "\\abinodiroverride\\rtlch\\af0\\afs17\\ab\\ai0"
              "\\abinodiroverride\\ltrch\\dbch\\af0\\loch"
              "\\f0\\fs17\\b\\i0\\ulnone\\cf0 Hi\\par\n"
              "}\n");
}

TEST(RichText, SpecialAsciiIsEscapedSoTheReaderDoesNotTakeItAsControl) {
    EXPECT_EQ(TextOf("{curly} \\back\\slash"), "\\{curly\\} \\\\back\\\\slash");
    EXPECT_EQ(TextOf("a\tb"), "a\\tab b"); // the delimiter keeps "b" out of the control word
    EXPECT_EQ(TextOf("50% ~ ok?"), "50% ~ ok?");
}

TEST(RichText, NonAsciiIsSigned16BitUnicodeWithOneFallbackChar) {
    EXPECT_EQ(TextOf("Zo\xC3\xAB"), "Zo\\u235?");       // ë
    EXPECT_EQ(TextOf("\xC5\x81ukasz"), "\\u321?ukasz"); // Ł
    EXPECT_EQ(TextOf("\xE7\x8E\x8B"), "\\u29579?");     // 王
    EXPECT_EQ(TextOf("\xEA\xB0\x80"), "\\u-21504?");    // 가, above 0x7FFF
    EXPECT_EQ(TextOf("\xEF\xBF\xBF"), "\\u-1?");        // U+FFFF
    EXPECT_EQ(TextOf("\xF0\x9F\x99\x82 Smile"),
              "\\u-10179?\\u-8638? Smile");                      // 🙂 as a surrogate pair
    EXPECT_EQ(TextOf("\xF4\x8F\xBF\xBF"), "\\u-9217?\\u-8193?"); // U+10FFFF
    EXPECT_EQ(TextOf("\x7F"), "\\u127?");                        // DEL is not printable
}

TEST(RichText, InvalidUtf8BecomesReplacementCharacterPerBrokenSequence) {
    const std::string fffd = "\\u-3?";
    EXPECT_EQ(TextOf("a\xFF"
                     "b"),
              "a" + fffd + "b");
    EXPECT_EQ(TextOf("a\x80"
                     "b"),
              "a" + fffd + "b"); // stray continuation byte
    EXPECT_EQ(TextOf("\xE7\x8E"
                     "x"),
              fffd + "x");                                            // truncated, the x survives
    EXPECT_EQ(TextOf("end\xC3"), "end" + fffd);                       // truncated at the very end
    EXPECT_EQ(TextOf("\xC0\xAF"), fffd + fffd);                       // overlong '/'
    EXPECT_EQ(TextOf("\xED\xA0\x80"), fffd + fffd + fffd);            // encoded surrogate
    EXPECT_EQ(TextOf("\xF4\x90\x80\x80"), fffd + fffd + fffd + fffd); // beyond U+10FFFF
    EXPECT_EQ(DecodeUtf8Lenient("a\xE7\x8E"
                                "b\xF0\x9F\x99\x82"),
              U"a\uFFFDb\U0001F642");
}

TEST(RichText, ControlWordsOnlyWhereTheStyleChanges) {
    ParagraphStyle bold = Plain();
    bold.styles = {FontStyle::Bold};
    ParagraphStyle boldItalicUnder = bold;
    boldItalicUnder.styles = {FontStyle::Bold, FontStyle::Italic, FontStyle::Underline};
    EXPECT_EQ(Body({Para({{"a", Plain()}, {"b", bold}, {"c", boldItalicUnder}, {"d", Plain()}}),
                    Para("e", Plain())}),
              Associated(0, 24, false, false) + "\\f0\\fs24\\b0\\i0\\ulnone\\cf1 a" +
                  Associated(0, 24, true, false) + "\\b b" + Associated(0, 24, true, true) +
                  "\\i\\ul c" + Associated(0, 24, false, false) +
                  "\\b0\\i0\\ulnone d\\par\n"
                  "e\\par\n}\n");
    // Underline alone is not an associated property.
    ParagraphStyle underlined = Plain();
    underlined.styles = {FontStyle::Underline};
    EXPECT_EQ(Body({Para({{"a", Plain()}, {"b", underlined}})}),
              Associated(0, 24, false, false) +
                  "\\f0\\fs24\\b0\\i0\\ulnone\\cf1 a\\ul b\\par\n}\n");
}

TEST(RichText, TablesListFontsAndColoursInOrderOfFirstUse) {
    ParagraphStyle times = Plain();
    times.fontName = "Times New Roman";
    times.color = Color::Rgb(255, 0, 10);
    ParagraphStyle automatic = Plain();
    automatic.color = Color::Automatic();
    ParagraphStyle blackAgain = Plain();
    const std::vector<Paragraph> doc{Para({{"x", times}, {"y", Plain()}}), Para("z", automatic),
                                     Para("w", blackAgain), Para("v", times)};
    const std::string rtf = WriteRichText(doc);
    EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fnil Times New Roman;}{\\f1\\fnil Arial;}}"),
              std::string::npos)
        << rtf;
    EXPECT_NE(rtf.find("{\\colortbl;\\red255\\green0\\blue10;\\red0\\green0\\blue0;}"),
              std::string::npos)
        << rtf;
    EXPECT_EQ(Body(doc), Associated(0, 24, false, false) + "\\f0\\fs24\\b0\\i0\\ulnone\\cf1 x" +
                             Associated(1, 24, false, false) +
                             "\\f1\\cf2 y\\par\n"
                             "\\cf0 z\\par\n"
                             "\\cf2 w\\par\n" +
                             Associated(0, 24, false, false) + "\\f0\\cf1 v\\par\n}\n");
    EXPECT_EQ(WriteRichText(doc), rtf) << "the same document must give the same bytes";
}

TEST(RichText, FontNamesAreEscapedAndLoseTheEntryTerminator) {
    ParagraphStyle odd = Plain();
    odd.fontName = "Zo\xC3\xAB;{Font}";
    EXPECT_NE(WriteRichText({Para("x", odd)}).find("{\\f0\\fnil Zo\\u235?\\{Font\\};}"),
              std::string::npos);
}

TEST(RichText, SizeIsNearestHalfPointWithHalvesRoundedUp) {
    const auto fs = [](int twentieths) {
        ParagraphStyle s = Plain();
        s.sizeTwentieths = twentieths;
        const std::string body = Body({Para("x", s)});
        const auto at = body.find("\\fs") + 3;
        return body.substr(at, body.find('\\', at) - at);
    };
    EXPECT_EQ(fs(165), "17"); // 8.25 pt, the default
    EXPECT_EQ(fs(160), "16");
    EXPECT_EQ(fs(174), "17");
    EXPECT_EQ(fs(20), "2");                                 // 1 pt
    EXPECT_EQ(fs(ParagraphStyle::kMaxPoints * 20), "3276"); // 1638 pt
}

TEST(RichText, EveryParagraphEndsWithParBlankOnesAndTheLastIncluded) {
    EXPECT_EQ(Body({Para("one"), Para(""), Para("")}),
              Associated(0, 24, false, false) +
                  "\\f0\\fs24\\b0\\i0\\ulnone\\cf1 one\\par\n\\par\n\\par\n}\n");
    // An empty document is one blank paragraph: a reader refuses a file with none.
    EXPECT_EQ(Body({}), "\\par\n}\n");
}
