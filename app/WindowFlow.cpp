#include "WindowFlow.h"

#include <algorithm>
#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QTimer>
#include <vector>

#include "AboutBox.h"
#include "Application.h"
#include "ChooserWindow.h"
#include "HiddenPictureWindow.h"
#include "TemplateChooser.h"
#include "WelcomeWindow.h"
#include "WindowFonts.h"
#include "Windows.h"
#include "WizardWindow.h"

TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
TForm4* Form4 = nullptr;
TForm5* Form5 = nullptr;
TForm6* Form6 = nullptr;

namespace dutywise::app {

namespace {

// Dialogs whose modal loop is running, innermost last.
std::vector<QDialog*> g_modalLoops;

// A disabled window cannot be closed from its title bar either, as long as it stays disabled.
class UserCloseBlocker : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close && event->spontaneous()) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int ShowModal(QDialog& dialog) {
    if (InModalLoop(dialog)) {
        dialog.raise();
        return QDialog::Rejected;
    }
    // Qt's application modality would also block a window shown later, such as the hidden
    // picture; so the dialog is window-modal to nothing, and the windows that are up now are
    // disabled by hand until its loop ends.
    UserCloseBlocker blocker;
    std::vector<QPointer<QWidget>> disabled;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == &dialog || !w->isWindow() || !w->isVisible() || !w->isEnabled())
            continue;
        w->setEnabled(false);
        w->installEventFilter(&blocker);
        disabled.emplace_back(w);
    }
    dialog.setWindowModality(Qt::WindowModal);
    g_modalLoops.push_back(&dialog);
    const int result = dialog.exec();
    g_modalLoops.erase(std::find(g_modalLoops.begin(), g_modalLoops.end(), &dialog));
    for (const QPointer<QWidget>& w : disabled) {
        if (!w)
            continue;
        w->removeEventFilter(&blocker);
        w->setEnabled(true);
    }
    return result;
}

bool InModalLoop(const QDialog& dialog) {
    return std::find(g_modalLoops.begin(), g_modalLoops.end(), &dialog) != g_modalLoops.end();
}

void Minimise(QWidget& window) {
    const Qt::WindowStates state = window.windowState();
    if (!(state & Qt::WindowMinimized))
        window.setWindowState(state | Qt::WindowMinimized);
}

void Restore(QWidget& window) {
    const Qt::WindowStates state = window.windowState();
    if (state & Qt::WindowMinimized)
        window.setWindowState(state & ~Qt::WindowMinimized);
}

WindowFlow* WindowFlow::instance_ = nullptr;

WindowFlow::WindowFlow() {
    instance_ = this;
    quit_ = [] {
        QMetaObject::invokeMethod(
            qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    };
    InstallFontStandIns();
    Form1 = new TForm1;
    Form2 = new TForm2;
    Form3 = new TForm3;
    Form4 = new TForm4;
    Form5 = new TForm5;
    Form6 = new TForm6;

    QObject::connect(Form2, &TForm2::formClosed, Form5, [] { Restore(*Form5); });
    QObject::connect(Form2, &TForm2::hiddenPictureRequested, Form3, [] { Form3->ShowInFront(); });
    QObject::connect(
        Form2, &TForm2::aboutRequested, Form4, [] { ShowModal(*Form4); }, Qt::DirectConnection);
}

WindowFlow::~WindowFlow() {
    delete Form6;
    delete Form5;
    delete Form4;
    delete Form3;
    delete Form2;
    delete Form1;
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
    Form5 = nullptr;
    Form6 = nullptr;
    if (instance_ == this)
        instance_ = nullptr;
}

void WindowFlow::Start() {
    Form1->show();
}

void WindowFlow::LoadPlanAtStart(const QString& path) {
    if (const auto refusal = Form2->LoadPlan(path))
        QTimer::singleShot(0, Form1, [text = *refusal] { ShowMessage(text); });
}

void WindowFlow::Terminate() {
    terminated_ = true;
    // Innermost first: each ended loop lets the handler that opened it return.
    for (auto it = g_modalLoops.rbegin(); it != g_modalLoops.rend(); ++it)
        (*it)->reject();
    Form3->hide();
    if (quit_)
        quit_();
}

} // namespace dutywise::app
