#include "listings/fisa1_listing.h"

#include "shared/listing_header.h"
#include "shared/number_text.h"
#include "shared/record_line.h"
#include "shared/sheet_records.h"
#include "shared/sheet_text.h"
#include "shared/state.h"

#include <algorithm>

namespace olm {

namespace {

void coeficienti(std::array<double, 12>& f, const std::array<std::string_view, 12>& campuri) {
    for (std::size_t m = 0; m < f.size(); ++m) {
        f[m] = ValoareText(campuri[m]);
    }
}

// Section VI of a regularised sheet: the stored lines, with lines 4 and 6
// worked out again from those beside them (lines 1 and 8 are the totals of
// section V).
void regularizare(std::array<std::string, 10>& vi, const RecordFf1Vazut& r) {
    auto pozitiv = [](double x) { return x > 0 ? x : 0.0; };
    const double linia4 = pozitiv(ValoareText(r.VenitN[13]) + ValoareText(r.ChAc) - ValoareText(r.Reg[0]));
    const double linia6 = pozitiv(linia4 - ValoareText(r.Reg[2]));
    const std::array<std::string_view, 10> stocate = {r.VenitN[13], r.ChAc,     r.Reg[0],  {}, r.Reg[2],
                                                      {},           r.Reg[4], r.ImpC[13], r.Reg[5], r.Reg[6]};
    std::copy(stocate.begin(), stocate.end(), vi.begin());
    vi[3] = TextNumar(linia4);
    vi[5] = TextNumar(linia6);
}

// The sheets of one listing, each filled into the same sheet: the head they
// share, the employer's block among it, and the dependants are read once for
// all of them. Given to the listing by reference: the dependants' file stays
// mapped while it lasts.
class ListareFisa1 {
public:
    explicit ListareFisa1(const Semnatar& semnatar) { foaie_.cap = CapListare(semnatar); }

    int operator()(std::string_view linie, TextFoaie& text) {
        CompleteazaFisa1(foaie_, linie, persoane_);
        CodAngajat = foaie_.cap.cod;
        // At the top of every further page: 51 blanks and the employee's
        // code, then an empty line.
        marcaj_.assign(51, ' ').append("(Cod angajat : ").append(foaie_.cap.cod).append(")\r\n\r\n");
        text.incepeFoaia(marcaj_);
        ScrieFisa1(text, foaie_);
        return text.incheieFoaia();
    }

private:
    IndexPersoane persoane_ = IndexPersoane::citeste();
    FoaieFisa1 foaie_;
    std::string marcaj_;
};

} // namespace

void CompleteazaFisa1(FoaieFisa1& f, std::string_view linie, const IndexPersoane& persoane) {
    const RecordFf1Vazut r = vedeLinieFf1(linie).record;
    CompleteazaCapul(f.cap, r.id, r.MarcaRectif);
    f.regularizata = esteMarcat(r.MarcaReg);
    f.faraDomiciliu = esteMarcat(r.MarcaFaraDom);
    f.alteSurse = esteMarcat(r.MarcaAlteS);
    f.dataAngajarii = r.DataAngajarii;
    f.dataIncetarii = r.DataIncetarii;
    coeficienti(f.coeficientCalculat, r.CoefCalc);
    coeficienti(f.coeficientPropriu, r.CoefProp);
    f.invalid1 = esteMarcat(r.MarcaInv1);
    f.invalid2 = esteMarcat(r.MarcaInv2);
    f.persoane = persoane.persoane(r.id.Cod);
    f.venitNet = r.VenitN;
    f.impozit = r.ImpC;
    f.cheltuieliAcordate = r.ChAc;
    f.luniCheltuieli = r.Luni;
    for (auto& v : f.regularizare) {
        v.clear(); // shown only on a regularised sheet, none left from the last one
    }
    if (DeducereBaza[12] == 0) {
        f.formaVI = FormaSectiuneaVI::EticheteScurte;
    } else if (f.regularizata) {
        f.formaVI = FormaSectiuneaVI::CuValori;
        regularizare(f.regularizare, r);
    } else {
        f.formaVI = FormaSectiuneaVI::DoarEtichete;
    }
    f.impunereFinala = {r.Reg[7], r.Reg[8], r.Reg[9]};
}

void ScrieFise1(SelectieFise1 selectie, const Semnatar& semnatar) {
    if (selectie == SelectieFise1::Toate) {
        TipLista = "T";
        FisierDest = SursaFise1();
    } else {
        FiltreazaFise1(selectie == SelectieFise1::Regularizate);
    }
    ListareFisa1 foi(semnatar);
    ScrieListare(FisierListaFise1, FisierDest, [](std::string_view) { return true; }, std::ref(foi));
}

void ScrieFisa1Angajat(const std::string& cod, const Semnatar& semnatar) {
    TipLista = "S";
    CodAngajat = cod;
    ListareFisa1 foi(semnatar);
    ScrieListare(
        FisierListaFise1, SursaFise1(),
        [&cod](std::string_view linie) { return esteLiniaAngajatului(linie, structuraFf1(), cod); }, std::ref(foi));
}

} // namespace olm
