#pragma once

// Sections VI to VIII of a Fisa 1 on its form's record `Fisa1Date`: the
// annual regularisation (section VI, Reg 0 to 9) decided and computed by the
// shared rules (regularisation.h) from the sheet's totals and coefficients,
// with the clerk asked to set the regularisation mark MarcaReg when the sheet
// qualifies and told when it loses it; and the income under final taxation
// (VII, Reg 10 and 11) and the exempt income (VIII, Reg 12) typed by him.

#include "shared/form_data.h"

namespace olm {

// The regularisation of the sheet, in this order: the totals of row 13 summed
// again; with an annual base deduction of 0 nothing else (no message). Then,
// for an employee entitled to deductions, months of professional expenses
// still 0 are told ("Nu ati introdus ...") and more months than those with a
// coefficient are lowered to them. A sheet that qualifies without the mark
// brings the question whether to set it; one that has the mark and does not
// qualify is told that the mark goes. With the mark, section VI is computed
// (VI.1, VI.2 and VI.8 copy the boxes they come from); without it, it is
// emptied.
void RegularizeazaFisa1(FormaFisa1& f);

// Leaving one of the boxes VII and VIII (10 to 12): rounded to whole lei; the
// VII income also sets the VII tax at the rate of final taxation.
void ParasesteReg(FormaFisa1& f, int index);

} // namespace olm
