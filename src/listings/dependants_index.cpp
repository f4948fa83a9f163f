#include "listings/dependants_index.h"

#include "platform/files.h"
#include "shared/sheet_files.h"
#include "shared/sheet_records.h"
#include "shared/state.h"

namespace olm {

namespace {

// Calls f with each line of the bytes (without its CR LF or LF) and the place
// where it begins.
template <class F>
void pentruFiecareLinie(std::string_view octeti, F f) {
    std::size_t inceput = 0;
    while (inceput < octeti.size()) {
        std::size_t sfarsit = octeti.find('\n', inceput);
        const std::size_t urmatoarea = sfarsit == std::string_view::npos ? octeti.size() : sfarsit + 1;
        sfarsit = std::min(sfarsit, octeti.size());
        std::string_view linie = octeti.substr(inceput, sfarsit - inceput);
        if (linie.ends_with('\r')) {
            linie.remove_suffix(1);
        }
        f(linie, inceput);
        inceput = urmatoarea;
    }
}

} // namespace

IndexPersoane IndexPersoane::citeste() {
    IndexPersoane index;
    const FisierDate& f = FisierDeduceri();
    index.fisier_ = platform::files::readBytes(f.nume);
    pentruFiecareLinie(index.fisier_, [&](std::string_view linie, std::size_t inceput) {
        const auto cheie = cheieLinie(linie, f.structura);
        if (!cheie || cheie->empty()) {
            return;
        }
        auto& ale = index.linii_[std::string(*cheie)];
        if (ale.size() < static_cast<std::size_t>(MaxPersoane)) {
            ale.push_back({inceput, linie.size()});
        }
    });
    return index;
}

std::vector<PersoanaFoaie> IndexPersoane::persoane(std::string_view codAngajat) const {
    std::vector<PersoanaFoaie> persoane;
    const auto it = linii_.find(std::string(codAngajat));
    if (it == linii_.end()) {
        return persoane;
    }
    persoane.reserve(it->second.size());
    for (const Linie& l : it->second) {
        const RecordDeduceriVazut d = vedeLinieDeduceri(std::string_view(fisier_).substr(l.inceput, l.lungime)).record;
        persoane.push_back(PersoanaDinTexte(d.CodPersoana, d.Nume, d.Prenume, d.Marci, d.Coef));
    }
    return persoane;
}

} // namespace olm
