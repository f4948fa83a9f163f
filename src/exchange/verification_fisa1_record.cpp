#include "exchange/verification_fisa1_record.h"

#include "exchange/verification_amounts.h"
#include "shared/check_digits.h"
#include "shared/number_text.h"
#include "shared/regularisation.h"
#include "shared/state.h"
#include "shared/tax_grid.h"

#include <algorithm>
#include <numeric>
#include <string>

namespace olm {

namespace {

std::string numar(double x) { return TextNumar(x); }

// The own coefficients against the invalidity marks: 2 in some month goes
// with grade I, 1.5 with grade II; and only 0, 1, 1.5 and 2 are allowed.
void coeficientiProprii(const ValoriFf1& v, const std::string& cod, RaportVerificare& raport) {
    bool doi = false;
    bool unuSiJumatate = false;
    bool altul = false;
    for (double c : v.coefPropriu) {
        doi = doi || c == 2;
        unuSiJumatate = unuSiJumatate || c == 1.5;
        altul = altul || (c != 0 && c != 1 && c != 1.5 && c != 2);
    }
    if (v.marcaInv1 != doi || v.marcaInv2 != unuSiJumatate) {
        raport.eroare(cod + " coef.de deducere pentru situatie proprie" + "necorelati cu marcajul pentru handicap.");
    }
    if (altul) {
        raport.eroare(cod + " coef.de deducere pentru situatie proprie" + "diferiti de 0, 1, 1.5, 2.");
    }
}

// The regularisation mark against the conditions and section VI; a
// regularised sheet that qualifies and carries section VI gets it
// recomputed, VI.9 and VI.10 from its stored VI.7 and total tax.
void regularizare(const ValoriFf1& v, const std::string& cod, double venitAnual, double luni,
                  RaportVerificare& raport) {
    const auto& s = v.sfarsit;
    const bool conditii = ConditiiRegularizare(
        {v.cod, v.nume, v.dataAngajarii, v.dataIncetarii, v.coefTotal, v.marcaAlteS, v.marcaFaraDom});
    const bool areDate = s[VI5] != 0 || s[VI6] != 0 || s[VI7] != 0 || s[VI9] != 0 || s[VI10] != 0;
    const bool faraVIIsiVIII = s[VIIVenit] == 0 && s[VIII] == 0;

    if (conditii && v.marcaReg && !areDate && faraVIIsiVIII) {
        raport.eroare(cod + " are conditiile de regularizare indeplinite, are marcajul 'X' si nu are date de "
                            "regularizare.");
    } else if (!conditii && v.marcaReg) {
        raport.eroare(cod + " nu are conditiile de regularizare indeplinite dar are marcajul 'X'.");
    } else if (conditii && !v.marcaReg && areDate) {
        raport.eroare(cod + " are conditiile de regularizare indeplinite, are date de regularizare dar nu are "
                            "marcajul 'X'.");
    } else if (!conditii && !v.marcaReg && areDate) {
        raport.eroare(cod + " nu are conditiile de regularizare indeplinite,nu are marcajul 'X' dar are date de "
                            "regularizare .");
    } else if (conditii && !v.marcaReg && !areDate && faraVIIsiVIII) {
        raport.eroare(cod + " are conditiile de regularizare indeplinite, nu are marcajul 'X' si nu are date de "
                            "regularizare.");
    }
    if (!(conditii && v.marcaReg && areDate)) {
        return;
    }

    const double vi3 = CheltuieliProfesionaleCuvenite(luni);
    const double vi4 = std::max(venitAnual + s[ChAcordate] - vi3, 0.0);
    const double vi5 = DeduceriPersonaleCuvenite(v.coefTotal);
    double vi6 = std::max(vi4 - vi5, 0.0);
    const double vi7 = vi6 > 0 ? CalculImpozit(13, vi6) : 0;
    const double retinut = v.impozit[13];
    const double vi9 = retinut < s[VI7] ? s[VI7] - retinut : 0;
    const double vi10 = retinut < s[VI7] ? 0 : retinut - s[VI7];

    struct Linie {
        double stocat;
        double corect;
        bool raportat;
        const char* text;
        const char* inchidere;
    };
    // A VI.5 capped by the sheet at its income, when the deductions exceed it, stands.
    const bool vi5Plafonat = vi5 > s[VI4] && (s[VI5] == s[VI4] || s[VI5] == v.venit[13]);
    const Linie linii[] = {
        {s[VI3], vi3, true, " Chelt.prof.cuvenite (VI.3.) gresite = ", " (cele corecte). "},
        {s[VI4], vi4, s[VI4] >= 0, " Venit net recalculat (VI.4.) gresit = ", " (cel corect). "},
        {s[VI5], vi5, !vi5Plafonat, " Deduceri personale cuvenite (VI.5.) gresite = ", " (cele corecte). "},
        {s[VI6], vi6, s[VI6] >= 0, " Venit anual baza de calcul (VI.6.) gresit = ", " (cel corect). "},
        {s[VI7], vi7, true, " Impozit anual (VI.7.) gresit = ", " (cel corect)."},
        {s[VI9], vi9, true, " Diferenta impozit de plata (VI.9.) gresita = ", " (cea corecta)."},
        {s[VI10], vi10, true, " Diferenta impozit de restituit (VI.10.) gresita = ", " (cea corecta)."},
    };
    for (const Linie& l : linii) {
        if (l.raportat && !SumeEgale(l.stocat, l.corect)) {
            raport.eroare(cod + l.text + numar(l.stocat) + " # " + numar(l.corect) + l.inchidere);
        }
    }
}

} // namespace

void VerificaInregistrareFf1(const ValoriFf1& v, RaportVerificare& raport) {
    const std::string cod(v.cod);
    if (!VerificaCNP(cod)) {
        raport.eroare("CNP " + cod + " eronat.");
    }
    coeficientiProprii(v, cod, raport);

    const int m1 = LunaDatei(v.dataAngajarii, 0);
    const int m2 = LunaDatei(v.dataIncetarii, 11);
    bool inAfara = false;
    for (int i = 0; i < 12; ++i) {
        inAfara = inAfara || ((i < m1 || i > m2) && (v.venit[i] != 0 || v.impozit[i] != 0));
    }
    if (inAfara) {
        raport.eroare(cod + " Venituri si/sau impozite in afara " + "intervalului de activitate (" +
                      std::to_string(m1 + 1) + "," + std::to_string(m2 + 1) + ").");
    }

    const double venitAnual = std::accumulate(v.venit.begin(), v.venit.begin() + 13, 0.0);
    const double impozitAnual = std::accumulate(v.impozit.begin(), v.impozit.begin() + 13, 0.0);
    if (!SumeEgale(v.venit[13], venitAnual)) {
        raport.eroare(cod + " Total venit net gresit (V.14.1)= " + numar(v.venit[13]) + " # " + numar(venitAnual) +
                      "(cel corect)");
    }
    if (!SumeEgale(v.impozit[13], impozitAnual)) {
        raport.eroare(cod + " Total impozit calculat si retinut gresit (V.14.2)= " + numar(v.impozit[13]) + " # " +
                      numar(impozitAnual) + "(cel corect)");
    }

    double luni = v.sfarsit[LuniChelt];
    if (!v.marcaFaraDom && !v.cod.starts_with('9')) {
        if (luni < 0) {
            raport.eroare(cod + " Nr.de luni pentru acord.chelt.prof.negativ.");
            luni = 0;
        }
        const int cuDeducere = LuniCuDeducere(v.coefTotal);
        if (v.nume.find("**") == std::string_view::npos && cuDeducere < luni) {
            raport.eroare(cod + " Nr.luni pentru acord.chelt.prof.=" + numar(luni) +
                          ", mai mare decat nr.de luni cu drept de deducere=" + std::to_string(cuDeducere));
            luni = cuDeducere;
        }
    }

    if (DeducereBaza[12] != 0) {
        regularizare(v, cod, venitAnual, luni, raport);
    }

    const double impozitFinal = RotunjireLei(v.sfarsit[VIIVenit] * ValNumar(CotaImpFinal));
    if (!SumeEgale(v.sfarsit[VIIImpozit], impozitFinal)) {
        raport.eroare(cod + " Impozit final (VII.) gresit = " + numar(v.sfarsit[VIIImpozit]) + " # " +
                      numar(impozitFinal) + " (cel corect).");
    }
}

} // namespace olm
