#include "tax_parameters/tax_grid_fields.h"

#include "shared/number_text.h"

namespace olm {

namespace {

std::string& celula(RandBloc& rand, Coloana coloana) {
    switch (coloana) {
    case Coloana::LimMax:
        return rand.limMax;
    case Coloana::ImpFix:
        return rand.impFix;
    case Coloana::Procent:
        break;
    }
    return rand.procent;
}

const std::string& celula(const RandBloc& rand, Coloana coloana) {
    return celula(const_cast<RandBloc&>(rand), coloana);
}

double valoare(const BlocAfisat& bloc, Coloana coloana, int rand) {
    return ValoareText(celula(bloc[rand], coloana));
}

bool golSauZero(const std::string& text) { return text.empty() || text == "0"; }

// Rows 1 to 8 of a column must rise: the test counts only when this row and
// the next one both hold a value.
bool ordineGresita(const BlocAfisat& bloc, Coloana coloana, int rand) {
    if (rand < 1 || rand > RanduriBloc - 2) {
        return false;
    }
    if (golSauZero(celula(bloc[rand], coloana)) || golSauZero(celula(bloc[rand + 1], coloana))) {
        return false;
    }
    const double v = valoare(bloc, coloana, rand);
    return valoare(bloc, coloana, rand - 1) >= v || valoare(bloc, coloana, rand + 1) <= v;
}

// The same rise, as the confirmation tests it: on values only.
bool nuCreste(const BlocAfisat& bloc, Coloana coloana, int rand) {
    const double v = valoare(bloc, coloana, rand);
    return valoare(bloc, coloana, rand + 1) <= v || valoare(bloc, coloana, rand - 1) >= v;
}

void golesteRand(RandBloc& rand) { rand = RandBloc{}; }

} // namespace

RezultatEnter enterInCaseta(BlocAfisat& bloc, Coloana coloana, int rand) {
    const bool ultimul = rand == RanduriBloc - 1;
    RandBloc& r = bloc[rand];
    switch (coloana) {
    case Coloana::LimMax:
        if (ordineGresita(bloc, coloana, rand)) {
            return {MesajOrdine, TintaFocus::ramane()};
        }
        if (ultimul || golSauZero(r.limMax)) {
            return {"", TintaFocus::okImp()};
        }
        bloc[rand + 1].limMin = TextNumar(ValoareText(r.limMax) + 1);
        return {"", TintaFocus::caseta(Coloana::ImpFix, rand)};
    case Coloana::ImpFix:
        if (ordineGresita(bloc, coloana, rand)) {
            return {MesajOrdine, TintaFocus::ramane()};
        }
        if (rand >= 1 && !ultimul && ValoareText(r.limMax) <= ValoareText(r.impFix)) {
            return {MesajFixPesteMaxim, TintaFocus::ramane()};
        }
        if (ultimul) {
            return {"", TintaFocus::okImp()};
        }
        return {"", TintaFocus::caseta(Coloana::Procent, rand)};
    case Coloana::Procent:
        if (ValoareText(r.procent) >= 100) {
            return {MesajProcent, TintaFocus::ramane()};
        }
        if (ordineGresita(bloc, coloana, rand)) {
            return {MesajOrdine, TintaFocus::ramane()};
        }
        if (ultimul) {
            return {"", TintaFocus::okImp()};
        }
        return {"", TintaFocus::caseta(Coloana::LimMax, rand + 1)};
    }
    return {};
}

void parasesteCaseta(BlocAfisat& bloc, Coloana coloana, int rand) {
    RandBloc& r = bloc[rand];
    std::string& text = celula(r, coloana);
    text = TextNumar(std::string_view(text));
    if (coloana != Coloana::LimMax) {
        if (text == "0" && r.limMax.empty()) {
            text.clear();
        }
        return;
    }
    if (text == "0" && r.limMin != "0") {
        // The block ends before this row. The row's own lower limit stays:
        // it follows from the row before, and an upper limit typed here
        // again must start from it, not from 0.
        r.limMax.clear();
        r.impFix.clear();
        r.procent.clear();
        for (int i = rand + 1; i < RanduriBloc; ++i) {
            golesteRand(bloc[i]);
        }
        return;
    }
    // Otherwise the next bracket starts one leu above this one; a first
    // bracket from 0 to 0 is followed by one from 1.
    if (rand < RanduriBloc - 1) {
        bloc[rand + 1].limMin = TextNumar(ValoareText(text) + 1);
    }
}

RezultatConfirmare verificaConfirmare(const BlocAfisat& bloc) {
    RezultatConfirmare rezultat;
    if (golSauZero(bloc[0].limMax)) {
        rezultat.faraBloc = true;
        return rezultat;
    }
    bool limite = false, fixe = false, procente = false, fixGresit = false;
    int randFixGresit = 0;
    for (int r = 1; r <= RanduriBloc - 2; ++r) {
        if (valoare(bloc, Coloana::LimMax, r + 1) == 0) {
            continue;
        }
        limite = limite || nuCreste(bloc, Coloana::LimMax, r);
        fixe = fixe || nuCreste(bloc, Coloana::ImpFix, r);
        procente = procente || nuCreste(bloc, Coloana::Procent, r);

        // The fixed tax of a bracket is the tax due at the end of the bracket
        // below it, give or take one leu.
        double asteptat = 0;
        if (r == 1) {
            asteptat = valoare(bloc, Coloana::LimMax, 0) * valoare(bloc, Coloana::Procent, 0) / 100;
        } else if (valoare(bloc, Coloana::ImpFix, r + 1) != 0) {
            const double latime = valoare(bloc, Coloana::LimMax, r - 1) -
                                  valoare(bloc, Coloana::LimMax, r - 2) - 1;
            asteptat = valoare(bloc, Coloana::ImpFix, r - 1) +
                       latime * valoare(bloc, Coloana::Procent, r - 1) / 100;
        } else {
            continue;
        }
        const double fix = valoare(bloc, Coloana::ImpFix, r);
        if (!(asteptat - 1 < fix && fix < asteptat + 1)) {
            fixGresit = true;
            randFixGresit = r - 1;
        }
    }
    if (limite) {
        rezultat.mesaje.push_back(MesajLimitaMaxima);
        rezultat.focus = TintaFocus::caseta(Coloana::LimMax, 0);
    }
    if (fixe) {
        rezultat.mesaje.push_back(MesajFixCrescator);
        rezultat.focus = TintaFocus::caseta(Coloana::ImpFix, 0);
    }
    if (procente) {
        rezultat.mesaje.push_back(MesajProcentCrescator);
        rezultat.focus = TintaFocus::caseta(Coloana::Procent, 0);
    }
    if (fixGresit) {
        rezultat.mesaje.push_back(MesajFixGresit);
        rezultat.focus = TintaFocus::caseta(Coloana::ImpFix, randFixGresit);
    }
    return rezultat;
}

} // namespace olm
