#pragma once

// The acquisition of a verification: the four files of another application
// brought into the working names "Repfisc.txt", "FF1.txt", "FF2.txt" and
// "Deduceri.txt", from the diskette or from the working directory, as text
// files or as DBF tables that our converter turns into text files.
//
// Each procedure tells the clerk why it stopped and returns false; true when
// the checks may run. The working files are emptied first (the clerk agreed
// to it) and then filled all together: a failure never leaves them half
// filled.

namespace olm {

// Text files "Rep_", "FF1_", "FF2_", "Ded_" + year + ".txt" from the
// diskette. The drive is checked first (no diskette: the verification
// stops, the working files untouched); the
// employer file must be there, the others may be missing (their working
// files stay empty). An employer's line of the earlier form is repaired in
// "Repfisc.txt" and on the diskette; then a wait of 5 seconds, which a
// request to end the program cuts short: the checks are then not run.
bool PreiaTextDePeDischeta();

// DBF tables "Rep_", "FF1_", "FF2_", "Ded_" + year + ".dbf" from the
// diskette into the working directory (the empty template in place of a
// table the diskette lacks; the employer's must be there), then the
// converter.
bool PreiaDbfDePeDischeta();

// DBF tables already in the working directory (the empty template copied in
// place of a missing one but the employer's), then the converter.
bool PreiaDbfDinDirector();

// "tr12.txt" written with the fiscal year, then the converter run and waited
// for. Its exit 0 (converted) or 1 with "ferr.txt" listing its errors (shown
// by "Lista erori") lets the verification go on; a crash, a time-out, a
// failure to start, or an exit without its list stops it with a message.
bool RuleazaConvertorul();

} // namespace olm
