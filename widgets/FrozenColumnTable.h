#pragma once
// A table view whose first column stays in view while the others scroll sideways: a second,
// focus-less view over the left edge shows that column, sharing the model, the selection and
// the vertical scrolling. The keyboard works the table itself.

#include <QTableView>

class FrozenColumnTable : public QTableView {
    Q_OBJECT

public:
    explicit FrozenColumnTable(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    // The view that shows the first column over the table's left edge.
    QTableView* frozenView() const { return frozen_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

private:
    void hideScrollingColumns();
    void placeFrozenView();
    void uncoverColumn(const QModelIndex& index); // scrolls a cell out from under the first column

    QTableView* frozen_ = nullptr;
};
