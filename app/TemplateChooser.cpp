#include "TemplateChooser.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <string>

#include "Application.h"
#include "ChooserWindow.h"
#include "Language.h"
#include "Shell.h"
#include "WindowFlow.h"
#include "Windows.h"

TemplateChooser::TemplateChooser(QWidget* parent) : QDialog(parent) {
    setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(353, 268);
    connect(startButton, &QPushButton::clicked, this, &TemplateChooser::openDayTemplate);
    connect(exitButton, &QPushButton::clicked, this, &TemplateChooser::backToChooser);
    connect(editTemplateButton, &QPushButton::clicked, this, &TemplateChooser::editMasterTemplate);
}

std::string TemplateChooser::TemplatePath(const std::string& file) {
    const QString language = dutywise::InstalledLanguage();
    if (language == QLatin1String("en"))
        return file;
    const QString translated = language + u'/' + QString::fromStdString(file);
    // Looked for where the word processor starts: the program's run folder.
    return QFileInfo::exists(translated) ? translated.toStdString() : file;
}

void TemplateChooser::openDayTemplate() {
    const int index = dayCountList->selectedIndex();
    // Nothing clicked yet, or a click on one of the empty rows below the last entry.
    const QString text =
        index >= 0 && index < dayCountList->count() ? dayCountList->item(index) : QString();
    if (text.isEmpty()) {
        dutywise::app::ShowMessage(tr(kNoSelection));
        return;
    }
    // The number of days comes from the position alone.
    ShellExecute(kProgram, TemplatePath(std::to_string(index + 1) + "daytemp.abw"), "", 1);
}

void TemplateChooser::editMasterTemplate() {
    ShellExecute(kProgram, TemplatePath(kMasterTemplate), "", 1);
}

void TemplateChooser::backToChooser() {
    close();
    dutywise::app::Restore(*chooserWindow);
}

void TemplateChooser::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        return event->accept();
    QDialog::keyPressEvent(event);
}
