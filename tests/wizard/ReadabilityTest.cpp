// "I can't see the text!": what it turns opaque, what it leaves alone, and that it works once.

#include <QLabel>

#include "FlatControls.h"
#include "WizardTestSupport.h"

using namespace wizardtest;

namespace {

QStringList Names(const char* stem, int from, int to) {
    QStringList names;
    for (int i = from; i <= to; ++i)
        names << QString("%1%2").arg(stem).arg(i);
    return names;
}

const QStringList kLists{"FlatListBox1", "days",         "FlatListBox2", "FlatListBox3",
                         "FlatListBox4", "FlatListBox5", "FlatListBox6"};

// What the switch may change, for every control it touches or must not touch.
struct Look {
    bool filled;
    QColor background;
    QColor caption;
    QFont font;
    int mode = -1;
    bool operator==(const Look&) const = default;
};

std::map<QString, Look> LookOfEverything(QWidget& w) {
    std::map<QString, Look> looks;
    for (QWidget* c : w.findChildren<QWidget*>()) {
        if (c->objectName().isEmpty())
            continue;
        Look look{c->autoFillBackground(), c->palette().color(QPalette::Window),
                  c->palette().color(QPalette::WindowText), c->font()};
        if (auto* list = qobject_cast<TFlatListBox*>(c))
            look.mode = list->transparentMode();
        looks[c->objectName()] = look;
    }
    return looks;
}

class Readability : public ::testing::Test {
protected:
    void SetUp() override {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    QWidget* W(const QString& name) { return Find(w, name.toLatin1().constData()); }
    TForm2 w;
};

TEST_F(Readability, OneClickMakesEveryPageReadableAndLeavesTheRestAlone) {
    const auto before = LookOfEverything(w);
    for (const QString& l : kLists)
        ASSERT_EQ(Find<TFlatListBox>(w, l.toLatin1().constData())->transparentMode(),
                  TFlatListBox::tmAlways);
    const QColor saturday = W("FlatGroupBox7")->palette().color(QPalette::Window);

    Click(w, "FlatSpeedButton28");
    const auto after = LookOfEverything(w);

    for (const QString& l : Names("Label", 1, 19)) {
        EXPECT_TRUE(after.at(l).filled) << l.toStdString();
        EXPECT_EQ(after.at(l).background, W(l)->palette().color(QPalette::Button))
            << l.toStdString();
        EXPECT_EQ(after.at(l).caption, before.at(l).caption) << l.toStdString();
    }
    for (const QString& b : Names("FlatCheckBox", 1, 6))
        EXPECT_TRUE(after.at(b).filled) << b.toStdString();
    EXPECT_EQ(after.at("FlatCheckBox1").caption, QColor(Qt::black));
    EXPECT_EQ(after.at("FlatCheckBox3").caption, QColor(Qt::black));
    EXPECT_TRUE(after.at("FlatCheckBox1").font.bold());
    EXPECT_EQ(after.at("FlatCheckBox1").font, before.at("FlatCheckBox1").font);
    // The Finalization page's white bold caption goes the way of the people list's.
    EXPECT_TRUE(after.at("ShareEvenly").filled);
    EXPECT_EQ(after.at("ShareEvenly").background,
              W("ShareEvenly")->palette().color(QPalette::Button));
    EXPECT_EQ(before.at("ShareEvenly").caption, QColor(Qt::white));
    EXPECT_EQ(after.at("ShareEvenly").caption, QColor(Qt::black));
    EXPECT_EQ(after.at("ShareEvenly").font, before.at("ShareEvenly").font);
    EXPECT_TRUE(after.at("ShareEvenly").font.bold());
    for (const char* b : {"FlatCheckBox2", "FlatCheckBox4", "FlatCheckBox5", "FlatCheckBox6"})
        EXPECT_EQ(after.at(b).caption, before.at(b).caption) << b;

    for (const QString& g : Names("FlatGroupBox", 1, 7))
        EXPECT_TRUE(after.at(g).filled) << g.toStdString();
    for (const QString& g : Names("FlatGroupBox", 1, 6))
        EXPECT_EQ(after.at(g).background, W(g)->palette().color(QPalette::Button))
            << g.toStdString();
    EXPECT_EQ(after.at("FlatGroupBox7").background, saturday);

    for (const QString& l : kLists)
        EXPECT_EQ(after.at(l).mode, TFlatListBox::tmNone) << l.toStdString();

    // Untouched: the meal boxes inside the groups and the suggestion labels.
    QStringList untouched = Names("JvAppearingLabel", 1, 5);
    for (const char* day : {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"})
        for (const char* meal : {"Brk", "Lun", "Din"})
            untouched << QString(day) + meal;
    for (const QString& c : untouched)
        EXPECT_EQ(after.at(c), before.at(c)) << c.toStdString();
}

TEST_F(Readability, SecondClickChangesNothing) {
    Click(w, "FlatSpeedButton28");
    const auto once = LookOfEverything(w);
    Click(w, "FlatSpeedButton28");
    EXPECT_TRUE(LookOfEverything(w) == once);
}

} // namespace
