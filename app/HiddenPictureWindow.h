#pragma once
// The hidden-picture window: a photograph with a two-line caption, shown beside the wizard.

#include <QDialog>

#include "ui_HiddenPictureWindow.h"

class HiddenPictureWindow : public QDialog, private Ui::HiddenPictureWindow {
    Q_OBJECT

public:
    explicit HiddenPictureWindow(QWidget* parent = nullptr);

    // Shows the window without a modal loop, or only brings it to the front when it is open.
    void ShowInFront();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void dismiss();
};
