#include "TemplateChooser.h"

#include <QCoreApplication>
#include <QDir>
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

namespace {

QString& DataFolderSet() {
    static QString folder;
    return folder;
}

} // namespace

QString TemplateChooser::DataFolderOf(const QString& programFolder) {
    const QDir here(programFolder);
    if (QFileInfo(here.filePath(QStringLiteral("bin/abiword"))).isExecutable())
        return here.absolutePath();
    // The installed layout, relative to the program's folder: "../share/dutywise".
    return QDir::cleanPath(here.filePath(QStringLiteral(DUTYWISE_DATA_FROM_PROGRAM)));
}

QString TemplateChooser::dataFolder() {
    QString& folder = DataFolderSet();
    if (folder.isEmpty())
        folder = DataFolderOf(QCoreApplication::applicationDirPath());
    return folder;
}

void TemplateChooser::setDataFolder(const QString& folder) {
    DataFolderSet() = folder;
}

std::string TemplateChooser::TemplatePath(const std::string& file) {
    const QString language = dutywise::InstalledLanguage();
    if (language == QLatin1String("en"))
        return file;
    const QString translated = language + u'/' + QString::fromStdString(file);
    // Relative to the data folder, where the word processor starts.
    return QFileInfo::exists(QDir(dataFolder()).filePath(translated)) ? translated.toStdString()
                                                                      : file;
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
    ShellExecute(kProgram, TemplatePath(std::to_string(index + 1) + "daytemp.abw"),
                 dataFolder().toStdString(), 1);
}

void TemplateChooser::editMasterTemplate() {
    ShellExecute(kProgram, TemplatePath(kMasterTemplate), dataFolder().toStdString(), 1);
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
