// Saved Rich Text read back by a real reader: AbiWord's own format keeps every run's style, its
// plain-text export the text.

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <sstream>

#include "Abiword.h"
#include "DocumentTools.h"
#include "MemoryDocument.h"
#include "RecordingHost.h"
#include "RichText.h"
#include "RosterBuild.h"

using namespace dutywise;
using dutywise::testing::ConvertWithAbiword;
using dutywise::testing::ReadFileBytes;
using dutywise::testing::TempDir;
using dutywise::testing::WithExtension;
using dutywise::testing::WriteFileBytes;

namespace {

// What a reader shows of a run.
struct Shown {
    std::string text;
    std::string font;
    double points = 0;
    bool bold = false, italic = false, underline = false;
    std::string color; // rrggbb
    bool SameLook(const Shown& o) const {
        return font == o.font && points == o.points && bold == o.bold && italic == o.italic &&
               underline == o.underline && color == o.color;
    }
    friend bool operator==(const Shown&, const Shown&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Shown& s) {
        return os << "\"" << s.text << "\" " << s.font << " " << s.points << "pt"
                  << (s.bold ? " bold" : "") << (s.italic ? " italic" : "")
                  << (s.underline ? " underline" : "") << " #" << s.color;
    }
};
using ShownParagraph = std::vector<Shown>;

void AppendMerged(ShownParagraph& p, Shown s) {
    if (s.text.empty())
        return;
    if (!p.empty() && p.back().SameLook(s))
        p.back().text += s.text;
    else
        p.push_back(std::move(s));
}

std::string Utf8(const std::u32string& text) {
    std::string out;
    for (char32_t cp : text) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

// The document as a reader should show it: sizes in whole half-points, automatic colour as
// the default black.
std::vector<ShownParagraph> Expected(const std::vector<Paragraph>& doc) {
    std::vector<ShownParagraph> out;
    for (const Paragraph& p : doc) {
        ShownParagraph shown;
        for (const Run& r : p.runs) {
            char hex[8];
            const Color c = r.style.color;
            std::snprintf(hex, sizeof hex, "%02x%02x%02x", c.red, c.green, c.blue);
            AppendMerged(
                shown, {Utf8(DecodeUtf8Lenient(r.text)), r.style.fontName,
                        ((r.style.sizeTwentieths + 5) / 10) / 2.0,
                        r.style.styles.Has(FontStyle::Bold), r.style.styles.Has(FontStyle::Italic),
                        r.style.styles.Has(FontStyle::Underline), c.automatic ? "000000" : hex});
        }
        out.push_back(std::move(shown));
    }
    return out;
}

std::vector<ShownParagraph> ReadBack(const std::string& abwPath) {
    std::vector<ShownParagraph> out;
    for (const auto& p : dutywise::testing::ParseAbw(ReadFileBytes(abwPath))) {
        ShownParagraph shown;
        for (const auto& r : p.runs) {
            const auto prop = [&](const std::string& key, const std::string& fallback) {
                const auto it = r.props.find(key);
                return it == r.props.end() ? fallback : it->second;
            };
            AppendMerged(shown,
                         {r.text, prop("font-family", ""), std::stod(prop("font-size", "12pt")),
                          prop("font-weight", "normal") == "bold",
                          prop("font-style", "normal") == "italic",
                          prop("text-decoration", "none").find("underline") != std::string::npos,
                          prop("color", "000000")});
        }
        out.push_back(std::move(shown));
    }
    return out;
}

// Saves through the real save path, converts with AbiWord and compares run by run.
void ExpectReadBackRunByRun(const RosterDocument& doc) {
    TempDir dir;
    struct Target : SaveTarget {
        std::string name;
        std::optional<SaveChoice> AskFileName() override { return SaveChoice{name}; }
    } target;
    struct NoPdf : PdfService {
        std::optional<std::string> MakePdf(const std::vector<Paragraph>&, const std::string&,
                                           std::string&) override {
            ADD_FAILURE() << "a Rich Text save asked for a PDF";
            return "no PDF here";
        }
    } pdf;
    target.name = dir / "roster";
    const SaveResult saved = SaveRoster(doc, "", target, pdf);
    ASSERT_EQ(saved.status, SaveResult::Status::Saved) << saved.Message();
    ASSERT_EQ(ConvertWithAbiword({saved.path}, "abw"), "");
    const auto expected = Expected(doc.Paragraphs());
    const auto actual = ReadBack(WithExtension(saved.path, ".abw"));
    ASSERT_EQ(actual.size(), expected.size()) << "paragraph count";
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(actual[i], expected[i]) << "paragraph " << i;
}

const std::vector<std::string> kNames = {"Zo\xC3\xAB", "\xC5\x81ukasz",
                                         "\xE7\x8E\x8B\xE5\xB0\x8F\xE6\x98\x8E",
                                         "\xF0\x9F\x99\x82 Smile", "{curly} \\back\\slash"};

// The roster of the plan as the program builds it, drawn on the real clock.
void BuildOnTheRealClock(const OutingPlan& plan, RosterDocument& doc) {
    dutywise::testing::RecordingHost host;
    SteadyClock clock;
    Generator random(clock);
    AdviceFlag advice;
    BuildRoster(plan, doc, host, random, advice);
}

} // namespace

TEST(AbiwordReadback, BuiltRosterKeepsEveryRunsTextAndStyle) {
    DUTYWISE_REQUIRE_ABIWORD();
    OutingPlan plan;
    plan.outingName = "Spring Camp";
    plan.patrolName = "Falcons";
    plan.people = kNames;
    plan.people.push_back("Ann");
    plan.days[0] = plan.days[1] = true;
    for (auto& day : plan.mealTicks)
        day = {true, true, true};
    plan.breakfasts = {"Pancakes", "Oats"};
    plan.lunches = {"Wraps", "Soup\tand bread"};
    plan.dinners = {"Chili", "Stew"};
    plan.snacks = {"Trail mix"};
    plan.drinks = {"Cocoa"};
    MemoryDocument doc;
    BuildOnTheRealClock(plan, doc);
    ASSERT_GT(doc.Paragraphs().size(), 10u) << "the build wrote no roster";

    // The user restyles part of it, so runs split inside paragraphs.
    doc.SetSelection(2, 9);
    ToggleItalic(doc);
    SetSelectionColor(doc, Color::Rgb(0x12, 0x80, 0xFE));
    doc.SetSelection(20, 30);
    SetSelectionFont(doc, "Liberation Serif");
    SetSelectionSize(doc, 17);
    ToggleUnderline(doc);
    ExpectReadBackRunByRun(doc);
}

TEST(AbiwordReadback, DutyCountSectionReadsBackAfterTheDrinks) {
    DUTYWISE_REQUIRE_ABIWORD();
    OutingPlan plan;
    plan.outingName = "Weekend";
    plan.people = {"Ann", kNames[0], "Ann", ""};
    plan.crewSize = 2;
    plan.evenShares = true;
    plan.days[5] = plan.days[6] = true;
    plan.mealTicks[5] = {false, false, true};
    plan.mealTicks[6] = {true, true, true};
    plan.breakfasts = plan.lunches = plan.dinners = {"Stew"};
    plan.drinks = {"Cocoa"};
    MemoryDocument doc;
    BuildOnTheRealClock(plan, doc);
    // Four slots, two crews of two each: sixteen duties, four apiece.
    const std::vector<Paragraph> paragraphs = doc.Paragraphs();
    ASSERT_GE(paragraphs.size(), 6u);
    std::vector<std::string> tail;
    for (auto p = paragraphs.end() - 6; p != paragraphs.end(); ++p)
        tail.push_back(p->Text());
    ASSERT_EQ(tail[0], "");
    ASSERT_EQ(tail[1], "Duties");
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(tail[2 + i].substr(0, plan.people[i].size() + 5), plan.people[i] + ": 4 (")
            << tail[2 + i];
    ExpectReadBackRunByRun(doc);
}

// A roster in the translations' words: every heading and crew line with letters beyond ASCII.
TEST(AbiwordReadback, RosterInTranslatedWordsReadsBack) {
    DUTYWISE_REQUIRE_ABIWORD();
    class TranslatedHost final : public BuildHost {
    public:
        RosterWords words;
        void ShowMessage(const std::string&) override {}
        void ShowHiddenPicture() override {}
        void HideNotice() override {}
        void AdvanceGauge(int) override {}
        const RosterWords& Words() const override { return words; }
    } host;
    host.words.dayNames = {"Zondag", "Lundi",   "Dienstag", "Miércoles",
                           "Jeudi",  "Freitag", "Sábado"};
    host.words.mealNames = {"Frühstück", "Déjeuner", "Cena ñ"};
    host.words.rosterTitle = "Dienstplan – %1 (ĳsbeer, straße)";
    host.words.cookLine = "Cuisine : %1";
    host.words.cleanupLine = "Afwas: %1";
    host.words.mealLine = "Plato: %1";
    host.words.snacksHeading = "Goûter";
    host.words.drinksHeading = "Getränke";
    host.words.dutiesHeading = "Dienste";
    host.words.dutyCountLine = "%1 : %2 (%3× cocina, %4× afwas)";
    OutingPlan plan;
    plan.outingName = "Pfingstlager";
    plan.patrolName = "Mañana";
    plan.people = {"Jörg", "Iñigo", "Ĳsbrand", "Zoë"};
    plan.days.fill(true);
    for (auto& day : plan.mealTicks)
        day = {true, true, true};
    plan.breakfasts = {"Müsli"};
    plan.lunches = {"Crêpes"};
    plan.dinners = {"Paella"};
    plan.drinks = {"Tee"};
    plan.evenShares = true;
    SteadyClock clock;
    Generator random(clock);
    AdviceFlag advice;
    MemoryDocument doc;
    BuildRoster(plan, doc, host, random, advice);
    ASSERT_EQ(doc.Paragraphs()[1].Text(), "Dienstplan – Mañana (ĳsbeer, straße)");
    ExpectReadBackRunByRun(doc);
}

TEST(AbiwordReadback, NamesFromEveryScriptAndRtfSpecialCharacters) {
    DUTYWISE_REQUIRE_ABIWORD();
    MemoryDocument doc;
    doc.ClearDocument();
    int style = 0;
    for (const std::string& name : kNames) {
        ++style;
        SetRosterStyle(doc, 8 + 2 * style, StyleSet::FromBits(static_cast<unsigned>(style)));
        doc.SetColor(style % 2 ? Color::Automatic()
                               : Color::Rgb(200, 0, static_cast<std::uint8_t>(style)));
        doc.AppendParagraph(name);
    }
    doc.SetFontName("Zo\xC3\xAB Sans"); // a font name beyond ASCII
    doc.AppendParagraph("Cooks: " + kNames[0] + ", " + kNames[2]);
    doc.AppendParagraph(""); // blank lines, the last one included
    doc.AppendParagraph("after a blank");
    doc.AppendParagraph("");
    doc.SetSelection(2, 3); // inside "Zoë": a run boundary next to a non-ASCII character
    ToggleUnderline(doc);
    ExpectReadBackRunByRun(doc);
}

TEST(AbiwordReadback, DefaultStyleOfOddTwentiethsIsShownAtTheNearestHalfPoint) {
    DUTYWISE_REQUIRE_ABIWORD();
    // The editor's default style: Arial 8.25 pt, bold, automatic colour.
    const std::vector<Paragraph> doc{{{{"Self Interpreter", ParagraphStyle::Default()}}},
                                     {{{"*****************", ParagraphStyle::Default()}}}};
    TempDir dir;
    WriteFileBytes(dir / "default.rtf", WriteRichText(doc));
    ASSERT_EQ(ConvertWithAbiword({dir / "default.rtf"}, "abw"), "");
    const auto actual = ReadBack(dir / "default.abw");
    ASSERT_EQ(actual.size(), 2u);
    ASSERT_EQ(actual[0].size(), 1u);
    EXPECT_EQ(actual[0][0].points, 8.5);
    EXPECT_EQ(actual, Expected(doc));
}

// Random documents, written and converted to plain text in one AbiWord run: the text is equal.
TEST(AbiwordReadback, RandomDocumentsKeepTheirText) {
    DUTYWISE_REQUIRE_ABIWORD();
    std::mt19937 rng(20240611);
    const auto below = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    // Pieces of text with what a reader must show for them: invalid UTF-8 shows as U+FFFD.
    const std::vector<std::pair<std::string, std::string>> pieces = {
        {"a", "a"},
        {"Z", "Z"},
        {" ", " "},
        {"  ", "  "},
        {"\t", "\t"},
        {"\\", "\\"},
        {"{", "{"},
        {"}", "}"},
        {";", ";"},
        {"?", "?"},
        {"\xC3\xA9", "\xC3\xA9"},
        {"\xC3\xBF", "\xC3\xBF"},
        {"\xC5\x81", "\xC5\x81"},
        {"\xCE\xA9", "\xCE\xA9"},
        {"\xD0\x96", "\xD0\x96"},
        {"\xD7\x90", "\xD7\x90"},
        {"\xE2\x82\xAC", "\xE2\x82\xAC"},
        {"\xE7\x8E\x8B", "\xE7\x8E\x8B"},
        {"\xEA\xB0\x80", "\xEA\xB0\x80"},
        {"\xEF\xBD\x81", "\xEF\xBD\x81"},
        {"\xF0\x9F\x99\x82", "\xF0\x9F\x99\x82"},
        {"\xF0\x9D\x90\x80", "\xF0\x9D\x90\x80"},
        {"\xF0\xA0\x80\x8B", "\xF0\xA0\x80\x8B"},
        {"\xFF", "\xEF\xBF\xBD"},
        {"\x80", "\xEF\xBF\xBD"},
        {"\xC3"
         "a",
         "\xEF\xBF\xBD"
         "a"},
        {"\xE7\x8E"
         "b",
         "\xEF\xBF\xBD"
         "b"}};
    const std::vector<std::string> fonts = {"Arial", "Liberation Serif", "Courier New",
                                            "Zo\xC3\xAB"};
    TempDir dir;
    std::vector<std::string> files, expected;
    for (int d = 0; d < 120; ++d) {
        std::vector<Paragraph> doc;
        std::string text;
        const int paragraphs = 1 + below(6);
        for (int p = 0; p < paragraphs; ++p) {
            Paragraph para;
            const int runs = 1 + below(4);
            for (int r = 0; r < runs; ++r) {
                dutywise::Run run;
                run.style.fontName = fonts[static_cast<std::size_t>(below(4))];
                run.style.sizeTwentieths = 20 + below(1000);
                run.style.styles = StyleSet::FromBits(static_cast<unsigned>(below(8)));
                run.style.color = below(3) == 0 ? Color::Automatic()
                                                : Color::Rgb(static_cast<std::uint8_t>(below(256)),
                                                             static_cast<std::uint8_t>(below(256)),
                                                             static_cast<std::uint8_t>(below(256)));
                for (int n = below(12); n > 0; --n) {
                    const auto& piece =
                        pieces[static_cast<std::size_t>(below(static_cast<int>(pieces.size())))];
                    run.text += piece.first;
                    text += piece.second;
                }
                para.runs.push_back(std::move(run));
            }
            doc.push_back(std::move(para));
            if (p + 1 < paragraphs)
                text += "\n";
        }
        files.push_back(dir / ("doc" + std::to_string(d) + ".rtf"));
        WriteFileBytes(files.back(), WriteRichText(doc));
        expected.push_back(text);
    }
    ASSERT_EQ(ConvertWithAbiword(files, "txt", 120), "");
    // Two habits of AbiWord's text export, not of the file: it drops the blank lines at the
    // start (its own format keeps them, checked above) and marks a change of direction before
    // right-to-left text with U+200E.
    const auto shown = [](std::string text, bool exported) {
        text.erase(0, text.find_first_not_of('\n') == std::string::npos
                          ? text.size()
                          : text.find_first_not_of('\n'));
        for (std::size_t at; exported && (at = text.find("\xE2\x80\x8E")) != std::string::npos;)
            text.erase(at, 3);
        return text;
    };
    for (std::size_t d = 0; d < files.size(); ++d)
        EXPECT_EQ(shown(ReadFileBytes(WithExtension(files[d], ".txt")), true),
                  shown(expected[d], false))
            << files[d];
}
