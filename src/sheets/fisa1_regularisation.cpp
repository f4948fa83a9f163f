#include "sheets/fisa1_regularisation.h"

#include "platform/dialogs.h"
#include "sheets/fisa1_months.h"
#include "shared/number_text.h"
#include "shared/record_line.h"
#include "shared/regularisation.h"
#include "shared/state.h"

namespace olm {

namespace {

std::size_t idx(int i) { return static_cast<std::size_t>(i); }

bool areMarcaReg() { return majuscule(fataBlancuri(MarcaReg)) == "X"; }

// The mark follows the conditions: the clerk decides whether to set it, and is
// told when it goes.
void potrivesteMarcaReg(const std::array<double, 12>& coeficienti) {
    SituatieRegularizare s;
    s.cod = CodAngajat;
    s.nume = AngajatFisaII.NumeS;
    s.dataAngajarii = DataAngajarii;
    s.dataIncetarii = DataIncetarii;
    s.coeficienti = coeficienti;
    s.alteSurse = !fataBlancuri(MarcaAlteS).empty();
    s.faraDomiciliu = !fataBlancuri(MarcaFaraDom).empty();
    const bool indeplinite = ConditiiRegularizare(s);
    if (!areMarcaReg() && indeplinite) {
        if (platform::askYesNo("  Fisa fiscala nu are marcajul 'X' pentru regularizare,\r\n"
                               "desi conditiile sunt indeplinite.\r\n"
                               "  Doriti sa puneti acum marcajul 'X' ?")) {
            MarcaReg = std::string(1, 'X');
        }
    } else if (areMarcaReg() && !indeplinite) {
        platform::showMessage("Fisa fiscala are marcajul 'X' pentru regularizare, desi conditiile nu "
                              "sunt indeplinite (este persoana straina sau este persoana romana fara "
                              "domiciliu in Romania sau persoana are alte surse de venit sau persoana "
                              "are coeficienti de deducere nuli). Marcajul 'X'va fi anulat.");
        MarcaReg.clear();
    }
}

} // namespace

void RegularizeazaFisa1(FormaFisa1& f) {
    TotalizeazaRandul13(f);
    if (DeducereBaza[12] == 0) {
        return;
    }
    const std::array<double, 12> coeficienti = CoeficientiTotali(f);
    const int n = LuniCuDeducere(coeficienti);
    if (!FaraDeduceri()) {
        if (ValoareText(f.Luni) == 0) {
            platform::showMessage("Nu ati introdus 'Nr.de luni pt.care s-au acordat chelt.profesionale'.",
                                  "", platform::Icon::Exclamation);
        } else if (ValoareText(f.Luni) > n) {
            f.Luni = std::to_string(n);
        }
    }
    potrivesteMarcaReg(coeficienti);
    if (!areMarcaReg()) {
        for (int r = 0; r < 10; ++r) {
            f.Reg[idx(r)].clear();
        }
        return;
    }
    if (ValoareText(f.Luni) > n) {
        f.Luni = std::to_string(n);
    }
    const SectiuneaVI vi = CalculeazaRegularizare(ValoareText(f.VenitN[13]), ValoareText(f.ChAc),
                                                  ValoareText(f.Luni), coeficienti, ValoareText(f.ImpC[13]));
    for (int r = 0; r < 10; ++r) {
        f.Reg[idx(r)] = TextNumar(vi[idx(r)]);
    }
    // The copies keep the text of the box they come from.
    f.Reg[0] = f.VenitN[13];
    f.Reg[1] = f.ChAc;
    f.Reg[7] = f.ImpC[13];
}

void ParasesteReg(FormaFisa1& f, int index) {
    f.Reg[idx(index)] = TextNumar(RotunjireLei(ValoareText(f.Reg[idx(index)])));
    if (index == 10) {
        f.Reg[11] = TextNumar(RotunjireLei(ValoareText(f.Reg[10]) * ValNumar(CotaImpFinal)));
    }
}

} // namespace olm
