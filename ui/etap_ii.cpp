#include "etap_ii.h"

#include "app_context.h"
#include "catalogues/wire_search.h"
#include "clipboard_button.h"
#include "common/number_text.h"
#include "common/report.h"
#include "common/runtime_texts.h"
#include "controls.h"
#include "design/stage2_effects.h"
#include "design/winding_fields.h"
#include "drawings/conductor_layout_drawing.h"
#include "drawings/core_window_drawing.h"
#include "etap_i.h"
#include "ku_window.h"
#include "magnetic/scheme.h"
#include "messages.h"
#include "provod_window.h"
#include "window_placement.h"
#include "windings/hv_winding.h"
#include "windings/ku_winding.h"
#include "windings/lv_calculation.h"
#include "windings/short_circuit.h"
#include "wire_grid.h"
#include "zigzag_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSplitter>
#include <QSpinBox>
#include <QVBoxLayout>
#include <array>

namespace dravik {
namespace {

// Interlayer board of the LV and KU windings: names of the board table rows.
constexpr std::array<const char*, 5> kBoardItems{"Elec. board 1х0,5", "Elec. board 2х0,5", "Elec. board 3х0,5",
                                                 "Elec. board 4х0,5", "Elec. board 5х0,5"};
constexpr std::array<const char*, 1> kCylinderBoardItems{"Elec. board 0,5"};
constexpr std::array<const char*, 2> kMaterials{"Copper", "Aluminum"};
constexpr std::array<const char*, 2> kShapes{"rect", "cikl"};
constexpr std::array<const char*, 3> kWindings{"Lower voltage", "Higher voltage", "Coil KU"};
// The KU item as a hand-over for a scheme with a KU winding puts it back.
constexpr const char* kKuItemRestored = "Обмотка КУ";

constexpr int kRectShape = 0;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// Width of a number field of the input group.
constexpr int kFieldWidth = 90;

// "l01, mm:" with the l in italics, as the drawing writes the symbol.
QWidget* yokeDistanceCaption(QWidget* parent) {
    auto* holder = new QWidget(parent);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    QLabel* symbol = plainLabel(QStringLiteral("l"), holder);
    QFont italic = symbol->font();
    italic.setItalic(true);
    symbol->setFont(italic);
    row->addWidget(symbol);
    row->addWidget(plainLabel(QStringLiteral("01, mm:"), holder));
    row->addStretch();
    return holder;
}

}  // namespace

QString windingItemText(Winding winding) { return text(kWindings.at(static_cast<size_t>(winding))); }
QString shapeItemText(int item) { return text(kShapes.at(static_cast<size_t>(item))); }

TEtapII::TEtapII(AppContext& context) : context_(context) {
    setObjectName(QStringLiteral("EtapII"));
    setWindowTitle(QStringLiteral("Phase II - Calculation of the winding"));
    setFormFont(this, 16);

    auto* input = new QGroupBox(QStringLiteral("Input"), this);
    input->setObjectName(QStringLiteral("GroupBox_Input"));
    buildInputs(input);

    // The two drawings sit beside the inputs; they shrink with the window,
    // and scroll when it is smaller still.
    auto* drawings = new QWidget(this);
    auto* drawingRow = new QHBoxLayout(drawings);
    drawingRow->setContentsMargins(0, 0, 0, 0);
    drawingRow->addWidget(new ConductorLayoutDrawing(drawings), 0);
    coreWindowDrawing_ = new CoreWindowDrawing(drawings);
    drawingRow->addWidget(coreWindowDrawing_, 1);

    auto* catalogue = new QGroupBox(QStringLiteral("Search parameters wires in the table:"), this);
    catalogue->setObjectName(QStringLiteral("GroupBox_Search"));
    buildSearch(catalogue);

    const ReportGroup results = reportGroup(QStringLiteral("Results of calculation"), QStringLiteral("GroupBox_Result"),
                                            QStringLiteral("Memo_Rez_ob"), QStringLiteral("BitBtn1"), this);
    Memo_Rez_ob = results.memo;
    BitBtn1 = results.copyButton;
    // The short-circuit check of the finished windings, beside the report.
    const ReportGroup shortCircuit = reportGroup(QStringLiteral("Short-circuit check"), QStringLiteral("GroupBox_KZ"),
                                                 QStringLiteral("Memo_KZ"), QStringLiteral("BitBtn2"), this);
    Memo_KZ = shortCircuit.memo;
    BitBtn2 = shortCircuit.copyButton;

    // The commands stand beside the reports they write.
    buildCommands();
    auto* commands = new QVBoxLayout;
    commands->setContentsMargins(0, 20, 0, 0);
    for (QPushButton* command :
         {Button1, RaschetObmotki_NN, Rasch_Obmotok, Raschet_KU, ButtonExcelIn, ButtonExcelOut}) {
        commands->addWidget(command);
    }
    commands->addStretch();
    auto* lower = new QWidget(this);
    auto* lowerLayout = new QHBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addLayout(commands);
    lowerLayout->addWidget(results.group, 3);
    lowerLayout->addWidget(shortCircuit.group, 2);

    // The inputs run down the left; the drawings and the wire catalogue
    // share the right; the commands and reports take the whole width below.
    QScrollArea* drawingPane = scrollingPane(QStringLiteral("ScrollBox_Drawings"), drawings, this);
    // The drawings shrink to their smallest before the window scrolls them
    // up and down; across, the pane scrolls on a narrow window.
    drawingPane->setMinimumHeight(drawings->minimumSizeHint().height());
    QWidget* const rightPanes[] = {drawingPane, catalogue};
    QSplitter* right = namedSplitter(QStringLiteral("Splitter_Drawings_II"), Qt::Vertical, rightPanes,
                                     std::array{1, 1}, this);
    QWidget* const upperPanes[] = {scrollingPane(QStringLiteral("ScrollBox_Input_II"), input, this), right};
    QSplitter* upper = namedSplitter(QStringLiteral("Splitter_Inputs_II"), Qt::Horizontal, upperPanes,
                                     std::array{0, 1}, this);
    QWidget* const rows[] = {upper, lower};
    QSplitter* form = namedSplitter(QStringLiteral("Splitter_Report_II"), Qt::Vertical, rows, std::array{1, 1}, this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form);
    setTabChain({Ed_l_01, CB_delta, Ed_a_01, CB_delt, Ed_n_sl, Ed_ak, Ed_nk, Edi_K_t_nepl, SE_a, CB_NN_VN, ChB_KU,
                 CB__mater, Ed_search, CB_c_r, Serch_provod, SG_Sech, But_Seh, Delet_provod, Redakt_provod,
                 Raschet_zigzag, Button1, RaschetObmotki_NN, Rasch_Obmotok, Raschet_KU, Memo_Rez_ob, BitBtn1, Memo_KZ,
                 BitBtn2});

    connectHandlers();

    // The catalogue is read as the window is made; a file that cannot be
    // read is said so, and the catalogue starts empty.
    for (const QString& problem : context_.wires.load(context_.catalogueFolder, context_.shippedWireCatalogue)) {
        context_.messages->error(problem);
    }
    showWireTable();
    context_.stage2.sel_row = 0;
    context_.stage2.manual_par = false;
    context_.stage2.hv_manual_par = false;
    setCatalogueControlsEnabled(false);
    SE_a->setEnabled(false);
    Rasch_Obmotok->setEnabled(false);

    centre(this, {1400, 900});
}

void TEtapII::buildInputs(QGroupBox* group) {
    auto* grid = new QGridLayout(group);
    int row = 0;
    const auto addRow = [&](QWidget* label, QWidget* control) {
        grid->addWidget(label, row, 0);
        grid->addWidget(control, row, 1);
        ++row;
    };

    Ed_l_01 = namedField("Ed_l_01", "15", group, kFieldWidth);
    addRow(yokeDistanceCaption(group), Ed_l_01);
    CB_delta = namedList("CB_delta", utf8Items(kBoardItems), 0, group);
    addRow(plainLabel(QStringLiteral("δ01, mm:"), group), CB_delta);
    Ed_a_01 = namedField("Ed_a_01", "4", group, kFieldWidth);
    addRow(plainLabel(QStringLiteral("а01, mm:"), group), Ed_a_01);
    CB_delt = namedList("CB_delt", utf8Items(kCylinderBoardItems), 0, group);
    addRow(plainLabel(QStringLiteral("Insulation LV  HV:"), group), CB_delt);

    const WindingFields& lv = kWindingFields[static_cast<size_t>(Winding::Lv)];
    Lab_sloev = namedLabel("Lab_sloev", lv.layerCaption, group);
    Ed_n_sl = namedField("Ed_n_sl", lv.layers, group, kFieldWidth);
    addRow(Lab_sloev, Ed_n_sl);

    Lab_kan = namedLabel("Lab_kan", lv.channelCaption, group);
    Ed_ak = namedField("Ed_ak", lv.channelWidth, group, kFieldWidth);
    Ed_nk = namedField("Ed_nk", lv.channels, group, kFieldWidth);
    auto* channels = new QHBoxLayout;
    channels->addWidget(Ed_ak);
    channels->addWidget(plainLabel(QStringLiteral("х"), group));
    channels->addWidget(Ed_nk);
    grid->addWidget(Lab_kan, row, 0);
    grid->addLayout(channels, row, 1);
    ++row;

    Edi_K_t_nepl = namedField("Edi_K_t_nepl", "1,03", group, kFieldWidth);
    addRow(plainLabel(QStringLiteral("Coef laying wire leak (1,015..1,03):"), group), Edi_K_t_nepl);

    Lab_par_vetv = namedLabel("Lab_par_vetv", lv.parallelCaption, group);
    SE_a = new QSpinBox(group);
    SE_a->setObjectName(QStringLiteral("SE_a"));
    SE_a->setRange(1, 8);
    SE_a->setValue(1);
    SE_a->setMaximumWidth(90);
    addRow(Lab_par_vetv, SE_a);

    CB_NN_VN = namedList("CB_NN_VN", utf8Items(kWindings), static_cast<int>(Winding::Lv), group);
    addRow(plainLabel(QStringLiteral("Coil:"), group), CB_NN_VN);
    ChB_KU = new QCheckBox(QStringLiteral("consideration winding KU"), group);
    ChB_KU->setObjectName(QStringLiteral("ChB_KU"));
    ChB_KU->setChecked(true);
    grid->addWidget(ChB_KU, row, 0, 1, 2);
    ++row;

    L_Tip_Pr = namedLabel("L_Tip_Pr", lv.wireCaption, group);
    QFont bold = L_Tip_Pr->font();
    bold.setBold(true);
    L_Tip_Pr->setFont(bold);
    grid->addWidget(L_Tip_Pr, row, 0, 1, 2);
    ++row;
    grid->setRowStretch(row, 1);
}

void TEtapII::buildSearch(QGroupBox* group) {
    CB__mater = namedList("CB__mater", utf8Items(kMaterials), 1, group);
    Ed_search = namedField("Ed_search", "0", group, kFieldWidth);
    CB_c_r = namedList("CB_c_r", utf8Items(kShapes), kRectShape, group);
    Serch_provod = namedButton("Serch_provod", "Searches of the table", group);

    auto* search = new QHBoxLayout;
    search->addWidget(plainLabel(QStringLiteral("Material:"), group));
    search->addWidget(CB__mater);
    search->addSpacing(12);
    search->addWidget(plainLabel(QStringLiteral("s, mm2:"), group));
    search->addWidget(Ed_search);
    search->addSpacing(12);
    search->addWidget(plainLabel(QStringLiteral("Type:"), group));
    search->addWidget(CB_c_r);
    search->addSpacing(12);
    search->addWidget(Serch_provod);
    search->addStretch();

    SG_Sech = new WireGrid(context_.wires, group);
    But_Seh = namedButton("But_Seh", "Add wire", group);
    Delet_provod = namedButton("Delet_provod", "Remove the wire", group);
    Redakt_provod = namedButton("Redakt_provod", "Edit wire", group);
    Raschet_zigzag = namedButton("Raschet_zigzag", "Parameters Z", group);
    // Under the grid, which keeps the whole width for its eight columns.
    auto* wireCommands = new QHBoxLayout;
    wireCommands->addWidget(But_Seh);
    wireCommands->addWidget(Delet_provod);
    wireCommands->addWidget(Redakt_provod);
    wireCommands->addStretch();
    wireCommands->addWidget(Raschet_zigzag);

    auto* layout = new QVBoxLayout(group);
    layout->addLayout(search);
    layout->addWidget(SG_Sech, 1);
    layout->addLayout(wireCommands);
}

void TEtapII::buildCommands() {
    Button1 = namedButton("Button1", "<<Magnetic", this);
    RaschetObmotki_NN = namedButton("RaschetObmotki_NN", "Calculation LV", this);
    Rasch_Obmotok = namedButton("Rasch_Obmotok", "Calculation HV", this);
    Raschet_KU = namedButton("Raschet_KU", "Calculation KU", this);
    // Wires are not exchanged with spreadsheets: these two stay hidden and do nothing.
    ButtonExcelIn = namedButton("Button2", "Загрузить провод из Excel", this);
    ButtonExcelOut = namedButton("Button3", "Передать провод в Exel", this);
    ButtonExcelIn->hide();
    ButtonExcelOut->hide();

    markMnemonics({Button1, RaschetObmotki_NN, Rasch_Obmotok, Raschet_KU, Serch_provod, But_Seh, Delet_provod,
                   Redakt_provod, Raschet_zigzag},
                  u"MLHKSAREZ");
}

void TEtapII::connectHandlers() {
    onUserChoice(CB_NN_VN, [this] { CB_NN_VNChange(); });
    connect(ChB_KU, &QCheckBox::toggled, this, &TEtapII::ChB_KUClick);
    connect(SG_Sech, &QTableView::clicked, this, [this](const QModelIndex& cell) { SG_SechSelectCell(cell.row()); });
    connect(SE_a, &QSpinBox::valueChanged, this, &TEtapII::SE_aChange);
    connect(RaschetObmotki_NN, &QPushButton::clicked, this, &TEtapII::RaschetObmotki_NNClick);
    connect(Rasch_Obmotok, &QPushButton::clicked, this, &TEtapII::Rasch_ObmotokClick);
    connect(Raschet_KU, &QPushButton::clicked, this, &TEtapII::Raschet_KUClick);
    connect(Raschet_zigzag, &QPushButton::clicked, this, &TEtapII::Raschet_zigzagClick);
    connect(But_Seh, &QPushButton::clicked, this, &TEtapII::But_SehClick);
    connect(Delet_provod, &QPushButton::clicked, this, &TEtapII::Delet_provodClick);
    connect(Redakt_provod, &QPushButton::clicked, this, &TEtapII::Redakt_provodClick);
    connect(Serch_provod, &QPushButton::clicked, this, &TEtapII::Serch_provodClick);
    connect(Button1, &QPushButton::clicked, this, &TEtapII::Button1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TEtapII::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TEtapII::BitBtn2Click);
}

// ---- Shared steps of the handlers ------------------------------------------

void TEtapII::showWindingCaptions(Winding winding) {
    const WindingFields& fields = kWindingFields[static_cast<size_t>(winding)];
    Lab_par_vetv->setText(text(fields.parallelCaption));
    Lab_kan->setText(text(fields.channelCaption));
    L_Tip_Pr->setText(text(fields.wireCaption));
    Lab_sloev->setText(text(fields.layerCaption));
}

void TEtapII::loadWindingDefaults(Winding winding) {
    const WindingFields& fields = kWindingFields[static_cast<size_t>(winding)];
    setTextIfChanged(Ed_ak, text(fields.channelWidth));
    setTextIfChanged(Ed_nk, text(fields.channels));
    setTextIfChanged(Ed_n_sl, text(fields.layers));
}

// The program moves the selector without running its handler. With the KU
// item gone (Y/Zn-11) the selector is left without a selection.
void TEtapII::selectWinding(Winding winding) { selectSilently(CB_NN_VN, static_cast<int>(winding)); }

void TEtapII::setCatalogueControlsEnabled(bool enabled) {
    catalogueEnabled_ = enabled;
    updateCatalogueControls();
}

// Remove, Edit and "Add wire" wait while a wire taken out for editing is in
// the "Add wire" window: a removal would save the catalogue without it.
void TEtapII::updateCatalogueControls() {
    SG_Sech->setEnabled(catalogueEnabled_);
    Ed_search->setEnabled(catalogueEnabled_);
    Serch_provod->setEnabled(catalogueEnabled_);
    CB_c_r->setEnabled(catalogueEnabled_);
    But_Seh->setEnabled(catalogueEnabled_ && !editingWire_);
    Delet_provod->setEnabled(catalogueEnabled_ && !editingWire_);
    Redakt_provod->setEnabled(catalogueEnabled_ && !editingWire_);
}

void TEtapII::resetSearch() {
    selectSilently(CB_c_r, kRectShape);
    setTextIfChanged(Ed_search, QStringLiteral("0"));
}

void TEtapII::enableCalculations(bool ku, bool lv, bool hv) {
    Raschet_KU->setEnabled(ku);
    RaschetObmotki_NN->setEnabled(lv);
    Rasch_Obmotok->setEnabled(hv);
}

Stage2Effects TEtapII::runCalculation(const std::function<void(Report&, Stage2Effects&)>& calculation) {
    Report memo(memoLines(Memo_Rez_ob));
    Stage2Effects effects;
    runCommand(
        *context_.messages, [&] { calculation(memo, effects); },
        [&] {
            showReport(Memo_Rez_ob, memo);
            showShortCircuitCheck();
            applyEffects(effects);
            coreWindowDrawing_->showWindow(coreWindowFromState(context_.design, context_.stage2, ChB_KU->isChecked()));
        },
        {this, context_.windows.ku});
    return effects;
}

void TEtapII::showShortCircuitCheck() {
    const std::optional<ShortCircuitFigures>& figures = context_.stage2.short_circuit;
    Memo_KZ->setPlainText(figures ? shortCircuitLines(*figures).join(QLatin1Char('\n')) : QString());
}

void TEtapII::applyEffects(const Stage2Effects& effects) {
    if (effects.catalogueControlsEnabled) setCatalogueControlsEnabled(*effects.catalogueControlsEnabled);
    if (effects.parallelSpinEnabled) SE_a->setEnabled(*effects.parallelSpinEnabled);
    if (effects.calculateHvEnabled) Rasch_Obmotok->setEnabled(*effects.calculateHvEnabled);
    if (effects.calculateKuEnabled) Raschet_KU->setEnabled(*effects.calculateKuEnabled);
    if (effects.shapeToRect) selectSilently(CB_c_r, kRectShape);
    if (effects.l_01Text) setTextIfChanged(Ed_l_01, *effects.l_01Text);
    if (effects.k_tText) setTextIfChanged(Edi_K_t_nepl, *effects.k_tText);
    if (effects.akText) setTextIfChanged(Ed_ak, *effects.akText);
    if (effects.a_01Text) setTextIfChanged(Ed_a_01, *effects.a_01Text);
}

StageTwoSettings TEtapII::settings() const {
    StageTwoSettings s;
    s.l_01 = Ed_l_01->text();
    s.k_t = Edi_K_t_nepl->text();
    s.a_01 = Ed_a_01->text();
    s.boardIndex = CB_delta->currentIndex();
    s.cylinderBoardIndex = CB_delt->currentIndex();
    s.materialIndex = CB__mater->currentIndex();
    if (CB_NN_VN->currentIndex() == static_cast<int>(Winding::Lv)) s.lvLayers = Ed_n_sl->text();
    return s;
}

void TEtapII::showWireTable() {
    SG_Sech->showWires();
}

void TEtapII::setEditingWire(bool editing) {
    editingWire_ = editing;
    updateCatalogueControls();
}

// ---- Opening from Stage I --------------------------------------------------

void TEtapII::handOver() {
    context_.stage2.beginWindings();

    enableCalculations(true, false, false);
    selectWinding(Winding::Ku);

    Memo_Rez_ob->clear();
    showShortCircuitCheck();
    resetSearch();
    ChB_KU->setChecked(true);
    coreWindowDrawing_->showWindow(std::nullopt);

    showWindingCaptions(Winding::Ku);
    loadWindingDefaults(Winding::Ku);

    setCatalogueControlsEnabled(false);
    SE_a->setEnabled(false);
    Ed_n_sl->setEnabled(true);

    const int scheme = context_.design.scheme;
    if (carriesKuWinding(scheme)) {
        if (CB_NN_VN->count() < 3) CB_NN_VN->addItem(text(kKuItemRestored));
        Raschet_zigzag->hide();
        ChB_KU->show();
        Raschet_KU->show();
    }
    if (scheme == kSchemeYZn11) {
        CB_NN_VN->removeItem(static_cast<int>(Winding::Ku));
        ChB_KU->setChecked(false);
        ChB_KU->hide();
        Raschet_KU->hide();
        RaschetObmotki_NN->setEnabled(true);
        selectWinding(Winding::Lv);
        selectSilently(CB_c_r, kRectShape);
        showWindingCaptions(Winding::Lv);
        Raschet_zigzag->show();
    }
}

// ---- Handlers --------------------------------------------------------------

void TEtapII::CB_NN_VNChange() {
    Stage2State& s = context_.stage2;
    switch (CB_NN_VN->currentIndex()) {
    case static_cast<int>(Winding::Lv):
        s.hv_done = s.lv_done = false;
        s.lv_wire_picked = s.hv_wire_picked = false;
        enableCalculations(false, true, false);
        showWindingCaptions(Winding::Lv);
        loadWindingDefaults(Winding::Lv);
        setCatalogueControlsEnabled(false);
        Ed_n_sl->setEnabled(true);
        SE_a->setEnabled(false);
        break;
    case static_cast<int>(Winding::Hv):
        s.hv_done = false;
        s.hv_wire_picked = false;
        enableCalculations(false, false, true);
        showWindingCaptions(Winding::Hv);
        loadWindingDefaults(Winding::Hv);
        selectSilently(CB_c_r, kRectShape);
        setCatalogueControlsEnabled(false);
        Ed_n_sl->setEnabled(false);
        SE_a->setEnabled(false);
        break;
    case static_cast<int>(Winding::Ku):
        s.restartWindings();
        enableCalculations(true, false, true);
        s.forgetConductorSearch();
        Memo_Rez_ob->clear();
        resetSearch();
        ChB_KU->setChecked(true);
        showWindingCaptions(Winding::Ku);
        loadWindingDefaults(Winding::Ku);
        Ed_n_sl->setEnabled(true);
        SE_a->setEnabled(false);
        break;
    default:
        break;
    }
}

// Runs on every change of the box, by the user or by the program.
void TEtapII::ChB_KUClick() {
    Stage2State& s = context_.stage2;
    s.forgetConductorSearch();
    Memo_Rez_ob->clear();
    resetSearch();
    if (ChB_KU->isChecked()) {
        s.lv_wire_picked = s.lv_done = false;
        s.ku_wire_picked = s.ku_done = s.ku_manual_par = false;
        enableCalculations(true, false, false);
        selectWinding(Winding::Ku);
        showWindingCaptions(Winding::Ku);
        loadWindingDefaults(Winding::Ku);
    } else {
        s.lv_wire_picked = s.lv_done = false;
        enableCalculations(false, true, false);
        selectWinding(Winding::Lv);
        showWindingCaptions(Winding::Lv);
        loadWindingDefaults(Winding::Lv);
    }
}

// A picked wire becomes the conductor of the winding the selector shows. A
// row without a wire (the blank last row) only moves the selection.
void TEtapII::SG_SechSelectCell(int row) {
    if (!SG_Sech->isEnabled()) return;
    Stage2State& s = context_.stage2;
    s.sel_row = row;
    if (!context_.wires.isRealWire(row)) return;
    const WireRecord& wire = context_.wires.records()[static_cast<size_t>(row)];
    s.chosen_wire = wire;

    const int item = CB_NN_VN->currentIndex();
    if (item < 0 || item >= static_cast<int>(kWindingFields.size())) return;
    const WindingFields& fields = kWindingFields[static_cast<size_t>(item)];
    L_Tip_Pr->setText(text(fields.wireCaption) + QLatin1Char(' ') + wire.tip() + QLatin1Char(' ') + formatF3(wire.s) +
                      text(fields.sectionUnit));
    s.lv_wire_picked = item == static_cast<int>(Winding::Lv);
    s.hv_wire_picked = item == static_cast<int>(Winding::Hv);
    s.ku_wire_picked = item == static_cast<int>(Winding::Ku);
}

// The spin edit holds the LV parallel count; the HV and KU calculations read
// the spin edit itself, so a change there leaves the LV count alone.
void TEtapII::SE_aChange(int value) {
    if (CB_NN_VN->currentIndex() == static_cast<int>(Winding::Lv)) context_.stage2.n_par = value;
}

// Each calculation first makes sure the Stage I results it builds on are
// still those of the inputs; then it reads the fields as typed and rewrites
// a typed "." where its steps read them.
void TEtapII::RaschetObmotki_NNClick() {
    if (!context_.windows.etapI->confirmResultsCurrent()) return;
    LvInputs in;
    in.l_01 = Ed_l_01->text();
    in.k_t = Edi_K_t_nepl->text();
    in.ak = Ed_ak->text();
    in.a_01 = Ed_a_01->text();
    in.material = CB__mater->currentText();
    in.numhU = context_.windows.etapI->tapStepsField()->text();
    in.boardIndex = CB_delta->currentIndex();
    in.n_sl = Ed_n_sl->text();
    in.nk = Ed_nk->text();
    in.layerCaption = Lab_sloev->text();
    in.channelCaption = Lab_kan->text();
    in.parallelSpin = SE_a->value();
    in.shapeIndex = CB_c_r->currentIndex();
    in.kuTicked = ChB_KU->isChecked();

    runCalculation([&](Report& memo, Stage2Effects& effects) {
        calculateLv(in, context_.design, context_.stage2, context_.wires.records(), memo, effects);
    });
}

void TEtapII::Rasch_ObmotokClick() {
    if (!context_.windows.etapI->confirmResultsCurrent()) return;
    HvInputs in;
    in.ak = Ed_ak->text();
    in.material = CB__mater->currentText();
    in.materialIndex = CB__mater->currentIndex();
    in.shapeIndex = CB_c_r->currentIndex();
    in.cylinderBoardIndex = CB_delt->currentIndex();
    in.parallelSpin = SE_a->value();
    in.nk = Ed_nk->text();
    in.channelCaption = Lab_kan->text();
    in.kuTicked = ChB_KU->isChecked();
    in.boardIndex = CB_delta->currentIndex();

    runCalculation([&](Report& memo, Stage2Effects& effects) {
        calculateHv(in, context_.design, context_.stage2, context_.wires.records(), memo, effects);
    });
}

bool TEtapII::calculateKu(int unbalanceItem, const QString& zeroSequenceCurrentText) {
    if (!context_.windows.etapI->confirmResultsCurrent()) return false;
    KuInputs in;
    in.unbalanceItem = unbalanceItem;
    in.In = zeroSequenceCurrentText;
    in.l_01 = Ed_l_01->text();
    in.k_t = Edi_K_t_nepl->text();
    in.ak = Ed_ak->text();
    in.material = CB__mater->currentText();
    in.n_sl = Ed_n_sl->text();
    in.nk = Ed_nk->text();
    in.a_01 = Ed_a_01->text();
    in.layerCaption = Lab_sloev->text();
    in.channelCaption = Lab_kan->text();
    in.parallelSpin = SE_a->value();
    in.boardIndex = CB_delta->currentIndex();

    const Stage2Effects effects = runCalculation([&](Report& memo, Stage2Effects& effects) {
        dravik::calculateKu(in, context_.design, context_.stage2, context_.wires.records(), memo, effects);
    });
    return effects.hideKuWindow;
}

void TEtapII::Raschet_KUClick() {
    if (!context_.windows.etapI->confirmResultsCurrent()) return;
    context_.windows.ku->show();
    context_.windows.ku->raise();
}

void TEtapII::Raschet_zigzagClick() {
    context_.windows.zigzag->show();
    context_.windows.zigzag->raise();
}

void TEtapII::But_SehClick() {
    context_.windows.provod->show();
    context_.windows.provod->raise();
}

void TEtapII::Delet_provodClick() {
    const int row = context_.stage2.sel_row;
    if (!context_.wires.isRealWire(row)) return;
    runCommand(*context_.messages, [&] { context_.wires.remove(row); }, [&] { showWireTable(); });
}

// The wire goes into "Add wire" as stored and out of the catalogue; the file
// keeps it until it comes back through "Add".
void TEtapII::Redakt_provodClick() {
    const int row = context_.stage2.sel_row;
    if (!context_.wires.isRealWire(row)) return;
    context_.windows.provod->showWire(context_.wires.records()[static_cast<size_t>(row)]);
    context_.wires.takeOut(row);
    showWireTable();
    setEditingWire(true);
    context_.windows.provod->show();
    context_.windows.provod->raise();
}

// Finds the next wire after the selected row; the grid moves to it without
// making it the winding's conductor (that takes a pick).
void TEtapII::Serch_provodClick() {
    std::optional<WireSearchResult> found;
    runCommand(*context_.messages, [&] {
        found = searchWires(context_.wires.records(), context_.stage2.sel_row, Ed_search->text(),
                            CB__mater->currentText(), CB_c_r->currentIndex());
    });
    if (!found || found->row >= SG_Sech->rowCount()) return;
    context_.stage2.sel_row = found->row;
    SG_Sech->showRowAtTop(found->row);
}

// "<<Magnetic": back to Stage I, ready to start on the KU winding again.
void TEtapII::Button1Click() {
    Stage2State& s = context_.stage2;
    enableCalculations(true, false, false);
    selectWinding(Winding::Ku);
    s.forgetConductorSearch();
    Memo_Rez_ob->clear();
    resetSearch();
    ChB_KU->setChecked(true);
    showWindingCaptions(Winding::Ku);
    loadWindingDefaults(Winding::Ku);
    hide();
    context_.windows.etapI->show();
}

void TEtapII::BitBtn1Click() {
    copyReport(Memo_Rez_ob, BitBtn1, *context_.messages, text(texts::kStage2Copied));
}

void TEtapII::BitBtn2Click() {
    copyReport(Memo_KZ, BitBtn2, *context_.messages, text(texts::kShortCircuitCopied));
}

// The close box also leads back to Stage I, ready to start on the LV winding.
void TEtapII::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!isVisible()) return;
    Stage2State& s = context_.stage2;
    s.manual_par = s.hv_manual_par = false;
    if (!s.ku_done) Memo_Rez_ob->clear();
    enableCalculations(false, true, false);
    ChB_KU->setChecked(false);
    selectWinding(Winding::Lv);
    resetSearch();
    s.wire_found = s.hv_wire_found = false;
    showWindingCaptions(Winding::Lv);
    context_.windows.etapI->show();
}

}  // namespace dravik
