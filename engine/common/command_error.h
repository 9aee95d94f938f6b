#pragma once

#include <QAnyStringView>
#include <QString>
#include <stdexcept>
#include <utility>

namespace dravik {

// A failure that stops the running command: a text that is not a number,
// a value outside what a transformer can have, a guarded division, rounding
// or count, a refused catalogue change or a file error. The window shows it
// as an error message box; the report lines and the state written before it
// stay as they are.
//
// A failure caused by one input field names that field's objectName, so
// that the window can take the user straight to it.
class CommandError : public std::runtime_error {
public:
    explicit CommandError(const QString& text, QString field = {})
        : std::runtime_error(text.toStdString()), text_(text), field_(std::move(field)) {}
    // One of the program's fixed texts, given in UTF-8.
    explicit CommandError(const char* utf8Text) : CommandError(QString::fromUtf8(utf8Text)) {}
    const QString& text() const noexcept { return text_; }
    // objectName of the input field at fault; empty when no one field is.
    const QString& field() const noexcept { return field_; }

private:
    QString text_;
    QString field_;
};

// Runs `read` (a conversion or check of one field's text) and names `field`
// in any failure that does not name a field yet. The name becomes a text
// only then: fields are read many times over in a design sweep.
template <typename Read>
auto readField(QAnyStringView field, Read&& read) -> decltype(read()) {
    try {
        return read();
    } catch (const CommandError& error) {
        if (!error.field().isEmpty()) throw;
        throw CommandError(error.text(), field.toString());
    }
}

}  // namespace dravik
