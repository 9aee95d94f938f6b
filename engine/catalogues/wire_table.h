#pragma once

#include "catalogues/provod_file.h"
#include "design/wire_record.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace dravik {

// The winding-wire catalogue of the running program and its file
// <catalogue folder>/Provod.dat. Record i+1 is grid row i. Every addition
// regroups and re-sorts the table; every addition and removal rewrites the
// file at once. An edited wire is taken out without a write and comes back
// as an addition.
class WireTable {
public:
    static constexpr int kCapacity = kProvodCapacity;
    static constexpr const char* kFileName = "Provod.dat";

    // Loads <folder>/Provod.dat. When the file is missing, the catalogue
    // shipped with the program (`shippedCatalogue`) is copied in and loaded;
    // a copy that fails is reported with the system's reason and leaves no
    // file; without a shipped catalogue an empty (0-byte) file is created. A
    // damaged file leaves the catalogue empty, one with implausible records
    // loads the others and is reported once; either is kept as
    // Provod.dat.bad when the table is first saved. Returns the error texts
    // to show; never throws.
    QStringList load(const QString& folder, const QString& shippedCatalogue);

    const std::vector<WireRecord>& records() const { return records_; }
    int count() const { return static_cast<int>(records_.size()); }

    // The file was read at load (table_loaded).
    bool tableLoaded() const { return tableLoaded_; }
    // The table holds only the blank placeholder (empty_table): what is left
    // when the last wire is removed.
    bool emptyTable() const;
    // The wires the grid shows: none for the placeholder alone.
    int wireCount() const { return emptyTable() ? 0 : count(); }
    // Grid row `row` shows a wire that can be removed or edited.
    bool isRealWire(int row) const { return row >= 0 && row < wireCount(); }

    // Adds a wire (in place of the placeholder), regroups, sorts and saves.
    // A 5001st wire is refused with "The wire table is full (5000 wires)".
    void add(const WireRecord& wire);
    // Removes the wire of grid row `row` and saves; any other row: nothing.
    void remove(int row);
    // Takes the wire of grid row `row` out for editing, without saving. The
    // row must hold a real wire; otherwise nothing changes and an empty
    // record is returned.
    WireRecord takeOut(int row);

    // Writes the whole table. A failed write throws CommandError with the
    // file error and leaves the previous file as it was; the table in memory
    // keeps the change.
    void save();

    QString filePath() const { return filePath_; }

private:
    void eraseRow(int row);

    std::vector<WireRecord> records_;
    QString filePath_;
    bool tableLoaded_ = false;
    bool damagedFile_ = false;  // to be renamed Provod.dat.bad before the first write
};

}  // namespace dravik
