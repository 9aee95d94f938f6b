#include "variant_apply.h"

#include "design/winding_fields.h"
#include "etap_ii.h"
#include "ku_window.h"
#include "magnetic/core_geometry.h"

#include <cmath>
#include <numbers>

namespace dravik {
namespace {

// Lengths and counts of a variant are whole numbers; the fields take them so.
QString whole(double value) { return QString::number(std::lround(value)); }

QString degrees(double radians) { return QString::number(std::lround(radians * 180 / std::numbers::pi)); }

}  // namespace

std::vector<ApplyAction> applyingActions(const Sweep& sweep, const Variant& variant, const ApplyStart& start) {
    const DesignInputs in = sweep.inputs(variant);
    std::vector<ApplyAction> actions;

    QStringList stageOne;
    if (start.stageTwoShown) stageOne << QStringLiteral("click EtapII.Button1");
    stageOne << QStringLiteral("choose EtapI.CB_Dnom %1")
                    .arg(QString::fromLatin1(kStandardDiameters.at(static_cast<size_t>(variant.diameterItem))))
             << QStringLiteral("click EtapI.Button9")
             << QStringLiteral("set EtapI.Ed_Lc %1").arg(variant.lc_mm)
             << QStringLiteral("set EtapI.Ed_C %1").arg(variant.C_mm)
             << QStringLiteral("choose EtapI.CB_M_st %1").arg(sweep.steels().at(static_cast<size_t>(variant.steelIndex)).name)
             << QStringLiteral("click EtapI.Button_Raschet");
    actions.push_back({ApplyStep::StageOne, stageOne});

    QStringList handOver{QStringLiteral("click EtapI.But_EtapII"),
                         QStringLiteral("choose EtapII.CB__mater %1").arg(in.lv.material)};
    // A scheme without the KU winding has the zigzag LV.
    if (!in.lv.kuTicked && !start.zigzagAngleDefault) {
        handOver << QStringLiteral("click EtapII.Raschet_zigzag")
                 << QStringLiteral("set Zigzag_parametry.Ed_b %1").arg(degrees(in.zigzagAngle_rad))
                 << QStringLiteral("click Zigzag_parametry.Zeta_vvod");
    }
    if (in.lv.kuTicked) {
        handOver << QStringLiteral("click EtapII.Raschet_KU")
                 << QStringLiteral("choose Raschet_obmotok_KU.RG_Nesimm_Regim %1").arg(unbalanceItemText(in.ku.unbalanceItem))
                 << QStringLiteral("click Raschet_obmotok_KU.Button1");
    }
    actions.push_back({ApplyStep::HandOver, handOver});

    actions.push_back({ApplyStep::Lv,
                       {QStringLiteral("choose EtapII.CB_NN_VN %1").arg(windingItemText(Winding::Lv)),
                        QStringLiteral("set EtapII.Ed_n_sl %1").arg(whole(in.lv.n_sl.value())),
                        QStringLiteral("click EtapII.RaschetObmotki_NN")}});
    actions.push_back({ApplyStep::Hv,
                       {QStringLiteral("choose EtapII.CB_NN_VN %1").arg(windingItemText(Winding::Hv)),
                        QStringLiteral("choose EtapII.CB_c_r %1").arg(shapeItemText(in.hv.shapeIndex)),
                        QStringLiteral("click EtapII.Rasch_Obmotok")}});
    return actions;
}

}  // namespace dravik
