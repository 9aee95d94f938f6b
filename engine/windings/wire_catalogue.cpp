#include "windings/wire_catalogue.h"

#include "windings/conductor_search.h"

namespace dravik {
namespace {

const std::vector<WireRecord> kNoWires;

}  // namespace

WireCatalogue::WireCatalogue() : records_(&kNoWires) {}

WireCatalogue::WireCatalogue(const std::vector<WireRecord>& records) : records_(&records) {}

WireCatalogue::WireCatalogue(const std::vector<WireRecord>& records, const std::vector<QString>& preparedMaterials)
    : records_(&records) {
    for (const QString& material : preparedMaterials) {
        for (const QByteArray& shape : {rectShapeCode(), roundShapeCode()}) {
            prepared_.push_back({material, shape, find(material, shape)});
        }
    }
}

EligibleWires::List WireCatalogue::find(const QString& material, QByteArrayView shapeCode) const {
    EligibleWires::List found;
    for (const WireRecord& record : *records_) {
        if (isEligible(record, material, shapeCode)) found.push_back(&record);
    }
    return found;
}

EligibleWires WireCatalogue::eligible(const QString& material, QByteArrayView shapeCode) const {
    for (const Prepared& list : prepared_) {
        if (list.shapeCode == shapeCode && list.material == material) return EligibleWires(list.records);
    }
    return EligibleWires(find(material, shapeCode));
}

}  // namespace dravik
