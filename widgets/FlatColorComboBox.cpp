#include "FlatColorComboBox.h"

#include <array>
#include <QAbstractItemView>
#include <QApplication>
#include <QColorDialog>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

struct NamedColor {
    const char* name;
    QRgb rgb;
};

constexpr std::array<NamedColor, 17> Entries{{
    {QT_TRANSLATE_NOOP("FlatColorComboBox", "Black"), 0x000000},
    {QT_TRANSLATE_NOOP("FlatColorComboBox", "Maroon"), 0x800000},
    {QT_TRANSLATE_NOOP("FlatColorComboBox", "Green"), 0x008000},
    {QT_TRANSLATE_NOOP("FlatColorComboBox", "Olive"), 0x808000},
    {QT_TRANSLATE_NOOP("FlatColorComboBox", "Navy"), 0x000080},
    {QT_TRANSLATE_NOOP("FlatColorComboBox", "Purple"), 0x800080},
    {QT_TRANSLATE_NOOP("FlatColorComboBox", "Teal"), 0x008080},
    {QT_TRANSLATE_NOOP("FlatColorComboBox", "Gray"), 0x808080},
    {QT_TRANSLATE_NOOP("FlatColorComboBox", "Silver"), 0xC0C0C0},
    {QT_TRANSLATE_NOOP("FlatColorComboBox", "Red"), 0xFF0000},
    {QT_TRANSLATE_NOOP("FlatColorComboBox", "Lime"), 0x00FF00},
    {QT_TRANSLATE_NOOP("FlatColorComboBox", "Yellow"), 0xFFFF00},
    {QT_TRANSLATE_NOOP("FlatColorComboBox", "Blue"), 0x0000FF},
    {QT_TRANSLATE_NOOP("FlatColorComboBox", "Fuchsia"), 0xFF00FF},
    {QT_TRANSLATE_NOOP("FlatColorComboBox", "Aqua"), 0x00FFFF},
    {QT_TRANSLATE_NOOP("FlatColorComboBox", "White"), 0xFFFFFF},
    {QT_TRANSLATE_NOOP("FlatColorComboBox", "Custom"), 0x000000},
}};

// One entry: the swatch 2 pixels inside the left, top and bottom edges, outlined in black,
// and the name 5 pixels to its right.
void PaintEntry(QPainter& p, const QRect& r, const QString& name, const QColor& color,
                bool showNames, int boxWidth, const QColor& textColor) {
    const int width = showNames ? boxWidth : std::max(r.width() - 4, 1);
    const QRect swatch(r.left() + 2, r.top() + 2, width, std::max(r.height() - 4, 1));
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(swatch.adjusted(0, 0, -1, -1));
    p.fillRect(swatch.adjusted(1, 1, -1, -1), color);
    if (!showNames)
        return;
    const QRect textRect(swatch.right() + 1 + 5, r.top(), r.right() - swatch.right() - 5,
                         r.height());
    p.setPen(textColor);
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, name);
}

class ColorEntryDelegate : public QStyledItemDelegate {
public:
    explicit ColorEntryDelegate(FlatColorComboBox* box) : QStyledItemDelegate(box), m_box(box) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        p->save();
        const bool selected = option.state & QStyle::State_Selected;
        p->fillRect(option.rect,
                    selected ? m_box->colorHighlight() : m_box->palette().color(QPalette::Base));
        const QColor text = selected ? m_box->palette().color(QPalette::HighlightedText)
                                     : m_box->palette().color(QPalette::Text);
        PaintEntry(*p, option.rect, index.data(Qt::DisplayRole).toString(),
                   index.data(Qt::UserRole).value<QColor>(), m_box->showNames(), m_box->boxWidth(),
                   text);
        p->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(std::max(s.height(), option.fontMetrics.height() + 4));
        return s;
    }

private:
    FlatColorComboBox* m_box;
};

} // namespace

FlatColorComboBox::FlatColorComboBox(QWidget* parent)
    : QComboBox(parent), m_colorHighlight(palette().color(QPalette::Highlight)) {
    setEditable(false);
    setItemDelegate(new ColorEntryDelegate(this));
    m_picker = [this](const QColor& initial) -> std::optional<QColor> {
        const QColor c = QColorDialog::getColor(initial, this);
        if (!c.isValid())
            return std::nullopt;
        return c;
    };
    clear();
    for (const NamedColor& e : Entries)
        addItem(tr(e.name), QColor(e.rgb));
    setCurrentIndex(0);
    m_value = entryColor(0);
    connect(this, &QComboBox::activated, this, &FlatColorComboBox::onActivated);
    // Raised here, before anyone can be connected: the windows read the colour when they need it.
    emit changed();
}

QColor FlatColorComboBox::entryColor(int index) const {
    return itemData(index, Qt::UserRole).value<QColor>();
}

void FlatColorComboBox::setValue(const QColor& c) {
    if (currentIndex() >= 0 && c.rgb() == m_value.rgb())
        return;
    for (int i = 0; i < count(); ++i) {
        if (entryColor(i).rgb() == c.rgb()) {
            m_value = entryColor(i);
            setCurrentIndex(i);
            emit changed();
            return;
        }
    }
}

void FlatColorComboBox::onActivated(int index) {
    if (index == CustomIndex) {
        const std::optional<QColor> picked = m_picker ? m_picker(m_value) : std::nullopt;
        if (picked && picked->isValid()) {
            setItemData(CustomIndex, QColor(picked->rgb()), Qt::UserRole);
            setValue(entryColor(CustomIndex));
        }
    } else if (index >= 0) {
        setValue(entryColor(index));
    }
    emit changed();
}

void FlatColorComboBox::setShowNames(bool on) {
    m_showNames = on;
    update();
}

void FlatColorComboBox::setBoxWidth(int w) {
    m_boxWidth = std::max(w, 1);
    update();
}

void FlatColorComboBox::setColorHighlight(const QColor& c) {
    m_colorHighlight = c;
    update();
}

void FlatColorComboBox::setColorPicker(ColorPicker picker) {
    m_picker = std::move(picker);
}

void FlatColorComboBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r,
               isEnabled() ? palette().color(QPalette::Base) : palette().color(QPalette::Window));
    p.setPen(hasFocus() ? m_colorFocused : m_colorBorder);
    p.drawRect(r.adjusted(0, 0, -1, -1));

    // The drop-down button: a flat strip at the right with a small triangle.
    const int buttonWidth = std::min(16, r.width() / 2);
    const QRect button(r.right() - buttonWidth, r.top() + 1, buttonWidth, r.height() - 2);
    p.fillRect(button, palette().color(QPalette::Button));
    p.setPen(m_colorBorder);
    p.drawLine(button.topLeft(), button.bottomLeft());
    const QPoint c = button.center();
    QPolygon arrow;
    arrow << QPoint(c.x() - 3, c.y() - 1) << QPoint(c.x() + 3, c.y() - 1)
          << QPoint(c.x(), c.y() + 2);
    p.setPen(Qt::NoPen);
    p.setBrush(isEnabled() ? palette().color(QPalette::ButtonText) : m_colorBorder);
    p.drawPolygon(arrow);

    if (currentIndex() < 0)
        return;
    const QRect entry(r.left() + 1, r.top() + 1, button.left() - r.left() - 1, r.height() - 2);
    const bool focused = hasFocus();
    if (focused && m_showNames)
        p.fillRect(entry.adjusted(m_boxWidth + 5, 1, -1, -1), m_colorHighlight);
    PaintEntry(p, entry, currentText(), entryColor(currentIndex()), m_showNames, m_boxWidth,
               focused ? palette().color(QPalette::HighlightedText)
                       : palette().color(QPalette::Text));
}
