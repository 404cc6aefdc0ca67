#pragma once
// Start-up and the hand-over between the windows: creates the six windows in order, wires the
// wizard's requests, and knows how a window is shown modally, minimised, restored and how the
// program ends.

#include <functional>
#include <QByteArray>
#include <QDialog>
#include <QString>

namespace dutywise::app {

// Shows `dialog` modally over the program's other windows and returns its result once its
// modal loop ends. Like the classic modal show, it disables the windows that are visible and
// enabled now, and only those, so a window shown later (the hidden picture) stays usable.
int ShowModal(QDialog& dialog);

// True while `dialog` runs a modal loop of ShowModal.
bool InModalLoop(const QDialog& dialog);

// Window states. On a window that is not showing the state is recorded for its next show.
void Minimise(QWidget& window);
void Restore(QWidget& window);

class WindowFlow {
public:
    // Creates WelcomeWindow ... TemplateChooser hidden, in that order, and sets welcomeWindow ...
    // templateChooser.
    WindowFlow();
    ~WindowFlow();
    WindowFlow(const WindowFlow&) = delete;
    WindowFlow& operator=(const WindowFlow&) = delete;

    // Shows the main window.
    void Start();

    // A plan named on the command line: loaded into the wizard at once, before the wizard is
    // first shown. A plan that cannot be read is reported once the event loop runs (over the
    // welcome window), and the wizard stays as it was.
    void LoadPlanAtStart(const QString& path);
    // The same for a name as the file system knows it, byte for byte (it need not be UTF-8).
    void LoadPlanFileAtStart(const QByteArray& fileName);

    // The main window closed: every modal loop ends and the program is told to quit.
    void Terminate();
    bool Terminated() const { return terminated_; }
    // What quitting means; by default the application's event loop is told to exit once the
    // nested loops have unwound. Tests put a recorder here.
    void SetQuit(std::function<void()> quit) { quit_ = std::move(quit); }

    static WindowFlow* Instance() { return instance_; }

private:
    static WindowFlow* instance_;
    std::function<void()> quit_;
    bool terminated_ = false;
};

} // namespace dutywise::app
