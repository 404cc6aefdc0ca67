#pragma once
// The small flat-styled controls: check box, buttons, edit, drop-down, group box, hidden list.

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

// Raises changed() on every change of the checked state, by the user or by the program.
class FlatCheckBox : public QCheckBox {
    Q_OBJECT
    Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(QColor colorFocused READ colorFocused WRITE setColorFocused)
    Q_PROPERTY(QColor colorDown READ colorDown WRITE setColorDown)
    Q_PROPERTY(QColor colorBorder READ colorBorder WRITE setColorBorder)

public:
    explicit FlatCheckBox(QWidget* parent = nullptr);
    explicit FlatCheckBox(const QString& text, QWidget* parent = nullptr);

    bool transparent() const { return m_transparent; }
    void setTransparent(bool on); // off: the button colour fills the background
    QColor colorFocused() const { return m_colorFocused; }
    void setColorFocused(const QColor& c) {
        m_colorFocused = c;
        update();
    }
    QColor colorDown() const { return m_colorDown; }
    void setColorDown(const QColor& c) {
        m_colorDown = c;
        update();
    }
    QColor colorBorder() const { return m_colorBorder; }
    void setColorBorder(const QColor& c) {
        m_colorBorder = c;
        update();
    }

    QSize sizeHint() const override;

signals:
    void changed();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    void init();

    bool m_transparent = false;
    QColor m_colorFocused{0x62, 0xB0, 0xFF};
    QColor m_colorDown{0x00, 0x80, 0xFF};
    QColor m_colorBorder{0xA0, 0x96, 0x83};
};

// What the two flat buttons share: the flat look's three colours, the painting, and the modal
// result, which a click stores in the window's dialog before clicked() reaches any handler; the
// dialog then closes with it once the handlers have run, unless one reset the result to 0.
class FlatPushButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(int modalResult READ modalResult WRITE setModalResult)
    Q_PROPERTY(QColor colorFocused READ colorFocused WRITE setColorFocused)
    Q_PROPERTY(QColor colorDown READ colorDown WRITE setColorDown)
    Q_PROPERTY(QColor colorBorder READ colorBorder WRITE setColorBorder)

public:
    int modalResult() const { return m_modalResult; }
    void setModalResult(int r) { m_modalResult = r; }
    QColor colorFocused() const { return m_colorFocused; }
    void setColorFocused(const QColor& c) {
        m_colorFocused = c;
        update();
    }
    QColor colorDown() const { return m_colorDown; }
    void setColorDown(const QColor& c) {
        m_colorDown = c;
        update();
    }
    QColor colorBorder() const { return m_colorBorder; }
    void setColorBorder(const QColor& c) {
        m_colorBorder = c;
        update();
    }

    QSize sizeHint() const override;

protected:
    FlatPushButton(const QString& text, QWidget* parent);
    // Draws the frame, the double frame of a default or focused button, the icon and caption;
    // the focus shows only where focusShown says so.
    void paintFlat(bool asDefault, bool focusShown);
    // Whether the keyboard has moved the focus in this window (Tab, Shift+Tab): until then a
    // focus the window gave by itself, or a click gave, is not a keyboard user's focus.
    bool keyboardFocusInWindow() const;
    // Space presses the focused button, as on any button; Enter and Return too, once the
    // keyboard has moved the focus in the window. Enter never clicks a button that does not
    // have the focus, the default button included.
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_modalResult = 0;
    QColor m_colorFocused{0x62, 0xB0, 0xFF};
    QColor m_colorDown{0x00, 0x80, 0xFF};
    QColor m_colorBorder{0xA0, 0x96, 0x83};
};

// Flat push button. Takes the focus when pressed or reached with Tab; Enter clicks it only when
// it has the focus, never as the default button.
class FlatButton : public FlatPushButton {
    Q_OBJECT
    Q_PROPERTY(bool default READ isDefault WRITE setDefault)

public:
    explicit FlatButton(QWidget* parent = nullptr);
    explicit FlatButton(const QString& text, QWidget* parent = nullptr);

    // "Default" only changes the look: these hide QPushButton's, so that a dialog never
    // clicks the button on Enter.
    bool isDefault() const { return m_default; }
    void setDefault(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    bool m_default = false;
};

// A flat button that takes the focus from Tab only, never from a click, so that clicking it
// leaves the focused editor with its selection. Its focus shows once the keyboard moves it.
class FlatSpeedButton : public FlatPushButton {
    Q_OBJECT

public:
    explicit FlatSpeedButton(QWidget* parent = nullptr);
    explicit FlatSpeedButton(const QString& text, QWidget* parent = nullptr);

    // Hides QWidget's: whatever a layout file asks, the policy stays Qt::TabFocus.
    void setFocusPolicy(Qt::FocusPolicy) { QWidget::setFocusPolicy(Qt::TabFocus); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};

class FlatEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QColor colorFocused READ colorFocused WRITE setColorFocused)
    Q_PROPERTY(QColor colorBorder READ colorBorder WRITE setColorBorder)

public:
    explicit FlatEdit(QWidget* parent = nullptr);

    QColor colorFocused() const { return m_colorFocused; }
    void setColorFocused(const QColor& c);
    QColor colorBorder() const { return m_colorBorder; }
    void setColorBorder(const QColor& c);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    QColor m_colorFocused{0x62, 0xB0, 0xFF};
    QColor m_colorBorder{0xA0, 0x96, 0x83};
};

// Editable drop-down list; changed() fires on every edit of its text and every list selection.
class FlatComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit FlatComboBox(QWidget* parent = nullptr);

signals:
    void changed();

private:
    bool m_textJustChanged = false; // a selection that changed the text has notified already
};

// A captioned frame; when transparent, the parent's picture shows through.
class FlatGroupBox : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(QColor colorBorder READ colorBorder WRITE setColorBorder)

public:
    explicit FlatGroupBox(QWidget* parent = nullptr);
    explicit FlatGroupBox(const QString& title, QWidget* parent = nullptr);

    bool transparent() const { return m_transparent; }
    void setTransparent(bool on);
    QColor colorBorder() const { return m_colorBorder; }
    void setColorBorder(const QColor& c);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void restyle();

    bool m_transparent = false;
    QColor m_colorBorder{0xA0, 0x96, 0x83};
};

// An ordinary list; the windows keep theirs hidden and use them as fixed lists of strings.
class CandidateList : public QListWidget {
    Q_OBJECT

public:
    explicit CandidateList(QWidget* parent = nullptr);

    QStringList items() const;
    void setItems(const QStringList& items);
};
