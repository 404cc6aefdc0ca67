#include "WhoIsThereDialog.h"

#include <algorithm>
#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVBoxLayout>

#include "FrozenColumnTable.h"
#include "PresenceModel.h"

WhoIsThereDialog::WhoIsThereDialog(const QStringList& people,
                                   const std::vector<dutywise::MealSlot>& meals,
                                   const std::vector<dutywise::MealSet>& away, QWidget* parent)
    : QDialog(parent), model_(new PresenceModel(people, meals, away, this)),
      presenceTable_(new FrozenColumnTable(this)) {
    setWindowTitle(tr("Who is there when?"));
    setObjectName(QStringLiteral("WhoIsThereDialog"));

    auto* hint = new QLabel(tr("Untick the meals a person is away from. The tick on a name ticks "
                               "or clears the whole row."),
                            this);
    hint->setWordWrap(true);

    presenceTable_->setObjectName(QStringLiteral("presenceTable"));
    presenceTable_->setAccessibleName(tr("Who is there when"));
    presenceTable_->setModel(model_);
    // Tab leaves the table for the buttons; the arrow keys move from cell to cell.
    presenceTable_->setTabKeyNavigation(false);
    // The names stay at the left while the meals scroll sideways.
    presenceTable_->frozenView()->setAccessibleName(
        model_->headerData(0, Qt::Horizontal).toString());
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
    // A cell's tick and the margins around it, as the style draws them.
    QStyleOptionButton tick;
    tick.initFrom(presenceTable_);
    const int tickWidth =
        style()->subElementRect(QStyle::SE_CheckBoxIndicator, &tick, presenceTable_).width() +
        2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, presenceTable_) + 8;
    int nameWidth = 0;
    for (const QString& name : people)
        nameWidth = std::max(nameWidth, metrics.horizontalAdvance(name) + tickWidth + 16);
    header->resizeSection(0, std::max(header->sectionSizeHint(0), std::min(nameWidth, 240)));
    // Each meal's column as wide as its title needs in the header's own font and margins.
    for (int column = 1; column < model_->columnCount(); ++column)
        header->resizeSection(column, std::max(header->sectionSizeHint(column), tickWidth));

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
    // Wide enough for every column, the scroll bar beside them and the layout's margins, as far
    // as the screen allows; beyond that the meals scroll under the names.
    int tableWidth = 2 * presenceTable_->frameWidth() +
                     presenceTable_->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < model_->columnCount(); ++column)
        tableWidth += header->sectionSize(column);
    const QMargins margins = layout->contentsMargins();
    const QScreen* screen = parent ? parent->screen() : this->screen();
    const int widest = screen ? screen->availableGeometry().width() : 760;
    resize(std::clamp(tableWidth + margins.left() + margins.right(), 360, std::max(360, widest)),
           440);
}

const std::vector<dutywise::MealSet>& WhoIsThereDialog::away() const {
    return model_->away();
}

void WhoIsThereDialog::setSelectedRowsThere(bool there) {
    for (const QModelIndex& row : presenceTable_->selectionModel()->selectedRows())
        model_->setThereForEveryMeal(row.row(), there);
}
