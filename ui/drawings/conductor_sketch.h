#pragma once

#include <QWidget>

namespace dravik {

// An insulated rectangular conductor in section: the bare metal a by b and
// the insulation δ marked on one side, so that 2δ is what the insulation
// adds over both sides.
class ConductorSketch : public QWidget {
public:
    explicit ConductorSketch(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {220, 170}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace dravik
