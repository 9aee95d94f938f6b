#pragma once

#include <QWidget>

namespace dravik {

// How rectangular conductors lie in a winding: one laid flat (side b across
// the winding), one on edge (side b along the rod axis), and a turn of
// parallel conductors side by side. Sizes: a, b of the bare conductor; b″
// of the insulated conductor along the axis; h the height of a turn; a′ the
// radial width of one insulated conductor and a″ of the whole turn.
class ConductorLayoutDrawing : public QWidget {
public:
    explicit ConductorLayoutDrawing(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {430, 330}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace dravik
