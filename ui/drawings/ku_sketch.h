#pragma once

#include <QWidget>

namespace dravik {

// The core cut through the rod axes: on every rod the KU winding lies
// innermost on the steel, then the LV and the HV winding. The zero-sequence
// flux Φ0 of an unbalanced LV load points the same way in all three rods, so
// it cannot close through the core and leaves it through the oil and the
// tank; the KU current drives a flux against it.
class KuCoreSketch : public QWidget {
public:
    explicit KuCoreSketch(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {460, 500}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

// One rod seen from above, with the three windings round it (the KU's inner
// and outer diameters marked), and the connection of the KU: its coils on the
// three rods in series in the neutral lead of the LV star, so that the
// neutral current of the unbalanced load flows through all of them.
class KuRodSketch : public QWidget {
public:
    explicit KuRodSketch(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {340, 500}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace dravik
