#include "iarmo_razmery.h"

#include "controls.h"
#include "drawings/field_feeds.h"
#include "drawings/section_drawing.h"
#include "window_keys.h"
#include "window_placement.h"

#include <QGridLayout>
#include <QLabel>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace dravik {

TIarmo_razmery::TIarmo_razmery() {
    setObjectName(QStringLiteral("Iarmo_razmery"));
    setWindowTitle(QStringLiteral("Packet sizes were yoke"));
    setFormFont(this, 16);

    auto* drawing = new SectionDrawing(QStringLiteral("B"), QStringLiteral("b"), this);
    drawing->setObjectName(QStringLiteral("Image1"));
    drawing->setFixedSize(425, 385);

    auto* fields = new QGridLayout;
    for (int i = 0; i < 8; ++i) {
        Ed_B[i] = namedField(QStringLiteral("Ed_B%1").arg(i + 1), QStringLiteral("0"), this);
        Ed_b[i] = namedField(QStringLiteral("Ed_b_%1").arg(i + 1), QStringLiteral("0"), this);
        fields->addWidget(plainLabel(QStringLiteral("B%1, mm:").arg(i + 1), this), i, 0);
        fields->addWidget(Ed_B[i], i, 1);
        fields->addWidget(plainLabel(QStringLiteral("b%1, mm:").arg(i + 1), this), i, 2);
        fields->addWidget(Ed_b[i], i, 3);
    }
    Button1 = namedButton(QStringLiteral("Button1"), QStringLiteral("Enter into the calculation of the size of the yoke"), this);
    fields->addWidget(Button1, 8, 0, 1, 4);
    connect(Button1, &QPushButton::clicked, this, &QWidget::hide);
    feedYokeSection(*drawing, Ed_B, Ed_b);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(drawing);
    layout->addLayout(fields);
    markMnemonics({Button1}, u"E");
    closeOnEscape(this);
    pressOnEnter(this, Button1);
    fixAndCentre(this, {777, 401});
}

}  // namespace dravik
