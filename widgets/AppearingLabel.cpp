#include "AppearingLabel.h"

#include <QMouseEvent>
#include <QTimer>

TJvAppearingLabel::TJvAppearingLabel(QWidget* parent) : QLabel(parent), m_timer(new QTimer(this)) {}
TJvAppearingLabel::~TJvAppearingLabel() = default;
void TJvAppearingLabel::setInterval(int ms) { m_interval = ms; }
void TJvAppearingLabel::Appear() {}
bool TJvAppearingLabel::isSliding() const { return false; }
void TJvAppearingLabel::step() {}
QSize TJvAppearingLabel::ownerClientSize() const { return window()->size(); }
void TJvAppearingLabel::setUp() {}
void TJvAppearingLabel::mousePressEvent(QMouseEvent* event) { QLabel::mousePressEvent(event); }
void TJvAppearingLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    emit clicked();
}
