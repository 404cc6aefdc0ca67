// The appearing label's slide, counted in steps rather than milliseconds.
#include "AppearingLabel.h"
#include "ModalAnswer.h"

#include <gtest/gtest.h>
#include <memory>
#include <QSignalSpy>
#include <QTest>

namespace {

// The wizard's arrangement: a window 434 high, a page 365 high below the tabs, the label on it.
struct Wizard {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QWidget* page = new QWidget(window.get());
    AppearingLabel* label = new AppearingLabel(page);

    explicit Wizard(int restingTop) {
        window->resize(633, 434);
        page->setGeometry(4, 40, 625, 365);
        label->setText("Try: Pancakes");
        label->setAppearFrom(AppearingLabel::drFromBottom);
        label->setGeometry(16, restingTop, 150, 17);
        label->hide();
        window->show();
    }
    // Runs the steps by hand until the slide ends; returns the number of steps.
    int slideToEnd() {
        int guard = 0;
        while (label->isSliding() && ++guard < 1000)
            label->step();
        return label->stepsTaken();
    }
};

} // namespace

TEST(AppearingLabel, SlidesUpFromTheWindowsBottomAndStopsAtStep47) {
    Wizard w(296);
    QSignalSpy appeared(w.label, &AppearingLabel::appeared);
    w.label->Appear();
    EXPECT_TRUE(w.label->isSliding());
    w.label->step();
    EXPECT_TRUE(w.label->isVisible());
    EXPECT_EQ(w.label->y(), 431);    // started at 434, one step of 3
    EXPECT_EQ(w.label->height(), 1); // cut at the window's edge: 434 - 431 - 2
    for (int i = 2; i <= 46; ++i)
        w.label->step();
    EXPECT_EQ(w.label->y(), 296);
    EXPECT_TRUE(w.label->isSliding());
    EXPECT_EQ(appeared.count(), 0);
    w.label->step();
    EXPECT_FALSE(w.label->isSliding());
    EXPECT_EQ(w.label->stepsTaken(), 47);
    EXPECT_EQ(w.label->geometry(), QRect(16, 296, 150, 17));
    EXPECT_EQ(appeared.count(), 1);
    EXPECT_TRUE(w.label->isVisible()); // stays shown; hiding is its user's business
}

TEST(AppearingLabel, RestingTop320StopsAtStep39PacedByItsTimer) {
    Wizard w(320);
    QSignalSpy appeared(w.label, &AppearingLabel::appeared);
    w.label->Appear();
    ASSERT_TRUE(testsupport::WaitUntil([&] { return !w.label->isSliding(); }, 10000));
    EXPECT_EQ(w.label->stepsTaken(), 39);
    EXPECT_EQ(w.label->geometry(), QRect(16, 320, 150, 17));
    EXPECT_EQ(appeared.count(), 1);
}

TEST(AppearingLabel, SecondAppearMidSlideRestartsAndStillEndsAtItsPlace) {
    Wizard w(296);
    w.label->Appear();
    for (int i = 0; i < 20; ++i)
        w.label->step();
    ASSERT_EQ(w.label->y(), 374);
    w.label->Appear();
    w.label->step();
    EXPECT_EQ(w.label->y(), 431); // from the start edge again
    EXPECT_EQ(w.slideToEnd(), 47);
    EXPECT_EQ(w.label->geometry(), QRect(16, 296, 150, 17));

    w.label->Appear(); // and again once at rest
    EXPECT_EQ(w.slideToEnd(), 47);
    EXPECT_EQ(w.label->geometry(), QRect(16, 296, 150, 17));
}

TEST(AppearingLabel, OtherEdgesReachTheirRestingPlace) {
    struct Case {
        AppearingLabel::Direction from;
        int steps;
    };
    // Resting at left 16, top 296 in a page at (4, 40) of a 633 x 434 window, 4 px a step.
    for (const Case c :
         {Case{AppearingLabel::drFromLeft, 42}, Case{AppearingLabel::drFromRight, 155},
          Case{AppearingLabel::drFromTop, 79}}) {
        Wizard w(296);
        w.label->setAppearFrom(c.from);
        w.label->setScrollPixel(4);
        w.label->Appear();
        EXPECT_EQ(w.slideToEnd(), c.steps) << c.from;
        EXPECT_EQ(w.label->geometry(), QRect(16, 296, 150, 17)) << c.from;
    }
}

TEST(AppearingLabel, ClickNotifies) {
    Wizard w(296);
    w.label->show();
    QSignalSpy clicked(w.label, &AppearingLabel::clicked);
    QTest::mouseClick(w.label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicked.count(), 1);
}
