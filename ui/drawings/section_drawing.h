#pragma once

#include "drawings/geometry/section_geometry.h"

#include <QString>
#include <QWidget>
#include <optional>

namespace dravik {

// The stepped section of a rod or a yoke: a circle of diameter D filled by
// rectangular packets symmetric about the centre. The central packet is the
// widest (width 1, whole thickness 1 across the centre); each further packet
// is narrower and drawn once on each side. `widthLetter` / `thicknessLetter`
// name the sizes ("А"/"а" for the rod, "B"/"b" for the yoke). Given the
// section typed, it draws that section to scale; without one it explains
// the symbols on a section of five packets.
class SectionDrawing : public QWidget {
public:
    SectionDrawing(QString widthLetter, QString thicknessLetter, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {300, 300}; }

    void showSection(std::optional<SteppedSection> section);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintExplanation(QPainter& painter);

    QString widthLetter_;
    QString thicknessLetter_;
    std::optional<SteppedSection> section_;
};

}  // namespace dravik
