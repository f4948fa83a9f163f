#include "shared/employer_record.h"

#include "platform/files.h"
#include "shared/data_files.h"
#include "shared/file_group.h"
#include "shared/number_text.h"
#include "shared/record_line.h"
#include "shared/state.h"

#include <vector>

namespace olm {

namespace files = platform::files;

RecordRepfisc AngajatorFisaI;
std::string EtichetaTipAng;

RecordRepfisc citesteLinieRepfisc(std::string_view linie) {
    auto c = taieCampuri(linie, structuraRepfisc()).campuri;
    RecordRepfisc r;
    r.CodAngajator = std::move(c[0]);
    r.TipAngajator = std::move(c[1]);
    r.Denumire = std::move(c[2]);
    r.Nume = std::move(c[3]);
    r.Prenume = std::move(c[4]);
    r.Localitate = std::move(c[5]);
    r.Judet = std::move(c[6]);
    r.Strada = std::move(c[7]);
    r.Numar = std::move(c[8]);
    r.CodPostal = std::move(c[9]);
    r.Bloc = std::move(c[10]);
    r.Scara = std::move(c[11]);
    r.Etaj = std::move(c[12]);
    r.Apartament = std::move(c[13]);
    r.Sector = std::move(c[14]);
    r.Telefon = std::move(c[15]);
    r.EMail = std::move(c[16]);
    return r;
}

std::string linieRepfisc(const RecordRepfisc& r) {
    return unesteCampuri({r.CodAngajator, r.TipAngajator, r.Denumire, r.Nume, r.Prenume,
                          r.Localitate, r.Judet, r.Strada, r.Numar, r.CodPostal, r.Bloc, r.Scara,
                          r.Etaj, r.Apartament, r.Sector, r.Telefon, r.EMail},
                         structuraRepfisc());
}

void CitesteRepfisc(std::string_view linie) {
    AngajatorFisaI = citesteLinieRepfisc(linie);
    const double tip = ValoareText(AngajatorFisaI.TipAngajator);
    TipAngajator = tip == 1 ? 1 : tip == 2 ? 2 : 0;
    JudetAngajator = AngajatorFisaI.Judet;
}

void CitesteRepfisc() {
    if (!files::isEmpty("repfisc.txt")) {
        CitesteRepfisc(files::readFirstLine("repfisc.txt").value_or(""));
    }
}

std::string LinieRepfiscDeSalvat() {
    RecordRepfisc r = AngajatorFisaI;
    if (TipAngajator == 1) {
        r.TipAngajator = "1";
        r.Nume.clear();
        r.Prenume.clear();
    } else {
        r.TipAngajator = "2";
        r.Denumire.clear();
    }
    return linieRepfisc(r);
}

Rezultat SalveazaRepfisc() {
    // The yearly copy in the same commit: a confirmed employer survives any
    // end of the program.
    RescriereGrup grup;
    grup.scrie(grup.adauga(SetRepfisc().lucru, copieAnuala(SetRepfisc())), LinieRepfiscDeSalvat());
    return grup.finalizeaza();
}

void CurataFisaI() {
    const std::string judet = AngajatorFisaI.Judet;
    AngajatorFisaI = RecordRepfisc{};
    AngajatorFisaI.Judet = judet;
    EtichetaTipAng.clear();
    TipAngajator = 0;
    JudetAngajator = " ";
}

} // namespace olm
