#include "CrewsDialog.h"

#include <algorithm>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "CrewsModel.h"

namespace {

// A place is changed through a drop-down of the people: those there for the meal first, in list
// order, then, after a line, those away from it. Only the place being changed has one, so the
// dialog opens at once whatever the roster's size.
class PlaceDelegate : public QStyledItemDelegate {
public:
    explicit PlaceDelegate(CrewsModel* model, QObject* parent)
        : QStyledItemDelegate(parent), model_(model) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        if (!model_->isPlace(index))
            return nullptr;
        const dutywise::Roster& roster = model_->roster();
        const dutywise::RosterMeal& meal = roster.meals[static_cast<std::size_t>(index.row())];
        auto* box = new QComboBox(parent);
        box->setObjectName(QStringLiteral("personBox"));
        box->setAccessibleName(CrewsModel::tr("Person for %1").arg(model_->placeTitle(index)));
        for (const bool there : {true, false}) {
            if (!there && box->count() > 0 &&
                meal.there.size() < roster.people.size())
                box->insertSeparator(box->count());
            for (std::size_t p = 0; p < roster.people.size(); ++p) {
                const int person = static_cast<int>(p);
                if (meal.IsThere(person) != there)
                    continue;
                const QString name = QString::fromStdString(roster.people[p]);
                box->addItem(there ? name : CrewsModel::tr("%1 (away)").arg(name), person);
            }
        }
        // A choice is made with one click or Enter, as in any drop-down.
        connect(box, &QComboBox::activated, this, [this, box] {
            auto* self = const_cast<PlaceDelegate*>(this);
            emit self->commitData(box);
            emit self->closeEditor(box);
        });
        QTimer::singleShot(0, box, &QComboBox::showPopup);
        return box;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* box = static_cast<QComboBox*>(editor);
        box->setCurrentIndex(box->findData(index.data(Qt::EditRole)));
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        const QVariant person = static_cast<QComboBox*>(editor)->currentData();
        if (person.isValid())
            model->setData(index, person, Qt::EditRole);
    }

private:
    CrewsModel* model_;
};

} // namespace

CrewsDialog::CrewsDialog(const dutywise::Roster& roster, const dutywise::RosterWords& words,
                         std::vector<std::array<std::string, 2>> keptApart, QWidget* parent)
    : QDialog(parent), model_(new CrewsModel(roster, words, std::move(keptApart), this)),
      crewsTable_(new QTableView(this)) {
    setWindowTitle(tr("Crews"));
    setObjectName(QStringLiteral("CrewsDialog"));

    auto* hint = new QLabel(tr("Double-click a place, or choose it and press Replace..., to put "
                               "another person there. Swap With... swaps two places. A place "
                               "you set stays when the roster is regenerated."),
                            this);
    hint->setWordWrap(true);

    crewsTable_->setObjectName(QStringLiteral("crewsTable"));
    crewsTable_->setAccessibleName(tr("Crews of every meal"));
    crewsTable_->setModel(model_);
    crewsTable_->setItemDelegate(new PlaceDelegate(model_, crewsTable_));
    crewsTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    crewsTable_->setSelectionBehavior(QAbstractItemView::SelectItems);
    crewsTable_->setEditTriggers(QAbstractItemView::DoubleClicked |
                                 QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::SelectedClicked);
    // Tab leaves the table for the buttons; the arrow keys move between places.
    crewsTable_->setTabKeyNavigation(false);
    crewsTable_->setWordWrap(false);
    crewsTable_->setTextElideMode(Qt::ElideRight);
    crewsTable_->verticalHeader()->hide();
    // A meal with several warnings shows each on a line of its own. The heights are set here
    // from the count of warnings rather than measured cell by cell (names may be long).
    crewsTable_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int row = 0; row < model_->rowCount(); ++row)
        fitRow(row);
    connect(model_, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) {
                for (int row = from.row(); row <= to.row(); ++row)
                    fitRow(row);
            });

    // Widths from the texts, bounded: names may be long; the whole name is in the tooltip.
    const QFontMetrics metrics = crewsTable_->fontMetrics();
    QHeaderView* header = crewsTable_->horizontalHeader();
    const auto widest = [&](int column, int low, int high) {
        int width = metrics.horizontalAdvance(model_->headerData(column, Qt::Horizontal).toString());
        for (int row = 0; row < model_->rowCount(); ++row)
            width = std::max(width, metrics.horizontalAdvance(model_->index(row, column).data().toString()));
        return std::clamp(width + 16, low, high);
    };
    int nameWidth = 0;
    for (const std::string& name : roster.people)
        nameWidth = std::max(nameWidth, metrics.horizontalAdvance(QString::fromStdString(name).left(
                                            CrewsModel::kShownNameLength)));
    header->resizeSection(CrewsModel::MealColumn, widest(CrewsModel::MealColumn, 60, 220));
    header->resizeSection(CrewsModel::RulesColumn, 260);
    for (int column = CrewsModel::FirstPlaceColumn; column < model_->columnCount(); ++column)
        header->resizeSection(
            column, std::clamp(std::max(nameWidth, metrics.horizontalAdvance(
                                                       model_->headerData(column, Qt::Horizontal)
                                                           .toString())) +
                                   16,
                               60, 140));

    replaceButton_ = new QPushButton(tr("Replace..."), this);
    replaceButton_->setObjectName(QStringLiteral("replaceButton"));
    replaceButton_->setAccessibleName(tr("Replace the person in the chosen place"));
    swapButton_ = new QPushButton(tr("Swap With..."), this);
    swapButton_->setObjectName(QStringLiteral("swapButton"));
    swapButton_->setAccessibleName(tr("Swap the chosen place with another"));
    for (QPushButton* button : {replaceButton_, swapButton_})
        button->setAutoDefault(false);
    connect(replaceButton_, &QPushButton::clicked, this, &CrewsDialog::replacePerson);
    connect(swapButton_, &QPushButton::clicked, this, &CrewsDialog::swapWith);
    connect(crewsTable_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CrewsDialog::currentChanged);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("crewsButtons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(replaceButton_);
    row->addWidget(swapButton_);
    row->addStretch();
    row->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(crewsTable_);
    layout->addLayout(row);
    setTabOrder(crewsTable_, replaceButton_);
    setTabOrder(replaceButton_, swapButton_);
    setTabOrder(swapButton_, buttons);

    int tableWidth = 2 * crewsTable_->frameWidth() + 24;
    for (int column = 0; column < model_->columnCount(); ++column)
        tableWidth += header->sectionSize(column);
    resize(std::clamp(tableWidth + 24, 480, 1000), 480);

    // The first place is chosen, so that the keys work from the start.
    crewsTable_->setCurrentIndex(model_->index(0, CrewsModel::FirstPlaceColumn));
    currentChanged();
}

void CrewsDialog::fitRow(int row) {
    const int lines = std::max<qsizetype>(1, model_->brokenRules(row).size());
    crewsTable_->verticalHeader()->resizeSection(
        row, lines * crewsTable_->fontMetrics().lineSpacing() + 6);
}

const dutywise::Roster& CrewsDialog::roster() const {
    return model_->roster();
}

void CrewsDialog::currentChanged() {
    const bool onPlace = model_->isPlace(crewsTable_->currentIndex());
    replaceButton_->setEnabled(onPlace);
    swapButton_->setEnabled(onPlace);
}

void CrewsDialog::replacePerson() {
    const QModelIndex current = crewsTable_->currentIndex();
    if (!model_->isPlace(current))
        return;
    crewsTable_->setFocus();
    crewsTable_->edit(current);
}

void CrewsDialog::swapWith() {
    const QModelIndex current = crewsTable_->currentIndex();
    if (!model_->isPlace(current))
        return;
    // Every other place, in the table's order; the meal's own places first.
    QList<QModelIndex> others;
    QStringList titles;
    const auto addRow = [&](int r) {
        for (int column = CrewsModel::FirstPlaceColumn; column < model_->columnCount(); ++column) {
            const QModelIndex other = model_->index(r, column);
            if (other != current && model_->isPlace(other)) {
                others << other;
                titles << model_->placeTitle(other);
            }
        }
    };
    addRow(current.row());
    for (int r = 0; r < model_->rowCount(); ++r)
        if (r != current.row())
            addRow(r);
    if (others.isEmpty())
        return;
    QInputDialog chooser(this);
    chooser.setWindowTitle(tr("Swap Places"));
    chooser.setLabelText(tr("Swap %1 with:").arg(model_->placeTitle(current)));
    chooser.setComboBoxItems(titles);
    chooser.setComboBoxEditable(false);
    if (chooser.exec() != QDialog::Accepted)
        return;
    const qsizetype chosen = titles.indexOf(chooser.textValue());
    if (chosen >= 0)
        model_->swapPlaces(current, others[chosen]);
}
