#pragma once
// The wizard window: six pages that collect the outing plan, the Build button, and the
// Generation page where the built roster is restyled, saved and printed.

#include <memory>
#include <optional>
#include <QDialog>
#include <QString>
#include <string>

#include "BuildHost.h"
#include "OutingPlan.h"
#include "PlanFile.h"
#include "QtPdfService.h"
#include "QtPlanDialogs.h"
#include "QtPrintService.h"
#include "QtSaveTarget.h"
#include "RosterBuild.h"
#include "ui_WizardWindow.h"

class EditorDocument;
class TJvInputBox;
class TFlatListBox;
class QCheckBox;

class TForm2 : public QDialog, public dutywise::BuildHost, private Ui::TForm2 {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    // The save dialog's choices and the extension added to a bare name (under Rich Text and all
    // files; "pdf" under PDF).
    static constexpr const char* kSaveFilter =
        "Rich Text (*.RTF)|*.RTF|All Files|*.*|PDF (*.pdf)|*.pdf";
    static constexpr const char* kSaveDefaultExtension = "rtf";

    // The plan as the controls hold it at this moment.
    dutywise::OutingPlan ReadPlan() const;
    // The roster shown in the editor R.
    dutywise::RosterDocument& Document();
    // The font box's entries: "Default" and each family once by its name alone, sorted
    // ignoring case.
    static QStringList FontBoxEntries(const QStringList& families); // list of FlatComboBox1

    // Plan files (WizardPlans.cpp)
    dutywise::PlanFile CurrentPlanFile() const;        // the controls, as a plan file holds them
    void ShowPlanFile(const dutywise::PlanFile& plan); // into the controls, through their setters
    // Loads the plan at `path` without asking, as at start-up: the refusal's text, or nothing.
    std::optional<QString> LoadPlan(const QString& path);
    // Open Plan... without its dialog: reads, asks before replacing entries, reports a refusal.
    void OpenPlanFile(const QString& path);

    // BuildHost
    void ShowMessage(const std::string& text) override;
    void ShowHiddenPicture() override;
    void HideNotice() override;
    void AdvanceGauge(int amount) override;

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

private:
    // Window level
    void FormCreate();
    void FormClose();
    void TabbedNotebook1Change(int index);
    void FlatButton1Click();

    // Lists: Add, Delete, Sorted (WizardLists.cpp)
    void FlatSpeedButton1Click();
    void FlatSpeedButton8Click();
    void FlatSpeedButton10Click();
    void FlatSpeedButton12Click();
    void FlatSpeedButton17Click();
    void FlatSpeedButton18Click();
    void FlatSpeedButton2Click();
    void FlatSpeedButton9Click();
    void FlatSpeedButton11Click();
    void FlatSpeedButton13Click();
    void FlatSpeedButton19Click();
    void FlatSpeedButton20Click();
    void FlatCheckBox1Click();
    void FlatCheckBox2Click();
    void FlatCheckBox3Click();
    void FlatCheckBox4Click();
    void FlatCheckBox5Click();
    void FlatCheckBox6Click();
    void AddEntry(TJvInputBox& box, TFlatListBox& list, const QString& refusal);
    void AddPerson();
    static void DeleteSelected(TFlatListBox& list);

    // Days and meals (WizardDays.cpp)
    void daysClickCheck();
    void FlatSpeedButton6Click(); // Check All Days
    void FlatSpeedButton7Click(); // Uncheck All Days
    void FlatSpeedButton3Click(); // Check All Meals
    void FlatSpeedButton4Click(); // Uncheck All Meals
    QCheckBox* MealBox(int day, int meal) const;

    // Suggestions (WizardSuggestions.cpp)
    void FlatSpeedButton15Click();
    void FlatSpeedButton16Click();
    void FlatSpeedButton14Click();
    void FlatSpeedButton21Click();
    void FlatSpeedButton22Click();
    void JvAppearingLabel1Click();
    void JvAppearingLabel2Click();
    void JvAppearingLabel3Click();
    void JvAppearingLabel4Click();
    void JvAppearingLabel5Click();

    // Generation page (WizardGeneration.cpp)
    void FlatSpeedButton23Click();
    void FlatSpeedButton24Click();
    void FlatSpeedButton25Click();
    void FlatSpeedButton26Click(); // Save as Rich Text or PDF
    void FlatSpeedButton27Click(); // Print
    void FlatComboBox1Change();
    void FlatColorComboBox1Change();
    void FlatSpinEditInteger2Change();
    void FlatButton2Click(); // Fresh Start
    void FlatButton3Click(); // Regenerate
    void FlatButton4Click(); // About...

    // Plan files (WizardPlans.cpp)
    void OpenPlanClick();                        // Open Plan...
    void SavePlanClick();                        // Save Plan...
    bool MayReplaceEntries(const QString& path); // asks when entries would be lost

    // Readability (WizardReadability.cpp)
    void FlatSpeedButton28Click();

    void ConnectHandlers();
    void LoadPictures();

    // Input boxes of the six lists
    TJvInputBox* JvInputBox1 = nullptr;
    TJvInputBox* BI = nullptr;
    TJvInputBox* LI = nullptr;
    TJvInputBox* DI = nullptr;
    TJvInputBox* snack = nullptr;
    TJvInputBox* drink = nullptr;

    std::unique_ptr<EditorDocument> document_;
    dutywise::AdviceFlag advice_;

    // The suggestions last shown, one per food list; empty at start.
    QString breakfastSuggestion_;
    QString lunchSuggestion_;
    QString dinnerSuggestion_;
    QString snackSuggestion_;
    QString drinkSuggestion_;

    // Generation page tools: the save dialog keeps its last name for the whole run.
    dutywise::QtSaveTarget saveTarget_{this};
    dutywise::QtPrintService printService_;
    dutywise::QtPdfService pdfService_; // the save's PDF, laid out as the printout

    // Plan files: the dialogs keep the last name; the plan last opened or saved, if any.
    dutywise::QtPlanDialogs planDialogs_{this};
    std::optional<dutywise::PlanFile> lastPlan_;
};
