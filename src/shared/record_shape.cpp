#include "shared/record_shape.h"

#include "shared/byte_scan.h"

namespace olm {

std::string ScheletInregistrare(std::string_view linie) {
    std::string schelet;
    for (char c : linie) {
        if (c == '#') {
            schelet += '#';
        } else if (c == ',') {
            // A skeleton ending in ",#" has a text field open: its commas are text.
            const bool campTextDeschis = schelet.size() > 1 && schelet.ends_with(",#");
            if (!campTextDeschis) {
                schelet += ',';
            }
        }
    }
    return schelet;
}

bool VerificaStructura(std::string_view linie, std::string_view sablon) {
    // The skeleton built as above, compared with the template as it grows
    // (no copy of it is made, and a line of another shape stops early).
    std::size_t n = 0;
    const bool toate = detail::pentruFiecareLoc(linie, 0, '#', ',', [&](std::size_t loc) {
        const char c = linie[loc];
        const bool campTextDeschis = n > 1 && sablon[n - 2] == ',' && sablon[n - 1] == '#';
        if (c == ',' && campTextDeschis) {
            return true;
        }
        if (n == sablon.size() || sablon[n] != c) {
            return false;
        }
        ++n;
        return true;
    });
    return toate && n == sablon.size();
}

} // namespace olm
