#pragma once

#include <array>

// The standard cores of distribution transformers 25..630 kVA. Diameters
// and packet sizes are whole millimetres; a diameter in metres is its
// millimetres / 1000.0, the same double as the list text it stands for.
namespace dravik::core_tables {

// Millimetres of the items of the diameter list, in its order.
inline constexpr std::array<int, 22> kStandardDiameters_mm{80,  85,  90,  92,  95,  100, 105, 110, 115, 120, 125,
                                                           130, 140, 150, 160, 170, 180, 190, 200, 210, 220, 225};

// Window height, coil spacing and rod pitch of the standard cores, mm, as
// the fields show them. There is no standard for 160 kVA.
struct WindowDimensions {
    double S_kVA;
    const char* Lc;
    const char* Cok;
    const char* C;
};
inline constexpr std::array<WindowDimensions, 7> kWindowDimensions{{
    {25, "290", "123", "213"},
    {40, "330", "150", "250"},
    {63, "400", "145", "255"},
    {100, "400", "150", "270"},
    {250, "800", "270", "450"},
    {400, "1000", "280", "490"},
    {630, "1050", "320", "560"},
}};

// Packet steps and the diameter range of a power, by the power rounded to
// whole kVA and, for the larger powers, by the diameter asked for. Every
// row that holds applies, the later over the earlier (0,20 m at 160..630
// kVA takes 8 steps).
inline constexpr int kAnyDiameter = -1;
struct StepChoice {
    int s_from_kVA, s_to_kVA;
    int D_from_mm, D_to_mm;  // kAnyDiameter: every diameter
    int steps;
    int D_min_mm, D_max_mm;
};
inline constexpr std::array<StepChoice, 7> kStepChoices{{
    {1, 15, kAnyDiameter, kAnyDiameter, 1, 80, 80},
    {16, 16, kAnyDiameter, kAnyDiameter, 4, 80, 80},
    {25, 25, kAnyDiameter, kAnyDiameter, 5, 90, 90},
    {40, 100, kAnyDiameter, kAnyDiameter, 6, 100, 140},
    {160, 630, 100, 180, 6, 100, 140},
    {160, 630, 190, 200, 7, 190, 200},
    {160, 630, 200, 225, 8, 200, 225},
}};

// Up to 6 steps the packets are fractions of the diameter, in thousandths:
// packet i is width[i] x thickness[i] thousandths of D. 0 past the steps.
struct PacketFactors {
    std::array<int, 6> width_milli;
    std::array<int, 6> thickness_milli;
};
inline constexpr std::array<PacketFactors, 6> kPacketFactors{{
    {{707, 0, 0, 0, 0, 0}, {353, 0, 0, 0, 0, 0}},
    {{850, 525, 0, 0, 0, 0}, {263, 162, 0, 0, 0, 0}},
    {{905, 707, 424, 0, 0, 0}, {212, 141, 99, 0, 0, 0}},
    {{935, 800, 600, 375, 0, 0}, {178, 122, 100, 68, 0, 0}},
    {{950, 847, 707, 532, 312, 0}, {156, 105, 93, 70, 51, 0}},
    {{955, 870, 770, 640, 495, 300}, {150, 98, 72, 65, 50, 42}},
}};

// The large cores of 7 and 8 steps have packets of fixed sizes, mm, for
// their diameters. With a press plate the seventh rod packet gives way to
// the plate.
struct FixedPackets {
    int steps;
    int D_mm;
    std::array<int, 8> A, a;
    std::array<int, 6> B, b;
};
inline constexpr int kPressPlatePacket = 6;  // index of A7, a7
inline constexpr std::array<FixedPackets, 5> kFixedPackets{{
    {7, 190, {180, 165, 145, 130, 115, 100, 75, 0}, {30, 17, 14, 8, 7, 5, 7, 0},
     {180, 165, 145, 130, 115, 0}, {30, 17, 14, 8, 7, 0}},
    {7, 200, {195, 175, 155, 135, 120, 105, 75, 0}, {22, 26, 15, 11, 6, 5, 7, 0},
     {195, 175, 155, 135, 120, 0}, {22, 26, 15, 11, 6, 0}},
    {7, 210, {200, 180, 160, 145, 130, 110, 90, 0}, {32, 22, 14, 8, 6, 8, 6, 0},
     {200, 180, 160, 145, 130, 0}, {32, 22, 14, 8, 6, 0}},
    {8, 220, {215, 195, 175, 155, 135, 120, 105, 75}, {23, 28, 15, 12, 9, 5, 4, 7},
     {215, 195, 175, 155, 135, 120}, {23, 28, 15, 12, 9, 5}},
    {8, 225, {215, 195, 175, 155, 135, 120, 105, 75}, {23, 28, 15, 12, 9, 5, 4, 7},
     {215, 195, 175, 155, 135, 120}, {23, 28, 15, 12, 9, 5}},
}};

// Seven or more steps need at least this diameter; below it six are used.
inline constexpr int kSmallestManyStepDiameter_mm = 190;

}  // namespace dravik::core_tables
