#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <string>

namespace dravik::test {

struct ScriptOutput {
    QStringList lines;  // standard output, one entry per line
    QString errors;     // standard error as written
    int exitCode = -1;
};

// One run of the program with `input` on its standard input.
ScriptOutput runProgram(const QStringList& arguments, const QByteArray& input,
                        const QProcessEnvironment& environment);

// A run of the real program in script mode with its own catalogue folder.
class ScriptSession {
public:
    ScriptSession();
    QString dataDir() const { return folder_.path(); }
    // Puts a file into the catalogue folder before the run.
    void writeFile(const QString& name, const QByteArray& bytes) const;
    // A file of the catalogue folder as a run left it; empty if there is none.
    QByteArray readFile(const QString& name) const;
    ScriptOutput run(const QString& script, const QStringList& extraArguments = {}) const;

private:
    QTemporaryDir folder_;
};

// A run's lines as one text, so that a failed comparison shows them all.
inline std::string joined(const QStringList& lines) { return lines.join(QLatin1Char('\n')).toStdString(); }

}  // namespace dravik::test
