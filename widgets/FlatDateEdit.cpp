#include "FlatDateEdit.h"

#include <QEvent>
#include <QPainter>

namespace {
// The day before the first one the field offers: shown as no text at all.
const QDate kNoDate(1899, 12, 31);
} // namespace

FlatDateEdit::FlatDateEdit(QWidget* parent) : QDateEdit(parent) {
    setFrame(false);
    setCalendarPopup(true);
    setDateRange(kNoDate, QDate(9999, 12, 31));
    setSpecialValueText(QStringLiteral(" "));
    setDate(kNoDate);
    setAttribute(Qt::WA_Hover);
}

QDate FlatDateEdit::shownDate() const {
    return date() == kNoDate ? QDate() : date();
}

void FlatDateEdit::setShownDate(const QDate& date) {
    setDate(date.isValid() && date > kNoDate ? date : kNoDate);
}

void FlatDateEdit::setColorFocused(const QColor& c) {
    m_colorFocused = c;
    update();
}

void FlatDateEdit::setColorBorder(const QColor& c) {
    m_colorBorder = c;
    update();
}

void FlatDateEdit::paintEvent(QPaintEvent* event) {
    QDateEdit::paintEvent(event);
    QPainter p(this);
    p.setPen(hasFocus() || underMouse() ? m_colorFocused : m_colorBorder);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool FlatDateEdit::event(QEvent* event) {
    if (event->type() == QEvent::HoverEnter || event->type() == QEvent::HoverLeave)
        update();
    return QDateEdit::event(event);
}
