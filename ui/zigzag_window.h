#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace dravik {

struct AppContext;

// "Parameters Z": the zigzag angle β between the phase voltage and the EMF of
// the half-winding on the phase's own rod; the winding report splits the LV
// turns of a phase between the two rods by it.
class TZigzag_parametry : public QWidget {
public:
    explicit TZigzag_parametry(AppContext& context);

private:
    void Zeta_vvodClick();

    AppContext& context_;

    QLabel* Label1 = nullptr;
    QLineEdit* Ed_b = nullptr;
    QPushButton* Zeta_vvod = nullptr;
};

}  // namespace dravik
