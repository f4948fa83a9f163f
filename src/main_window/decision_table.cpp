#include "main_window/decision_table.h"

namespace olm {

std::array<std::string, 4> CaptiiDecizie(std::string_view fise) {
    if (fise == "F1") {
        return {"Modific Fisa 1", "Creez Fisa 2", "Sterg Fisa 1", ""};
    }
    if (fise == "F2") {
        return {"Modific Fisa 2", "Creez Fisa 1", "", "Sterg Fisa 2"};
    }
    if (fise == "F1F2") {
        return {"Modific Fisa 1", "Modific Fisa 2", "Sterg Fisa 1", "Sterg Fisa 2"};
    }
    return {};
}

Decizie DecizieButon(int index, std::string_view fise) {
    using A = Decizie::Actiune;
    const bool f1 = fise == "F1";
    const bool f2 = fise == "F2";
    const bool ambele = fise == "F1F2";
    if (!f1 && !f2 && !ambele) {
        return {};
    }
    // A decision about a Fisa 1 shows the situation frame, from which the
    // Fisa 1 opens; one about a Fisa 2 enables "Fisa 2" instead.
    auto deschide = [](int mod, bool fisa1) {
        return Decizie{A::Deschide, mod, false, !fisa1, fisa1};
    };
    switch (index) {
    case 0:
        return f1 ? deschide(1, true) : f2 ? deschide(2, false) : deschide(3, true);
    case 1:
        return f1 ? deschide(4, false) : f2 ? deschide(5, true) : deschide(6, false);
    case 2:
        return f2 ? Decizie{} : Decizie{A::StergeFisa1};
    case 3:
        return f1 ? Decizie{} : Decizie{A::StergeFisa2};
    default:
        return {};
    }
}

} // namespace olm
