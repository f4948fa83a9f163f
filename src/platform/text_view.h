#pragma once

// The read-only view of a text file in the viewer window. It draws only the
// lines in sight, read from the file when they come into sight, so a listing
// of tens of millions of lines opens and scrolls as fast as a short one.
// Bytes are shown as Latin-1 in a monospace font, one column each.
//
// It behaves as a plain text window read only: a caret moved by the arrows,
// Home/End, Page Up/Down and Ctrl+Home/End; Shift with them, or the mouse,
// selects, and a drag held past an edge keeps scrolling; Ctrl+A selects all
// and Ctrl+C copies the selected bytes as they stand in the file, the last
// line end included; the wheel and the scroll bars scroll.

#include "platform/indexed_text.h"

#include <QAbstractScrollArea>
#include <QStringList>
#include <QTimer>

#include <compare>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace olm::platform {

// A place in the text: a line and a column, which is a byte of the line.
struct TextPlace {
    std::size_t line = 0;
    std::uint64_t column = 0;
    auto operator<=>(const TextPlace&) const = default;
};

class TextView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TextView(std::unique_ptr<IndexedText> text, QWidget* parent = nullptr);
    ~TextView() override;

    const IndexedText& text() const { return *text_; }
    // The size of a window that shows this many columns and lines whole.
    QSize sizeFor(std::uint64_t columns, int lines) const;

    // The lines in sight, from the first, as far as they are in sight across.
    QStringList visibleLines() const;
    std::size_t firstVisibleLine() const { return top_; }
    // Lines wholly in sight (at least one): what Page Up and Page Down move by.
    std::size_t pageRows() const;
    // The selected bytes, line ends included, as they stand in the file.
    std::string selectedBytes() const;
    void selectAll();
    void copy() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Columns wholly in sight (at least one), and lines partly in sight.
    std::uint64_t pageColumns() const;
    std::size_t shownRows() const;
    // The furthest the view scrolls down and across.
    std::size_t maxTop() const;
    std::uint64_t maxLeft() const;
    // The lines in sight, read again only when the view moves down or up.
    const std::vector<LineSpan>& page() const;
    LineSpan lineAt(std::size_t line) const;
    QString shownText(const LineSpan& line) const;
    std::uint64_t offsetOf(TextPlace place) const;
    TextPlace placeAt(QPoint point) const;
    double xOf(std::uint64_t column) const;

    // Moves the caret, selecting from the anchor when `extend`, and brings it in sight.
    void moveCaret(TextPlace to, bool extend);
    // The caret to the place under a point of the view (a click, a drag).
    void caretTo(QPoint point, bool extend);
    // The caret a number of lines up (negative) or down, in the column it was heading for.
    TextPlace linesAway(long long lines) const;
    // Where the selection ends in the file: past the last line's end after Ctrl+A.
    std::uint64_t selectionEnd() const;
    // A drag held past an edge: scrolls towards the pointer and selects up to it.
    void dragScroll();
    void scrollTo(std::size_t top, std::uint64_t left);
    void updateScrollBars();

    std::unique_ptr<IndexedText> text_;
    int lineHeight_ = 1;
    int ascent_ = 0;
    double columnWidth_ = 1;
    std::size_t top_ = 0;    // first line in sight
    std::uint64_t left_ = 0; // first column in sight
    std::uint64_t verticalUnit_ = 1;
    std::uint64_t horizontalUnit_ = 1;
    bool settingBars_ = false;
    TextPlace caret_;
    TextPlace anchor_;
    std::uint64_t goalColumn_ = 0; // kept across moves up and down through shorter lines
    // Ctrl+A takes the file's last line end too, though the caret stands before it.
    bool allSelected_ = false;
    QTimer dragTimer_;  // runs while a drag is held past an edge
    QPoint dragPoint_;  // where the pointer was last seen in that drag
    mutable std::size_t pageTop_ = 0;
    mutable std::vector<LineSpan> page_;
    mutable bool pageRead_ = false;
};

} // namespace olm::platform
