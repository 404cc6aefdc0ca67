// The Generation page's tools, worked through the page's own controls.

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTextEdit>
#include <QTimer>

#include "Abiword.h"
#include "FlatColorComboBox.h"
#include "FlatSpinEdit.h"
#include "InputBox.h"
#include "WizardTestSupport.h"

using namespace wizardtest;
using dutywise::FontStyle;
using dutywise::Paragraph;
using dutywise::ParagraphStyle;
using testsupport::AnswerNextModal;

namespace {

class GenerationTools : public ::testing::Test {
protected:
    void SetUp() override {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        ShowPage(w, 5);
        editor = Find<QTextEdit>(w, "rosterEditor");
        size = Find<FlatSpinEdit>(w, "sizeBox");
    }
    // Selects as a mouse drag would, in the editor's own positions.
    void Select(int start, int end) {
        editor->setFocus();
        QTextCursor c(editor->document());
        c.setPosition(start);
        c.setPosition(end, QTextCursor::KeepAnchor);
        editor->setTextCursor(c);
    }
    void Caret(int at) { Select(at, at); }
    ParagraphStyle StyleOfLine(std::size_t line) {
        return w.Document().Paragraphs().at(line).runs.front().style;
    }
    // Types into the size box as a user does, the box keeping the focus.
    void TypeSize(const QString& keys) {
        size->lineEdit()->setFocus();
        QTest::keyClicks(size->lineEdit(), keys);
    }

    WizardWindow w;
    QTextEdit* editor = nullptr;
    FlatSpinEdit* size = nullptr;
};

constexpr int kFirstLineLength = 16; // "Self Interpreter"

TEST_F(GenerationTools, BoldTogglesTheSelectionAndLeavesItalicAlone) {
    Select(0, kFirstLineLength); // the initial lines are bold
    Click(w, "boldButton");
    EXPECT_EQ(StyleOfLine(0).styles, dutywise::StyleSet{});
    Click(w, "italicButton");
    EXPECT_EQ(StyleOfLine(0).styles, (dutywise::StyleSet{FontStyle::Italic}));

    // Now a plain (italic) selection: bold once makes it bold, twice plain again.
    Click(w, "boldButton");
    EXPECT_EQ(StyleOfLine(0).styles, (dutywise::StyleSet{FontStyle::Bold, FontStyle::Italic}));
    Click(w, "boldButton");
    EXPECT_EQ(StyleOfLine(0).styles, (dutywise::StyleSet{FontStyle::Italic}));
    Click(w, "underlineButton");
    EXPECT_EQ(StyleOfLine(0).styles, (dutywise::StyleSet{FontStyle::Italic, FontStyle::Underline}));
    // The next line was never selected.
    EXPECT_EQ(StyleOfLine(1), ParagraphStyle::Default());
    EXPECT_TRUE(editor->textCursor().hasSelection()); // the buttons do not take the selection away
}

TEST_F(GenerationTools, ColourAndFontWithNothingSelectedChangeNoTextOnlyWhatIsTypedNext) {
    Caret(kFirstLineLength);
    const auto before = w.Document().Paragraphs();

    auto* colour = Find<FlatColorComboBox>(w, "colourBox");
    colour->setFocus();
    QTest::keyClick(colour, Qt::Key_Down); // Black to the next named colour
    const QColor picked = colour->value();
    ASSERT_NE(picked, QColor(Qt::black));

    auto* font = Find<QComboBox>(w, "fontBox");
    font->lineEdit()->setFocus();
    font->lineEdit()->selectAll();
    QTest::keyClicks(font->lineEdit(), "Courier");

    EXPECT_EQ(w.Document().Paragraphs(), before);
    const ParagraphStyle next = w.Document().CurrentStyle();
    EXPECT_EQ(next.fontName, "Courier");
    EXPECT_EQ(next.color, dutywise::Color::Rgb(static_cast<std::uint8_t>(picked.red()),
                                               static_cast<std::uint8_t>(picked.green()),
                                               static_cast<std::uint8_t>(picked.blue())));
}

TEST_F(GenerationTools, TypingIntoTheSizeBoxAppliesEachKeystrokeThenTheCorrectedSize) {
    Select(0, kFirstLineLength);
    size->lineEdit()->setFocus();
    size->lineEdit()->selectAll();
    std::vector<int> applied;
    for (const char* key : {"1", "0", "0"}) {
        TypeSize(key);
        applied.push_back(StyleOfLine(0).sizeTwentieths / 20);
    }
    EXPECT_EQ(applied, (std::vector<int>{1, 10, 100}));

    // Leaving the box brings it into range, and the corrected size is applied again.
    Find<QComboBox>(w, "fontBox")->setFocus();
    ASSERT_TRUE(testsupport::WaitUntil([&] { return !size->lineEdit()->hasFocus(); }));
    EXPECT_EQ(size->text(), "72");
    EXPECT_EQ(StyleOfLine(0).sizeTwentieths, 72 * 20);
    EXPECT_EQ(StyleOfLine(1), ParagraphStyle::Default());
}

TEST_F(GenerationTools, EmptyingTheSizeBoxAppliesEightPoints) {
    Select(0, kFirstLineLength);
    size->lineEdit()->setFocus();
    size->lineEdit()->selectAll();
    TypeSize("20");
    EXPECT_EQ(StyleOfLine(0).sizeTwentieths, 20 * 20);
    size->lineEdit()->selectAll();
    QTest::keyClick(size->lineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(size->text(), "");
    EXPECT_EQ(StyleOfLine(0).sizeTwentieths, 8 * 20);
}

TEST_F(GenerationTools, SaveAddsRtfProposesTheLastNameAndCancelWritesNothing) {
    dutywise::testing::TempDir dir;
    QString firstProposal = "unset";
    auto saved = SaveAs(QString::fromStdString(dir / "roster"), &firstProposal);
    Click(w, "saveButton");
    ASSERT_TRUE(saved->found) << saved->error.toStdString();
    EXPECT_EQ(saved->title, "Save As");
    EXPECT_EQ(firstProposal, ""); // no name to propose yet
    const std::string file = dir / "roster.rtf";
    ASSERT_TRUE(std::filesystem::exists(file));
    const std::string bytes = dutywise::testing::ReadFileBytes(file);
    EXPECT_EQ(bytes.rfind("{\\rtf", 0), 0u);

    // The second save proposes the first one's name; cancelling it writes nothing.
    QString secondProposal;
    auto cancelled = AnswerNextModal("Cancel", [&](QWidget* dialog) {
        auto* fd = static_cast<QFileDialog*>(dialog);
        secondProposal =
            QDir(fd->directory()).filePath(fd->findChild<QLineEdit*>("fileNameEdit")->text());
    });
    Select(0, kFirstLineLength);
    Click(w, "italicButton"); // a change that a written file would show
    Click(w, "saveButton");
    ASSERT_TRUE(cancelled->found) << cancelled->error.toStdString();
    EXPECT_EQ(secondProposal, QString::fromStdString(file));
    EXPECT_EQ(dutywise::testing::ReadFileBytes(file), bytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// Started from another folder (the installed program's is read-only), the first roster, plan
// save and plan open dialogs of a run open in the user's Documents folder.
TEST_F(GenerationTools, FileDialogsFirstOpenInDocumentsNotTheCurrentFolder) {
    dutywise::testing::TempDir home, elsewhere;
    const QByteArray savedHome = qgetenv("HOME");
    const QString savedFolder = QDir::currentPath();
    qputenv("HOME", QByteArray::fromStdString(home.path().string()));
    QDir::setCurrent(QString::fromStdString(elsewhere.path().string()));
    std::filesystem::create_directory(home / "Documents");
    for (const auto& [page, button] :
         {std::pair{5, "saveButton"}, std::pair{0, "savePlanButton"}, {0, "openPlanButton"}}) {
        QString shown;
        auto cancelled = AnswerNextModal("Cancel", [&](QWidget* d) {
            shown = QDir(static_cast<QFileDialog*>(d)->directory()).canonicalPath();
        });
        ShowPage(w, page);
        Click(w, button);
        EXPECT_EQ(shown, QDir(QString::fromStdString(home / "Documents")).canonicalPath()) << button;
    }
    QDir::setCurrent(savedFolder);
    qputenv("HOME", savedHome);
}

TEST_F(GenerationTools, SavedFileReadsBackInAbiwordWithTheEditorsStyles) {
    DUTYWISE_REQUIRE_ABIWORD();
    // Restyle the first line: italic, not bold, red, 20 points, Courier.
    Select(0, kFirstLineLength);
    Click(w, "boldButton");
    Click(w, "italicButton");
    auto* colour = Find<FlatColorComboBox>(w, "colourBox");
    const int red = colour->findText("Red");
    ASSERT_GE(red, 0);
    colour->setFocus();
    colour->setCurrentIndex(red - 1);
    QTest::keyClick(colour, Qt::Key_Down);
    ASSERT_EQ(colour->value(), QColor(Qt::red));
    size->lineEdit()->setFocus();
    size->lineEdit()->selectAll();
    TypeSize("20");
    auto* font = Find<QComboBox>(w, "fontBox");
    font->lineEdit()->setFocus();
    font->lineEdit()->selectAll();
    QTest::keyClicks(font->lineEdit(), "Courier");

    dutywise::testing::TempDir dir;
    auto saved = SaveAs(QString::fromStdString(dir / "styled.rtf"));
    Click(w, "saveButton");
    ASSERT_TRUE(saved->found) << saved->error.toStdString();
    const std::string rtf = dir / "styled.rtf";
    ASSERT_EQ(dutywise::testing::ConvertWithAbiword({rtf}, "abw"), "");
    const auto read = dutywise::testing::ParseAbw(
        dutywise::testing::ReadFileBytes(dutywise::testing::WithExtension(rtf, ".abw")));

    const auto paragraphs = w.Document().Paragraphs();
    ASSERT_EQ(read.size(), paragraphs.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        std::string text;
        for (const auto& r : read[i].runs)
            text += r.text;
        EXPECT_EQ(text, paragraphs[i].Text()) << i;
    }
    ASSERT_EQ(read[0].runs.size(), 1u);
    auto first = read[0].runs[0].props;
    EXPECT_EQ(first["font-family"], "Courier");
    EXPECT_EQ(first["font-size"], "20pt");
    EXPECT_EQ(first["font-style"], "italic");
    EXPECT_NE(first["font-weight"], "bold");
    EXPECT_EQ(first["color"], "ff0000");
    auto second = read[1].runs[0].props;
    EXPECT_EQ(second["font-family"], "Arial");
    EXPECT_EQ(second["font-weight"], "bold");
    EXPECT_NE(second["font-style"], "italic");
}

TEST_F(GenerationTools, SaveThatCannotWriteShowsTheFileInTheErrorBox) {
    dutywise::testing::TempDir dir;
    const QString target = QString::fromStdString(dir / "missing-folder/roster.rtf");
    std::shared_ptr<testsupport::ModalSeen> error;
    auto saved = SaveAs(target, nullptr, [&](QWidget*) { error = AnswerNextModal("OK"); });
    Click(w, "saveButton");
    ASSERT_TRUE(saved->found) << saved->error.toStdString();
    ASSERT_TRUE(
        testsupport::WaitUntil([&] { return error && (error->found || !error->error.isEmpty()); }));
    ASSERT_TRUE(error->found) << error->error.toStdString();
    EXPECT_EQ(error->title, "Dutywise");
    EXPECT_TRUE(error->text.contains("roster.rtf")) << error->text.toStdString();
    EXPECT_EQ(error->buttons, QStringList{"OK"});
    EXPECT_FALSE(error->hasIcon);
    EXPECT_EQ(w.Document().Paragraphs().size(), 7u);
}

// The dialog's choices in order, Rich Text chosen at first; the extension a bare name gets
// follows the choice, and the next dialog opens on the last name under its own file type.
TEST_F(GenerationTools, SaveDialogOffersRichTextAllFilesAndPdfAndRemembersTheChoice) {
    dutywise::testing::TempDir dir;
    const QStringList filters{"Rich Text (*.RTF)",
                              "All Files (*)",
                              "PDF (*.pdf)",
                              "Notice board (PDF) (*.pdf)",
                              "Each scout's duties (PDF) (*.pdf)",
                              "Calendar (*.ics)",
                              "Spreadsheet (*.csv)"};
    SaveDialogSeen first, second, third;
    QString suffixUnderPdf;
    auto pdf = SaveAs(
        QString::fromStdString(dir / "roster"), nullptr,
        [&](QWidget* d) { suffixUnderPdf = static_cast<QFileDialog*>(d)->defaultSuffix(); },
        "PDF (*.pdf)", &first);
    Click(w, "saveButton");
    ASSERT_TRUE(pdf->found) << pdf->error.toStdString();
    EXPECT_EQ(first.filters, filters);
    EXPECT_EQ(first.chosenFilter, "Rich Text (*.RTF)");
    EXPECT_EQ(first.defaultSuffix, "rtf");
    EXPECT_EQ(suffixUnderPdf, "pdf");
    ASSERT_TRUE(std::filesystem::exists(dir / "roster.pdf"));
    EXPECT_EQ(dutywise::testing::ReadFileBytes(dir / "roster.pdf").rfind("%PDF-", 0), 0u);

    // Back to Rich Text: the proposal was the PDF, under the PDF choice.
    auto rtf =
        SaveAs(QString::fromStdString(dir / "notes"), nullptr, {}, "Rich Text (*.RTF)", &second);
    Click(w, "saveButton");
    ASSERT_TRUE(rtf->found) << rtf->error.toStdString();
    EXPECT_EQ(second.filters, filters);
    EXPECT_EQ(second.proposedPath, QString::fromStdString(dir / "roster.pdf"));
    EXPECT_EQ(second.chosenFilter, "PDF (*.pdf)");
    EXPECT_EQ(second.defaultSuffix, "pdf");
    EXPECT_EQ(dutywise::testing::ReadFileBytes(dir / "notes.rtf").rfind("{\\rtf", 0), 0u);

    auto cancelled = AnswerNextModal("Cancel", [&](QWidget* d) {
        auto* fd = static_cast<QFileDialog*>(d);
        third.chosenFilter = fd->selectedNameFilter();
        third.defaultSuffix = fd->defaultSuffix();
    });
    Click(w, "saveButton");
    ASSERT_TRUE(cancelled->found) << cancelled->error.toStdString();
    EXPECT_EQ(third.chosenFilter, "Rich Text (*.RTF)");
    EXPECT_EQ(third.defaultSuffix, "rtf");
}

// An existing file is replaced with no question in between; a question, if one came, would be
// answered so that the test ends and fails rather than hangs.
TEST_F(GenerationTools, SaveReplacesAnExistingFileWithoutAQuestion) {
    dutywise::testing::TempDir dir;
    for (const QString& filter : {QString("Rich Text (*.RTF)"), QString("PDF (*.pdf)")}) {
        const std::string file = dir / (filter.startsWith("PDF") ? "old.pdf" : "old.rtf");
        dutywise::testing::WriteFileBytes(file, "an older roster");
        std::shared_ptr<testsupport::ModalSeen> question;
        auto saved = SaveAs(
            QString::fromStdString(file), nullptr,
            [&](QWidget*) { question = AnswerNextModal("Yes", {}, 1500); }, filter);
        Click(w, "saveButton");
        ASSERT_TRUE(saved->found) << saved->error.toStdString();
        ASSERT_TRUE(testsupport::WaitUntil(
            [&] { return question && (question->found || !question->error.isEmpty()); }, 5000));
        EXPECT_FALSE(question->found) << "asked: " << question->text.toStdString();
        EXPECT_NE(dutywise::testing::ReadFileBytes(file), "an older roster") << file;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

// The dialog remembers the chosen name even when the save then fails, under either file type.
TEST_F(GenerationTools, FailedSaveStillProposesItsNameNextTime) {
    dutywise::testing::TempDir dir;
    for (const QString& filter : {QString("Rich Text (*.RTF)"), QString("PDF (*.pdf)")}) {
        const QString target = QString::fromStdString(dir / "missing-folder/roster");
        const QString written = target + (filter.startsWith("PDF") ? ".pdf" : ".rtf");
        std::shared_ptr<testsupport::ModalSeen> error;
        auto saved = SaveAs(
            target, nullptr, [&](QWidget*) { error = AnswerNextModal("OK"); }, filter);
        Click(w, "saveButton");
        ASSERT_TRUE(saved->found) << saved->error.toStdString();
        ASSERT_TRUE(testsupport::WaitUntil(
            [&] { return error && (error->found || !error->error.isEmpty()); }));
        ASSERT_TRUE(error->found) << error->error.toStdString();
        EXPECT_TRUE(error->text.contains(written)) << error->text.toStdString();

        // Pressing Save on the proposal as it stands chooses the same file again.
        SaveDialogSeen next;
        std::shared_ptr<testsupport::ModalSeen> again;
        auto resaved = AnswerNextModal("Save", [&](QWidget* d) {
            auto* fd = static_cast<QFileDialog*>(d);
            next.proposedPath =
                QDir(fd->directory()).filePath(fd->findChild<QLineEdit*>("fileNameEdit")->text());
            next.chosenFilter = fd->selectedNameFilter();
            again = AnswerNextModal("OK");
        });
        Click(w, "saveButton");
        ASSERT_TRUE(resaved->found) << resaved->error.toStdString();
        ASSERT_TRUE(testsupport::WaitUntil(
            [&] { return again && (again->found || !again->error.isEmpty()); }));
        EXPECT_EQ(next.proposedPath.toStdString(), written.toStdString());
        EXPECT_EQ(next.chosenFilter, filter);
        EXPECT_TRUE(again->text.contains("\"" + written + "\"")) << again->text.toStdString();
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "missing-folder"));
}

TEST_F(GenerationTools, FreshStartClearsThePlanButKeepsSortingRememberedTextsAndTools) {
    ShowPage(w, 0);
    Add(w, "addPersonButton", "Ann");
    Add(w, "addPersonButton", "Ben");
    Find<QLineEdit>(w, "outingNameEdit")->setText("Spring Camp");
    Find<QLineEdit>(w, "patrolNameEdit")->setText("Eagle");
    ShowPage(w, 1);
    Click(w, "checkAllDaysButton");  // Check All Days
    Click(w, "checkAllMealsButton"); // Check All Meals
    ShowPage(w, 2);
    Tick(w, "breakfastsSortedBox"); // breakfasts sorted
    for (const char* meal : {"Toast", "Eggs", "Oatmeal"})
        Add(w, "addBreakfastButton", meal);
    Add(w, "addLunchButton", "Soup");
    Add(w, "addDinnerButton", "Chili");
    Click(w, "suggestBreakfastButton"); // a suggestion showing
    ShowPage(w, 3);
    Add(w, "addSnackButton", "Chips");
    Add(w, "addDrinkButton", "Water");
    ShowPage(w, 4);
    Find<FlatSpinEdit>(w, "crewSizeBox")->setValue(4);
    ShowPage(w, 5);
    size->setValue(20);
    const QString rememberedBreakfast = w.findChild<InputBox*>("breakfastInput")->value();
    ASSERT_EQ(rememberedBreakfast, "Oatmeal");

    Click(w, "freshStartButton");

    for (const char* list :
         {"peopleList", "breakfastsList", "lunchesList", "dinnersList", "snacksList", "drinksList"})
        EXPECT_TRUE(Items(w, list).isEmpty()) << list;
    EXPECT_EQ(Find<QLineEdit>(w, "outingNameEdit")->text(), "");
    EXPECT_EQ(Find<QLineEdit>(w, "patrolNameEdit")->text(), "");
    const dutywise::OutingPlan plan = w.ReadPlan();
    for (int day = 0; day < dutywise::kDays; ++day) {
        EXPECT_FALSE(plan.days[static_cast<std::size_t>(day)]) << day;
        for (int meal = 0; meal < dutywise::kMeals; ++meal)
            EXPECT_FALSE(
                plan.mealTicks[static_cast<std::size_t>(day)][static_cast<std::size_t>(meal)]);
    }
    for (const char* group : {"sundayGroup", "wednesdayGroup", "saturdayGroup"})
        EXPECT_TRUE(Find(w, group)->isHidden()) << group;
    for (const char* label :
         {"breakfastSuggestionLabel", "lunchSuggestionLabel", "dinnerSuggestionLabel",
          "snackSuggestionLabel", "drinkSuggestionLabel"})
        EXPECT_TRUE(Find(w, label)->isHidden()) << label;
    EXPECT_EQ(plan.crewSize, 2);
    EXPECT_EQ(Find<QTabWidget>(w, "pages")->currentIndex(), 0);
    EXPECT_FALSE(Find(w, "generationNotice")->isHidden());
    EXPECT_TRUE(w.Document().Paragraphs().empty());

    // Left alone: the Sorted box (still sorting), the prompts' texts, the formatting controls.
    EXPECT_TRUE(Find<QCheckBox>(w, "breakfastsSortedBox")->isChecked());
    EXPECT_EQ(w.findChild<InputBox*>("breakfastInput")->value(), rememberedBreakfast);
    EXPECT_EQ(size->value(), 20);
    ShowPage(w, 2);
    Add(w, "addBreakfastButton", "Toast");
    Add(w, "addBreakfastButton", "Bagels");
    EXPECT_EQ(Items(w, "breakfastsList"), (QStringList{"Bagels", "Toast"}));
}

// A build is not undoable (it is a new text), but Fresh Start's clearing of it is: the editor
// can bring the roster back.
TEST_F(GenerationTools, FreshStartClearingOfABuiltRosterCanBeUndone) {
    EnterAWeekForFive(w, "Spring Camp");
    ShowPage(w, 4);
    ASSERT_NO_FATAL_FAILURE(PressExpectingCompleted(w, "buildButton")); // Build
    const auto built = w.Document().Paragraphs();
    EXPECT_FALSE(editor->document()->isUndoAvailable());

    Click(w, "freshStartButton"); // Fresh Start
    EXPECT_TRUE(w.Document().Paragraphs().empty());
    editor->undo();
    EXPECT_EQ(w.Document().Paragraphs(), built);
}

TEST_F(GenerationTools, RegenerateBeforeAnyBuildRefusesJustAsBuildDoes) {
    const auto before = w.Document().Paragraphs();
    auto regenerate = AnswerNextModal("OK");
    Click(w, "regenerateButton");
    ASSERT_TRUE(regenerate->found) << regenerate->error.toStdString();
    ShowPage(w, 4);
    auto build = AnswerNextModal("OK");
    Click(w, "buildButton");
    ASSERT_TRUE(build->found) << build->error.toStdString();
    EXPECT_FALSE(regenerate->text.isEmpty());
    EXPECT_EQ(regenerate->text, build->text);
    EXPECT_EQ(regenerate->title, "Dutywise");
    EXPECT_EQ(w.Document().Paragraphs(), before);
    EXPECT_FALSE(Find(w, "generationNotice")->isHidden());
}

TEST_F(GenerationTools, AboutAsksForTheAboutBox) {
    QSignalSpy about(&w, &WizardWindow::aboutRequested);
    Click(w, "aboutButton");
    EXPECT_EQ(about.count(), 1);
}

} // namespace

namespace {

// Fault: the layouts beside Print out of reach of the keyboard, or a sheet printed (or the
// printer asked) with no built roster to draw it from.
TEST_F(GenerationTools, PrintLayoutMenuOpensByKeyboardAndRefusesSheetsBeforeABuild) {
    auto* arrow = Find<QPushButton>(w, "printSheetButton");
    QMenu* menu = arrow->menu();
    ASSERT_NE(menu, nullptr);
    QStringList entries;
    for (QAction* action : menu->actions())
        entries << action->text();
    EXPECT_EQ(entries, (QStringList{"Print the roster", "Print the notice board",
                                    "Print each scout's duties"}));
    auto said = AnswerNextModal("OK");
    QTimer::singleShot(200, menu, [menu] {
        menu->setActiveAction(menu->actions().at(1));
        QTest::keyClick(menu, Qt::Key_Return);
    });
    arrow->setFocus(Qt::TabFocusReason);
    QTest::keyClick(arrow, Qt::Key_Space);
    ASSERT_TRUE(testsupport::WaitUntil([&] { return said->found; })) << said->error.toStdString();
    EXPECT_EQ(said->text, "There is no built roster yet: press Build first.");
}

} // namespace
