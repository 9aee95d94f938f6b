#pragma once

#include <QWidget>

namespace dravik {

struct AppContext;

// "Parameters Z": the zigzag angle that splits the LV turns of a phase.
class TZigzag_parametry : public QWidget {
public:
    explicit TZigzag_parametry(AppContext& context);

private:
    AppContext& context_;
};

}  // namespace dravik
