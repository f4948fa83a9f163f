#pragma once

// The employee's identity on his form `Fisa_II`: taken from a stored sheet's
// line into the form's record `AngajatFisaII` (form_data.h), given to the
// records that are saved, and emptied for the next employee.

#include "shared/sheet_records.h"
#include "shared/sheet_text.h"

#include <string>
#include <string_view>

namespace olm {

// Why a save or delete without an employee's code does nothing.
inline constexpr std::string_view MesajCodLipsa =
    "Codul angajatului lipseste: fisa nu a fost scrisa.";

// Fields 1 to 13 of a sheet from the employee's form, keyed by `CodAngajat`.
IdentitateAngajat IdentitateDinFisaII();

// True when the county list holds the text (the entries of Judete).
bool JudetInLista(std::string_view judet);

// Loads fields 2 to 14 of a stored sheet into the employee's form: names,
// address, county (the blank entry " " for an empty one), the corrective
// mark (also into MarcaRectif, so a sheet opened now never carries an
// earlier employee's mark). The Fisa 1 overload loads fields 15 to 22 too:
// the situation marks (the invalidity marks also into MarcaInv1Fisa and
// MarcaInv2Fisa) and the dates, with "." and "-" turned into "/".
// JudetTmp receives the stored county; one not in the list selects the
// blank entry, without a word (the caller tells it where it must).
void IncarcaDateAngajat(const RecordFf1& r);
void IncarcaDateAngajat(const RecordFf2& r);

// Readies the employee's form for the next employee and shows it: code,
// names, address (the locality and the county stay), dates and marks
// emptied; both sheet buttons enabled; the delete button "Sterge fisa",
// disabled; the focus on Option1. The situation frame and every process-wide
// value stay as they are.
void CurataFisaII();

// What the Fisa 2 form leaves of the employee's form when it closes, and
// shows: as CurataFisaII, but the dates, the situation marks other than the
// corrective one and the delete button's caption stay as they are.
void CurataFisaIIDupaFisa2();

// The employee's address as his form shows it: the nine boxes and the
// county list's text.
PartiAdresa AdresaFisaII();

} // namespace olm
