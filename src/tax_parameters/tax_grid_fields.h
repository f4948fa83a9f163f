#pragma once

// The rules of the tax-grid editor's boxes while a block is being edited:
// what Enter does in a box, what leaving it does, and the check made when
// the block is confirmed. They work on the ten display rows as text; the
// form copies its controls in, runs a rule, copies the rows back and shows
// the messages and moves the focus as the result says.

#include "shared/program_title.h"
#include "tax_parameters/tax_grid_blocks.h"

#include <string>
#include <vector>

namespace olm {

// The three boxes of a display row (the lower limit is a caption).
enum class Coloana { LimMax, ImpFix, Procent };

// Messages of the rules applied on Enter.
inline const std::string MesajOrdine = "Datele trebuiesc introduse in ordine crescatoare";
inline const std::string MesajFixPesteMaxim = "Impozit fix mai mare decat limita maxima";
inline const std::string MesajProcent = "Procent mai mare decat 100";
// Messages of the check on confirmation, in the order they are shown.
inline const std::string MesajLimitaMaxima = "Limita maxima nu e crescatoare";
inline const std::string MesajFixCrescator = "Impozitul fix nu e crescator";
inline const std::string MesajProcentCrescator = "Procentul nu e crescator";
inline const std::string MesajFixGresit = "Impozitul fix este gresit";
// The rules' messages carry a title of two blanks; the confirmation's carry
// the program's own title.
inline const std::string TitluReguli = "  ";
inline const std::string TitluConfirmare = TitluProgram;

// Where the focus goes after a rule.
struct TintaFocus {
    enum Tip { Ramane, OkImp, Caseta };
    Tip tip = Ramane;
    Coloana coloana = Coloana::LimMax;
    int rand = 0;

    static TintaFocus ramane() { return {}; }
    static TintaFocus okImp() { return {OkImp, Coloana::LimMax, 0}; }
    static TintaFocus caseta(Coloana c, int r) { return {Caseta, c, r}; }
    bool operator==(const TintaFocus&) const = default;
};

struct RezultatEnter {
    std::string mesaj; // a refusal: shown, and the focus stays in the box
    TintaFocus focus;
};

// Enter in the box of a column and display row. May set the lower limit of
// the next row.
RezultatEnter enterInCaseta(BlocAfisat& bloc, Coloana coloana, int rand);

// Leaving the box of a column and display row: the text becomes its number
// text; an upper limit of 0 ends the block there (or, in the first bracket,
// leaves a bracket from 0 to 0); otherwise the next row's lower limit follows
// from it.
void parasesteCaseta(BlocAfisat& bloc, Coloana coloana, int rand);

struct RezultatConfirmare {
    // The first upper limit is empty or 0: there is no block to store.
    bool faraBloc = false;
    // What was found wrong, in the order to show it; each text once.
    std::vector<std::string> mesaje;
    // Where the focus ends when something was found wrong.
    TintaFocus focus;

    bool bun() const { return !faraBloc && mesaje.empty(); }
};

RezultatConfirmare verificaConfirmare(const BlocAfisat& bloc);

} // namespace olm
