#pragma once

#include <QSize>

class QWidget;

namespace dravik {

// The forms are drawn in Arial; fontconfig gives a metric-compatible face.
void setFormFont(QWidget* window, int pixelSize);

// A fixed-border window of at least `size`, centred on the screen when it
// is first shown.
void fixAndCentre(QWidget* window, QSize size);

// A resizable window of `size`, centred on the screen when first shown.
void centre(QWidget* window, QSize size);

}  // namespace dravik
