#pragma once

// The first check of a verification: the four working files are cleaned of
// empty lines and of lines whose shape is not their record's, sorted in
// ascending order of their text (letters without regard to case), and rid of
// repeated records: of the employer's lines the first alone stays, of the
// Fisa 2 lines and of the dependants' lines one per key. Every dropped line
// is reported. The Fisa 1 lines are only sorted here, each behind a key of
// its code and its two dates; several sheets of one employee are the
// business of the Fisa 1 checks.

#include "exchange/verification_report.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace olm {

// What the screening kept, as the working files now hold it; the Fisa 1 as
// its sort items, in order (also written to "ff1_sort.txt").
struct FisiereEcranate {
    std::vector<std::string> repfisc;
    // The sort items are views into one block of text in the order of the
    // file, not a string each (a long file has a hundred thousand of them);
    // the block is held through a pointer, so that the views stay valid when
    // this is moved.
    std::unique_ptr<std::string> ff1Text = std::make_unique<std::string>();
    std::vector<std::string_view> ff1Sortat;
    std::vector<std::string> ff2;
    std::vector<std::string> deduceri;
};

// A date of a Fisa 1 from another application, as dd/mm/yyyy when it can be
// made so: "." and "-" become "/", a one-digit day gets its "0", eight digits
// year first are turned round, a year written 1900-1902 becomes 2000-2002; a
// text of separators and blanks is no date. Whatever else it holds stays for
// the date checks to report.
std::string NormalizeazaDataExterna(std::string_view data);

// The sort item of a Fisa 1 line: code, hiring date, leaving date, each
// followed by ",", then the line with its two dates normalised.
std::string ElementSortareFf1(std::string_view linie);
// The same item added at the end of a text.
void AdaugaElementSortareFf1(std::string& text, std::string_view linie);

// The code of an employer's line or of a sheet: the text before the first ",".
std::string_view CodLinie(std::string_view linie);

// Screens the four working files, writing its lines into the report, and
// rewrites them together: all or none. Throws EsecVerificare when a file
// cannot be read or written.
FisiereEcranate EcraneazaFisiere(RaportVerificare& raport);

} // namespace olm
