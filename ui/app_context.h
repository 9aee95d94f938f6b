#pragma once

#include "catalogues/steel_catalogue.h"
#include "catalogues/wire_table.h"
#include "design/design_state.h"
#include "design/stage2_state.h"
#include "magnetic/core_geometry.h"
#include "magnetic/stage1_results.h"

#include <QString>
#include <QStringList>
#include <functional>

class QSettings;

namespace dravik {

class MessageSink;
class TEtapI;
class TEtapII;
class TProvod_dobavitj;
class TIarmo_razmery;
class TStalj_dobavitj_redaktirovatj;
class TRaschet_obmotok_KU;
class TO_programme;
class TZigzag_parametry;
class TVarianty;
class TSpravka;

// The windows reach one another through these references, set as each
// window is created (in this order).
struct Windows {
    TEtapI* etapI = nullptr;
    TEtapII* etapII = nullptr;
    TProvod_dobavitj* provod = nullptr;
    TIarmo_razmery* iarmo = nullptr;
    TStalj_dobavitj_redaktirovatj* stalj = nullptr;
    TRaschet_obmotok_KU* ku = nullptr;
    TO_programme* about = nullptr;
    TZigzag_parametry* zigzag = nullptr;
    TVarianty* varianty = nullptr;
    TSpravka* help = nullptr;
};

// Everything one run of the program holds: the design state that Stage I
// leaves for Stage II, the Stage II state, both catalogues and the folder
// they live in. One instance, owned by the application and handed to every
// window.
struct AppContext {
    QString catalogueFolder;
    QString shippedWireCatalogue;  // the standard range installed with the program
    MessageSink* messages = nullptr;
    // The workbook the steel editor's "Excel" imports: the user's choice in a
    // file dialog, or the one a script run names; empty when the user cancels.
    std::function<QString(QWidget* parent)> chooseWorkbook;
    // Where the windows keep their places and splitters between runs; none
    // in script mode, whose runs leave no trace of that kind.
    QSettings* windowSettings = nullptr;
    // Ends the program: "Exit" and the close box of Stage I.
    std::function<void()> quit;
    // Performs script lines on the windows as a user would, through the
    // session's own action path, so that they are recorded in the design:
    // how "Apply" of the design variants makes a variant the design.
    std::function<void(const QStringList&)> performActions;

    DesignState design;
    // The Stage I inputs the design state's results come from.
    Stage1Results stage1Results;
    Stage2State stage2;
    CoreGeometryMemory coreGeometry;
    SteelCatalogue steels;
    WireTable wires;

    Windows windows;
};

}  // namespace dravik
