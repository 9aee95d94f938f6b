#include "design/wire_record.h"

#include "common/cp1251.h"

#include <cmath>

namespace dravik {

QByteArray roundShapeCode() { return QByteArray("\xF1ikl", 4); }
QByteArray rectShapeCode() { return QByteArray("rect", 4); }

QString WireRecord::tip() const { return decodeCp1251(Tip); }
QString WireRecord::vid() const { return decodeCp1251(Vid); }
QString WireRecord::mater() const { return decodeCp1251(Mater); }

bool WireRecord::isRound() const { return Vid == roundShapeCode(); }
bool WireRecord::isRectangular() const { return Vid == rectShapeCode(); }

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
