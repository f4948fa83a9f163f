#include "listings/fisa2_listing.h"

#include "shared/listing_header.h"
#include "shared/number_text.h"
#include "shared/record_line.h"
#include "shared/sheet_records.h"
#include "shared/sheet_text.h"
#include "shared/state.h"

namespace olm {

namespace {

// The sheets of one listing, each filled into the same sheet: the head they
// share, the employer's block among it, is read once. A Fisa 2 longer than
// a page has no marker on its further pages.
class ListareFisa2 {
public:
    explicit ListareFisa2(const Semnatar& semnatar) { foaie_.cap = CapListare(semnatar); }

    int operator()(std::string_view linie, TextFoaie& text) {
        CompleteazaFisa2(foaie_, linie);
        text.incepeFoaia();
        ScrieFisa2(text, foaie_);
        return text.incheieFoaia();
    }

private:
    FoaieFisa2 foaie_;
};

} // namespace

void CompleteazaFisa2(FoaieFisa2& f, std::string_view linie) {
    const RecordFf2Vazut r = vedeLinieFf2(linie).record;
    CompleteazaCapul(f.cap, r.id, r.MarcaRectif);
    for (std::size_t k = 0; k < f.tipuri.size(); ++k) {
        f.tipuri[k] = esteMarcat(r.TipAS[k]);
    }
    for (std::size_t m = 0; m < f.venit.size(); ++m) {
        const bool total = m == 12;
        f.venit[m] = total || ValoareText(r.VenitCS[m]) != 0 ? r.VenitCS[m] : std::string_view();
        f.impozit[m] = total || ValoareText(r.ImpS[m]) != 0 ? r.ImpS[m] : std::string_view();
    }
}

void ScrieFise2(const Semnatar& semnatar) {
    ScrieListare(FisierListaFise2, SursaFise2(), [](std::string_view) { return true; }, ListareFisa2(semnatar));
}

void ScrieFisa2Angajat(const std::string& cod, const Semnatar& semnatar) {
    CodAngajat = cod;
    ScrieListare(
        FisierListaFise2, SursaFise2(),
        [&cod](std::string_view linie) { return esteLiniaAngajatului(linie, structuraFf2(), cod); },
        ListareFisa2(semnatar));
}

} // namespace olm
