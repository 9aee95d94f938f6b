#include "etap_ii.h"

#include "app_context.h"
#include "window_placement.h"

namespace dravik {

TEtapII::TEtapII(AppContext& context) : context_(context) {
    setObjectName(QStringLiteral("EtapII"));
    setWindowTitle(QStringLiteral("Phase II - Calculation of the winding"));
    setFormFont(this, 16);
    centre(this, {1180, 900});
}

void TEtapII::handOver() {}

bool TEtapII::calculateKu(int, const QString&) { return false; }

void TEtapII::showWireTable() {}

void TEtapII::setEditingWire(bool) {}

}  // namespace dravik
