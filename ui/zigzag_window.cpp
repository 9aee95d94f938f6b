#include "zigzag_window.h"

#include "app_context.h"
#include "window_placement.h"

#include <numbers>

namespace dravik {

TZigzag_parametry::TZigzag_parametry(AppContext& context) : context_(context) {
    setObjectName(QStringLiteral("Zigzag_parametry"));
    setWindowTitle(QStringLiteral("Parameters Z"));
    setFormFont(this, 16);
    context_.stage2.beta = std::numbers::pi / 6;
    fixAndCentre(this, {394, 313});
}

}  // namespace dravik
