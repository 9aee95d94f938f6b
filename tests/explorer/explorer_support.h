#pragma once

#include "catalogues/provod_file.h"
#include "catalogues/steel_catalogue.h"
#include "design/winding_fields.h"
#include "explorer/sweep.h"
#include "explorer/whole_design.h"
#include "gui/expected_memo.h"
#include "magnetic/core_geometry.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dravik::test {

// The standard range of winding wires a new user starts with, in the order
// the Stage II grid shows it.
inline std::vector<WireRecord> shippedWires() {
    QFile file(QStringLiteral(DRAVIK_SHIPPED_WIRE_CATALOGUE));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << file.fileName().toStdString();
        return {};
    }
    return readProvodImage(file.readAll());
}

inline const std::vector<SteelEntry>& builtInSteels() {
    static const std::vector<SteelEntry> steels = SteelCatalogue().entries();
    return steels;
}

inline std::string joined(const QStringList& lines) { return lines.join(QLatin1Char('\n')).toStdString(); }

// The inputs of a design as the windows hold them at the start of the
// program, after "Pick sheets for power" for `power` (kVA) and the diameter
// 0,13 m, with `scheme` chosen: every number field as its text, the Stage II
// fields as the window loads them for each winding, aluminium conductors.
inline DesignInputs windowDefaults(const char* power, const char* scheme) {
    DesignInputs in;
    MagneticInputs& core = in.core;
    CoreGeometryMemory memory;
    CoreGeometryResult picked;
    pickStandardSheets({power, "0,13", false}, memory, picked);
    core.Lc = (*picked.windowTexts)[0];
    core.Cok = (*picked.windowTexts)[1];
    core.C = (*picked.windowTexts)[2];
    for (int i = 0; i < 8; ++i) {
        core.A[i] = (*picked.A)[i];
        core.a[i] = (*picked.a)[i];
        core.B[i] = i < 6 ? (*picked.B)[i] : QStringLiteral("0");
        core.b[i] = i < 6 ? (*picked.b)[i] : QStringLiteral("0");
    }
    core.dz = "0,35";
    core.steelIndex = 2;  // 3404 GOST USSR 21427
    core.Uvn = "10";
    core.Un = "0,38";
    core.hB = "0,05";
    core.hU = "2,5";
    core.numhU = "2";
    core.shem = QString::fromLatin1(scheme);
    core.snom = power;
    core.dnom = "0,13";

    const bool ku = core.shem != QLatin1String("Y/Zn-11");
    const auto fill = [](auto& winding, Winding kind) {
        const WindingFields& fields = windingFields(kind);
        winding.material = QStringLiteral("Aluminum");
        winding.ak = fields.channelWidth;
        winding.nk = fields.channels;
        winding.channelCaption = QString::fromUtf8(fields.channelCaption);
    };
    fill(in.ku, Winding::Ku);
    in.ku.n_sl = windingFields(Winding::Ku).layers;
    in.ku.layerCaption = QString::fromUtf8(windingFields(Winding::Ku).layerCaption);
    in.ku.In = "0,5";
    in.ku.l_01 = "15";
    in.ku.k_t = "1,03";
    in.ku.a_01 = "4";
    fill(in.lv, Winding::Lv);
    in.lv.n_sl = windingFields(Winding::Lv).layers;
    in.lv.layerCaption = QString::fromUtf8(windingFields(Winding::Lv).layerCaption);
    in.lv.numhU = core.numhU;
    in.lv.l_01 = "15";
    in.lv.k_t = "1,03";
    in.lv.a_01 = "4";
    in.lv.kuTicked = ku;
    fill(in.hv, Winding::Hv);
    in.hv.materialIndex = 1;
    in.hv.shapeIndex = 1;  // "cikl": the HV is laid out in round wire
    in.hv.kuTicked = ku;
    return in;
}

// The fixed part of a sweep as the windows hold it at the start of the
// program with `power` and `scheme` chosen in Stage I.
inline SweepBase windowBase(const char* power, const char* scheme) {
    const DesignInputs defaults = windowDefaults(power, scheme);
    SweepBase base;
    base.stage1 = defaults.core;
    base.l_01 = defaults.lv.l_01;
    base.k_t = defaults.lv.k_t;
    base.a_01 = defaults.lv.a_01;
    return base;
}

}  // namespace dravik::test
