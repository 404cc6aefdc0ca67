#pragma once
// A date field in the flat frame that may be empty: its lowest date stands for "no date" and
// shows no text. The calendar pops up from its button.

#include <QColor>
#include <QDate>
#include <QDateEdit>

class FlatDateEdit : public QDateEdit {
    Q_OBJECT
    Q_PROPERTY(QColor colorFocused READ colorFocused WRITE setColorFocused)
    Q_PROPERTY(QColor colorBorder READ colorBorder WRITE setColorBorder)

public:
    explicit FlatDateEdit(QWidget* parent = nullptr);

    // The date shown, or a null date while the field is empty.
    QDate shownDate() const;
    // A null (or out-of-range) date empties the field.
    void setShownDate(const QDate& date);

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
