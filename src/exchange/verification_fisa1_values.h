#pragma once

// A Fisa 1 line of another application read into the values the
// verification checks and adds up, and the one record the verification keeps
// of an employee's sheets, written back as a line.

#include <array>
#include <string>
#include <string_view>

namespace olm {

// The values of one line; the texts are views into the line, which must
// outlive them. Coefficients are read with "," taken as ".", amounts by
// their leading number; an empty field is 0.
struct ValoriFf1 {
    std::string_view cod, nume, prenume;
    bool marcaReg = false, marcaFaraDom = false, marcaAlteS = false;
    bool marcaInv1 = false, marcaInv2 = false;
    std::string_view dataAngajarii, dataIncetarii; // trimmed of blanks
    std::array<double, 12> coefTotal{};   // IV.A of months 1 to 12
    std::array<double, 12> coefPropriu{}; // IV.B
    std::array<double, 14> venit{};   // months 1 to 12, the holiday bonus, the total
    std::array<double, 14> impozit{};
    // Fields 75 to 86: the months of professional expenses, the expenses
    // granted, VI.3 to VI.7, VI.9, VI.10, the VII income and tax, VIII.
    std::array<double, 12> sfarsit{};
    std::string_view panaLaIncetare; // fields 1 to 21 and the "," after them
    std::string_view campIncetare;   // field 22 as it stands
};

// Indexes into ValoriFf1::sfarsit.
enum IndiceSfarsit : std::size_t {
    LuniChelt = 0, ChAcordate = 1, VI3 = 2, VI4 = 3, VI5 = 4, VI6 = 5, VI7 = 6, VI9 = 7, VI10 = 8,
    VIIVenit = 9, VIIImpozit = 10, VIII = 11,
};

ValoriFf1 CitesteValoriFf1(std::string_view linie);

// The month (0 for January) of a date dd/mm/yyyy: characters 4-5 by value,
// less 1; `implicit` for an empty date.
int LunaDatei(std::string_view data, int implicit);

// What the correlation of the coefficients takes of a Fisa 1.
struct CoeficientiAngajat {
    std::string cod, nume, prenume;
    std::array<double, 12> total{};   // IV.A
    std::array<double, 12> propriu{}; // IV.B
};
CoeficientiAngajat CoeficientiDinFisa1(std::string_view linie);

// The record kept of an employee's sheets: started from his first sheet and
// added to by the further ones.
struct FisaCumulata {
    std::string panaLaIncetare; // fields 1 to 21 and the "," after them
    std::string dataIncetarii;  // field 22
    std::array<double, 12> coefTotal{}, coefPropriu{};
    std::array<double, 14> venit{}, impozit{};
    std::array<double, 12> sfarsit{};
    bool faraRegularizare = false; // VI.3 to VI.10 written empty: sheets were added
};

// The first sheet, of months m1 to m2 (0 to 11): the coefficients and the
// amounts of the other months are 0, and the months of professional expenses
// at most the months of the period with a positive total coefficient. The
// record is filled anew, whatever it held.
void IncepeFisaCumulata(FisaCumulata& cumulata, const ValoriFf1& fisa, int m1, int m2);

// A further sheet of months m1 to m2, which leaves on `dataIncetarii`; mp is
// the month in which the sheet added before left. In its months a coefficient
// is the sheet's when the one before ended in an earlier month, else the
// greater of the two; the amounts, the holiday bonus, the totals, the months
// and the expenses, VII and VIII are added; section VI is emptied.
void AdaugaFisa(FisaCumulata& cumulata, const ValoriFf1& fisa, int m1, int m2, int mp,
                std::string_view dataIncetarii);

// The months of professional expenses at most the months with a total
// coefficient other than 0.
void LimiteazaLuniCheltuieli(FisaCumulata& cumulata);

// The record as a line: fields 1 to 22 as they were, every later field from
// its value ("0" for zero, "." as the decimal point). The line replaces what
// `linie` held, in the storage it had.
void LinieFisaCumulata(const FisaCumulata& cumulata, std::string& linie);

} // namespace olm
