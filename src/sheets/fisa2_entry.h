#pragma once

// The rules of the Fisa 2 form, on its record `Fisa2Date` (form_data.h): a
// month's income or tax box left, the income types, and the texts the form
// shows. The form copies its boxes into the record before these run and the
// record back into its boxes after.

#include "shared/form_data.h"

#include <string>
#include <string_view>

namespace olm {

// The income box of row i left: the box normalised to the number text of its
// value ("" becomes "0"); on a month's row the month's tax is the grid's tax
// on that income, with no deduction, whatever was typed in the tax box; both
// totals summed again.
void ParasesteVenitCS(FormaFisa2& f, int i);

// The tax box of row i left: the box normalised, the tax total summed again.
void ParasesteImpS(FormaFisa2& f, int i);

// True when at least one income type is ticked.
bool AreTipVenit(const FormaFisa2& f);

// A sheet closed with no income type ticked gets type AS4.
void TipVenitImplicit(FormaFisa2& f);

// "Fisa fiscala II - " + surname + " " + first name + ", cod numeric " + code.
std::string TitluFisa2(const std::string& nume, const std::string& prenume, const std::string& cod);

// What the income types AS1 to AS8 are ("Informatii").
extern const std::string_view InformatiiTipuriVenit;

} // namespace olm
