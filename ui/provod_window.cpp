#include "provod_window.h"

#include "app_context.h"
#include "catalogues/wire_entry.h"
#include "common/number_text.h"
#include "controls.h"
#include "design/wire_record.h"
#include "drawings/conductor_sketch.h"
#include "etap_ii.h"
#include "messages.h"
#include "window_keys.h"
#include "window_placement.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace dravik {
namespace {

// Width of a size field.
constexpr int kSizeFieldWidth = 110;

}  // namespace

TProvod_dobavitj::TProvod_dobavitj(AppContext& context) : context_(context) {
    setObjectName(QStringLiteral("Provod_dobavitj"));
    setWindowTitle(QStringLiteral("Add wire"));
    setFormFont(this, 16);

    Ed_Tip_Pr = namedField(wire_entry::kTip.control, QStringLiteral(" "), this);

    RG_Vid_sech = new QGroupBox(QStringLiteral("Specify the type of wire size"), this);
    RG_Vid_sech->setObjectName(QStringLiteral("RG_Vid_sech"));
    roundItem_ = new QRadioButton(QStringLiteral("Round"), RG_Vid_sech);
    rectangularItem_ = new QRadioButton(QStringLiteral("Rectangular"), RG_Vid_sech);
    rectangularItem_->setChecked(true);
    auto* shapes = new QVBoxLayout(RG_Vid_sech);
    shapes->addWidget(roundItem_);
    shapes->addWidget(rectangularItem_);

    Ed_D = namedField(wire_entry::kD.control, QStringLiteral("0"), this, kSizeFieldWidth);
    Ed_a = namedField(wire_entry::kA.control, QStringLiteral("0"), this, kSizeFieldWidth);
    Ed_b = namedField(wire_entry::kB.control, QStringLiteral("0"), this, kSizeFieldWidth);
    Ed_s = namedField(wire_entry::kS.control, QStringLiteral("0"), this, kSizeFieldWidth);
    Ed_2delt = namedField(wire_entry::kDelta2.control, QStringLiteral("0"), this, kSizeFieldWidth);

    // Editable, so that a stored material other than the two listed is shown
    // and kept as it is when an edited wire comes back.
    CB_Matr = new QComboBox(this);
    CB_Matr->setObjectName(QString::fromUtf8(wire_entry::kMaterial.control));
    CB_Matr->setEditable(true);
    CB_Matr->setInsertPolicy(QComboBox::NoInsert);
    CB_Matr->addItem(QStringLiteral("Copper"));
    CB_Matr->addItem(QStringLiteral("Aluminum"));
    CB_Matr->setCurrentIndex(1);

    Button1 = namedButton(QStringLiteral("Button1"), QStringLiteral("Add"), this);
    connect(Button1, &QPushButton::clicked, this, &TProvod_dobavitj::Button1Click);

    auto* fields = new QGridLayout;
    int row = 0;
    // The captions a refusal names the fields by, each with its colon.
    const auto addRow = [&](const CatalogueField& field, QWidget* control) {
        fields->addWidget(plainLabel(field.label(), this), row, 0);
        fields->addWidget(control, row, 1);
        ++row;
    };
    addRow(wire_entry::kTip, Ed_Tip_Pr);
    fields->addWidget(RG_Vid_sech, row++, 0, 1, 2);
    addRow(wire_entry::kD, Ed_D);
    addRow(wire_entry::kA, Ed_a);
    addRow(wire_entry::kB, Ed_b);
    addRow(wire_entry::kS, Ed_s);
    addRow(wire_entry::kDelta2, Ed_2delt);
    addRow(wire_entry::kMaterial, CB_Matr);
    fields->addWidget(Button1, row, 0, 1, 2);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(new ConductorSketch(this), 0, Qt::AlignTop);

    // The type name is where the user starts, and where the focus lands when
    // the window opens, so that opening it never looks like entering a size.
    setTabOrder(Ed_Tip_Pr, roundItem_);
    setTabOrder(roundItem_, rectangularItem_);
    setTabOrder(rectangularItem_, Ed_D);
    setTabOrder(Ed_D, Ed_a);
    setTabOrder(Ed_a, Ed_b);
    setTabOrder(Ed_b, Ed_s);
    setTabOrder(Ed_s, Ed_2delt);
    setTabOrder(Ed_2delt, CB_Matr);
    setTabOrder(CB_Matr, Button1);
    Ed_Tip_Pr->setFocus();

    // Typing into a field or choosing a shape or material is the user's doing;
    // what the program writes into the fields is not.
    for (QLineEdit* field : {Ed_Tip_Pr, Ed_D, Ed_a, Ed_b, Ed_s, Ed_2delt, CB_Matr->lineEdit()}) {
        connect(field, &QLineEdit::textEdited, this, &TProvod_dobavitj::markTyped);
    }
    for (QRadioButton* shape : {roundItem_, rectangularItem_}) {
        connect(shape, &QRadioButton::clicked, this, &TProvod_dobavitj::markTyped);
    }
    connect(CB_Matr, &QComboBox::activated, this, &TProvod_dobavitj::markTyped);

    Ed_D->installEventFilter(this);
    Ed_a->installEventFilter(this);
    Ed_b->installEventFilter(this);

    markMnemonics({Button1}, u"A");
    closeOnEscape(this);
    pressOnEnter(this, Button1);
    fixAndCentre(this, {520, 420});
}

// Entering the diameter means a round wire, which has no sides; entering a
// side means a rectangular one.
bool TProvod_dobavitj::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && enteredByUser(static_cast<QFocusEvent*>(event))) {
        if (watched == Ed_D) {
            setTextIfChanged(Ed_a, QStringLiteral("0"));
            setTextIfChanged(Ed_b, QStringLiteral("0"));
            roundItem_->setChecked(true);
        } else if (watched == Ed_a || watched == Ed_b) {
            rectangularItem_->setChecked(true);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TProvod_dobavitj::showWire(const WireRecord& wire) {
    holdsEditedWire_ = true;
    setTextIfChanged(Ed_Tip_Pr, wire.tip());
    if (wire.isRound()) roundItem_->setChecked(true);
    if (wire.isRectangular()) rectangularItem_->setChecked(true);
    setTextIfChanged(Ed_D, formatF3(wire.D));
    setTextIfChanged(Ed_a, formatF3(wire.a));
    setTextIfChanged(Ed_b, formatF3(wire.b));
    setTextIfChanged(Ed_s, formatF3(wire.s));
    setTextIfChanged(Ed_2delt, formatF3(wire.delta2));
    CB_Matr->setEditText(wire.mater());
}

TProvod_dobavitj::AddOutcome TProvod_dobavitj::addWire() {
    WireEntryTexts entry;
    entry.tip = Ed_Tip_Pr->text();
    entry.round = roundItem_->isChecked();
    entry.D = pointToCommaInField(Ed_D);
    entry.a = pointToCommaInField(Ed_a);
    entry.b = pointToCommaInField(Ed_b);
    entry.s = pointToCommaInField(Ed_s);
    entry.delta2 = pointToCommaInField(Ed_2delt);
    entry.material = CB_Matr->currentText();

    WireRecord wire;
    if (!runCommand(*context_.messages, [&] { wire = wireFromEntry(entry); })) return AddOutcome::EntryInvalid;
    // A full catalogue refuses the wire and stays as it was; a wire that is
    // in the catalogue but could not be written to the file is in all the same.
    const std::vector<WireRecord> before = context_.wires.records();
    runCommand(*context_.messages, [&] { context_.wires.add(wire); });
    if (context_.wires.records() == before) return AddOutcome::Refused;

    resetFields();
    context_.windows.etapII->showWireTable();
    context_.windows.etapII->setEditingWire(false);
    return AddOutcome::Added;
}

void TProvod_dobavitj::resetFields() {
    holdsEditedWire_ = false;
    typedSinceShown_ = false;
    setTextIfChanged(Ed_Tip_Pr, QStringLiteral(" "));
    rectangularItem_->setChecked(true);
    for (QLineEdit* size : {Ed_D, Ed_a, Ed_b, Ed_s, Ed_2delt}) setTextIfChanged(size, QStringLiteral("0"));
}

void TProvod_dobavitj::Button1Click() {
    if (addWire() == AddOutcome::Added) hide();
}

void TProvod_dobavitj::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) typedSinceShown_ = false;
}

void TProvod_dobavitj::markTyped() { typedSinceShown_ = true; }

// The close box (and Escape) adds the wire as "Add" does, so that a wire
// taken out for editing always comes back. While the fields do not describe a
// wire the window stays open for them to be put right. A window opened and closed
// again without a thing typed adds nothing. When the program ends, every
// window is closed: that adds nothing, and an edited wire is still in the file.
void TProvod_dobavitj::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!isVisible() || !closedByUser(this, event)) return;
    if (!typedSinceShown_ && !holdsEditedWire_) return;
    if (addWire() == AddOutcome::EntryInvalid) event->ignore();
}

}  // namespace dravik
