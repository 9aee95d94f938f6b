#include "provod_window.h"

#include "app_context.h"
#include "window_placement.h"

namespace dravik {

TProvod_dobavitj::TProvod_dobavitj(AppContext& context) : context_(context) {
    setObjectName(QStringLiteral("Provod_dobavitj"));
    setWindowTitle(QStringLiteral("Add wire"));
    setFormFont(this, 16);
    fixAndCentre(this, {520, 420});
}

}  // namespace dravik
