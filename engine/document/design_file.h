#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace dravik {

// The catalogues a design was made with, as the SHA-256 of Stal.dat and
// Provod.dat in hex, or "none" where the file did not exist.
struct CatalogueHashes {
    QString steels;
    QString wires;
    bool operator==(const CatalogueHashes&) const = default;
};

// The hash of one catalogue file as a design records it.
QString catalogueFileHash(const QString& path);
CatalogueHashes catalogueFolderHashes(const QString& folder);

// A design file is a script: UTF-8 text, one action a line, so that it can
// be read, edited, compared and run with --script. Comment lines at the top
// say what made it:
//   # Dravik 1.2 design
//   # saved 2026-12-08T14:03:11
//   # Stal.dat sha256 <hex or none>
//   # Provod.dat sha256 <hex or none>
// and a last line "# end of design" tells a whole file from a cut-off one.
struct DesignHeader {
    QString version;       // of the program that saved it
    QDateTime saved;       // local time, to the second
    CatalogueHashes made;  // the catalogues the session started from
};

QByteArray designFileBytes(const DesignHeader& header, const QStringList& actions);

// A design read back: its lines as numbered in the file (line 1 first),
// comments included, and what its header says. `problem` is set instead
// when the bytes are not a whole design, with `problemLine` the line at
// fault (0: the file as a whole).
struct DesignFile {
    QStringList lines;
    DesignHeader header;
    bool hasHashes = false;  // the header names both catalogues' hashes
    QString problem;
    int problemLine = 0;
};
DesignFile readDesignFile(const QByteArray& bytes);

}  // namespace dravik
