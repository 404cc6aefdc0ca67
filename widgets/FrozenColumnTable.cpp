#include "FrozenColumnTable.h"

#include <QHeaderView>
#include <QScrollBar>

FrozenColumnTable::FrozenColumnTable(QWidget* parent)
    : QTableView(parent), frozen_(new QTableView(this)) {
    frozen_->setObjectName(QStringLiteral("frozenColumn"));
    frozen_->setFocusPolicy(Qt::NoFocus);
    frozen_->setFrameShape(QFrame::NoFrame);
    frozen_->verticalHeader()->hide();
    frozen_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    frozen_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    frozen_->setVerticalScrollMode(ScrollPerPixel);
    viewport()->stackUnder(frozen_);

    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int size) {
                if (column == 0) {
                    frozen_->setColumnWidth(0, size);
                    placeFrozenView();
                }
            });
    connect(verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int row, int, int size) { frozen_->setRowHeight(row, size); });
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, frozen_->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(frozen_->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
}

void FrozenColumnTable::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    frozen_->setModel(model);
    frozen_->setSelectionModel(selectionModel());
    if (model) {
        connect(model, &QAbstractItemModel::columnsInserted, this,
                &FrozenColumnTable::hideScrollingColumns);
        connect(model, &QAbstractItemModel::modelReset, this,
                &FrozenColumnTable::hideScrollingColumns);
    }
    hideScrollingColumns();
}

void FrozenColumnTable::hideScrollingColumns() {
    if (!model())
        return;
    for (int column = 1; column < model()->columnCount(); ++column)
        frozen_->setColumnHidden(column, true);
    frozen_->setColumnWidth(0, columnWidth(0));
    placeFrozenView();
}

void FrozenColumnTable::placeFrozenView() {
    frozen_->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), columnWidth(0),
                         viewport()->height() + horizontalHeader()->height());
}

void FrozenColumnTable::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    placeFrozenView();
}

void FrozenColumnTable::updateGeometries() {
    QTableView::updateGeometries();
    // The rows, the header and the way rows are picked as the table has them now.
    frozen_->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    frozen_->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    frozen_->setSelectionBehavior(selectionBehavior());
    frozen_->setSelectionMode(selectionMode());
    placeFrozenView();
}

void FrozenColumnTable::uncoverColumn(const QModelIndex& index) {
    if (!index.isValid() || index.column() == 0)
        return;
    const int left = visualRect(index).left();
    if (left < columnWidth(0))
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + left - columnWidth(0));
}

QModelIndex FrozenColumnTable::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = QTableView::moveCursor(action, modifiers);
    uncoverColumn(current);
    return current;
}

void FrozenColumnTable::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (index.column() == 0) {
        // The first column is always in view: only the rows scroll to it.
        const int across = horizontalScrollBar()->value();
        QTableView::scrollTo(index, hint);
        horizontalScrollBar()->setValue(across);
        return;
    }
    QTableView::scrollTo(index, hint);
    uncoverColumn(index);
}
