#include "exchange/verification_fisa1_values.h"

#include "shared/number_text.h"
#include "shared/record_line.h"
#include "shared/regularisation.h"

#include <algorithm>

namespace olm {

namespace {

// The months m1 to m2 that lie in the year.
template <typename F>
void pentruLuni(int m1, int m2, F f) {
    for (int i = std::max(m1, 0); i <= std::min(m2, 11); ++i) {
        f(static_cast<std::size_t>(i));
    }
}

} // namespace

ValoriFf1 CitesteValoriFf1(std::string_view linie) {
    const CampuriVazute c = taieCampuriVazute(linie, structuraFf1());
    const auto& f = c.campuri;
    ValoriFf1 v;
    v.cod = f[0];
    v.nume = f[1];
    v.prenume = f[2];
    v.marcaReg = esteMarcat(f[14]);
    v.marcaFaraDom = esteMarcat(f[15]);
    v.marcaAlteS = esteMarcat(f[16]);
    v.marcaInv1 = esteMarcat(f[17]);
    v.marcaInv2 = esteMarcat(f[18]);
    v.dataAngajarii = fataBlancuri(f[20]);
    v.dataIncetarii = fataBlancuri(f[21]);
    for (std::size_t i = 0; i < 12; ++i) {
        v.coefTotal[i] = ValNumar(f[22 + i]);
        v.coefPropriu[i] = ValNumar(f[34 + i]);
    }
    for (std::size_t i = 0; i < 14; ++i) {
        v.venit[i] = ValoareText(f[46 + 2 * i]);
        v.impozit[i] = ValoareText(f[47 + 2 * i]);
    }
    for (std::size_t i = 0; i < 12; ++i) {
        v.sfarsit[i] = ValoareText(f[74 + i]);
    }
    v.panaLaIncetare = linie.substr(0, static_cast<std::size_t>(f[21].data() - linie.data()));
    v.campIncetare = f[21];
    return v;
}

CoeficientiAngajat CoeficientiDinFisa1(std::string_view linie) {
    const CampuriVazute c = taieCampuriVazute(linie, structuraFf1(), 46);
    CoeficientiAngajat a{std::string(c.campuri[0]), std::string(c.campuri[1]), std::string(c.campuri[2])};
    for (std::size_t i = 0; i < 12; ++i) {
        a.total[i] = ValNumar(c.campuri[22 + i]);
        a.propriu[i] = ValNumar(c.campuri[34 + i]);
    }
    return a;
}

int LunaDatei(std::string_view data, int implicit) {
    if (data.empty()) {
        return implicit;
    }
    return static_cast<int>(ValoareText(data.size() > 3 ? data.substr(3, 2) : std::string_view{})) - 1;
}

void IncepeFisaCumulata(FisaCumulata& b, const ValoriFf1& fisa, int m1, int m2) {
    // Assigned field by field: the texts keep the storage they had.
    b.panaLaIncetare = fisa.panaLaIncetare;
    b.dataIncetarii = fisa.campIncetare;
    b.coefTotal = {};
    b.coefPropriu = {};
    b.venit = {};
    b.impozit = {};
    b.faraRegularizare = false;
    int luniCuDeducere = 0;
    pentruLuni(m1, m2, [&](std::size_t i) {
        b.coefTotal[i] = fisa.coefTotal[i];
        b.coefPropriu[i] = fisa.coefPropriu[i];
        b.venit[i] = fisa.venit[i];
        b.impozit[i] = fisa.impozit[i];
        luniCuDeducere += fisa.coefTotal[i] > 0;
    });
    for (std::size_t i : {12u, 13u}) {
        b.venit[i] = fisa.venit[i];
        b.impozit[i] = fisa.impozit[i];
    }
    b.sfarsit = fisa.sfarsit;
    b.sfarsit[LuniChelt] = std::min(b.sfarsit[LuniChelt], static_cast<double>(luniCuDeducere));
}

void AdaugaFisa(FisaCumulata& b, const ValoriFf1& fisa, int m1, int m2, int mp, std::string_view dataIncetarii) {
    const bool dupaPauza = mp < m1;
    pentruLuni(m1, m2, [&](std::size_t i) {
        b.coefTotal[i] = dupaPauza ? fisa.coefTotal[i] : std::max(b.coefTotal[i], fisa.coefTotal[i]);
        b.coefPropriu[i] = dupaPauza ? fisa.coefPropriu[i] : std::max(b.coefPropriu[i], fisa.coefPropriu[i]);
        b.venit[i] += fisa.venit[i];
        b.impozit[i] += fisa.impozit[i];
    });
    for (std::size_t i : {12u, 13u}) {
        b.venit[i] += fisa.venit[i];
        b.impozit[i] += fisa.impozit[i];
    }
    for (std::size_t i : {LuniChelt, ChAcordate, VIIVenit, VIIImpozit, VIII}) {
        b.sfarsit[i] += fisa.sfarsit[i];
    }
    for (std::size_t i = VI3; i <= VI10; ++i) {
        b.sfarsit[i] = 0;
    }
    b.faraRegularizare = true;
    b.dataIncetarii = dataIncetarii;
}

void LimiteazaLuniCheltuieli(FisaCumulata& b) {
    b.sfarsit[LuniChelt] = std::min(b.sfarsit[LuniChelt], static_cast<double>(LuniCuDeducere(b.coefTotal)));
}

void LinieFisaCumulata(const FisaCumulata& b, std::string& l) {
    // The 64 numbers (fields 23 to 86) go into one buffer first and join the
    // line at once.
    constexpr std::size_t Numere = 64;
    std::array<char, Numere * (LungimeMaximaTextNumar + 1)> numere;
    char* p = numere.data();
    const auto adauga = [&p](double x) {
        *p++ = ',';
        p = ScrieTextNumar(p, x);
    };
    for (double c : b.coefTotal) {
        adauga(c);
    }
    for (double c : b.coefPropriu) {
        adauga(c);
    }
    for (std::size_t i = 0; i < 14; ++i) {
        adauga(b.venit[i]);
        adauga(b.impozit[i]);
    }
    for (std::size_t i = 0; i < b.sfarsit.size(); ++i) {
        if (b.faraRegularizare && i >= VI3 && i <= VI10) {
            *p++ = ',';
        } else {
            adauga(b.sfarsit[i]);
        }
    }
    static_assert(std::tuple_size_v<decltype(b.coefTotal)> + std::tuple_size_v<decltype(b.coefPropriu)> +
                      std::tuple_size_v<decltype(b.venit)> + std::tuple_size_v<decltype(b.impozit)> +
                      std::tuple_size_v<decltype(b.sfarsit)> == Numere);

    l.assign(b.panaLaIncetare);
    l += b.dataIncetarii;
    l.append(numere.data(), static_cast<std::size_t>(p - numere.data()));
}

} // namespace olm
