#include <memory>

#include "DocumentContract.h"
#include "MemoryDocument.h"

namespace dutywise::testing {
namespace {

struct MemoryDocumentFactory {
    std::unique_ptr<RosterDocument> Make() { return std::make_unique<MemoryDocument>(); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, RosterDocumentContract,
                               ::testing::Types<MemoryDocumentFactory>);

TEST(MemoryDocument, SelectionIsHeldInsideTheDocument) {
    MemoryDocument doc;
    doc.AppendParagraphs({"abc", "de"}); // 3 + 1 break + 2
    EXPECT_EQ(doc.Length(), 6);
    doc.SetSelection(4, 100);
    EXPECT_EQ(doc.SelectionStart(), 4);
    EXPECT_EQ(doc.SelectionLength(), 2);
    doc.SetSelection(-3, 2);
    EXPECT_EQ(doc.SelectionStart(), 0);
    EXPECT_EQ(doc.SelectionLength(), 0);
    doc.SetSelection(2147483647, 2147483647); // no overflow on the way
    EXPECT_EQ(doc.SelectionStart(), 6);
}

TEST(MemoryDocument, BlankParagraphKeepsItsStyleWhenItsTextIsTypedAway) {
    MemoryDocument doc;
    SetRosterStyle(doc, 12, {FontStyle::Underline});
    doc.AppendParagraph("Sunday");
    SetRosterStyle(doc, 10, {FontStyle::Bold});
    doc.AppendParagraph("Lunch");
    doc.SetSelection(7, 5);
    doc.TypeText("");
    const std::vector<Paragraph> paragraphs = doc.Paragraphs();
    ASSERT_EQ(paragraphs.size(), 2u);
    EXPECT_EQ(paragraphs[1].runs,
              (std::vector<dutywise::Run>{{"", ParagraphStyle::Roster(10, {FontStyle::Bold})}}));
    // Its caret shows that style too.
    EXPECT_EQ(doc.CurrentStyle(), ParagraphStyle::Roster(10, {FontStyle::Bold}));
}

TEST(MemoryDocument, SelectionOverBlankParagraphsRestylesThem) {
    MemoryDocument doc;
    SetRosterStyle(doc, 10, {});
    doc.AppendParagraphs({"a", "", "b"});
    doc.SetSelection(0, 4);
    doc.SetStyleSet({FontStyle::Italic});
    const std::vector<Paragraph> paragraphs = doc.Paragraphs();
    ASSERT_EQ(paragraphs.size(), 3u);
    EXPECT_EQ(paragraphs[1].runs.front().style.styles, (StyleSet{FontStyle::Italic}));
    EXPECT_EQ(paragraphs[2].runs.front().style.styles, (StyleSet{FontStyle::Italic}));
}

TEST(MemoryDocument, LongTextsCountCharactersNotBytes) {
    MemoryDocument doc;
    std::string text;
    for (int i = 0; i < 20; ++i)
        text += "é€"; // two and three bytes
    text += "abcdefghij";
    doc.AppendParagraph(text);
    EXPECT_EQ(doc.Length(), 50);
    doc.SetSelection(39, 2); // the last "€" and the "a"
    doc.SetStyleSet({FontStyle::Italic});
    const std::vector<Paragraph> paragraphs = doc.Paragraphs();
    ASSERT_EQ(paragraphs[0].runs.size(), 3u);
    EXPECT_EQ(paragraphs[0].runs[1].text, "€a");
}

} // namespace
} // namespace dutywise::testing
