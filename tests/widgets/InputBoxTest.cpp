// The modal text prompt: answers, the remembered value, its limits and its measures.
#include "InputBox.h"
#include "ModalAnswer.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using testsupport::AnswerNextModal;
using testsupport::AnswerPrompt;

namespace {

QLineEdit* Field(QWidget* dialog) {
    return dialog->findChild<QLineEdit*>();
}

int OpenPrompts() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QDialog*>(w))
            ++n;
    return n;
}

} // namespace

TEST(InputBox, OkWithEmptyFieldAcceptsTheEmptyAnswer) {
    InputBox box(QStringLiteral("New Person"), QStringLiteral("Name of the scout:"));
    box.setValue(QStringLiteral("Old"));
    auto seen = AnswerPrompt(QString());
    EXPECT_TRUE(box.Execute());
    ASSERT_TRUE(seen->found) << seen->error.toStdString();
    EXPECT_EQ(seen->title, QStringLiteral("New Person"));
    EXPECT_TRUE(seen->text.contains(QStringLiteral("Name of the scout:")));
    EXPECT_EQ(seen->buttons, (QStringList{QStringLiteral("OK"), QStringLiteral("Cancel")}));
    EXPECT_EQ(box.value(), QString());
}

TEST(InputBox, CancelEscapeAndCloseKeepThePreviousValue) {
    InputBox box(QStringLiteral("Meal"), QStringLiteral("Breakfast:"));
    box.setValue(QStringLiteral("Pancakes"));

    auto cancel = AnswerNextModal(QStringLiteral("Cancel"),
                                  [](QWidget* d) { QTest::keyClicks(Field(d), "Oatmeal"); });
    EXPECT_FALSE(box.Execute());
    ASSERT_TRUE(cancel->found) << cancel->error.toStdString();
    EXPECT_EQ(box.value(), QStringLiteral("Pancakes"));

    bool closedByEscape = false;
    auto escape = AnswerNextModal(QStringLiteral("Cancel"), [&](QWidget* d) {
        QTest::keyClicks(Field(d), "Oatmeal");
        QTest::keyClick(Field(d), Qt::Key_Escape);
        closedByEscape = !d->isVisible() && static_cast<QDialog*>(d)->result() == QDialog::Rejected;
    });
    EXPECT_FALSE(box.Execute());
    EXPECT_TRUE(closedByEscape);
    EXPECT_EQ(box.value(), QStringLiteral("Pancakes"));

    // No such button: the helper closes the window, as the title bar's close button does.
    auto closed = AnswerNextModal(QStringLiteral("(close)"),
                                  [](QWidget* d) { QTest::keyClicks(Field(d), "Oatmeal"); });
    EXPECT_FALSE(box.Execute());
    EXPECT_EQ(box.value(), QStringLiteral("Pancakes"));
}

TEST(InputBox, EnterAcceptsAndTheAnswerComesBackSelectedNextTime) {
    InputBox box(QStringLiteral("Patrol"), QStringLiteral("Patrol name:"));
    bool acceptedByEnter = false;
    auto first = AnswerNextModal(QStringLiteral("OK"), [&](QWidget* d) {
        QTest::keyClicks(Field(d), "Eagles");
        QTest::keyClick(Field(d), Qt::Key_Return);
        acceptedByEnter =
            !d->isVisible() && static_cast<QDialog*>(d)->result() == QDialog::Accepted;
    });
    EXPECT_TRUE(box.Execute());
    EXPECT_TRUE(acceptedByEnter);
    EXPECT_EQ(box.value(), QStringLiteral("Eagles"));

    QString shown, selected;
    bool fieldHasFocus = false;
    auto second = AnswerNextModal(QStringLiteral("Cancel"), [&](QWidget* d) {
        shown = Field(d)->text();
        selected = Field(d)->selectedText();
        fieldHasFocus = d->focusWidget() == Field(d);
    });
    EXPECT_FALSE(box.Execute());
    EXPECT_EQ(shown, QStringLiteral("Eagles"));
    EXPECT_EQ(selected, QStringLiteral("Eagles"));
    EXPECT_TRUE(fieldHasFocus);
}

TEST(InputBox, FieldHoldsAtMost255Characters) {
    InputBox box;
    auto seen = AnswerPrompt(QString(300, u'x'));
    EXPECT_TRUE(box.Execute());
    EXPECT_EQ(box.value(), QString(255, u'x'));
}

TEST(InputBox, DialogIsGoneAfterExecute) {
    const int before = OpenPrompts();
    InputBox box;
    AnswerNextModal(QStringLiteral("OK"));
    box.Execute();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(OpenPrompts(), before);
}

// Measures in dialog units of the dialog's font: a quarter of the average letter width
// across, an eighth of the line height down.
TEST(InputBox, LayoutFollowsDialogUnits) {
    InputBox box(QStringLiteral("Title"),
                 QStringLiteral("A rather long question that has to wrap onto a second line "
                                "because it is far wider than the field below it."));
    std::unique_ptr<QDialog> d(box.createDialog(nullptr));
    const QFontMetrics fm(d->font());
    const double ax = fm.horizontalAdvance(
                          QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                      52.0;
    const auto h = [&](int du) { return du * qRound(ax) / 4.0; };
    const auto v = [&](int du) { return du * fm.height() / 8.0; };

    auto* label = d->findChild<QLabel*>();
    auto* edit = Field(d.get());
    auto* ok = d->findChild<QPushButton*>(QStringLiteral("okButton"));
    auto* cancel = d->findChild<QPushButton*>(QStringLiteral("cancelButton"));
    ASSERT_TRUE(label && edit && ok && cancel);
    EXPECT_NEAR(d->width(), h(180), 1);
    EXPECT_NEAR(label->x(), h(8), 1);
    EXPECT_NEAR(label->y(), v(8), 1);
    EXPECT_LE(label->width(), h(164) + 1);
    EXPECT_GT(label->height(), fm.height()); // wrapped
    EXPECT_EQ(edit->y(), label->geometry().bottom() + 1 + 5);
    EXPECT_NEAR(edit->width(), h(164), 1);
    EXPECT_EQ(edit->maxLength(), 255);
    EXPECT_EQ(ok->y(), edit->geometry().bottom() + 1 + 15);
    EXPECT_EQ(cancel->y(), ok->y());
    EXPECT_NEAR(ok->x(), h(38), 1);
    EXPECT_NEAR(cancel->x(), h(92), 1);
    EXPECT_NEAR(ok->width(), h(50), 1);
    EXPECT_NEAR(ok->height(), v(14), 1);
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(d->height(), ok->geometry().bottom() + 1 + 13);
}
