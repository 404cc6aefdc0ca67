#include "FlatListBox.h"

#include <QPainter>
#include <QTimer>
#include <stdexcept>

TFlatListBox::TFlatListBox(QWidget* parent) : QWidget(parent) {}
TFlatListBox::~TFlatListBox() = default;
QString TFlatListBox::item(int i) const {
    if (i < 0 || i >= count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
    return m_items.at(i);
}
void TFlatListBox::addItem(const QString& text) { insertEntry(text, false); }
void TFlatListBox::addItemKeeping(const QString& text) { insertEntry(text, true); }
void TFlatListBox::insertEntry(const QString& text, bool) { m_items.append(text); entriesChanged(); }
void TFlatListBox::deleteItem(int i) { m_items.removeAt(i); entriesChanged(); }
void TFlatListBox::clear() { m_items.clear(); entriesChanged(); }
bool TFlatListBox::assignItems(const QStringList& list) { m_items = list; entriesChanged(); return true; }
void TFlatListBox::setSorted(bool on) { m_sorted = on; }
void TFlatListBox::setScrollBars(bool on) { m_scrollBars = on; }
void TFlatListBox::setItemHeight(int h) { m_itemHeight = h; }
void TFlatListBox::setTransparentMode(TransparentMode mode) { m_transparentMode = mode; }
void TFlatListBox::setColorBorder(const QColor& c) { m_colorBorder = c; }
void TFlatListBox::setColorItemsRect(const QColor& c) { m_colorItemsRect = c; }
void TFlatListBox::setColorItemsSelect(const QColor& c) { m_colorItemsSelect = c; }
void TFlatListBox::setColorArrow(const QColor& c) { m_colorArrow = c; }
void TFlatListBox::setSelectedIndex(int i) { m_selectedIndex = i; emit selectedIndexChanged(i); }
bool TFlatListBox::isHighlighted(int i) const { return i >= 0 && i < int(m_highlight.size()) && m_highlight[i]; }
void TFlatListBox::setTopIndex(int i) { m_topIndex = i; }
int TFlatListBox::maxTopIndex() const { return 0; }
int TFlatListBox::visibleRows() const { return 0; }
QRect TFlatListBox::rowRect(int) const { return {}; }
int TFlatListBox::rowAt(const QPoint&) const { return -1; }
int TFlatListBox::snappedHeight(int height) const { return height; }
QSize TFlatListBox::sizeHint() const { return {120, 99}; }
void TFlatListBox::paintEvent(QPaintEvent*) {}
void TFlatListBox::resizeEvent(QResizeEvent*) {}
void TFlatListBox::mousePressEvent(QMouseEvent*) {}
void TFlatListBox::mouseReleaseEvent(QMouseEvent*) {}
void TFlatListBox::keyPressEvent(QKeyEvent*) {}
void TFlatListBox::wheelEvent(QWheelEvent*) {}
void TFlatListBox::focusInEvent(QFocusEvent*) {}
void TFlatListBox::focusOutEvent(QFocusEvent*) {}
void TFlatListBox::changeEvent(QEvent*) {}
void TFlatListBox::entriesChanged() { m_highlight.assign(m_items.size(), false); emit itemsChanged(); }
void TFlatListBox::paintRow(QPainter&, const QRect&, int) {}
void TFlatListBox::rowPressed(const QPoint&, int) {}
void TFlatListBox::drawRowText(QPainter&, const QRect&, const QString&) {}
bool TFlatListBox::backgroundTransparent() const { return false; }
void TFlatListBox::scrollStep(int) {}
void TFlatListBox::scrollRepeat() {}
void TFlatListBox::snapHeight() {}

TFlatCheckListBox::TFlatCheckListBox(QWidget* parent) : TFlatListBox(parent) {}
bool TFlatCheckListBox::checked(int i) const { return i >= 0 && i < int(m_checked.size()) && m_checked[i]; }
void TFlatCheckListBox::setChecked(int i, bool on) { if (i >= 0 && i < int(m_checked.size())) m_checked[i] = on; }
bool TFlatCheckListBox::isHighlighted(int i) const { return i >= 0 && i < count() && i == selectedIndex(); }
void TFlatCheckListBox::setColorCheck(const QColor& c) { m_colorCheck = c; }
void TFlatCheckListBox::keyPressEvent(QKeyEvent* event) { TFlatListBox::keyPressEvent(event); }
void TFlatCheckListBox::entriesChanged() { m_checked.assign(count(), false); TFlatListBox::entriesChanged(); }
void TFlatCheckListBox::paintRow(QPainter&, const QRect&, int) {}
void TFlatCheckListBox::rowPressed(const QPoint&, int) {}
