#include "documents.h"

#include "common/runtime_texts.h"
#include "messages.h"
#include "report_export.h"
#include "app_context.h"
#include "varianty_window.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTimer>
#include <QWidget>

namespace dravik {

Documents::Documents(const SessionSettings& settings, MessageSink& messages)
    : settings_(settings), messages_(messages), session_(freshSession()) {}

Documents::~Documents() = default;

std::unique_ptr<Session> Documents::freshSession() {
    return std::make_unique<Session>(settings_, messages_, [this] {
        if (quit) quit();
    });
}

void Documents::install(std::unique_ptr<Session> session) {
    for (QWidget* window : session_->windows()) window->hide();
    retired_ = std::move(session_);
    session_ = std::move(session);
    QTimer::singleShot(0, &timers_, [this] { retired_.reset(); });
    if (sessionReplaced) sessionReplaced();
}

void Documents::newDesign() { install(freshSession()); }

bool Documents::save(const QString& path) {
    QSaveFile file(path);
    const QByteArray bytes = session_->designFile();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        messages_.error(QString::fromUtf8(texts::kDesignNotSaved).arg(path, file.errorString()));
        return false;
    }
    session_->setFileName(QFileInfo(path).absoluteFilePath());
    session_->markSaved();
    return true;
}

bool Documents::open(const QString& path) { return open(path, messages_); }

bool Documents::open(const QString& path, MessageSink& problems) {
    OpenedDesign opened = openDesign(path, settings_, askAboutCatalogueChanges);
    if (!opened.session) {
        if (!opened.problem.isEmpty()) problems.error(opened.problem);
        return false;
    }
    opened.session->setMessages(messages_);
    opened.session->setQuit([this] {
        if (quit) quit();
    });
    opened.session->setFileName(QFileInfo(path).absoluteFilePath());
    install(std::move(opened.session));
    if (!opened.changedCatalogues.isEmpty()) {
        messages_.message(QString::fromUtf8(texts::kCataloguesDiffer).arg(opened.changedCatalogues, path));
    }
    return true;
}

bool Documents::exportReport(const QString& path) {
    const QString problem = writeReport(*session_, path);
    if (!problem.isEmpty()) messages_.error(problem);
    return problem.isEmpty();
}

bool Documents::exportVariants(const QString& path) {
    const QString problem = session_->context().windows.varianty->writeCsv(path);
    if (!problem.isEmpty()) messages_.error(problem);
    return problem.isEmpty();
}

}  // namespace dravik
