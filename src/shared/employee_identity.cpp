#include "shared/employee_identity.h"

#include "shared/form_data.h"
#include "shared/state.h"

#include <algorithm>

namespace olm {

namespace {

int marca(std::string_view camp) { return esteMarcat(camp) ? 1 : 0; }

std::string cuBara(std::string data) {
    std::replace(data.begin(), data.end(), '.', '/');
    std::replace(data.begin(), data.end(), '-', '/');
    return data;
}

// Fields 2 to 14, common to both sheets.
void incarcaIdentitatea(const IdentitateAngajat& id, const std::string& marcaRectif) {
    FormaFisaII& f = AngajatFisaII;
    f.NumeS = id.Nume;
    f.PrenS = id.Prenume;
    f.AdrS[0] = id.Localitate;
    JudetTmp = id.Judet;
    // An empty county, or one the list lacks, selects the blank entry.
    f.JudS = !fataBlancuri(JudetTmp).empty() && JudetInLista(JudetTmp) ? JudetTmp : " ";
    f.AdrS[1] = id.Strada;
    f.AdrS[2] = id.Numar;
    f.AdrS[3] = id.CodPostal;
    f.AdrS[4] = id.Bloc;
    f.AdrS[5] = id.Scara;
    f.AdrS[6] = id.Etaj;
    f.AdrS[7] = id.Apartament;
    f.AdrS[8] = id.Sector;
    f.Xrectif = marca(marcaRectif);
    MarcaRectif = f.Xrectif == 1 ? "X" : "";
}

} // namespace

IdentitateAngajat IdentitateDinFisaII() {
    const FormaFisaII& f = AngajatFisaII;
    IdentitateAngajat id;
    id.Cod = campNumeric(CodAngajat);
    id.Nume = campText(f.NumeS);
    id.Prenume = campText(f.PrenS);
    id.Localitate = campText(f.AdrS[0]);
    id.Judet = campText(f.JudS);
    id.Strada = campText(f.AdrS[1]);
    id.Numar = campText(f.AdrS[2]);
    id.CodPostal = campNumeric(f.AdrS[3]);
    id.Bloc = campText(f.AdrS[4]);
    id.Scara = campText(f.AdrS[5]);
    id.Etaj = campText(f.AdrS[6]);
    id.Apartament = campText(f.AdrS[7]);
    id.Sector = campNumeric(f.AdrS[8]);
    return id;
}

bool JudetInLista(std::string_view judet) {
    return std::find(Judete.begin(), Judete.end(), judet) != Judete.end();
}

void IncarcaDateAngajat(const RecordFf1& r) {
    incarcaIdentitatea(r.id, r.MarcaRectif);
    FormaFisaII& f = AngajatFisaII;
    f.Xreg = marca(r.MarcaReg);
    f.Xdedu = marca(r.MarcaFaraDom);
    f.XAlteS = marca(r.MarcaAlteS);
    f.Inv1A = marca(r.MarcaInv1);
    MarcaInv1Fisa = majuscule(fataBlancuri(r.MarcaInv1));
    f.Inv2A = marca(r.MarcaInv2);
    MarcaInv2Fisa = majuscule(fataBlancuri(r.MarcaInv2));
    f.Job0 = cuBara(r.DataAngajarii);
    f.Job1 = cuBara(r.DataIncetarii);
}

void IncarcaDateAngajat(const RecordFf2& r) { incarcaIdentitatea(r.id, r.MarcaRectif); }

namespace {

// The code, names and address (locality and county apart) emptied, both sheet
// buttons enabled, the delete button disabled, the focus asked on Option1.
void golesteAngajat(FormaFisaII& f) {
    f.CodS.clear();
    f.NumeS.clear();
    f.PrenS.clear();
    for (std::size_t i = 1; i < f.AdrS.size(); ++i) {
        f.AdrS[i].clear();
    }
    f.Xrectif = 0;
    f.Ok_Fisa1 = true;
    f.Ok_Fisa2 = true;
    f.StergeActiv = false;
    f.focus = FocusFisaII::Option1;
}

} // namespace

void CurataFisaII() {
    FormaFisaII& f = AngajatFisaII;
    golesteAngajat(f);
    f.Job0.clear();
    f.Job1.clear();
    f.Xreg = f.Xdedu = f.XAlteS = f.Inv1A = f.Inv2A = 0;
    f.StergeCaption = "Sterge fisa";
    ArataFisaII();
}

void CurataFisaIIDupaFisa2() {
    golesteAngajat(AngajatFisaII);
    ArataFisaII();
}

PartiAdresa AdresaFisaII() {
    const FormaFisaII& f = AngajatFisaII;
    return {f.AdrS[0], f.JudS, f.AdrS[1], f.AdrS[2], f.AdrS[3],
            f.AdrS[4], f.AdrS[5], f.AdrS[6], f.AdrS[7], f.AdrS[8]};
}

} // namespace olm
