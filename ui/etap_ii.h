#pragma once

#include <QWidget>
#include <QString>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace dravik {

enum class Winding;
struct AppContext;
class WireGrid;
class CoreWindowDrawing;
struct Stage2Effects;
class Report;

// The texts of the items of the winding selector CB_NN_VN and of the
// conductor shape list CB_c_r.
QString windingItemText(Winding winding);
QString shapeItemText(int item);

// What the Stage II window holds that a design made without it needs: the
// fields the hand-over keeps (as typed), the material chosen, and the LV
// layer count while the selector shows the LV winding.
struct StageTwoSettings {
    QString l_01, k_t, a_01;  // Ed_l_01, Edi_K_t_nepl, Ed_a_01
    int boardIndex = 0;          // CB_delta
    int cylinderBoardIndex = 0;  // CB_delt
    int materialIndex = 0;       // CB__mater
    std::optional<QString> lvLayers;  // Ed_n_sl
};

// Stage II: the windings of one phase. The selector says which winding the
// inputs and the wire grid refer to (LV, HV or the compensating winding KU);
// the calculations write their working into the results box.
class TEtapII : public QWidget {
public:
    explicit TEtapII(AppContext& context);

    // Opening from Stage I: resets the window and its progress flags for the
    // scheme of the design state.
    void handOver();

    // "Calculation KU" of the KU window: reads the Stage II fields the KU
    // calculation needs, runs it, shows the memo and applies what it asks of
    // the window. Returns true when the KU window is to hide.
    bool calculateKu(int unbalanceItem, const QString& zeroSequenceCurrentText);

    StageTwoSettings settings() const;

    // The wire catalogue changed ("Add wire"): show it again in the grid.
    void showWireTable();

    // While "Add wire" holds a wire taken out for editing, Remove, Edit and
    // "Add wire" are disabled; they come back when it is added again.
    void setEditingWire(bool editing);

protected:
    void closeEvent(QCloseEvent* event) override;

private:

    void buildInputs(QGroupBox* group);
    void buildSearch(QGroupBox* group);
    void buildCommands();
    void connectHandlers();

    void showWindingCaptions(Winding winding);
    void loadWindingDefaults(Winding winding);
    void selectWinding(Winding winding);
    void setCatalogueControlsEnabled(bool enabled);
    void updateCatalogueControls();
    void resetSearch();
    // "Calculation KU", "Calculation LV", "Calculation HV".
    void enableCalculations(bool ku, bool lv, bool hv);
    // Runs a winding calculation on the memo, then shows the memo and applies
    // what the calculation asks of the window, also when it stopped.
    Stage2Effects runCalculation(const std::function<void(Report&, Stage2Effects&)>& calculation);
    void applyEffects(const Stage2Effects& effects);
    // Memo_KZ shows the short-circuit check the Stage II state holds.
    void showShortCircuitCheck();

    void CB_NN_VNChange();
    void ChB_KUClick();
    void SG_SechSelectCell(int row);
    void SE_aChange(int value);
    void RaschetObmotki_NNClick();
    void Rasch_ObmotokClick();
    void Raschet_KUClick();
    void Raschet_zigzagClick();
    void But_SehClick();
    void Delet_provodClick();
    void Redakt_provodClick();
    void Serch_provodClick();
    void Button1Click();
    void BitBtn1Click();
    void BitBtn2Click();

    AppContext& context_;
    bool catalogueEnabled_ = false;
    bool editingWire_ = false;

    QLineEdit* Ed_l_01 = nullptr;
    QComboBox* CB_delta = nullptr;
    QLineEdit* Ed_a_01 = nullptr;
    QLabel* Lab_sloev = nullptr;
    QLineEdit* Ed_n_sl = nullptr;
    QLabel* Lab_kan = nullptr;
    QLineEdit* Ed_ak = nullptr;
    QLineEdit* Ed_nk = nullptr;
    QLineEdit* Edi_K_t_nepl = nullptr;
    QLabel* Lab_par_vetv = nullptr;
    QSpinBox* SE_a = nullptr;
    QComboBox* CB_NN_VN = nullptr;
    QCheckBox* ChB_KU = nullptr;
    QComboBox* CB__mater = nullptr;
    QLineEdit* Ed_search = nullptr;
    QComboBox* CB_c_r = nullptr;
    QComboBox* CB_delt = nullptr;
    QLabel* L_Tip_Pr = nullptr;
    WireGrid* SG_Sech = nullptr;
    QPlainTextEdit* Memo_Rez_ob = nullptr;
    QPlainTextEdit* Memo_KZ = nullptr;

    QPushButton* Raschet_zigzag = nullptr;
    QPushButton* But_Seh = nullptr;
    QPushButton* Delet_provod = nullptr;
    QPushButton* Redakt_provod = nullptr;
    QPushButton* Serch_provod = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* RaschetObmotki_NN = nullptr;
    QPushButton* Rasch_Obmotok = nullptr;
    QPushButton* Raschet_KU = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* ButtonExcelIn = nullptr;
    QPushButton* ButtonExcelOut = nullptr;
    CoreWindowDrawing* coreWindowDrawing_ = nullptr;
};

}  // namespace dravik
