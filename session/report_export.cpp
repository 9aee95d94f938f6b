#include "report_export.h"

#include "common/runtime_texts.h"
#include "control_names.h"
#include "controls.h"
#include "drawings/core_window_drawing.h"
#include "session.h"

#include <QBuffer>
#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QSvgGenerator>
#include <array>

namespace dravik {
namespace {

// A control of the windows, by its script name, and what the report calls it.
struct Captioned {
    const char* caption;
    const char* name;
};

// The rated data as the title block shows it, from the Stage I fields.
constexpr std::array<Captioned, 6> kRatedFields{{
    {"Rated power S, kVA", "EtapI.CB_Snom"},
    {"Uhv, kV", "EtapI.CB_Uvn"},
    {"Ulv, kV", "EtapI.CB_Un"},
    {"Scheme", "EtapI.CB_Shem"},
    {"Steel grade", "EtapI.CB_M_st"},
    {"Diameter of rod, m", "EtapI.CB_Dnom"},
}};

// The drawings Stage I shows; the core window of Stage II has no name.
constexpr std::array<Captioned, 2> kStageOneDrawings{{
    {"Section of the rod", "EtapI.Image1"},
    {"The magnetic core", "EtapI.Image2"},
}};

template <typename Control>
Control* named(Session& session, const char* name) {
    return qobject_cast<Control*>(lookUpName(session.windows(), QString::fromUtf8(name)).found.control);
}

QStringList memo(Session& session, const char* name) {
    const auto* box = named<QPlainTextEdit>(session, name);
    return box ? memoLines(box) : QStringList();
}

// A drawing widget painted into the rectangle: the painter is scaled so
// that the widget's own painting fills it.
DrawingPaint widgetDrawing(const QString& caption, QWidget* widget) {
    // A drawing whose window was never shown has not been laid out yet; its
    // layout sets its size when the window first shows.
    if (!widget->testAttribute(Qt::WA_Resized)) widget->resize(widget->sizeHint());
    const QSizeF size = widget->size();
    return {caption, size, [widget, size](QPainter& painter, const QRectF& target) {
                painter.save();
                painter.translate(target.topLeft());
                painter.scale(target.width() / size.width(), target.height() / size.height());
                painter.setClipRect(QRectF(QPointF(), size));
                widget->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
                painter.restore();
            }};
}

QByteArray svgOf(const DrawingPaint& drawing) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(drawing.size.toSize());
    svg.setViewBox(QRectF(QPointF(), drawing.size));
    svg.setTitle(drawing.caption);
    QPainter painter(&svg);
    drawing.paint(painter, QRectF(QPointF(), drawing.size));
    painter.end();
    return buffer.data();
}

void writePdf(const ReportContents& contents, const std::vector<DrawingPaint>& drawings, QSaveFile& file) {
    QPdfWriter pdf(&file);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(18, 15, 15, 12), QPageLayout::Millimeter);
    pdf.setResolution(600);
    pdf.setCreator(contents.title.program);
    pdf.setTitle(contents.title.design);
    paintReport(pdf, contents, drawings);
}

}  // namespace

ReportContents reportContents(Session& session) {
    ReportContents contents;
    contents.title.program = QStringLiteral("Dravik " DRAVIK_VERSION);
    contents.title.made = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    contents.title.design = session.displayName();
    for (const Captioned& field : kRatedFields) {
        if (const auto* list = named<QComboBox>(session, field.name)) {
            contents.title.rated.emplace_back(QString::fromUtf8(field.caption), list->currentText());
        }
    }
    contents.stage1 = memo(session, "EtapI.Memo_Result");
    contents.stage2 = memo(session, "EtapII.Memo_Rez_ob");
    contents.shortCircuit = memo(session, "EtapII.Memo_KZ");
    return contents;
}

std::vector<DrawingPaint> reportDrawings(Session& session) {
    std::vector<DrawingPaint> drawings;
    for (const Captioned& drawing : kStageOneDrawings) {
        if (auto* widget = named<QWidget>(session, drawing.name)) {
            drawings.push_back(widgetDrawing(QString::fromUtf8(drawing.caption), widget));
        }
    }
    // The windings are drawn once Stage II has calculated something. The
    // drawing classes carry no meta-object, so they are told by their C++ type.
    auto* stageTwo = named<QWidget>(session, "EtapII");
    if (stageTwo && !memo(session, "EtapII.Memo_Rez_ob").isEmpty()) {
        for (QWidget* child : stageTwo->findChildren<QWidget*>()) {
            if (auto* coreWindow = dynamic_cast<CoreWindowDrawing*>(child)) {
                drawings.push_back(widgetDrawing(QStringLiteral("The core window with the windings"), coreWindow));
            }
        }
    }
    return drawings;
}

QString writeReport(Session& session, const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool pdf = suffix == QLatin1String("pdf");
    const bool html = suffix == QLatin1String("html") || suffix == QLatin1String("htm");
    if (!pdf && !html && suffix != QLatin1String("txt")) return QString::fromUtf8(texts::kReportFormat).arg(path);

    const ReportContents contents = reportContents(session);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return QString::fromUtf8(texts::kReportNotWritten).arg(path, file.errorString());
    if (pdf) {
        writePdf(contents, reportDrawings(session), file);
    } else if (html) {
        std::vector<ReportDrawing> svgs;
        for (const DrawingPaint& drawing : reportDrawings(session)) svgs.push_back({drawing.caption, svgOf(drawing)});
        file.write(reportHtml(contents, svgs));
    } else {
        file.write(reportText(contents));
    }
    if (!file.commit()) return QString::fromUtf8(texts::kReportNotWritten).arg(path, file.errorString());
    return QString();
}

}  // namespace dravik
