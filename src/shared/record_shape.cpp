#include "shared/record_shape.h"

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
    for (char c : linie) {
        if (c != '#' && c != ',') {
            continue;
        }
        const bool campTextDeschis = n > 1 && sablon[n - 2] == ',' && sablon[n - 1] == '#';
        if (c == ',' && campTextDeschis) {
            continue;
        }
        if (n == sablon.size() || sablon[n] != c) {
            return false;
        }
        ++n;
    }
    return n == sablon.size();
}

} // namespace olm
