#include "magnetic/scheme.h"

#include "design/design_state.h"

#include <array>

namespace dravik {
namespace {

struct SchemeName {
    const char* text;
    int scheme;
};

// In the order the scheme list shows them.
constexpr std::array<SchemeName, 3> kSchemes{{
    {"Y/Yn-0", kSchemeYYn0},
    {"Y/Zn-11", kSchemeYZn11},
    {"D/Yn-0", kSchemeDYn0},
}};

}  // namespace

QStringList schemeNames() {
    QStringList names;
    for (const SchemeName& entry : kSchemes) names << QString::fromLatin1(entry.text);
    return names;
}

std::optional<int> schemeFromText(const QString& text) {
    for (const SchemeName& entry : kSchemes) {
        if (text == QLatin1String(entry.text)) return entry.scheme;
    }
    return std::nullopt;
}

bool carriesKuWinding(int scheme) { return scheme == kSchemeYYn0 || scheme == kSchemeDYn0; }

}  // namespace dravik
