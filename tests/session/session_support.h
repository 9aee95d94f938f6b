#pragma once

#include "session.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include <gtest/gtest.h>

namespace dravik::test {

// A catalogue folder of its own, started from the shipped wire range, and
// sessions on it shown off screen as a script run shows them.
class SessionTest : public ::testing::Test {
protected:
    SessionSettings settings() const;
    std::unique_ptr<Session> newSession() const;
    // Performs the script's lines on the session as a script run does;
    // returns what they printed.
    static QStringList run(Session& session, const QString& script);
    QString filePath(const QString& name) const { return folder_.filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) const;

    QTemporaryDir folder_;
};

// Every control of every window with what a user could see of it: its
// text, value or choice, whether it is enabled and shown. Two sessions
// that came to the same design give the same lines.
QStringList sessionState(Session& session);

// Lines as one text, so that a failed comparison shows them all.
inline std::string joined(const QStringList& lines) { return lines.join(QLatin1Char('\n')).toStdString(); }

// A script's lines without blank lines and comments.
QStringList actionLines(const QString& script);

}  // namespace dravik::test
