#include "shared/employee_lookup.h"

#include "platform/dialogs.h"
#include "platform/file_error.h"
#include "shared/dependants.h"
#include "shared/employee_identity.h"
#include "shared/fisa1_record.h"
#include "shared/fisa2_record.h"
#include "shared/form_data.h"
#include "shared/record_shape.h"
#include "shared/sheet_files.h"
#include "shared/state.h"

#include <optional>

namespace olm {

namespace {

void eroare(const std::string& text) {
    platform::showMessage(text, "", platform::Icon::Exclamation);
}

std::optional<LiniaGasita> cauta(const FisierDate& f, Rezultat& rezultat) {
    try {
        return PrimaLinieAngajat(f, CodAngajat);
    } catch (const platform::FileError& e) {
        rezultat = Rezultat::esec(mesajEroareCitire(e.number(), f.nume));
        return std::nullopt;
    }
}

void anuntaLiniaEronata(const FisierDate& f, int numar) {
    eroare("Fisierul " + f.nume + " are linia " + std::to_string(numar) + " eronata.");
}

// Once the employee's Fisa 1 is loaded (modes 1, 3 and 4), a stored county
// that the list lacks is told; the blank entry already stands in its place.
// Opening a Fisa 2 and the picker take the blank entry without a word.
void anuntaJudetul(bool incarcat) {
    if (incarcat && !fataBlancuri(JudetTmp).empty() && !JudetInLista(JudetTmp)) {
        eroare("Judet eronat.");
    }
}

} // namespace

Rezultat CautaFiseAngajat() {
    Rezultat rezultat;
    // Both emptied first: a failed read must not leave the previous employee's
    // sheets counted as this one's.
    FiseAngajat.clear();
    PozitiiFisa[0] = 0;
    PozitiiFisa[1] = 0;
    FisierFisa = "Ff1.txt";
    if (const auto g = cauta(FisierFf1(), rezultat)) {
        FiseAngajat = "F1";
        PozitiiFisa[1] = g->numar;
    }
    if (!rezultat) {
        return rezultat;
    }
    FisierFisa = "Ff2.txt";
    if (const auto g = cauta(FisierFf2(), rezultat)) {
        FiseAngajat += "F2";
        PozitiiFisa[0] = g->numar;
    }
    return rezultat;
}

int IncarcaFisaStocata(int tipFisa, Incarcare ce) {
    const bool fisa1 = tipFisa == 1;
    const FisierDate& f = fisa1 ? FisierFf1() : FisierFf2();
    FisierFisa = fisa1 ? "FF1.txt" : "FF2.txt";

    Rezultat citire;
    const auto g = cauta(f, citire);
    if (!citire) {
        eroare(citire.eroare);
    }
    if (g) {
        if (!VerificaStructura(g->linie, fisa1 ? SablonFf1 : SablonFf2)) {
            anuntaLiniaEronata(f, g->numar);
        }
        if (fisa1) {
            const RecordFf1 r = citesteLinieFf1(g->linie).record;
            IncarcaDateAngajat(r);
            if (ce == Incarcare::Intreaga) {
                IncarcaFisa1(r);
            }
        } else {
            const RecordFf2 r = citesteLinieFf2(g->linie).record;
            IncarcaDateAngajat(r);
            if (ce == Incarcare::Intreaga) {
                IncarcaFisa2(r);
            }
        }
    }
    if (fisa1 && ce == Incarcare::Intreaga) {
        AnuntaCitireDeduceri(CitesteDeduceri());
        PersoanaCurenta = 1;
        AfiseazaPersoana();
        Fisa1Date.SfatPersoane = SfatPersoaneInregistrate(NrPersoane);
        Fisa1Date.Text2 = std::to_string(PersoanaCurenta);
    }
    return g ? g->numar : 0;
}

void DeschideFisa() {
    FormaFisaII& f = AngajatFisaII;
    switch (ModIncarcare) {
    case 2:
    case 6:
        PozitiiFisa[0] = 0;
        PozitiiFisa[0] = IncarcaFisaStocata(2, Incarcare::Intreaga);
        return;
    case 5:
        IncarcaFisaStocata(2, Incarcare::Identitate);
        return;
    case 1:
    case 3:
        PozitiiFisa[1] = 0;
        PozitiiFisa[1] = IncarcaFisaStocata(1, Incarcare::Intreaga);
        anuntaJudetul(PozitiiFisa[1] > 0);
        // "Sterge fisa" then deletes the sheet being edited.
        TipFisaCrt = 1;
        f.StergeCaption = "Sterge fisa 1";
        f.StergeActiv = true;
        f.Frame1 = true;
        f.focus = FocusFisaII::Command1;
        f.Ok_Fisa2 = ModIncarcare == 1;
        break;
    case 4:
        anuntaJudetul(IncarcaFisaStocata(1, Incarcare::Identitate) > 0);
        f.Frame1 = false;
        f.Ok_Fisa2 = true;
        break;
    default:
        return;
    }
    f.Ok_Fisa1 = true;
}

} // namespace olm
