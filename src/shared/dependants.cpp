#include "shared/dependants.h"

#include "platform/dialogs.h"
#include "platform/file_error.h"
#include "platform/files.h"
#include "shared/form_data.h"
#include "shared/number_text.h"
#include "shared/sheet_files.h"
#include "shared/state.h"

#include <algorithm>

namespace olm {

namespace files = platform::files;

namespace {

// One line into a register row. The spouse mark is upper-cased but keeps its
// blanks; the other marks are trimmed as well.
void incarcaRand(int rand, RecordDeduceri&& d) {
    CelulaPersoana(rand, 1) = std::move(d.CodPersoana);
    CelulaPersoana(rand, 2) = std::move(d.Nume);
    CelulaPersoana(rand, 3) = std::move(d.Prenume);
    CelulaPersoana(rand, 4) = majuscule(d.Marci[0]);
    for (int m = 1; m < 6; ++m) {
        CelulaPersoana(rand, 4 + m) = majuscule(fataBlancuri(d.Marci[static_cast<std::size_t>(m)]));
    }
    for (int i = 0; i < 12; ++i) {
        CelulaPersoana(rand, 10 + i) = std::move(d.Coef[static_cast<std::size_t>(i)]);
    }
}

} // namespace

std::string& CelulaPersoana(int rand, int coloana) {
    return TabelPersoane[static_cast<std::size_t>(rand)][static_cast<std::size_t>(coloana)];
}

void GolesteRegistrul() {
    for (int r = 1; r <= MaxPersoane; ++r) {
        for (int c = 1; c <= 21; ++c) {
            CelulaPersoana(r, c).clear();
        }
    }
    NrPersoane = 0;
}

CitireDeduceri CitesteDeduceri(platform::LineSource& linii) {
    CitireDeduceri c;
    GolesteRegistrul();
    std::string linie;
    while (linii.next(linie)) {
        if (!esteLiniaAngajatului(linie, FisierDeduceri().structura, CodAngajat)) {
            continue;
        }
        ++c.gasite;
        if (NrPersoane >= MaxPersoane) {
            ++c.lasate;
            continue;
        }
        ++NrPersoane;
        incarcaRand(NrPersoane, std::move(citesteLinieDeduceri(linie).record));
    }
    return c;
}

CitireDeduceri CitesteDeduceri() {
    const FisierDate& f = FisierDeduceri();
    try {
        files::LineReader cititor(f.nume);
        return CitesteDeduceri(cititor);
    } catch (const platform::FileError& e) {
        CitireDeduceri c;
        c.rezultat = Rezultat::esec(mesajEroareCitire(e.number(), f.nume));
        return c;
    }
}

void AnuntaCitireDeduceri(const CitireDeduceri& c) {
    if (!c.rezultat) {
        platform::showMessage(c.rezultat.eroare, "", platform::Icon::Exclamation);
    }
    if (c.lasate > 0) {
        platform::showMessage("Angajatul " + CodAngajat + " are " + std::to_string(c.gasite) +
                                  " persoane in intretinere in fisierul " + FisierDeduceri().nume +
                                  "; s-au incarcat primele " + std::to_string(MaxPersoane) +
                                  ". Celelalte " + std::to_string(c.lasate) +
                                  " nu au fost incarcate si nu se pastreaza la salvarea fisei.",
                              "", platform::Icon::Exclamation);
    }
}

RecordDeduceri RecordDinRand(const std::string& codAngajat, int rand) {
    RecordDeduceri d;
    d.CodAngajat = codAngajat;
    d.CodPersoana = campNumeric(CelulaPersoana(rand, 1));
    d.Nume = campText(CelulaPersoana(rand, 2));
    d.Prenume = campText(CelulaPersoana(rand, 3));
    for (int m = 0; m < 5; ++m) {
        d.Marci[static_cast<std::size_t>(m)] = campText(CelulaPersoana(rand, 4 + m));
    }
    // The other-situation mark is never stored.
    for (int i = 0; i < 12; ++i) {
        const std::string& coef = CelulaPersoana(rand, 10 + i);
        d.Coef[static_cast<std::size_t>(i)] = ValNumar(coef) == 0 ? std::string() : campNumeric(coef);
    }
    return d;
}

std::vector<std::string> LiniiPersoane(const std::string& codAngajat) {
    std::vector<std::string> linii;
    const int n = std::min<int>(NrPersoane, MaxPersoane);
    for (int r = 1; r <= n; ++r) {
        linii.push_back(linieDeduceri(RecordDinRand(codAngajat, r)));
    }
    return linii;
}

void AfiseazaPersoana() {
    const int r = PersoanaCurenta;
    if (r < 0 || r > MaxPersoane) {
        return;
    }
    PersoanaAfisata& p = Fisa1Date.persoana;
    p.CodI = CelulaPersoana(r, 1);
    p.NumeI = CelulaPersoana(r, 2);
    p.PrenI = CelulaPersoana(r, 3);
    auto bifa = [&](int coloana) { return majuscule(CelulaPersoana(r, coloana)) == "X" ? 1 : 0; };
    p.Sotie = bifa(4);
    p.Copil = bifa(5);
    p.Alta = bifa(6);
    p.inv1 = bifa(7);
    p.inv2 = bifa(8);
    for (int i = 0; i < 12; ++i) {
        p.CoefI[static_cast<std::size_t>(i)] = NormNumar(CelulaPersoana(r, 10 + i));
    }
}

std::string SfatPersoaneInregistrate(int n) {
    return "Sunt inregistrate " + std::to_string(n) + " persoane";
}

} // namespace olm
