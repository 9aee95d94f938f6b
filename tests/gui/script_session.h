#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace dravik::testing {

struct ScriptOutput {
    QStringList lines;  // standard output, one entry per line
    int exitCode = -1;
};

// A run of the real program in script mode with its own catalogue folder.
class ScriptSession {
public:
    ScriptSession();
    QString dataDir() const { return folder_.path(); }
    // Puts a file into the catalogue folder before the run.
    void writeFile(const QString& name, const QByteArray& bytes) const;
    ScriptOutput run(const QString& script, const QStringList& extraArguments = {}) const;

private:
    QTemporaryDir folder_;
};

}  // namespace dravik::testing
