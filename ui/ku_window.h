#pragma once

#include <QWidget>

namespace dravik {

struct AppContext;

// The compensating device (KU) winding: the unbalance it must suppress and
// its calculation.
class TRaschet_obmotok_KU : public QWidget {
public:
    explicit TRaschet_obmotok_KU(AppContext& context);

private:
    AppContext& context_;
};

}  // namespace dravik
