#include "listings/dependants_index.h"

#include "platform/files.h"
#include "shared/sheet_files.h"
#include "shared/sheet_records.h"
#include "shared/state.h"

#include <algorithm>
#include <bit>
#include <functional>

namespace olm {

namespace {

// Calls f with the place and the length of each line of the bytes, without
// its CR LF or LF.
template <class F>
void pentruFiecareLinie(std::string_view octeti, F f) {
    std::size_t inceput = 0;
    while (inceput < octeti.size()) {
        std::size_t sfarsit = std::min(octeti.find('\n', inceput), octeti.size());
        const std::size_t urmatoarea = sfarsit + 1;
        if (sfarsit > inceput && octeti[sfarsit - 1] == '\r') {
            --sfarsit;
        }
        f(inceput, sfarsit - inceput);
        inceput = urmatoarea;
    }
}

std::string_view cheie(std::string_view linie) {
    return cheieLinie(linie, FisierDeduceri().structura).value_or(std::string_view());
}

} // namespace

IndexPersoane IndexPersoane::citeste() {
    IndexPersoane index;
    index.fisier_ = platform::files::MappedFile(FisierDeduceri().nume);
    pentruFiecareLinie(index.fisier_.bytes(), [&](std::size_t inceput, std::size_t lungime) {
        if (!cheie(index.fisier_.bytes().substr(inceput, lungime)).empty()) {
            index.linii_.push_back({inceput, lungime});
        }
    });
    index.grupeaza();
    return index;
}

std::string_view IndexPersoane::linie(const Linie& l) const {
    return fisier_.bytes().substr(l.inceput, l.lungime);
}

std::string_view IndexPersoane::codul(const Angajat& a) const { return cheie(linie(linii_[a.prima])); }

std::size_t IndexPersoane::loc(std::string_view cod, std::size_t hash) const {
    const std::size_t masca = angajati_.size() - 1; // the size is a power of two
    for (std::size_t i = hash & masca;; i = (i + 1) & masca) {
        const Angajat& a = angajati_[i];
        if (a.numar == 0 || (a.hash == hash && codul(a) == cod)) {
            return i;
        }
    }
}

void IndexPersoane::grupeaza() {
    if (linii_.empty()) {
        return;
    }
    // Each line's employee: his place, found (or taken) in file order, so
    // that a place's first line is the employee's first.
    angajati_.assign(std::bit_ceil(2 * linii_.size()), Angajat{});
    const std::size_t niciunul = angajati_.size(); // a line past the employee's 20th
    std::vector<std::size_t> locuri(linii_.size(), niciunul);
    for (std::size_t i = 0; i < linii_.size(); ++i) {
        const std::string_view cod = cheie(linie(linii_[i]));
        const std::size_t hash = std::hash<std::string_view>{}(cod);
        const std::size_t p = loc(cod, hash);
        Angajat& a = angajati_[p];
        if (a.numar == 0) {
            a = {hash, static_cast<std::uint32_t>(i), 0};
        }
        if (a.numar < static_cast<std::uint32_t>(MaxPersoane)) {
            ++a.numar;
            locuri[i] = p;
        }
    }
    // Each employee's lines after those of the employees before him in the
    // table, in file order.
    std::uint32_t urmatoarea = 0;
    for (Angajat& a : angajati_) {
        a.prima = urmatoarea;
        urmatoarea += a.numar;
        a.numar = 0; // counted again as his lines are put in place
    }
    std::vector<Linie> grupate(urmatoarea);
    for (std::size_t i = 0; i < linii_.size(); ++i) {
        if (locuri[i] != niciunul) {
            Angajat& a = angajati_[locuri[i]];
            grupate[a.prima + a.numar++] = linii_[i];
        }
    }
    linii_ = std::move(grupate);
}

std::vector<PersoanaFoaie> IndexPersoane::persoane(std::string_view codAngajat) const {
    std::vector<PersoanaFoaie> persoane;
    if (angajati_.empty()) {
        return persoane;
    }
    const Angajat& a = angajati_[loc(codAngajat, std::hash<std::string_view>{}(codAngajat))];
    persoane.reserve(a.numar);
    for (std::uint32_t k = 0; k < a.numar; ++k) {
        const RecordDeduceriVazut d = vedeLinieDeduceri(linie(linii_[a.prima + k])).record;
        persoane.push_back(PersoanaDinTexte(d.CodPersoana, d.Nume, d.Prenume, d.Marci, d.Coef));
    }
    return persoane;
}

} // namespace olm
