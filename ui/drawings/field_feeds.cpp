#include "drawings/field_feeds.h"

#include "drawings/core_drawing.h"
#include "drawings/section_drawing.h"

#include <QLineEdit>
#include <QStringList>
#include <functional>
#include <vector>

namespace dravik {
namespace {

QStringList textsOf(const PacketFields& fields) {
    QStringList texts;
    for (const QLineEdit* field : fields) texts.append(field->text());
    return texts;
}

void redrawOnChange(const std::vector<QLineEdit*>& fields, QWidget& drawing, const std::function<void()>& redraw) {
    for (QLineEdit* field : fields) QObject::connect(field, &QLineEdit::textChanged, &drawing, redraw);
    redraw();
}

std::vector<QLineEdit*> sectionFields(const PacketFields& widths, const PacketFields& thicknesses) {
    std::vector<QLineEdit*> fields(widths.begin(), widths.end());
    fields.insert(fields.end(), thicknesses.begin(), thicknesses.end());
    return fields;
}

}  // namespace

void feedRodSection(SectionDrawing& drawing, const CoreFields& core) {
    std::vector<QLineEdit*> fields = sectionFields(core.widths, core.thicknesses);
    fields.push_back(core.diameter);
    redrawOnChange(fields, drawing, [&drawing, core] {
        drawing.showSection(rodSectionFromTexts(textsOf(core.widths), textsOf(core.thicknesses), core.diameter->text()));
    });
}

void feedCoreViews(CoreDrawing& drawing, const CoreFields& core, QLineEdit* yokeCentreWidth) {
    std::vector<QLineEdit*> fields = sectionFields(core.widths, core.thicknesses);
    fields.insert(fields.end(), {core.diameter, core.C, core.lc, yokeCentreWidth});
    redrawOnChange(fields, drawing, [&drawing, core, yokeCentreWidth] {
        drawing.showCore(coreViewsFromTexts(core.C->text(), core.lc->text(), textsOf(core.widths),
                                            textsOf(core.thicknesses), core.diameter->text(),
                                            yokeCentreWidth->text()));
    });
}

void feedYokeSection(SectionDrawing& drawing, const PacketFields& widths, const PacketFields& thicknesses) {
    redrawOnChange(sectionFields(widths, thicknesses), drawing, [&drawing, widths, thicknesses] {
        drawing.showSection(yokeSectionFromTexts(textsOf(widths), textsOf(thicknesses)));
    });
}

}  // namespace dravik
