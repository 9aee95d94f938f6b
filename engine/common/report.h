#pragma once

#include <QString>
#include <QStringList>

namespace dravik {

// The lines of a results box. A command starts from what the box holds,
// appends (or clears, where the calculation says so) and the window then
// shows the whole list. Lines written before a failure stay.
class Report {
public:
    Report() = default;
    explicit Report(QStringList lines) : lines_(std::move(lines)), untouched_(lines_.size()) {}

    void add(const QString& line) { lines_.append(line); }
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
};

}  // namespace dravik
