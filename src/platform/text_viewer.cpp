#include "platform/text_viewer.h"

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/indexed_text.h"
#include "platform/text_view.h"
#include "platform/viewers_in_sight.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <memory>

namespace olm::platform {

namespace {

// Lines of a viewer as it opens, and the fewest columns it opens with (a
// narrow help text still gets a window its title fits in).
constexpr int ViewerLines = 40;
constexpr std::uint64_t FewestColumns = 60;

bool viewerStandsAt(QPoint place, const QWidget* except) {
    const auto windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [&](const QWidget* w) {
        return w != except && w->isVisible() && qobject_cast<const TextView*>(w) != nullptr && w->pos() == place;
    });
}

// Centred over the window that asked for it (or the screen), wide enough for
// the widest line within the screen, and moved down and right while another
// viewer stands exactly there, so that a second one does not hide the first.
void place(TextView* window, const QWidget* owner) {
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    const int titleBar = window->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    // A column takes at least a pixel: no window is wider than the screen has pixels.
    const auto columns = std::clamp<std::uint64_t>(window->text().widestLine() + 1, FewestColumns,
                                                   std::max<std::uint64_t>(static_cast<std::uint64_t>(std::max(area.width(), 0)), FewestColumns));
    const QSize wanted = window->sizeFor(columns, ViewerLines);
    QRect frame(QPoint(), wanted.boundedTo(area.size() - QSize(0, titleBar)));
    frame.moveCenter(owner != nullptr ? owner->frameGeometry().center() : area.center());
    const auto keepOnScreen = [&] {
        frame.moveLeft(std::clamp(frame.left(), area.left(), std::max(area.left(), area.right() + 1 - frame.width())));
        frame.moveTop(std::clamp(frame.top(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height())));
    };
    keepOnScreen();
    const QPoint step(titleBar, titleBar);
    for (int tries = 0; tries < 64 && viewerStandsAt(frame.topLeft(), window); ++tries) {
        frame.translate(step);
        if (!area.contains(frame)) {
            frame.moveTopLeft(area.topLeft() + step * (tries % 8));
        }
        keepOnScreen();
    }
    window->resize(frame.size());
    window->move(frame.topLeft());
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
        const QWidget* owner = QApplication::activeWindow();
        auto* window = new TextView(std::move(text));
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowTitle(QString::fromLatin1(path.filename().string()));
        place(window, owner);
        window->show();
        window->raise();
        window->activateWindow();
        viewerShown(*window);
    }
};

TextViewer* installed = nullptr;

} // namespace

TextViewer& textViewer() {
    static RealTextViewer real;
    return installed != nullptr ? *installed : real;
}

void setTextViewer(TextViewer* replacement) { installed = replacement; }

} // namespace olm::platform
