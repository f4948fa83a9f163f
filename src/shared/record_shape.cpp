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
    // The skeleton compared as it is built, without keeping it: the line is
    // walked once and left at the first character that differs.
    std::size_t n = 0; // characters of the skeleton so far
    for (char c : linie) {
        if (c != '#' && c != ',') {
            continue;
        }
        if (c == ',' && n > 1 && sablon[n - 2] == ',' && sablon[n - 1] == '#') {
            continue; // a comma inside a text field
        }
        if (n == sablon.size() || sablon[n] != c) {
            return false;
        }
        ++n;
    }
    return n == sablon.size();
}

} // namespace olm
