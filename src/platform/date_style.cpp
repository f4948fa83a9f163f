#include "platform/date_style.h"

#include <cstdlib>
#include <ctime>

namespace olm::platform {

namespace {

std::string& style() {
    static std::string value = [] {
        const char* env = std::getenv("OLM_SHORT_DATE_STYLE");
        return std::string(env != nullptr && *env != '\0' ? env : "dd/MM/yy");
    }();
    return value;
}

void appendNumber(std::string& out, int value, int width) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (static_cast<int>(digits.size()) < width) {
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    }
    out += digits;
}

int run(const std::string& style, std::size_t at, char a, char b) {
    std::size_t n = 0;
    while (at + n < style.size() && (style[at + n] == a || style[at + n] == b)) {
        ++n;
    }
    return static_cast<int>(n);
}

} // namespace

std::string shortDateStyle() { return style(); }

void setShortDateStyle(const std::string& value) { style() = value; }

Date today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Date{local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

// "m" is taken as the month as well as "M": a date style has no minutes, and
// the style is often written "dd/mm/yy".
std::string formatDate(const Date& date, const std::string& style) {
    std::string out;
    std::size_t i = 0;
    while (i < style.size()) {
        const char c = style[i];
        if (c == 'd') {
            const int n = std::min(run(style, i, 'd', 'd'), 2);
            appendNumber(out, date.day, n);
            i += static_cast<std::size_t>(n);
        } else if (c == 'M' || c == 'm') {
            const int n = std::min(run(style, i, 'M', 'm'), 2);
            appendNumber(out, date.month, n);
            i += static_cast<std::size_t>(n);
        } else if (c == 'y') {
            const int n = run(style, i, 'y', 'y');
            if (n >= 4) {
                appendNumber(out, date.year, 4);
                i += 4;
            } else {
                appendNumber(out, date.year % 100, n >= 2 ? 2 : 1);
                i += static_cast<std::size_t>(n >= 2 ? 2 : 1);
            }
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

} // namespace olm::platform
