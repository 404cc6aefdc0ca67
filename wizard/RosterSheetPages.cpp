// The notice board and each scout's duties, drawn with QPainter on a paged device (a printer or
// the PDF writer). Text is laid out with QTextLayout at the device's own resolution, so what
// fits here fits on paper.

#include <algorithm>
#include <memory>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include "RosterPages.h"
#include "RosterSheets.h"

namespace dutywise {
namespace {

constexpr qreal kTitlePoints = 14;
constexpr qreal kLargestPoints = 10;
constexpr qreal kSmallestPoints = 8; // never smaller: a notice board is read from a step away

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QFont SheetFont(qreal points, bool bold = false, bool italic = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// Paragraphs laid out at one width, as a list of lines that can be drawn stacked from any line
// on: a block that continues on the next page goes on with the next line.
class TextBlock {
public:
    TextBlock() = default;
    TextBlock(const std::vector<std::string>& paragraphs, const QFont& font, QPaintDevice* device,
              qreal width) {
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        for (const std::string& text : paragraphs) {
            auto layout = std::make_unique<QTextLayout>(Q(text), font, device);
            layout->setTextOption(option);
            layout->beginLayout();
            for (QTextLine line = layout->createLine(); line.isValid();
                 line = layout->createLine()) {
                line.setLineWidth(std::max<qreal>(width, 1));
                lines_.push_back({layout.get(), line.lineNumber(), line.height()});
            }
            layout->endLayout();
            layouts_.push_back(std::move(layout));
        }
    }
    int count() const { return static_cast<int>(lines_.size()); }
    qreal height(int from = 0, int to = -1) const {
        qreal h = 0;
        for (int i = from; i < (to < 0 ? count() : to); ++i)
            h += lines_[static_cast<std::size_t>(i)].height;
        return h;
    }
    // How many lines from `from` on fit into `space`.
    int fitting(int from, qreal space) const {
        int n = 0;
        for (int i = from; i < count() && lines_[static_cast<std::size_t>(i)].height <= space;
             ++i) {
            space -= lines_[static_cast<std::size_t>(i)].height;
            ++n;
        }
        return n;
    }
    // Draws lines [from, to) stacked downwards from `at`; the height drawn.
    qreal draw(QPainter& painter, QPointF at, int from, int to) const {
        qreal y = at.y();
        for (int i = from; i < to; ++i) {
            const Line& l = lines_[static_cast<std::size_t>(i)];
            const QTextLine line = l.layout->lineAt(l.number);
            line.draw(&painter, QPointF(at.x(), y - line.y()));
            y += l.height;
        }
        return y - at.y();
    }

private:
    struct Line {
        QTextLayout* layout;
        int number;
        qreal height;
    };
    std::vector<std::unique_ptr<QTextLayout>> layouts_;
    std::vector<Line> lines_;
};

// --- Notice board -------------------------------------------------------------------------------

class BoardPainter {
public:
    BoardPainter(QPainter& painter, QPagedPaintDevice& device, const NoticeBoard& board)
        : painter_(painter), device_(device), board_(board),
          page_(device.pageLayout().paintRectPixels(device.logicalDpiX()).size()),
          unit_(device.logicalDpiY() / 72.0), pad_(3 * unit_) {
        title_ = TextBlock({board.title}, SheetFont(kTitlePoints, true), &device, page_.width());
    }

    bool paint() {
        const int days = std::max(1, static_cast<int>(board_.days.size()));
        // The largest size that puts the whole outing on one page. A week that does not fit at
        // the smallest size fits at none, so that is tried before the one between.
        layOut(kLargestPoints, days);
        if (fits(days))
            return paintGroups(days);
        layOut(kSmallestPoints, days);
        if (fits(days)) {
            layOut(kSmallestPoints + 1, days);
            if (!fits(days))
                layOut(kSmallestPoints, days);
            return paintGroups(days);
        }
        // Fewer days a page, as many as fit (searched by halves); one a page when even one
        // does not fit.
        int low = 1, high = days - 1;
        while (low < high) {
            const int middle = (low + high + 1) / 2;
            layOut(kSmallestPoints, middle);
            if (fits(middle))
                low = middle;
            else
                high = middle - 1;
        }
        layOut(kSmallestPoints, low);
        return paintGroups(low);
    }

private:
    qreal px(qreal points) const { return points * unit_; }
    qreal bodyHeight() const { return page_.height() - title_.height() - px(6); }

    // Every cell laid out for `perPage` columns at `points`.
    void layOut(qreal points, int perPage) {
        if (points == laidOut_.first && perPage == laidOut_.second)
            return;
        laidOut_ = {points, perPage};
        const QFont bold = SheetFont(points, true);
        const QFont plain = SheetFont(points);
        qreal rowHead = 0;
        for (const std::string& meal : board_.meals)
            rowHead = std::max(rowHead, QFontMetricsF(bold, &device_).horizontalAdvance(Q(meal)));
        rowHeadWidth_ = std::min(rowHead + 2 * pad_ + 1, page_.width() / 4);
        columnWidth_ = (page_.width() - rowHeadWidth_) / perPage;
        const qreal inner = columnWidth_ - 2 * pad_;
        dayHeads_.clear();
        for (const std::string& day : board_.days)
            dayHeads_.emplace_back(std::vector<std::string>{day}, bold, &device_, inner);
        mealHeads_.clear();
        cells_.clear();
        for (std::size_t r = 0; r < board_.meals.size(); ++r) {
            mealHeads_.emplace_back(std::vector<std::string>{board_.meals[r]}, bold, &device_,
                                    rowHeadWidth_ - 2 * pad_);
            cells_.emplace_back();
            for (const auto& cell : board_.cells[r])
                cells_.back().emplace_back(cell, plain, &device_, inner);
        }
    }

    qreal headHeight(int first, int last) const {
        qreal h = 0;
        for (int d = first; d < last; ++d)
            h = std::max(h, dayHeads_[static_cast<std::size_t>(d)].height());
        return h + 2 * pad_;
    }
    qreal rowHeight(std::size_t row, int first, int last) const {
        qreal h = mealHeads_[row].height();
        for (int d = first; d < last; ++d)
            h = std::max(h, cells_[row][static_cast<std::size_t>(d)].height());
        return h + 2 * pad_;
    }
    // Whether every page of `perPage` days holds its days whole.
    bool fits(int perPage) const {
        const int days = static_cast<int>(board_.days.size());
        for (int first = 0; first < days; first += perPage)
            if (groupHeight(first, std::min(days, first + perPage)) > bodyHeight())
                return false;
        return true;
    }
    qreal groupHeight(int first, int last) const {
        qreal h = headHeight(first, last);
        for (std::size_t r = 0; r < cells_.size(); ++r)
            h += rowHeight(r, first, last);
        return h;
    }

    bool newPage() {
        if (pages_++ > 0 && !device_.newPage())
            return false;
        painter_.setPen(Qt::black);
        title_.draw(painter_, {0, 0}, 0, title_.count());
        y_ = title_.height() + px(6);
        return true;
    }

    // The day headings of the group, with the empty corner above the meal headings.
    void paintHead(int first, int last) {
        const qreal h = headHeight(first, last);
        painter_.fillRect(QRectF(0, y_, rowHeadWidth_ + columnWidth_ * (last - first), h),
                          QColor(230, 230, 230));
        frame(QRectF(0, y_, rowHeadWidth_, h));
        for (int d = first; d < last; ++d) {
            const QRectF box(rowHeadWidth_ + columnWidth_ * (d - first), y_, columnWidth_, h);
            frame(box);
            dayHeads_[static_cast<std::size_t>(d)].draw(
                painter_, box.topLeft() + QPointF(pad_, pad_), 0,
                dayHeads_[static_cast<std::size_t>(d)].count());
        }
        y_ += h;
    }

    void frame(const QRectF& box) {
        painter_.save();
        painter_.setPen(QPen(Qt::black, px(0.5)));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(box);
        painter_.restore();
    }

    bool paintGroups(int perPage) {
        const int days = std::max(1, static_cast<int>(board_.days.size()));
        for (int first = 0; first < days; first += perPage) {
            const int last = std::min(days, first + perPage);
            if (board_.days.empty()) // an outing without days: the title alone
                return newPage();
            if (!newPage())
                return false;
            paintHead(first, last);
            for (std::size_t r = 0; r < cells_.size(); ++r)
                if (!paintRow(r, first, last))
                    return false;
        }
        return true;
    }

    // One meal's row; where it does not fit the rest of the page it goes onto the next page,
    // and where it does not fit a page either, the lines that fit stay here and the rest go on.
    bool paintRow(std::size_t row, int first, int last) {
        const qreal bottom = page_.height();
        const qreal top = title_.height() + px(6) + headHeight(first, last);
        if (y_ + rowHeight(row, first, last) > bottom && y_ > top &&
            rowHeight(row, first, last) <= bottom - top) {
            if (!newPage())
                return false;
            paintHead(first, last);
        }
        std::vector<int> from(static_cast<std::size_t>(last - first + 1), 0); // [0]: meal heading
        const auto blockOf = [&](std::size_t i) -> const TextBlock& {
            return i == 0 ? mealHeads_[row] : cells_[row][static_cast<std::size_t>(first) + i - 1];
        };
        for (;;) {
            const qreal space = bottom - y_ - 2 * pad_;
            std::vector<int> to(from.size());
            qreal h = 0;
            bool rest = false;
            for (std::size_t i = 0; i < from.size(); ++i) {
                const TextBlock& block = blockOf(i);
                // At least one line a page, so that the row always goes on.
                to[i] = from[i] + std::max(std::min(1, block.count() - from[i]),
                                           block.fitting(from[i], space));
                h = std::max(h, block.height(from[i], to[i]));
                rest = rest || to[i] < block.count();
            }
            h += 2 * pad_;
            for (std::size_t i = 0; i < from.size(); ++i) {
                const QRectF box = i == 0 ? QRectF(0, y_, rowHeadWidth_, h)
                                          : QRectF(rowHeadWidth_ + columnWidth_ * qreal(i - 1), y_,
                                                   columnWidth_, h);
                if (i == 0)
                    painter_.fillRect(box, QColor(230, 230, 230));
                frame(box);
                blockOf(i).draw(painter_, box.topLeft() + QPointF(pad_, pad_), from[i], to[i]);
            }
            y_ += h;
            if (!rest)
                return true;
            from = to;
            if (!newPage())
                return false;
            paintHead(first, last);
        }
    }

    QPainter& painter_;
    QPagedPaintDevice& device_;
    const NoticeBoard& board_;
    const QSizeF page_;
    const qreal unit_; // device pixels per point
    const qreal pad_;
    TextBlock title_;
    qreal rowHeadWidth_ = 0, columnWidth_ = 0;
    std::vector<TextBlock> dayHeads_, mealHeads_;
    std::vector<std::vector<TextBlock>> cells_; // [meal row][day]
    std::pair<qreal, int> laidOut_{0, 0}; // the size and days a page the cells are laid out for
    int pages_ = 0;
    qreal y_ = 0;
};

// --- Each scout's duties ------------------------------------------------------------------------

bool PaintDutySlips(QPainter& painter, QPagedPaintDevice& device,
                    const std::vector<DutySlip>& slips) {
    const QSizeF page = device.pageLayout().paintRectPixels(device.logicalDpiX()).size();
    const qreal unit = device.logicalDpiY() / 72.0;
    const qreal pad = 8 * unit;
    const qreal width = page.width() - 2 * pad;
    int pages = 0;
    qreal y = 0;
    const auto newPage = [&]() {
        if (pages++ > 0 && !device.newPage())
            return false;
        y = 0;
        return true;
    };
    if (!newPage())
        return false;
    QPen cut(Qt::black, 0.75 * unit, Qt::DashLine);
    for (const DutySlip& slip : slips) {
        // The slip as one block: name, duties, count.
        const TextBlock name({slip.name}, SheetFont(12, true), &device, width);
        const TextBlock duties(slip.duties, SheetFont(10), &device, width);
        const TextBlock count({slip.count}, SheetFont(10, false, true), &device, width);
        const qreal gap = 4 * unit;
        const qreal whole = name.height() + duties.height() + gap + count.height() + 2 * pad;
        if (y > 0 && y + whole > page.height() && whole <= page.height())
            if (!newPage())
                return false;
        // Drawn part by part: only a slip taller than a page breaks, between lines.
        y += pad;
        const std::pair<const TextBlock*, qreal> parts[] = {
            {&name, 0}, {&duties, 0}, {&count, gap}};
        for (const auto& [block, before] : parts) {
            y += before;
            for (int from = 0; from < block->count();) {
                int n = block->fitting(from, page.height() - y);
                if (n == 0 && y > 0) {
                    if (!newPage())
                        return false;
                    continue;
                }
                n = std::max(n, 1);
                y += block->draw(painter, QPointF(pad, y), from, from + n);
                from += n;
            }
        }
        y += pad;
        painter.save();
        painter.setPen(cut);
        painter.drawLine(QPointF(0, y), QPointF(page.width(), y));
        painter.restore();
    }
    return true;
}

} // namespace

QPageLayout SheetPageLayout(QPageLayout layout, RosterSheet sheet) {
    layout.setOrientation(sheet == RosterSheet::NoticeBoard ? QPageLayout::Landscape
                                                            : QPageLayout::Portrait);
    return layout;
}

bool PaintRosterSheet(QPainter& painter, QPagedPaintDevice& device, const Roster& roster,
                      RosterSheet sheet, const RosterWords& words) {
    painter.setPen(Qt::black);
    if (sheet == RosterSheet::DutySlips)
        return PaintDutySlips(painter, device, MakeDutySlips(roster, words));
    const NoticeBoard board = MakeNoticeBoard(roster, words);
    return BoardPainter(painter, device, board).paint();
}

} // namespace dutywise
