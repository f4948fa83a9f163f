#include "shared/listing_header.h"

#include "shared/employer_record.h"
#include "shared/number_text.h"
#include "shared/record_line.h"
#include "shared/state.h"

namespace olm {

namespace files = platform::files;

namespace {

constexpr std::size_t LatimeBucata = 63;
const std::string Continuare(16, ' ');

// A value after its label, cut into pieces of 63 characters; every further
// piece on a line of its own after 16 blanks. A value whose length is a
// multiple of 63 ends with a line of blanks alone: the block keeps the same
// number of lines as the printed forms were laid out for.
void adaugaBucati(std::vector<std::string>& linii, const std::string& eticheta,
                  const std::string& valoare) {
    const std::size_t bucati = valoare.size() / LatimeBucata + 1;
    for (std::size_t i = 0; i < bucati; ++i) {
        const std::string bucata =
            i * LatimeBucata < valoare.size() ? valoare.substr(i * LatimeBucata, LatimeBucata) : "";
        linii.push_back((i == 0 ? eticheta : Continuare) + bucata);
    }
}

std::string adresa(const RecordRepfisc& r) {
    std::string a = r.Localitate;
    if (majuscule(r.Localitate) != "BUCURESTI") {
        a += ",jud." + r.Judet;
    }
    a += ",str." + r.Strada + ",nr." + r.Numar;
    if (ValoareText(r.CodPostal) != 0) {
        a += ",cod postal " + r.CodPostal;
    }
    if (!r.Bloc.empty()) {
        a += ",bl." + r.Bloc;
    }
    if (!r.Scara.empty()) {
        a += ",sc." + r.Scara;
    }
    if (!r.Etaj.empty()) {
        a += ",et." + r.Etaj;
    }
    if (!r.Apartament.empty()) {
        a += ",ap." + r.Apartament;
    }
    if (ValoareText(r.Sector) != 0) {
        a += ",sect." + r.Sector;
    }
    return a;
}

} // namespace

std::vector<std::string> liniiAntetAngajator() {
    if (files::isEmpty("RepFisc.txt")) {
        return {"Nu sunt date despre angajator"};
    }
    const RecordRepfisc r = citesteLinieRepfisc(files::readFirstLine("RepFisc.txt").value_or(""));
    const double tip = ValoareText(r.TipAngajator);

    std::vector<std::string> linii;
    if (tip == 1) {
        linii.push_back("1 - cod de inregistrare fiscala/ cod unic de inregistrare");
    } else if (tip == 2) {
        linii.push_back("2 - cod numeric personal/ numar de identificare fiscala");
    } else {
        linii.emplace_back();
    }
    linii.push_back("Cod angajator : " + r.CodAngajator);
    if (tip == 1) {
        adaugaBucati(linii, "Denumire      : ", r.Denumire);
    } else if (tip == 2) {
        adaugaBucati(linii, "Nume,prenume  : ", r.Nume + " " + r.Prenume);
    } else {
        adaugaBucati(linii, "", "");
    }
    adaugaBucati(linii, "Adresa        : ", adresa(r));

    std::string contact;
    if (!r.Telefon.empty()) {
        contact = "Telefon : " + r.Telefon;
    }
    if (!r.EMail.empty()) {
        contact += " , E-mail : " + r.EMail;
    }
    linii.push_back(contact);
    return linii;
}

void ScrieAntetAngajator(const ScrieLinie& scrie, int /*latime*/) {
    for (const auto& linie : liniiAntetAngajator()) {
        scrie(linie);
        ++ContorLinii;
    }
}

void ScrieAntetAngajator(files::AtomicWriter& listare, int latime) {
    ScrieAntetAngajator([&](const std::string& linie) { listare.writeLine(linie); }, latime);
}

void FiltreazaFF1() {
    const bool regularizate = TipLista == "R";
    const bool neregularizate = TipLista == "N";
    files::LineReader sursa(FisierSursa);
    files::AtomicWriter dest(FisierDest);
    std::string linie;
    while (sursa.next(linie)) {
        const auto c = taieCampuri(linie, structuraFf1(), 15).campuri;
        CodAngajat = c[0];
        const bool marcat = esteMarcat(c[14]);
        if ((regularizate && marcat) || (neregularizate && !marcat)) {
            dest.writeLine(linie);
        }
    }
    dest.commit();
}

} // namespace olm
