#include "ku_window.h"

#include "app_context.h"
#include "controls.h"
#include "drawings/ku_sketch.h"
#include "etap_ii.h"
#include "window_keys.h"
#include "window_placement.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <array>

namespace dravik {
namespace {

// The unbalanced loads the KU can be sized for: phase impedances in the ratio
// 1 : 2 : 4 at two load levels, the same load with phase A open, or a
// zero-sequence current typed by the designer.
constexpr std::array<const char*, 4> kUnbalanceItems{
    "Za=1,0; Zb=2Za; Zc=4Za.",
    "Za=10,0; Zb=2Za; Zc=4Za.",
    "disconnect of one phase А  Za=1,0; Zb=2Za; Zc=4Za.",
    "enter Iн manual ",
};
constexpr int kFirstItem = 0;
constexpr int kManualCurrent = 3;

constexpr const char* kNote =
    "The compensating device (KU) is a winding of its own on every rod of the core. It lies innermost, "
    "right on the steel, under the LV winding.\n"
    "\n"
    "When the phases of the LV side are loaded unequally, the LV windings carry zero-sequence currents. "
    "In a Y/Y-0 transformer nothing on the HV side balances them, so they set up zero-sequence magnetic "
    "fluxes. These fluxes are in phase in all three rods and cannot close through the core: they leave it "
    "through the oil, the tank and the clamping parts, and induce an EMF that distorts the phase "
    "voltages.\n"
    "\n"
    "The KU coils of the three rods are connected in series into the neutral lead of the LV star, so the "
    "neutral current of the unbalanced load flows through all of them. Each coil has a third of the LV "
    "turns: its ampere-turns oppose the zero-sequence ampere-turns of its LV phase and suppress the "
    "zero-sequence flux. No distorting EMF is induced, and the phase voltages stay symmetrical.\n"
    "\n"
    "A Y/Y-0 transformer with a KU therefore behaves like a Y/Z-0 one. Where the Y/Z-0 scheme may not "
    "be used, the KU is the only means of suppressing the zero-sequence fluxes.\n"
    "\n"
    "Choose the unbalance the KU must carry, or enter the zero-sequence current in relative units "
    "(rated LV current = 1), and press \"Calculation KU\". The KU is calculated before the LV winding, "
    "which is wound over it.";

}  // namespace

QString unbalanceItemText(int item) { return QString::fromUtf8(kUnbalanceItems.at(static_cast<size_t>(item))); }

TRaschet_obmotok_KU::TRaschet_obmotok_KU(AppContext& context) : context_(context) {
    setObjectName(QStringLiteral("Raschet_obmotok_KU"));
    setWindowTitle(QStringLiteral("Расчет обмотки компенсационного устройства (КУ)"));
    setFormFont(this, 16);

    auto* core = new KuCoreSketch(this);
    core->setObjectName(QStringLiteral("Image1"));
    auto* rod = new KuRodSketch(this);
    rod->setObjectName(QStringLiteral("Image2"));

    Memo1 = readOnlyMemo(QStringLiteral("Memo1"), 14, this);
    Memo1->setPlainText(QString::fromUtf8(kNote));

    buildChoice();

    auto* side = new QVBoxLayout;
    side->addWidget(Memo1, 1);
    side->addWidget(RG_Nesimm_Regim);
    auto* current = new QHBoxLayout;
    current->addWidget(Label1);
    current->addWidget(Ed_In);
    current->addStretch(1);
    current->addWidget(Button1);
    side->addLayout(current);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(core);
    layout->addWidget(rod);
    layout->addLayout(side, 1);

    // The chosen conductor is never empty: until a grid row is picked it is
    // the catalogue's first wire.
    if (context_.wires.count() > 0) context_.stage2.chosen_wire = context_.wires.records().front();

    markMnemonics({Button1}, u"C");
    closeOnEscape(this);
    pressOnEnter(this, Button1);
    fixAndCentre(this, {1302, 545});
}

void TRaschet_obmotok_KU::buildChoice() {
    RG_Nesimm_Regim = new QGroupBox(QStringLiteral("Choice unbalanced"), this);
    RG_Nesimm_Regim->setObjectName(QStringLiteral("RG_Nesimm_Regim"));
    unbalanceItems_ = new QButtonGroup(RG_Nesimm_Regim);
    auto* items = new QVBoxLayout(RG_Nesimm_Regim);
    for (int i = 0; i < static_cast<int>(kUnbalanceItems.size()); ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(kUnbalanceItems[i]), RG_Nesimm_Regim);
        unbalanceItems_->addButton(radio, i);
        items->addWidget(radio);
    }
    unbalanceItems_->button(kFirstItem)->setChecked(true);
    connect(unbalanceItems_, &QButtonGroup::idClicked, this, [this](int) { RG_Nesimm_RegimClick(); });

    Label1 = namedLabel(QStringLiteral("Label1"), QStringLiteral("In, r. u. (Irat=1):"), this);
    Ed_In = namedField(QStringLiteral("Ed_In"), QStringLiteral("0,5"), this, 90);
    Ed_In->setEnabled(false);

    Button1 = namedButton(QStringLiteral("Button1"), QStringLiteral("Calculation KU"), this);
    connect(Button1, &QPushButton::clicked, this, &TRaschet_obmotok_KU::Button1Click);
}

void TRaschet_obmotok_KU::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A hidden window being shown, not one the window system merely restores.
    if (!event->spontaneous()) FormShow();
}

// The typed current counts only for "enter Iн manual"; each opening starts
// from that rule again.
void TRaschet_obmotok_KU::FormShow() {
    Ed_In->setEnabled(false);
    if (unbalanceItems_->checkedId() == kManualCurrent) Ed_In->setEnabled(true);
}

// Choosing the manual current opens the field; leaving it again keeps the
// field as it is until the next opening of the window.
void TRaschet_obmotok_KU::RG_Nesimm_RegimClick() {
    if (unbalanceItems_->checkedId() == kManualCurrent) Ed_In->setEnabled(true);
}

void TRaschet_obmotok_KU::Button1Click() {
    if (context_.windows.etapII->calculateKu(unbalanceItems_->checkedId(), Ed_In->text())) hide();
}

}  // namespace dravik
