#include "listings/sheet_pages.h"

namespace olm {

FoaiePaginata Pagineaza(std::vector<std::string> linii, const std::optional<std::string>& codMarcaj) {
    FoaiePaginata p;
    if (!codMarcaj) {
        p.linii = std::move(linii);
    } else {
        p.linii.reserve(linii.size() + linii.size() / (LungPagina / 2) + LungPagina);
        for (auto& linie : linii) {
            p.linii.push_back(std::move(linie));
            if (p.linii.size() % LungPagina == 0) {
                p.linii.push_back(std::string(51, ' ') + "(Cod angajat : " + *codMarcaj + ")");
                p.linii.emplace_back();
            }
        }
    }
    p.numarate = static_cast<int>(p.linii.size());
    const std::size_t rest = p.linii.size() % LungPagina;
    if (rest != 0) {
        p.linii.resize(p.linii.size() + LungPagina - rest);
    }
    return p;
}

} // namespace olm
