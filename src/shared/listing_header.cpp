#include "shared/listing_header.h"

#include "platform/busy.h"
#include "shared/employer_record.h"
#include "shared/number_text.h"
#include "shared/record_line.h"
#include "shared/sheet_text.h"
#include "shared/state.h"

namespace olm {

namespace files = platform::files;

namespace {

PartiAdresa parti(const RecordRepfisc& r) {
    return {r.Localitate, r.Judet, r.Strada, r.Numar, r.CodPostal,
            r.Bloc, r.Scara, r.Etaj, r.Apartament, r.Sector};
}

} // namespace

std::vector<std::string> liniiAntetAngajator() {
    if (files::isEmpty("RepFisc.txt")) {
        return {"Nu sunt date despre angajator"};
    }
    return liniiAntetAngajator(citesteLinieRepfisc(files::readFirstLine("RepFisc.txt").value_or("")));
}

std::vector<std::string> liniiAntetAngajator(const RecordRepfisc& r) {
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
    adaugaBucati(linii, "Adresa        : ", TextAdresa(parti(r), CodPrezent::DupaValoare));

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
        platform::keepPainted();
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
