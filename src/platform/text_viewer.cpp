#include "platform/text_viewer.h"

#include "platform/dialogs.h"
#include "platform/files.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPlainTextEdit>

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

// A top-level read-only window on the text of a file, shown without waiting
// and deleted when closed; several may be open at once.
class RealTextViewer : public TextViewer {
public:
    void show(const std::string& fileName) override {
        // Read as bytes, line by line, so CR LF and bare LF both end a line.
        QString text;
        try {
            bool first = true;
            files::LineReader reader(fileName);
            std::string line;
            while (reader.next(line)) {
                if (!first) {
                    text += QLatin1Char('\n');
                }
                text += QString::fromLatin1(line);
                first = false;
            }
        } catch (const FileError&) {
            // The viewer reports its own failure, as a separate program would;
            // the caller goes on.
            showMessage("Fisierul " + fileName + " nu poate fi citit.", "", Icon::Exclamation);
            return;
        }

        auto* window = new QPlainTextEdit;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setReadOnly(true);
        window->setLineWrapMode(QPlainTextEdit::NoWrap);
        window->setFont(viewerFont());
        window->setWindowTitle(
            QString::fromLatin1(files::resolve(fileName).filename().string()));
        window->setPlainText(text);
        const QFontMetrics metrics(window->font());
        window->resize(metrics.horizontalAdvance(QLatin1Char('0')) * 90, metrics.lineSpacing() * 40);
        window->show();
        window->raise();
        window->activateWindow();
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
