#pragma once

// The hand-in list, "Borderou.txt", that goes with the diskette to the tax
// office: under the employer's block and the contact, one row of 122
// characters per sheet (the Fisa 1 rows, then the Fisa 2 rows) with the code,
// the name, the kind of sheet, the regularised and corrective marks and the
// sheet's total income and tax; then the counts and totals, the declaration
// and the signer. The printer starts a new page every 76 lines; the list has
// no pages of its own.

#include "listings/sheet_listing.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace olm {

inline constexpr const char* FisierBorderou = "Borderou.txt";

// What the list holds, in the order of the window's list of choices.
enum class ContinutBorderou { Toate, Fise1, Fise1Neregularizate, Fise1Regularizate, Fise2 };

// The counts and sums of one list. The sums are whole lei, added exactly.
struct TotaluriBorderou {
    long long NrCrtBord = 0; // the rows so far, both kinds together
    long long NrFF1 = 0, NrFF2 = 0;
    long long NrRegularizate = 0;  // Fisa 1 rows marked regularised
    long long NrRectificative = 0; // rows of both kinds marked corrective
    std::int64_t TotVenitFF1 = 0, TotImpozitFF1 = 0;
    std::int64_t TotVenitFF2 = 0, TotImpozitFF2 = 0;
};

// Appends the row of one record line of "FF1.txt" or "FF2.txt", and its
// continuation line when the name runs over 40 characters, counting it into
// `t`. Its amounts are the stored totals grouped by thousands (an empty one
// leaves its column blank); a short line gives empty fields.
void RandBorderou(std::string_view linie, FelFisa fel, TotaluriBorderou& t, std::vector<std::string>& linii);

// Appends the closing block: the TOTAL line, the totals of each kind of
// sheet, the declaration and the signer in upper case.
void TotalBorderou(const TotaluriBorderou& t, const Semnatar& semnatar, std::vector<std::string>& linii);

// Writes "Borderou.txt" (replaced in one step) from the files the listings
// read (SursaFise1, SursaFise2), with the contact of `PersoanaContact` and
// `TelefonContact`. Sets `TitluLista` and `TipLista` by the choice, and
// `FisierDest` to the last file read; the two Fisa 1 choices by the
// regularisation mark go through the copies "Ff1N.txt" and "Ff1R.txt"
// (FiltreazaFise1). A missing sheets file lists no rows. Throws
// platform::FileError, and the old list then stays.
TotaluriBorderou ScrieBorderou(ContinutBorderou continut, const Semnatar& semnatar);

} // namespace olm
