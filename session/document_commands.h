#pragma once

#include <QString>

namespace dravik {

// The commands on a design as a whole, for the menus and for a script's
// save, open and export lines. Each says what went wrong through the
// session's messages and returns whether it was done.
class DocumentCommands {
public:
    virtual ~DocumentCommands() = default;
    virtual bool save(const QString& path) = 0;
    virtual bool open(const QString& path) = 0;
    virtual bool exportReport(const QString& path) = 0;
    // The design variants' table as CSV, as its grid shows it.
    virtual bool exportVariants(const QString& path) = 0;
};

}  // namespace dravik
