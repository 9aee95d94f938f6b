#pragma once

#include "explorer/sweep.h"
#include "explorer/variant_result.h"

#include <QFutureWatcher>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace dravik {

struct AppContext;
class VariantGrid;

// "Design variants": every combination of the main choices of a design for
// the rating of Stage I, each made into a whole design on every core, ranked
// by the cost of owning it. The window keeps working while a sweep runs:
// the table fills as the results arrive, and Cancel keeps what is made.
class TVarianty : public QWidget {
public:
    explicit TVarianty(AppContext& context);
    ~TVarianty() override;

    // Opening from Stage I: the ranges start from the rating, core and
    // choices the Stage I and Stage II windows hold now.
    void startFromTheWindows();

    // Whether a sweep is running.
    bool isRunning() const;

    // Writes the table as the grid shows it to `path` as CSV; the text of
    // what went wrong, or an empty text.
    QString writeCsv(const QString& path) const;

private:
    void buildRanges(QWidget* group);
    void buildPrices(QWidget* group);
    void fillDiameters();
    void fillWindow();
    void fillSteels();
    void fillMaterialsAndLayers();
    SweepBase sweepBase() const;

    void But_RaschetClick();
    void But_OtmenaClick();
    void But_EksportClick();
    void But_PrimenitjClick();
    bool inputsAsSwept() const;
    void takeArrivedResults(int begin, int end);
    void showArrivedResults();
    void sweepFinished();
    void showRunning(bool running);

    AppContext& context_;
    std::vector<int> offeredDiameters_;
    QFutureWatcher<VariantResult> run_;
    std::vector<VariantResult> arrived_;  // results not in the table yet
    QTimer showArrived_;
    bool sweeping_ = false;
    SweepBase sweptFrom_;  // what the windows held when the table's sweep started

    QComboBox* CB_D_ot = nullptr;
    QComboBox* CB_D_do = nullptr;
    QLineEdit* Ed_Lc_ot = nullptr;
    QLineEdit* Ed_Lc_do = nullptr;
    QLineEdit* Ed_Lc_shag = nullptr;
    QLineEdit* Ed_C_ot = nullptr;
    QLineEdit* Ed_C_do = nullptr;
    QLineEdit* Ed_C_shag = nullptr;
    QLineEdit* Ed_n_sl_ot = nullptr;
    QLineEdit* Ed_n_sl_do = nullptr;
    QCheckBox* ChB_Aljuminij = nullptr;
    QCheckBox* ChB_Medj = nullptr;
    QListWidget* CLB_Stali = nullptr;
    QLineEdit* Ed_Valjuta = nullptr;
    QLineEdit* Ed_Cena_stali = nullptr;
    QLineEdit* Ed_Cena_medi = nullptr;
    QLineEdit* Ed_Cena_aljuminija = nullptr;
    QLineEdit* Ed_Koef_A = nullptr;
    QLineEdit* Ed_Koef_B = nullptr;
    QPushButton* But_Raschet = nullptr;
    QPushButton* But_Otmena = nullptr;
    QProgressBar* PB_Varianty = nullptr;
    QLabel* Lab_Sostojanie = nullptr;
    VariantGrid* SG_Var = nullptr;
    QPushButton* But_Primenitj = nullptr;
    QPushButton* But_Eksport = nullptr;
};

}  // namespace dravik
