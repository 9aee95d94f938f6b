#pragma once

#include <QString>
#include <stdexcept>

namespace dravik {

// A failure that stops the running command: a text that is not a number,
// a guarded division, rounding or count, a refused catalogue change or a
// file error. The window shows it as an error message box; the report
// lines and the state written before it stay as they are.
class CommandError : public std::runtime_error {
public:
    explicit CommandError(const QString& text)
        : std::runtime_error(text.toStdString()), text_(text) {}
    // One of the program's fixed texts, given in UTF-8.
    explicit CommandError(const char* utf8Text) : CommandError(QString::fromUtf8(utf8Text)) {}
    const QString& text() const noexcept { return text_; }

private:
    QString text_;
};

}  // namespace dravik
