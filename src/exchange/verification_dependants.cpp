#include "exchange/verification_dependants.h"

#include "exchange/verification_amounts.h"
#include "shared/check_digits.h"
#include "shared/number_text.h"
#include "shared/record_line.h"
#include "shared/state.h"

#include <algorithm>
#include <array>
#include <utility>

namespace olm {

namespace {

using Luni = std::array<double, 12>;

std::string_view parte(std::string_view text, std::size_t inceput, std::size_t lungime) {
    return inceput < text.size() ? text.substr(inceput, lungime) : std::string_view{};
}

// The year of birth in a personal numeric code: digits 2-3 in the 1900s for
// a first digit 1 or 2, in the 2000s for any other.
int anNastere(std::string_view cod) {
    const bool secolul20 = !cod.empty() && (cod[0] == '1' || cod[0] == '2');
    return (secolul20 ? 1900 : 2000) + static_cast<int>(ValoareText(parte(cod, 1, 2)));
}

// The months in which own + dependants differs from the total, in pieces
// of 78 characters under which a rule of 78 "_" closes the employee.
void comparaLuni(const CoeficientiAngajat& a, const Luni& suplimentari, RaportVerificare& raport) {
    const auto diferita = [&](std::size_t i) { return !SumeEgale(a.propriu[i] + suplimentari[i], a.total[i]); };
    std::size_t luna = 0;
    while (luna < 12 && !diferita(luna)) {
        ++luna;
    }
    if (luna == 12) {
        return; // the common case: no text is made
    }
    std::string text = a.cod + " " + a.nume + " " + a.prenume + " : ";
    for (std::size_t i = luna; i < 12; ++i) {
        if (diferita(i)) {
            text += "Luna " + std::to_string(i + 1) + ": " + VirgulaPunct(a.propriu[i]) + "+" +
                    VirgulaPunct(suplimentari[i]) + "<>" + VirgulaPunct(a.total[i]) + " | ";
        }
    }
    constexpr std::size_t Latime = 78;
    for (std::size_t p = 0; p < text.size(); p += Latime) {
        raport.eroare(text.substr(p, Latime));
    }
    raport.eroare(std::string(Latime, '_'));
}

// The employee's code and the monthly coefficients of a cut line.
CoeficientiPersoana coeficientiPersoana(const CampuriVazute& c) {
    CoeficientiPersoana p{c.campuri[0]};
    for (std::size_t i = 0; i < 12; ++i) {
        p.luni[i] = ValNumar(c.campuri[10 + i]);
    }
    return p;
}

} // namespace

CoeficientiPersoana CoeficientiPersoanaDin(std::string_view linie) {
    return coeficientiPersoana(taieCampuriVazute(linie, structuraDeduceri()));
}

void VerificaPersoanaIntretinuta(std::string_view linie, RaportVerificare& raport) {
    CoeficientiPersoana neluati;
    VerificaPersoanaIntretinuta(linie, raport, neluati);
}

void VerificaPersoanaIntretinuta(std::string_view linie, RaportVerificare& raport, CoeficientiPersoana& coeficienti) {
    const CampuriVazute c = taieCampuriVazute(linie, structuraDeduceri());
    coeficienti = coeficientiPersoana(c);
    const std::string angajat(c.campuri[0]);
    const std::string persoana(c.campuri[1]);
    // Made into text only for a report line: most lines have no fault.
    const std::string_view cheie = linie.substr(0, linie.find(",#"));
    const bool copil = esteMarcat(c.campuri[5]);
    const bool inv1 = esteMarcat(c.campuri[7]);
    const bool inv2 = esteMarcat(c.campuri[8]);
    const int an = anNastere(persoana);
    const int lunaNastere = static_cast<int>(ValoareText(parte(persoana, 3, 2)));

    bool unu = false;
    bool unuSiJumatate = false;
    bool altaValoare = false;
    bool inainteDeNastere = false;
    for (int luna = 1; luna <= 12; ++luna) {
        const double coef = coeficienti.luni[static_cast<std::size_t>(luna - 1)];
        unu = unu || coef == 1;
        unuSiJumatate = unuSiJumatate || coef == 1.5;
        altaValoare = altaValoare || (coef != 0 && coef != 0.5 && coef != 1 && coef != 1.5);
        inainteDeNastere = inainteDeNastere || (an == AnFiscal && coef != 0 && luna < lunaNastere);
    }

    std::string coduri;
    if (!VerificaCNP(angajat)) {
        coduri = "CNP angajat " + angajat + " eronat ; ";
    }
    if (!VerificaCNP(persoana)) {
        coduri += "CNP pers.intretinuta " + persoana + " eronat (la CNP angajat " + angajat + ").";
    }
    if (!coduri.empty()) {
        raport.eroare(coduri);
    }
    if (unuSiJumatate != inv1 || unu != inv2) {
        raport.eroare(std::string(cheie) + " coef.de deducere " + "necorelati cu marcajul pentru handicap.");
    }
    if (altaValoare) {
        raport.eroare(std::string(cheie) + " coef.de deducere " + "diferiti de 0, 0.5, 1, 1.5.");
    }
    if (inainteDeNastere) {
        raport.eroare(std::string(cheie) + " coef.de deducere " +
                      "pentru copil de 1 an nenuli pe lunile pana la nastere.");
    }
    if (copil && AnFiscal - an > 18) {
        raport.eroare(std::string(cheie) + " Calitate - COPIL - pentru persoana intretinuta " +
                      "in varsta de peste 18 ani.");
    }
}

void VerificaCorelareCoeficienti(const std::vector<CoeficientiAngajat>& angajati,
                                 const std::vector<std::string>& deduceri, RaportVerificare& raport) {
    std::vector<CoeficientiPersoana> persoane;
    persoane.reserve(deduceri.size());
    for (const std::string& linie : deduceri) {
        persoane.push_back(CoeficientiPersoanaDin(linie));
    }
    VerificaCorelareCoeficienti(angajati, persoane, raport);
}

void VerificaCorelareCoeficienti(const std::vector<CoeficientiAngajat>& angajati,
                                 const std::vector<CoeficientiPersoana>& persoane, RaportVerificare& raport) {
    if (persoane.empty()) {
        for (const CoeficientiAngajat& a : angajati) {
            if (a.propriu != a.total) {
                raport.eroare(a.cod + " coeficienti totali incorecti (angajatul nu are ded.suplim.).");
            }
        }
        return;
    }

    // The dependants' coefficients summed by employee, month by month, in a
    // table sorted by his code (an array searched by halves: a hash table
    // spread over memory cost more on a long file). Each employee's
    // dependants are added in the order of their lines.
    struct Sume {
        std::string cod; // a copy: the search does not reach into the lines
        Luni luni{};
    };
    std::vector<std::pair<std::string, std::size_t>> ordine;
    ordine.reserve(persoane.size());
    for (std::size_t i = 0; i < persoane.size(); ++i) {
        ordine.emplace_back(persoane[i].angajat, i);
    }
    // Stable: the lines of one employee keep their order.
    std::stable_sort(ordine.begin(), ordine.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Sume> suplimentari;
    for (const auto& [cod, i] : ordine) {
        if (suplimentari.empty() || suplimentari.back().cod != cod) {
            suplimentari.push_back({cod});
        }
        Luni& suma = suplimentari.back().luni;
        for (std::size_t m = 0; m < 12; ++m) {
            suma[m] += persoane[i].luni[m];
        }
    }
    const Luni niciuna{};
    for (const CoeficientiAngajat& a : angajati) {
        const auto gasit = std::lower_bound(suplimentari.begin(), suplimentari.end(), a.cod,
                                            [](const Sume& s, const std::string& cod) { return s.cod < cod; });
        const bool are = gasit != suplimentari.end() && gasit->cod == a.cod;
        comparaLuni(a, are ? gasit->luni : niciuna, raport);
    }
}

} // namespace olm
