#pragma once

#include <QSpinBox>

namespace dravik {

// A spin edit changed by its arrows and the Up/Down keys only. Typing is
// refused (its text field is read-only), and so are the mouse wheel and
// Page Up/Down: a count that drops blanks a row of curve data, so it must
// change only one deliberate step at a time.
class ArrowSpinBox : public QSpinBox {
public:
    explicit ArrowSpinBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

}  // namespace dravik
