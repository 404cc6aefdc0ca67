#pragma once
// A flat progress gauge: a framed bar with the percentage drawn over it.

#include <QColor>
#include <QWidget>

class FlatGauge : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int minValue READ minValue WRITE setMinValue)
    Q_PROPERTY(int maxValue READ maxValue WRITE setMaxValue)
    Q_PROPERTY(int progress READ progress WRITE setProgress)
    Q_PROPERTY(bool showText READ showText WRITE setShowText)
    Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(QColor color READ color WRITE setColor)
    Q_PROPERTY(QColor colorBorder READ colorBorder WRITE setColorBorder)
    Q_PROPERTY(QColor barColor READ barColor WRITE setBarColor)

public:
    explicit FlatGauge(QWidget* parent = nullptr);

    int minValue() const { return m_min; }
    void setMinValue(int v);
    int maxValue() const { return m_max; }
    void setMaxValue(int v);
    int progress() const { return m_progress; }
    void setProgress(int v); // clamped to the range
    bool showText() const { return m_showText; }
    void setShowText(bool on);
    bool transparent() const { return m_transparent; }
    void setTransparent(bool on);
    QColor color() const { return m_color; }
    void setColor(const QColor& c);
    QColor colorBorder() const { return m_colorBorder; }
    void setColorBorder(const QColor& c);
    QColor barColor() const { return m_barColor; }
    void setBarColor(const QColor& c);

    // The percentage text ("37 %") and the bar's width in pixels. With an empty range
    // (max == min) there is nothing to divide by: no bar and "0 %".
    QString displayText() const;
    int barWidth() const;
    QRect innerRect() const; // client area shrunk by 2 pixels on every side

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void clampProgress();

    int m_min = 0;
    int m_max = 100;
    int m_progress = 0;
    bool m_showText = true;
    bool m_transparent = false;
    QColor m_color{0xEF, 0xE9, 0xE0};
    QColor m_colorBorder{0x66, 0x5E, 0x55};
    QColor m_barColor{0x33, 0x66, 0x99};
};
