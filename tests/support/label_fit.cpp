#include "support/label_fit.h"

#include <QLabel>

namespace olm::testing {

std::vector<std::string> labelsCutShort(const platform::Form& form) {
    std::vector<std::string> cut;
    for (const QLabel* label : form.widget()->findChildren<QLabel*>()) {
        QString shown = label->text(); // blanks at its end show nothing
        while (shown.endsWith(QLatin1Char(' '))) {
            shown.chop(1);
        }
        const QSize has = label->wordWrap() ? label->size() : label->contentsRect().size();
        const QSize needs = label->wordWrap() ? QSize(has.width(), label->heightForWidth(has.width()))
                                              : label->fontMetrics().boundingRect(QRect(), 0, shown).size();
        if (needs.width() > has.width() || needs.height() > has.height()) {
            cut.push_back("\"" + shown.toStdString() + "\" needs " + std::to_string(needs.width()) + "x" +
                          std::to_string(needs.height()) + ", has " + std::to_string(has.width()) + "x" +
                          std::to_string(has.height()));
        }
    }
    return cut;
}

} // namespace olm::testing
