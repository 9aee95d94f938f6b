#pragma once

#include <array>

class QLineEdit;

// The drawings of Stage I and of the yoke window follow what the user types:
// each feed draws its drawing now from the texts of the fields it reads,
// and again whenever one of those texts changes, whoever changes it (the
// user, "Pick sheets for power", the point-to-comma of a calculation).
namespace dravik {

class CoreDrawing;
class SectionDrawing;

using PacketFields = std::array<QLineEdit*, 8>;

// The Stage I fields that size the core.
struct CoreFields {
    QLineEdit* C = nullptr;
    QLineEdit* lc = nullptr;
    PacketFields widths{};       // Ed_A1..Ed_A8
    PacketFields thicknesses{};  // Ed_a_1..Ed_a_8
    QLineEdit* diameter = nullptr;  // the text of CB_Dnom, m
};

void feedRodSection(SectionDrawing& drawing, const CoreFields& core);
// The yoke height comes from the yoke window's B1.
void feedCoreViews(CoreDrawing& drawing, const CoreFields& core, QLineEdit* yokeCentreWidth);
void feedYokeSection(SectionDrawing& drawing, const PacketFields& widths, const PacketFields& thicknesses);

}  // namespace dravik
