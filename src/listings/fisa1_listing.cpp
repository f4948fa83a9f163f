#include "listings/fisa1_listing.h"

#include "shared/listing_header.h"
#include "shared/number_text.h"
#include "shared/record_line.h"
#include "shared/sheet_records.h"
#include "shared/sheet_text.h"
#include "shared/state.h"

namespace olm {

namespace {

std::array<std::string, 12> coeficienti(const std::array<std::string, 12>& campuri) {
    std::array<std::string, 12> c;
    for (std::size_t m = 0; m < c.size(); ++m) {
        c[m] = TextNumar(std::string_view(campuri[m]));
    }
    return c;
}

// Section VI of a regularised sheet: the stored lines, with lines 4 and 6
// worked out again from those beside them (lines 1 and 8 are the totals of
// section V).
std::array<std::string, 10> regularizare(const RecordFf1& r) {
    auto pozitiv = [](double x) { return x > 0 ? x : 0.0; };
    const double linia4 = pozitiv(ValoareText(r.VenitN[13]) + ValoareText(r.ChAc) - ValoareText(r.Reg[0]));
    const double linia6 = pozitiv(linia4 - ValoareText(r.Reg[2]));
    return {r.VenitN[13], r.ChAc,     r.Reg[0],  TextNumar(linia4), r.Reg[2],
            TextNumar(linia6), r.Reg[4], r.ImpC[13], r.Reg[5],       r.Reg[6]};
}

// The sheets of one listing: the employer's block and the dependants are
// read once for all of them.
struct ContextFisa1 {
    std::vector<std::string> antet = liniiAntetAngajator();
    IndexPersoane persoane = IndexPersoane::citeste();
    Semnatar semnatar;

    FoaiePaginata operator()(const std::string& linie) const {
        FoaieFisa1 f = FoaieDinFf1(linie, antet, persoane, semnatar);
        CodAngajat = f.cap.cod;
        return Pagineaza(LiniiFisa1(f), f.cap.cod);
    }
};

} // namespace

FoaieFisa1 FoaieDinFf1(std::string_view linie, const std::vector<std::string>& antet,
                       const IndexPersoane& persoane, const Semnatar& semnatar) {
    RecordFf1 r = citesteLinieFf1(linie).record;
    FoaieFisa1 f;
    f.cap = CapDinRecord(r.id, r.MarcaRectif, antet, semnatar);
    f.regularizata = esteMarcat(r.MarcaReg);
    f.faraDomiciliu = esteMarcat(r.MarcaFaraDom);
    f.alteSurse = esteMarcat(r.MarcaAlteS);
    f.dataAngajarii = r.DataAngajarii;
    f.dataIncetarii = r.DataIncetarii;
    f.coeficientCalculat = coeficienti(r.CoefCalc);
    f.coeficientPropriu = coeficienti(r.CoefProp);
    f.invalid1 = esteMarcat(r.MarcaInv1);
    f.invalid2 = esteMarcat(r.MarcaInv2);
    f.persoane = persoane.persoane(r.id.Cod);
    f.venitNet = r.VenitN;
    f.impozit = r.ImpC;
    f.cheltuieliAcordate = r.ChAc;
    f.luniCheltuieli = r.Luni;
    if (DeducereBaza[12] == 0) {
        f.formaVI = FormaSectiuneaVI::EticheteScurte;
    } else if (f.regularizata) {
        f.formaVI = FormaSectiuneaVI::CuValori;
        f.regularizare = regularizare(r);
    } else {
        f.formaVI = FormaSectiuneaVI::DoarEtichete;
    }
    f.impunereFinala = {r.Reg[7], r.Reg[8], r.Reg[9]};
    return f;
}

void ScrieFise1(SelectieFise1 selectie, const Semnatar& semnatar) {
    if (selectie == SelectieFise1::Toate) {
        TipLista = "T";
        FisierDest = SursaFise1();
    } else {
        FiltreazaFise1(selectie == SelectieFise1::Regularizate);
    }
    ScrieListare(FisierListaFise1, FisierDest, [](std::string_view) { return true; },
                 ContextFisa1{.semnatar = semnatar});
}

void ScrieFisa1Angajat(const std::string& cod, const Semnatar& semnatar) {
    TipLista = "S";
    CodAngajat = cod;
    ScrieListare(
        FisierListaFise1, SursaFise1(),
        [&cod](std::string_view linie) { return esteLiniaAngajatului(linie, structuraFf1(), cod); },
        ContextFisa1{.semnatar = semnatar});
}

} // namespace olm
