#include "varianty_window.h"

#include "app_context.h"
#include "common/command_error.h"
#include "common/number_text.h"
#include "controls.h"
#include "design/winding_fields.h"
#include "etap_i.h"
#include "etap_ii.h"
#include "explorer/sweep_inputs.h"
#include "explorer/sweep_run.h"
#include "explorer/variant_table.h"
#include "iarmo_razmery.h"
#include "magnetic/scheme.h"
#include "messages.h"
#include "variant_apply.h"
#include "variant_grid.h"
#include "window_keys.h"
#include "window_placement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>
#include <cmath>
#include <numbers>
#include <tuple>
#include <stdexcept>

namespace dravik {
namespace {

// New results are shown ten times a second: often enough to watch the table
// fill, seldom enough to leave the window free for the user.
constexpr int kShowResultsEvery_ms = 100;

constexpr int kFieldWidth = 80;

}  // namespace

TVarianty::TVarianty(AppContext& context) : context_(context) {
    setObjectName(QStringLiteral("Varianty"));
    setWindowTitle(QStringLiteral("Design variants"));
    setFormFont(this, 16);

    auto* ranges = new QGroupBox(QStringLiteral("Ranges"), this);
    ranges->setObjectName(QStringLiteral("GroupBox_Diapazony"));
    buildRanges(ranges);
    auto* prices = new QGroupBox(QStringLiteral("Prices"), this);
    prices->setObjectName(QStringLiteral("GroupBox_Ceny"));
    buildPrices(prices);
    auto* top = new QHBoxLayout;
    top->addWidget(ranges, 3);
    top->addWidget(prices, 1);

    But_Raschet = namedButton("But_Raschet", "Calculate the variants", this);
    But_Raschet->setStyleSheet(QStringLiteral("color: green;"));
    But_Otmena = namedButton("But_Otmena", "Cancel", this);
    PB_Varianty = new QProgressBar(this);
    PB_Varianty->setObjectName(QStringLiteral("PB_Varianty"));
    PB_Varianty->setRange(0, 1);
    PB_Varianty->setValue(0);
    Lab_Sostojanie = namedLabel("Lab_Sostojanie", "", this);
    auto* run = new QHBoxLayout;
    run->addWidget(But_Raschet);
    run->addWidget(But_Otmena);
    run->addWidget(PB_Varianty, 1);
    run->addWidget(Lab_Sostojanie, 1);

    SG_Var = new VariantGrid(this);
    But_Primenitj = namedButton("But_Primenitj", "Apply", this);
    But_Eksport = namedButton("But_Eksport", "Export CSV...", this);
    auto* results = new QHBoxLayout;
    results->addWidget(But_Primenitj);
    results->addWidget(But_Eksport);
    results->addStretch(1);
    markMnemonics({But_Raschet, But_Otmena, But_Primenitj, But_Eksport}, u"CnAE");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(run);
    layout->addWidget(SG_Var, 1);
    layout->addLayout(results);

    connect(But_Raschet, &QPushButton::clicked, this, &TVarianty::But_RaschetClick);
    connect(But_Otmena, &QPushButton::clicked, this, &TVarianty::But_OtmenaClick);
    connect(But_Eksport, &QPushButton::clicked, this, &TVarianty::But_EksportClick);
    connect(But_Primenitj, &QPushButton::clicked, this, &TVarianty::But_PrimenitjClick);
    connect(&run_, &QFutureWatcher<VariantResult>::resultsReadyAt, this, &TVarianty::takeArrivedResults);
    connect(&run_, &QFutureWatcher<VariantResult>::progressValueChanged, PB_Varianty, &QProgressBar::setValue);
    connect(&run_, &QFutureWatcher<VariantResult>::finished, this, &TVarianty::sweepFinished);
    showArrived_.setInterval(kShowResultsEvery_ms);
    connect(&showArrived_, &QTimer::timeout, this, &TVarianty::showArrivedResults);
    showRunning(false);
    But_Primenitj->setEnabled(false);
    But_Eksport->setEnabled(false);
    closeOnEscape(this);
    pressOnEnter(this, But_Raschet);

    centre(this, {1400, 860});
}

TVarianty::~TVarianty() {
    run_.cancel();
    run_.waitForFinished();
}

void TVarianty::buildRanges(QWidget* group) {
    auto* grid = new QGridLayout(group);
    const auto fromTo = [&](int row, const QString& caption, QWidget* from, QWidget* to, QWidget* step = nullptr) {
        grid->addWidget(plainLabel(caption, group), row, 0);
        grid->addWidget(plainLabel(QStringLiteral("from"), group), row, 1);
        grid->addWidget(from, row, 2);
        grid->addWidget(plainLabel(QStringLiteral("to"), group), row, 3);
        grid->addWidget(to, row, 4);
        if (step) {
            grid->addWidget(plainLabel(QStringLiteral("step"), group), row, 5);
            grid->addWidget(step, row, 6);
        }
    };
    CB_D_ot = namedList("CB_D_ot", {}, -1, group);
    CB_D_do = namedList("CB_D_do", {}, -1, group);
    fromTo(0, QStringLiteral("Diameter of rod, m:"), CB_D_ot, CB_D_do);
    Ed_Lc_ot = namedField("Ed_Lc_ot", "", group, kFieldWidth);
    Ed_Lc_do = namedField("Ed_Lc_do", "", group, kFieldWidth);
    Ed_Lc_shag = namedField("Ed_Lc_shag", "10", group, kFieldWidth);
    fromTo(1, QStringLiteral("lс, mm:"), Ed_Lc_ot, Ed_Lc_do, Ed_Lc_shag);
    Ed_C_ot = namedField("Ed_C_ot", "", group, kFieldWidth);
    Ed_C_do = namedField("Ed_C_do", "", group, kFieldWidth);
    Ed_C_shag = namedField("Ed_C_shag", "5", group, kFieldWidth);
    fromTo(2, QStringLiteral("C, mm:"), Ed_C_ot, Ed_C_do, Ed_C_shag);
    Ed_n_sl_ot = namedField("Ed_n_sl_ot", "2", group, kFieldWidth);
    Ed_n_sl_do = namedField("Ed_n_sl_do", "2", group, kFieldWidth);
    fromTo(3, QStringLiteral("LV layers:"), Ed_n_sl_ot, Ed_n_sl_do);

    ChB_Aljuminij = new QCheckBox(QStringLiteral("Aluminum"), group);
    ChB_Aljuminij->setObjectName(QStringLiteral("ChB_Aljuminij"));
    ChB_Medj = new QCheckBox(QStringLiteral("Copper"), group);
    ChB_Medj->setObjectName(QStringLiteral("ChB_Medj"));
    grid->addWidget(plainLabel(QStringLiteral("Material:"), group), 4, 0);
    grid->addWidget(ChB_Aljuminij, 4, 2);
    grid->addWidget(ChB_Medj, 4, 4);

    CLB_Stali = new QListWidget(group);
    CLB_Stali->setObjectName(QStringLiteral("CLB_Stali"));
    grid->addWidget(plainLabel(QStringLiteral("Steel grades:"), group), 0, 7);
    grid->addWidget(CLB_Stali, 1, 7, 4, 1);
    grid->setColumnStretch(7, 1);
}

void TVarianty::buildPrices(QWidget* group) {
    auto* grid = new QGridLayout(group);
    int row = 0;
    const auto add = [&](const QString& caption, QLineEdit* field) {
        grid->addWidget(plainLabel(caption, group), row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    };
    Ed_Valjuta = namedField("Ed_Valjuta", "c.u.", group, kFieldWidth);
    add(QStringLiteral("Currency unit:"), Ed_Valjuta);
    Ed_Cena_stali = namedField("Ed_Cena_stali", "3", group, kFieldWidth);
    add(QStringLiteral("Steel per kg:"), Ed_Cena_stali);
    Ed_Cena_medi = namedField("Ed_Cena_medi", "10", group, kFieldWidth);
    add(QStringLiteral("Copper per kg:"), Ed_Cena_medi);
    Ed_Cena_aljuminija = namedField("Ed_Cena_aljuminija", "4", group, kFieldWidth);
    add(QStringLiteral("Aluminium per kg:"), Ed_Cena_aljuminija);
    Ed_Koef_A = namedField("Ed_Koef_A", "0", group, kFieldWidth);
    add(QStringLiteral("A per W of P0:"), Ed_Koef_A);
    Ed_Koef_B = namedField("Ed_Koef_B", "0", group, kFieldWidth);
    add(QStringLiteral("B per W of Pk:"), Ed_Koef_B);
    grid->setRowStretch(row, 1);
}

// ---- Opening from Stage I --------------------------------------------------

void TVarianty::startFromTheWindows() {
    fillDiameters();
    fillWindow();
    fillSteels();
    fillMaterialsAndLayers();
}

// The diameters "Pick sheets for power" gives the power as they are; the
// standard one for the diameter Stage I shows and two on each side.
void TVarianty::fillDiameters() {
    const MagneticInputs stage1 = context_.windows.etapI->typedInputs();
    StandardDiameters diameters;
    runCommand(*context_.messages, [&] {
        diameters = standardDiametersFor(stage1.snom, stage1.dnom, stage1.pressPlate, context_.coreGeometry);
    });
    offeredDiameters_ = diameters.items;
    QStringList texts;
    for (const int item : offeredDiameters_) texts.append(QString::fromLatin1(kStandardDiameters[static_cast<size_t>(item)]));
    for (QComboBox* list : {CB_D_ot, CB_D_do}) {
        list->clear();
        list->addItems(texts);
    }
    if (offeredDiameters_.empty()) return;
    const DiameterPositions positions = defaultDiameterPositions(diameters);
    selectSilently(CB_D_ot, positions.from);
    selectSilently(CB_D_do, positions.to);
}

// When the power or the window is no number the fields stay as they are.
void TVarianty::fillWindow() {
    const std::optional<WindowRanges> window =
        defaultWindowRanges(context_.windows.etapI->typedInputs(), context_.coreGeometry);
    if (!window) return;
    setTextIfChanged(Ed_Lc_ot, QString::number(window->lcFrom));
    setTextIfChanged(Ed_Lc_do, QString::number(window->lcTo));
    setTextIfChanged(Ed_C_ot, QString::number(window->cFrom));
    setTextIfChanged(Ed_C_do, QString::number(window->cTo));
}

void TVarianty::fillSteels() {
    const int chosen = context_.windows.etapI->steelList()->currentIndex();
    CLB_Stali->clear();
    const std::vector<SteelEntry>& steels = context_.steels.entries();
    for (size_t i = 0; i < steels.size(); ++i) {
        auto* item = new QListWidgetItem(steels[i].name, CLB_Stali);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(static_cast<int>(i) == chosen ? Qt::Checked : Qt::Unchecked);
    }
}

// The metal Stage II has chosen, and its LV layer count while it shows the
// LV winding (else the LV default).
void TVarianty::fillMaterialsAndLayers() {
    const StageTwoSettings stage2 = context_.windows.etapII->settings();
    ChB_Medj->setChecked(stage2.materialIndex == kCopperItem);
    ChB_Aljuminij->setChecked(stage2.materialIndex == kAluminumItem);
    const QString layers = stage2.lvLayers.value_or(QString::fromLatin1(windingFields(Winding::Lv).layers));
    setTextIfChanged(Ed_n_sl_ot, layers);
    setTextIfChanged(Ed_n_sl_do, layers);
}

SweepBase TVarianty::sweepBase() const {
    SweepBase base;
    base.stage1 = context_.windows.etapI->typedInputs();
    base.coreGeometry = context_.coreGeometry;
    const StageTwoSettings stage2 = context_.windows.etapII->settings();
    base.l_01 = stage2.l_01;
    base.k_t = stage2.k_t;
    base.a_01 = stage2.a_01;
    base.boardIndex = stage2.boardIndex;
    base.cylinderBoardIndex = stage2.cylinderBoardIndex;
    return base;
}

// ---- The sweep ---------------------------------------------------------------

bool TVarianty::isRunning() const { return sweeping_; }

void TVarianty::showRunning(bool running) {
    But_Raschet->setEnabled(!running);
    But_Otmena->setEnabled(running);
    But_Primenitj->setEnabled(!running && SG_Var->table() && SG_Var->table()->size() > 0);
    But_Eksport->setEnabled(!running && SG_Var->table() && SG_Var->table()->size() > 0);
}

void TVarianty::But_RaschetClick() {
    if (isRunning()) return;
    SweepTexts texts;
    texts.offeredDiameters = offeredDiameters_;
    texts.diameterFrom = CB_D_ot->currentIndex();
    texts.diameterTo = CB_D_do->currentIndex();
    texts.lcFrom = Ed_Lc_ot->text();
    texts.lcTo = Ed_Lc_do->text();
    texts.lcStep = Ed_Lc_shag->text();
    texts.cFrom = Ed_C_ot->text();
    texts.cTo = Ed_C_do->text();
    texts.cStep = Ed_C_shag->text();
    texts.layersFrom = Ed_n_sl_ot->text();
    texts.layersTo = Ed_n_sl_do->text();
    for (int i = 0; i < CLB_Stali->count(); ++i) {
        if (CLB_Stali->item(i)->checkState() == Qt::Checked) texts.steelIndexes.push_back(i);
    }
    if (ChB_Medj->isChecked()) texts.materialItems.push_back(kCopperItem);
    if (ChB_Aljuminij->isChecked()) texts.materialItems.push_back(kAluminumItem);
    texts.steelPrice = Ed_Cena_stali->text();
    texts.copperPrice = Ed_Cena_medi->text();
    texts.aluminiumPrice = Ed_Cena_aljuminija->text();
    texts.A = Ed_Koef_A->text();
    texts.B = Ed_Koef_B->text();

    std::shared_ptr<const Sweep> sweep;
    Prices prices;
    const SweepBase base = sweepBase();
    const bool ready = runCommand(
        *context_.messages,
        [&] {
            const SweepRanges ranges = readSweepRanges(texts);
            prices = readPrices(texts);
            try {
                sweep = std::make_shared<const Sweep>(base, ranges, context_.steels.entries(),
                                                      context_.wires.records());
            } catch (const std::invalid_argument&) {
                throw CommandError(QStringLiteral("The rating of Stage I has changed: open Design variants again"));
            }
        },
        {}, {this, context_.windows.etapI, context_.windows.iarmo, context_.windows.etapII});
    if (!ready) return;

    arrived_.clear();
    sweptFrom_ = base;
    SG_Var->variants().start(sweep, Ed_Valjuta->text());
    PB_Varianty->setRange(0, sweep->size());
    PB_Varianty->setValue(0);
    Lab_Sostojanie->setText(QStringLiteral("Calculating %1 variants").arg(sweep->size()));
    sweeping_ = true;
    run_.setFuture(runSweep(sweep, prices));
    showArrived_.start();
    showRunning(true);
}

void TVarianty::But_OtmenaClick() { run_.cancel(); }

void TVarianty::takeArrivedResults(int begin, int end) {
    for (int i = begin; i < end; ++i) arrived_.push_back(run_.resultAt(i));
}

void TVarianty::showArrivedResults() {
    const bool first = SG_Var->table()->size() == 0 && !arrived_.empty();
    SG_Var->variants().add(arrived_);
    arrived_.clear();
    if (first) SG_Var->fitColumns();
}

void TVarianty::sweepFinished() {
    // Letting the run's results go below sets an empty future, which reports
    // finished (and cancelled) once more.
    if (!sweeping_) return;
    sweeping_ = false;
    showArrived_.stop();
    showArrivedResults();
    const VariantTable& table = *SG_Var->table();
    const int meeting = table.meetingCount();
    const QString counts = QStringLiteral("%1 of %2 variants meet every check").arg(meeting).arg(table.size());
    Lab_Sostojanie->setText(run_.isCanceled()
                                ? QStringLiteral("Cancelled after %1 of %2 variants; %3 meet every check")
                                      .arg(table.size())
                                      .arg(table.sweep().size())
                                      .arg(meeting)
                                : counts);
    SG_Var->fitColumns();
    // The table holds the results now; the run's own copies can go.
    run_.setFuture(QFuture<VariantResult>());
    showRunning(false);
}

QString TVarianty::writeCsv(const QString& path) const {
    const VariantTable* table = SG_Var->table();
    if (!table || table->size() == 0) return QStringLiteral("No design variants to export: calculate the variants first");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(table->csv(SG_Var->shownRows())) < 0 || !file.commit()) {
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    }
    return QString();
}

void TVarianty::But_EksportClick() {
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export CSV"), QString(),
                                                      QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty()) return;
    if (const QString problem = writeCsv(path); !problem.isEmpty()) context_.messages->error(problem);
}

// ---- Apply -----------------------------------------------------------------

// The variants hold only for the inputs they were made from: every Stage I
// and Stage II input but those "Apply" sets itself (the diameter with its
// standard packets, the window, the steel).
bool TVarianty::inputsAsSwept() const {
    const auto kept = [](SweepBase base) {
        MagneticInputs& in = base.stage1;
        for (size_t i = 0; i < in.A.size(); ++i) {
            in.A[i] = in.a[i] = {};
            // "Pick sheets for power" fills the first six yoke packets.
            if (i < 6) in.B[i] = in.b[i] = {};
        }
        in.C = in.Lc = in.Cok = in.dnom = {};
        in.steelIndex = 0;
        in.steelName.clear();
        return std::tuple(in, base.l_01, base.k_t, base.a_01, base.boardIndex, base.cylinderBoardIndex);
    };
    return kept(sweepBase()) == kept(sweptFrom_);
}

// The selected variant becomes the design by the actions a user would take
// in Stage I and Stage II, step by step; a step that does not end as the
// design needs it (the variant stops there) ends the actions, as it would
// end a user's.
void TVarianty::But_PrimenitjClick() {
    const VariantTable* table = SG_Var->table();
    const std::optional<int> row = SG_Var->currentTableRow();
    if (!table || !row) {
        context_.messages->error(QStringLiteral("Choose a variant in the table first"));
        return;
    }
    if (!inputsAsSwept()) {
        context_.messages->error(
            QStringLiteral("The inputs of Stage I or Stage II have changed since the variants were calculated: "
                           "calculate the variants again"));
        return;
    }
    ApplyStart start;
    start.stageTwoShown = context_.windows.etapII->isVisible();
    // The presses are those of Stage I and Stage II: another window in their
    // place (the steel editor) would refuse every one of them.
    if (!start.stageTwoShown && !context_.windows.etapI->isVisible()) {
        context_.messages->error(QStringLiteral("Go back to Stage I or Stage II first: Apply works in their windows"));
        return;
    }
    start.zigzagAngleDefault = context_.stage2.beta == std::numbers::pi / 6;
    const auto stepEnded = [this](ApplyStep step) {
        switch (step) {
        case ApplyStep::StageOne: return context_.stage1Results.areCurrentFor(context_.windows.etapI->typedInputs());
        case ApplyStep::HandOver: return !carriesKuWinding(context_.design.scheme) || context_.stage2.ku_done;
        case ApplyStep::Lv: return context_.stage2.lv_done;
        case ApplyStep::Hv: return true;
        }
        return false;
    };
    for (const ApplyAction& action : applyingActions(table->sweep(), table->at(*row).variant, start)) {
        context_.performActions(action.lines);
        if (!stepEnded(action.step)) return;
    }
}

}  // namespace dravik
