#include "report_export.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <variant>

// The report on paper. Sizes are in points (1/72 inch): the painter is
// scaled so, whatever the device's resolution.
namespace dravik {
namespace {

constexpr double kBodySize = 9;
constexpr double kSmallestBodySize = 6;
constexpr double kHeadingSize = 12;
constexpr double kTitleSize = 15;
constexpr double kFooterHeight = 22;
constexpr double kDrawingHeight = 300;
constexpr double kCaptionHeight = 18;
constexpr double kGap = 8;
constexpr int kTitleRows = 3;
constexpr double kTitleRowHeight = 18;

struct TitleBlock {};
struct Heading {
    QString text;
};
struct Line {
    QString text;
};
struct Drawing {
    const DrawingPaint* drawing;
};
using Block = std::variant<TitleBlock, Heading, Line, Drawing>;

class ReportPainter {
public:
    ReportPainter(QPagedPaintDevice& device, const ReportContents& contents, const std::vector<DrawingPaint>& drawings);
    void paint();

private:
    void addBlocks(const std::vector<DrawingPaint>& drawings);
    double height(const Block& block) const;
    void paintBlock(const Block& block, double top);
    void paintTitle(double top);
    void paintLine(const QString& text, double top);
    void paintDrawing(const DrawingPaint& drawing, double top);
    void paintFooter(int page, int pages);
    QRectF drawingRect(const DrawingPaint& drawing, double top) const;
    // Arial of `size` points on the page, whatever the device's resolution.
    QFont reportFont(double size, bool bold = false) const;

    QPagedPaintDevice& device_;
    const ReportContents& contents_;
    QPainter painter_;
    double width_ = 0;   // the page's room, in points
    double height_ = 0;  // without the footer
    double lineHeight_ = 0;
    std::vector<Block> blocks_;
};

ReportPainter::ReportPainter(QPagedPaintDevice& device, const ReportContents& contents,
                             const std::vector<DrawingPaint>& drawings)
    : device_(device), contents_(contents), painter_(&device) {
    const double scale = device.logicalDpiX() / 72.0;
    painter_.scale(scale, scale);
    width_ = device.width() / scale;
    height_ = device.height() / scale - kFooterHeight;
    lineHeight_ = QFontMetricsF(reportFont(kBodySize), &device).lineSpacing();
    addBlocks(drawings);
}

// The painter draws points as device pixels scaled up; so a font given in
// device pixels comes out in points.
QFont ReportPainter::reportFont(double size, bool bold) const {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(size * 72.0 / device_.logicalDpiY());
    font.setBold(bold);
    return font;
}

void ReportPainter::addBlocks(const std::vector<DrawingPaint>& drawings) {
    blocks_.push_back(TitleBlock{});
    for (const ReportSection& section : reportSections(contents_)) {
        blocks_.push_back(Heading{section.heading});
        for (const QString& line : section.lines) blocks_.push_back(Line{line});
    }
    if (drawings.empty()) return;
    blocks_.push_back(Heading{QStringLiteral("Drawings")});
    for (const DrawingPaint& drawing : drawings) blocks_.push_back(Drawing{&drawing});
}

double ReportPainter::height(const Block& block) const {
    if (std::holds_alternative<TitleBlock>(block)) return 30 + kTitleRows * kTitleRowHeight + kGap * 2;
    if (std::holds_alternative<Heading>(block)) return kHeadingSize * 2.2;
    if (std::holds_alternative<Line>(block)) return lineHeight_;
    return drawingRect(*std::get<Drawing>(block).drawing, 0).height() + kCaptionHeight + kGap;
}

void ReportPainter::paint() {
    std::vector<PageBlock> heights;
    for (const Block& block : blocks_) heights.push_back({height(block), std::holds_alternative<Heading>(block)});
    const std::vector<std::size_t> starts = pageStarts(heights, height_);
    for (std::size_t page = 0; page < starts.size(); ++page) {
        if (page > 0) device_.newPage();
        const std::size_t end = page + 1 < starts.size() ? starts[page + 1] : blocks_.size();
        double top = 0;
        for (std::size_t i = starts[page]; i < end; ++i) {
            paintBlock(blocks_[i], top);
            top += heights[i].height;
        }
        paintFooter(static_cast<int>(page) + 1, static_cast<int>(starts.size()));
    }
}

void ReportPainter::paintBlock(const Block& block, double top) {
    if (std::holds_alternative<TitleBlock>(block)) {
        paintTitle(top);
    } else if (const auto* heading = std::get_if<Heading>(&block)) {
        painter_.setFont(reportFont(kHeadingSize, true));
        painter_.setPen(Qt::black);
        painter_.drawText(QRectF(0, top + kHeadingSize * 0.6, width_, kHeadingSize * 1.5), Qt::AlignLeft | Qt::AlignVCenter,
                          heading->text);
        painter_.setPen(QPen(Qt::gray, 0.5));
        painter_.drawLine(QPointF(0, top + kHeadingSize * 2.1), QPointF(width_, top + kHeadingSize * 2.1));
    } else if (const auto* line = std::get_if<Line>(&block)) {
        paintLine(line->text, top);
    } else {
        paintDrawing(*std::get<Drawing>(block).drawing, top);
    }
}

// The title block: what the document is, then a frame of three rows: the
// design, the date and the program in the first column, the rated data in
// the columns beside it.
void ReportPainter::paintTitle(double top) {
    painter_.setPen(Qt::black);
    painter_.setFont(reportFont(kTitleSize, true));
    painter_.drawText(QRectF(0, top, width_, 26), Qt::AlignLeft | Qt::AlignVCenter,
                      QStringLiteral("Calculation of the three-phase power transformer"));
    const std::vector<std::pair<QString, QString>> cells = titleCells(contents_.title);
    const int columns = static_cast<int>((cells.size() + kTitleRows - 1) / kTitleRows);
    const double columnWidth = width_ / columns;
    const double frameTop = top + 30;
    painter_.setPen(QPen(Qt::black, 0.8));
    painter_.drawRect(QRectF(0, frameTop, width_, kTitleRows * kTitleRowHeight));
    for (int row = 1; row < kTitleRows; ++row) {
        painter_.drawLine(QPointF(0, frameTop + row * kTitleRowHeight), QPointF(width_, frameTop + row * kTitleRowHeight));
    }
    for (int column = 1; column < columns; ++column) {
        painter_.drawLine(QPointF(column * columnWidth, frameTop),
                          QPointF(column * columnWidth, frameTop + kTitleRows * kTitleRowHeight));
    }
    const QFont captionFont = reportFont(kBodySize);
    const QFont valueFont = reportFont(kBodySize, true);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const int index = static_cast<int>(i);
        const QRectF cell((index / kTitleRows) * columnWidth + 4,
                          frameTop + (index % kTitleRows) * kTitleRowHeight, columnWidth - 8,
                          kTitleRowHeight);
        painter_.setFont(captionFont);
        painter_.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, cells[i].first);
        const double room = cell.width() - QFontMetricsF(captionFont, &device_).horizontalAdvance(cells[i].first) - 6;
        painter_.setFont(valueFont);
        painter_.drawText(cell, Qt::AlignRight | Qt::AlignVCenter,
                          QFontMetricsF(valueFont, &device_).elidedText(cells[i].second, Qt::ElideMiddle, room));
    }
}

// A report line stays one line: a long one is set smaller to fit.
void ReportPainter::paintLine(const QString& text, double top) {
    const double natural = QFontMetricsF(reportFont(kBodySize), &device_).horizontalAdvance(text);
    painter_.setFont(reportFont(natural > width_ ? std::max(kSmallestBodySize, kBodySize * width_ / natural) : kBodySize));
    painter_.setPen(Qt::black);
    painter_.drawText(QRectF(0, top, width_, lineHeight_), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, text);
}

QRectF ReportPainter::drawingRect(const DrawingPaint& drawing, double top) const {
    const QSizeF size = drawing.size.scaled(QSizeF(width_, kDrawingHeight), Qt::KeepAspectRatio);
    return {(width_ - size.width()) / 2, top + kGap, size.width(), size.height()};
}

void ReportPainter::paintDrawing(const DrawingPaint& drawing, double top) {
    const QRectF target = drawingRect(drawing, top);
    drawing.paint(painter_, target);
    painter_.setPen(Qt::black);
    painter_.setFont(reportFont(kBodySize, true));
    painter_.drawText(QRectF(0, target.bottom(), width_, kCaptionHeight), Qt::AlignHCenter | Qt::AlignVCenter,
                      drawing.caption);
}

void ReportPainter::paintFooter(int page, int pages) {
    const double top = height_ + kFooterHeight / 2;
    painter_.setPen(QPen(Qt::gray, 0.5));
    painter_.drawLine(QPointF(0, top), QPointF(width_, top));
    painter_.setPen(Qt::black);
    painter_.setFont(reportFont(kBodySize - 1));
    const QRectF footer(0, top, width_, kFooterHeight / 2);
    const ReportTitle& title = contents_.title;
    painter_.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter,
                      QStringLiteral("%1 · %2").arg(title.design, title.program));
    painter_.drawText(footer, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Page %1 of %2").arg(page).arg(pages));
}

}  // namespace

void paintReport(QPagedPaintDevice& device, const ReportContents& contents, const std::vector<DrawingPaint>& drawings) {
    ReportPainter(device, contents, drawings).paint();
}

}  // namespace dravik
