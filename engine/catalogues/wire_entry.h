#pragma once

#include "catalogues/catalogue_field.h"
#include "design/wire_record.h"

#include <QString>

namespace dravik {

// What the "Add wire" window holds when a wire is added: the type name, the
// chosen shape, the five number texts (their first "." already turned into
// ",") and the material text.
struct WireEntryTexts {
    QString tip;
    bool round = false;  // "Round" chosen, else "Rectangular"
    QString D, a, b, s, delta2;
    QString material;
};

// The fields of the "Add wire" window.
namespace wire_entry {
inline constexpr CatalogueField kTip{"Ed_Tip_Pr", "Type"};
inline constexpr CatalogueField kD{"Ed_D", "Diameter, mm"};
inline constexpr CatalogueField kA{"Ed_a", "a, мм"};
inline constexpr CatalogueField kB{"Ed_b", "b, мм"};
inline constexpr CatalogueField kS{"Ed_s", "s, мм2"};
inline constexpr CatalogueField kDelta2{"Ed_2delt", "2δ, мм"};
inline constexpr CatalogueField kMaterial{"CB_Matr", "Material"};
}  // namespace wire_entry

// The wire the window describes, checked before anything is made of it, in
// this order:
//   1. the five numbers D, a, b, s, 2δ are converted (the conversion error);
//   2. the type is not blank;
//   3. s is above 0; 2δ is 0 to 10 mm;
//   4. a rectangular wire has a and b above 0 and at most 100 mm, a round one
//      D above 0 and at most 100 mm; the sizes its shape does not use are
//      0 to 100 mm;
//   5. s is at most a·b, or π·D²/4, with 0.1 % to spare: catalogue sections
//      are rounded to three decimals (Ø1,8 mm is listed with s 2,545 against
//      2,5447);
//   6. the type and the material can be held in Windows-1251.
// A size out of range is refused with "L must be R: T" naming the field's
// caption; every refusal names the field. Tip and Mater are cut to 50 bytes.
WireRecord wireFromEntry(const WireEntryTexts& texts);

}  // namespace dravik
