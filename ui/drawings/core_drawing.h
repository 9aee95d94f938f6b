#pragma once

#include "drawings/geometry/core_views_geometry.h"

#include <QWidget>
#include <optional>

namespace dravik {

// The three-rod core seen from the front (window height lс between the
// yokes, coil height hс, spacing Cос between coils) and from above (C
// between rod axes, rod thickness a, circle diameter D, overall length l0).
// Given the core typed, it draws that core to scale; without one it
// explains the symbols.
class CoreDrawing : public QWidget {
public:
    explicit CoreDrawing(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {320, 360}; }

    void showCore(std::optional<CoreViews> core);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintExplanation(QPainter& painter);

    std::optional<CoreViews> core_;
};

}  // namespace dravik
