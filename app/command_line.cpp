#include "command_line.h"

namespace dravik {

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine result;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& option = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (option == QLatin1String("--script") && hasValue) {
            result.scriptFile = arguments[++i];
        } else if (option == QLatin1String("--data-dir") && hasValue) {
            result.dataDir = arguments[++i];
        } else if (option == QLatin1String("--workbook") && hasValue) {
            result.workbook = arguments[++i];
        } else {
            result.problem = QStringLiteral("Unknown or incomplete option: %1\n"
                                            "Usage: dravik [--script FILE] [--data-dir DIR] [--workbook FILE]")
                                 .arg(option);
            break;
        }
    }
    return result;
}

}  // namespace dravik
