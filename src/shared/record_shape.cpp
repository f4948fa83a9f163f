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
    return ScheletInregistrare(linie) == sablon;
}

} // namespace olm
