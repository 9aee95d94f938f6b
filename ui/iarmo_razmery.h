#pragma once

#include <QWidget>
#include <array>

class QLineEdit;
class QPushButton;

namespace dravik {

// The yoke's packet sizes. The window only holds the sixteen fields: the
// calculation reads them, "Pick sheets for power" writes them, shown or not.
class TIarmo_razmery : public QWidget {
public:
    TIarmo_razmery();

    QLineEdit* widthField(int packet) const { return Ed_B[packet]; }      // Ed_B1..Ed_B8
    QLineEdit* thicknessField(int packet) const { return Ed_b[packet]; }  // Ed_b_1..Ed_b_8

private:
    std::array<QLineEdit*, 8> Ed_B{};
    std::array<QLineEdit*, 8> Ed_b{};
    QPushButton* Button1 = nullptr;
};

}  // namespace dravik
