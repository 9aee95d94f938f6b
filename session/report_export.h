#pragma once

#include "document/report_document.h"

#include <QSizeF>
#include <QString>
#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace dravik {

class Session;

// A drawing of the design for a report: it paints itself into any
// rectangle of any painter, so it stays vector graphics in a PDF or an SVG.
struct DrawingPaint {
    QString caption;
    QSizeF size;  // its natural size, for its proportions
    std::function<void(QPainter&, const QRectF&)> paint;
};

// What the session's windows show: the results boxes, the rated data as
// Stage I holds it, and the drawings of the core and the windings.
ReportContents reportContents(Session& session);
std::vector<DrawingPaint> reportDrawings(Session& session);

// Writes the report of the session's design to `path` as .pdf, .html or
// .txt, by its extension. Returns what went wrong, or an empty text.
QString writeReport(Session& session, const QString& path);

// The report on pages of A4 or whatever the device holds: the title block,
// the parts, the drawings, a page number on each page. The PDF writer and
// the printer both paint through this.
void paintReport(QPagedPaintDevice& device, const ReportContents& contents, const std::vector<DrawingPaint>& drawings);

}  // namespace dravik
