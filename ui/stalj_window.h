#pragma once

#include "catalogues/steel_catalogue.h"
#include "catalogues/steel_grid_collect.h"

#include <QWidget>
#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace dravik {

struct AppContext;
class ArrowSpinBox;
class CurveGrid;

// "Add / edit steel": enters a new electrical steel or changes a stored one
// (its three curves at 50 Hz, name, rolling type and sheet thickness) and
// imports the curves from a workbook. Creating it loads the steel catalogue
// and fills both steel lists (Stage I's and its own "Choose to edit:").
class TStalj_dobavitj_redaktirovatj : public QWidget {
public:
    explicit TStalj_dobavitj_redaktirovatj(AppContext& context);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The grids in the order the curves are collected: losses, magnetising
    // power in the rod, in the butt joint.
    static constexpr int kGrids = 3;

    void buildGrids();
    void buildSteelFields();
    void loadCatalogue();
    void fillSteelLists();
    void appendSteelName(const QString& name);
    void refillSteelLists();

    void FormShow();
    void SE_Change(int grid);
    void Ed_TipChange();
    void CB_Tip_EditChange();
    void Stalj_vvodClick();
    void Vvod_stalj_editClick();
    void Button1Click();

    void loadStoredSteel(int storedIndex);
    void showBuiltinSteel(int position);
    void showSteel(const SteelEntry& steel, const QString& thicknessText);
    void setCurvesReadOnly(bool readOnly);
    void setPointCount(int grid, int count);
    std::array<CurveGridTexts, kGrids> gridTexts() const;
    SteelInput steelInput(const std::array<RawCurve, kGrids>& curves) const;
    void blankTheSteel(int pointCount, bool clearEditList);
    void returnToStageOne();
    QString workbookPath();

    AppContext& context_;

    std::array<CurveGrid*, kGrids> grids_{};
    std::array<ArrowSpinBox*, kGrids> counts_{};
    // The last value of each spin edit, for blanking the row a drop leaves.
    std::array<int, kGrids> rememberedCounts_{};

    QLineEdit* Ed_Tip = nullptr;
    QComboBox* CB_tip_prokat = nullptr;
    QLineEdit* Ed_dz = nullptr;
    QComboBox* CB_Tip_Edit = nullptr;
    QPushButton* Stalj_vvod = nullptr;
    QPushButton* Vvod_stalj_edit = nullptr;
    QPushButton* Button1 = nullptr;

    // The stored steel (counted from 1 in Stal.dat) matched by the last
    // choice in "Choose to edit:"; 0 when none is matched.
    int edit_index = 0;
};

}  // namespace dravik
