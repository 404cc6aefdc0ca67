#include "WhoIsThereDialog.h"

#include <algorithm>
#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include "PresenceModel.h"

WhoIsThereDialog::WhoIsThereDialog(const QStringList& people,
                                   const std::vector<dutywise::MealSlot>& meals,
                                   const std::vector<dutywise::MealSet>& away, QWidget* parent)
    : QDialog(parent), model_(new PresenceModel(people, meals, away, this)),
      presenceTable_(new QTableView(this)) {
    setWindowTitle(tr("Who is there when?"));
    setObjectName(QStringLiteral("WhoIsThereDialog"));

    auto* hint = new QLabel(tr("Untick the meals a person is away from. The tick on a name ticks "
                               "or clears the whole row."),
                            this);
    hint->setWordWrap(true);

    presenceTable_->setObjectName(QStringLiteral("presenceTable"));
    presenceTable_->setAccessibleName(tr("Who is there when"));
    presenceTable_->setModel(model_);
    presenceTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    presenceTable_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    presenceTable_->verticalHeader()->hide();
    // Fixed section sizes: nothing is measured row by row, so thousands of people open at once.
    presenceTable_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    presenceTable_->verticalHeader()->setDefaultSectionSize(presenceTable_->fontMetrics().height() +
                                                            8);
    QHeaderView* header = presenceTable_->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    const QFontMetrics metrics = presenceTable_->fontMetrics();
    int nameWidth = metrics.horizontalAdvance(model_->headerData(0, Qt::Horizontal).toString());
    for (const QString& name : people)
        nameWidth = std::max(nameWidth, metrics.horizontalAdvance(name));
    header->resizeSection(0, std::min(nameWidth + 40, 240));
    for (int column = 1; column < model_->columnCount(); ++column) {
        const QString title = model_->headerData(column, Qt::Horizontal).toString();
        header->resizeSection(column, metrics.horizontalAdvance(title) + 16);
    }

    auto* everyMeal = new QAction(tr("There for Every Meal"), presenceTable_);
    auto* noMeal = new QAction(tr("Away from Every Meal"), presenceTable_);
    everyMeal->setObjectName(QStringLiteral("thereForEveryMeal"));
    noMeal->setObjectName(QStringLiteral("awayFromEveryMeal"));
    presenceTable_->addAction(everyMeal);
    presenceTable_->addAction(noMeal);
    presenceTable_->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(everyMeal, &QAction::triggered, this, [this] { setSelectedRowsThere(true); });
    connect(noMeal, &QAction::triggered, this, [this] { setSelectedRowsThere(false); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("presenceButtons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(presenceTable_);
    layout->addWidget(buttons);
    int tableWidth = 2 * presenceTable_->frameWidth() + 24;
    for (int column = 0; column < model_->columnCount(); ++column)
        tableWidth += header->sectionSize(column);
    resize(std::clamp(tableWidth + 24, 360, 760), 440);
}

const std::vector<dutywise::MealSet>& WhoIsThereDialog::away() const {
    return model_->away();
}

void WhoIsThereDialog::setSelectedRowsThere(bool there) {
    for (const QModelIndex& row : presenceTable_->selectionModel()->selectedRows())
        model_->setThereForEveryMeal(row.row(), there);
}
