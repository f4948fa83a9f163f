#pragma once

// The picker of stored sheets on the employee's form: one entry per line of
// "ff1.txt" and of "ff2.txt", "surname first-name--code--FF1" (or "--FF2"),
// each keeping its code and sheet kind beside the text.

#include "shared/result.h"

#include <cstddef>
#include <string>
#include <vector>

namespace olm {

struct IntrareFisa {
    std::string text;
    std::string cod;
    int tip = 0; // 1 Fisa 1, 2 Fisa 2
};

// The entries of both files, in file order (the list sorts them). A line
// without the separators of a record is left out. A file that cannot be
// read is named in `rezultat`; the entries read so far are kept.
std::vector<IntrareFisa> IntrariFiseIncarcate(Rezultat& rezultat);

// "LISTA ALFABETICA ( s-au incarcat 3 fise )".
std::string EtichetaLista(std::size_t n);

// Loads the chosen sheet into the forms at once: the code, the lookup, the
// identity and the sheet (a Fisa 1 with its dependants), the delete button
// ("Sterge fisa 1" or "Sterge fisa 2", TipFisaCrt), the sheet buttons (only
// "Fisa 2" for a Fisa 2; none for a Fisa 1, which opens from the situation
// frame, shown with the focus on its "Ok").
void IncarcaFisaAleasa(const IntrareFisa& intrare);

} // namespace olm
