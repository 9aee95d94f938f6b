#include "stalj_window.h"

#include "app_context.h"
#include "arrow_spin_box.h"
#include "catalogues/workbook_reader.h"
#include "common/command_error.h"
#include "common/number_text.h"
#include "common/runtime_texts.h"
#include "controls.h"
#include "etap_i.h"
#include "messages.h"
#include "steel_grid.h"
#include "window_keys.h"
#include "window_placement.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace dravik {
namespace {

// Position of "3404 GOST USSR 21427", the grade a new design starts with.
constexpr int kDefaultSteelPosition = 2;

// Point rows a visit starts with, a loaded steel fills, and a workbook fills.
constexpr int kStartPoints = 25;
constexpr int kWorkbookPoints = kCurveSheetRows;
// What the spin edits show after a new steel was stored.
constexpr int kPointsAfterAdding = 4;
constexpr int kMinPoints = 1;

// The editor's rolling list, by item index: 0 cold-rolled ('c'), 1 hot-rolled ('h').
constexpr int kColdRolled = 0;
constexpr int kHotRolled = 1;

// A name of this many characters or fewer is too short to be taken as the
// chosen steel's name while the user types into "Choose to edit:".
constexpr int kShortName = 2;

struct GridTexts {
    const char* name;
    const char* captionTop;
    const char* captionBottom;
    const char* inductionHead;
    const char* valueHead;
    const char* countName;
};

// Losses, magnetising power in the rod, in the butt joint. The left grid's
// "pс" is written with the Cyrillic letter, as the form always had it.
constexpr std::array<GridTexts, 3> kGridTexts{{
    {"SG_q_c", "Specific losses in steel ", "W/kg:", "Bc, T", "pс, W/kg", "SE_num_q_c"},
    {"SG_q_ia", "Specific magnetizing power", "in the rod, W/kg:", "Bc, T", "pc, W/kg", "SE_num_q_ia"},
    {"SG_p_st_ud", "Specific Magnetizing power", " in the butt , W/m2:", "Bc, T", "qc, W/kg", "SE_p_st_ud"},
}};

// An editable list's text, set from the program without running its handler.
void setEditTextSilently(QComboBox* combo, const QString& text) {
    const QSignalBlocker blocker(combo);
    combo->setEditText(text);
}

}  // namespace

TStalj_dobavitj_redaktirovatj::TStalj_dobavitj_redaktirovatj(AppContext& context) : context_(context) {
    setObjectName(QStringLiteral("Stalj_dobavitj_redaktirovatj"));
    setWindowTitle(QStringLiteral("Add / edit steel"));
    setFormFont(this, 16);
    buildGrids();
    buildSteelFields();
    loadCatalogue();
    FormShow();
    markMnemonics({Stalj_vvod, Vvod_stalj_edit, Button1}, u"ISE");
    closeOnEscape(this);
    centre(this, {1100, 760});
}

void TStalj_dobavitj_redaktirovatj::buildGrids() {
    auto* layout = new QGridLayout(this);
    for (int i = 0; i < kGrids; ++i) {
        const GridTexts& t = kGridTexts[static_cast<std::size_t>(i)];
        layout->addWidget(plainLabel(QString::fromUtf8(t.captionTop), this), 0, i);
        layout->addWidget(plainLabel(QString::fromUtf8(t.captionBottom), this), 1, i);
        grids_[i] = new CurveGrid(QString::fromUtf8(t.name), QString::fromUtf8(t.inductionHead),
                                  QString::fromUtf8(t.valueHead), this);
        layout->addWidget(grids_[i], 2, i);

        counts_[i] = new ArrowSpinBox(this);
        counts_[i]->setObjectName(QString::fromUtf8(t.countName));
        counts_[i]->setRange(kMinPoints, CurveGrid::kPointRows);
        counts_[i]->setValue(kStartPoints);
        rememberedCounts_[i] = kStartPoints;
        grids_[i]->showPoints(kStartPoints);
        connect(counts_[i], &QSpinBox::valueChanged, this, [this, i] { SE_Change(i); });

        auto* countRow = new QHBoxLayout;
        countRow->addWidget(plainLabel(QStringLiteral("All lines:"), this));
        countRow->addWidget(counts_[i]);
        countRow->addStretch();
        layout->addLayout(countRow, 3, i);
    }
    layout->setRowStretch(2, 1);
}

void TStalj_dobavitj_redaktirovatj::buildSteelFields() {
    auto* panel = new QVBoxLayout;
    Ed_Tip = new QLineEdit(this);
    Ed_Tip->setObjectName(QStringLiteral("Ed_Tip"));
    CB_tip_prokat = new QComboBox(this);
    CB_tip_prokat->setObjectName(QString::fromUtf8(steel_entry::kRolling.control));
    CB_tip_prokat->addItems({QStringLiteral("Cold-rolled"), QStringLiteral("Hot-rolled")});
    Ed_dz = new QLineEdit(this);
    Ed_dz->setObjectName(QString::fromUtf8(steel_entry::kThickness.control));
    // Typing here filters the names itself; a completer would type for the user.
    CB_Tip_Edit = new QComboBox(this);
    CB_Tip_Edit->setObjectName(QStringLiteral("CB_Tip_Edit"));
    CB_Tip_Edit->setEditable(true);
    CB_Tip_Edit->setInsertPolicy(QComboBox::NoInsert);
    CB_Tip_Edit->setCompleter(nullptr);
    CB_Tip_Edit->setMinimumContentsLength(24);
    Stalj_vvod = namedButton("Stalj_vvod", "Introduce a new type of steel", this);
    Vvod_stalj_edit = namedButton("Vvod_stalj_edit", "Save the changes", this);
    Button1 = namedButton("Button1", "Excel", this);

    panel->addWidget(plainLabel(QStringLiteral("Type steel:"), this));
    panel->addWidget(Ed_Tip);
    panel->addWidget(CB_tip_prokat);
    auto* thicknessRow = new QHBoxLayout;
    thicknessRow->addWidget(plainLabel(steel_entry::kThickness.label(), this));
    thicknessRow->addWidget(Ed_dz);
    panel->addLayout(thicknessRow);
    panel->addSpacing(12);
    panel->addWidget(plainLabel(QStringLiteral("Choose to edit:"), this));
    panel->addWidget(CB_Tip_Edit);
    panel->addSpacing(12);
    panel->addWidget(Stalj_vvod);
    panel->addWidget(Vvod_stalj_edit);
    panel->addWidget(Button1);
    panel->addStretch();
    panel->addWidget(plainLabel(QStringLiteral("f=50 Hz"), this), 0, Qt::AlignRight);

    auto* layout = static_cast<QGridLayout*>(this->layout());
    layout->addLayout(panel, 0, kGrids, 4, 1);

    connect(Ed_Tip, &QLineEdit::textChanged, this, &TStalj_dobavitj_redaktirovatj::Ed_TipChange);
    onUserChoice(CB_Tip_Edit, [this] { CB_Tip_EditChange(); });
    connect(Stalj_vvod, &QPushButton::clicked, this, &TStalj_dobavitj_redaktirovatj::Stalj_vvodClick);
    connect(Vvod_stalj_edit, &QPushButton::clicked, this, &TStalj_dobavitj_redaktirovatj::Vvod_stalj_editClick);
    connect(Button1, &QPushButton::clicked, this, &TStalj_dobavitj_redaktirovatj::Button1Click);
}

void TStalj_dobavitj_redaktirovatj::loadCatalogue() {
    const QStringList problems = context_.steels.load(context_.catalogueFolder);
    fillSteelLists();
    selectSilently(context_.windows.etapI->steelList(), kDefaultSteelPosition);
    for (const QString& problem : problems) context_.messages->error(problem);
}

void TStalj_dobavitj_redaktirovatj::fillSteelLists() {
    QComboBox* stageOneList = context_.windows.etapI->steelList();
    const QSignalBlocker blockStageOne(stageOneList);
    const QSignalBlocker blockEditList(CB_Tip_Edit);
    stageOneList->clear();
    CB_Tip_Edit->clear();
    stageOneList->addItems(context_.steels.names());
    CB_Tip_Edit->addItems(context_.steels.names());
}

// A new steel comes last in the catalogue, so it comes last in both lists
// and Stage I keeps the steel it had.
void TStalj_dobavitj_redaktirovatj::appendSteelName(const QString& name) {
    QComboBox* stageOneList = context_.windows.etapI->steelList();
    const QSignalBlocker blockStageOne(stageOneList);
    const QSignalBlocker blockEditList(CB_Tip_Edit);
    stageOneList->addItem(name);
    CB_Tip_Edit->addItem(name);
}

// A changed steel keeps its place in the catalogue, so Stage I gets back
// the position it had chosen (which may be the changed steel itself).
void TStalj_dobavitj_redaktirovatj::refillSteelLists() {
    const int stageOneChoice = context_.windows.etapI->steelList()->currentIndex();
    const QString editText = CB_Tip_Edit->currentText();
    fillSteelLists();
    selectSilently(context_.windows.etapI->steelList(), stageOneChoice);
    setEditTextSilently(CB_Tip_Edit, editText);
}

// The window starts every visit as a blank new steel. Only a real show (from
// Stage I) resets it: coming back to it from another program or from a
// message box keeps everything typed.
void TStalj_dobavitj_redaktirovatj::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TStalj_dobavitj_redaktirovatj::FormShow() {
    Vvod_stalj_edit->setEnabled(false);
    Stalj_vvod->setEnabled(true);
    edit_index = 0;
    blankTheSteel(kStartPoints, true);
}

void TStalj_dobavitj_redaktirovatj::closeEvent(QCloseEvent* event) {
    event->accept();
    context_.windows.etapI->show();
}

void TStalj_dobavitj_redaktirovatj::returnToStageOne() {
    hide();
    context_.windows.etapI->show();
}

// The grid follows its spin edit. A drop blanks only the row the count
// stood at before; rows further down keep their texts, hidden until the
// count grows again.
void TStalj_dobavitj_redaktirovatj::SE_Change(int grid) {
    const int count = counts_[grid]->value();
    grids_[grid]->showPoints(count);
    if (count < rememberedCounts_[grid]) grids_[grid]->blankRow(rememberedCounts_[grid]);
    rememberedCounts_[grid] = count;
}

void TStalj_dobavitj_redaktirovatj::setPointCount(int grid, int count) { counts_[grid]->setValue(count); }

// Any change of the name makes the entry a new steel, whose curves the user
// may change (a built-in grade's too); a name of more than two characters
// also lets go of the steel chosen for editing.
void TStalj_dobavitj_redaktirovatj::Ed_TipChange() {
    setCurvesReadOnly(false);
    if (Ed_Tip->text().size() > kShortName) setEditTextSilently(CB_Tip_Edit, kBlankMarker);
    Vvod_stalj_edit->setEnabled(false);
    Stalj_vvod->setEnabled(true);
}

// Choosing (or typing) a name switches to editing. Only stored steels can
// be changed: a built-in grade is shown read-only, and "Save the changes"
// then refuses until a stored steel is chosen; to keep a copy of the grade,
// the user gives it a name of its own.
void TStalj_dobavitj_redaktirovatj::CB_Tip_EditChange() {
    const QString chosen = CB_Tip_Edit->currentText();
    edit_index = 0;
    setCurvesReadOnly(false);
    if (chosen.size() > kShortName) setTextIfChanged(Ed_Tip, chosen);
    Vvod_stalj_edit->setEnabled(true);
    Stalj_vvod->setEnabled(false);

    if (const int matched = context_.steels.storedIndexOf(chosen); matched > 0) {
        loadStoredSteel(matched);
    } else if (const int builtin = context_.steels.builtinPositionOf(chosen); builtin >= 0) {
        showBuiltinSteel(builtin);
    }
}

void TStalj_dobavitj_redaktirovatj::loadStoredSteel(int storedIndex) {
    edit_index = storedIndex;
    const SteelEntry& steel = context_.steels.storedEntry(storedIndex);
    showSteel(steel, formatF3(steel.thickness_mm));
}

// A built-in grade has no sheet thickness of its own.
void TStalj_dobavitj_redaktirovatj::showBuiltinSteel(int position) {
    showSteel(context_.steels.entries()[static_cast<std::size_t>(position)], kBlankMarker);
    setCurvesReadOnly(true);
}

void TStalj_dobavitj_redaktirovatj::setCurvesReadOnly(bool readOnly) {
    for (int i = 0; i < kGrids; ++i) {
        grids_[i]->setReadOnly(readOnly);
        counts_[i]->setEnabled(!readOnly);
    }
}

// A catalogue steel's 25 points go into rows 1..25 of the three grids, in
// the report's number format, so that saving them unchanged reads them back.
void TStalj_dobavitj_redaktirovatj::showSteel(const SteelEntry& steel, const QString& thicknessText) {
    for (int i = 0; i < kGrids; ++i) setPointCount(i, kStartPoints);
    setTextIfChanged(Ed_Tip, steel.name);
    setTextIfChanged(Ed_dz, thicknessText);
    if (steel.rolling == 'c') CB_tip_prokat->setCurrentIndex(kColdRolled);
    if (steel.rolling == 'h') CB_tip_prokat->setCurrentIndex(kHotRolled);
    for (int row = 1; row <= kStartPoints; ++row) {
        const SteelPoint& point = steel.points[static_cast<std::size_t>(row - 1)];
        const std::array<double, kGrids> values{point.p, point.q, point.qz};
        for (int i = 0; i < kGrids; ++i) {
            grids_[i]->setCellText(row, 0, formatF3(point.B));
            grids_[i]->setCellText(row, 1, formatF3(values[static_cast<std::size_t>(i)]));
        }
    }
}

std::array<CurveGridTexts, TStalj_dobavitj_redaktirovatj::kGrids> TStalj_dobavitj_redaktirovatj::gridTexts() const {
    std::array<CurveGridTexts, kGrids> texts;
    for (int i = 0; i < kGrids; ++i) texts[i] = grids_[i]->texts(counts_[i]->value());
    return texts;
}

SteelInput TStalj_dobavitj_redaktirovatj::steelInput(const std::array<RawCurve, kGrids>& curves) const {
    SteelInput steel;
    steel.name = Ed_Tip->text();
    steel.rollingChoice = CB_tip_prokat->currentIndex();
    steel.thicknessText = firstPointToComma(Ed_dz->text());
    steel.p = curves[0];
    steel.q = curves[1];
    steel.qz = curves[2];
    return steel;
}

// The curves are collected from a copy of the grids' texts: a refused save
// leaves the grids as the user left them.
void TStalj_dobavitj_redaktirovatj::Stalj_vvodClick() {
    std::array<CurveGridTexts, kGrids> texts = gridTexts();
    const int storedBefore = context_.steels.storedCount();
    const bool stored = runCommand(*context_.messages,
                                   [&] { context_.steels.add(steelInput(collectCurveGrids(texts))); });
    // A failed write leaves the new steel in the catalogue; the lists follow it.
    if (context_.steels.storedCount() > storedBefore) appendSteelName(context_.steels.entries().back().name);
    if (!stored) return;
    blankTheSteel(kPointsAfterAdding, false);
    returnToStageOne();
}

void TStalj_dobavitj_redaktirovatj::Vvod_stalj_editClick() {
    if (edit_index == 0) {
        context_.messages->error(QString::fromUtf8(texts::kChooseStoredSteel));
        return;
    }
    std::array<CurveGridTexts, kGrids> texts = gridTexts();
    const QStringList namesBefore = context_.steels.names();
    const bool stored = runCommand(*context_.messages, [&] {
        context_.steels.replace(edit_index, steelInput(collectCurveGrids(texts)));
    });
    if (stored || context_.steels.names() != namesBefore) refillSteelLists();
    if (!stored) return;
    blankTheSteel(kStartPoints, true);
    returnToStageOne();
}

// Blank grids and fields, as a visit starts and as a save leaves them.
void TStalj_dobavitj_redaktirovatj::blankTheSteel(int pointCount, bool clearEditList) {
    setCurvesReadOnly(false);
    for (CurveGrid* grid : grids_) grid->blankAll();
    setTextIfChanged(Ed_Tip, kBlankMarker);
    CB_tip_prokat->setCurrentIndex(-1);
    setTextIfChanged(Ed_dz, kBlankMarker);
    if (clearEditList) setEditTextSilently(CB_Tip_Edit, kBlankMarker);
    for (int i = 0; i < kGrids; ++i) setPointCount(i, pointCount);
}

// An empty text when the user cancels.
QString TStalj_dobavitj_redaktirovatj::workbookPath() { return context_.chooseWorkbook(this); }

// The curves of a workbook: sheets "Лист1", "Лист2", "Лист3", rows 1..13,
// induction and value, into the left, middle and right grid. The whole
// workbook is read first, so a bad file leaves the grids as they were.
// Nothing is stored; the user saves with one of the two buttons.
void TStalj_dobavitj_redaktirovatj::Button1Click() {
    runCommand(*context_.messages, [&] {
        const QString path = workbookPath();
        if (path.isEmpty()) return;
        const std::array<CurveSheet, 3> sheets = readCurveWorkbook(path);
        setCurvesReadOnly(false);  // the curves are the workbook's now, not a built-in grade's
        for (int i = 0; i < kGrids; ++i) setPointCount(i, kWorkbookPoints);
        for (int i = 0; i < kGrids; ++i) {
            for (int row = 1; row <= kWorkbookPoints; ++row) {
                for (int column = 0; column < 2; ++column) {
                    grids_[i]->setCellText(row, column, sheets[static_cast<std::size_t>(i)][row - 1][column]);
                }
            }
        }
    });
}

}  // namespace dravik
