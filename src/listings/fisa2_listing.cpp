#include "listings/fisa2_listing.h"

#include "shared/listing_header.h"
#include "shared/number_text.h"
#include "shared/record_line.h"
#include "shared/sheet_records.h"
#include "shared/sheet_text.h"
#include "shared/state.h"

namespace olm {

namespace {

// The sheets of one listing: the employer's block is read once for all.
struct ContextFisa2 {
    std::vector<std::string> antet = liniiAntetAngajator();
    Semnatar semnatar;

    FoaiePaginata operator()(const std::string& linie) const {
        return Pagineaza(LiniiFisa2(FoaieDinFf2(linie, antet, semnatar)), std::nullopt);
    }
};

} // namespace

FoaieFisa2 FoaieDinFf2(std::string_view linie, const std::vector<std::string>& antet,
                       const Semnatar& semnatar) {
    RecordFf2 r = citesteLinieFf2(linie).record;
    FoaieFisa2 f;
    f.cap = CapDinRecord(r.id, r.MarcaRectif, antet, semnatar);
    for (std::size_t k = 0; k < f.tipuri.size(); ++k) {
        f.tipuri[k] = esteMarcat(r.TipAS[k]);
    }
    for (std::size_t m = 0; m < f.venit.size(); ++m) {
        const bool total = m == 12;
        f.venit[m] = total || ValoareText(r.VenitCS[m]) != 0 ? r.VenitCS[m] : std::string();
        f.impozit[m] = total || ValoareText(r.ImpS[m]) != 0 ? r.ImpS[m] : std::string();
    }
    return f;
}

void ScrieFise2(const Semnatar& semnatar) {
    ScrieListare(FisierListaFise2, SursaFise2(), [](std::string_view) { return true; },
                 ContextFisa2{.semnatar = semnatar});
}

void ScrieFisa2Angajat(const std::string& cod, const Semnatar& semnatar) {
    CodAngajat = cod;
    ScrieListare(
        FisierListaFise2, SursaFise2(),
        [&cod](std::string_view linie) { return esteLiniaAngajatului(linie, structuraFf2(), cod); },
        ContextFisa2{.semnatar = semnatar});
}

} // namespace olm
