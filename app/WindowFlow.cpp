#include "WindowFlow.h"

#include <algorithm>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
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

WelcomeWindow* welcomeWindow = nullptr;
WizardWindow* wizardWindow = nullptr;
HiddenPictureWindow* hiddenPictureWindow = nullptr;
AboutBox* aboutBox = nullptr;
ChooserWindow* chooserWindow = nullptr;
TemplateChooser* templateChooser = nullptr;

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
    welcomeWindow = new WelcomeWindow;
    wizardWindow = new WizardWindow;
    hiddenPictureWindow = new HiddenPictureWindow;
    aboutBox = new AboutBox;
    chooserWindow = new ChooserWindow;
    templateChooser = new TemplateChooser;

    QObject::connect(wizardWindow, &WizardWindow::formClosed, chooserWindow,
                     [] { Restore(*chooserWindow); });
    QObject::connect(wizardWindow, &WizardWindow::hiddenPictureRequested, hiddenPictureWindow,
                     [] { hiddenPictureWindow->ShowInFront(); });
    QObject::connect(
        wizardWindow, &WizardWindow::aboutRequested, aboutBox, [] { ShowModal(*aboutBox); },
        Qt::DirectConnection);
}

WindowFlow::~WindowFlow() {
    delete templateChooser;
    delete chooserWindow;
    delete aboutBox;
    delete hiddenPictureWindow;
    delete wizardWindow;
    delete welcomeWindow;
    welcomeWindow = nullptr;
    wizardWindow = nullptr;
    hiddenPictureWindow = nullptr;
    aboutBox = nullptr;
    chooserWindow = nullptr;
    templateChooser = nullptr;
    if (instance_ == this)
        instance_ = nullptr;
}

void WindowFlow::Start() {
    welcomeWindow->show();
}

void WindowFlow::LoadPlanAtStart(const QString& path) {
    LoadPlanFileAtStart(QFile::encodeName(path));
}

void WindowFlow::LoadPlanFileAtStart(const QByteArray& fileName) {
    if (const auto refusal = wizardWindow->LoadPlanFile(fileName))
        QTimer::singleShot(0, welcomeWindow, [text = *refusal] { ShowMessage(text); });
}

void WindowFlow::Terminate() {
    terminated_ = true;
    // Innermost first: each ended loop lets the handler that opened it return.
    for (auto it = g_modalLoops.rbegin(); it != g_modalLoops.rend(); ++it)
        (*it)->reject();
    hiddenPictureWindow->hide();
    if (quit_)
        quit_();
}

} // namespace dutywise::app
