#include "listings/handin_list.h"

#include "platform/busy.h"
#include "platform/files.h"
#include "shared/listing_header.h"
#include "shared/number_text.h"
#include "shared/record_line.h"
#include "shared/sheet_text.h"
#include "shared/state.h"

#include <array>

namespace olm {

namespace files = platform::files;

namespace {

constexpr std::size_t Latime = 122;
constexpr std::size_t LatimeNume = 40;

// The rules between the parts of the list.
const std::string Linie(Latime, '_');

// `TitluLista` and `TipLista` of each choice. The title of the regularised
// sheets keeps its trailing blank: the title line shows two blanks there.
struct Alegere {
    const char* titlu;
    const char* tip;
};
constexpr std::array<Alegere, 5> Alegeri = {
    {{"", "T"}, {"1", "U"}, {"1 neregularizate", "N"}, {"1 regularizate ", "R"}, {"2", "D"}}};

void scrieAntet(files::AtomicWriter& f) {
    f.writeLine(std::string(24, ' ') + "B O R D E R O U   D E   I N S O T I R E");
    f.writeLine(std::string(22, ' ') + "a dischetei cu fise fiscale " + TitluLista + " pentru anul " +
                anFiscalText());
    for (int i = 0; i < 3; ++i) {
        f.writeLine("");
    }
    ScrieAntetAngajator(f, static_cast<int>(Latime));
    f.writeLine("");
    f.writeLine("Persoana de contact : " + PersoanaContact);
    f.writeLine("Telefon : " + TelefonContact);
    f.writeLine("");
    f.writeLine(Linie);
    f.writeLine(" Nr.   Cod angajat       Nume si prenume                    Tip fisa Regu- Rec-       Venit net  "
                "       Impozit calculat  ");
    f.writeLine(" crt.                                                       ________ lari- tifi-                 "
                "         si retinut      ");
    f.writeLine("                                                            FF1  FF2 zare  care                  "
                "                         ");
    f.writeLine(Linie);
}

// The rows of every line of `FisierDest`.
void scrieRanduri(files::AtomicWriter& f, FelFisa fel, TotaluriBorderou& t) {
    files::LineReader cititor(FisierDest);
    std::string linie;
    std::vector<std::string> linii;
    while (cititor.next(linie)) {
        platform::keepPainted();
        linii.clear();
        RandBorderou(linie, fel, t, linii);
        for (const auto& l : linii) {
            f.writeLine(l);
        }
    }
}

// An income and a tax grouped and right-aligned in 21 characters each.
std::string sume(std::int64_t venit, std::int64_t impozit) {
    return laDreapta(FormatMii(venit), 21) + laDreapta(FormatMii(impozit), 21);
}

} // namespace

void RandBorderou(std::string_view linie, FelFisa fel, TotaluriBorderou& t, std::vector<std::string>& linii) {
    const bool fisa1 = fel == FelFisa::Fisa1;
    // Fields 1-3 and 14 lie alike in both records; the totals are fields
    // 73-74 of a Fisa 1 and 47-48 of a Fisa 2.
    const std::size_t campVenit = fisa1 ? 72 : 46;
    const auto c = taieCampuri(linie, fisa1 ? structuraFf1() : structuraFf2(), campVenit + 2).campuri;
    const std::string& venit = c[campVenit];
    const std::string& impozit = c[campVenit + 1];
    const bool rectificativa = esteMarcat(c[13]);
    const bool regularizata = fisa1 && esteMarcat(c[14]);

    ++t.NrCrtBord;
    ++(fisa1 ? t.NrFF1 : t.NrFF2);
    t.NrRegularizate += regularizata ? 1 : 0;
    t.NrRectificative += rectificativa ? 1 : 0;
    std::int64_t& totalVenit = fisa1 ? t.TotVenitFF1 : t.TotVenitFF2;
    std::int64_t& totalImpozit = fisa1 ? t.TotImpozitFF1 : t.TotImpozitFF2;
    totalVenit = AdunaLei(totalVenit, LeiIntregi(venit));
    totalImpozit = AdunaLei(totalImpozit, LeiIntregi(impozit));

    const std::string nume = c[1] + " " + c[2];
    std::string rand = laDreapta(std::to_string(t.NrCrtBord), 5) + " " + laDreapta(c[0], 13) + " " +
                       laStanga(std::string_view(nume).substr(0, LatimeNume), LatimeNume);
    if (fisa1) {
        rand += regularizata ? "  X         X   " : "  X             ";
    } else {
        rand += "        X       ";
    }
    rand += rectificativa ? "  X " : "    ";
    rand += laDreapta(FormatMii(venit), 21) + laDreapta(FormatMii(impozit), 21);
    linii.push_back(std::move(rand));
    if (nume.size() > LatimeNume) {
        linii.push_back(std::string(20, ' ') + nume.substr(LatimeNume));
    }
}

void TotalBorderou(const TotaluriBorderou& t, const Semnatar& semnatar, std::vector<std::string>& linii) {
    auto numar = [](long long n) { return laDreapta(std::to_string(n), 6); };
    const std::string blancuri(58, ' ');
    linii.push_back(Linie);
    // The count of corrective sheets is not aligned: from column 80 on, so a
    // longer count pushes the amounts to the right.
    linii.push_back(laStanga("      TOTAL", 57) + numar(t.NrFF1) + numar(t.NrFF2) + numar(t.NrRegularizate) +
                    "    " + std::to_string(t.NrRectificative) +
                    sume(AdunaLei(t.TotVenitFF1, t.TotVenitFF2), AdunaLei(t.TotImpozitFF1, t.TotImpozitFF2)));
    linii.push_back(Linie);
    linii.push_back(blancuri + "Total fise fiscale 1 :" + sume(t.TotVenitFF1, t.TotImpozitFF1));
    linii.push_back(blancuri + std::string(64, '_'));
    linii.push_back(blancuri + "Total fise fiscale 2 :" + sume(t.TotVenitFF2, t.TotImpozitFF2));
    linii.push_back(blancuri + std::string(64, '_'));
    linii.emplace_back();
    linii.emplace_back();
    linii.push_back("   Sub sanctiunile aplicate faptei de fals in acte publice, declar ca datele din ");
    linii.push_back("aceste fise fiscale sunt corecte si complete.");
    adaugaSemnatura(linii, majuscule(semnatar.nume), majuscule(semnatar.functie));
}

TotaluriBorderou ScrieBorderou(ContinutBorderou continut, const Semnatar& semnatar) {
    const Alegere& alegere = Alegeri[static_cast<std::size_t>(continut)];
    TitluLista = alegere.titlu;
    TipLista = alegere.tip;

    files::AtomicWriter f(FisierBorderou);
    scrieAntet(f);
    TotaluriBorderou t;
    const bool filtrate = continut == ContinutBorderou::Fise1Neregularizate ||
                          continut == ContinutBorderou::Fise1Regularizate;
    if (continut != ContinutBorderou::Fise2) {
        if (filtrate) {
            FiltreazaFise1(continut == ContinutBorderou::Fise1Regularizate);
        } else {
            FisierDest = SursaFise1();
        }
        scrieRanduri(f, FelFisa::Fisa1, t);
    }
    if (continut == ContinutBorderou::Toate || continut == ContinutBorderou::Fise2) {
        FisierDest = SursaFise2();
        scrieRanduri(f, FelFisa::Fisa2, t);
    }
    std::vector<std::string> inchidere;
    TotalBorderou(t, semnatar, inchidere);
    for (const auto& l : inchidere) {
        f.writeLine(l);
    }
    f.commit();
    return t;
}

} // namespace olm
