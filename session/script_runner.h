#pragma once

#include "messages.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <vector>

class QWidget;

namespace dravik {

class DocumentCommands;

// In script mode message boxes are not shown: each becomes a line.
class ScriptMessages final : public MessageSink {
public:
    explicit ScriptMessages(QTextStream& out) : out_(out) {}
    void message(const QString& text) override;
    void error(const QString& text) override;
    // Whether the run wrote an "error:" line, for a batch job to tell.
    bool wroteError() const { return wroteError_; }

private:
    QTextStream& out_;
    bool wroteError_ = false;
};

// Performs the lines of a script against the real windows, as a user would:
// set, choose, tick, untick, click, pick, cell, print, state; and, given the
// document commands, save, open and export. What the
// session prints goes to `out`; a line the runner cannot perform is reported
// on `problems` and stops the run with exit status 2, else the status is 0.
class ScriptRunner {
public:
    ScriptRunner(std::vector<QWidget*> windows, QTextStream& out, QTextStream& problems, MessageSink& messages);

    int run(const QStringList& lines);
    // A script reads what a user sees once the program is done: the work a
    // command starts on other threads (the design variants' sweep) ends, and
    // its results reach the windows, before the next command. A replay of a
    // design starts no such work and need not wait for the work of the
    // session it may replace.
    void setWaitForBackgroundWork(bool wait) { waitForBackgroundWork_ = wait; }
    // Set by "Exit" or the close box of Stage I: the run ends there.
    void requestQuit() { quitRequested_ = true; }
    // Opening a design replaces the windows the run acts on.
    void setWindows(std::vector<QWidget*> windows) { windows_ = std::move(windows); }
    // save, open and export; without them those commands are unknown.
    void setDocuments(DocumentCommands* documents) { documents_ = documents; }
    // The line that stopped the run and what was wrong with it.
    int problemLine() const { return problemLine_; }
    const QString& problem() const { return problem_; }

private:
    struct Line {
        int number;
        QString command;
        QString rest;
    };
    bool perform(const Line& line);  // false: stop the run with status 2

    QWidget* find(const Line& line, const QString& name);
    bool scriptError(const Line& line, const QString& what);

    bool set(const Line& line, const QString& name, const QString& text);
    bool choose(const Line& line, const QString& name, const QString& text);
    bool tick(const Line& line, const QString& name, const QString& item, bool checked);
    bool click(const Line& line, const QString& name);
    bool pick(const Line& line, const QString& name, const QString& row);
    bool cell(const Line& line, const QString& name, const QString& arguments);
    bool print(const Line& line, const QString& name);
    bool state(const Line& line, const QString& name);
    bool document(const Line& line);

    void write(const QString& text);

    std::vector<QWidget*> windows_;
    QTextStream& out_;
    QTextStream& problems_;
    MessageSink& messages_;
    DocumentCommands* documents_ = nullptr;
    bool quitRequested_ = false;
    bool waitForBackgroundWork_ = false;
    int problemLine_ = 0;
    QString problem_;
};

}  // namespace dravik
