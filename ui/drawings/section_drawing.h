#pragma once

#include <QString>
#include <QWidget>

namespace dravik {

// The stepped section of a rod or a yoke: a circle of diameter D filled by
// rectangular packets symmetric about the centre. The central packet is the
// widest (width 1, whole thickness 1 across the centre); each further packet
// is narrower and drawn once on each side. `widthLetter` / `thicknessLetter`
// name the sizes ("А"/"а" for the rod, "B"/"b" for the yoke).
class SectionDrawing : public QWidget {
public:
    SectionDrawing(QString widthLetter, QString thicknessLetter, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {300, 300}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString widthLetter_;
    QString thicknessLetter_;
};

}  // namespace dravik
