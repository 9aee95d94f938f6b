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
#include <QSpinBox>
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

    auto* top = new QHBoxLayout;
    top->addWidget(input);
    top->addWidget(section, 1);
    top->addWidget(core, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    buildCommands();
    auto* commands = new QGridLayout;
    commands->addWidget(Button_Raschet, 0, 0);
    commands->addWidget(Button9, 0, 1);
    commands->addWidget(Button11, 0, 2);
    commands->addWidget(Button10, 0, 3);
    commands->addWidget(But_EtapII, 1, 0, 1, 2);
    commands->addWidget(Button12, 1, 2);
    commands->addWidget(Button7, 1, 3);
    layout->addLayout(commands);
    layout->addWidget(results.group, 1);

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
    Button_Raschet->setStyleSheet(QStringLiteral("color: green;"));
    Button9 = namedButton(QStringLiteral("Button9"), QStringLiteral("Pick sheets for power"), this);
    Button11 = namedButton(QStringLiteral("Button11"), QStringLiteral("Size of yoke"), this);
    Button10 = namedButton(QStringLiteral("Button10"), QStringLiteral("Add steel"), this);
    But_EtapII = namedButton(QStringLiteral("But_EtapII"), QStringLiteral("Calculation of the solenoid coil>>"), this);
    But_EtapII->setEnabled(false);
    Button12 = namedButton(QStringLiteral("Button12"), QStringLiteral("About the program"), this);
    Button7 = namedButton(QStringLiteral("Button7"), QStringLiteral("Exit"), this);

    connect(Button_Raschet, &QPushButton::clicked, this, &TEtapI::Button_RaschetClick);
    connect(Button9, &QPushButton::clicked, this, &TEtapI::Button9Click);
    connect(Button11, &QPushButton::clicked, this, &TEtapI::Button11Click);
    connect(Button10, &QPushButton::clicked, this, &TEtapI::Button10Click);
    connect(But_EtapII, &QPushButton::clicked, this, &TEtapI::But_EtapIIClick);
    connect(Copy_to_clipboard, &QPushButton::clicked, this, &TEtapI::Copy_to_clipboardClick);
    connect(Button12, &QPushButton::clicked, this, &TEtapI::Button12Click);
    connect(Button7, &QPushButton::clicked, this, [this] { context_.quit(); });
}

void TEtapI::followYokeWindow(const TIarmo_razmery& yoke) {
    feedCoreViews(*Image2, {Ed_C, Ed_Lc, Ed_A, Ed_a, CB_Dnom->lineEdit()}, yoke.widthField(0));
}

void TEtapI::closeEvent(QCloseEvent* event) {
    event->accept();
    context_.quit();
}

void TEtapI::Button_RaschetClick() {
    But_EtapII->setEnabled(false);
    TIarmo_razmery& yoke = *context_.windows.iarmo;

    // A point typed out of habit becomes a comma in every length field first.
    MagneticInputs in;
    in.C = pointToCommaInField(Ed_C);
    in.Lc = pointToCommaInField(Ed_Lc);
    in.Cok = pointToCommaInField(Ed_Cok);
    for (int i = 0; i < 8; ++i) in.A[i] = pointToCommaInField(Ed_A[i]);
    for (int i = 0; i < 8; ++i) in.a[i] = pointToCommaInField(Ed_a[i]);
    for (int i = 0; i < 8; ++i) in.B[i] = pointToCommaInField(yoke.widthField(i));
    for (int i = 0; i < 8; ++i) in.b[i] = pointToCommaInField(yoke.thicknessField(i));
    in.dz = pointToCommaInField(Ed_dz);
    in.steelIndex = CB_M_st->currentIndex();
    in.Uvn = CB_Uvn->currentText();
    in.Un = CB_Un->currentText();
    in.insulationIndex = CB_Iz_st->currentIndex();
    in.hB = Ed_h_B->text();
    in.hU = Ed_h_U->text();
    in.numhU = Ed_num_h_U->text();
    in.shem = CB_Shem->currentText();
    in.snom = CB_Snom->currentText();

    Report report(memoLines(Memo_Result));
    bool bothCriteriaMet = false;
    runCommand(
        *context_.messages,
        [&] { bothCriteriaMet = calculateMagneticCircuit(in, context_.steels.entries(), context_.design, report); },
        [&] { showReport(Memo_Result, report); });
    But_EtapII->setEnabled(bothCriteriaMet);
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
    runCommand(*context_.messages, [&] { pickStandardSheets(in, context_.coreGeometry, out); }, apply);
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
    context_.windows.etapII->handOver();
    hide();
    context_.windows.etapII->show();
}

void TEtapI::Copy_to_clipboardClick() {
    copyReport(Memo_Result, *context_.messages, QString::fromUtf8(texts::kStage1Copied));
}

void TEtapI::Button12Click() { context_.windows.about->show(); }

void TEtapI::CB_ShemChange() {
    if (const auto scheme = schemeFromText(CB_Shem->currentText())) context_.design.scheme = *scheme;
}

}  // namespace dravik
