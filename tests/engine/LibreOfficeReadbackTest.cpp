// Saved Rich Text read back by LibreOffice Writer, the word processor most leaders without Word
// have: right-to-left and CJK names keep their font, size, bold and italic, and blanks in a row
// stay plain blanks.
//
// LibreOffice is a test tool here like AbiWord: with CI=true a missing one fails the test,
// elsewhere the test is skipped with the reason.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "Abiword.h"
#include "RichText.h"

using namespace dutywise;
using dutywise::testing::ReadFileBytes;
using dutywise::testing::TempDir;
using dutywise::testing::WriteFileBytes;
using dutywise::testing::XmlUnescape;

namespace {

bool LibreOfficeInstalled() {
    return std::system("command -v soffice >/dev/null 2>&1") == 0;
}

#define DUTYWISE_REQUIRE_LIBREOFFICE()                                                             \
    do {                                                                                           \
        if (!LibreOfficeInstalled()) {                                                             \
            if (::dutywise::testing::RunningInCi())                                                \
                FAIL() << "soffice is not installed (scripts/install-deps installs it)";           \
            GTEST_SKIP() << "soffice is not installed; the read-back by LibreOffice is skipped";   \
        }                                                                                          \
    } while (0)

// Converts the file to flat OpenDocument text (the ODT's content and styles in one XML file)
// beside it. Runs without a display, with a private profile and a time limit. Returns an empty
// string on success, else LibreOffice's own output.
std::string ConvertWithLibreOffice(const std::string& file) {
    TempDir home;
    const std::string folder = std::filesystem::path(file).parent_path().string();
    const std::string log = home / "soffice.log";
    const std::string command = "cd '" + home.path().string() +
                                "' && env -u DISPLAY -u WAYLAND_DISPLAY HOME='" +
                                home.path().string() +
                                "' timeout 120 soffice --headless --norestore --convert-to fodt "
                                "--outdir '" +
                                folder + "' '" + file + "' >'" + log + "' 2>&1";
    const int status = std::system(command.c_str());
    if (status != 0)
        return "soffice exited with status " + std::to_string(status) + ": " + ReadFileBytes(log);
    return {};
}

using Attributes = std::map<std::string, std::string>;

// The attributes of the tag that starts at `at`, values unescaped.
Attributes AttributesAt(const std::string& xml, std::size_t at) {
    Attributes out;
    const std::size_t end = xml.find('>', at);
    for (std::size_t i = xml.find(' ', at); i < end;) {
        const std::size_t eq = xml.find("=\"", i);
        if (eq >= end)
            break;
        const std::size_t close = xml.find('"', eq + 2);
        std::string name = xml.substr(i, eq - i);
        name.erase(0, name.find_first_not_of(" \n"));
        out[name] = XmlUnescape(xml.substr(eq + 2, close - eq - 2));
        i = close + 1;
    }
    return out;
}

// What LibreOffice shows of a run, for one kind of script.
struct Look {
    std::string font, size, weight, style;
    friend bool operator==(const Look&, const Look&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Look& l) {
        return os << l.font << " " << l.size << " " << l.weight << " " << l.style;
    }
};

// A flat OpenDocument text file: its font faces and the character properties of its styles.
class FlatOdt {
public:
    explicit FlatOdt(const std::string& xml) : xml_(xml) {
        for (std::size_t at = 0; (at = xml.find("<style:font-face ", at)) != std::string::npos;
             ++at) {
            const Attributes a = AttributesAt(xml, at);
            std::string family = a.count("svg:font-family") ? a.at("svg:font-family") : "";
            if (family.size() >= 2 && family.front() == '\'' && family.back() == '\'')
                family = family.substr(1, family.size() - 2);
            fonts_[a.count("style:name") ? a.at("style:name") : ""] = family;
        }
        for (std::size_t at = 0; (at = xml.find("<style:style ", at)) != std::string::npos; ++at) {
            const std::size_t end = xml.find("</style:style>", at);
            const std::size_t props = xml.find("<style:text-properties ", at);
            if (props < end)
                styles_[AttributesAt(xml, at)["style:name"]] = AttributesAt(xml, props);
        }
    }

    // A style's look for the script whose properties end in `suffix` ("-complex", "-asian").
    Look LookOf(const std::string& style, const std::string& suffix) const {
        const auto it = styles_.find(style);
        if (it == styles_.end())
            return {};
        const auto get = [&](const std::string& name, const std::string& absent) {
            const auto value = it->second.find(name + suffix);
            return value == it->second.end() ? absent : value->second;
        };
        const std::string face = get("style:font-name", "");
        const auto font = fonts_.find(face);
        return {font == fonts_.end() ? face : font->second, get("style:font-size", ""),
                get("style:font-weight", "normal"), get("style:font-style", "normal")};
    }

private:
    std::string xml_;
    std::map<std::string, std::string> fonts_;
    std::map<std::string, Attributes> styles_;
};

ParagraphStyle Styled(const char* font, int points, StyleSet styles) {
    ParagraphStyle s = ParagraphStyle::Roster(points, styles);
    s.fontName = font;
    return s;
}

} // namespace

TEST(LibreOfficeReadback, RightToLeftAndCjkNamesKeepTheirLookAndBlanksStayBlanks) {
    DUTYWISE_REQUIRE_LIBREOFFICE();
    const std::string hebrew = "\xD7\x93\xD7\x95\xD7\x93";          // דוד
    const std::string cjk = "\xE7\x8E\x8B\xE5\xB0\x8F\xE6\x98\x8E"; // 王小明
    const ParagraphStyle plain = ParagraphStyle::Roster(12, {});
    const std::vector<Paragraph> doc{
        {{{"Cooks: ", plain},
          {hebrew, Styled("Liberation Serif", 17, {FontStyle::Bold})},
          {", ", plain},
          {cjk, Styled("Liberation Mono", 15, {FontStyle::Italic})}}},
        {{{"Clean-up: ", plain},
          {hebrew, Styled("DejaVu Sans", 9, {FontStyle::Italic, FontStyle::Underline})},
          {" and ", plain},
          {cjk, Styled("Liberation Sans", 20, {FontStyle::Bold, FontStyle::Italic})}}},
        {{{"Two  blanks,   three", plain}}},
    };
    TempDir dir;
    WriteFileBytes(dir / "roster.rtf", WriteRichText(doc));
    ASSERT_EQ(ConvertWithLibreOffice(dir / "roster.rtf"), "");
    const std::string xml = ReadFileBytes(dir / "roster.fodt");
    const FlatOdt odt(xml);

    const struct {
        std::string text, suffix;
        std::size_t paragraph;
        Look expected;
    } runs[] = {
        {hebrew, "-complex", 0, {"Liberation Serif", "17pt", "bold", "normal"}},
        {cjk, "-asian", 0, {"Liberation Mono", "15pt", "normal", "italic"}},
        {hebrew, "-complex", 1, {"DejaVu Sans", "9pt", "normal", "italic"}},
        {cjk, "-asian", 1, {"Liberation Sans", "20pt", "bold", "italic"}},
    };
    // Each name stands twice, so the spans are found in order: the first of each text is the
    // first paragraph's.
    std::map<std::string, std::vector<std::string>> spans;
    const std::string open = "<text:span text:style-name=\"";
    for (std::size_t at = 0; (at = xml.find(open, at)) != std::string::npos; ++at) {
        const std::size_t textStart = xml.find('>', at) + 1;
        const std::string text =
            XmlUnescape(xml.substr(textStart, xml.find('<', textStart) - textStart));
        spans[text].push_back(
            xml.substr(at + open.size(), xml.find('"', at + open.size()) - at - open.size()));
    }
    for (const auto& run : runs) {
        SCOPED_TRACE(run.text + " in paragraph " + std::to_string(run.paragraph));
        ASSERT_GT(spans[run.text].size(), run.paragraph) << xml;
        EXPECT_EQ(odt.LookOf(spans[run.text][run.paragraph], run.suffix), run.expected);
    }
    // Blanks in a row come back as blanks, not with a thin space (U+2006) before each.
    EXPECT_EQ(xml.find("\xE2\x80\x86"), std::string::npos);
    EXPECT_NE(xml.find("Two <text:s/>blanks, <text:s text:c=\"2\"/>three"), std::string::npos)
        << xml.substr(xml.find("<office:text"));
}
