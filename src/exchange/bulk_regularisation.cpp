#include "exchange/bulk_regularisation.h"

#include "platform/dialogs.h"
#include "platform/files.h"
#include "shared/data_files.h"
#include "shared/file_group.h"
#include "shared/number_text.h"
#include "shared/record_line.h"
#include "shared/record_shape.h"
#include "shared/regularisation.h"
#include "shared/sheet_records.h"
#include "shared/state.h"

namespace olm {

namespace files = platform::files;
using platform::Icon;

namespace {

// The stored lines VI.3 to VI.7, VI.9 and VI.10 as indexes of section VI.
constexpr int LiniiVIStocate[] = {2, 3, 4, 5, 6, 8, 9};

// VII and VIII are carried over, but an amount of 0 is written empty.
void golesteZero(std::string& camp) {
    if (ValoareText(camp) == 0) {
        camp.clear();
    }
}

} // namespace

std::optional<std::string> RegularizeazaLinieFf1(std::string_view linie) {
    if (!VerificaStructura(linie, SablonFf1)) {
        return std::nullopt;
    }
    RecordFf1 r = citesteLinieFf1(linie).record;

    std::array<double, 12> coeficienti{};
    for (std::size_t i = 0; i < coeficienti.size(); ++i) {
        coeficienti[i] = ValNumar(r.CoefCalc[i]);
    }
    const SituatieRegularizare situatie{
        .cod = r.id.Cod,
        .nume = r.id.Nume,
        .dataAngajarii = fataBlancuri(r.DataAngajarii),
        .dataIncetarii = fataBlancuri(r.DataIncetarii),
        .coeficienti = coeficienti,
        .alteSurse = esteMarcat(r.MarcaAlteS),
        .faraDomiciliu = esteMarcat(r.MarcaFaraDom),
    };
    const bool califica = ConditiiRegularizare(situatie);

    r.MarcaReg = califica ? "X" : "";
    if (califica) {
        const SectiuneaVI vi =
            CalculeazaRegularizare(ValoareText(r.VenitN[13]), ValoareText(r.ChAc), ValoareText(r.Luni),
                                   coeficienti, ValoareText(r.ImpC[13]));
        for (std::size_t k = 0; k < std::size(LiniiVIStocate); ++k) {
            r.Reg[k] = TextNumar(vi[static_cast<std::size_t>(LiniiVIStocate[k])]);
        }
    } else {
        for (std::size_t k = 0; k < std::size(LiniiVIStocate); ++k) {
            r.Reg[k].clear();
        }
    }
    for (std::size_t k = std::size(LiniiVIStocate); k < r.Reg.size(); ++k) {
        golesteZero(r.Reg[k]);
    }
    return linieFf1(r);
}

RezultatRegularizare RegularizeazaFisele() {
    RezultatRegularizare rez;
    if (DeducereBaza[12] == 0) {
        platform::showMessage("  Nu se face regularizarea decat pentru o grila \r\n"
                              "corecta de calcul a impozitului pe venitul global\r\n"
                              "realizat in anul " +
                                  anFiscalText() + " .",
                              "", Icon::Exclamation);
        return rez;
    }
    // First the damage check: a "FF1.txt" emptied from outside is damage,
    // not a missing file.
    if (const Rezultat verificat = VerificaFisiereLucru({SetFf1()}, "Regularizarea nu a fost efectuata."); !verificat) {
        platform::showMessage(verificat.eroare, "", Icon::Exclamation);
        return rez;
    }
    const std::string& ff1 = SetFf1().lucru;
    if (files::isEmpty(ff1)) {
        platform::showMessage("  Lipseste fisierul Ff1_" + anFiscalText() + ".txt .", "",
                              Icon::Exclamation);
        return rez;
    }
    // The yearly copy gets the same lines in the same commit.
    RescriereGrup grup;
    const std::size_t fisier = grup.adauga(ff1, copieAnuala(SetFf1()));
    try {
        files::LineReader cititor(ff1);
        std::string linie;
        while (grup.ok() && cititor.next(linie)) {
            if (auto noua = RegularizeazaLinieFf1(linie)) {
                grup.scrie(fisier, *noua);
                ++rez.regularizate;
            } else {
                grup.scrie(fisier, linie);
                ++rez.neschimbate;
            }
        }
    } catch (const platform::FileError& e) {
        platform::showMessage(mesajEroareCitire(e.number(), ff1), "", Icon::Exclamation);
        return {};
    }
    if (const Rezultat scris = grup.finalizeaza(); !scris) {
        platform::showMessage(scris.eroare, "", Icon::Exclamation);
        return {};
    }
    rez.efectuata = true;

    std::string mesaj = "Regularizarea a fost efectuata.";
    if (rez.neschimbate > 0) {
        mesaj += " Liniile care nu au structura fisei 1 au fost copiate nemodificate: " +
                 std::to_string(rez.neschimbate) + ".";
    }
    platform::showMessage(mesaj, " ", Icon::None);
    return rez;
}

} // namespace olm
