#include "ui/figures/ReportPage.h"

#include <QDate>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <string>
#include <vector>

#include "explain/ComputationText.h"

namespace platomer {

namespace {

constexpr double MarginMm = 12;
constexpr double ColumnGapMm = 6;
// The type of a figure's line, in points: the largest that fits, tried downwards.
constexpr double LargestPoint = 8.5;
constexpr double SmallestPoint = 4.5;
constexpr double PointStep = 0.25;
const char* const Title = "Výpočet mzdy";
const char* const Family = "Liberation Sans";

enum class Style : unsigned char {
    Page,         // the caption of a page of the window
    Heading,      // inputs, ticks, the calculation, the year's figures
    Row,          // a label and what the control shows
    Explanation,  // how the figure came about
};

struct Block {
    Style style;
    QString left;
    QString right;
    bool keepWithNext = false;  // stays in the column of the block after it
};

QString qText(const std::string& text) { return QString::fromStdString(text); }

std::vector<Block> blocksOf(const TKalkulajda& form)
{
    std::vector<Block> blocks;
    for (int page = 0; page < 2; ++page) {
        blocks.push_back(
            {Style::Page, QString("Stránka %1: ").arg(page + 1) + qText(pageCaption(form, page)), {}, true});
        const char* section = nullptr;
        for (const ExplanationLine& line : computation(form, page)) {
            if (const char* next = computationSection(line.kind, section); next != section) {
                section = next;
                blocks.push_back({Style::Heading, QString::fromUtf8(section), {}, true});
            }
            // A tick or an input that says no more than what it shows has no line of its own.
            const bool explained = line.explainsMore();
            blocks.push_back({Style::Row, qText(line.label), qText(line.shown), explained});
            if (explained) blocks.push_back({Style::Explanation, qText(render(line)), {}, false});
        }
    }
    return blocks;
}

// The page laid out at one size of type: where each block goes, if all of them fit.
class Layout {
public:
    Layout(QPainter& painter, const QRectF& area, double point) : painter_(painter), area_(area), point_(point)
    {
        const double mm = painter.device()->logicalDpiX() / 25.4;
        gap_ = ColumnGapMm * mm;
        indent_ = 2.5 * mm;
        columnWidth_ = (area.width() - gap_) / 2;
    }

    QFont font(Style style) const
    {
        QFont f(Family);
        f.setPointSizeF(style == Style::Page ? point_ * 1.3 : style == Style::Explanation ? point_ * 0.9 : point_);
        f.setBold(style == Style::Page || style == Style::Heading);
        return f;
    }
    QFont titleFont() const
    {
        QFont f(Family);
        f.setPointSizeF(std::max(point_ * 2, 14.0));
        f.setBold(true);
        return f;
    }
    QFont subtitleFont() const
    {
        QFont f(Family);
        f.setPointSizeF(std::max(point_ * 1.1, 8.0));
        return f;
    }
    QFont figureFont() const
    {
        QFont f = font(Style::Row);
        f.setBold(true);
        return f;
    }

    // The rectangle a text takes when wrapped to `width`.
    // Measured in the device's metrics without touching the painter's font.
    QRectF measure(const QFont& font, double width, const QString& text) const
    {
        return QFontMetricsF(font, painter_.device())
            .boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    }

    double lineHeight(const QFont& font) const { return QFontMetricsF(font, painter_.device()).lineSpacing(); }

    double spaceBefore(Style style) const
    {
        const double line = lineHeight(font(Style::Row));
        return style == Style::Page ? line * 0.9 : style == Style::Heading ? line * 0.45 : 0;
    }

    double labelWidth(const Block& b) const
    {
        const double shown =
            b.right.isEmpty() ? 0 : QFontMetricsF(figureFont(), painter_.device()).horizontalAdvance(b.right);
        return columnWidth_ - shown - indent_;
    }

    double height(const Block& b) const
    {
        switch (b.style) {
        case Style::Page:
        case Style::Heading: return spaceBefore(b.style) + measure(font(b.style), columnWidth_, b.left).height() * 1.1;
        case Style::Row:
            return std::max(measure(font(b.style), labelWidth(b), b.left).height(), lineHeight(figureFont()));
        case Style::Explanation:
            return measure(font(b.style), columnWidth_ - indent_, b.left).height() + lineHeight(font(b.style)) * 0.25;
        }
        return 0;
    }

    double headerHeight(const QString& subtitle) const
    {
        return measure(titleFont(), area_.width(), Title).height() +
               measure(subtitleFont(), area_.width(), subtitle).height() + lineHeight(font(Style::Row));
    }

    struct Placed {
        const Block* block;
        QRectF rect;
    };

    // Fills the left column, then the right one; false when the blocks do not fit both.
    bool flow(const std::vector<Block>& blocks, double top, std::vector<Placed>& placed) const
    {
        std::vector<double> heights;
        heights.reserve(blocks.size());
        for (const Block& b : blocks)
            heights.push_back(height(b));
        int column = 0;
        double y = top;
        const double bottom = area_.bottom();
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            double needed = heights[i];
            for (std::size_t j = i; j + 1 < blocks.size() && blocks[j].keepWithNext; ++j)
                needed += heights[j + 1];
            if (y + needed > bottom && y > top) {
                if (++column == 2) return false;
                y = top;
            }
            // At the top of a column a heading needs no space above it.
            const double skipped = y == top ? spaceBefore(blocks[i].style) : 0;
            if (y + heights[i] - skipped > bottom) return false;
            const double x = area_.left() + column * (columnWidth_ + gap_);
            placed.push_back({&blocks[i], QRectF(x, y - skipped, columnWidth_, heights[i])});
            y += heights[i] - skipped;
        }
        return true;
    }

    void paintHeader(const QString& subtitle) const
    {
        double y = area_.top();
        painter_.setPen(Qt::black);
        painter_.setFont(titleFont());
        const QRectF title = measure(titleFont(), area_.width(), Title);
        painter_.drawText(QRectF(area_.left(), y, area_.width(), title.height()), Qt::AlignLeft | Qt::AlignTop, Title);
        y += title.height();
        const QRectF sub = measure(subtitleFont(), area_.width(), subtitle);
        painter_.setFont(subtitleFont());
        painter_.drawText(QRectF(area_.left(), y, area_.width(), sub.height()), Qt::AlignLeft | Qt::AlignTop, subtitle);
        y += sub.height() + lineHeight(font(Style::Row)) * 0.4;
        painter_.setPen(QPen(Qt::black, painter_.device()->logicalDpiX() / 200.0));
        painter_.drawLine(QPointF(area_.left(), y), QPointF(area_.right(), y));
    }

    void paint(const Placed& p) const
    {
        const Block& b = *p.block;
        const QRectF r = p.rect;
        const int wrap = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
        switch (b.style) {
        case Style::Page:
        case Style::Heading: {
            painter_.setFont(font(b.style));
            painter_.setPen(b.style == Style::Page ? QColor(0, 51, 128) : Qt::black);
            const double before = spaceBefore(b.style);
            const QRectF text(r.left(), r.bottom() - (r.height() - before), r.width(), r.height() - before);
            painter_.drawText(text, wrap, b.left);
            break;
        }
        case Style::Row:
            painter_.setPen(Qt::black);
            painter_.setFont(font(b.style));
            painter_.drawText(QRectF(r.left(), r.top(), labelWidth(b), r.height()), wrap, b.left);
            painter_.setFont(figureFont());
            painter_.drawText(r, Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, b.right);
            break;
        case Style::Explanation:
            painter_.setPen(QColor(64, 64, 64));
            painter_.setFont(font(b.style));
            painter_.drawText(QRectF(r.left() + indent_, r.top(), r.width() - indent_, r.height()), wrap, b.left);
            break;
        }
    }

private:
    QPainter& painter_;
    QRectF area_;
    double point_;
    double gap_ = 0, indent_ = 0, columnWidth_ = 0;
};

QString czechDate(const QDate& date)
{
    return QString("%1. %2. %3").arg(date.day()).arg(date.month()).arg(date.year());
}

}  // namespace

void prepareReportPage(QPagedPaintDevice& device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter));
}

bool paintReportPage(const TKalkulajda& form, QPagedPaintDevice& device, const QDate& date)
{
    const std::vector<Block> blocks = blocksOf(form);
    const QString subtitle = qText(textOf(form, "Kalkulajda")) + QString::fromUtf8(" \u2013 pravidla roku ") +
                             qText(rulesYear(form)) + QString::fromUtf8(" \u2013 ") + czechDate(date);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setRenderHint(QPainter::TextAntialiasing);
    // The painter's origin is the corner of the printable area inside the margins.
    const QRectF area(0, 0, device.width(), device.height());
    // From the largest type down in quarter points, counted in whole steps.
    const int steps = static_cast<int>((LargestPoint - SmallestPoint) / PointStep);
    for (int step = 0; step <= steps; ++step) {
        const Layout layout(painter, area, LargestPoint - step * PointStep);
        std::vector<Layout::Placed> placed;
        if (!layout.flow(blocks, area.top() + layout.headerHeight(subtitle), placed)) continue;
        layout.paintHeader(subtitle);
        for (const Layout::Placed& p : placed)
            layout.paint(p);
        return painter.end();
    }
    painter.end();
    return false;
}

bool writeReportPdf(const TKalkulajda& form, const QString& file, const QDate& date)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setDocName(QString::fromUtf8(Title));
    printer.setCreator(QString::fromStdString(textOf(form, "Kalkulajda")));
    prepareReportPage(printer);
    return paintReportPage(form, printer, date);
}

}  // namespace platomer
