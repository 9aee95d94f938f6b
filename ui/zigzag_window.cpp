#include "zigzag_window.h"

#include "app_context.h"
#include "controls.h"
#include "drawings/zigzag_sketch.h"
#include "etap_i.h"
#include "window_keys.h"
#include "window_placement.h"
#include "windings/zigzag.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <numbers>

namespace dravik {

TZigzag_parametry::TZigzag_parametry(AppContext& context) : context_(context) {
    setObjectName(QStringLiteral("Zigzag_parametry"));
    setWindowTitle(QStringLiteral("Parameters Z"));
    setFormFont(this, 16);
    // The classic zigzag of equal halves, also when the window is never opened.
    context_.stage2.beta = std::numbers::pi / 6;

    auto* sketch = new ZigzagSketch(this);
    sketch->setObjectName(QStringLiteral("Image1"));

    Label1 = namedLabel(QStringLiteral("Label1"), QStringLiteral("β="), this);
    Ed_b = namedField(QStringLiteral("Ed_b"), QStringLiteral("30"), this, 80);
    Zeta_vvod = namedButton(QStringLiteral("Zeta_vvod"), QStringLiteral("ENTER"), this);
    connect(Zeta_vvod, &QPushButton::clicked, this, &TZigzag_parametry::Zeta_vvodClick);

    auto* entry = new QHBoxLayout;
    entry->addWidget(Label1);
    entry->addWidget(Ed_b);
    entry->addWidget(plainLabel(QStringLiteral("°"), this));
    entry->addStretch(1);
    entry->addWidget(Zeta_vvod);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sketch, 1);
    layout->addLayout(entry);
    markMnemonics({Zeta_vvod}, u"E");
    closeOnEscape(this);
    pressOnEnter(this, Zeta_vvod);
    fixAndCentre(this, {394, 313});
}

// An angle outside 0..60 degrees, or a text that is not a number, leaves the
// previous angle in force and the window open for a correction.
void TZigzag_parametry::Zeta_vvodClick() {
    if (!context_.windows.etapI->confirmResultsCurrent()) return;
    double beta = 0;
    if (runCommand(*context_.messages, [&] { beta = zigzagAngleFromText(Ed_b->text()); }, {}, {this})) {
        context_.stage2.beta = beta;
        hide();
    }
}

}  // namespace dravik
