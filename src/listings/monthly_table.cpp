#include "listings/monthly_table.h"

#include "platform/busy.h"
#include "platform/files.h"
#include "shared/listing_header.h"
#include "shared/number_text.h"
#include "shared/record_line.h"
#include "shared/sheet_text.h"
#include "shared/state.h"

namespace olm {

namespace files = platform::files;

namespace {

constexpr std::size_t Latime = 86;
constexpr std::size_t LatimeNume = 37;

// The rules between the parts of the list.
const std::string Linie(Latime, '_');

void scrieAntet(files::AtomicWriter& f, const std::string& numeLuna) {
    f.writeLine(std::string(25, ' ') + "S I T U A T I E   C E N T R A L I Z A T O A R E");
    f.writeLine("");
    f.writeLine(std::string(29, ' ') + "fise fiscale " + TitluLista + " pentru luna " + numeLuna + " " +
                anFiscalText());
    for (int i = 0; i < 3; ++i) {
        f.writeLine("");
    }
    ScrieAntetAngajator(f, static_cast<int>(Latime));
    f.writeLine(Linie);
    f.writeLine(" Nr.   Cod angajat       Nume ,prenume                          Venit net     Impozit");
    f.writeLine(" crt." + std::string(73, ' ') + "retinut");
    f.writeLine(Linie);
    f.writeLine(std::string(69, ' ') + "1" + std::string(12, ' ') + "2   ");
    f.writeLine(Linie);
}

void scrieTotal(files::AtomicWriter& f) {
    std::vector<std::string> linii{
        Linie,
        "      TOTAL" + std::string(47, ' ') + laDreapta(std::to_string(TotalVenitLuna), 14) +
            laDreapta(std::to_string(TotalImpozitLuna), 14),
        Linie,
        "",
    };
    adaugaSemnatura(linii, majuscule(NumeSemnatar), majuscule(FunctieSemnatar));
    for (const auto& l : linii) {
        f.writeLine(l);
    }
}

} // namespace

void RandListab4(std::string_view linie, FelFisa fel, int luna, long long nr, TotaluriLuna& t,
                 std::vector<std::string>& linii) {
    const bool fisa1 = fel == FelFisa::Fisa1;
    if (luna < 0 || luna >= static_cast<int>(LuniCentralizator.size())) {
        luna = 0; // no month chosen: January's pair
    }
    // The month's pair: fields 47-70 of a Fisa 1, 23-46 of a Fisa 2.
    const std::size_t campVenit = (fisa1 ? 46 : 22) + 2 * static_cast<std::size_t>(luna);
    const auto c = taieCampuri(linie, fisa1 ? structuraFf1() : structuraFf2(), campVenit + 2).campuri;
    const std::string& venit = c[campVenit];
    const std::string& impozit = c[campVenit + 1];
    t.venit = AdunaLei(t.venit, LeiIntregi(venit));
    t.impozit = AdunaLei(t.impozit, LeiIntregi(impozit));

    const std::string nume = c[1] + " " + c[2];
    const bool lung = nume.size() >= LatimeNume;
    linii.push_back(laStanga(std::to_string(nr), 6) + laStanga(c[0], 15) +
                    (lung ? nume.substr(0, LatimeNume - 1) + " " : laStanga(nume, LatimeNume)) +
                    laDreapta(TextNumar(std::string_view(venit)), 14) +
                    laDreapta(TextNumar(std::string_view(impozit)), 14));
    if (lung) {
        linii.push_back(std::string(21, ' ') + nume.substr(LatimeNume - 1));
    }
}

void ScrieListab4(FelFisa fel, int luna) {
    const bool cuLuna = luna >= 0 && luna < static_cast<int>(LuniCentralizator.size());
    const bool fisa1 = fel == FelFisa::Fisa1;
    FisierDest = fisa1 ? SursaFise1() : SursaFise2();
    TitluLista = fisa1 ? "1" : "2";

    files::AtomicWriter f(FisierListab4);
    scrieAntet(f, cuLuna ? LuniCentralizator[static_cast<std::size_t>(luna)] : "");
    files::LineReader cititor(FisierDest);
    TotaluriLuna t;
    long long nr = 0;
    std::string linie;
    std::vector<std::string> linii;
    while (cititor.next(linie)) {
        platform::keepPainted();
        linii.clear();
        RandListab4(linie, fel, luna, ++nr, t, linii);
        for (const auto& l : linii) {
            f.writeLine(l);
        }
    }
    TotalVenitLuna = t.venit;
    TotalImpozitLuna = t.impozit;
    scrieTotal(f);
    f.commit();
}

} // namespace olm
