#pragma once

// The two parameter files, "Impozitar.txt" and "Cuantum.txt", read and
// written whole. Their layouts are read and written as lines in memory
// (tax_grid.h, deduction_params.h); these give the file forms, whose messages
// name the file.

#include "shared/result.h"

#include <string>
#include <string_view>
#include <vector>

namespace olm {

// The lines of a parameter file. A missing or unreadable file, or a
// directory in its place, gives the message instead, and no lines.
Rezultat CitesteLiniiParametri(const std::string& nume, std::vector<std::string>& linii);

// Replaces a parameter file with these lines in one step; a failure leaves the
// file as it was and gives the message. A line break inside a line becomes a
// blank.
Rezultat ScrieLiniiParametri(const std::string& nume, std::vector<std::string> linii);

// A first line without the UTF-8 byte-order mark that a text editor may have
// put in front of it.
std::string_view FaraMarcaUtf8(std::string_view linie);

// "Fisierul Cuantum.txt are linia 3 eronata: ..."
std::string LinieEronata(const std::string& nume, std::size_t numar, const std::string& motiv);
// Why a line is faulty when a field of it is not a number (CampNumeric):
// "campul 2 ("16O0000") nu este un numar".
std::string CampNenumeric(std::size_t numar, std::string_view camp);

} // namespace olm
