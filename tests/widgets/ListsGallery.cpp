// Renders the flat lists and the appearing label in their states to PNG files for people to look
// at: <build>/screenshots/widgets/.
#include "AppearingLabel.h"
#include "FlatListBox.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QTest>

namespace {

// Stands in for the wizard page's background picture.
class PictureBackdrop : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QLinearGradient g(0, 0, width(), height());
        g.setColorAt(0, QColor(0x3a, 0x6e, 0x3a));
        g.setColorAt(1, QColor(0xd8, 0xc8, 0x8a));
        p.fillRect(rect(), g);
        p.setPen(QColor(255, 255, 255, 90));
        for (int x = -height(); x < width(); x += 14)
            p.drawLine(x, height(), x + height(), 0);
    }
};

QString outputDir() {
    const QString dir = QStringLiteral(DUTYWISE_SCREENSHOT_DIR);
    QDir().mkpath(dir);
    return dir;
}

const QStringList Foods = {"Pancakes", "Chili con carne", "Apple", "banana",    "Hot dogs",
                           "Oatmeal",  "Spaghetti",       "Tacos", "Trail mix", "Scrambled eggs"};

void shoot(const QString& name, const std::function<void(QWidget*)>& build,
           QSize size = {190, 130}) {
    PictureBackdrop backdrop;
    backdrop.resize(size);
    build(&backdrop);
    backdrop.show();
    backdrop.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&backdrop));
    const QString path = outputDir() + "/" + name + ".png";
    EXPECT_TRUE(backdrop.grab().save(path)) << path.toStdString();
}

FlatListBox* listIn(QWidget* parent, const QStringList& items = Foods) {
    auto* list = new FlatListBox(parent);
    list->setGeometry(10, 10, 170, 99);
    list->assignItems(items);
    return list;
}

} // namespace

TEST(ListsGallery, FlatList) {
    shoot("flatlist_empty", [](QWidget* w) { listIn(w, {}); });
    shoot("flatlist_entries_sorted", [](QWidget* w) { listIn(w)->setSorted(true); });
    shoot("flatlist_selected_row", [](QWidget* w) {
        auto* list = listIn(w);
        QTest::mouseClick(list, Qt::LeftButton, {}, list->rowRect(2).center());
    });
    shoot("flatlist_scroll_buttons", [](QWidget* w) {
        auto* list = listIn(w);
        list->setScrollBars(true);
        list->resize(170, 100);
        list->setTopIndex(3);
        list->setSelectedIndex(4);
    });
    shoot("flatlist_scroll_buttons_at_top", [](QWidget* w) {
        auto* list = listIn(w);
        list->setScrollBars(true);
        list->resize(170, 100);
    });
    shoot("flatlist_disabled", [](QWidget* w) {
        auto* list = listIn(w);
        list->setSelectedIndex(1);
        list->setEnabled(false);
    });
    // Transparency: two lists side by side, the left one focused.
    const auto pair = [](FlatListBox::TransparentMode mode) {
        return [mode](QWidget* w) {
            auto* focused = listIn(w);
            auto* other = listIn(w);
            other->move(190, 10);
            for (auto* l : {focused, other}) {
                l->setTransparentMode(mode);
                l->setSelectedIndex(1);
            }
            focused->setFocus();
        };
    };
    shoot("flatlist_tmAlways_focused_unfocused", pair(FlatListBox::tmAlways), {370, 120});
    shoot("flatlist_tmNotFocused_focused_unfocused", pair(FlatListBox::tmNotFocused), {370, 120});
    shoot("flatlist_tmNone_focused_unfocused", pair(FlatListBox::tmNone), {370, 120});
}

TEST(ListsGallery, FlatCheckList) {
    const QStringList days = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                              "Thursday", "Friday", "Saturday"};
    const auto build = [days](bool enabled) {
        return [days, enabled](QWidget* w) {
            auto* list = new FlatCheckListBox(w);
            list->setGeometry(10, 10, 170, 137);
            list->assignItems(days);
            list->setTransparentMode(FlatListBox::tmAlways);
            for (int i : {0, 2, 3, 6})
                list->setChecked(i, true);
            list->setSelectedIndex(3);
            list->setEnabled(enabled);
        };
    };
    shoot("checklist_days_ticked", build(true), {190, 160});
    shoot("checklist_disabled", build(false), {190, 160});
    shoot("checklist_opaque_scroll",
          [days](QWidget* w) {
              auto* list = new FlatCheckListBox(w);
              list->setGeometry(10, 10, 170, 100);
              list->setScrollBars(true);
              list->assignItems(days);
              list->setChecked(1, true);
              list->setTopIndex(1);
          },
          {190, 130});
}

TEST(ListsGallery, AppearingLabel) {
    const auto at = [](int steps) {
        return [steps](QWidget* w) {
            auto* page = new QWidget(w);
            page->setGeometry(0, 0, 220, 120);
            auto* label = new AppearingLabel(page);
            label->setText("Try: Pancakes");
            label->setAppearFrom(AppearingLabel::drFromBottom);
            label->setGeometry(20, 60, 150, 17);
            label->Appear();
            for (int i = 0; i < steps; ++i)
                label->step();
        };
    };
    shoot("label_sliding", at(10), {220, 120});
    shoot("label_at_rest", at(100), {220, 120});
}
