#pragma once
// What every RosterDocument must do, whatever holds the text. Instantiate with a factory type F
// that is default-constructible and has `std::unique_ptr<dutywise::RosterDocument> Make()`:
//
//   INSTANTIATE_TYPED_TEST_SUITE_P(Memory, RosterDocumentContract, ::testing::Types<MyFactory>);
//
// The fixture keeps the factory alive for as long as the document, so a factory may own the
// editor behind it. Everything here goes through the RosterDocument interface alone.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "RosterDocument.h"

namespace dutywise::testing {

template <class F> class RosterDocumentContract : public ::testing::Test {
protected:
    RosterDocumentContract() : document(factory.Make()) {}

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Paragraph& p : document->Paragraphs())
            texts.push_back(p.Text());
        return texts;
    }
    // The style of a paragraph that must be a single run.
    ParagraphStyle OnlyStyle(std::size_t paragraph) const {
        const std::vector<Paragraph> paragraphs = document->Paragraphs();
        EXPECT_LT(paragraph, paragraphs.size());
        if (paragraph >= paragraphs.size())
            return {};
        EXPECT_EQ(paragraphs[paragraph].runs.size(), 1u) << "paragraph " << paragraph;
        return paragraphs[paragraph].runs.front().style;
    }

    static ParagraphStyle Title() { return ParagraphStyle::Roster(14, {FontStyle::Bold}); }
    static ParagraphStyle Heading() { return ParagraphStyle::Roster(12, {FontStyle::Underline}); }
    static ParagraphStyle Plain() { return ParagraphStyle::Roster(10, {}); }

    F factory; // declared first: it outlives the document
    std::unique_ptr<RosterDocument> document;
};

TYPED_TEST_SUITE_P(RosterDocumentContract);

TYPED_TEST_P(RosterDocumentContract, AppendTakesTheCurrentStyleAndLeavesEarlierParagraphsAlone) {
    auto& doc = *this->document;
    SetRosterStyle(doc, 14, {FontStyle::Bold});
    doc.AppendParagraph("Spring Camp");
    SetRosterStyle(doc, 12, {FontStyle::Underline});
    doc.AppendParagraph("Sunday");
    doc.AppendParagraph("Monday"); // the style carries on to the next append

    EXPECT_EQ(this->Texts(), (std::vector<std::string>{"Spring Camp", "Sunday", "Monday"}));
    EXPECT_EQ(this->OnlyStyle(0), this->Title());
    EXPECT_EQ(this->OnlyStyle(1), this->Heading());
    EXPECT_EQ(this->OnlyStyle(2), this->Heading());
    EXPECT_EQ(doc.CurrentStyle(), this->Heading());
}

TYPED_TEST_P(RosterDocumentContract, EachSetterChangesOneAttributeOnly) {
    auto& doc = *this->document;
    SetRosterStyle(doc, 12, {FontStyle::Underline});
    doc.SetColor(Color::Rgb(200, 10, 20));
    doc.SetFontName("Courier New");
    doc.AppendParagraph("x");

    ParagraphStyle expected = this->Heading();
    expected.color = Color::Rgb(200, 10, 20);
    expected.fontName = "Courier New";
    EXPECT_EQ(this->OnlyStyle(0), expected);
}

TYPED_TEST_P(RosterDocumentContract, AppendParagraphsGivesEveryEntryTheSameStyle) {
    auto& doc = *this->document;
    SetRosterStyle(doc, 14, {FontStyle::Bold});
    doc.AppendParagraph("Title");
    SetRosterStyle(doc, 10, {FontStyle::Bold, FontStyle::Underline});
    doc.AppendParagraphs({"Chips", "", "Apples"});

    EXPECT_EQ(this->Texts(), (std::vector<std::string>{"Title", "Chips", "", "Apples"}));
    const ParagraphStyle snacks =
        ParagraphStyle::Roster(10, {FontStyle::Bold, FontStyle::Underline});
    for (std::size_t i = 1; i < 4; ++i)
        EXPECT_EQ(this->OnlyStyle(i), snacks) << "paragraph " << i;
    // A blank paragraph is one empty run that still carries its style.
    EXPECT_EQ(doc.Paragraphs()[2].runs.front().text, "");
}

TYPED_TEST_P(RosterDocumentContract, ClearRemovesEverythingAndAppendStartsAfresh) {
    auto& doc = *this->document;
    doc.AppendParagraphs({"one", "two", "three"});
    doc.ClearDocument();
    EXPECT_TRUE(doc.Paragraphs().empty());

    SetRosterStyle(doc, 10, {});
    doc.AppendParagraph("fresh");
    EXPECT_EQ(this->Texts(), (std::vector<std::string>{"fresh"}));
    EXPECT_EQ(this->OnlyStyle(0), this->Plain());
}

TYPED_TEST_P(RosterDocumentContract, OnlyParagraphBlankCountsAsEmpty) {
    auto& doc = *this->document;
    doc.ClearDocument();
    doc.AppendParagraph("");
    EXPECT_TRUE(doc.Paragraphs().empty());
    doc.AppendParagraph("first");
    EXPECT_EQ(this->Texts(), (std::vector<std::string>{"first"}));
}

TYPED_TEST_P(RosterDocumentContract, TypingAfterClearStartsAtTheBeginning) {
    auto& doc = *this->document;
    doc.AppendParagraphs({"old", "text"});
    doc.ClearDocument();
    SetRosterStyle(doc, 10, {});
    doc.TypeText("new");
    EXPECT_EQ(this->Texts(), (std::vector<std::string>{"new"}));
}

TYPED_TEST_P(RosterDocumentContract, AppendIgnoresTheSelectionAndLeavesTheCaretAtTheEnd) {
    auto& doc = *this->document;
    SetRosterStyle(doc, 10, {});
    doc.AppendParagraph("keep me");
    doc.SetSelection(0, 4);
    doc.AppendParagraph("added");
    doc.TypeText("!");
    EXPECT_EQ(this->Texts(), (std::vector<std::string>{"keep me", "added!"}));
}

TYPED_TEST_P(RosterDocumentContract, RestylingPartOfAParagraphSplitsItsRun) {
    auto& doc = *this->document;
    SetRosterStyle(doc, 10, {});
    doc.AppendParagraph("Hello brave world");
    doc.SetSelection(6, 5); // "brave"
    doc.SetStyleSet({FontStyle::Bold, FontStyle::Italic});
    doc.SetColor(Color::Rgb(0, 0, 255));

    ParagraphStyle changed = this->Plain();
    changed.styles = {FontStyle::Bold, FontStyle::Italic};
    changed.color = Color::Rgb(0, 0, 255);
    const std::vector<Paragraph> paragraphs = doc.Paragraphs();
    ASSERT_EQ(paragraphs.size(), 1u);
    EXPECT_EQ(paragraphs[0].runs,
              (std::vector<dutywise::Run>{
                  {"Hello ", this->Plain()}, {"brave", changed}, {" world", this->Plain()}}));
}

TYPED_TEST_P(RosterDocumentContract, RestylingBackMergesTheRunsAgain) {
    auto& doc = *this->document;
    SetRosterStyle(doc, 10, {});
    doc.AppendParagraph("Hello brave world");
    doc.SetSelection(6, 5);
    doc.SetStyleSet({FontStyle::Underline});
    doc.SetSelection(6, 5);
    doc.SetStyleSet({});
    const std::vector<Paragraph> paragraphs = doc.Paragraphs();
    ASSERT_EQ(paragraphs.size(), 1u);
    EXPECT_EQ(paragraphs[0].runs,
              (std::vector<dutywise::Run>{{"Hello brave world", this->Plain()}}));
}

TYPED_TEST_P(RosterDocumentContract, SelectionAcrossAParagraphBreakRestylesBothSides) {
    auto& doc = *this->document;
    SetRosterStyle(doc, 10, {});
    doc.AppendParagraphs({"abc", "def"});
    doc.SetSelection(1, 4); // "bc", the break, "d"
    doc.SetFontSize(20);

    ParagraphStyle big = this->Plain();
    big.sizeTwentieths = 400;
    const std::vector<Paragraph> paragraphs = doc.Paragraphs();
    ASSERT_EQ(paragraphs.size(), 2u);
    EXPECT_EQ(paragraphs[0].runs, (std::vector<dutywise::Run>{{"a", this->Plain()}, {"bc", big}}));
    EXPECT_EQ(paragraphs[1].runs, (std::vector<dutywise::Run>{{"d", big}, {"ef", this->Plain()}}));
}

TYPED_TEST_P(RosterDocumentContract, PositionsCountCharactersNotBytes) {
    auto& doc = *this->document;
    SetRosterStyle(doc, 10, {});
    doc.AppendParagraph("Crêpes");
    doc.SetSelection(2, 1); // "ê", two bytes in UTF-8
    doc.SetStyleSet({FontStyle::Bold});
    const std::vector<Paragraph> paragraphs = doc.Paragraphs();
    ASSERT_EQ(paragraphs.size(), 1u);
    ASSERT_EQ(paragraphs[0].runs.size(), 3u);
    EXPECT_EQ(paragraphs[0].runs[1].text, "ê");
    EXPECT_TRUE(paragraphs[0].runs[1].style.styles.Has(FontStyle::Bold));
    EXPECT_EQ(paragraphs[0].Text(), "Crêpes");
}

TYPED_TEST_P(RosterDocumentContract, GetStyleSetHoldsOnlyFlagsEverySelectedCharacterCarries) {
    auto& doc = *this->document;
    SetRosterStyle(doc, 10, {FontStyle::Bold});
    doc.AppendParagraph("Hello world");
    doc.SetSelection(6, 5);
    doc.SetStyleSet({FontStyle::Bold, FontStyle::Italic});

    doc.SetSelection(6, 5); // uniform
    EXPECT_EQ(doc.GetStyleSet(), (StyleSet{FontStyle::Bold, FontStyle::Italic}));
    doc.SetSelection(0, 11); // mixed: italic only on part of it
    EXPECT_EQ(doc.GetStyleSet(), (StyleSet{FontStyle::Bold}));
    doc.SetSelection(3, 5);
    EXPECT_EQ(doc.GetStyleSet(), (StyleSet{FontStyle::Bold}));
}

TYPED_TEST_P(RosterDocumentContract, CaretTakesTheStyleOfTheCharacterBeforeIt) {
    auto& doc = *this->document;
    SetRosterStyle(doc, 10, {FontStyle::Bold});
    doc.AppendParagraph("ab");
    SetRosterStyle(doc, 10, {FontStyle::Italic});
    doc.AppendParagraph("cd");

    doc.SetSelection(2, 0); // end of "ab"
    EXPECT_EQ(doc.GetStyleSet(), (StyleSet{FontStyle::Bold}));
    EXPECT_EQ(doc.CurrentStyle(), ParagraphStyle::Roster(10, {FontStyle::Bold}));
    doc.SetSelection(3, 0); // start of "cd": the character after it
    EXPECT_EQ(doc.GetStyleSet(), (StyleSet{FontStyle::Italic}));
    doc.SetSelection(0, 0); // start of the document
    EXPECT_EQ(doc.GetStyleSet(), (StyleSet{FontStyle::Bold}));
}

TYPED_TEST_P(RosterDocumentContract, CaretBetweenTwoRunsTakesTheRunBeforeIt) {
    auto& doc = *this->document;
    SetRosterStyle(doc, 10, {FontStyle::Bold});
    doc.AppendParagraph("ab");
    doc.SetSelection(1, 1);
    doc.SetStyleSet({FontStyle::Italic}); // bold "a", italic "b"
    const ParagraphStyle bold = ParagraphStyle::Roster(10, {FontStyle::Bold});
    const ParagraphStyle italic = ParagraphStyle::Roster(10, {FontStyle::Italic});

    doc.SetSelection(2, 0); // first after "b", so that the move to 1 has to change the style
    EXPECT_EQ(doc.CurrentStyle(), italic);
    doc.SetSelection(1, 0);
    EXPECT_EQ(doc.GetStyleSet(), (StyleSet{FontStyle::Bold}));
    EXPECT_EQ(doc.CurrentStyle(), bold);
    doc.TypeText("X");
    const std::vector<Paragraph> paragraphs = doc.Paragraphs();
    ASSERT_EQ(paragraphs.size(), 1u);
    EXPECT_EQ(paragraphs[0].runs, (std::vector<dutywise::Run>{{"aX", bold}, {"b", italic}}));
}

TYPED_TEST_P(RosterDocumentContract, SettersAtABareCaretChangeOnlyTheCurrentStyle) {
    auto& doc = *this->document;
    SetRosterStyle(doc, 10, {FontStyle::Bold});
    doc.AppendParagraph("abc");
    const std::vector<Paragraph> before = doc.Paragraphs();

    doc.SetSelection(1, 0);
    doc.SetStyleSet({FontStyle::Italic});
    doc.SetFontName("Courier New");
    doc.SetFontSize(18);
    doc.SetColor(Color::Rgb(255, 0, 0));

    EXPECT_EQ(doc.Paragraphs(), before);
    EXPECT_EQ(doc.GetStyleSet(), (StyleSet{FontStyle::Italic}));
    const ParagraphStyle current = doc.CurrentStyle();
    EXPECT_EQ(current.fontName, "Courier New");
    EXPECT_EQ(current.sizeTwentieths, 18 * 20);
    EXPECT_EQ(current.color, Color::Rgb(255, 0, 0));
}

TYPED_TEST_P(RosterDocumentContract, TypingAtTheCaretTakesTheCurrentStyle) {
    auto& doc = *this->document;
    SetRosterStyle(doc, 10, {FontStyle::Bold});
    doc.AppendParagraph("abc");
    doc.SetSelection(1, 0);
    doc.SetStyleSet({FontStyle::Italic});
    doc.TypeText("XY");

    const ParagraphStyle bold = ParagraphStyle::Roster(10, {FontStyle::Bold});
    const ParagraphStyle italic = ParagraphStyle::Roster(10, {FontStyle::Italic});
    std::vector<Paragraph> paragraphs = doc.Paragraphs();
    ASSERT_EQ(paragraphs.size(), 1u);
    EXPECT_EQ(paragraphs[0].runs,
              (std::vector<dutywise::Run>{{"a", bold}, {"XY", italic}, {"bc", bold}}));

    // The caret moved past the typed text and kept its style.
    doc.TypeText("Z");
    EXPECT_EQ(doc.Paragraphs()[0].Text(), "aXYZbc");
}

TYPED_TEST_P(RosterDocumentContract, TypingReplacesTheSelection) {
    auto& doc = *this->document;
    SetRosterStyle(doc, 10, {});
    doc.AppendParagraphs({"Cook: Ann", "Cleanup: Bob"});
    doc.SetSelection(6, 3); // "Ann"
    doc.TypeText("Dee");
    EXPECT_EQ(this->Texts(), (std::vector<std::string>{"Cook: Dee", "Cleanup: Bob"}));
    EXPECT_EQ(this->OnlyStyle(0), this->Plain());

    doc.SetSelection(9, 10); // "Dee" to "Cleanup: " joins the two paragraphs
    doc.TypeText(" & ");
    EXPECT_EQ(this->Texts(), (std::vector<std::string>{"Cook: Dee & Bob"}));
}

TYPED_TEST_P(RosterDocumentContract, TypingALineBreakSplitsTheParagraph) {
    auto& doc = *this->document;
    SetRosterStyle(doc, 10, {});
    doc.AppendParagraph("Cook: Ann");
    doc.SetSelection(5, 0);
    doc.TypeText("\n");
    EXPECT_EQ(this->Texts(), (std::vector<std::string>{"Cook:", " Ann"}));
    doc.TypeText("x\ny");
    EXPECT_EQ(this->Texts(), (std::vector<std::string>{"Cook:", "x", "y Ann"}));
}

TYPED_TEST_P(RosterDocumentContract, FontNameIsCutTo31CharactersWithoutSplittingOne) {
    auto& doc = *this->document;
    const std::string forty(40, 'F');
    doc.SetFontName(forty);
    EXPECT_EQ(doc.CurrentStyle().fontName, forty.substr(0, 31));

    // 30 ASCII letters, then two-byte characters: the cut keeps exactly one of them whole.
    const std::string accented = std::string(30, 'a') + "éééé";
    doc.SetFontName(accented);
    doc.AppendParagraph("text");
    EXPECT_EQ(this->OnlyStyle(0).fontName, std::string(30, 'a') + "é");

    doc.SetSelection(0, 4);
    doc.SetFontName(forty);
    EXPECT_EQ(this->OnlyStyle(0).fontName, forty.substr(0, 31));
}

TYPED_TEST_P(RosterDocumentContract, FontSizeIsHeldToWhatADocumentCarries) {
    auto& doc = *this->document;
    const struct {
        int given, kept;
    } cases[] = {{0, 1}, {-5, 1}, {5000, 1638}, {1, 1}, {100, 100}, {1638, 1638}};
    for (const auto& c : cases) {
        doc.SetFontSize(c.given);
        EXPECT_EQ(doc.CurrentStyle().sizeTwentieths, c.kept * 20) << "size " << c.given;
    }

    doc.AppendParagraph("abc");
    doc.SetSelection(0, 3);
    doc.SetFontSize(0);
    EXPECT_EQ(this->OnlyStyle(0).sizeTwentieths, 20);
    doc.SetFontSize(5000);
    EXPECT_EQ(this->OnlyStyle(0).sizeTwentieths, 1638 * 20);
}

REGISTER_TYPED_TEST_SUITE_P(
    RosterDocumentContract, AppendTakesTheCurrentStyleAndLeavesEarlierParagraphsAlone,
    EachSetterChangesOneAttributeOnly, AppendParagraphsGivesEveryEntryTheSameStyle,
    ClearRemovesEverythingAndAppendStartsAfresh, OnlyParagraphBlankCountsAsEmpty,
    TypingAfterClearStartsAtTheBeginning, AppendIgnoresTheSelectionAndLeavesTheCaretAtTheEnd,
    RestylingPartOfAParagraphSplitsItsRun, RestylingBackMergesTheRunsAgain,
    SelectionAcrossAParagraphBreakRestylesBothSides, PositionsCountCharactersNotBytes,
    GetStyleSetHoldsOnlyFlagsEverySelectedCharacterCarries,
    CaretTakesTheStyleOfTheCharacterBeforeIt, CaretBetweenTwoRunsTakesTheRunBeforeIt,
    SettersAtABareCaretChangeOnlyTheCurrentStyle, TypingAtTheCaretTakesTheCurrentStyle,
    TypingReplacesTheSelection, TypingALineBreakSplitsTheParagraph,
    FontNameIsCutTo31CharactersWithoutSplittingOne, FontSizeIsHeldToWhatADocumentCarries);

} // namespace dutywise::testing
