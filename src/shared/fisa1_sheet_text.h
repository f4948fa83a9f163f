#pragma once

// The printed Fisa 1 sheet as lines of text, 80 columns wide, built from plain
// values: the listings fill them from a line of "FF1.txt", the sheet's own
// form from what it shows. Where the values come from, which of them print
// blank and how the sheet is paged is the business of the caller.

#include "shared/sheet_text.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace olm {

// The texts of a printed sheet are views of the texts it is made from, the
// record lines of a listing or the boxes of a form, which outlive it; only
// what is worked out for the sheet is its own.

// One dependant as the sheet shows him.
struct PersoanaFoaie {
    std::string_view cod, nume, prenume;
    bool sotie = false, copil = false, alta = false;
    bool invalid1 = false, invalid2 = false, alteSituatii = false;
    // The coefficients of months 1 to 12 (0 for none).
    std::array<double, 12> coeficienti{};
};

// A dependant from the texts of his record or of his register row: the
// marks spouse, child, other person, invalidity I and II and other situation
// ("X" in any case, blanks around it allowed), the monthly coefficients
// read with "," as a decimal point ("1,5" is 1.5).
PersoanaFoaie PersoanaDinTexte(std::string_view cod, std::string_view nume, std::string_view prenume,
                               const std::array<std::string_view, 6>& marci,
                               const std::array<std::string_view, 12>& coeficienti);

// How section VI (the annual regularisation) is printed.
enum class FormaSectiuneaVI {
    // Every label filled to 60 characters and followed by its amount in 20;
    // the first half of line 9 stands alone, unfilled. A rule closes it.
    CuValori,
    // The same, the first half of line 9 filled to 60 characters too.
    CuValoriCompletate,
    // The labels filled to 60 characters, no amounts; a rule closes it.
    DoarEtichete,
    // The bare labels (no annual base deduction is set): nothing filled, no
    // closing rule.
    EticheteScurte,
};

struct FoaieFisa1 {
    CapFoaie cap;
    bool regularizata = false;
    bool faraDomiciliu = false, alteSurse = false;
    std::string_view dataAngajarii, dataIncetarii;
    // IV.A and IV.B: the coefficients of months 1 to 12 (0 for none).
    std::array<double, 12> coeficientCalculat{}, coeficientPropriu{};
    bool invalid1 = false, invalid2 = false; // the employee's own situation
    std::vector<PersoanaFoaie> persoane;     // IV.C
    // V.A: months 1 to 12, the holiday bonus, the total; then V.B and V.C.
    std::array<std::string_view, 14> venitNet, impozit;
    std::string_view cheltuieliAcordate, luniCheltuieli;
    FormaSectiuneaVI formaVI = FormaSectiuneaVI::DoarEtichete;
    // VI.1 to VI.10, the sheet's own: a listing works some of them out.
    std::array<std::string, 10> regularizare;
    std::array<std::string_view, 3> impunereFinala; // VII income, VII tax, VIII exempt income
};

// Writes the sheet, from the copy line to the signature. Amounts are grouped
// by thousands; an amount of 0 (or empty) prints blank. A coefficient is
// printed as number text in a cell of 5 characters: blank when it is 0,
// right-aligned when shorter, one blank and the whole text when it is not.
void ScrieFisa1(TextFoaie& text, const FoaieFisa1& f);
// The same sheet as lines, without their ends.
std::vector<std::string> LiniiFisa1(const FoaieFisa1& f);

} // namespace olm
