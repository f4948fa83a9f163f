#include "sheets/fisa2_entry.h"

#include "shared/number_text.h"
#include "shared/tax_grid.h"

namespace olm {

namespace {

// The total written back as text after each month is added, as the form
// always kept it.
std::string suma(const std::array<std::string, 13>& casete) {
    std::string total = "0";
    for (std::size_t i = 0; i < 12; ++i) {
        total = TextNumar(ValoareText(total) + ValoareText(casete[i]));
    }
    return total;
}

} // namespace

void ParasesteVenitCS(FormaFisa2& f, int i) {
    const auto r = static_cast<std::size_t>(i);
    f.VenitCS[r] = TextNumar(f.VenitCS[r]);
    if (i < 12) {
        // A copy: the grid taxes a negative income as 0, and the box keeps it.
        double venit = ValoareText(f.VenitCS[r]);
        f.ImpS[r] = TextNumar(CalculImpozit(i + 1, venit));
    }
    f.VenitCS[12] = suma(f.VenitCS);
    f.ImpS[12] = suma(f.ImpS);
}

void ParasesteImpS(FormaFisa2& f, int i) {
    const auto r = static_cast<std::size_t>(i);
    f.ImpS[r] = TextNumar(f.ImpS[r]);
    f.ImpS[12] = suma(f.ImpS);
}

bool AreTipVenit(const FormaFisa2& f) {
    for (int t : f.TAS) {
        if (t == 1) {
            return true;
        }
    }
    return false;
}

void TipVenitImplicit(FormaFisa2& f) {
    if (!AreTipVenit(f)) {
        f.TAS[3] = 1;
    }
}

std::string TitluFisa2(const std::string& nume, const std::string& prenume, const std::string& cod) {
    return "Fisa fiscala II - " + nume + " " + prenume + ", cod numeric " + cod;
}

const std::string_view InformatiiTipuriVenit =
    "AS1-indemnizatii si alte drepturi acordate persoanelor care desfasoara\r\n"
    "    activitati urmare a unei functii de demnitate publica aleasa;\r\n"
    "AS2-indemnizatia lunara bruta,suma din profitul net si alte drepturi \r\n"
    "    cuvenite administratorilor la companii/societati nationale,societati \r\n"
    "    comerciale,regii autonome,in baza contractului de administrare;\r\n"
    "AS3-sume primite de membrii fondatori ai societatilor comerciale\r\n"
    "    constituite prin subscriptie publica;\r\n"
    "AS4-venituri realizate din incadrarea in munca urmarea incheierii unei\r\n"
    "    conventii civile de prestari servicii;\r\n"
    "AS5-sume platite reprezentantilor in Adunarea Generala a Actionarilor,\r\n"
    "    in Consiliul de Administratie si in Comisia de Cenzori;\r\n"
    "AS6-sume primite de reprezentantii in organisme tripartite,potrivit legii;\r\n"
    "AS7-indemnizatia lunara a asociatului unic;\r\n"
    "AS8-alte drepturi de natura salariala.";

} // namespace olm
