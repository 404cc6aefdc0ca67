// Renders the value controls and the prompt in their states to PNG files for people to look at.
#include "FlatColorComboBox.h"
#include "FlatControls.h"
#include "FlatGauge.h"
#include "FlatSpinEdit.h"
#include "InputBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLinearGradient>
#include <QTest>

#include <gtest/gtest.h>

#ifndef DUTYWISE_SCREENSHOT_DIR
#define DUTYWISE_SCREENSHOT_DIR "screenshots/widgets"
#endif

namespace {

QString Shot(const QString& name) {
    const QString dir = QStringLiteral(DUTYWISE_SCREENSHOT_DIR);
    QDir().mkpath(dir);
    return dir + u'/' + name + QStringLiteral(".png");
}

void Save(QWidget* w, const QString& name) {
    const QPixmap picture = w->grab();
    ASSERT_FALSE(picture.isNull()) << name.toStdString();
    ASSERT_TRUE(picture.save(Shot(name))) << Shot(name).toStdString();
}

void Show(QWidget* w) {
    w->show();
    QApplication::setActiveWindow(w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
}

// A patterned backdrop standing in for a window's picture, to see what shows through.
void Backdrop(QWidget* w) {
    QLinearGradient g(0, 0, 400, 200);
    g.setColorAt(0, QColor(0x9C, 0xC4, 0x7A));
    g.setColorAt(1, QColor(0x3E, 0x6E, 0x9E));
    QPalette pal = w->palette();
    pal.setBrush(QPalette::Window, g);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

} // namespace

TEST(ValuesGallery, Gauges) {
    QWidget w;
    w.resize(220, 110);
    int y = 8;
    for (int progress : {0, 37, 100}) {
        auto* g = new FlatGauge(&w);
        g->setGeometry(10, y, 200, 24);
        g->setColorBorder(QColor(0xA0, 0x96, 0x83));
        g->setProgress(progress);
        y += 32;
    }
    Save(&w, QStringLiteral("gauges"));
}

TEST(ValuesGallery, ColourBoxes) {
    QWidget w;
    w.resize(300, 90);
    auto* plain = new FlatColorComboBox(&w);
    plain->setGeometry(10, 10, 130, 22);
    auto* custom = new FlatColorComboBox(&w);
    custom->setGeometry(10, 40, 130, 22);
    custom->setColorPicker(
        [](const QColor&) { return std::optional<QColor>(QColor(0xD2, 0x69, 0x1E)); });
    Show(&w);
    custom->setCurrentIndex(FlatColorComboBox::CustomIndex);
    emit custom->activated(FlatColorComboBox::CustomIndex);
    auto* navy = new FlatColorComboBox(&w);
    navy->setGeometry(160, 10, 130, 22);
    navy->setValue(QColor(0x000080));
    navy->show();
    navy->setFocus();
    Save(&w, QStringLiteral("colour-boxes"));

    plain->setCurrentIndex(9);
    plain->showPopup();
    QWidget* popup = plain->view()->window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    plain->view()->setCurrentIndex(plain->model()->index(12, 0));
    Save(popup, QStringLiteral("colour-box-open"));
    plain->hidePopup();
}

TEST(ValuesGallery, SpinBoxesEditsAndDropDowns) {
    QWidget w;
    w.resize(300, 110);
    auto* spin = new FlatSpinEdit(&w);
    spin->setGeometry(10, 10, 65, 21);
    spin->setMinValue(8);
    spin->setMaxValue(72);
    spin->setValue(12);
    auto* focused = new FlatSpinEdit(&w);
    focused->setGeometry(90, 10, 65, 21);
    focused->setValue(2);
    auto* edit = new FlatEdit(&w);
    edit->setGeometry(10, 42, 140, 21);
    edit->setText(QStringLiteral("Troop 12 Outing"));
    auto* combo = new FlatComboBox(&w);
    combo->setGeometry(10, 74, 160, 22);
    combo->addItems({"Arial", "Courier New"});
    auto* hidden = new CandidateList(&w);
    hidden->setItems({"one", "two"});
    hidden->setGeometry(180, 42, 100, 50);
    Show(&w);
    focused->setFocus();
    Save(&w, QStringLiteral("spin-edit-combo"));
}

TEST(ValuesGallery, CheckBoxesAndGroupBoxesOverAPicture) {
    QWidget w;
    w.resize(380, 170);
    Backdrop(&w);
    auto* group = new FlatGroupBox(QStringLiteral("Transparent group"), &w);
    group->setTransparent(true);
    group->setGeometry(10, 10, 170, 150);
    auto* opaque = new FlatGroupBox(QStringLiteral("Opaque group"), &w);
    opaque->setGeometry(200, 10, 170, 150);
    int y = 24;
    for (bool checked : {false, true}) {
        for (bool transparent : {true, false}) {
            for (QWidget* parent : {static_cast<QWidget*>(group), static_cast<QWidget*>(opaque)}) {
                auto* box = new FlatCheckBox(QString(transparent ? "Transparent" : "Opaque") +
                                                 (checked ? ", ticked" : ""),
                                             parent);
                box->setTransparent(transparent);
                box->setChecked(checked);
                box->setGeometry(10, y, 150, 20);
            }
            y += 28;
        }
    }
    auto* focused = new FlatCheckBox(QStringLiteral("Focused"), group);
    focused->setGeometry(10, y, 150, 20);
    Show(&w);
    focused->setFocus();
    Save(&w, QStringLiteral("check-and-group-boxes"));
}

TEST(ValuesGallery, Buttons) {
    QWidget w;
    w.resize(360, 80);
    auto* normal = new FlatButton(QStringLiteral("&Normal"), &w);
    normal->setGeometry(10, 10, 75, 25);
    auto* focused = new FlatButton(QStringLiteral("Focused"), &w);
    focused->setGeometry(95, 10, 75, 25);
    auto* pressed = new FlatButton(QStringLiteral("Pressed"), &w);
    pressed->setGeometry(180, 10, 75, 25);
    auto* def = new FlatButton(QStringLiteral("Default"), &w);
    def->setGeometry(265, 10, 75, 25);
    def->setDefault(true);
    auto* speed = new FlatSpeedButton(QStringLiteral("B"), &w);
    speed->setGeometry(10, 45, 23, 22);
    auto* speedDown = new FlatSpeedButton(QStringLiteral("I"), &w);
    speedDown->setGeometry(38, 45, 23, 22);
    auto* disabled = new FlatButton(QStringLiteral("Disabled"), &w);
    disabled->setGeometry(95, 45, 75, 25);
    disabled->setEnabled(false);
    Show(&w);
    focused->setFocus();
    pressed->setDown(true);
    speedDown->setDown(true);
    Save(&w, QStringLiteral("buttons"));
}

TEST(ValuesGallery, Prompt) {
    InputBox box(QStringLiteral("Add a scout"),
                 QStringLiteral("Type the name of the scout to add:"));
    box.setValue(QStringLiteral("Jamie"));
    std::unique_ptr<QDialog> d(box.createDialog(nullptr));
    Show(d.get());
    Save(d.get(), QStringLiteral("prompt"));
}
