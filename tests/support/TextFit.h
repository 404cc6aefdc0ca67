#pragma once
// Whether the texts a window shows fit their controls at the controls' own fonts: the check a
// translation must pass, since the windows keep their fixed layout in every language.

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

namespace testsupport {

inline QString Caption(QString text) {
    return text.replace(QLatin1String("&&"), QLatin1String("\x01"))
        .remove(u'&')
        .replace(u'\x01', u'&');
}

inline int WidestLine(const QFontMetrics& fm, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(u'\n'))
        widest = std::max(widest, fm.horizontalAdvance(line));
    return widest;
}

// One line per text of the widget and those inside it that does not fit:
// "objectName (class): "text" needs WxH, has wxh".
inline QStringList TextsThatDoNotFit(const QWidget& root) {
    const QWidget* window = root.window();
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(const_cast<QWidget*>(&root));
    QStringList problems;
    const auto report = [&](const QWidget* w, const QString& text, QSize need, QSize have) {
        problems << QStringLiteral("%1 (%2): \"%3\" needs %4x%5, has %6x%7")
                        .arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()),
                             text)
                        .arg(need.width())
                        .arg(need.height())
                        .arg(have.width())
                        .arg(have.height());
    };
    for (const QWidget* w : widgets) {
        if ((w != window && !w->isVisibleTo(window)) || w->width() <= 0)
            continue;
        const QFontMetrics fm = w->fontMetrics();
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            const QString text = label->text();
            if (text.isEmpty() || label->textFormat() == Qt::RichText)
                continue;
            const QRect room = label->contentsRect();
            if (label->wordWrap()) {
                // Each word must fit a line, and the wrapped lines the label's height.
                const QRect wrapped = fm.boundingRect(QRect(0, 0, room.width(), 100000),
                                                      Qt::TextWordWrap | label->alignment(), text);
                // The last line needs the font's height, not a whole line's spacing.
                const int lines = std::max(1, wrapped.height() / fm.lineSpacing());
                const QSize need(wrapped.width(), (lines - 1) * fm.lineSpacing() + fm.height());
                if (need.width() > room.width() || need.height() > room.height())
                    report(w, text, need, room.size());
            } else {
                const QSize need(WidestLine(fm, text),
                                 fm.lineSpacing() * int(text.count(u'\n')) + fm.height());
                if (need.width() > room.width() || need.height() > room.height())
                    report(w, text, need, room.size());
            }
        } else if (const auto* check = qobject_cast<const QCheckBox*>(w)) {
            if (check->text().isEmpty())
                continue;
            const QSize need = check->sizeHint();
            if (need.width() > w->width())
                report(w, check->text(), need, w->size());
        } else if (const auto* button = qobject_cast<const QPushButton*>(w)) {
            if (button->text().isEmpty())
                continue;
            // The flat buttons draw the caption inside their 1-pixel frame, after the icon.
            int room = w->width() - 2;
            if (!button->icon().isNull())
                room = w->width() - 8 - button->iconSize().width() - 4;
            const QSize need(fm.horizontalAdvance(Caption(button->text())), fm.height());
            if (need.width() > room || need.height() > w->height() - 4)
                report(w, button->text(), need, {room, w->height() - 4});
        } else if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
            if (group->title().isEmpty())
                continue;
            // Caption from 8 pixels in, with 2 pixels each side, before the frame's right edge.
            const int need = 8 + fm.horizontalAdvance(Caption(group->title())) + 4 + 2;
            if (need > w->width())
                report(w, group->title(), {need, fm.height()}, w->size());
        } else if (w->metaObject()->indexOfProperty("items") >= 0) {
            // The flat lists: rows inside a 1-pixel frame, text 3 pixels in from either side,
            // after the tick box in a list of tick boxes.
            const bool ticks = w->metaObject()->indexOfProperty("colorCheck") >= 0;
            const int room = w->width() - 2 - (ticks ? 19 : 3) - 3;
            for (const QString& item : w->property("items").toStringList()) {
                const int need = fm.horizontalAdvance(item);
                if (need > room)
                    report(w, item, {need, fm.height()}, {room, fm.height()});
            }
        } else if (const auto* tabs = qobject_cast<const QTabWidget*>(w)) {
            // Every page's tab shows at once: no scroll arrows, no elided title.
            const QTabBar* bar = tabs->tabBar();
            const int need = bar->sizeHint().width();
            if (need > tabs->width())
                report(w, QStringLiteral("(page tabs)"), {need, bar->height()}, tabs->size());
            for (int i = 0; i < bar->count(); ++i) {
                const int text = fm.horizontalAdvance(Caption(bar->tabText(i)));
                if (text > bar->tabRect(i).width())
                    report(w, bar->tabText(i), {text, fm.height()}, bar->tabRect(i).size());
            }
        }
    }
    return problems;
}

} // namespace testsupport
