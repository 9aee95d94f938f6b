#include "document/report_document.h"

namespace dravik {
namespace {

// The Stage II report ends in the specification the winding shop works to.
const QString kSpecificationStart = QStringLiteral("Terms of Reference for the winding:");

QString escaped(const QString& text) { return text.toHtmlEscaped(); }

// An SVG document as an element of the page: without its XML declaration.
QByteArray inlineSvg(const QByteArray& svg) {
    const qsizetype start = svg.indexOf("<svg");
    return start < 0 ? QByteArray() : svg.mid(start);
}

void appendSection(std::vector<ReportSection>& sections, const char* heading, const QStringList& lines) {
    if (!lines.isEmpty()) sections.push_back({QString::fromUtf8(heading), lines});
}

}  // namespace

QString untitledDesign() { return QStringLiteral("Untitled"); }

std::vector<std::pair<QString, QString>> titleCells(const ReportTitle& title) {
    std::vector<std::pair<QString, QString>> cells{
        {QStringLiteral("Design"), title.design},
        {QStringLiteral("Date"), title.made},
        {QStringLiteral("Made by"), title.program},
    };
    cells.insert(cells.end(), title.rated.begin(), title.rated.end());
    return cells;
}

std::vector<ReportSection> reportSections(const ReportContents& contents) {
    const qsizetype specification = contents.stage2.lastIndexOf(kSpecificationStart);
    const QStringList windings = specification < 0 ? contents.stage2 : contents.stage2.mid(0, specification);
    const QStringList shop = specification < 0 ? QStringList() : contents.stage2.mid(specification);
    std::vector<ReportSection> sections;
    appendSection(sections, "Phase I - Selection of parameters of the magnetic circuit", contents.stage1);
    appendSection(sections, "Phase II - Calculation of the winding", windings);
    appendSection(sections, "Winding specification", shop);
    appendSection(sections, "Short-circuit check", contents.shortCircuit);
    return sections;
}

QByteArray reportText(const ReportContents& contents) {
    QStringList lines;
    for (const QStringList* memo : {&contents.stage1, &contents.stage2, &contents.shortCircuit}) lines += *memo;
    return lines.isEmpty() ? QByteArray() : (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

QByteArray reportHtml(const ReportContents& contents, const std::vector<ReportDrawing>& drawings) {
    const ReportTitle& title = contents.title;
    QString page = QStringLiteral(
        "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>%1</title>\n<style>\n"
        "body { font-family: Arial, 'Liberation Sans', sans-serif; margin: 2em; }\n"
        "table.title { border-collapse: collapse; margin-bottom: 1.5em; }\n"
        "table.title td { border: 1px solid #444; padding: 0.2em 0.6em; }\n"
        "pre { font-family: inherit; font-size: 0.9em; line-height: 1.3; margin: 0 0 1.5em 0; }\n"
        "figure { margin: 1em 0; } figcaption { font-weight: bold; }\n"
        "</style>\n</head>\n<body>\n")
                       .arg(escaped(title.design));
    page += QStringLiteral("<h1>Calculation of the three-phase power transformer</h1>\n<table class=\"title\">\n");
    for (const auto& [caption, value] : titleCells(title)) {
        page += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>\n").arg(escaped(caption), escaped(value));
    }
    page += QStringLiteral("</table>\n");
    for (const ReportSection& section : reportSections(contents)) {
        page += QStringLiteral("<h2>%1</h2>\n<pre>").arg(escaped(section.heading));
        for (const QString& line : section.lines) page += escaped(line) + QLatin1Char('\n');
        page += QStringLiteral("</pre>\n");
    }
    QByteArray bytes = page.toUtf8();
    if (!drawings.empty()) bytes += "<h2>Drawings</h2>\n";
    for (const ReportDrawing& drawing : drawings) {
        bytes += "<figure>\n" + inlineSvg(drawing.svg) + "\n<figcaption>" + escaped(drawing.caption).toUtf8() +
                 "</figcaption>\n</figure>\n";
    }
    return bytes + "</body>\n</html>\n";
}

std::vector<std::size_t> pageStarts(const std::vector<PageBlock>& blocks, double room) {
    std::vector<std::size_t> starts;
    if (blocks.empty()) return starts;
    starts.push_back(0);
    double used = 0;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        // A heading goes over together with the block after it.
        double needed = blocks[i].height;
        if (blocks[i].staysWithNext && i + 1 < blocks.size()) needed += blocks[i + 1].height;
        if (used > 0 && used + needed > room) {
            starts.push_back(i);
            used = 0;
        }
        used += blocks[i].height;
    }
    return starts;
}

}  // namespace dravik
