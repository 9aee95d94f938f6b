#include "ku_window.h"

#include "app_context.h"
#include "window_placement.h"

namespace dravik {

TRaschet_obmotok_KU::TRaschet_obmotok_KU(AppContext& context) : context_(context) {
    setObjectName(QStringLiteral("Raschet_obmotok_KU"));
    setWindowTitle(QStringLiteral("Расчет обмотки компенсационного устройства (КУ)"));
    setFormFont(this, 16);
    fixAndCentre(this, {1302, 545});
}

}  // namespace dravik
