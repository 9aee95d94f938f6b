#pragma once

#include "magnetic/magnetic_inputs.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;
class QSpinBox;

namespace dravik {

struct AppContext;
class CoreDrawing;
class TIarmo_razmery;

// Stage I: the magnetic circuit. Holds the core sizes, the rated data
// choices and the steel, runs the calculation and hands over to Stage II.
class TEtapI : public QWidget {
public:
    explicit TEtapI(AppContext& context);

    // Filled by the steel catalogue when the steel window is created.
    QComboBox* steelList() const { return CB_M_st; }
    QLineEdit* tapStepsField() const { return Ed_num_h_U; }

    // The Stage I inputs as they stand, the yoke packets included.
    MagneticInputs typedInputs() const;

    // Whether Stage II may work on the results: false, after showing "The
    // Stage I inputs have changed: ...", when an input differs from those
    // of the last successful calculation.
    bool confirmResultsCurrent();

    // The yoke window is made after this one: the core views take the yoke
    // height from it, and its packets, like this window's inputs, decide
    // whether Stage II may go on from the results.
    void followYokeWindow(const TIarmo_razmery& yoke);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildInputs(QWidget* group);
    void buildCommands();
    void followInputChanges();
    // "Calculation of the solenoid coil>>" is open exactly while the inputs
    // are those of the last successful calculation.
    void updateStageIIAccess();
    void showLengthTexts(const MagneticInputs& in);

    void Button_RaschetClick();
    void Button9Click();
    void Button11Click();
    void Button10Click();
    void But_EtapIIClick();
    void But_VariantyClick();
    void Copy_to_clipboardClick();
    void Button12Click();
    void Button13Click();
    void CB_ShemChange();

    AppContext& context_;

    QLineEdit* Ed_C = nullptr;
    QLineEdit* Ed_Lc = nullptr;
    QLineEdit* Ed_Cok = nullptr;
    std::array<QLineEdit*, 8> Ed_A{};
    std::array<QLineEdit*, 8> Ed_a{};
    QLineEdit* Ed_dz = nullptr;
    QComboBox* CB_M_st = nullptr;
    QComboBox* CB_Iz_st = nullptr;
    QLineEdit* Ed_h_B = nullptr;
    QLineEdit* Ed_num_h_U = nullptr;
    QLineEdit* Ed_h_U = nullptr;
    QComboBox* CB_Un = nullptr;
    QComboBox* CB_Uvn = nullptr;
    QComboBox* CB_Snom = nullptr;
    QComboBox* CB_Shem = nullptr;
    QComboBox* CB_Dnom = nullptr;
    QCheckBox* CB_Press = nullptr;
    QSpinBox* SE_stup = nullptr;
    QPlainTextEdit* Memo_Result = nullptr;
    QPushButton* Button_Raschet = nullptr;
    QPushButton* Button9 = nullptr;
    QPushButton* Button11 = nullptr;
    QPushButton* Button10 = nullptr;
    QPushButton* But_EtapII = nullptr;
    QPushButton* But_Varianty = nullptr;
    QPushButton* Copy_to_clipboard = nullptr;
    QPushButton* Button12 = nullptr;
    QPushButton* Button13 = nullptr;
    QPushButton* Button7 = nullptr;
    CoreDrawing* Image2 = nullptr;
};

}  // namespace dravik
