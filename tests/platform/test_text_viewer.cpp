// The text viewer: the index of a file's lines, and the window walked with
// the keys and the mouse on a large file.

#include "platform/indexed_text.h"
#include "platform/text_view.h"
#include "platform/text_viewer.h"
#include "support/drive.h"
#include "support/file_bytes.h"

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

using namespace olm::platform;
using olm::testing::writeBytes;

namespace {

std::vector<std::string> linesOf(const IndexedText& text, std::size_t first, std::size_t count) {
    std::vector<std::string> out;
    for (const LineSpan& s : text.lines(first, count)) {
        out.push_back(text.bytes(s.start, s.start + s.length));
    }
    return out;
}

std::vector<TextView*> viewers() {
    std::vector<TextView*> out;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* view = qobject_cast<TextView*>(w); view != nullptr) {
            out.push_back(view);
        }
    }
    return out;
}

// "linia 0000017 ..." of a varying length, ending alternately in LF and CR LF.
std::string generatedLine(int i) {
    char head[32];
    std::snprintf(head, sizeof head, "linia %07d \xE2\xEE", i);
    return head + std::string(static_cast<std::size_t>(i % 50), static_cast<char>('a' + i % 26));
}

} // namespace

TEST(IndexedText, LinesEndAtLfOrCrLfAndAreFoundFromAnyLine) {
    struct Row {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
        std::uint64_t widest;
    } rows[] = {
        {"CR LF and LF", "unu\r\ndoi\ntrei\r\n", {"unu", "doi", "trei"}, 4},
        {"no end on the last line", "unu\r\n\xC2 doi", {"unu", "\xC2 doi"}, 5},
        {"empty file", "", {""}, 0},
        {"blank lines", "\r\n\n\r\n", {"", "", ""}, 0},
        {"a CR alone is text", "a\rb\r\nc\r", {"a\rb", "c\r"}, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        writeBytes("f.txt", row.bytes);
        const IndexedText text("f.txt");
        EXPECT_EQ(text.lineCount(), row.lines.size());
        EXPECT_EQ(text.widestLine(), row.widest);
        EXPECT_EQ(linesOf(text, 0, 99), row.lines);
    }

    std::string big;
    std::vector<std::string> expected;
    for (int i = 0; i < 1000; ++i) {
        expected.push_back(generatedLine(i));
        big += expected.back() + (i % 3 == 0 ? "\r\n" : "\n");
    }
    writeBytes("big.txt", big);
    const IndexedText text("big.txt");
    ASSERT_EQ(text.lineCount(), 1000u);
    for (std::size_t first : {0u, 31u, 32u, 33u, 500u, 997u}) {
        SCOPED_TRACE(first);
        const auto want = std::vector<std::string>(expected.begin() + first, expected.begin() + std::min(first + 40, std::size_t{1000}));
        EXPECT_EQ(linesOf(text, first, 40), want);
    }
    EXPECT_TRUE(text.lines(1000, 1).empty());
    EXPECT_EQ(IndexedText("missing.txt").lineCount(), 1u);
}

TEST(IndexedText, AFileRewrittenOrShortenedAfterOpeningNeverFailsTheReading) {
    writeBytes("ListF1.txt", "vechi 1\r\nvechi 2\r\n");
    const IndexedText text("ListF1.txt");
    writeBytes("nou.txt", "nou\r\n");
    std::filesystem::rename("nou.txt", "ListF1.txt");
    EXPECT_EQ(linesOf(text, 0, 2), (std::vector<std::string>{"vechi 1", "vechi 2"}));

    writeBytes("scurt.txt", "linia unu\r\nlinia doi\r\n");
    const IndexedText shortened("scurt.txt");
    std::filesystem::resize_file("scurt.txt", 4);
    EXPECT_EQ(linesOf(shortened, 0, 2), (std::vector<std::string>{"lini", ""}));
    EXPECT_EQ(shortened.bytes(0, 100), "lini");
}

TEST(TextViewer, ALargeFileIsShownScrolledSelectedAndCopiedAsItsBytes) {
    std::string bytes;
    std::vector<std::uint64_t> starts;
    const int count = 200'000;
    for (int i = 0; i < count; ++i) {
        starts.push_back(bytes.size());
        bytes += generatedLine(i) + (i % 2 == 0 ? "\r\n" : "\n");
    }
    writeBytes("ListF1.txt", bytes);
    QWidget owner;
    owner.setGeometry(100, 80, 700, 500);
    owner.show();
    ASSERT_TRUE(olm::testing::activate(&owner));

    setTextViewer(nullptr);
    textViewer().show("listf1.txt");
    ASSERT_EQ(viewers().size(), 1u);
    TextView* view = viewers().front();
    EXPECT_EQ(view->windowTitle(), QStringLiteral("ListF1.txt"));
    EXPECT_TRUE(QFontInfo(view->font()).fixedPitch());
    EXPECT_LE((view->frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(), 40);
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0); // the widest line in sight
    EXPECT_EQ(view->visibleLines().front(), QString::fromLatin1(generatedLine(0)));
    EXPECT_FALSE(view->grab().toImage().isNull());

    view->setFocus();
    const std::size_t page = view->pageRows();
    EXPECT_GE(page, 30u);
    EXPECT_LE(static_cast<std::size_t>(view->visibleLines().size()) - page, 1u); // at most one line partly in sight
    QTest::keyClick(view, Qt::Key_PageDown);
    EXPECT_EQ(view->firstVisibleLine(), page);
    EXPECT_EQ(view->visibleLines().front(), QString::fromLatin1(generatedLine(static_cast<int>(page))));
    QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(view->visibleLines().back(), QString::fromLatin1(generatedLine(count - 1)));

    // Shift with the keys selects across CR LF and LF; the copy is the file's bytes.
    QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_Right);
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
    }
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toLatin1().toStdString(), bytes.substr(1, starts[3]));

    // The mouse dragged from the third line's start to the fourth column of the fourth.
    QWidget* lines = view->viewport();
    const int lineHeight = view->fontMetrics().lineSpacing();
    const int column = view->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    QTest::mousePress(lines, Qt::LeftButton, {}, QPoint(1, lineHeight * 2 + lineHeight / 2));
    QTest::mouseMove(lines, QPoint(4 * column + 2, lineHeight * 3 + lineHeight / 2));
    QTest::mouseRelease(lines, Qt::LeftButton, {}, QPoint(4 * column + 2, lineHeight * 3 + lineHeight / 2));
    EXPECT_EQ(view->selectedBytes(), bytes.substr(starts[2], starts[3] + 4 - starts[2]));

    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().size(), static_cast<qsizetype>(bytes.size()));

    // Narrower than its lines, the view follows the caret across.
    view->resize(view->sizeFor(30, 20));
    QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
    for (int i = 0; i < 49; ++i) {
        QTest::keyClick(view, Qt::Key_Down);
    }
    QTest::keyClick(view, Qt::Key_End);
    const QString tail = view->visibleLines().at(static_cast<qsizetype>(49 - view->firstVisibleLine()));
    const QString line49 = QString::fromLatin1(generatedLine(49));
    EXPECT_TRUE(!tail.isEmpty() && tail.size() < line49.size() && line49.endsWith(tail)) << tail.toStdString();

    // Each new viewer opens a title bar below and right of the last one shown,
    // wherever that one stands; where that would leave the screen, centred
    // again. Closed, all go.
    const int step = view->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QRect screen = view->screen()->availableGeometry();
    view->move(view->pos() + QPoint(7, -5));
    ASSERT_TRUE(olm::testing::activate(&owner));
    textViewer().show("ListF1.txt");
    ASSERT_EQ(viewers().size(), 2u);
    TextView* second = viewers()[viewers()[0] == view ? 1 : 0];
    EXPECT_EQ(second->geometry().topLeft(), view->geometry().topLeft() + QPoint(step, step));
    second->move(screen.bottomRight() - QPoint(second->width(), second->height()));
    textViewer().show("ListF1.txt");
    ASSERT_EQ(viewers().size(), 3u);
    for (TextView* v : viewers()) {
        EXPECT_TRUE(v == view || v == second || (v->frameGeometry().center() - owner.frameGeometry().center()).manhattanLength() <= 40);
    }
    for (TextView* v : viewers()) {
        v->close();
    }
    olm::testing::runDeferredDeletes();
    EXPECT_TRUE(viewers().empty());
}

// Ctrl+A takes the last line end too; a move of the caret leaves it out.
TEST(TextViewer, SelectAllCopiesTheWholeFileWhateverItsLastLineEnds) {
    for (const auto& [bytes, backOne] : {std::pair{"unu\r\ndoi\r\n", "unu\r\ndo"}, {"unu\ndoi\n", "unu\ndo"},
                                         {"unu\r\ndoi", "unu\r\ndo"}, {"\r\n", "\r\n"}}) {
        SCOPED_TRACE(bytes);
        writeBytes("f.txt", bytes);
        TextView view(std::make_unique<IndexedText>("f.txt"));
        QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text().toLatin1().toStdString(), bytes);
        QTest::keyClick(&view, Qt::Key_Left, Qt::ShiftModifier);
        EXPECT_EQ(view.selectedBytes(), backOne);
    }
}

TEST(TextViewer, ADragHeldBelowTheViewKeepsScrollingAndSelectingUntilReleased) {
    std::string bytes;
    for (int i = 0; i < 300; ++i) {
        bytes += "linia " + std::to_string(1000 + i) + "\r\n"; // 12 bytes a line
    }
    writeBytes("f.txt", bytes);
    TextView view(std::make_unique<IndexedText>("f.txt"));
    view.resize(view.sizeFor(40, 10));
    view.show();
    const QPoint below(1, view.viewport()->height() + 2); // the move itself scrolls a line
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, QPoint(1, view.fontMetrics().lineSpacing() * 5 / 2));
    QTest::mouseMove(view.viewport(), below);
    QTest::qWait(300);
    const std::size_t top = view.firstVisibleLine();
    EXPECT_GE(top, 3u);
    // From the third line to the start of the last one wholly in sight, under the pointer.
    EXPECT_EQ(view.selectedBytes(), bytes.substr(2 * 12, (top + view.pageRows() - 3) * 12));
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, below);
    QTest::qWait(150);
    EXPECT_EQ(view.firstVisibleLine(), top);
}
