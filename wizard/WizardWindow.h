#pragma once
// The wizard window: six pages that collect the outing plan, the Build button, and the
// Generation page where the built roster is restyled, saved and printed.

#include <array>
#include <memory>
#include <optional>
#include <QByteArray>
#include <QDialog>
#include <QHash>
#include <QKeySequence>
#include <QString>
#include <string>
#include <vector>

#include "BuildHost.h"
#include "OutingPlan.h"
#include "PlanFile.h"
#include "QtPdfService.h"
#include "QtPlanDialogs.h"
#include "QtPrintService.h"
#include "QtSaveTarget.h"
#include "Roster.h"
#include "RosterBuild.h"
#include "ui_WizardWindow.h"

class AppearingLabel;
class CandidateList;
class EditorDocument;
class FlatCheckBox;
class FlatListBox;
class InputBox;
class QCheckBox;
class QPushButton;

class WizardWindow : public QDialog, public dutywise::BuildHost, private Ui::WizardWindow {
    Q_OBJECT

public:
    explicit WizardWindow(QWidget* parent = nullptr);
    ~WizardWindow() override;

    // The plan as the controls hold it at this moment.
    dutywise::OutingPlan ReadPlan() const;
    // The roster shown in the editor.
    dutywise::RosterDocument& Document();

    // The roster on show (WizardGeneration.cpp): the one drawn last, or the one a plan brought;
    // nothing before a build, after Fresh Start, or after opening a plan that has none.
    const std::optional<dutywise::Roster>& shownRoster() const { return roster_; }
    // Writes the editor's document from roster_ through the one writer, in the window's words.
    void showRoster();
    // Whether the document was changed in the editor (typed or restyled) since it was written.
    bool rosterEditedByHand() const;
    // The start date field: the outing's first day, or nothing while it is empty.
    std::optional<dutywise::CalendarDate> startDate() const;
    // The font box's entries: "Default" and each family once by its name alone, sorted
    // ignoring case.
    static QStringList FontBoxEntries(const QStringList& families);

    // Who is there when (WizardPresence.cpp): each person's absences in the people list's
    // order, empty when nobody is away; the active meals in the outing's order.
    std::vector<dutywise::MealSet> Absences() const;
    // The pairs kept apart whose names are both still among the people.
    std::vector<std::array<std::string, 2>> KeptApart() const;
    std::vector<dutywise::MealSlot> ActiveMeals() const;

    // Plan files (WizardPlans.cpp)
    dutywise::PlanFile CurrentPlanFile() const;        // the controls, as a plan file holds them
    void ShowPlanFile(const dutywise::PlanFile& plan); // into the controls, through their setters
    // Loads the plan at `path` without asking, as at start-up: the refusal's text, or nothing.
    std::optional<QString> LoadPlan(const QString& path);
    // The same for a name as the file system knows it, byte for byte (from the command line,
    // where a name need not be UTF-8).
    std::optional<QString> LoadPlanFile(const QByteArray& fileName);
    // Open Plan... without its dialog: reads, asks before replacing entries, reports a refusal.
    void OpenPlanFile(const QString& path);
    // Continue Season... without its dialog (WizardSeason.cpp): the season carried on from the
    // plan at `path`, or its refusal reported.
    void ContinueSeasonFrom(const QString& path);
    // The season the builds and saved plans carry; empty when none is on.
    const dutywise::Season& season() const { return season_; }

    // BuildHost
    void ShowMessage(const std::string& text) override;
    void ShowHiddenPicture() override;
    void HideNotice() override;
    void AdvanceGauge(int amount) override;
    // The roster's words in the language the window was made in.
    const dutywise::RosterWords& Words() const override { return words_; }

signals:
    // The window was closed by the user; the chooser beneath comes back.
    void formClosed();
    // The build found the hidden picture; the app shows it without waiting.
    void hiddenPictureRequested();
    // About... was pressed; the app shows the about box modally (direct connection).
    void aboutRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override; // a .dutywise file may be dropped
    void dropEvent(QDropEvent* event) override;           // and opens as Open Plan... would
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override; // Ctrl+Tab out of the editor

private:
    // One of the six lists the user fills, with its Add, Delete and Sorted controls, the prompt
    // its Add button opens, and the refusal of a repeated entry (none for people: the user is
    // asked whether two scouts share a name).
    struct EditableList {
        dutywise::PlanList planList; // which of the plan file's lists it is
        FlatListBox* list;
        QPushButton* addButton;
        QPushButton* deleteButton;
        FlatCheckBox* sortedBox;
        InputBox* prompt;
        QString refusal;
    };
    // A Suggestion button, the label that shows its proposal, the fixed candidates it draws
    // from, the list a click on the label adds to, and the proposal last shown (empty at start).
    struct Suggestion {
        QPushButton* button;
        AppearingLabel* label;
        CandidateList* candidates;
        FlatListBox* list;
        QString shown;
    };

    // A key and what it does: the handler its button runs (the button, if there is one, is
    // connected to it from the same row), while the page `scope` shows (the window: always).
    struct KeyAction {
        QKeySequence key;
        QWidget* scope;
        QPushButton* button;
        void (WizardWindow::*handler)();
    };

    // Window level: set-up, closing, Build
    void connectHandlers();
    void loadPictures();
    // Labels without word wrap take their text's width; meal boxes grow to their captions.
    void sizeCaptionsToTheirTexts();
    void resetTools();
    void reportClosed();
    void build();
    // Build and Regenerate: a new draw; `previous` keeps its places set by hand.
    void buildRoster(const dutywise::Roster* previous);

    // People and food lists: Add, Delete, Sorted, one handler each over a table (WizardLists.cpp)
    std::array<EditableList, 6> editableLists() const;
    void connectListControls();
    void addEntry(const EditableList& entry);
    static void deleteSelectedEntry(FlatListBox& list);

    // Days and meals: the tick buttons and the meal groups of ticked days (WizardDays.cpp)
    void showMealsOfTickedDays();
    void checkAllDays();
    void uncheckAllDays();
    void checkAllMeals();
    void uncheckAllMeals();
    QCheckBox* mealBox(int day, int meal) const;
    void startDateTicked(bool ticked);
    void setStartDate(const std::optional<dutywise::CalendarDate>& date);

    // Suggestions: draw a proposal, add it with a click on its label (WizardSuggestions.cpp)
    void connectSuggestions();
    static void suggest(Suggestion& suggestion);

    // Generation page: restyling, saving, printing, starting over (WizardGeneration.cpp)
    void toggleBold();
    void toggleItalic();
    void toggleUnderline();
    void applyFont();
    void applyColour();
    void applySize();
    void saveRoster();
    void printRoster();
    void setUpPrintSheetMenu(); // the layouts the arrow beside the print button offers
    void printSheet(dutywise::RosterSheet sheet);
    void freshStart();
    void regenerate();
    void requestAbout();

    // Keys: the shortcut table, the lists' Insert and Delete, turning pages (WizardKeys.cpp)
    std::vector<KeyAction> keyActions() const;
    void connectKeys();
    void nextPage();
    void previousPage();

    // Plan files: Open Plan..., Save Plan... (WizardPlans.cpp)
    void openPlan();
    void savePlan();
    bool mayReplaceEntries(const QString& path); // asks when entries would be lost

    // The season: carry one on from an earlier plan, clear it, say it is on (WizardSeason.cpp)
    void continueSeason();
    void newSeason();
    void showSeason();

    // Who is there when: the dialog, and the absences kept with the people (WizardPresence.cpp)
    void showWhoIsThere();
    // The absences of entries just put into the people list, given in the same order.
    void keepAbsences(const std::vector<quint64>& keys, const std::vector<dutywise::MealSet>& away);
    void dropAbsencesOfDeletedPeople();
    // Keep Apart...: its dialog; enabled while the people list holds two different names.
    void showKeepApart();
    void updateKeepApartButton();

    // "I can't see the text!" (WizardReadability.cpp)
    void makeTextReadable();

    // Crews by hand: the Crews dialog on the roster value (WizardCrews.cpp)
    void editCrews();
    void updateCrewsButton(); // enabled while there is a roster

    // The prompts of the six lists' Add buttons
    InputBox* personInput = nullptr;
    InputBox* breakfastInput = nullptr;
    InputBox* lunchInput = nullptr;
    InputBox* dinnerInput = nullptr;
    InputBox* snackInput = nullptr;
    InputBox* drinkInput = nullptr;

    std::unique_ptr<EditorDocument> document_;
    // What the Generation page shows was written from this; see shownRoster().
    std::optional<dutywise::Roster> roster_;
    dutywise::AdviceFlag advice_;
    // Whether the Days and Meals pages' pictures have been decoded (on their page's first showing).
    bool daysPictureLoaded_ = false;
    bool shownBefore_ = false;
    bool mealsPictureLoaded_ = false;
    dutywise::RosterWords words_;

    std::array<Suggestion, 5> suggestions_;

    // Generation page tools: the save dialog keeps its last name for the whole run.
    dutywise::QtSaveTarget saveTarget_{this};
    dutywise::QtPrintService printService_;
    dutywise::QtPdfService pdfService_; // the save's PDF, laid out as the printout

    // Plan files: the dialogs keep the last name; the plan last opened or saved, if any.
    dutywise::QtPlanDialogs planDialogs_{this};
    std::optional<dutywise::PlanFile> lastPlan_;

    // The meals each person is away from, by the people list's entry keys; people who are
    // there for every meal have no entry.
    QHash<quint64, dutywise::MealSet> absences_;
    // Pairs of names the even-shares draw keeps out of one meal's crews, as a plan brought them
    // or the Keep Apart dialog left them.
    std::vector<std::array<std::string, 2>> keepApart_;
    // The season's earlier outings, by name; empty while no season is on.
    dutywise::Season season_;
};
