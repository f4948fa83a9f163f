#include "exchange/verification_screening.h"

#include "exchange/verification_files.h"
#include "platform/busy.h"
#include "platform/control_items.h"
#include "platform/files.h"
#include "shared/data_files.h"
#include "shared/file_group.h"
#include "shared/record_line.h"
#include "shared/record_shape.h"
#include "shared/state.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <utility>

namespace olm {

namespace {

// A line this long is no record of ours, whatever its shape.
constexpr std::size_t LungimeMaxima = 64 * 1024;

struct FisierEcranat {
    std::string lucru;          // the working name
    std::string numeAvertisment; // how the warning of an empty file names it
    std::string numeMesaj;      // how the line messages name it
    std::string_view sablon;
    std::string_view sablonVechi; // a second accepted shape, or empty
};

bool areForma(const std::string& linie, const FisierEcranat& f) {
    if (linie.size() > LungimeMaxima) {
        return false;
    }
    return VerificaStructura(linie, f.sablon) || (!f.sablonVechi.empty() && VerificaStructura(linie, f.sablonVechi));
}

// The first pass over one file: its empty and ill-formed lines reported and
// dropped, the others handed to `pastreaza` in their order.
void treceFisier(const FisierEcranat& f, RaportVerificare& raport,
                 const std::function<void(std::string&&)>& pastreaza) {
    const std::string an = anFiscalText();
    CitesteFisierVerificat(f.lucru, [&](std::string&& linie) {
        platform::keepPainted();
        if (fataBlancuri(linie).empty()) {
            raport.eroare(f.numeMesaj + an + ".txt - Inregistrare goala eliminata. ");
        } else if (!areForma(linie, f)) {
            raport.eroare(f.numeMesaj + an + ".txt - " + linie.substr(0, 13) +
                          " structura inregistrare eronata (inregistrare eliminata). ");
        } else {
            pastreaza(std::move(linie));
        }
    });
}

// What `adauga` makes of each line kept by the first pass, one piece after
// another in a block of text (no string each), and the views of the pieces
// sorted.
std::vector<std::string_view> sortateInBloc(const FisierEcranat& f, RaportVerificare& raport, std::string& bloc,
                                            void (*adauga)(std::string&, std::string_view)) {
    // A piece is its line, with some twenty to forty bytes more for a Fisa
    // 1: room for all at once, as a rule (the block grows when it must).
    const std::uintmax_t lungime = platform::files::length(f.lucru);
    bloc.reserve(static_cast<std::size_t>(lungime + lungime / 8));
    std::vector<std::size_t> capete;
    treceFisier(f, raport, [&](std::string&& linie) {
        adauga(bloc, linie);
        capete.push_back(bloc.size());
    });
    std::vector<std::string_view> vederi;
    vederi.reserve(capete.size());
    std::size_t inceput = 0;
    for (const std::size_t capat : capete) {
        vederi.emplace_back(bloc.data() + inceput, capat - inceput);
        inceput = capat;
    }
    platform::sortItemTexts(vederi);
    return vederi;
}

// The lines of a file kept by the first pass, sorted. Each line is made a
// string only in its sorted place, so that the lines lie in memory in the
// order they are read next.
std::vector<std::string> liniiSortate(const FisierEcranat& f, RaportVerificare& raport) {
    std::string bloc;
    const std::vector<std::string_view> sortate =
        sortateInBloc(f, raport, bloc, [](std::string& b, std::string_view linie) { b += linie; });
    return {sortate.begin(), sortate.end()};
}

// Of the employer's lines the first alone stays; the others are reported by
// their codes: a repeated code by its count, another code as dropped.
std::vector<std::string> unSinguraAngajator(std::vector<std::string> sortate, RaportVerificare& raport) {
    const std::string inceput = "Rep_" + anFiscalText() + ".txt: ";
    std::string curent(CodLinie(sortate.front()));
    int numar = 1;
    for (std::size_t i = 1; i < sortate.size(); ++i) {
        const std::string_view cod = CodLinie(sortate[i]);
        if (cod == curent) {
            ++numar;
            if (i + 1 == sortate.size()) {
                raport.eroare(inceput + curent + " - " + std::to_string(numar) + " aparitii.");
            }
        } else {
            raport.eroare(inceput + std::string(cod) + " - alt cod angajator (inregistrare eliminata).");
            if (numar > 1) {
                raport.eroare(inceput + curent + " - " + std::to_string(numar) + " aparitii.");
                numar = 1;
            }
            curent = cod;
        }
    }
    sortate.resize(1);
    return sortate;
}

// Of each run of lines with the same key the first stays; a run of more than
// one is reported when it ends.
std::vector<std::string> unulPeCheie(std::vector<std::string> sortate, std::string_view (*cheie)(std::string_view),
                                     const std::function<std::string(std::string_view, int)>& mesaj,
                                     RaportVerificare& raport) {
    std::vector<std::string> ramase;
    std::size_t i = 0;
    while (i < sortate.size()) {
        const std::string_view k = cheie(sortate[i]);
        std::size_t j = i + 1;
        while (j < sortate.size() && cheie(sortate[j]) == k) {
            ++j;
        }
        if (j - i > 1) {
            raport.eroare(mesaj(k, static_cast<int>(j - i)));
        }
        ramase.push_back(std::move(sortate[i]));
        i = j;
    }
    return ramase;
}

// A dependant's key: the employee's code, ",", the dependant's code.
std::string_view cheiePersoana(std::string_view linie) { return linie.substr(0, linie.find(",#")); }

// Parts of a text cut at fixed places never run past its end.
std::string_view parte(std::string_view text, std::size_t inceput, std::size_t lungime) {
    return inceput < text.size() ? text.substr(inceput, lungime) : std::string_view{};
}

} // namespace

std::string_view CodLinie(std::string_view linie) { return linie.substr(0, linie.find(',')); }

std::string NormalizeazaDataExterna(std::string_view data) {
    std::string d(fataBlancuri(data));
    if (d.find_first_not_of("/.- ") == std::string::npos) {
        return {};
    }
    for (std::string_view secol : {"1900", "1901", "1902"}) {
        if (d.starts_with(secol)) {
            d[0] = '2';
            d[1] = '0';
        }
    }
    std::replace(d.begin(), d.end(), '.', '/');
    std::replace(d.begin(), d.end(), '-', '/');
    if (d.size() > 1 && d[1] == '/') {
        d.insert(0, "0");
    }
    if (d.size() < 3 || d[2] != '/') {
        // Year first: yyyymmdd.
        const std::string_view s = d;
        d = std::string(s.substr(s.size() - std::min<std::size_t>(2, s.size()))) + "/" +
            std::string(parte(s, 4, 2)) + "/" + std::string(s.substr(0, 4));
    }
    return d;
}

std::string ElementSortareFf1(std::string_view linie) {
    std::string element;
    AdaugaElementSortareFf1(element, linie);
    return element;
}

void AdaugaElementSortareFf1(std::string& element, std::string_view linie) {
    const CampuriVazute c = taieCampuriVazute(linie, structuraFf1(), 22);
    const std::size_t inceputDate = static_cast<std::size_t>(c.campuri[20].data() - linie.data());
    const std::size_t sfarsitDate =
        static_cast<std::size_t>(c.campuri[21].data() - linie.data()) + c.campuri[21].size();
    const std::string_view coada = parte(linie, sfarsitDate + 1, std::string_view::npos);
    const std::string d1 = NormalizeazaDataExterna(c.campuri[20]);
    const std::string d2 = NormalizeazaDataExterna(c.campuri[21]);

    element.append(CodLinie(linie)).append(",").append(d1).append(",").append(d2).append(",");
    element.append(linie.substr(0, inceputDate)).append(d1).append(",").append(d2).append(",");
    element.append(coada);
}

FisiereEcranate EcraneazaFisiere(RaportVerificare& raport) {
    for (const char* vechi : {"rep_sort.txt", "ff1_sort.txt", "ff2_sort.txt", "Dedu_sort.txt"}) {
        StergeFisierVerificat(vechi);
    }
    const std::string an = anFiscalText();
    const FisierEcranat rep{SetRepfisc().lucru, "Rep_", "Rep_", SablonRepfisc, SablonRepfiscVechi};
    const FisierEcranat ff1{SetFf1().lucru, "FF1_", "Ff1_", SablonFf1, {}};
    const FisierEcranat ff2{SetFf2().lucru, "Ff2_", "Ff2_", SablonFf2, {}};
    const FisierEcranat ded{SetDeduceri().lucru, "Ded_", "Ded_", SablonDeduceri, {}};

    FisiereEcranate rez;
    std::array<bool, 4> cuDate{};
    // Each file and where its sorted lines go; the Fisa 1 (none here) is kept
    // as its sort items.
    const std::array<std::pair<const FisierEcranat*, std::vector<std::string>*>, 4> treceri{
        {{&rep, &rez.repfisc}, {&ff1, nullptr}, {&ff2, &rez.ff2}, {&ded, &rez.deduceri}}};
    for (std::size_t i = 0; i < treceri.size(); ++i) {
        const FisierEcranat& f = *treceri[i].first;
        cuDate[i] = !platform::files::isEmpty(f.lucru);
        if (!cuDate[i]) {
            raport.scrie("Avertisment : Fisierul " + f.numeAvertisment + an + ".txt nu exista sau e gol.");
            continue;
        }
        if (treceri[i].second != nullptr) {
            *treceri[i].second = liniiSortate(f, raport);
        } else {
            rez.ff1Sortat = sortateInBloc(f, raport, *rez.ff1Text, AdaugaElementSortareFf1);
        }
    }

    // The files the screening rewrites, replaced together once all are written.
    RescriereGrup grup;
    const auto rescrie = [&](const std::string& fisier, const std::vector<std::string>& linii) {
        grup.scrie(AdaugaFisierVerificat(grup, fisier), linii);
    };
    const std::vector<std::string> niciuna;
    if (cuDate[1]) {
        // The Fisa 1 checks rewrite "FF1.txt" from the sorted items; when
        // nothing of it was kept, the file is emptied here.
        if (rez.ff1Sortat.empty()) {
            rescrie(ff1.lucru, niciuna);
        }
        grup.scrie(AdaugaFisierVerificat(grup, "ff1_sort.txt"), rez.ff1Sortat);
    }
    if (cuDate[0]) {
        if (!rez.repfisc.empty()) {
            rez.repfisc = unSinguraAngajator(std::move(rez.repfisc), raport);
        }
        rescrie(rep.lucru, rez.repfisc);
    }
    if (cuDate[2]) {
        rez.ff2 = unulPeCheie(std::move(rez.ff2), CodLinie,
                              [&](std::string_view cod, int n) {
                                  return "FF2_" + an + ".txt - " + std::string(cod) + " : " + std::to_string(n) +
                                         " aparitii (ramane doar una).";
                              },
                              raport);
        rescrie(ff2.lucru, rez.ff2);
    }
    if (cuDate[3]) {
        rez.deduceri = unulPeCheie(std::move(rez.deduceri), cheiePersoana,
                                   [&](std::string_view cheie, int n) {
                                       return "Ded_" + an + ".txt - " + std::string(cheie) + ": " +
                                              std::to_string(n) + " aparitii (ramane doar una).";
                                   },
                                   raport);
        rescrie(ded.lucru, rez.deduceri);
    }
    if (const Rezultat scris = grup.finalizeaza(); !scris.ok()) {
        throw EsecVerificare(scris.eroare);
    }
    return rez;
}

} // namespace olm
