#pragma once

#include "document/design_file.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QSettings;
class QWidget;

namespace dravik {

struct AppContext;
class MessageSink;
class Recorder;
class WindowSet;

// What every session of one run of the program shares.
struct SessionSettings {
    QString catalogueFolder;
    QString shippedWireCatalogue;  // the standard wire range installed with the program
    bool scriptMode = false;
    QString scriptWorkbook;  // the steel editor's "Excel" in script mode
    // Where the windows keep their places between runs; none in script mode.
    QSettings* windowSettings = nullptr;
};

// One design being worked on: the windows with their context (the design
// state and both catalogues, read from the catalogue folder as the windows
// are made), what the user did in them, and the file it is kept in. New and
// Open make a new session and let the old one go.
class Session {
public:
    Session(const SessionSettings& settings, MessageSink& messages, std::function<void()> quit);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    AppContext& context() { return *context_; }
    const std::vector<QWidget*>& windows() const;
    QWidget* mainWindow() const;
    Recorder& recorder() { return *recorder_; }

    // Where message boxes go, and what "Exit" does.
    void setMessages(MessageSink& messages);
    void setQuit(std::function<void()> quit);
    // In script mode the steel editor's "Excel" reads the workbook the run
    // names instead of asking; a replayed design is replayed so, and the
    // windows go on as the desktop's after.
    void setScriptMode(bool scriptMode);

    // The catalogues as the session found them when it began. Hashing
    // Stal.dat costs more than the rest of the start-up, so it is done when
    // first needed: when a design is saved or opened, or just before an
    // action changes a catalogue.
    const CatalogueHashes& startingCatalogues();

    // The design file; empty for a design never saved.
    const QString& fileName() const { return fileName_; }
    void setFileName(const QString& fileName) { fileName_ = fileName; }
    // The file's name without its folder, or "Untitled".
    QString displayName() const;
    // Whether the user changed anything since the design was saved or
    // opened; the second also counts what the user has not yet left.
    bool isModified() const;
    bool hasUnsavedChanges();
    void markSaved();
    // The lines a design file keeps, and the file itself.
    QStringList designLines();
    QByteArray designFile();

    // Shows the main window without drawing anything, as a script run and a
    // replay do: everything a user could reach is reachable.
    void showOffScreen();
    // Puts the windows shown off screen on the screen, as they are: without
    // the resets some windows make when they are shown.
    void revealOnScreen();

private:
    void performActions(const QStringList& lines);
    QString chooseWorkbook(QWidget* parent) const;

    std::unique_ptr<AppContext> context_;
    bool scriptMode_ = false;
    QString scriptWorkbook_;
    std::unique_ptr<WindowSet> windows_;
    std::unique_ptr<Recorder> recorder_;
    std::optional<CatalogueHashes> startingCatalogues_;
    QString fileName_;
    quint64 savedRevision_ = 0;
};

// A message sink that drops what it is told: a replay repeats what the user
// was already shown when the design was made.
MessageSink& quietMessages();

}  // namespace dravik
