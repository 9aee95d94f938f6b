#include "windings/conductor_search.h"

#include "common/guards.h"

namespace dravik {

WindingMaterial windingMaterial(const QString& selectedText) {
    if (selectedText == QLatin1String("Copper")) return WindingMaterial::Copper;
    if (selectedText == QLatin1String("Aluminum")) return WindingMaterial::Aluminum;
    return WindingMaterial::Other;
}

bool isEligible(const WireRecord& record, const QString& material, QByteArrayView shapeCode) {
    return record.Vid == shapeCode && record.hasUsableSection() && record.hasMaterial(material);
}

QString tooManyStrandsLine() {
    return QStringLiteral("Unwanted number of parallel branches! Preferably before 4 to 6 when winding flat and up "
                          "to 6, no more than 8 on the edge!");
}

bool withinInclusive(double value, double low, double high) { return low <= value && value <= high; }

std::optional<std::int64_t> strandsFor(double s_est_mm2, double s_mm2, double maxRatio) {
    const double ratio = divide(s_est_mm2, s_mm2);
    if (ratio > maxRatio) return std::nullopt;
    return roundHalfEven(ratio);
}

}  // namespace dravik
