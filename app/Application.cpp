#include "Application.h"

#include <exception>
#include <QIcon>
#include <QMessageBox>

namespace dutywise::app {

QString ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QChar(u'.'))
        return message + u'.';
    return message;
}

void ShowErrorBox(const QString& message) {
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kTitle), ErrorBoxText(message),
                    QMessageBox::Ok);
    box.exec();
}

void ShowMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kTitle), text, QMessageBox::Ok);
    box.exec();
}

DutywiseApplication::DutywiseApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // No display name: the X11 platform would append it to every window's caption.
    setApplicationName(QString::fromLatin1(kTitle));
    setApplicationVersion(QStringLiteral(DUTYWISE_VERSION));
    // 64 pixels: the largest a title bar or task bar draws, and a quarter of a megabyte less
    // to decode and hand to the window system than the installed 256-pixel picture.
    setWindowIcon(QIcon(QStringLiteral(":/pictures/dutywise-64.png")));
    // Only the main window ends the program, never the last window closing by itself.
    setQuitOnLastWindowClosed(false);
}

bool DutywiseApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowErrorBox(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowErrorBox(QCoreApplication::translate("Application", "Unknown error"));
    }
    return false;
}

} // namespace dutywise::app
