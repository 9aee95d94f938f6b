#pragma once

#include <QByteArray>
#include <QString>

namespace dravik {

// One winding wire as the catalogue file holds it. Texts stay in their
// Windows-1251 bytes so that a rewrite of the file changes nothing that was
// not edited; `tip()`/`mater()` give them as text.
struct WireRecord {
    QByteArray Tip;    // type name, at most 50 bytes
    QByteArray Vid;    // shape code: round (F1 69 6B 6C) or "rect"; at most 5 bytes
    double D = 0;      // mm, bare diameter of a round wire
    double a = 0;      // mm, rectangular side a (radial width in the LV)
    double b = 0;      // mm, rectangular side b (axial height of a turn)
    double s = 0;      // mm2, cross-section as typed
    double delta2 = 0; // mm, double-sided insulation 2δ
    QByteArray Mater;  // material, at most 50 bytes

    QString tip() const;
    QString vid() const;
    QString mater() const;

    bool hasMaterial(QStringView material) const;  // Mater reads as `material`

    bool isRound() const;        // Vid is the round code
    bool isRectangular() const;  // Vid is "rect"

    // Every conductor search passes over a record whose section is not a
    // positive finite number (a placeholder, a slip of the pen).
    bool hasUsableSection() const;

    friend bool operator==(const WireRecord&, const WireRecord&) = default;
};

// The shape codes as stored: the round code is Cyrillic "с" then "ikl".
QByteArray roundShapeCode();
QByteArray rectShapeCode();

// The shape lists of the Stage II window, by item: 0 "rect", 1 "cikl".
QByteArray shapeCodeOfItem(int shapeIndex);

// The blank record that stands for an emptied catalogue: " ", " ", zeros, " ".
WireRecord blankPlaceholder();
bool isBlankPlaceholder(const WireRecord& record);

}  // namespace dravik
