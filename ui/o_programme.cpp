#include "o_programme.h"

#include "window_keys.h"
#include "window_placement.h"

#include <QTextEdit>
#include <QVBoxLayout>

namespace dravik {

TO_programme::TO_programme() {
    setObjectName(QStringLiteral("O_programme"));
    setWindowTitle(QStringLiteral("О программе DRAVIK 1.1"));
    auto* text = new QTextEdit(this);
    text->setObjectName(QStringLiteral("RichEdit1"));
    text->setReadOnly(true);
    text->setPlainText(QStringLiteral(
        "Dravik " DRAVIK_VERSION "\n"
        "Electromagnetic design of three-phase distribution transformers 25 - 630 kVA\n"
        "HV 6 or 10 kV, LV 0,22 or 0,38 kV; schemes Y/Yn-0, Y/Zn-11, D/Yn-0\n"
        "Stage I: magnetic circuit, steel and the induction for the rated no-load data\n"
        "Stage II: KU, LV and HV windings, conductors from the wire catalogue, fit in the window\n"
        "Catalogues of steels and winding wires are kept in Stal.dat and Provod.dat"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    closeOnEscape(this);
    fixAndCentre(this, {409, 189});
}

}  // namespace dravik
