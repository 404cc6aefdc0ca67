#include "WizardWindow.h"

#include <algorithm>
#include <QCloseEvent>
#include <QFile>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLocale>
#include <QMessageBox>
#include <QSignalBlocker>

#include "EditorDocument.h"
#include "FlatDateEdit.h"
#include "InputBox.h"
#include "JpegImage.h"
#include "Language.h"
#include "WindowFonts.h"

namespace {

std::vector<std::string> Entries(const FlatListBox& list) {
    std::vector<std::string> entries;
    for (const QString& item : list.items())
        entries.push_back(item.toStdString());
    return entries;
}

} // namespace

WizardWindow::WizardWindow(QWidget* parent) : QDialog(parent) {
    InstallFontStandIns();
    setupUi(this);
    // One fixed size: minimise, no maximise, no resizing.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(600, 434);
    // Minimised, the window is named by its icon text on the accessibility bus.
    setWindowIconText(windowTitle());

    // Hidden until a day is ticked, a suggestion is drawn, or never (the gauge and the lists).
    for (QWidget* w : std::initializer_list<QWidget*>{
             sundayGroup, mondayGroup, tuesdayGroup, wednesdayGroup, thursdayGroup, fridayGroup,
             saturdayGroup, breakfastSuggestionLabel, lunchSuggestionLabel, dinnerSuggestionLabel,
             snackSuggestionLabel, drinkSuggestionLabel, breakfastCandidates, lunchCandidates,
             dinnerCandidates, snackCandidates, drinkCandidates, buildGauge})
        w->hide();

    // Focus in a spin box goes to its typing field: name the field like its box, so that a
    // screen reader says "Crew size" or "Font size" when the user tabs in.
    for (FlatSpinEdit* spin : {crewSizeBox, sizeBox})
        spin->lineEdit()->setAccessibleName(spin->accessibleName());
    // The start date is typed and shown the way the running language writes dates, the year in
    // full.
    const QLocale dateLocale(dutywise::InstalledLanguage());
    QString dateFormat = dateLocale.dateFormat(QLocale::ShortFormat);
    if (!dateFormat.contains(QStringLiteral("yyyy")))
        dateFormat.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    startDateEdit->setLocale(dateLocale);
    startDateEdit->setDisplayFormat(dateFormat);

    // Only the names shown change with the language: the plan keeps the days by position.
    for (const QString& day : {tr("Sunday"), tr("Monday"), tr("Tuesday"), tr("Wednesday"),
                               tr("Thursday"), tr("Friday"), tr("Saturday")})
        daysList->addItem(day);

    personInput = new InputBox(tr("Person"), tr("What is the person's name?"), this);
    breakfastInput =
        new InputBox(tr("Breakfast"), tr("What is the name of the Meal for Breakfast?"), this);
    lunchInput = new InputBox(tr("Lunch"), tr("What is the name of the Meal for Lunch?"), this);
    dinnerInput = new InputBox(tr("Dinner"), tr("What is the name of the Meal for Dinner?"), this);
    snackInput = new InputBox(tr("Snack"), tr("What is the name of the Snack?"), this);
    drinkInput = new InputBox(tr("Drink"), tr("What is the name of the Drink?"), this);
    words_ = dutywise::TranslatedRosterWords();
    personInput->setObjectName(QStringLiteral("personInput"));
    breakfastInput->setObjectName(QStringLiteral("breakfastInput"));
    lunchInput->setObjectName(QStringLiteral("lunchInput"));
    dinnerInput->setObjectName(QStringLiteral("dinnerInput"));
    snackInput->setObjectName(QStringLiteral("snackInput"));
    drinkInput->setObjectName(QStringLiteral("drinkInput"));

    document_ = std::make_unique<EditorDocument>(*rosterEditor);
    document_->WriteInitialContent();

    setAcceptDrops(true); // a plan file dropped on the window opens
    loadPictures();
    resetTools();
    showSeason();
    connectHandlers();
}

WizardWindow::~WizardWindow() = default;

void WizardWindow::loadPictures() {
    // The Days and Meals pictures are decoded when their page first shows: the JPEG reader and
    // the GIF plugin then cost start-up nothing. A missing picture draws nothing.
    connect(pages, &QTabWidget::currentChanged, this, [this] {
        if (pages->currentWidget() == daysPage && !daysPictureLoaded_) {
            daysPictureLoaded_ = true;
            QFile jpeg(QStringLiteral(":/pictures/days.jpg"));
            if (jpeg.open(QIODevice::ReadOnly)) {
                const QImage image = ReadJpeg(jpeg.readAll());
                if (!image.isNull())
                    daysPicture->setPixmap(QPixmap::fromImage(image));
            }
        } else if (pages->currentWidget() == mealsPage && !mealsPictureLoaded_) {
            mealsPictureLoaded_ = true;
            const QPixmap gif(QStringLiteral(":/pictures/meals.gif"));
            if (!gif.isNull())
                mealsPicture->setPixmap(gif);
        }
    });
}

void WizardWindow::connectHandlers() {
    connect(buildButton, &QPushButton::clicked, this, &WizardWindow::build);

    const auto click = [this](QPushButton* button, void (WizardWindow::*handler)()) {
        connect(button, &QPushButton::clicked, this, handler);
    };
    connectListControls();

    connect(daysList, &FlatCheckListBox::clickCheck, this,
            [this](int) { showMealsOfTickedDays(); });
    click(checkAllMealsButton, &WizardWindow::checkAllMeals);
    click(uncheckAllMealsButton, &WizardWindow::uncheckAllMeals);
    click(checkAllDaysButton, &WizardWindow::checkAllDays);
    connect(startDateBox, &QAbstractButton::toggled, this, &WizardWindow::startDateTicked);
    click(uncheckAllDaysButton, &WizardWindow::uncheckAllDays);

    connectSuggestions();

    connect(fontBox, &FlatComboBox::changed, this, &WizardWindow::applyFont);
    connect(colourBox, &FlatColorComboBox::changed, this, &WizardWindow::applyColour);
    connect(sizeBox, &FlatSpinEdit::changed, this, &WizardWindow::applySize);
    click(freshStartButton, &WizardWindow::freshStart);
    click(regenerateButton, &WizardWindow::regenerate);
    click(aboutButton, &WizardWindow::requestAbout);

    click(readabilitySwitch, &WizardWindow::makeTextReadable);
    click(whoIsThereButton, &WizardWindow::showWhoIsThere);
    click(continueSeasonButton, &WizardWindow::continueSeason);
    click(newSeasonButton, &WizardWindow::newSeason);
    connect(peopleList, &FlatListBox::itemsChanged, this,
            &WizardWindow::dropAbsencesOfDeletedPeople);
    click(keepApartButton, &WizardWindow::showKeepApart);
    connect(peopleList, &FlatListBox::itemsChanged, this, &WizardWindow::updateKeepApartButton);
    updateKeepApartButton();

    // Bold, Italic, Underline, Save, Print, Open Plan... and Save Plan... with their keys.
    connectKeys();
    setUpPrintSheetMenu();
}

QStringList WizardWindow::FontBoxEntries(const QStringList& families) {
    // Where a family comes from several foundries the database lists it once per foundry,
    // "Nimbus Sans [urw]"; the document and the saved file need the family name alone.
    // Read by hand rather than by a pattern: the pattern engine would be loaded at start-up for
    // this one list.
    const auto familyAlone = [](const QString& family) {
        if (!family.endsWith(u']'))
            return family;
        const qsizetype open = family.lastIndexOf(QStringLiteral(" ["));
        if (open <= 0 || family.indexOf(u'[', open + 2) >= 0)
            return family;
        const QStringView foundry = QStringView(family).sliced(open + 2).chopped(1);
        return foundry.contains(u']') ? family : family.left(open);
    };
    QStringList names{QStringLiteral("Default")};
    for (const QString& family : families)
        names.append(familyAlone(family));
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    // Family names match without regard to case, so two spellings name one family.
    QStringList unique;
    for (const QString& name : names)
        if (unique.isEmpty() || QString::compare(unique.last(), name, Qt::CaseInsensitive) != 0)
            unique.append(name);
    return unique;
}

void WizardWindow::resetTools() {
    {
        const QSignalBlocker quiet(fontBox);
        fontBox->clear();
        fontBox->addItems(FontBoxEntries(QFontDatabase::families()));
        fontBox->setCurrentIndex(-1);
        fontBox->setEditText(QStringLiteral("Arial"));
    }
    advice_ = dutywise::AdviceFlag{};
}

void WizardWindow::reportClosed() {
    emit formClosed();
}

void WizardWindow::closeEvent(QCloseEvent* event) {
    // Closing only hides the window: everything entered stays for the next time.
    QDialog::closeEvent(event);
    if (event->isAccepted())
        reportClosed();
}

void WizardWindow::sizeCaptionsToTheirTexts() {
    // Labels without word wrap size themselves to their text.
    for (QLabel* l :
         {outingNamePrompt, peoplePrompt, patrolNamePrompt, mealsIntro, breakfastsPrompt,
          lunchesPrompt, dinnersPrompt, snacksIntro, snacksPrompt, drinksPrompt, crewSizePrompt,
          crewSizeLimit, tagline, limitQuestion, limitReason})
        l->adjustSize();

    // This system's stand-in for Tahoma draws some captions a pixel or two wider than the
    // designed meal boxes ("Lunch" in 44 pixels): a box grows into the free room on its right
    // rather than cut its caption. Nothing moves.
    for (FlatGroupBox* group : {sundayGroup, mondayGroup, tuesdayGroup, wednesdayGroup,
                                thursdayGroup, fridayGroup, saturdayGroup}) {
        const auto boxes = group->findChildren<FlatCheckBox*>();
        for (FlatCheckBox* box : boxes) {
            int room = group->width() - 2 - box->x();
            for (const FlatCheckBox* other : boxes)
                if (other->y() == box->y() && other->x() > box->x())
                    room = std::min(room, other->x() - 1 - box->x());
            box->resize(
                std::clamp(box->sizeHint().width(), box->width(), std::max(room, box->width())),
                box->height());
        }
    }
}

void WizardWindow::showEvent(QShowEvent* event) {
    // What only a shown wizard needs waits for its first showing rather than weighing on
    // start-up behind the welcome window: the pages' background (half a megabyte of picture),
    // and the captions measured in their fonts.
    if (!shownBefore_) {
        shownBefore_ = true;
        const QPixmap background(QStringLiteral(":/pictures/page-background.png"));
        for (QLabel* label : {basicsBackground, daysBackground, mealsBackground, snacksBackground,
                              finalizationBackground, generationBackground})
            label->setPixmap(background);
        sizeCaptionsToTheirTexts();
    }
    QDialog::showEvent(event);
    pages->setFocus();
}

void WizardWindow::keyPressEvent(QKeyEvent* event) {
    // Escape does not close the wizard; only its close box does.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

dutywise::OutingPlan WizardWindow::ReadPlan() const {
    dutywise::OutingPlan plan;
    plan.outingName = outingNameEdit->text().toStdString();
    plan.patrolName = patrolNameEdit->text().toStdString();
    plan.people = Entries(*peopleList);
    for (int day = 0; day < dutywise::kDays; ++day) {
        plan.days[static_cast<std::size_t>(day)] = daysList->checked(day);
        for (int meal = 0; meal < dutywise::kMeals; ++meal)
            plan.mealTicks[static_cast<std::size_t>(day)][static_cast<std::size_t>(meal)] =
                mealBox(day, meal)->isChecked();
    }
    plan.breakfasts = Entries(*breakfastsList);
    plan.lunches = Entries(*lunchesList);
    plan.dinners = Entries(*dinnersList);
    plan.snacks = Entries(*snacksList);
    plan.drinks = Entries(*drinksList);
    // A text that is not a number reads as the box's minimum, 1.
    plan.crewSize = crewSizeBox->value();
    plan.evenShares = shareEvenlyBox->isChecked();
    plan.away = Absences();
    plan.startDate = startDate();
    plan.keepApart = KeptApart();
    plan.season = season_;
    return plan;
}

dutywise::RosterDocument& WizardWindow::Document() {
    return *document_;
}

void WizardWindow::build() {
    // Build draws afresh: no place set by hand survives it.
    buildRoster(nullptr);
}

void WizardWindow::buildRoster(const dutywise::Roster* previous) {
    std::optional<dutywise::Roster> drawn;
    {
        // One layout for the whole roster rather than one per paragraph.
        const EditorDocument::Batch batch(*document_);
        drawn = dutywise::BuildRoster(ReadPlan(), *document_, *this, dutywise::ProgramGenerator(),
                                      advice_, previous);
    }
    if (!drawn)
        return; // refused: the roster on show stays, and so does its text
    roster_ = std::move(drawn);
    rosterEditor->document()->setModified(false);
    updateCrewsButton();
}

void WizardWindow::ShowMessage(const std::string& text) {
    // What the build wrote so far shows behind the message.
    document_->EndBatch();
    QMessageBox box(QMessageBox::NoIcon, tr("Dutywise"), QString::fromStdString(text),
                    QMessageBox::Ok, this);
    box.exec();
}

void WizardWindow::ShowHiddenPicture() {
    emit hiddenPictureRequested();
}

void WizardWindow::HideNotice() {
    generationNotice->hide();
}

void WizardWindow::AdvanceGauge(int amount) {
    buildGauge->setProgress(std::min(buildGauge->maxValue(), buildGauge->progress() + amount));
}
