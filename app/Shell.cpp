#include "Shell.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QString>

#include "Application.h"

namespace {

QString PosixPath(const std::string& value) {
    return QString::fromStdString(value).replace(u'\\', u'/');
}

} // namespace

void ShellExecute(const std::string& file, const std::string& params, const std::string& dir,
                  int /*show*/) {
    // A value that would not fit its buffer is refused whole rather than cut to another name.
    for (const std::string* value : {&dir, &params, &file}) {
        if (value->size() >= kLaunchBufferSize) {
            dutywise::app::ShowMessage(
                QCoreApplication::translate(
                    "Shell", "Cannot start \"%1\": \"%2\" is longer than %3 characters.")
                    .arg(PosixPath(file).left(40),
                         QString::fromStdString(*value).left(40) + QStringLiteral("..."))
                    .arg(kLaunchBufferSize - 1));
            return;
        }
    }

    const QString workDir = dir.empty() ? QDir::currentPath() : QDir(PosixPath(dir)).absolutePath();
    QString program = PosixPath(file);
    // A relative program is found from the working directory, as the Windows shell does.
    if (program.contains(u'/') && QFileInfo(program).isRelative())
        program = QDir(workDir).absoluteFilePath(program);
    if (program.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive) &&
        !QFileInfo::exists(QDir(workDir).absoluteFilePath(program)))
        program.chop(4);

    QProcess process;
    process.setProgram(program);
    if (!params.empty())
        process.setArguments({PosixPath(params)});
    process.setWorkingDirectory(workDir);
    process.setStandardInputFile(QProcess::nullDevice());
    if (!process.startDetached()) {
        dutywise::app::ShowMessage(QCoreApplication::translate("Shell", "Cannot start \"%1\": %2")
                                       .arg(PosixPath(file), process.errorString()));
    }
}
