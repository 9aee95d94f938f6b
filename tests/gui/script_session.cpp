#include "gui/script_session.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace dravik::test {

ScriptSession::ScriptSession() = default;

void ScriptSession::writeFile(const QString& name, const QByteArray& bytes) const {
    QFile file(QDir(folder_.path()).filePath(name));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

QByteArray ScriptSession::readFile(const QString& name) const {
    QFile file(QDir(folder_.path()).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ScriptOutput runProgram(const QStringList& arguments, const QByteArray& input,
                        const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(QStringLiteral(DRAVIK_EXECUTABLE), arguments);
    process.waitForStarted();
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    ScriptOutput output;
    output.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    QString text = QString::fromUtf8(process.readAllStandardOutput());
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    output.lines = text.isEmpty() ? QStringList{} : text.split(QLatin1Char('\n'));
    output.errors = QString::fromUtf8(process.readAllStandardError());
    return output;
}

ScriptOutput ScriptSession::run(const QString& script, const QStringList& extraArguments) const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return runProgram(QStringList{QStringLiteral("--script"), QStringLiteral("-"), QStringLiteral("--data-dir"),
                                  folder_.path()} +
                          extraArguments,
                      script.toUtf8(), environment);
}

}  // namespace dravik::test
