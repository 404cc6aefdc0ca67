#include "FlatListBox.h"

#include <algorithm>
#include <QApplication>
#include <QCollator>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>
#include <stdexcept>
#include <string>

namespace {

constexpr int RowGap = 2;
constexpr int ButtonBand = 11; // height of each scroll-button band
constexpr int RepeatDelayMs = 600;
constexpr int RepeatIntervalMs = 100;
const QColor UnusableArrow(0x80, 0x80, 0x80);

// Where the program has not said otherwise, the user's locale.
QLocale& sortLocale() {
    static QLocale locale;
    return locale;
}

QCollator entryCollator() {
    QCollator c{sortLocale()};
    c.setCaseSensitivity(Qt::CaseInsensitive);
    return c;
}

} // namespace

FlatListBox::FlatListBox(QWidget* parent) : QWidget(parent), m_repeatTimer(new QTimer(this)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover, false);
    m_repeatTimer->setObjectName(QStringLiteral("scrollRepeat"));
    m_repeatTimer->setSingleShot(false);
    connect(m_repeatTimer, &QTimer::timeout, this, &FlatListBox::scrollRepeat);
    resize(120, snappedHeight(99));
}

FlatListBox::~FlatListBox() = default;

void FlatListBox::setSortLocale(const QLocale& locale) {
    sortLocale() = locale;
}

QCollator FlatListBox::sortCollator() {
    return entryCollator();
}

quint64 FlatListBox::entryKey(int i) const {
    if (i < 0 || i >= count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
    return m_keys[static_cast<std::size_t>(i)];
}

QString FlatListBox::item(int i) const {
    if (i < 0 || i >= count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
    return m_items.at(i);
}

void FlatListBox::addItem(const QString& text) {
    insertEntry(text, false);
}
void FlatListBox::addItemKeeping(const QString& text) {
    insertEntry(text, true);
}

void FlatListBox::insertEntry(const QString& text, bool keepEqual) {
    if (!m_sorted) {
        m_items.append(text);
        m_keys.push_back(m_nextKey++);
    } else {
        const QCollator coll = entryCollator();
        const auto less = [&coll](const QString& a, const QString& b) {
            return coll.compare(a, b) < 0;
        };
        const auto at = std::lower_bound(m_items.begin(), m_items.end(), text, less);
        if (at != m_items.end() && coll.compare(*at, text) == 0 && !keepEqual)
            return; // a sorted list drops an entry equal to one it holds
        m_keys.insert(m_keys.begin() + (at - m_items.begin()), m_nextKey++);
        m_items.insert(at, text);
    }
    entriesChanged();
}

void FlatListBox::deleteItem(int i) {
    if (i < 0 || i >= count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
    m_items.removeAt(i);
    m_keys.erase(m_keys.begin() + i);
    entriesChanged();
}

void FlatListBox::clear() {
    m_items.clear();
    m_keys.clear();
    entriesChanged();
}

std::vector<quint64> FlatListBox::takeNewKeys(qsizetype n) {
    std::vector<quint64> keys(static_cast<std::size_t>(n));
    for (quint64& key : keys)
        key = m_nextKey++;
    return keys;
}

void FlatListBox::sortEntries() {
    // Equal entries keep their order. The keys go with their entries.
    const QCollator coll = entryCollator();
    const auto less = [&coll](const QString& a, const QString& b) {
        return coll.compare(a, b) < 0;
    };
    // A list in order already (as a saved sorted list is) costs one pass.
    if (std::is_sorted(m_items.begin(), m_items.end(), less))
        return;
    std::vector<int> order(static_cast<std::size_t>(m_items.size()));
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return less(m_items.at(a), m_items.at(b)); });
    QStringList items;
    items.reserve(m_items.size());
    std::vector<quint64> keys;
    keys.reserve(m_keys.size());
    for (int i : order) {
        items.append(m_items.at(i));
        keys.push_back(m_keys[static_cast<std::size_t>(i)]);
    }
    m_items = std::move(items);
    m_keys = std::move(keys);
}

bool FlatListBox::assignItems(const QStringList& list) {
    if (list.size() > MaxAssignedItems)
        return false;
    QStringList trimmed;
    trimmed.reserve(list.size());
    for (const QString& s : list)
        trimmed.append(s.trimmed());
    m_items = trimmed;
    m_keys = takeNewKeys(m_items.size());
    if (m_sorted)
        sortEntries();
    entriesChanged();
    return true;
}

std::vector<quint64> FlatListBox::replaceItems(const QStringList& list) {
    m_items = list;
    m_keys = takeNewKeys(m_items.size());
    std::vector<quint64> given = m_keys;
    // One sort for the whole list, with the same comparison an addition uses.
    if (m_sorted)
        sortEntries();
    entriesChanged();
    return given;
}

void FlatListBox::setSorted(bool on) {
    if (on == m_sorted)
        return;
    m_sorted = on;
    if (on)
        sortEntries(); // equal entries already present all stay, in their order
    entriesChanged();
}

void FlatListBox::entriesChanged() {
    // The selected index deliberately survives: callers check it against count().
    m_highlight.assign(m_items.size(), false);
    m_topIndex = std::clamp(m_topIndex, 0, maxTopIndex());
    update();
    emit itemsChanged();
}

void FlatListBox::setScrollBars(bool on) {
    if (on == m_scrollBars)
        return;
    m_scrollBars = on;
    snapHeight();
    m_topIndex = std::clamp(m_topIndex, 0, maxTopIndex());
    update();
}

void FlatListBox::setItemHeight(int h) {
    h = std::max(1, h);
    if (h == m_itemHeight)
        return;
    m_itemHeight = h;
    snapHeight();
    m_topIndex = std::clamp(m_topIndex, 0, maxTopIndex());
    update();
}

void FlatListBox::setTransparentMode(TransparentMode mode) {
    m_transparentMode = mode;
    update();
}

void FlatListBox::setColorBorder(const QColor& c) {
    m_colorBorder = c;
    update();
}
void FlatListBox::setColorItemsRect(const QColor& c) {
    m_colorItemsRect = c;
    update();
}
void FlatListBox::setColorItemsSelect(const QColor& c) {
    m_colorItemsSelect = c;
    update();
}
void FlatListBox::setColorArrow(const QColor& c) {
    m_colorArrow = c;
    update();
}

void FlatListBox::setSelectedIndex(int i) {
    std::fill(m_highlight.begin(), m_highlight.end(), false);
    if (i >= 0 && i < int(m_highlight.size()))
        m_highlight[size_t(i)] = true;
    const bool changed = i != m_selectedIndex;
    m_selectedIndex = i;
    update();
    if (changed)
        emit selectedIndexChanged(i);
}

bool FlatListBox::isHighlighted(int i) const {
    return i >= 0 && i < int(m_highlight.size()) && m_highlight[size_t(i)];
}

void FlatListBox::setTopIndex(int i) {
    i = std::clamp(i, 0, maxTopIndex());
    if (i == m_topIndex)
        return;
    m_topIndex = i;
    update();
}

int FlatListBox::maxTopIndex() const {
    return std::max(0, count() - visibleRows());
}

int FlatListBox::visibleRows() const {
    const int rows = (height() - (m_scrollBars ? 24 : 4)) / (m_itemHeight + RowGap);
    return std::max(0, rows);
}

int FlatListBox::snappedHeight(int h) const {
    const int chrome = m_scrollBars ? 24 : 4;
    const int rows = std::max(0, (h - chrome) / (m_itemHeight + RowGap));
    return rows * (m_itemHeight + RowGap) + chrome;
}

QRect FlatListBox::rowRect(int row) const {
    return {3, firstRowTop() + row * (m_itemHeight + RowGap), std::max(0, width() - 6),
            m_itemHeight};
}

int FlatListBox::rowAt(const QPoint& pos) const {
    const int rows = visibleRows();
    if (rows == 0 || pos.y() < firstRowTop())
        return rows == 0 ? -1 : (pos.y() >= 0 ? 0 : -1);
    const int row = (pos.y() - firstRowTop()) / (m_itemHeight + RowGap);
    return row < rows ? row : -1;
}

QSize FlatListBox::sizeHint() const {
    return {120, snappedHeight(99)};
}

void FlatListBox::snapHeight() {
    const int h = snappedHeight(height());
    if (h != height() && !m_snapping) {
        m_snapping = true;
        resize(width(), h);
        m_snapping = false;
    }
}

void FlatListBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    snapHeight();
    m_topIndex = std::clamp(m_topIndex, 0, maxTopIndex());
}

bool FlatListBox::backgroundTransparent() const {
    switch (m_transparentMode) {
    case tmAlways:
        return true;
    case tmNotFocused:
        return !hasFocus();
    case tmNone:
        break;
    }
    return false;
}

void FlatListBox::paintEvent(QPaintEvent*) {
    // Draw the whole frame off screen and copy it in one go: no flicker over a picture.
    const qreal dpr = devicePixelRatioF();
    QPixmap frame(size() * dpr);
    frame.setDevicePixelRatio(dpr);
    const bool transparent = backgroundTransparent();
    frame.fill(transparent ? QColor(Qt::transparent) : m_colorItemsRect);
    {
        QPainter p(&frame);
        p.setFont(font());
        p.setPen(m_colorBorder);
        p.setBrush(Qt::NoBrush);
        p.drawRect(0, 0, width() - 1, height() - 1);

        const int rows = visibleRows();
        for (int row = 0; row < rows; ++row) {
            const int index = m_topIndex + row;
            if (index >= count())
                break;
            paintRow(p, rowRect(row), index);
        }

        if (m_scrollBars) {
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setPen(Qt::NoPen);
            const int cx = width() / 2;
            const QColor up = m_topIndex > 0 && isEnabled() ? m_colorArrow : UnusableArrow;
            const QColor down =
                m_topIndex < maxTopIndex() && isEnabled() ? m_colorArrow : UnusableArrow;
            // Up arrow in the top band (y 1..11), down arrow in the bottom band.
            p.setBrush(up);
            const QPoint upTri[3] = {{cx - 4, 8}, {cx + 4, 8}, {cx, 4}};
            p.drawPolygon(upTri, 3);
            p.setBrush(down);
            const int b = height() - 1 - ButtonBand;
            const QPoint downTri[3] = {{cx - 4, b + 3}, {cx + 4, b + 3}, {cx, b + 7}};
            p.drawPolygon(downTri, 3);
        }
    }
    QPainter screen(this);
    screen.drawPixmap(0, 0, frame);
}

void FlatListBox::paintRow(QPainter& p, const QRect& row, int index) {
    if (isHighlighted(index)) {
        p.setPen(m_colorBorder);
        p.setBrush(m_colorItemsSelect);
        p.drawRect(row.adjusted(0, 0, -1, -1));
    }
    drawRowText(p, row.adjusted(3, 0, -3, 0), m_items.at(index));
}

void FlatListBox::drawRowText(QPainter& p, const QRect& textRect, const QString& text) {
    // One line, no accelerator prefixes.
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    p.save();
    p.setClipRect(textRect);
    if (isEnabled()) {
        p.setPen(palette().color(QPalette::Active, QPalette::Text));
        p.drawText(textRect, flags, text);
    } else {
        // Engraved: a light copy one pixel down-right under the shadow-coloured text.
        p.setPen(palette().color(QPalette::Light));
        p.drawText(textRect.translated(1, 1), flags, text);
        p.setPen(palette().color(QPalette::Disabled, QPalette::Mid));
        p.drawText(textRect, flags, text);
    }
    p.restore();
}

void FlatListBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint pos = event->position().toPoint();
    if (m_scrollBars && (pos.y() <= ButtonBand || pos.y() >= height() - 1 - ButtonBand)) {
        m_repeatDelta = pos.y() <= ButtonBand ? -1 : 1;
        scrollStep(m_repeatDelta);
        m_repeatTimer->start(RepeatDelayMs);
        return;
    }
    if (count() == 0)
        return;
    const int row = rowAt(pos);
    if (row >= 0)
        rowPressed(pos, row);
}

void FlatListBox::rowPressed(const QPoint&, int row) {
    setFocus(Qt::MouseFocusReason);
    // An empty row below the last entry still stores its position as the selection.
    setSelectedIndex(m_topIndex + row);
}

void FlatListBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_repeatTimer->stop();
    QWidget::mouseReleaseEvent(event);
}

void FlatListBox::scrollStep(int delta) {
    if (delta < 0 && m_topIndex > 0)
        setTopIndex(m_topIndex - 1);
    else if (delta > 0 && m_topIndex < maxTopIndex())
        setTopIndex(m_topIndex + 1);
}

void FlatListBox::scrollRepeat() {
    m_repeatTimer->setInterval(RepeatIntervalMs);
    scrollStep(m_repeatDelta);
}

void FlatListBox::keyPressEvent(QKeyEvent* event) {
    // Up, Down and the page keys scroll and never touch the selection; Home, End, Ctrl+Up and
    // Ctrl+Down select the first, last, previous and next entry and bring it into view.
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const int last = count() - 1;
    const int current = m_selectedIndex;
    switch (event->key()) {
    case Qt::Key_PageUp:
        setTopIndex(m_topIndex - std::max(1, visibleRows()));
        break;
    case Qt::Key_PageDown:
        setTopIndex(m_topIndex + std::max(1, visibleRows()));
        break;
    case Qt::Key_Up:
        if (ctrl)
            // From no selection, or from a row beyond the entries, the last entry comes first.
            selectAndShow(current < 0 || current > last ? last : std::max(0, current - 1));
        else
            setTopIndex(m_topIndex - 1);
        break;
    case Qt::Key_Down:
        if (ctrl)
            selectAndShow(current < 0 ? 0 : std::min(last, current + 1));
        else
            setTopIndex(m_topIndex + 1);
        break;
    case Qt::Key_Home:
        selectAndShow(0);
        break;
    case Qt::Key_End:
        selectAndShow(last);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void FlatListBox::selectAndShow(int i) {
    if (i < 0 || i >= count())
        return;
    setSelectedIndex(i);
    if (i < m_topIndex)
        setTopIndex(i);
    else if (i >= m_topIndex + visibleRows())
        setTopIndex(i - std::max(1, visibleRows()) + 1);
}

void FlatListBox::wheelEvent(QWheelEvent* event) {
    m_wheelRemainder += event->angleDelta().y();
    const int notches = m_wheelRemainder / 120;
    m_wheelRemainder -= notches * 120;
    if (notches != 0) {
        const int lines = QApplication::wheelScrollLines();
        const int perNotch = lines > 0 ? lines : std::max(1, visibleRows());
        setTopIndex(m_topIndex - notches * perNotch);
    }
    event->accept();
}

void FlatListBox::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void FlatListBox::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    m_repeatTimer->stop();
    update();
}

void FlatListBox::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange ||
        event->type() == QEvent::PaletteChange)
        update();
}

// ---------------------------------------------------------------------------------------------

FlatCheckListBox::FlatCheckListBox(QWidget* parent) : FlatListBox(parent) {}

bool FlatCheckListBox::checked(int i) const {
    return i >= 0 && i < int(m_checked.size()) && m_checked[size_t(i)];
}

void FlatCheckListBox::setChecked(int i, bool on) {
    if (i < 0 || i >= int(m_checked.size()) || m_checked[size_t(i)] == on)
        return;
    m_checked[size_t(i)] = on;
    update();
}

bool FlatCheckListBox::isHighlighted(int i) const {
    return i >= 0 && i < count() && i == selectedIndex();
}

void FlatCheckListBox::setColorCheck(const QColor& c) {
    m_colorCheck = c;
    update();
}

void FlatCheckListBox::entriesChanged() {
    m_checked.assign(size_t(count()), false);
    FlatListBox::entriesChanged();
}

void FlatCheckListBox::paintRow(QPainter& p, const QRect& row, int index) {
    if (isHighlighted(index)) {
        p.setPen(colorBorder());
        p.setBrush(colorItemsSelect());
        p.drawRect(row.adjusted(0, 0, -1, -1));
    }
    const QRect box = checkRect(row);
    p.setPen(colorBorder());
    p.setBrush(colorItemsRect());
    p.drawRect(box.adjusted(0, 0, -1, -1));
    if (checked(index)) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        QPen pen(isEnabled() ? m_colorCheck : UnusableArrow, 1.6);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
        const QPointF tick[3] = {{box.left() + 2.5, box.top() + 5.5},
                                 {box.left() + 4.5, box.top() + 8.0},
                                 {box.left() + 8.5, box.top() + 2.5}};
        p.drawPolyline(tick, 3);
        p.restore();
    }
    drawRowText(p, row.adjusted(19, 0, -3, 0), items().at(index));
}

void FlatCheckListBox::rowPressed(const QPoint& pos, int row) {
    const QRect r = rowRect(row);
    if (checkRect(r).contains(pos)) {
        const int index = topIndex() + row;
        if (index < count())
            setChecked(index, !checked(index));
        setFocus(Qt::MouseFocusReason);
        emit clickCheck(index);
        return;
    }
    FlatListBox::rowPressed(pos, row);
}

void FlatCheckListBox::keyPressEvent(QKeyEvent* event) {
    // Space ticks the selected entry exactly as a click on its square does, notification
    // included, so that what hangs on a tick (a day's meals) follows it.
    if (event->key() == Qt::Key_Space) {
        const int i = selectedIndex();
        if (i >= 0 && i < count()) {
            setChecked(i, !checked(i));
            emit clickCheck(i);
        }
        event->accept();
        return;
    }
    FlatListBox::keyPressEvent(event);
}
