#include "support/label_fit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStringList>
#include <QWidget>

namespace olm::testing {

namespace {

// The room a caption on one line (or on the lines it holds) needs: blanks at
// the end of a line show nothing.
QSize unbroken(const QLabel& label) {
    QStringList lines = label.text().split(QLatin1Char('\n'));
    for (QString& line : lines) {
        while (line.endsWith(QLatin1Char(' '))) {
            line.chop(1);
        }
    }
    const QFontMetrics metrics(label.font());
    int width = 0;
    for (const QString& line : lines) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    const QMargins frame = label.contentsMargins();
    return {width + frame.left() + frame.right() + 2 * label.margin(),
            static_cast<int>(lines.size()) * metrics.height() + frame.top() + frame.bottom() + 2 * label.margin()};
}

} // namespace

std::vector<std::string> labelsCutShort(const platform::Form& form) {
    std::vector<std::string> cut;
    for (const QLabel* label : form.widget()->findChildren<QLabel*>()) {
        if (label->text().trimmed().isEmpty()) {
            continue;
        }
        const QSize has = label->size();
        const QSize needs =
            label->wordWrap() ? QSize(has.width(), label->heightForWidth(has.width())) : unbroken(*label);
        if (needs.width() > has.width() || needs.height() > has.height()) {
            cut.push_back("\"" + label->text().toStdString() + "\" needs " + std::to_string(needs.width()) + "x" +
                          std::to_string(needs.height()) + ", has " + std::to_string(has.width()) + "x" +
                          std::to_string(has.height()));
        }
    }
    return cut;
}

} // namespace olm::testing
