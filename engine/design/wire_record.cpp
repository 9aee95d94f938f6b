#include "design/wire_record.h"

#include "common/cp1251.h"

#include <cmath>

namespace dravik {

namespace {
// Searches test the shape of every catalogue record: compare in place.
constexpr QByteArrayView kRoundCode("\xF1ikl", 4);
constexpr QByteArrayView kRectCode("rect", 4);
}  // namespace

QByteArray roundShapeCode() { return kRoundCode.toByteArray(); }
QByteArray rectShapeCode() { return kRectCode.toByteArray(); }

QByteArray shapeCodeOfItem(int shapeIndex) { return shapeIndex == 1 ? roundShapeCode() : rectShapeCode(); }

QString WireRecord::tip() const { return decodeCp1251(Tip); }
QString WireRecord::vid() const { return decodeCp1251(Vid); }
QString WireRecord::mater() const { return decodeCp1251(Mater); }

bool WireRecord::hasMaterial(QStringView material) const { return readsAsCp1251(Mater, material); }

bool WireRecord::isRound() const { return Vid == kRoundCode; }
bool WireRecord::isRectangular() const { return Vid == kRectCode; }

bool WireRecord::hasUsableSection() const { return std::isfinite(s) && s > 0; }

WireRecord blankPlaceholder() {
    WireRecord record;
    record.Tip = " ";
    record.Vid = " ";
    record.Mater = " ";
    return record;
}

bool isBlankPlaceholder(const WireRecord& record) { return record == blankPlaceholder(); }

}  // namespace dravik
