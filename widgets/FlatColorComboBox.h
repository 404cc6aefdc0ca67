#pragma once
// A drop-down list of the 16 named colours plus "Custom", which asks for any colour.

#include <functional>
#include <optional>
#include <QColor>
#include <QComboBox>

class FlatColorComboBox : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(QColor value READ value WRITE setValue)
    Q_PROPERTY(bool showNames READ showNames WRITE setShowNames)
    Q_PROPERTY(int boxWidth READ boxWidth WRITE setBoxWidth)
    Q_PROPERTY(QColor colorHighlight READ colorHighlight WRITE setColorHighlight)

public:
    using ColorPicker = std::function<std::optional<QColor>(const QColor& initial)>;

    // Fills the 17 entries, selects "Black" and raises changed() once, all in the constructor:
    // no receiver is connected yet then, so windows connecting afterwards see no notification.
    explicit FlatColorComboBox(QWidget* parent = nullptr);

    QColor value() const { return m_value; }
    // Selects the first entry with that colour and raises changed(); an unknown colour changes
    // nothing, and neither does the current colour while an entry is selected.
    void setValue(const QColor& c);

    bool showNames() const { return m_showNames; }
    void setShowNames(bool on);
    int boxWidth() const { return m_boxWidth; }
    void setBoxWidth(int w);
    QColor colorHighlight() const { return m_colorHighlight; }
    void setColorHighlight(const QColor& c);

    // What "Custom" opens; returns nothing when the user cancels. Default: QColorDialog.
    void setColorPicker(ColorPicker picker);

    static constexpr int CustomIndex = 16;
    QColor entryColor(int index) const;

signals:
    void changed(); // may fire twice for one selection: receivers must be idempotent

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void onActivated(int index);

    QColor m_colorFocused{0x62, 0xB0, 0xFF};
    QColor m_colorBorder{0xA0, 0x96, 0x83};
    QColor m_value{Qt::black};
    bool m_showNames = true;
    int m_boxWidth = 12;
    QColor m_colorHighlight;
    ColorPicker m_picker;
};
