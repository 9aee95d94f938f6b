#pragma once

#include <QWidget>

namespace dravik {

// The three-rod core seen from the front (window height lс between the
// yokes, coil height hс, spacing Cос between coils) and from above (C
// between rod axes, rod thickness a, circle diameter D, overall length l0).
class CoreDrawing : public QWidget {
public:
    explicit CoreDrawing(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {320, 360}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace dravik
