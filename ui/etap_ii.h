#pragma once

#include <QWidget>

namespace dravik {

struct AppContext;

// Stage II: the windings of one phase.
class TEtapII : public QWidget {
public:
    explicit TEtapII(AppContext& context);

    // Opening from Stage I: resets the window and its progress flags for the
    // scheme of the design state.
    void handOver();

private:
    AppContext& context_;
};

}  // namespace dravik
