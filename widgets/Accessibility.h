#pragma once
// Screen-reader access to the custom-painted widgets. Qt only sees a painted QWidget as an
// anonymous pane; these interfaces say what the flat lists, the tick list, the gauge, the spin
// box and the appearing label hold, so that a screen reader (or a test driving the program
// over the accessibility bus) can read and operate them. Nothing on screen changes.

class QAccessibleInterface;
class QObject;
class QString;

// Installs the interface factory. Call once after the QApplication exists; calling it again
// does nothing.
void InstallWidgetAccessibility();

// The factory itself, for tests that want to see which classes it covers: returns nullptr for
// anything that is not one of ours.
QAccessibleInterface* WidgetAccessibleFactory(const QString& className, QObject* object);
