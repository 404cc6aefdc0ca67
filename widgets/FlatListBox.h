#pragma once
// Flat-styled, custom-drawn lists: FlatListBox (one column, single selection) and
// FlatCheckListBox (the same with a tick square before each entry).

#include <QCollator>
#include <QColor>
#include <QLocale>
#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <vector>

class QTimer;

class FlatListBox : public QWidget {
    Q_OBJECT
public:
    enum TransparentMode { tmAlways, tmNotFocused, tmNone };
    Q_ENUM(TransparentMode)

private:
    Q_PROPERTY(QStringList items READ items WRITE setItems)
    Q_PROPERTY(bool sorted READ sorted WRITE setSorted)
    Q_PROPERTY(bool scrollBars READ scrollBars WRITE setScrollBars)
    Q_PROPERTY(bool multiSelect READ multiSelect WRITE setMultiSelect)
    Q_PROPERTY(int itemHeight READ itemHeight WRITE setItemHeight)
    Q_PROPERTY(TransparentMode transparentMode READ transparentMode WRITE setTransparentMode)
    Q_PROPERTY(QColor colorBorder READ colorBorder WRITE setColorBorder)
    Q_PROPERTY(QColor colorItemsRect READ colorItemsRect WRITE setColorItemsRect)
    Q_PROPERTY(QColor colorItemsSelect READ colorItemsSelect WRITE setColorItemsSelect)
    Q_PROPERTY(QColor colorArrow READ colorArrow WRITE setColorArrow)
    Q_PROPERTY(
        int selectedIndex READ selectedIndex WRITE setSelectedIndex NOTIFY selectedIndexChanged)
    Q_PROPERTY(int topIndex READ topIndex WRITE setTopIndex)

public:
    explicit FlatListBox(QWidget* parent = nullptr);
    ~FlatListBox() override;

    // Entries
    QStringList items() const { return m_items; }
    int count() const { return int(m_items.size()); }
    QString item(int i) const;         // throws std::out_of_range("List index out of bounds (i)")
    void addItem(const QString& text); // sorted: at its place; an equal entry is dropped
    void addItemKeeping(const QString& text); // like addItem, but never dropped
    void deleteItem(int i);
    void clear();
    bool assignItems(const QStringList& list); // trims each; refused whole beyond 256 entries
    // Replaces every entry at once, each kept exactly as given, repeats included; a sorted list
    // sorts them in one pass (not once per entry), so thousands of entries load quickly.
    // Gives the keys of the new entries, in the order of `list`.
    std::vector<quint64> replaceItems(const QStringList& list);
    void setItems(const QStringList& list) { assignItems(list); }
    static constexpr int MaxAssignedItems = 256;

    // Every entry gets a key when it comes in: a number that stays with it through sorting and
    // is never given again, so that an owner can keep data of its own with an entry.
    quint64 entryKey(int i) const; // throws as item() does
    const std::vector<quint64>& entryKeys() const { return m_keys; }

    // Sorted lists follow this locale's collation, ignoring case: the program's language, so
    // that "Émile" comes between "Eli" and "Finn". Set before lists are sorted.
    static void setSortLocale(const QLocale& locale);
    // The comparison sorted lists use, for other lists of names that should read alike.
    static QCollator sortCollator();
    bool sorted() const { return m_sorted; }
    void setSorted(bool on);
    bool scrollBars() const { return m_scrollBars; }
    void setScrollBars(bool on);
    bool multiSelect() const { return m_multiSelect; } // kept for layouts; unused
    void setMultiSelect(bool on) { m_multiSelect = on; }
    int itemHeight() const { return m_itemHeight; }
    void setItemHeight(int h);
    TransparentMode transparentMode() const { return m_transparentMode; }
    void setTransparentMode(TransparentMode mode);

    QColor colorBorder() const { return m_colorBorder; }
    void setColorBorder(const QColor& c);
    QColor colorItemsRect() const { return m_colorItemsRect; }
    void setColorItemsRect(const QColor& c);
    QColor colorItemsSelect() const { return m_colorItemsSelect; }
    void setColorItemsSelect(const QColor& c);
    QColor colorArrow() const { return m_colorArrow; }
    void setColorArrow(const QColor& c);

    // Selection: -1 at first; a click on an empty row stores a position beyond the last entry.
    int selectedIndex() const { return m_selectedIndex; }
    void setSelectedIndex(int i);
    virtual bool isHighlighted(int i) const;

    int topIndex() const { return m_topIndex; }
    void setTopIndex(int i); // kept within 0 .. maxTopIndex()
    int maxTopIndex() const;
    int visibleRows() const;

    // Geometry helpers (widget coordinates).
    int firstRowTop() const { return m_scrollBars ? 13 : 3; }
    QRect rowRect(int row) const;
    int rowAt(const QPoint& pos) const; // -1 when outside the rows
    int snappedHeight(int height) const;
    QSize sizeHint() const override;

signals:
    void itemsChanged();
    void selectedIndexChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

    // Called after every change of the entries; subclasses clear their own flags here.
    virtual void entriesChanged();
    virtual void paintRow(QPainter& p, const QRect& row, int index);
    virtual void rowPressed(const QPoint& pos, int row);
    void drawRowText(QPainter& p, const QRect& textRect, const QString& text);
    bool backgroundTransparent() const;

private:
    void insertEntry(const QString& text, bool keepEqual);
    std::vector<quint64> takeNewKeys(qsizetype n);
    void sortEntries(); // in collation order, keys with their entries
    void scrollStep(int delta);
    void selectAndShow(int i); // selects an entry and scrolls it into view
    void scrollRepeat();
    void snapHeight();

    QStringList m_items;
    std::vector<quint64> m_keys; // one per entry
    quint64 m_nextKey = 1;
    std::vector<bool> m_highlight; // one flag per entry
    bool m_sorted = false;
    bool m_scrollBars = false;
    bool m_multiSelect = false;
    int m_itemHeight = 17;
    TransparentMode m_transparentMode = tmNone;
    QColor m_colorBorder{0xA0, 0x96, 0x83};
    QColor m_colorItemsRect{0xFF, 0xFF, 0xFF};
    QColor m_colorItemsSelect{0xF7, 0xDE, 0x9C};
    QColor m_colorArrow{0, 0, 0};
    int m_selectedIndex = -1;
    int m_topIndex = 0;
    int m_wheelRemainder = 0;
    bool m_snapping = false;
    QTimer* m_repeatTimer = nullptr; // object name "scrollRepeat"
    int m_repeatDelta = 0;
};

class FlatCheckListBox : public FlatListBox {
    Q_OBJECT
    Q_PROPERTY(QColor colorCheck READ colorCheck WRITE setColorCheck)

public:
    explicit FlatCheckListBox(QWidget* parent = nullptr);

    bool checked(int i) const;                // false for a position that holds no entry
    void setChecked(int i, bool on);          // raises nothing
    bool isHighlighted(int i) const override; // the selected entry's row

    QColor colorCheck() const { return m_colorCheck; }
    void setColorCheck(const QColor& c);

    static QRect checkRect(const QRect& row) { return {row.left() + 3, row.top() + 3, 11, 11}; }

signals:
    void clickCheck(int index); // a tick toggled by the user: a click on its square, or Space

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void entriesChanged() override;
    void paintRow(QPainter& p, const QRect& row, int index) override;
    void rowPressed(const QPoint& pos, int row) override;

private:
    std::vector<bool> m_checked; // one flag per entry
    QColor m_colorCheck{0, 0, 0};
};
