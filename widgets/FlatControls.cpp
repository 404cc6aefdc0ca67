#include "FlatControls.h"

#include <QDialog>
#include <QKeyEvent>
#include <QMetaObject>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionButton>
#include <QTimer>

namespace {

struct FlatLook {
    QColor focused;
    QColor down;
    QColor border;
};

// The shared face of the flat buttons: button colour with a thin border; the border turns
// blue under the mouse or with the focus, the face turns blue while pressed.
void PaintFlatButton(QPushButton* b, const FlatLook& look, bool isDefault, bool focused) {
    QPainter p(b);
    const QRect r = b->rect();
    const bool down = b->isDown() || b->isChecked();
    const bool hot = focused || (b->underMouse() && b->isEnabled());
    p.fillRect(r, down ? look.down : b->palette().color(QPalette::Button));
    p.setPen(hot && !down ? look.focused : look.border);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    if (isDefault || (focused && !down))
        p.drawRect(r.adjusted(1, 1, -2, -2));

    // A caption may use all of the inside of the frame: "Suggestion" just fits a 57-pixel button.
    QRect content = r.adjusted(1, 2, -1, -2);
    if (!b->icon().isNull()) {
        content = r.adjusted(4, 2, -4, -2);
        const QSize iconSize = b->iconSize();
        const QIcon::Mode mode = b->isEnabled() ? QIcon::Normal : QIcon::Disabled;
        if (b->text().isEmpty()) {
            b->icon().paint(&p, content, Qt::AlignCenter, mode);
            return;
        }
        const int textWidth = b->fontMetrics().horizontalAdvance(b->text());
        const int total = iconSize.width() + 4 + textWidth;
        const int left = content.left() + std::max(0, (content.width() - total) / 2);
        b->icon().paint(&p, QRect(left, content.top(), iconSize.width(), content.height()),
                        Qt::AlignCenter, mode);
        content.setLeft(left + iconSize.width() + 4);
        content.setWidth(textWidth + 1);
    }
    QColor text = b->palette().color(b->isEnabled() ? QPalette::Active : QPalette::Disabled,
                                     QPalette::ButtonText);
    if (down)
        text = Qt::white;
    p.setPen(text);
    p.drawText(content, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, b->text());
}

// A button with a modal result stores it in its dialog before the click notification, and the
// dialog closes with it once the handlers have run, unless one of them reset the result to 0.
void StoreModalResult(QWidget* button, int result) {
    if (result == 0)
        return;
    auto* dialog = qobject_cast<QDialog*>(button->window());
    if (!dialog)
        return;
    dialog->setResult(result);
    QPointer<QDialog> guard(dialog);
    QMetaObject::invokeMethod(
        dialog,
        [guard] {
            if (guard && guard->isVisible() && guard->result() != 0)
                guard->done(guard->result());
        },
        Qt::QueuedConnection);
}

void FillWithButtonColour(QWidget* w, bool transparent) {
    if (transparent) {
        w->setAutoFillBackground(false);
        return;
    }
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

} // namespace

// ---- FlatCheckBox ----

FlatCheckBox::FlatCheckBox(QWidget* parent) : QCheckBox(parent) {
    init();
}

FlatCheckBox::FlatCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {
    init();
}

void FlatCheckBox::init() {
    setAttribute(Qt::WA_Hover);
    // toggled fires for every change of the checked state, user or program, never for a no-op.
    connect(this, &QAbstractButton::toggled, this, &FlatCheckBox::changed);
    FillWithButtonColour(this, m_transparent);
}

void FlatCheckBox::setTransparent(bool on) {
    m_transparent = on;
    FillWithButtonColour(this, on);
    update();
}

bool FlatCheckBox::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

QSize FlatCheckBox::sizeHint() const {
    const QFontMetrics fm = fontMetrics();
    return {13 + 3 + fm.horizontalAdvance(QString(text()).remove(u'&')) + 1,
            std::max(fm.height(), 13) + 2};
}

void FlatCheckBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    const int side = 13;
    // The square sits at the left edge and the caption 3 pixels after it: the meal boxes are
    // barely wider than their captions.
    const QRect box(r.left(), r.top() + (r.height() - side) / 2, side, side);
    const bool hot = hasFocus() || (underMouse() && isEnabled());
    p.fillRect(box, isDown() ? m_colorDown.lighter(170) : QColor(Qt::white));
    p.setPen(hot ? m_colorFocused : m_colorBorder);
    p.drawRect(box.adjusted(0, 0, -1, -1));
    if (isChecked()) {
        p.setRenderHint(QPainter::Antialiasing);
        QPen pen(isEnabled() ? QColor(Qt::black) : m_colorBorder, 2);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
        const QPointF o = box.topLeft();
        const QPointF tick[] = {o + QPointF(3, 6.5), o + QPointF(5.5, 9), o + QPointF(10, 3.5)};
        p.drawPolyline(tick, 3);
        p.setRenderHint(QPainter::Antialiasing, false);
    }
    const QRect textRect(box.right() + 1 + 3, r.top(), r.right() - box.right() - 3, r.height());
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        QRect focus = p.boundingRect(
            textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, text());
        p.setPen(QPen(m_colorFocused, 1, Qt::DotLine));
        p.drawRect(focus.adjusted(-1, 0, 0, -1));
    }
}

// ---- FlatPushButton ----

FlatPushButton::FlatPushButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setAttribute(Qt::WA_Hover);
    QPushButton::setAutoDefault(false);
    // Connected first, so it runs before any handler a window connects later.
    connect(this, &QAbstractButton::clicked, this,
            [this] { StoreModalResult(this, m_modalResult); });
}

QSize FlatPushButton::sizeHint() const {
    const QFontMetrics fm = fontMetrics();
    QSize s(fm.horizontalAdvance(QString(text()).remove(u'&')) + 16, fm.height() + 10);
    if (!icon().isNull()) {
        s.rwidth() += iconSize().width() + 4;
        s.setHeight(std::max(s.height(), iconSize().height() + 6));
    }
    return s.expandedTo({75, 25});
}

void FlatPushButton::paintFlat(bool asDefault, bool focusShown) {
    PaintFlatButton(this, {m_colorFocused, m_colorDown, m_colorBorder}, asDefault,
                    focusShown && hasFocus());
}

bool FlatPushButton::keyboardFocusInWindow() const {
    return window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void FlatPushButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (hasFocus() && keyboardFocusInWindow() && !event->isAutoRepeat()) {
            click();
            event->accept();
        } else {
            event->ignore();
        }
        return;
    }
    QPushButton::keyPressEvent(event);
}

// ---- FlatButton ----

FlatButton::FlatButton(QWidget* parent) : FlatButton(QString(), parent) {}

FlatButton::FlatButton(const QString& text, QWidget* parent) : FlatPushButton(text, parent) {
    setFocusPolicy(Qt::StrongFocus);
    QPushButton::setDefault(false);
}

void FlatButton::setDefault(bool on) {
    m_default = on;
    update();
}

bool FlatButton::event(QEvent* e) {
    // A dialog turns any focused push button into its auto-default one; keep ours out of that.
    if (e->type() == QEvent::FocusIn && autoDefault())
        QPushButton::setAutoDefault(false);
    return QPushButton::event(e);
}

void FlatButton::paintEvent(QPaintEvent*) {
    paintFlat(m_default, true);
}

// ---- FlatSpeedButton ----

FlatSpeedButton::FlatSpeedButton(QWidget* parent) : FlatSpeedButton(QString(), parent) {}

FlatSpeedButton::FlatSpeedButton(const QString& text, QWidget* parent)
    : FlatPushButton(text, parent) {
    setFocusPolicy(Qt::TabFocus);
}

bool FlatSpeedButton::event(QEvent* e) {
    // A policy set through the base class or a property is undone before it can matter.
    if ((e->type() == QEvent::Polish || e->type() == QEvent::Show || e->type() == QEvent::Enter ||
         e->type() == QEvent::FocusIn) &&
        focusPolicy() != Qt::TabFocus)
        QWidget::setFocusPolicy(Qt::TabFocus);
    // The focus frame appears and goes with the keyboard's moves in the window.
    if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut)
        update();
    return QPushButton::event(e);
}

QSize FlatSpeedButton::sizeHint() const {
    const QSize flat = FlatPushButton::sizeHint();
    return flat.boundedTo({std::max(flat.width(), 23), 25});
}

void FlatSpeedButton::paintEvent(QPaintEvent*) {
    // A window that gives its first speed button the focus by itself shows no focus until the
    // keyboard is used: with keys unused the buttons look as they always have.
    paintFlat(false, keyboardFocusInWindow());
}

// ---- FlatEdit ----

FlatEdit::FlatEdit(QWidget* parent) : QLineEdit(parent) {
    // The flat frame is painted here rather than by a style sheet: a style sheet would fix the
    // field's font when it is polished, and a field made on a page that joins its window later
    // would then miss the window's font.
    setFrame(false);
    setTextMargins(2, 1, 2, 1);
    setAttribute(Qt::WA_Hover);
}

void FlatEdit::setColorFocused(const QColor& c) {
    m_colorFocused = c;
    update();
}

void FlatEdit::setColorBorder(const QColor& c) {
    m_colorBorder = c;
    update();
}

void FlatEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter p(this);
    p.setPen(hasFocus() || underMouse() ? m_colorFocused : m_colorBorder);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool FlatEdit::event(QEvent* event) {
    if (event->type() == QEvent::HoverEnter || event->type() == QEvent::HoverLeave)
        update();
    return QLineEdit::event(event);
}

// ---- FlatComboBox ----

FlatComboBox::FlatComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Every edit notifies with the text as typed. Qt's inline completion would fill each
    // keystroke out to the first entry it prefixes, and that entry would be what notifies;
    // the list stays one click away in the drop-down.
    setCompleter(nullptr);
    connect(this, &QComboBox::currentTextChanged, this, [this] {
        m_textJustChanged = true;
        QTimer::singleShot(0, this, [this] { m_textJustChanged = false; });
        emit changed();
    });
    // Choosing the entry that is already shown changes no text, yet it is a selection.
    connect(this, &QComboBox::activated, this, [this] {
        if (!m_textJustChanged)
            emit changed();
        m_textJustChanged = false;
    });
}

// ---- FlatGroupBox ----

FlatGroupBox::FlatGroupBox(QWidget* parent) : QGroupBox(parent) {
    restyle();
}

FlatGroupBox::FlatGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
    restyle();
}

void FlatGroupBox::setTransparent(bool on) {
    m_transparent = on;
    restyle();
}

void FlatGroupBox::setColorBorder(const QColor& c) {
    m_colorBorder = c;
    update();
}

void FlatGroupBox::restyle() {
    FillWithButtonColour(this, m_transparent);
    update();
}

void FlatGroupBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics fm = fontMetrics();
    const QRect r = rect();
    const int top = title().isEmpty() ? 0 : fm.height() / 2;
    const QRect frame = r.adjusted(0, top, -1, -1);
    p.setPen(m_colorBorder);
    if (title().isEmpty()) {
        p.drawRect(frame);
        return;
    }
    const int textLeft = 8;
    const int textWidth = fm.horizontalAdvance(QString(title()).remove(u'&')) + 4;
    // The frame's top edge stops short of the caption, which needs no background of its own.
    p.drawLine(frame.left(), frame.top(), frame.left() + textLeft - 2, frame.top());
    p.drawLine(frame.left() + textLeft + textWidth, frame.top(), frame.right(), frame.top());
    p.drawLine(frame.topRight(), frame.bottomRight());
    p.drawLine(frame.bottomLeft(), frame.bottomRight());
    p.drawLine(frame.topLeft(), frame.bottomLeft());
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(QRect(textLeft, 0, textWidth, fm.height()), Qt::AlignCenter | Qt::TextShowMnemonic,
               title());
}

// ---- CandidateList ----

CandidateList::CandidateList(QWidget* parent) : QListWidget(parent) {}

QStringList CandidateList::items() const {
    QStringList out;
    out.reserve(count());
    for (int i = 0; i < count(); ++i)
        out << item(i)->text();
    return out;
}

void CandidateList::setItems(const QStringList& items) {
    clear();
    addItems(items);
}
