#pragma once

#include "drawings/geometry/core_window_geometry.h"

#include <QWidget>
#include <optional>

namespace dravik {

// The upper part of one core window in section: the yoke above, the rod at
// the left, the LV winding of phase A on the rod, the HV winding of phase A
// round it and the HV winding of phase B on the next rod. Sizes across the
// window: a01 (rod to LV, with the insulating cylinder δ01 in it), a1 (LV
// radial size), a12 (LV to HV, with the cylinder δ12), a2 (HV radial size),
// a22 (between the HV windings of two phases, with the barrier δ22). Along
// the rod: l01 and l02 from the LV and HV windings to the yoke, lc1 and lc2
// by which the cylinders stand out beyond the windings, δsh the washer
// under the yoke. Given the windings calculated, it draws them to scale in
// the window of the design; without them it explains the symbols.
class CoreWindowDrawing : public QWidget {
public:
    explicit CoreWindowDrawing(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {460, 320}; }

    void showWindow(std::optional<CoreWindow> window);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintExplanation(QPainter& painter);

    std::optional<CoreWindow> window_;
};

}  // namespace dravik
