#pragma once
// The user's restyling tools on any RosterDocument. Instantiate with the same factory type as
// DocumentContract.h (default-constructible, `std::unique_ptr<dutywise::RosterDocument> Make()`):
//
//   INSTANTIATE_TYPED_TEST_SUITE_P(Memory, FormattingContract, ::testing::Types<MyFactory>);
//
// Everything here goes through the RosterDocument interface and the tools alone.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "DocumentTools.h"
#include "RosterDocument.h"

namespace dutywise::testing {

template <class F> class FormattingContract : public ::testing::Test {
protected:
    FormattingContract() : doc(factory.Make()) {}

    // A paragraph as (text, style set) per run.
    std::vector<std::pair<std::string, StyleSet>> Runs(std::size_t paragraph) const {
        std::vector<std::pair<std::string, StyleSet>> runs;
        const std::vector<Paragraph> paragraphs = doc->Paragraphs();
        EXPECT_LT(paragraph, paragraphs.size());
        if (paragraph < paragraphs.size())
            for (const dutywise::Run& r : paragraphs[paragraph].runs)
                runs.emplace_back(r.text, r.style.styles);
        return runs;
    }
    // Appends the paragraphs in 12-point Arial black with the given style set.
    void Write(StyleSet styles, const std::vector<std::string>& texts) {
        SetRosterStyle(*doc, 12, styles);
        doc->AppendParagraphs(texts);
    }

    F factory; // declared first: it outlives the document
    std::unique_ptr<RosterDocument> doc;
};

TYPED_TEST_SUITE_P(FormattingContract);

using RunList = std::vector<std::pair<std::string, StyleSet>>;
inline constexpr StyleSet kNone{};
inline constexpr StyleSet kBold{FontStyle::Bold};

TYPED_TEST_P(FormattingContract, BoldOnAPlainSelectionThenAgainGivesPlain) {
    this->Write(kNone, {"Sunday Breakfast"});
    this->doc->SetSelection(0, 6);
    ToggleBold(*this->doc);
    EXPECT_EQ(this->Runs(0), (RunList{{"Sunday", kBold}, {" Breakfast", kNone}}));
    EXPECT_EQ(this->doc->GetStyleSet(), kBold);
    ToggleBold(*this->doc);
    EXPECT_EQ(this->Runs(0), (RunList{{"Sunday Breakfast", kNone}}));
}

TYPED_TEST_P(FormattingContract, ToggleLeavesTheOtherFlagsOfAUniformSelection) {
    const StyleSet iu{FontStyle::Italic, FontStyle::Underline};
    this->Write(iu, {"Cooks: Ann"});
    this->doc->SetSelection(0, 10);
    ToggleBold(*this->doc);
    EXPECT_EQ(this->Runs(0), (RunList{{"Cooks: Ann", iu.With(FontStyle::Bold)}}));
    ToggleItalic(*this->doc);
    EXPECT_EQ(this->Runs(0),
              (RunList{{"Cooks: Ann", StyleSet{FontStyle::Bold, FontStyle::Underline}}}));
    ToggleUnderline(*this->doc);
    ToggleBold(*this->doc);
    EXPECT_EQ(this->Runs(0), (RunList{{"Cooks: Ann", kNone}}));
    ToggleUnderline(*this->doc);
    EXPECT_EQ(this->Runs(0), (RunList{{"Cooks: Ann", StyleSet{FontStyle::Underline}}}));
}

TYPED_TEST_P(FormattingContract, MixedSelectionBecomesWhollyBold) {
    this->Write(kNone, {"Ann Ben Cy"});
    this->doc->SetSelection(0, 3);
    ToggleBold(*this->doc);
    this->doc->SetSelection(4, 3);
    ToggleItalic(*this->doc);
    // "Ann" bold, "Ben" italic: neither flag is on the whole selection, so bold is added and the
    // style set written back carries no italic.
    this->doc->SetSelection(0, 7);
    EXPECT_EQ(this->doc->GetStyleSet(), kNone);
    ToggleBold(*this->doc);
    EXPECT_EQ(this->Runs(0), (RunList{{"Ann Ben", kBold}, {" Cy", kNone}}));
}

TYPED_TEST_P(FormattingContract, SelectionAcrossParagraphsIsToggledOnBothSides) {
    this->Write(kNone, {"Monday", "Dinner"});
    this->doc->SetSelection(3, 6); // "day", the break, "Di"
    ToggleUnderline(*this->doc);
    const StyleSet u{FontStyle::Underline};
    EXPECT_EQ(this->Runs(0), (RunList{{"Mon", kNone}, {"day", u}}));
    EXPECT_EQ(this->Runs(1), (RunList{{"Di", u}, {"nner", kNone}}));
}

TYPED_TEST_P(FormattingContract, BoldAtACaretInPlainTextAppliesToTypedTextOnly) {
    this->Write(kNone, {"Sunday", "Monday", "Tuesday"});
    this->doc->SetSelection(7 + 3, 0); // "Mon|day"
    ToggleBold(*this->doc);
    EXPECT_EQ(this->Runs(1), (RunList{{"Monday", kNone}})) << "no existing text changes";
    this->doc->TypeText("XY");
    EXPECT_EQ(this->Runs(0), (RunList{{"Sunday", kNone}}));
    EXPECT_EQ(this->Runs(1), (RunList{{"Mon", kNone}, {"XY", kBold}, {"day", kNone}}));
    EXPECT_EQ(this->Runs(2), (RunList{{"Tuesday", kNone}}));
}

TYPED_TEST_P(FormattingContract, BoldAtACaretInBoldTextTakesBoldAwayFromTypedText) {
    this->Write(kBold, {"Sunday", "Monday"});
    this->doc->SetSelection(3, 0);
    ToggleBold(*this->doc);
    this->doc->TypeText("xy");
    EXPECT_EQ(this->Runs(0), (RunList{{"Sun", kBold}, {"xy", kNone}, {"day", kBold}}));
    EXPECT_EQ(this->Runs(1), (RunList{{"Monday", kBold}}));
}

TYPED_TEST_P(FormattingContract, ValueToolsAtABareCaretChangeNoExistingText) {
    this->Write(kNone, {"Sunday", "Monday"});
    const std::vector<Paragraph> before = this->doc->Paragraphs();
    this->doc->SetSelection(9, 0); // "Mon|day"
    SetSelectionFont(*this->doc, "Courier New");
    SetSelectionColor(*this->doc, Color::Rgb(0, 128, 0));
    SetSelectionSize(*this->doc, 20);
    EXPECT_EQ(this->doc->Paragraphs(), before);

    const ParagraphStyle current = this->doc->CurrentStyle();
    EXPECT_EQ(current.fontName, "Courier New");
    EXPECT_EQ(current.color, Color::Rgb(0, 128, 0));
    EXPECT_EQ(current.sizeTwentieths, 400);
    EXPECT_EQ(current.styles, kNone) << "each tool changes one attribute";
    this->doc->TypeText("z");
    const std::vector<Paragraph> after = this->doc->Paragraphs();
    ASSERT_EQ(after.size(), 2u);
    ASSERT_EQ(after[1].runs.size(), 3u);
    EXPECT_EQ(after[1].runs[1].text, "z");
    EXPECT_EQ(after[1].runs[1].style, current);
}

TYPED_TEST_P(FormattingContract, ValueToolsOnASelectionChangeOnlyIt) {
    this->Write(kBold, {"Sunday"});
    this->doc->SetSelection(0, 3);
    SetSelectionColor(*this->doc, Color::Automatic());
    SetSelectionFont(*this->doc, "Liberation Serif");
    SetSelectionSize(*this->doc, 36);
    const std::vector<Paragraph> p = this->doc->Paragraphs();
    ASSERT_EQ(p.size(), 1u);
    ASSERT_EQ(p[0].runs.size(), 2u);
    ParagraphStyle changed = ParagraphStyle::Roster(36, kBold);
    changed.fontName = "Liberation Serif";
    changed.color = Color::Automatic();
    EXPECT_EQ(p[0].runs[0], (dutywise::Run{"Sun", changed}));
    EXPECT_EQ(p[0].runs[1], (dutywise::Run{"day", ParagraphStyle::Roster(12, kBold)}));
}

TYPED_TEST_P(FormattingContract, FontNameTypedLetterByLetterEndsAsTheFullNameCutTo31) {
    this->Write(kNone, {"Sunday"});
    this->doc->SetSelection(0, 6);
    const std::string name = "Very Long Font Family Name That Goes On"; // 39 characters
    for (std::size_t n = 1; n <= name.size(); ++n)
        SetSelectionFont(*this->doc, name.substr(0, n));
    const std::vector<Paragraph> p = this->doc->Paragraphs();
    ASSERT_EQ(p.size(), 1u);
    ASSERT_EQ(p[0].runs.size(), 1u);
    EXPECT_EQ(p[0].runs[0].style.fontName, name.substr(0, 31));
}

// A typed "0" or "-5" reaches the tool before the size box corrects it: the nearest size a
// document can carry is applied, and sizes in range are applied unchanged.
TYPED_TEST_P(FormattingContract, SizeOutOfRangeIsHeldToOneTo1638Points) {
    this->Write(kNone, {"Sunday"});
    this->doc->SetSelection(0, 6);
    const auto sizeAfter = [&](int points) {
        SetSelectionSize(*this->doc, points);
        const std::vector<Paragraph> p = this->doc->Paragraphs();
        return p.empty() || p[0].runs.empty() ? -1 : p[0].runs[0].style.sizeTwentieths / 20;
    };
    EXPECT_EQ(sizeAfter(0), 1);
    EXPECT_EQ(sizeAfter(-5), 1);
    EXPECT_EQ(sizeAfter(1), 1);
    EXPECT_EQ(sizeAfter(100), 100);
    EXPECT_EQ(sizeAfter(1638), 1638);
    EXPECT_EQ(sizeAfter(5000), 1638);
}

TYPED_TEST_P(FormattingContract, OnAnEmptyDocumentTheToolsSetTheCurrentStyle) {
    this->doc->ClearDocument();
    const StyleSet before = this->doc->GetStyleSet();
    ToggleItalic(*this->doc);
    EXPECT_EQ(this->doc->GetStyleSet().Has(FontStyle::Italic), !before.Has(FontStyle::Italic));
    SetSelectionSize(*this->doc, 18);
    this->doc->AppendParagraph("x");
    const std::vector<Paragraph> p = this->doc->Paragraphs();
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0].runs[0].style.styles.Has(FontStyle::Italic), !before.Has(FontStyle::Italic));
    EXPECT_EQ(p[0].runs[0].style.sizeTwentieths, 360);
}

REGISTER_TYPED_TEST_SUITE_P(
    FormattingContract, BoldOnAPlainSelectionThenAgainGivesPlain,
    ToggleLeavesTheOtherFlagsOfAUniformSelection, MixedSelectionBecomesWhollyBold,
    SelectionAcrossParagraphsIsToggledOnBothSides, BoldAtACaretInPlainTextAppliesToTypedTextOnly,
    BoldAtACaretInBoldTextTakesBoldAwayFromTypedText, ValueToolsAtABareCaretChangeNoExistingText,
    ValueToolsOnASelectionChangeOnlyIt, FontNameTypedLetterByLetterEndsAsTheFullNameCutTo31,
    SizeOutOfRangeIsHeldToOneTo1638Points, OnAnEmptyDocumentTheToolsSetTheCurrentStyle);

} // namespace dutywise::testing
