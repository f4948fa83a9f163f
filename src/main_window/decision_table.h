#pragma once

// The choices the decision dialog offers an employee who already has sheets,
// by which sheets he has (FiseAngajat: "F1", "F2" or "F1F2").

#include <array>
#include <string>
#include <string_view>

namespace olm {

// The captions of the dialog's four buttons; an empty caption is a disabled
// button.
std::array<std::string, 4> CaptiiDecizie(std::string_view fise);

// What pressing a button decides.
struct Decizie {
    enum class Actiune { Nimic, Deschide, StergeFisa1, StergeFisa2 };
    Actiune actiune = Actiune::Nimic;
    int mod = 0; // ModIncarcare for Deschide: 1 to 6
    // The employee's form afterwards (Deschide only).
    bool okFisa1 = false;
    bool okFisa2 = false;
    bool frame1 = false;
};

// The decision of button `index` (0 to 3) for the sheets the employee has.
Decizie DecizieButon(int index, std::string_view fise);

} // namespace olm
