#pragma once

#include <QString>

class QWidget;

namespace dravik {

// Where the windows' message boxes go. On the desktop they are modal boxes
// with one OK button; in script mode and in tests they are written as lines.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A confirmation the user must acknowledge.
    virtual void message(const QString& text) = 0;
    // A confirmation that needs no answer, e.g. a report copied to the
    // clipboard: shown for a moment beside `near` where a screen shows it,
    // otherwise given as a message.
    virtual void notice(const QString& text, QWidget* near) {
        static_cast<void>(near);
        message(text);
    }
    // A failure that stopped a command: a conversion error, a guard, a file error.
    virtual void error(const QString& text) = 0;
};

// Message boxes in plain text (a name read from a catalogue may look like
// markup and must be shown as it is).
class DialogMessages final : public MessageSink {
public:
    void message(const QString& text) override;
    void notice(const QString& text, QWidget* near) override;
    void error(const QString& text) override;
};

}  // namespace dravik
