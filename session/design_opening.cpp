#include "design_opening.h"

#include "common/runtime_texts.h"
#include "control_names.h"
#include "design_actions.h"
#include "messages.h"
#include "script_runner.h"

#include <QFile>
#include <QTextStream>

namespace dravik {
namespace {

QString lineProblem(const QString& path, int line, const QString& what) {
    return QString::fromUtf8(texts::kDesignLineProblem).arg(path).arg(line).arg(what);
}

bool isComment(const QString& line) { return line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')); }

// Whether a line can be part of a design: an action, on a control the
// windows have, that the program may repeat. Lines that change a catalogue
// are gathered.
QString checkLine(const std::vector<QWidget*>& windows, int number, const QString& line,
                  std::vector<CatalogueLine>& catalogueLines) {
    const auto [command, rest] = firstWord(line);
    if (!isActionCommand(command)) {
        static const QStringList kOtherCommands{QStringLiteral("print"), QStringLiteral("state"), QStringLiteral("save"),
                                                QStringLiteral("open"), QStringLiteral("export")};
        return kOtherCommands.contains(command) ? QString::fromUtf8(texts::kDesignNoAction).arg(line)
                                                : QStringLiteral("unknown command \"%1\"").arg(command);
    }
    const NameLookup lookup = lookUpName(windows, firstWord(rest).first);
    if (!lookup.problem.isEmpty()) return lookup.problem;
    if (command != QLatin1String("click")) return QString();
    switch (actionRole(lookup.found)) {
    case ActionRole::ChangesCatalogue:
        catalogueLines.push_back({number, line});
        break;
    case ActionRole::Import:
    case ActionRole::Never:
        return QString::fromUtf8(texts::kDesignNoAction).arg(line);
    case ActionRole::Design:
    case ActionRole::ViewOnly:
        break;
    }
    return QString();
}

QString changedCatalogues(const CatalogueHashes& made, const CatalogueHashes& now) {
    QStringList files;
    if (made.steels != now.steels) files.append(QStringLiteral("Stal.dat"));
    if (made.wires != now.wires) files.append(QStringLiteral("Provod.dat"));
    return files.join(QStringLiteral(" and "));
}

}  // namespace

OpenedDesign openDesign(const QString& path, const SessionSettings& settings, const CatalogueQuestion& question) {
    OpenedDesign opened;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        opened.problem = QString::fromUtf8(texts::kDesignNotOpened).arg(path, file.errorString());
        return opened;
    }
    DesignFile design = readDesignFile(file.readAll());
    if (!design.problem.isEmpty()) {
        opened.problem = lineProblem(path, design.problemLine, design.problem);
        return opened;
    }

    // Replayed as a script runs it: the close box of "Add wire" adds.
    SessionSettings replay = settings;
    replay.scriptMode = true;
    auto session = std::make_unique<Session>(replay, quietMessages(), [] {});
    session->showOffScreen();

    std::vector<CatalogueLine> catalogueLines;
    for (int i = 0; i < design.lines.size(); ++i) {
        if (isComment(design.lines[i])) continue;
        const QString problem = checkLine(session->windows(), i + 1, design.lines[i], catalogueLines);
        if (!problem.isEmpty()) {
            opened.problem = lineProblem(path, i + 1, problem);
            return opened;
        }
    }
    if (!catalogueLines.empty()) {
        switch (question(catalogueLines)) {
        case CatalogueChoice::Replay:
            break;
        case CatalogueChoice::Skip:
            for (const CatalogueLine& line : catalogueLines) design.lines[line.number - 1].clear();
            break;
        case CatalogueChoice::Cancel:
            return opened;
        case CatalogueChoice::Refuse:
            opened.problem = QString::fromUtf8(texts::kDesignChangesCatalogues)
                                 .arg(path)
                                 .arg(catalogueLines.front().number)
                                 .arg(catalogueLines.front().text);
            return opened;
        }
    }

    // What the catalogues are before the replay may change them.
    const CatalogueHashes starting = session->startingCatalogues();
    QString printed;
    QTextStream out(&printed);
    QTextStream problems(&printed);
    ScriptRunner runner(session->windows(), out, problems, quietMessages());
    if (runner.run(design.lines) != 0) {
        opened.problem = lineProblem(path, runner.problemLine(), runner.problem());
        return opened;
    }
    session->setScriptMode(settings.scriptMode);
    session->setFileName(path);
    session->markSaved();
    if (design.hasHashes) opened.changedCatalogues = changedCatalogues(design.header.made, starting);
    opened.session = std::move(session);
    return opened;
}

}  // namespace dravik
