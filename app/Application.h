#pragma once
// The application object: its title, and the box that shows an error escaping any handler.

#include <QApplication>
#include <QString>

namespace dutywise::app {

inline constexpr const char* kTitle = "Dutywise";

// The text of the error box: the message, with a full stop appended when its last character
// sorts after '.', so that one ending in ")" or "." is left as it is.
QString ErrorBoxText(const QString& message);

// "Dutywise", the error icon, one OK button; returns when the user has answered.
void ShowErrorBox(const QString& message);

// A plain message: caption "Dutywise", no icon, one OK button.
void ShowMessage(const QString& text);

class DutywiseApplication : public QApplication {
    Q_OBJECT

public:
    DutywiseApplication(int& argc, char** argv);

    // Every event goes through here; an error that a handler lets escape is shown and the
    // program goes on from where that handler stopped.
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace dutywise::app
