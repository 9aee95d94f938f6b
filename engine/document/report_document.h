#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace dravik {

// What a report document holds: the title block and the results boxes'
// lines as the windows show them.
struct ReportTitle {
    QString program;  // "Dravik 1.2"
    QString made;     // when the document was made
    QString design;   // the design file's name, or untitledDesign()
    std::vector<std::pair<QString, QString>> rated;  // caption, value
};
struct ReportContents {
    ReportTitle title;
    QStringList stage1;        // the magnetic circuit (Stage I)
    QStringList stage2;        // the windings (Stage II), the winding specification at its end
    QStringList shortCircuit;  // the short-circuit check of the finished windings
};

// The title block's cells in order: the design, the date, the program,
// then the rated data.
std::vector<std::pair<QString, QString>> titleCells(const ReportTitle& title);

// The document's parts in order, each under its heading, the report lines
// unchanged: the Stage I report, the Stage II report, the winding
// specification (from the last "Terms of Reference for the winding:" of
// the Stage II report to its end) and the short-circuit check. A part with
// no lines is left out.
struct ReportSection {
    QString heading;
    QStringList lines;
};
std::vector<ReportSection> reportSections(const ReportContents& contents);
QString untitledDesign();

// The lines exactly as the results boxes hold them, one after the other,
// in UTF-8.
QByteArray reportText(const ReportContents& contents);

// One HTML page: the title block, the parts, then the drawings as inline
// SVG under their captions.
struct ReportDrawing {
    QString caption;
    QByteArray svg;  // an SVG document
};
QByteArray reportHtml(const ReportContents& contents, const std::vector<ReportDrawing>& drawings);

// Pages: the blocks of a document in order, each of a height; a block that
// stays with the next one (a heading) never ends a page. Returns the index
// of the first block of each page, given the room a page has for blocks. A
// block taller than a page gets a page of its own.
struct PageBlock {
    double height;
    bool staysWithNext = false;
};
std::vector<std::size_t> pageStarts(const std::vector<PageBlock>& blocks, double room);

}  // namespace dravik
