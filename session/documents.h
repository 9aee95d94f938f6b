#pragma once

#include "design_opening.h"
#include "document_commands.h"
#include "session.h"

#include <QObject>
#include <functional>
#include <memory>

namespace dravik {

class MessageSink;

// The design being worked on and the commands on it as a whole: New, Open,
// Save and Export, alike for the menus and for a script. A design that
// cannot be opened leaves the open one exactly as it was.
class Documents final : public DocumentCommands {
public:
    Documents(const SessionSettings& settings, MessageSink& messages);
    ~Documents() override;

    Session& session() { return *session_; }

    // Back to the start-up state: a session of its own, not yet shown.
    void newDesign();
    bool save(const QString& path) override;
    bool open(const QString& path) override;
    // Says why a design was not opened to `problems` instead.
    bool open(const QString& path, MessageSink& problems);
    bool exportReport(const QString& path) override;
    bool exportVariants(const QString& path) override;

    // Asked before a design's lines change a catalogue.
    CatalogueQuestion askAboutCatalogueChanges = [](const std::vector<CatalogueLine>&) { return CatalogueChoice::Refuse; };
    // Told when New or Open has put another session in place.
    std::function<void()> sessionReplaced;
    // What "Exit" and the close box of Stage I do in every session.
    std::function<void()> quit;

private:
    std::unique_ptr<Session> freshSession();
    void install(std::unique_ptr<Session> session);

    // Owns the timer that lets the retired session go.
    QObject timers_;
    SessionSettings settings_;
    MessageSink& messages_;
    std::unique_ptr<Session> session_;
    // The session just replaced lives on until the event loop is back, as
    // its menu may be what asked for the new one.
    std::unique_ptr<Session> retired_;
};

}  // namespace dravik
