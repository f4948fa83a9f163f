#pragma once

// The employer's line of a verification: its code must be a fiscal code or a
// personal numeric code, and a line of the earlier form of the year, whose
// kind stands between two "#", is turned into the current form.

#include "exchange/verification_report.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace olm {

// Reports the code of each employer's line that is neither a valid personal
// numeric code nor a valid fiscal code, and a code whose value is 0. Returns
// the code of the last line, as read (empty when there is none).
std::string VerificaCodAngajator(const std::vector<std::string>& linii, RaportVerificare& raport);

// The line in the current form when it has the earlier form's shape: the kind
// loses its two "#", nothing else changes. Nothing when the shape differs.
std::optional<std::string> RepfiscInFormaCurenta(std::string_view linie);

// Rewrites "Repfisc.txt" as its first line in the current form when that
// line has the earlier form; true when it did. Throws EsecVerificare when the
// file cannot be read or written.
bool ReparaRepfisc();

} // namespace olm
