#pragma once

#include "design/wire_record.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

namespace dravik {

// The records one conductor search may take, in table order.
class EligibleWires {
public:
    using List = std::vector<const WireRecord*>;
    explicit EligibleWires(const List& prepared) : list_(&prepared) {}
    explicit EligibleWires(List&& found) : owned_(std::move(found)), list_(&owned_) {}
    EligibleWires(const EligibleWires&) = delete;
    EligibleWires& operator=(const EligibleWires&) = delete;

    List::const_iterator begin() const { return list_->begin(); }
    List::const_iterator end() const { return list_->end(); }

private:
    List owned_;
    const List* list_;
};

// The wire catalogue as the conductor searches read it: the table, and the
// records a search for a material and a shape may take (isEligible). A
// search lists them as it starts; a catalogue made with prepared materials
// has them listed once for all the designs made from it, which is what a
// design sweep needs. Never changes after it is made, so designs on many
// threads may share it; the table must outlive it.
class WireCatalogue {
public:
    WireCatalogue();  // no wires
    WireCatalogue(const std::vector<WireRecord>& records);  // NOLINT: the windows hand their table over as it is
    WireCatalogue(const std::vector<WireRecord>& records, const std::vector<QString>& preparedMaterials);

    const std::vector<WireRecord>& records() const { return *records_; }

    EligibleWires eligible(const QString& material, QByteArrayView shapeCode) const;

private:
    struct Prepared {
        QString material;
        QByteArray shapeCode;
        EligibleWires::List records;
    };
    EligibleWires::List find(const QString& material, QByteArrayView shapeCode) const;

    const std::vector<WireRecord>* records_;
    std::vector<Prepared> prepared_;
};

}  // namespace dravik
