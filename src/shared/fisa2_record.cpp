#include "shared/fisa2_record.h"

#include "shared/employee_identity.h"
#include "shared/form_data.h"
#include "shared/sheet_files.h"
#include "shared/state.h"

namespace olm {

RecordFf2 RecordFf2DinFormulare() {
    const FormaFisa2& f = Fisa2Date;
    RecordFf2 r;
    r.id = IdentitateDinFisaII();
    r.MarcaRectif = campText(MarcaRectif);
    for (std::size_t k = 0; k < 8; ++k) {
        // A greyed box (2) is not a ticked one.
        if (f.TAS[k] == 1) {
            r.TipAS[k].assign(1, 'X');
        }
    }
    for (std::size_t m = 0; m < 13; ++m) {
        r.VenitCS[m] = campNumeric(f.VenitCS[m]);
        r.ImpS[m] = campNumeric(f.ImpS[m]);
    }
    return r;
}

Rezultat SalveazaFisa2() {
    if (CodAngajat.empty()) {
        return Rezultat::esec(std::string(MesajCodLipsa));
    }
    int pozitie = 0;
    Rezultat r = RescrieAngajat(FisierFf2(), CodAngajat, linieFf2(RecordFf2DinFormulare()), {},
                                &pozitie);
    if (r) {
        PozitiiFisa[0] = pozitie;
    }
    return r;
}

Rezultat StergeFisa2() {
    if (CodAngajat.empty()) {
        return Rezultat::esec(std::string(MesajCodLipsa));
    }
    Rezultat r = RescrieAngajat(FisierFf2(), CodAngajat, std::nullopt);
    if (r) {
        PozitiiFisa[0] = 0;
    }
    return r;
}

void IncarcaFisa2(const RecordFf2& r) {
    FormaFisa2& f = Fisa2Date;
    for (std::size_t k = 0; k < 8; ++k) {
        f.TAS[k] = esteMarcat(r.TipAS[k]) ? 1 : 0;
    }
    f.VenitCS = r.VenitCS;
    f.ImpS = r.ImpS;
}

void CurataFisa2() { Fisa2Date = FormaFisa2{}; }

} // namespace olm
