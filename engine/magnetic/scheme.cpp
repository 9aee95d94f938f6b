#include "magnetic/scheme.h"

#include <array>

namespace dravik {
namespace {

struct SchemeName {
    const char* text;
    int scheme;
};

// In the order the scheme list shows them.
constexpr std::array<SchemeName, 3> kSchemes{{
    {"Y/Yn-0", 1},
    {"Y/Zn-11", 2},
    {"D/Yn-0", 3},
}};

}  // namespace

std::optional<int> schemeFromText(const QString& text) {
    for (const SchemeName& entry : kSchemes) {
        if (text == QLatin1String(entry.text)) return entry.scheme;
    }
    return std::nullopt;
}

}  // namespace dravik
