#pragma once
// A whole-number field with an up/down button pair. The text is the stored state: value() is
// read from it (not clamped while typing) and setValue() writes it (clamped).

#include <QWidget>

class QLineEdit;
class QTimer;
class QAbstractButton;

class FlatSpinEdit : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int minValue READ minValue WRITE setMinValue)
    Q_PROPERTY(int maxValue READ maxValue WRITE setMaxValue)
    Q_PROPERTY(int increment READ increment WRITE setIncrement)
    Q_PROPERTY(int value READ value WRITE setValue)
    Q_PROPERTY(bool editorEnabled READ editorEnabled WRITE setEditorEnabled)
    Q_PROPERTY(bool readOnly READ readOnly WRITE setReadOnly)
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit FlatSpinEdit(QWidget* parent = nullptr);

    int minValue() const { return m_min; }
    void setMinValue(int v) { m_min = v; }
    int maxValue() const { return m_max; }
    void setMaxValue(int v) { m_max = v; }
    int increment() const { return m_increment; }
    void setIncrement(int v) { m_increment = v; }
    bool editorEnabled() const { return m_editorEnabled; }
    void setEditorEnabled(bool on);
    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool on);

    int value() const;        // the text as a whole number, minValue() when it is not one
    void setValue(int v);     // clamps, then writes the text
    int clamped(int v) const; // no clamping when min == max

    QString text() const;
    void setText(const QString& text);
    QLineEdit* lineEdit() const { return m_edit; }
    QAbstractButton* upButton() const { return m_up; }
    QAbstractButton* downButton() const { return m_down; }

    QSize sizeHint() const override;

signals:
    void changed(); // whenever the text changes

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void step(int direction);

    QLineEdit* m_edit;
    QAbstractButton* m_up;
    QAbstractButton* m_down;
    int m_min = 0;
    int m_max = 0;
    int m_increment = 1;
    bool m_editorEnabled = true;
    bool m_readOnly = false;
};
