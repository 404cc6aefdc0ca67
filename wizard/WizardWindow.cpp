#include "WizardWindow.h"

#include <algorithm>
#include <QCloseEvent>
#include <QFile>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSignalBlocker>

#include "EditorDocument.h"
#include "InputBox.h"
#include "JpegImage.h"
#include "WindowFonts.h"

namespace {

std::vector<std::string> Entries(const TFlatListBox& list) {
    std::vector<std::string> entries;
    for (const QString& item : list.items())
        entries.push_back(item.toStdString());
    return entries;
}

} // namespace

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
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
             FlatGroupBox1, FlatGroupBox2, FlatGroupBox3, FlatGroupBox4, FlatGroupBox5,
             FlatGroupBox6, FlatGroupBox7, JvAppearingLabel1, JvAppearingLabel2, JvAppearingLabel3,
             JvAppearingLabel4, JvAppearingLabel5, BS, LS, ds, SS, DRS, G})
        w->hide();

    // Labels without word wrap size themselves to their text.
    for (QLabel* l : {Label2, Label3, Label5, Label6, Label7, Label8, Label9, Label10, Label11,
                      Label12, Label13, Label14, Label17, Label18, Label19})
        l->adjustSize();

    // This system's stand-in for Tahoma draws some captions a pixel or two wider than the
    // designed meal boxes ("Lunch" in 44 pixels): a box grows into the free room on its right
    // rather than cut its caption. Nothing moves.
    for (TFlatGroupBox* group : {FlatGroupBox1, FlatGroupBox2, FlatGroupBox3, FlatGroupBox4,
                                 FlatGroupBox5, FlatGroupBox6, FlatGroupBox7}) {
        const auto boxes = group->findChildren<TFlatCheckBox*>();
        for (TFlatCheckBox* box : boxes) {
            int room = group->width() - 2 - box->x();
            for (const TFlatCheckBox* other : boxes)
                if (other->y() == box->y() && other->x() > box->x())
                    room = std::min(room, other->x() - 1 - box->x());
            box->resize(
                std::clamp(box->sizeHint().width(), box->width(), std::max(room, box->width())),
                box->height());
        }
    }

    // Focus in a spin box goes to its typing field: name the field like its box, so that a
    // screen reader says "Crew size" or "Font size" when the user tabs in.
    for (TFlatSpinEditInteger* spin : {NS, FlatSpinEditInteger2})
        spin->lineEdit()->setAccessibleName(spin->accessibleName());

    for (const char* day :
         {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"})
        days->addItem(QString::fromLatin1(day));

    JvInputBox1 = new TJvInputBox(QStringLiteral("Person"),
                                  QStringLiteral("What is the person's name?"), this);
    BI = new TJvInputBox(QStringLiteral("Breakfast"),
                         QStringLiteral("What is the name of the Meal for Breakfast?"), this);
    LI = new TJvInputBox(QStringLiteral("Lunch"),
                         QStringLiteral("What is the name of the Meal for Lunch?"), this);
    DI = new TJvInputBox(QStringLiteral("Dinner"),
                         QStringLiteral("What is the name of the Meal for Dinner?"), this);
    snack = new TJvInputBox(QStringLiteral("Snack"),
                            QStringLiteral("What is the name of the Snack?"), this);
    drink = new TJvInputBox(QStringLiteral("Drink"),
                            QStringLiteral("What is the name of the Drink?"), this);
    JvInputBox1->setObjectName(QStringLiteral("JvInputBox1"));
    BI->setObjectName(QStringLiteral("BI"));
    LI->setObjectName(QStringLiteral("LI"));
    DI->setObjectName(QStringLiteral("DI"));
    snack->setObjectName(QStringLiteral("snack"));
    drink->setObjectName(QStringLiteral("drink"));

    document_ = std::make_unique<EditorDocument>(*R);
    document_->WriteInitialContent();

    setAcceptDrops(true); // a plan file dropped on the window opens
    LoadPictures();
    FormCreate();
    ConnectHandlers();
}

TForm2::~TForm2() = default;

void TForm2::LoadPictures() {
    // The Days picture goes through our own JPEG reader; a missing picture draws nothing.
    QFile jpeg(QStringLiteral(":/pictures/days.jpg"));
    if (jpeg.open(QIODevice::ReadOnly)) {
        const QImage image = ReadJpeg(jpeg.readAll());
        if (!image.isNull())
            Image3->setPixmap(QPixmap::fromImage(image));
    }
    const QPixmap gif(QStringLiteral(":/pictures/meals.gif"));
    if (!gif.isNull())
        Image2->setPixmap(gif);
}

void TForm2::ConnectHandlers() {
    connect(TabbedNotebook1, &QTabWidget::currentChanged, this, &TForm2::TabbedNotebook1Change);
    connect(FlatButton1, &QPushButton::clicked, this, &TForm2::FlatButton1Click);

    const auto click = [this](QPushButton* button, void (TForm2::*handler)()) {
        connect(button, &QPushButton::clicked, this, handler);
    };
    click(FlatSpeedButton1, &TForm2::FlatSpeedButton1Click);
    click(FlatSpeedButton8, &TForm2::FlatSpeedButton8Click);
    click(FlatSpeedButton10, &TForm2::FlatSpeedButton10Click);
    click(FlatSpeedButton12, &TForm2::FlatSpeedButton12Click);
    click(FlatSpeedButton17, &TForm2::FlatSpeedButton17Click);
    click(FlatSpeedButton18, &TForm2::FlatSpeedButton18Click);
    click(FlatSpeedButton2, &TForm2::FlatSpeedButton2Click);
    click(FlatSpeedButton9, &TForm2::FlatSpeedButton9Click);
    click(FlatSpeedButton11, &TForm2::FlatSpeedButton11Click);
    click(FlatSpeedButton13, &TForm2::FlatSpeedButton13Click);
    click(FlatSpeedButton19, &TForm2::FlatSpeedButton19Click);
    click(FlatSpeedButton20, &TForm2::FlatSpeedButton20Click);
    connect(FlatCheckBox1, &TFlatCheckBox::changed, this, &TForm2::FlatCheckBox1Click);
    connect(FlatCheckBox2, &TFlatCheckBox::changed, this, &TForm2::FlatCheckBox2Click);
    connect(FlatCheckBox3, &TFlatCheckBox::changed, this, &TForm2::FlatCheckBox3Click);
    connect(FlatCheckBox4, &TFlatCheckBox::changed, this, &TForm2::FlatCheckBox4Click);
    connect(FlatCheckBox5, &TFlatCheckBox::changed, this, &TForm2::FlatCheckBox5Click);
    connect(FlatCheckBox6, &TFlatCheckBox::changed, this, &TForm2::FlatCheckBox6Click);

    connect(days, &TFlatCheckListBox::clickCheck, this, [this](int) { daysClickCheck(); });
    click(FlatSpeedButton3, &TForm2::FlatSpeedButton3Click);
    click(FlatSpeedButton4, &TForm2::FlatSpeedButton4Click);
    click(FlatSpeedButton6, &TForm2::FlatSpeedButton6Click);
    click(FlatSpeedButton7, &TForm2::FlatSpeedButton7Click);

    click(FlatSpeedButton15, &TForm2::FlatSpeedButton15Click);
    click(FlatSpeedButton16, &TForm2::FlatSpeedButton16Click);
    click(FlatSpeedButton14, &TForm2::FlatSpeedButton14Click);
    click(FlatSpeedButton21, &TForm2::FlatSpeedButton21Click);
    click(FlatSpeedButton22, &TForm2::FlatSpeedButton22Click);
    connect(JvAppearingLabel1, &TJvAppearingLabel::clicked, this, &TForm2::JvAppearingLabel1Click);
    connect(JvAppearingLabel2, &TJvAppearingLabel::clicked, this, &TForm2::JvAppearingLabel2Click);
    connect(JvAppearingLabel3, &TJvAppearingLabel::clicked, this, &TForm2::JvAppearingLabel3Click);
    connect(JvAppearingLabel4, &TJvAppearingLabel::clicked, this, &TForm2::JvAppearingLabel4Click);
    connect(JvAppearingLabel5, &TJvAppearingLabel::clicked, this, &TForm2::JvAppearingLabel5Click);

    click(FlatSpeedButton23, &TForm2::FlatSpeedButton23Click);
    click(FlatSpeedButton24, &TForm2::FlatSpeedButton24Click);
    click(FlatSpeedButton25, &TForm2::FlatSpeedButton25Click);
    click(FlatSpeedButton26, &TForm2::FlatSpeedButton26Click);
    click(FlatSpeedButton27, &TForm2::FlatSpeedButton27Click);
    connect(FlatComboBox1, &TFlatComboBox::changed, this, &TForm2::FlatComboBox1Change);
    connect(FlatColorComboBox1, &TFlatColorComboBox::changed, this,
            &TForm2::FlatColorComboBox1Change);
    connect(FlatSpinEditInteger2, &TFlatSpinEditInteger::changed, this,
            &TForm2::FlatSpinEditInteger2Change);
    click(FlatButton2, &TForm2::FlatButton2Click);
    click(FlatButton3, &TForm2::FlatButton3Click);
    click(FlatButton4, &TForm2::FlatButton4Click);

    click(FlatSpeedButton28, &TForm2::FlatSpeedButton28Click);
    click(OpenPlan, &TForm2::OpenPlanClick);
    click(SavePlan, &TForm2::SavePlanClick);
}

QStringList TForm2::FontBoxEntries(const QStringList& families) {
    // Where a family comes from several foundries the database lists it once per foundry,
    // "Nimbus Sans [urw]"; the document and the saved file need the family name alone.
    static const QRegularExpression foundry(QStringLiteral("^(.+) \\[[^\\[\\]]*\\]$"));
    QStringList names{QStringLiteral("Default")};
    for (const QString& family : families) {
        const QRegularExpressionMatch m = foundry.match(family);
        names.append(m.hasMatch() ? m.captured(1) : family);
    }
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

void TForm2::FormCreate() {
    {
        const QSignalBlocker quiet(FlatComboBox1);
        FlatComboBox1->clear();
        FlatComboBox1->addItems(FontBoxEntries(QFontDatabase::families()));
        FlatComboBox1->setCurrentIndex(-1);
        FlatComboBox1->setEditText(QStringLiteral("Arial"));
    }
    advice_ = dutywise::AdviceFlag{};
}

void TForm2::FormClose() {
    emit formClosed();
}

void TForm2::closeEvent(QCloseEvent* event) {
    // Closing only hides the window: everything entered stays for the next time.
    QDialog::closeEvent(event);
    if (event->isAccepted())
        FormClose();
}

void TForm2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    TabbedNotebook1->setFocus();
}

void TForm2::keyPressEvent(QKeyEvent* event) {
    // Escape does not close the wizard; only its close box does.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm2::TabbedNotebook1Change(int /*index*/) {}

dutywise::OutingPlan TForm2::ReadPlan() const {
    dutywise::OutingPlan plan;
    plan.outingName = FlatEdit1->text().toStdString();
    plan.patrolName = FlatEdit2->text().toStdString();
    plan.people = Entries(*FlatListBox1);
    for (int day = 0; day < dutywise::kDays; ++day) {
        plan.days[static_cast<std::size_t>(day)] = days->checked(day);
        for (int meal = 0; meal < dutywise::kMeals; ++meal)
            plan.mealTicks[static_cast<std::size_t>(day)][static_cast<std::size_t>(meal)] =
                MealBox(day, meal)->isChecked();
    }
    plan.breakfasts = Entries(*FlatListBox2);
    plan.lunches = Entries(*FlatListBox3);
    plan.dinners = Entries(*FlatListBox4);
    plan.snacks = Entries(*FlatListBox5);
    plan.drinks = Entries(*FlatListBox6);
    // A text that is not a number reads as the box's minimum, 1.
    plan.crewSize = NS->value();
    plan.evenShares = ShareEvenly->isChecked();
    return plan;
}

dutywise::RosterDocument& TForm2::Document() {
    return *document_;
}

void TForm2::FlatButton1Click() {
    // One layout for the whole roster rather than one per paragraph.
    const EditorDocument::Batch batch(*document_);
    dutywise::BuildRoster(ReadPlan(), *document_, *this, dutywise::ProgramGenerator(), advice_);
}

void TForm2::ShowMessage(const std::string& text) {
    // What the build wrote so far shows behind the message.
    document_->EndBatch();
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Dutywise"), QString::fromStdString(text),
                    QMessageBox::Ok, this);
    box.exec();
}

void TForm2::ShowHiddenPicture() {
    emit hiddenPictureRequested();
}

void TForm2::HideNotice() {
    Label16->hide();
}

void TForm2::AdvanceGauge(int amount) {
    G->setProgress(std::min(G->maxValue(), G->progress() + amount));
}
