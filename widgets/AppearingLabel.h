#pragma once
// A label that, told to appear, slides into its place from one edge of its window in small
// steps, paced by a GUI-thread timer.

#include <QLabel>
#include <QRect>

class QTimer;

class AppearingLabel : public QLabel {
    Q_OBJECT
public:
    enum Direction { drFromLeft, drFromRight, drFromTop, drFromBottom };
    Q_ENUM(Direction)

private:
    Q_PROPERTY(Direction appearFrom READ appearFrom WRITE setAppearFrom)
    Q_PROPERTY(int scrollPixel READ scrollPixel WRITE setScrollPixel)
    Q_PROPERTY(int interval READ interval WRITE setInterval)

public:
    explicit AppearingLabel(QWidget* parent = nullptr);
    ~AppearingLabel() override;

    Direction appearFrom() const { return m_appearFrom; }
    void setAppearFrom(Direction d) { m_appearFrom = d; }
    int scrollPixel() const { return m_scrollPixel; }
    void setScrollPixel(int px) { m_scrollPixel = px > 0 ? px : 1; }
    int interval() const { return m_interval; }
    void setInterval(int ms);

    // Starts the slide, or restarts it from the start edge while one is under way; the label
    // becomes visible at the first step and comes to rest at its designed place.
    void Appear();
    bool isSliding() const;
    int stepsTaken() const { return m_steps; }
    QRect restingBounds() const { return m_resting; }

    // One step of the slide, as the timer runs it.
    void step();

signals:
    void clicked();
    void appeared();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A label given a focus policy is clicked with Space, Enter or Return, and shows its focus
    // with a dotted frame once the keyboard has moved the focus in its window.
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QSize ownerClientSize() const;
    void setUp();

    Direction m_appearFrom = drFromRight;
    int m_scrollPixel = 3;
    int m_interval = 20;
    bool m_started = false;
    bool m_haveResting = false; // a slide is under way: its resting bounds are known
    QRect m_resting;
    int m_steps = 0;
    bool m_pressed = false;
    QTimer* m_timer = nullptr;
};
