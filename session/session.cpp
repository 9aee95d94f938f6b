#include "session.h"

#include "app_context.h"
#include "messages.h"
#include "recorder.h"
#include "script_runner.h"
#include "varianty_window.h"
#include "window_set.h"

#include "common/command_error.h"
#include "common/runtime_texts.h"
#include "document/report_document.h"

#include <QDateTime>
#include <QFileInfo>
#include <QEvent>
#include <QFileDialog>
#include <QWidget>

namespace dravik {
namespace {

// Swallows a window's show and hide events while it moves on screen, so
// that a window resetting its form when shown keeps what the replay left.
class QuietShowing final : public QObject {
public:
    explicit QuietShowing(QWidget* window) : window_(window) { window_->installEventFilter(this); }
    ~QuietShowing() override { window_->removeEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::Show || event->type() == QEvent::Hide;
    }

private:
    QWidget* window_;
};

class QuietMessages final : public MessageSink {
public:
    void message(const QString&) override {}
    void error(const QString&) override {}
};

// The windows whose actions make the design. The design variants only show
// designs: what "Apply" does with one is recorded on Stage I and Stage II.
std::vector<QWidget*> designWindows(const std::vector<QWidget*>& windows, const QWidget* variants) {
    std::vector<QWidget*> recorded;
    for (QWidget* window : windows) {
        if (window != variants) recorded.push_back(window);
    }
    return recorded;
}

}  // namespace

MessageSink& quietMessages() {
    static QuietMessages quiet;
    return quiet;
}

Session::Session(const SessionSettings& settings, MessageSink& messages, std::function<void()> quit)
    : context_(std::make_unique<AppContext>()),
      scriptMode_(settings.scriptMode),
      scriptWorkbook_(settings.scriptWorkbook) {
    context_->catalogueFolder = settings.catalogueFolder;
    context_->shippedWireCatalogue = settings.shippedWireCatalogue;
    context_->windowSettings = settings.windowSettings;
    context_->messages = &messages;
    context_->quit = std::move(quit);
    // The windows read the catalogues (and copy the shipped wires where
    // there were none): that is what the design starts from.
    windows_ = std::make_unique<WindowSet>(*context_);
    recorder_ = std::make_unique<Recorder>(designWindows(windows_->windows(), context_->windows.varianty));
    recorder_->beforeCatalogueChange = [this] { startingCatalogues(); };
    context_->performActions = [this](const QStringList& lines) { performActions(lines); };
    context_->chooseWorkbook = [this](QWidget* parent) { return chooseWorkbook(parent); };
}

// A script run names its workbook on the command line; it has none to ask
// for when it names none.
QString Session::chooseWorkbook(QWidget* parent) const {
    if (scriptMode_) {
        if (scriptWorkbook_.isEmpty()) throw CommandError(texts::kFileNotFound);
        return scriptWorkbook_;
    }
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Excel"), context_->catalogueFolder,
                                        QStringLiteral("Workbooks (*.xlsx *.ods);;All files (*)"));
}

// The lines are the program's own: a line the runner cannot perform is a
// fault of the program, told as an error rather than lost.
void Session::performActions(const QStringList& lines) {
    QString printed;
    QString problems;
    QTextStream out(&printed);
    QTextStream problemStream(&problems);
    ScriptRunner runner(windows(), out, problemStream, *context_->messages);
    if (runner.run(lines) != 0) context_->messages->error(runner.problem());
}

const CatalogueHashes& Session::startingCatalogues() {
    if (!startingCatalogues_) startingCatalogues_ = catalogueFolderHashes(context_->catalogueFolder);
    return *startingCatalogues_;
}

// The recorder lets go of the windows before they close.
Session::~Session() {
    recorder_.reset();
    windows_.reset();
}

const std::vector<QWidget*>& Session::windows() const { return windows_->windows(); }
QWidget* Session::mainWindow() const { return windows_->mainWindow(); }

QString Session::displayName() const {
    return fileName_.isEmpty() ? untitledDesign() : QFileInfo(fileName_).fileName();
}

void Session::setMessages(MessageSink& messages) { context_->messages = &messages; }
void Session::setQuit(std::function<void()> quit) { context_->quit = std::move(quit); }
void Session::setScriptMode(bool scriptMode) { scriptMode_ = scriptMode; }

bool Session::isModified() const { return recorder_->revision() != savedRevision_; }

bool Session::hasUnsavedChanges() {
    recorder_->flush();
    return isModified();
}

void Session::markSaved() {
    recorder_->flush();  // what the user has not yet left is in the file too
    savedRevision_ = recorder_->revision();
}

QStringList Session::designLines() { return recorder_->lines(); }

QByteArray Session::designFile() {
    const DesignHeader header{QStringLiteral(DRAVIK_VERSION), QDateTime::currentDateTime(), startingCatalogues()};
    return designFileBytes(header, designLines());
}

void Session::showOffScreen() {
    for (QWidget* window : windows()) {
        window->setAttribute(Qt::WA_DontShowOnScreen);
        window->setUpdatesEnabled(false);
    }
    mainWindow()->show();
}

void Session::revealOnScreen() {
    for (QWidget* window : windows()) {
        window->setUpdatesEnabled(true);
        if (!window->isVisible()) {
            window->setAttribute(Qt::WA_DontShowOnScreen, false);
            continue;
        }
        const QuietShowing quiet(window);
        window->hide();
        window->setAttribute(Qt::WA_DontShowOnScreen, false);
        window->show();
    }
}

}  // namespace dravik
