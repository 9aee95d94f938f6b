#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace dravik {

// The two options of the program: `--script FILE` runs a script against the
// real windows instead of showing them; `--data-dir DIR` names the folder
// of Stal.dat and Provod.dat.
struct CommandLine {
    std::optional<QString> scriptFile;  // "-" is standard input
    std::optional<QString> dataDir;
    QString workbook;                   // --workbook FILE: the steel editor's import in script mode
    QString problem;                    // set when the arguments could not be understood
};

CommandLine parseCommandLine(const QStringList& arguments);

}  // namespace dravik
