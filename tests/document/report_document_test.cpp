#include "document/report_document.h"

#include <gtest/gtest.h>

namespace dravik {
namespace {

std::string text(const QByteArray& bytes) { return bytes.toStdString(); }

ReportContents contents() {
    ReportContents report;
    report.title = {QStringLiteral("Dravik 1.2"), QStringLiteral("2026-12-08 14:03"), QStringLiteral("a<b>.dravik"),
                    {{QStringLiteral("Rated power S, kVA"), QStringLiteral("100")}}};
    report.stage1 = {QStringLiteral("Rated power transformer, kVA 100,000"), QStringLiteral("Current condition of idling coincided")};
    // Two HV runs: the specification is the end of the last one.
    report.stage2 = {QStringLiteral("HV winding is placed on the axis"), QStringLiteral("Terms of Reference for the winding:"),
                     QStringLiteral("Parallel wires:1"), QStringLiteral("D2вн<=C-a22, мм 262,520<=292,000"),
                     QStringLiteral("Terms of Reference for the winding:"), QStringLiteral("Parallel wires:2")};
    report.shortCircuit = {QStringLiteral("uk is outside the standard (±10 %)")};
    return report;
}

TEST(ReportDocument, PartsFollowTheReportsWithTheSpecificationFromItsLastHeading) {
    const std::vector<ReportSection> sections = reportSections(contents());
    ASSERT_EQ(sections.size(), 4u);
    EXPECT_EQ(sections[0].lines, contents().stage1);
    EXPECT_EQ(sections[1].lines, contents().stage2.mid(0, 4));
    EXPECT_EQ(sections[2].lines, contents().stage2.mid(4));
    EXPECT_EQ(sections[3].heading.toStdString(), "Short-circuit check");

    // A design that has not come to the windings has only the Stage I part.
    ReportContents stageOne = contents();
    stageOne.stage2.clear();
    stageOne.shortCircuit.clear();
    ASSERT_EQ(reportSections(stageOne).size(), 1u);
}

// The text is the memos' lines, nothing added, nothing changed.
TEST(ReportDocument, TextIsTheMemosLinesExactly) {
    EXPECT_EQ(text(reportText(contents())),
              "Rated power transformer, kVA 100,000\nCurrent condition of idling coincided\n"
              "HV winding is placed on the axis\nTerms of Reference for the winding:\nParallel wires:1\n"
              "D2вн<=C-a22, мм 262,520<=292,000\nTerms of Reference for the winding:\nParallel wires:2\n"
              "uk is outside the standard (±10 %)\n");
    EXPECT_TRUE(reportText(ReportContents{}).isEmpty());
}

// Report lines and names are text, never markup; a drawing is its SVG
// element without the XML declaration.
TEST(ReportDocument, HtmlEscapesTheLinesAndInlinesTheDrawings) {
    const QByteArray html = reportHtml(
        contents(), {{QStringLiteral("Section of the rod"), "<?xml version=\"1.0\"?>\n<svg width=\"10\"><rect/></svg>"}});
    EXPECT_NE(html.indexOf("<title>a&lt;b&gt;.dravik</title>"), -1);
    EXPECT_NE(html.indexOf("D2вн&lt;=C-a22, мм 262,520&lt;=292,000\n"), -1);
    EXPECT_NE(html.indexOf("<figure>\n<svg width=\"10\"><rect/></svg>\n<figcaption>Section of the rod</figcaption>"), -1);
    EXPECT_EQ(html.indexOf("<?xml"), -1);
    EXPECT_EQ(html.indexOf("<b>"), -1);
}

TEST(ReportDocument, PagesKeepAHeadingWithWhatFollowsIt) {
    const PageBlock line{10};
    const PageBlock heading{20, true};
    // 8 lines fill a page of 80; a heading at the foot goes over with its line.
    std::vector<PageBlock> blocks(7, line);
    blocks.push_back(heading);
    blocks.push_back(line);
    EXPECT_EQ(pageStarts(blocks, 80), (std::vector<std::size_t>{0, 7}));
    // A block taller than a page has a page of its own.
    EXPECT_EQ(pageStarts({line, PageBlock{200}, line}, 80), (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_TRUE(pageStarts({}, 80).empty());
}

}  // namespace
}  // namespace dravik
