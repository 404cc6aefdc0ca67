#include "AppearingLabel.h"

#include <algorithm>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

AppearingLabel::AppearingLabel(QWidget* parent) : QLabel(parent), m_timer(new QTimer(this)) {
    m_timer->setObjectName(QStringLiteral("appearPacer"));
    m_timer->setInterval(m_interval);
    connect(m_timer, &QTimer::timeout, this, &AppearingLabel::step);
}

AppearingLabel::~AppearingLabel() {
    m_timer->stop();
}

void AppearingLabel::setInterval(int ms) {
    m_interval = ms < 0 ? 0 : ms;
    m_timer->setInterval(m_interval);
}

void AppearingLabel::Appear() {
    // The next step sets the slide up again from the start edge; a slide under way keeps the
    // resting place it recorded, so the label still ends where it was designed to be.
    m_started = false;
    m_steps = 0;
    if (!m_timer->isActive())
        m_timer->start(m_interval);
}

bool AppearingLabel::isSliding() const {
    return m_timer->isActive();
}

QSize AppearingLabel::ownerClientSize() const {
    const QWidget* owner = window();
    if (owner == this && parentWidget())
        owner = parentWidget();
    return owner->size();
}

void AppearingLabel::setUp() {
    if (!m_haveResting) {
        m_resting = geometry();
        m_haveResting = true;
    }
    const QSize owner = ownerClientSize();
    QRect g = m_resting;
    switch (m_appearFrom) {
    case drFromLeft:
        g.moveLeft(-m_resting.width());
        break;
    case drFromRight:
        g = QRect(owner.width(), m_resting.top(), 0, m_resting.height());
        break;
    case drFromTop:
        g.moveTop(-m_resting.height());
        break;
    case drFromBottom:
        g = QRect(m_resting.left(), owner.height(), m_resting.width(), 0);
        break;
    }
    setGeometry(g);
    m_started = true;
    show();
}

void AppearingLabel::step() {
    if (!m_started)
        setUp();
    ++m_steps;

    QRect g = geometry();
    const QSize owner = ownerClientSize();
    bool done = false;
    // Distance still to travel along the direction of travel.
    int remaining = 0;
    switch (m_appearFrom) {
    case drFromLeft:
        remaining = m_resting.left() - g.left();
        break;
    case drFromRight:
        remaining = g.left() - m_resting.left();
        break;
    case drFromTop:
        remaining = m_resting.top() - g.top();
        break;
    case drFromBottom:
        remaining = g.top() - m_resting.top();
        break;
    }
    if (remaining < m_scrollPixel) {
        done = true;
        if (m_appearFrom == drFromLeft || m_appearFrom == drFromRight)
            g.moveLeft(m_resting.left());
        else
            g.moveTop(m_resting.top());
    } else {
        switch (m_appearFrom) {
        case drFromLeft:
            g.moveLeft(g.left() + m_scrollPixel);
            break;
        case drFromRight:
            g.moveLeft(g.left() - m_scrollPixel);
            break;
        case drFromTop:
            g.moveTop(g.top() + m_scrollPixel);
            break;
        case drFromBottom:
            g.moveTop(g.top() - m_scrollPixel);
            break;
        }
    }

    // The directions that start with zero size grow back, but never past the owner's edge.
    if (m_appearFrom == drFromRight && g.width() != m_resting.width()) {
        const int w = g.left() + m_resting.width() < owner.width() ? m_resting.width()
                                                                   : owner.width() - g.left() - 2;
        g.setWidth(std::max(0, w));
    } else if (m_appearFrom == drFromBottom && g.height() != m_resting.height()) {
        const int h = g.top() + m_resting.height() < owner.height() ? m_resting.height()
                                                                    : owner.height() - g.top() - 2;
        g.setHeight(std::max(0, h));
    }
    setGeometry(g);

    if (done) {
        m_timer->stop();
        m_haveResting = false;
        emit appeared();
    }
}

void AppearingLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    QLabel::mousePressEvent(event);
}

void AppearingLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = m_pressed;
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && wasPressed &&
        rect().contains(event->position().toPoint()))
        emit clicked();
}

void AppearingLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void AppearingLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        QPainter p(this);
        p.setPen(QPen(QColor(0x62, 0xB0, 0xFF), 1, Qt::DotLine)); // the flat look's focus blue
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void AppearingLabel::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    update();
}

void AppearingLabel::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    update();
}
