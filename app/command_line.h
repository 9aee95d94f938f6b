#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace dravik {

// What the program was asked for. Help, the version and usage errors are
// answered before any window exists, so they need no display.
struct CommandLine {
    enum class Request { Run, Help, Version, UsageError };
    Request request = Request::Run;

    std::optional<QString> scriptFile;  // --script FILE: run FILE ("-" is standard input) without showing windows
    std::optional<QString> dataDir;     // --data-dir DIR: the folder of Stal.dat and Provod.dat
    QString workbook;                   // --workbook FILE: the steel editor's import in script mode
    bool strict = false;                // --strict: a script run that wrote an error line exits with 1
    bool allowCatalogueChanges = false; // --allow-catalogue-changes: a design opened in script mode may change them
    std::optional<QString> designFile;  // the one positional argument
    QString problem;                    // UsageError: what could not be understood
};

// `arguments` as main() received them, the program's name first.
CommandLine parseCommandLine(const QStringList& arguments);

// The usage line and every option, as --help writes it.
QString commandLineHelp();

// What a usage error adds to its problem: the usage line and where to find
// the options.
QString commandLineUsage();

}  // namespace dravik
