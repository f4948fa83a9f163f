#include "platform/text_view.h"

#include <QClipboard>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>

namespace olm::platform {

namespace {

QFont viewerFont() {
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    f.setPointSize(10);
    if (!QFontInfo(f).fixedPitch()) {
        f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        f.setPointSize(10);
    }
    return f;
}

// Blank room left of and above the text, as in a plain text window.
constexpr int Margin = 4;

// A drag held past an edge scrolls the view this often (milliseconds).
constexpr int DragScrollInterval = 50;

// How far such a drag scrolls at each step along one axis: a line (or a
// column), and one more for each further one the pointer stands past the
// edge; negative up and left, 0 within.
long long stepsPast(int at, int extent, double unit) {
    if (at < 0) {
        return -1 - static_cast<long long>(-at / unit);
    }
    if (at >= extent) {
        return 1 + static_cast<long long>((at - extent) / unit);
    }
    return 0;
}

// A scroll bar counts in int; a file with more lines (or a line with more
// columns) than this has each step of its bar stand for several of them.
constexpr std::uint64_t ScrollBarLimit = std::uint64_t{1} << 30;

// Sets a bar over the positions 0 to `max`, `page` of them in sight, standing
// at `position`; returns how many positions one step of the bar stands for.
std::uint64_t setBar(QScrollBar* bar, std::uint64_t max, std::uint64_t page, std::uint64_t position) {
    const std::uint64_t unit = max / ScrollBarLimit + 1;
    bar->setRange(0, static_cast<int>((max + unit - 1) / unit));
    bar->setPageStep(static_cast<int>(std::clamp<std::uint64_t>(page / unit, 1, ScrollBarLimit)));
    bar->setSingleStep(1);
    bar->setValue(static_cast<int>(position / unit));
    return unit;
}

std::uint64_t barPosition(const QScrollBar* bar, std::uint64_t unit, std::uint64_t max) {
    return std::min(static_cast<std::uint64_t>(std::max(bar->value(), 0)) * unit, max);
}

// The control characters have no glyph of one column: a blank stands for them.
QString latin1Shown(const std::string& bytes) {
    QString s = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    for (QChar& c : s) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0)) {
            c = QLatin1Char(' ');
        }
    }
    return s;
}

} // namespace

TextView::TextView(std::unique_ptr<IndexedText> text, QWidget* parent)
    : QAbstractScrollArea(parent), text_(std::move(text)) {
    setFont(viewerFont());
    const QFontMetrics metrics(font());
    lineHeight_ = std::max(metrics.lineSpacing(), 1);
    ascent_ = metrics.ascent();
    columnWidth_ = std::max(QFontMetricsF(font()).horizontalAdvance(QLatin1Char('0')), 1.0);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    dragTimer_.setInterval(DragScrollInterval);
    connect(&dragTimer_, &QTimer::timeout, this, &TextView::dragScroll);
    updateScrollBars();
}

TextView::~TextView() = default;

QSize TextView::sizeFor(std::uint64_t columns, int lines) const {
    const int frame = 2 * frameWidth();
    return {Margin + static_cast<int>(std::ceil(static_cast<double>(columns) * columnWidth_)) + frame +
                verticalScrollBar()->sizeHint().width(),
            Margin + lines * lineHeight_ + frame};
}

std::size_t TextView::pageRows() const {
    return std::max<std::size_t>(static_cast<std::size_t>(std::max(viewport()->height() - Margin, 0) / lineHeight_), 1);
}

std::uint64_t TextView::pageColumns() const {
    return std::max<std::uint64_t>(static_cast<std::uint64_t>(std::max(viewport()->width() - Margin, 0) / columnWidth_), 1);
}

std::size_t TextView::shownRows() const {
    const auto rows = static_cast<std::size_t>(std::max(viewport()->height() - Margin + lineHeight_ - 1, 0) / lineHeight_);
    return std::min(rows, text_->lineCount() - top_);
}

const std::vector<LineSpan>& TextView::page() const {
    const std::size_t rows = shownRows();
    if (!pageRead_ || pageTop_ != top_ || page_.size() != rows) {
        page_ = text_->lines(top_, rows);
        pageTop_ = top_;
        pageRead_ = true;
    }
    return page_;
}

LineSpan TextView::lineAt(std::size_t line) const {
    const auto& shown = page();
    if (line >= top_ && line - top_ < shown.size()) {
        return shown[line - top_];
    }
    const auto one = text_->lines(line, 1);
    return one.empty() ? LineSpan{} : one.front();
}

QString TextView::shownText(const LineSpan& line) const {
    if (line.length <= left_) {
        return {};
    }
    const std::uint64_t count = std::min(line.length - left_, pageColumns() + 1);
    return latin1Shown(text_->bytes(line.start + left_, line.start + left_ + count));
}

QStringList TextView::visibleLines() const {
    QStringList out;
    for (const LineSpan& line : page()) {
        out.append(shownText(line));
    }
    return out;
}

double TextView::xOf(std::uint64_t column) const {
    return Margin + (column <= left_ ? 0.0 : static_cast<double>(column - left_) * columnWidth_);
}

std::uint64_t TextView::offsetOf(TextPlace place) const {
    const LineSpan line = lineAt(place.line);
    return line.start + std::min(place.column, line.length);
}

TextPlace TextView::placeAt(QPoint point) const {
    // Past the bottom or the right edge (a drag held there), the last line or
    // column wholly in sight: a caret placed further would scroll the view
    // once more than the drag asked for.
    const auto rows = static_cast<int>(std::max<std::size_t>(shownRows(), 1));
    const int below = point.y() < viewport()->height() ? (point.y() - Margin) / lineHeight_ : static_cast<int>(pageRows()) - 1;
    const auto row = static_cast<std::size_t>(std::clamp(below, 0, rows - 1));
    const std::size_t line = std::min(top_ + row, text_->lineCount() - 1);
    const auto column = point.x() < viewport()->width()
                            ? static_cast<std::uint64_t>(std::max(std::lround((point.x() - Margin) / columnWidth_), 0L))
                            : pageColumns() - 1;
    return {line, std::min(left_ + column, lineAt(line).length)};
}

std::uint64_t TextView::selectionEnd() const {
    return allSelected_ ? text_->size() : offsetOf(std::max(anchor_, caret_));
}

std::string TextView::selectedBytes() const {
    return text_->bytes(offsetOf(std::min(anchor_, caret_)), selectionEnd());
}

void TextView::selectAll() {
    const std::size_t last = text_->lineCount() - 1;
    anchor_ = {};
    moveCaret({last, lineAt(last).length}, true);
    allSelected_ = true;
}

void TextView::copy() const {
    const std::string bytes = selectedBytes();
    if (!bytes.empty()) {
        QGuiApplication::clipboard()->setText(QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())));
    }
}

void TextView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QPalette& colours = palette();
    painter.fillRect(viewport()->rect(), colours.base());
    painter.setFont(font());
    const auto [from, to] = std::minmax(anchor_, caret_);
    // After Ctrl+A the file's last line end is selected as well, which shows
    // as one column more after the last line.
    const bool pastLastLine = allSelected_ && selectionEnd() > offsetOf(to);
    const std::uint64_t lastColumn = left_ + pageColumns() + 2;
    const auto& shown = page();
    for (std::size_t row = 0; row < shown.size(); ++row) {
        const std::size_t line = top_ + row;
        const double y = Margin + static_cast<double>(row) * lineHeight_;
        const QString textShown = shownText(shown[row]);
        painter.setPen(colours.color(QPalette::Text));
        painter.drawText(QPointF(Margin, y + ascent_), textShown);
        if ((from == to && !pastLastLine) || line < from.line || line > to.line) {
            continue;
        }
        // A selection that goes on past the line's end shows one column more.
        const std::uint64_t a = line == from.line ? from.column : 0;
        const std::uint64_t b = line == to.line && !pastLastLine ? to.column : shown[row].length + 1;
        const QRectF selected(QPointF(xOf(a), y), QPointF(xOf(std::min(b, lastColumn)), y + lineHeight_));
        if (selected.width() > 0) {
            painter.fillRect(selected, colours.highlight());
            painter.save();
            painter.setClipRect(selected);
            painter.setPen(colours.color(QPalette::HighlightedText));
            painter.drawText(QPointF(Margin, y + ascent_), textShown);
            painter.restore();
        }
    }
    if (hasFocus() && caret_.line >= top_ && caret_.line - top_ < shown.size() && caret_.column >= left_) {
        const double y = Margin + static_cast<double>(caret_.line - top_) * lineHeight_;
        painter.fillRect(QRectF(xOf(caret_.column), y, 1, lineHeight_), colours.text());
    }
}

void TextView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

std::size_t TextView::maxTop() const {
    const std::size_t lines = text_->lineCount();
    return lines > pageRows() ? lines - pageRows() : 0;
}

std::uint64_t TextView::maxLeft() const {
    // The caret may stand after the widest line's last character.
    const std::uint64_t columns = text_->widestLine() + 1;
    return columns > pageColumns() ? columns - pageColumns() : 0;
}

void TextView::updateScrollBars() {
    top_ = std::min(top_, maxTop());
    left_ = std::min(left_, maxLeft());
    // A bar shown or hidden resizes the page and comes back here.
    const bool outer = !settingBars_;
    settingBars_ = true;
    verticalUnit_ = setBar(verticalScrollBar(), maxTop(), pageRows(), top_);
    horizontalUnit_ = setBar(horizontalScrollBar(), maxLeft(), pageColumns(), left_);
    settingBars_ = !outer;
}

void TextView::scrollContentsBy(int, int) {
    if (settingBars_) {
        return;
    }
    top_ = barPosition(verticalScrollBar(), verticalUnit_, maxTop());
    left_ = barPosition(horizontalScrollBar(), horizontalUnit_, maxLeft());
    viewport()->update();
}

void TextView::scrollTo(std::size_t top, std::uint64_t left) {
    top_ = top;
    left_ = left;
    updateScrollBars();
    viewport()->update();
}

void TextView::moveCaret(TextPlace to, bool extend) {
    // Extending a select-all without moving (Shift+End, Shift+Down at the
    // end) keeps it whole; any other move leaves the last line end out.
    allSelected_ = allSelected_ && extend && to == caret_;
    caret_ = to;
    if (!extend) {
        anchor_ = to;
    }
    std::size_t top = top_;
    if (to.line < top) {
        top = to.line;
    } else if (to.line - top >= pageRows()) {
        top = to.line - pageRows() + 1;
    }
    std::uint64_t left = left_;
    if (to.column < left) {
        left = to.column;
    } else if (to.column - left >= pageColumns()) {
        left = to.column - pageColumns() + 1;
    }
    scrollTo(top, left);
}

TextPlace TextView::linesAway(long long lines) const {
    const auto last = static_cast<long long>(text_->lineCount() - 1);
    const auto line = static_cast<std::size_t>(std::clamp(static_cast<long long>(caret_.line) + lines, 0LL, last));
    return {line, std::min(goalColumn_, lineAt(line).length)};
}

void TextView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copy();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        return;
    }
    const bool extend = event->modifiers().testFlag(Qt::ShiftModifier);
    const bool whole = event->modifiers().testFlag(Qt::ControlModifier);
    const auto rows = static_cast<long long>(pageRows());
    const std::size_t last = text_->lineCount() - 1;
    const std::uint64_t length = lineAt(caret_.line).length;
    TextPlace to = caret_;
    bool vertical = false;
    switch (event->key()) {
    case Qt::Key_Up:
        to = linesAway(-1);
        vertical = true;
        break;
    case Qt::Key_Down:
        to = linesAway(1);
        vertical = true;
        break;
    case Qt::Key_PageUp:
        scrollTo(top_ > pageRows() ? top_ - pageRows() : 0, left_);
        to = linesAway(-rows);
        vertical = true;
        break;
    case Qt::Key_PageDown:
        scrollTo(top_ + pageRows(), left_);
        to = linesAway(rows);
        vertical = true;
        break;
    case Qt::Key_Left:
        if (caret_.column > 0) {
            to.column = std::min(caret_.column, length) - 1;
        } else if (caret_.line > 0) {
            to = {caret_.line - 1, lineAt(caret_.line - 1).length};
        }
        break;
    case Qt::Key_Right:
        if (caret_.column < length) {
            to.column = caret_.column + 1;
        } else if (caret_.line < last) {
            to = {caret_.line + 1, 0};
        }
        break;
    case Qt::Key_Home:
        to = whole ? TextPlace{} : TextPlace{caret_.line, 0};
        break;
    case Qt::Key_End:
        to = whole ? TextPlace{last, lineAt(last).length} : TextPlace{caret_.line, length};
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    if (!vertical) {
        goalColumn_ = to.column;
    }
    moveCaret(to, extend);
}

void TextView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    caretTo(event->position().toPoint(), event->modifiers().testFlag(Qt::ShiftModifier));
}

void TextView::caretTo(QPoint point, bool extend) {
    const TextPlace to = placeAt(point);
    goalColumn_ = to.column;
    moveCaret(to, extend);
}

void TextView::mouseMoveEvent(QMouseEvent* event) {
    if (!event->buttons().testFlag(Qt::LeftButton)) {
        return;
    }
    // Dragged past an edge, the view scrolls at once, then on each tick of
    // the timer for as long as the pointer stays out, moved or not.
    dragPoint_ = event->position().toPoint();
    if (viewport()->rect().contains(dragPoint_)) {
        dragTimer_.stop();
    } else if (!dragTimer_.isActive()) {
        dragTimer_.start();
        dragScroll();
        return;
    }
    caretTo(dragPoint_, true);
}

void TextView::dragScroll() {
    const long long down = stepsPast(dragPoint_.y(), viewport()->height(), lineHeight_);
    const long long across = stepsPast(dragPoint_.x(), viewport()->width(), columnWidth_);
    scrollTo(static_cast<std::size_t>(std::clamp(static_cast<long long>(top_) + down, 0LL, static_cast<long long>(maxTop()))),
             static_cast<std::uint64_t>(std::clamp(static_cast<long long>(left_) + across, 0LL, static_cast<long long>(maxLeft()))));
    caretTo(dragPoint_, true);
}

void TextView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    dragTimer_.stop();
}

void TextView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

// A window that takes the activation (a message) takes the mouse too: a drag
// held past an edge ends there, its release coming to that window.
void TextView::focusOutEvent(QFocusEvent* event) {
    dragTimer_.stop();
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void TextView::hideEvent(QHideEvent* event) {
    dragTimer_.stop();
    QAbstractScrollArea::hideEvent(event);
}

} // namespace olm::platform
