#include "etap_i.h"

#include "app_context.h"
#include "clipboard_button.h"
#include "common/report.h"
#include "common/runtime_texts.h"
#include "controls.h"
#include "drawings/core_drawing.h"
#include "drawings/field_feeds.h"
#include "drawings/section_drawing.h"
#include "etap_ii.h"
#include "iarmo_razmery.h"
#include "magnetic/magnetic_calculation.h"
#include "magnetic/scheme.h"
#include "messages.h"
#include "o_programme.h"
#include "stalj_window.h"
#include "spravka.h"
#include "varianty_window.h"
#include "window_keys.h"
#include "window_placement.h"

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
#include <QShowEvent>
#include <QSpinBox>
#include <QSplitter>
#include <QVBoxLayout>

namespace dravik {
namespace {

constexpr std::array<const char*, 2> kInsulationItems{"Double nail", "Resistance to heat insulation"};
constexpr std::array<const char*, 2> kLvVoltages{"0,22", "0,38"};
constexpr std::array<const char*, 2> kHvVoltages{"6", "10"};
constexpr std::array<const char*, 8> kPowers{"25", "40", "63", "100", "160", "250", "400", "630"};

// Width of a number field of the input group.
constexpr int kFieldWidth = 80;

}  // namespace

TEtapI::TEtapI(AppContext& context) : context_(context) {
    setObjectName(QStringLiteral("EtapI"));
    setWindowTitle(QStringLiteral(
        "The calculation of the three-phase power transformer 25 - 630 kVA 10(6)/0,4 kV Phase I - Selection of "
        "parameters of the magnetic circuit"));
    setFormFont(this, 16);

    auto* input = new QGroupBox(QStringLiteral("Input"), this);
    input->setObjectName(QStringLiteral("GroupBox_Input"));
    buildInputs(input);

    const ReportGroup results = reportGroup(QStringLiteral("Results of calculation"), QStringLiteral("GroupBox_Result"),
                                            QStringLiteral("Memo_Result"), QStringLiteral("Copy_to_clipboard"), this);
    Memo_Result = results.memo;
    Copy_to_clipboard = results.copyButton;

    auto* section = new SectionDrawing(QStringLiteral("А"), QStringLiteral("а"), this);
    section->setObjectName(QStringLiteral("Image1"));
    auto* core = new CoreDrawing(this);
    core->setObjectName(QStringLiteral("Image2"));
    Image2 = core;
    feedRodSection(*section, {Ed_C, Ed_Lc, Ed_A, Ed_a, CB_Dnom->lineEdit()});

    buildCommands();
    // The commands of the design in one row, the program's own at its end.
    auto* commands = new QHBoxLayout;
    for (QPushButton* command : {Button_Raschet, Button9, Button11, Button10, But_EtapII, But_Varianty})
        commands->addWidget(command);
    commands->addStretch();
    for (QPushButton* command : {Button12, Button13, Button7}) commands->addWidget(command);

    // The commands stay with the report: the splitter above them trades the
    // inputs and drawings for report lines.
    auto* lower = new QWidget(this);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addLayout(commands);
    lowerLayout->addWidget(results.group, 1);

    QWidget* const upperPanes[] = {scrollingPane(QStringLiteral("ScrollBox_Input_I"), input, this), section, core};
    QSplitter* upper = namedSplitter(QStringLiteral("Splitter_Drawings_I"), Qt::Horizontal, upperPanes,
                                     std::array{0, 1, 1}, this);
    QWidget* const rows[] = {upper, lower};
    QSplitter* form = namedSplitter(QStringLiteral("Splitter_Report_I"), Qt::Vertical, rows, std::array{0, 1}, this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form);

    followInputChanges();
    // Along the rows of the packet grid, then down the form.
    setTabChain({Ed_C, Ed_Lc, Ed_Cok, Ed_A[0], Ed_a[0], Ed_A[4], Ed_a[4], Ed_A[1], Ed_a[1], Ed_A[5], Ed_a[5],
                 Ed_A[2], Ed_a[2], Ed_A[6], Ed_a[6], Ed_A[3], Ed_a[3], Ed_A[7], Ed_a[7], Ed_dz, CB_M_st, CB_Iz_st,
                 Ed_h_B, Ed_num_h_U, Ed_h_U, CB_Un, CB_Uvn, CB_Snom, CB_Shem, CB_Dnom, CB_Press, Button_Raschet,
                 Button9, Button11, Button10, But_EtapII, But_Varianty, Button12, Button13, Button7, Memo_Result,
                 Copy_to_clipboard});
    // Enter in any field runs the calculation, the step every change leads to.
    pressOnEnter(this, Button_Raschet);
    centre(this, {1260, 820});
}

void TEtapI::buildInputs(QWidget* group) {
    // Four label/field pairs a row: the packets stand as А1 а1 А5 а5, ...
    auto* grid = new QGridLayout(group);
    int row = 0;
    auto addField = [&](const QString& label, QWidget* field, int pair, int pairSpan = 1) {
        grid->addWidget(plainLabel(label, group), row, pair * 2);
        grid->addWidget(field, row, pair * 2 + 1, 1, pairSpan * 2 - 1);
    };

    Ed_C = namedField(QStringLiteral("Ed_C"), QStringLiteral("0"), group, kFieldWidth);
    Ed_Lc = namedField(QStringLiteral("Ed_Lc"), QStringLiteral("0"), group, kFieldWidth);
    Ed_Cok = namedField(QStringLiteral("Ed_Cok"), QStringLiteral("0"), group, kFieldWidth);
    addField(QStringLiteral("C, mm"), Ed_C, 0);
    addField(QStringLiteral("lс, mm"), Ed_Lc, 1);
    addField(QStringLiteral("Cос, mm"), Ed_Cok, 2);
    ++row;
    for (int i = 0; i < 8; ++i) {
        Ed_A[i] = namedField(QStringLiteral("Ed_A%1").arg(i + 1), QStringLiteral("0"), group, kFieldWidth);
        Ed_a[i] = namedField(QStringLiteral("Ed_a_%1").arg(i + 1), QStringLiteral("0"), group, kFieldWidth);
    }
    for (int i = 0; i < 4; ++i) {
        addField(QStringLiteral("А%1, mm").arg(i + 1), Ed_A[i], 0);
        addField(QStringLiteral("а%1, mm").arg(i + 1), Ed_a[i], 1);
        addField(QStringLiteral("А%1, mm").arg(i + 5), Ed_A[i + 4], 2);
        addField(QStringLiteral("а%1, mm").arg(i + 5), Ed_a[i + 4], 3);
        ++row;
    }

    Ed_dz = namedField(QStringLiteral("Ed_dz"), QStringLiteral("0,35"), group, kFieldWidth);
    grid->addWidget(plainLabel(QStringLiteral("Sheet thickness, mm:"), group), row, 0, 1, 2);
    grid->addWidget(plainLabel(QStringLiteral("δ, mm"), group), row, 2, Qt::AlignRight);
    grid->addWidget(Ed_dz, row, 3);
    ++row;

    CB_M_st = new QComboBox(group);
    CB_M_st->setObjectName(QStringLiteral("CB_M_st"));
    addField(QStringLiteral("Steel grade:"), CB_M_st, 0, 4);
    ++row;
    CB_Iz_st = namedList(QStringLiteral("CB_Iz_st"), utf8Items(kInsulationItems), 0, group);
    addField(QStringLiteral("Insulation sheets:"), CB_Iz_st, 0, 4);
    ++row;

    Ed_h_B = namedField(QStringLiteral("Ed_h_B"), QStringLiteral("0,05"), group, kFieldWidth);
    Ed_num_h_U = namedField(QStringLiteral("Ed_num_h_U"), QStringLiteral("2"), group, kFieldWidth);
    Ed_h_U = namedField(QStringLiteral("Ed_h_U"), QStringLiteral("2,5"), group, kFieldWidth);
    grid->addWidget(plainLabel(QStringLiteral("Increment induction:"), group), row, 0, 1, 2);
    grid->addWidget(Ed_h_B, row, 3);
    grid->addWidget(plainLabel(QStringLiteral("Num contr steps Uhv:"), group), row, 4, 1, 2);
    grid->addWidget(Ed_num_h_U, row, 7);
    ++row;
    grid->addWidget(plainLabel(QStringLiteral("Step control. Uhv, %:"), group), row, 0, 1, 2);
    grid->addWidget(Ed_h_U, row, 3);
    ++row;

    CB_Un = namedList(QStringLiteral("CB_Un"), utf8Items(kLvVoltages), 1, group, true);
    CB_Uvn = namedList(QStringLiteral("CB_Uvn"), utf8Items(kHvVoltages), 1, group, true);
    CB_Snom = namedList(QStringLiteral("CB_Snom"), utf8Items(kPowers), 3, group, true);
    CB_Shem = namedList(QStringLiteral("CB_Shem"), schemeNames(), 1, group, true);
    CB_Dnom = namedList(QStringLiteral("CB_Dnom"), utf8Items(kStandardDiameters), 11, group, true);
    addField(QStringLiteral("Ulv, kV:"), CB_Un, 0);
    addField(QStringLiteral("Uhv, kV:"), CB_Uvn, 1);
    addField(QStringLiteral(" S, kW:"), CB_Snom, 2);
    grid->addWidget(CB_Shem, row, 6, 1, 2);
    ++row;
    CB_Press = new QCheckBox(QStringLiteral("Press plate"), group);
    CB_Press->setObjectName(QStringLiteral("CB_Press"));
    grid->addWidget(plainLabel(QStringLiteral("Diameter of rod, m:"), group), row, 0, 1, 2);
    grid->addWidget(CB_Dnom, row, 3);
    grid->addWidget(plainLabel(QStringLiteral("Magnetic rod:"), group), row, 4, 1, 2);
    grid->addWidget(CB_Press, row, 6, 1, 2);
    ++row;

    // The step count of the standard section is kept here; the user never sees it.
    SE_stup = new QSpinBox(group);
    SE_stup->setObjectName(QStringLiteral("SE_stup"));
    SE_stup->setRange(1, 8);
    SE_stup->setValue(5);
    SE_stup->hide();

    onUserChoice(CB_Shem, [this] { CB_ShemChange(); });
}

void TEtapI::buildCommands() {
    Button_Raschet = namedButton(QStringLiteral("Button_Raschet"), QStringLiteral("Calculation of the magnetic"), this);
    // Green lettering through the palette: a style sheet would also take the
    // button off the window's font once the layout moves it into its row.
    QPalette green = Button_Raschet->palette();
    green.setColor(QPalette::ButtonText, QColor(0, 128, 0));
    Button_Raschet->setPalette(green);
    Button9 = namedButton(QStringLiteral("Button9"), QStringLiteral("Pick sheets for power"), this);
    Button11 = namedButton(QStringLiteral("Button11"), QStringLiteral("Size of yoke"), this);
    Button10 = namedButton(QStringLiteral("Button10"), QStringLiteral("Add steel"), this);
    But_EtapII = namedButton(QStringLiteral("But_EtapII"), QStringLiteral("Calculation of the solenoid coil>>"), this);
    But_EtapII->setEnabled(false);
    But_Varianty = namedButton(QStringLiteral("But_Varianty"), QStringLiteral("Design variants..."), this);
    Button12 = namedButton(QStringLiteral("Button12"), QStringLiteral("About the program"), this);
    Button13 = namedButton(QStringLiteral("Button13"), QStringLiteral("Help"), this);
    Button7 = namedButton(QStringLiteral("Button7"), QStringLiteral("Exit"), this);

    markMnemonics({Button_Raschet, Button9, Button11, Button10, But_EtapII, But_Varianty, Button12, Button13, Button7},
                  u"CPysoDAHx");

    connect(Button_Raschet, &QPushButton::clicked, this, &TEtapI::Button_RaschetClick);
    connect(Button9, &QPushButton::clicked, this, &TEtapI::Button9Click);
    connect(Button11, &QPushButton::clicked, this, &TEtapI::Button11Click);
    connect(Button10, &QPushButton::clicked, this, &TEtapI::Button10Click);
    connect(But_EtapII, &QPushButton::clicked, this, &TEtapI::But_EtapIIClick);
    connect(But_Varianty, &QPushButton::clicked, this, &TEtapI::But_VariantyClick);
    connect(Copy_to_clipboard, &QPushButton::clicked, this, &TEtapI::Copy_to_clipboardClick);
    connect(Button12, &QPushButton::clicked, this, &TEtapI::Button12Click);
    connect(Button13, &QPushButton::clicked, this, &TEtapI::Button13Click);
    connect(Button7, &QPushButton::clicked, this, [this] { context_.quit(); });
}

void TEtapI::followYokeWindow(const TIarmo_razmery& yoke) {
    feedCoreViews(*Image2, {Ed_C, Ed_Lc, Ed_A, Ed_a, CB_Dnom->lineEdit()}, yoke.widthField(0));
    for (int i = 0; i < 8; ++i) {
        connect(yoke.widthField(i), &QLineEdit::textChanged, this, &TEtapI::updateStageIIAccess);
        connect(yoke.thicknessField(i), &QLineEdit::textChanged, this, &TEtapI::updateStageIIAccess);
    }
}

void TEtapI::closeEvent(QCloseEvent* event) {
    event->accept();
    context_.quit();
}

MagneticInputs TEtapI::typedInputs() const {
    MagneticInputs in;
    in.C = Ed_C->text();
    in.Lc = Ed_Lc->text();
    in.Cok = Ed_Cok->text();
    for (int i = 0; i < 8; ++i) {
        in.A[i] = Ed_A[i]->text();
        in.a[i] = Ed_a[i]->text();
    }
    if (const TIarmo_razmery* yoke = context_.windows.iarmo) {
        for (int i = 0; i < 8; ++i) {
            in.B[i] = yoke->widthField(i)->text();
            in.b[i] = yoke->thicknessField(i)->text();
        }
    }
    in.dz = Ed_dz->text();
    in.steelIndex = CB_M_st->currentIndex();
    in.steelName = CB_M_st->currentText();
    in.Uvn = CB_Uvn->currentText();
    in.Un = CB_Un->currentText();
    in.insulationIndex = CB_Iz_st->currentIndex();
    in.hB = Ed_h_B->text();
    in.hU = Ed_h_U->text();
    in.numhU = Ed_num_h_U->text();
    in.shem = CB_Shem->currentText();
    in.snom = CB_Snom->currentText();
    in.dnom = CB_Dnom->currentText();
    in.pressPlate = CB_Press->isChecked();
    return in;
}

bool TEtapI::confirmResultsCurrent() {
    return runCommand(*context_.messages, [&] { context_.stage1Results.requireCurrentFor(typedInputs()); });
}

// Every input of the calculation, and the two of "Pick sheets for power",
// decides whether Stage II may go on from the results.
void TEtapI::followInputChanges() {
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        connect(edit, &QLineEdit::textChanged, this, &TEtapI::updateStageIIAccess);
    }
    for (QComboBox* list : findChildren<QComboBox*>()) {
        connect(list, &QComboBox::currentIndexChanged, this, &TEtapI::updateStageIIAccess);
    }
    connect(CB_Press, &QCheckBox::toggled, this, &TEtapI::updateStageIIAccess);
}

void TEtapI::updateStageIIAccess() {
    But_EtapII->setEnabled(context_.stage1Results.areCurrentFor(typedInputs()));
}

// A change the window made silently (a list set by another window) is
// caught up with when the window comes back.
void TEtapI::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    updateStageIIAccess();
}

// A point typed out of habit shows as a comma in every length field before
// the calculation reads them.
void TEtapI::showLengthTexts(const MagneticInputs& in) {
    setTextIfChanged(Ed_C, in.C.text());
    setTextIfChanged(Ed_Lc, in.Lc.text());
    setTextIfChanged(Ed_Cok, in.Cok.text());
    for (int i = 0; i < 8; ++i) setTextIfChanged(Ed_A[i], in.A[i].text());
    for (int i = 0; i < 8; ++i) setTextIfChanged(Ed_a[i], in.a[i].text());
    for (int i = 0; i < 8; ++i) setTextIfChanged(context_.windows.iarmo->widthField(i), in.B[i].text());
    for (int i = 0; i < 8; ++i) setTextIfChanged(context_.windows.iarmo->thicknessField(i), in.b[i].text());
    setTextIfChanged(Ed_dz, in.dz.text());
}

void TEtapI::Button_RaschetClick() {
    const MagneticInputs in = lengthPointsAsCommas(typedInputs());
    showLengthTexts(in);

    Report report(memoLines(Memo_Result));
    runCommand(
        *context_.messages,
        [&] { calculateMagneticCircuit(in, context_.steels.entries(), context_.design, context_.stage1Results, report); },
        [&] { showReport(Memo_Result, report); }, {this, context_.windows.iarmo});
    updateStageIIAccess();
}

void TEtapI::Button9Click() {
    CoreGeometryInputs in{CB_Snom->currentText(), CB_Dnom->currentText(), CB_Press->isChecked()};
    CoreGeometryResult out;
    const auto apply = [&] {
        if (out.windowTexts) {
            setTextIfChanged(Ed_Lc, (*out.windowTexts)[0]);
            setTextIfChanged(Ed_Cok, (*out.windowTexts)[1]);
            setTextIfChanged(Ed_C, (*out.windowTexts)[2]);
        }
        if (out.dnomIndex) selectSilently(CB_Dnom, *out.dnomIndex);
        if (out.steps) SE_stup->setValue(*out.steps);
        for (int i = 0; i < 8; ++i) {
            if (out.A) setTextIfChanged(Ed_A[i], (*out.A)[i]);
            if (out.a) setTextIfChanged(Ed_a[i], (*out.a)[i]);
        }
        for (int i = 0; i < 6; ++i) {
            if (out.B) setTextIfChanged(context_.windows.iarmo->widthField(i), (*out.B)[i]);
            if (out.b) setTextIfChanged(context_.windows.iarmo->thicknessField(i), (*out.b)[i]);
        }
    };
    context_.coreGeometry.steps = SE_stup->value();
    runCommand(*context_.messages, [&] { pickStandardSheets(in, context_.coreGeometry, out); }, apply,
               {this, context_.windows.iarmo});
    updateStageIIAccess();
}

void TEtapI::Button11Click() {
    context_.windows.iarmo->show();
    context_.windows.iarmo->raise();
}

void TEtapI::Button10Click() {
    hide();
    context_.windows.stalj->show();
}

void TEtapI::But_EtapIIClick() {
    if (!confirmResultsCurrent()) return;
    context_.windows.etapII->handOver();
    hide();
    context_.windows.etapII->show();
}

// The variants start from what the windows hold now.
void TEtapI::But_VariantyClick() {
    context_.windows.varianty->startFromTheWindows();
    context_.windows.varianty->show();
    context_.windows.varianty->raise();
}

void TEtapI::Copy_to_clipboardClick() {
    copyReport(Memo_Result, Copy_to_clipboard, *context_.messages, QString::fromUtf8(texts::kStage1Copied));
}

void TEtapI::Button12Click() { context_.windows.about->show(); }

void TEtapI::Button13Click() { context_.windows.help->showManual(); }

void TEtapI::CB_ShemChange() {
    if (const auto scheme = schemeFromText(CB_Shem->currentText())) context_.design.scheme = *scheme;
}

}  // namespace dravik
