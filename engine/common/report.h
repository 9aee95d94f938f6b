#pragma once

#include "common/guards.h"
#include "common/number_text.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <concepts>
#include <type_traits>

namespace dravik {

// A number of a report line, written in F3 or F1 (reportF3, reportF1).
struct F3 {
    double value;
};
struct F1 {
    double value;
};

namespace report_parts {

// How each kind of part of a line is written: a text as it is, a count as a
// plain integer, a number in F3 or F1, and a callable (a name to decode, a
// text to build) by what it returns.
inline void append(QString& line, QStringView text) { line += text; }
inline void append(QString& line, const QString& text) { line += text; }
inline void append(QString& line, QLatin1Char character) { line += character; }
inline void append(QString& line, const char16_t* text) { line += QStringView(text); }
inline void append(QString& line, F3 number) { line += reportF3(number.value); }
inline void append(QString& line, F1 number) { line += reportF1(number.value); }
template <std::integral Count>
void append(QString& line, Count count) {
    line += QString::number(static_cast<qlonglong>(count));
}
template <std::invocable Build>
void append(QString& line, const Build& build) {
    line += build();
}

// What a part must satisfy even when no line is written: a number no
// transformer can have stops the command as it would before its line.
inline void check(F3 number) { plausible(number.value); }
inline void check(F1 number) { plausible(number.value); }
template <typename Part>
void check(const Part&) {}

}  // namespace report_parts

// The lines of a results box. A command starts from what the box holds,
// appends (or clears, where the calculation says so) and the window then
// shows the whole list. Lines written before a failure stay.
//
// A report made withoutLines() keeps none: a design computed for its
// figures alone (the design explorer) skips building the texts, while every
// number that would have been written still meets the check of the report
// numbers, so that such a design stops exactly where its report would.
class Report {
public:
    Report() = default;
    explicit Report(QStringList lines) : lines_(std::move(lines)), untouched_(lines_.size()) {}
    static Report withoutLines() {
        Report report;
        report.keepsLines_ = false;
        return report;
    }

    void add(const QString& line) {
        if (keepsLines_) lines_.append(line);
    }

    // One line made of its parts: texts, counts, F3{...} and F1{...}
    // numbers, and callables that give a text.
    template <typename... Parts>
    void line(const Parts&... parts) {
        if (!keepsLines_) {
            (report_parts::check(parts), ...);
            return;
        }
        QString text;
        (report_parts::append(text, parts), ...);
        lines_.append(std::move(text));
    }

    void clear() {
        lines_.clear();
        untouched_ = 0;
    }

    // How many of the lines the report started from are still its first
    // lines: a window then shows only what was added after them.
    qsizetype untouchedLines() const noexcept { return untouched_; }

    const QStringList& lines() const noexcept { return lines_; }
    qsizetype size() const noexcept { return lines_.size(); }
    bool isEmpty() const noexcept { return lines_.isEmpty(); }
    const QString& last() const { return lines_.last(); }

    // The clipboard and script form: lines joined by a line feed.
    QString text() const { return lines_.join(QLatin1Char('\n')); }

private:
    QStringList lines_;
    qsizetype untouched_ = 0;
    bool keepsLines_ = true;
};

}  // namespace dravik
