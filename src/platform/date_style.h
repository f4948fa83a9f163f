#pragma once

// The short-date style the program expects of the system. On this platform it
// is a setting of our own, "dd/MM/yy" by default (environment variable
// OLM_SHORT_DATE_STYLE). Dates are always parsed and written by the program's
// own code, day first, never through the locale.

#include <string>

namespace olm::platform {

std::string shortDateStyle();
void setShortDateStyle(const std::string& style);

struct Date {
    int day = 0;
    int month = 0;
    int year = 0;
};

// Today's date from the system clock.
Date today();
// A date written in a style made of dd, d, MM, M, yyyy, yy and other characters
// taken literally.
std::string formatDate(const Date& date, const std::string& style);

} // namespace olm::platform
