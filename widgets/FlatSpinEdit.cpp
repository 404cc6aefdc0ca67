#include "FlatSpinEdit.h"

#include <limits>
#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>

namespace {

const QColor BorderColor(0xA0, 0x96, 0x83);
const QColor FocusedColor(0x62, 0xB0, 0xFF);
const QColor DownColor(0x00, 0x80, 0xFF);

// One half of the up/down pair: a flat face with a small triangle. Never takes the focus, so
// the field keeps its caret and selection while the user clicks the arrows.
class ArrowButton : public QAbstractButton {
public:
    ArrowButton(bool up, QWidget* parent) : QAbstractButton(parent), m_up(up) {
        setFocusPolicy(Qt::NoFocus);
        setAutoRepeat(true);
        setAutoRepeatDelay(400);
        setAutoRepeatInterval(100);
        setAttribute(Qt::WA_Hover);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect r = rect();
        const bool down = isDown();
        p.fillRect(r, down ? DownColor : palette().color(QPalette::Button));
        p.setPen(underMouse() && !down ? FocusedColor : BorderColor);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        const QPointF c = QRectF(r).center();
        const qreal w = std::max<qreal>(2, std::min<qreal>(4, r.height() / 3.0));
        QPolygonF arrow;
        if (m_up)
            arrow << QPointF(c.x() - w, c.y() + w / 2) << QPointF(c.x() + w, c.y() + w / 2)
                  << QPointF(c.x(), c.y() - w / 2);
        else
            arrow << QPointF(c.x() - w, c.y() - w / 2) << QPointF(c.x() + w, c.y() - w / 2)
                  << QPointF(c.x(), c.y() + w / 2);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(down ? QColor(Qt::white)
                        : (isEnabled() ? palette().color(QPalette::ButtonText) : BorderColor));
        p.drawPolygon(arrow);
    }

private:
    bool m_up;
};

bool AcceptedChar(QChar c) {
    if (c == u'+' || c == u'-' || c.isDigit())
        return true;
    const QString separator = QLocale().decimalPoint();
    if (separator.size() == 1 && c == separator.at(0))
        return true;
    return c.unicode() < 0x20 && c != u'\r' && c != u'\n';
}

} // namespace

FlatSpinEdit::FlatSpinEdit(QWidget* parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_up(new ArrowButton(true, this)),
      m_down(new ArrowButton(false, this)) {
    setFocusProxy(m_edit);
    setFocusPolicy(Qt::StrongFocus);
    m_edit->setObjectName(QStringLiteral("valueEdit"));
    m_edit->setFrame(false);
    m_edit->setText(QStringLiteral("0"));
    m_edit->installEventFilter(this);
    m_up->setObjectName(QStringLiteral("upButton"));
    m_down->setObjectName(QStringLiteral("downButton"));
    m_up->setAccessibleName(tr("Up"));
    m_down->setAccessibleName(tr("Down"));
    connect(m_edit, &QLineEdit::textChanged, this, &FlatSpinEdit::changed);
    connect(m_up, &QAbstractButton::clicked, this, [this] { step(+1); });
    connect(m_down, &QAbstractButton::clicked, this, [this] { step(-1); });
    setAttribute(Qt::WA_Hover);
}

void FlatSpinEdit::setEditorEnabled(bool on) {
    m_editorEnabled = on;
    m_edit->setReadOnly(!m_editorEnabled || m_readOnly);
}

void FlatSpinEdit::setReadOnly(bool on) {
    m_readOnly = on;
    m_edit->setReadOnly(!m_editorEnabled || m_readOnly);
}

int FlatSpinEdit::value() const {
    bool ok = false;
    const int v = m_edit->text().toInt(&ok, 10);
    return ok ? v : m_min;
}

int FlatSpinEdit::clamped(int v) const {
    if (m_min == m_max)
        return v;
    if (v < m_min)
        return m_min;
    if (v > m_max)
        return m_max;
    return v;
}

void FlatSpinEdit::setValue(int v) {
    m_edit->setText(QString::number(clamped(v)));
}

QString FlatSpinEdit::text() const {
    return m_edit->text();
}

void FlatSpinEdit::setText(const QString& text) {
    m_edit->setText(text);
}

void FlatSpinEdit::step(int direction) {
    if (m_readOnly) {
        QApplication::beep();
        return;
    }
    // Wide arithmetic: stepping past the int range saturates instead of overflowing.
    const long long next =
        static_cast<long long>(value()) + static_cast<long long>(direction) * m_increment;
    const long long bounded =
        std::max<long long>(std::numeric_limits<int>::min(),
                            std::min<long long>(next, std::numeric_limits<int>::max()));
    setValue(static_cast<int>(bounded));
}

bool FlatSpinEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_edit)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            step(key->key() == Qt::Key_Up ? +1 : -1);
            return true;
        }
        const QString typed = key->text();
        if (typed.isEmpty())
            return false; // navigation and editing keys that type nothing
        const bool control = typed.at(0).unicode() < 0x20;
        bool accepted = std::all_of(typed.begin(), typed.end(), AcceptedChar);
        if (accepted && !control && (!m_editorEnabled || m_readOnly))
            accepted = false;
        if (!accepted) {
            QApplication::beep();
            return true;
        }
        return false;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (event->type() == QEvent::FocusOut) {
            const int v = value();
            if (v != clamped(v))
                setValue(v);
        }
        update();
        return false;
    default:
        return false;
    }
}

void FlatSpinEdit::resizeEvent(QResizeEvent*) {
    const QRect r = rect();
    const int buttonWidth = std::min(15, r.width() / 2);
    const int half = r.height() / 2;
    m_up->setGeometry(r.right() - buttonWidth + 1, 0, buttonWidth, half);
    m_down->setGeometry(r.right() - buttonWidth + 1, half, buttonWidth, r.height() - half);
    m_edit->setGeometry(1, 1, r.width() - buttonWidth - 2, r.height() - 2);
}

QSize FlatSpinEdit::sizeHint() const {
    return {65, std::max(m_edit->sizeHint().height() + 2, 21)};
}

void FlatSpinEdit::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), m_edit->palette().color(QPalette::Base));
    p.setPen(m_edit->hasFocus() || underMouse() ? FocusedColor : BorderColor);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
