#include "FlatGauge.h"

#include <cmath>
#include <QPainter>

FlatGauge::FlatGauge(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, !m_transparent);
}

void FlatGauge::clampProgress() {
    m_progress = std::max(m_min, std::min(m_progress, m_max));
}

void FlatGauge::setMinValue(int v) {
    m_min = v;
    clampProgress();
    update();
}

void FlatGauge::setMaxValue(int v) {
    m_max = v;
    clampProgress();
    update();
}

void FlatGauge::setProgress(int v) {
    const int old = m_progress;
    m_progress = v;
    clampProgress();
    if (m_progress != old)
        update();
}

void FlatGauge::setShowText(bool on) {
    m_showText = on;
    update();
}

void FlatGauge::setTransparent(bool on) {
    m_transparent = on;
    setAttribute(Qt::WA_OpaquePaintEvent, !on);
    update();
}

void FlatGauge::setColor(const QColor& c) {
    m_color = c;
    update();
}

void FlatGauge::setColorBorder(const QColor& c) {
    m_colorBorder = c;
    update();
}

void FlatGauge::setBarColor(const QColor& c) {
    m_barColor = c;
    update();
}

QRect FlatGauge::innerRect() const {
    return rect().adjusted(2, 2, -2, -2);
}

// Floating point, division first, truncated toward zero: the gauge's established arithmetic.
// It rounds the odd value down (29 of 100 reads "28 %", as 0.29 * 100 is 28.999...).
// An empty range has nothing to divide by: no bar and "0 %".
QString FlatGauge::displayText() const {
    if (m_max <= m_min)
        return QStringLiteral("0 %");
    const double ratio = double(m_progress - m_min) / double(m_max - m_min);
    return QString::number(static_cast<long long>(std::trunc(ratio * 100.0))) +
           QStringLiteral(" %");
}

int FlatGauge::barWidth() const {
    if (m_max <= m_min)
        return 0;
    const double perUnit = double(std::max(innerRect().width(), 0)) / double(m_max - m_min);
    return static_cast<int>(std::trunc(perUnit * double(m_progress - m_min)));
}

QSize FlatGauge::sizeHint() const {
    return {150, fontMetrics().height() + 8};
}

void FlatGauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!m_transparent)
        p.fillRect(rect(), m_color);
    p.setPen(m_colorBorder);
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    const QRect inner = innerRect();
    const QRect bar(inner.left(), inner.top(), barWidth(), inner.height());
    if (bar.width() > 0)
        p.fillRect(bar, m_barColor);

    if (!m_showText)
        return;
    const QString text = displayText();
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(inner, Qt::AlignCenter | Qt::TextSingleLine, text);
    // The part of the text over the bar shows in the background colour.
    if (bar.width() > 0) {
        p.setClipRect(bar);
        p.setPen(m_color);
        p.drawText(inner, Qt::AlignCenter | Qt::TextSingleLine, text);
    }
}
