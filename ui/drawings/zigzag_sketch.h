#pragma once

#include <QWidget>

namespace dravik {

// One zigzag LV phase: half-winding II on the phase's own rod and half-winding
// I on the neighbouring rod, joined end to end so that its EMF counts
// reversed. In the phasor diagram E I leads E II by 60°, and the phase voltage
// (their sum) makes the angle β with E II: 0° puts every turn into II, 60°
// every turn into I, 30° gives equal halves.
class ZigzagSketch : public QWidget {
public:
    explicit ZigzagSketch(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {360, 240}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace dravik
