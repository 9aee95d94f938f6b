#pragma once

#include "drawings/geometry/label_placement.h"

#include <QRectF>
#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

namespace dravik::test {

// Text as a 12 px drawing font sets it, near enough: 7 units a character,
// 14 high. The drawings measure with the real font; the placement rules do
// not depend on the exact widths.
inline QSizeF fixedMeasure(const QString& text) { return {7.0 * text.size() + 2, 14.0}; }

// The sizes the drawings have on the Stage I and Stage II windows at their
// least, and a roomier one.
inline const QRectF kSectionArea(4, 4, 307, 412);
inline const QRectF kSmallSectionArea(4, 4, 232, 232);
inline const QRectF kCoreWindowArea(4, 4, 452, 312);

// Every label inside the drawing, none covering another.
inline void expectTidyLabels(const std::vector<PlacedLabel>& labels, const QRectF& area) {
    EXPECT_FALSE(anyLabelsOverlap(labels));
    for (const PlacedLabel& label : labels) {
        SCOPED_TRACE(label.text.toStdString());
        EXPECT_TRUE(area.contains(label.box));
    }
}

// The labels' texts.
inline QStringList textsOf(const std::vector<PlacedLabel>& labels) {
    QStringList texts;
    for (const PlacedLabel& label : labels) texts << label.text;
    return texts;
}

inline const PlacedLabel* labelNamed(const std::vector<PlacedLabel>& labels, const QString& text) {
    for (const PlacedLabel& label : labels) {
        if (label.text == text) return &label;
    }
    return nullptr;
}

}  // namespace dravik::test
