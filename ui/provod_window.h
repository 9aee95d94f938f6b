#pragma once

#include <QWidget>

namespace dravik {

struct AppContext;

// "Add wire": enters a winding wire into the catalogue.
class TProvod_dobavitj : public QWidget {
public:
    explicit TProvod_dobavitj(AppContext& context);

private:
    AppContext& context_;
};

}  // namespace dravik
