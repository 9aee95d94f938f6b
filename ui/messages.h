#pragma once

#include <QString>

namespace dravik {

// Where the windows' message boxes go. On the desktop they are modal boxes
// with one OK button; in script mode and in tests they are written as lines.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A confirmation, e.g. a report copied to the clipboard.
    virtual void message(const QString& text) = 0;
    // A failure that stopped a command: a conversion error, a guard, a file error.
    virtual void error(const QString& text) = 0;
};

// Message boxes in plain text (a name read from a catalogue may look like
// markup and must be shown as it is).
class DialogMessages final : public MessageSink {
public:
    void message(const QString& text) override;
    void error(const QString& text) override;
};

}  // namespace dravik
