#include "platform/text_viewer.h"

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/indexed_text.h"
#include "platform/text_view.h"
#include "platform/viewers_in_sight.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <memory>
#include <vector>

namespace olm::platform {

namespace {

// Lines of a viewer as it opens, and the fewest columns it opens with (a
// narrow help text still gets a window its title fits in).
constexpr int ViewerLines = 40;
constexpr std::uint64_t FewestColumns = 60;

// The frame the window manager put around a viewer shown; before any is
// shown, a title bar above.
QMargins frameOf(const QWidget* shown, int titleBar) {
    if (shown == nullptr) {
        return {0, titleBar, 0, 0};
    }
    const QRect inner = shown->geometry();
    const QRect outer = shown->frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// Wide enough for the widest line within the screen, and centred over the
// window that asked for it (or the screen); while the last viewer shown is
// open, a title bar's height below and right of it instead, so that the new
// one does not hide it, unless that leaves the screen. Centred again, it
// moves right past the viewers that stand there. Placed by the window's
// inside, which the window manager keeps where it is asked: the frame is
// known only once a window is shown.
void place(TextView* window, const QWidget* owner, const std::vector<QPointer<TextView>>& open) {
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    const int titleBar = std::max(window->style()->pixelMetric(QStyle::PM_TitleBarHeight), 1);
    const QWidget* last = open.empty() ? nullptr : open.back().data();
    const QMargins frame = frameOf(last, titleBar);
    // A column takes at least a pixel: no window is wider than the screen has pixels.
    const auto columns = std::clamp<std::uint64_t>(window->text().widestLine() + 1, FewestColumns,
                                                   std::max<std::uint64_t>(static_cast<std::uint64_t>(std::max(area.width(), 0)), FewestColumns));
    QRect inside(QPoint(), window->sizeFor(columns, ViewerLines).boundedTo(area.size().shrunkBy(frame)));
    if (last != nullptr) {
        inside.moveTopLeft(last->geometry().topLeft() + QPoint(titleBar, titleBar));
    }
    if (last == nullptr || !area.contains(inside.marginsAdded(frame))) {
        inside.moveCenter(owner != nullptr ? owner->frameGeometry().center() : area.center());
        const QRect bounds = area.marginsRemoved(frame);
        inside.moveLeft(std::clamp(inside.left(), bounds.left(), std::max(bounds.left(), bounds.right() + 1 - inside.width())));
        inside.moveTop(std::clamp(inside.top(), bounds.top(), std::max(bounds.top(), bounds.bottom() + 1 - inside.height())));
        const auto taken = [&] {
            return std::any_of(open.begin(), open.end(), [&](const QPointer<TextView>& v) { return v->geometry().topLeft() == inside.topLeft(); });
        };
        while (taken() && inside.right() + titleBar <= bounds.right()) {
            inside.translate(titleBar, 0);
        }
    }
    window->setGeometry(inside);
}

// A top-level read-only window on a file, shown without waiting and deleted
// when closed; several may be open at once.
class RealTextViewer : public TextViewer {
public:
    void show(const std::string& fileName) override {
        const auto path = files::resolve(fileName);
        std::unique_ptr<IndexedText> text;
        try {
            text = std::make_unique<IndexedText>(path);
        } catch (const FileError&) {
            // The viewer reports its own failure, as a separate program would;
            // the caller goes on.
            showMessage("Fisierul " + fileName + " nu poate fi citit.", "", Icon::Exclamation);
            return;
        }
        auto* window = new TextView(std::move(text));
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowTitle(QString::fromLatin1(path.filename().string()));
        std::erase_if(shown_, [](const QPointer<TextView>& v) { return v.isNull() || !v->isVisible(); });
        place(window, askingWindow(), shown_);
        window->show();
        window->raise();
        window->activateWindow();
        viewerShown(*window);
        shown_.emplace_back(window);
    }

private:
    std::vector<QPointer<TextView>> shown_; // the viewers open, in the order they were shown
};

TextViewer* installed = nullptr;

} // namespace

TextViewer& textViewer() {
    static RealTextViewer real;
    return installed != nullptr ? *installed : real;
}

void setTextViewer(TextViewer* replacement) { installed = replacement; }

} // namespace olm::platform
