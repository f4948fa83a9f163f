#include "main_window/startup.h"

#include "main_window/yearly_swap.h"
#include "shared/deduction_params.h"
#include "shared/tax_grid.h"

namespace olm {

RezultatPornire PornesteLucrul(platform::InstanceLock& lock) {
    if (!lock.acquire()) {
        return {StarePornire::AltaInstanta, ""};
    }
    // Without the fiscal year the yearly copies cannot be named: touching the
    // data files then would scatter them under wrong names. A fault further
    // on leaves the parameters not read as they were, and is told.
    const CitireCuantum cuantum = CitesteCuantum();
    if (!cuantum.anCitit) {
        return {StarePornire::FaraParametri,
                cuantum.eroare + " Programul nu poate porni fara parametrii din Cuantum.txt."};
    }
    RezultatPornire rezultat;
    if (!cuantum.ok()) {
        rezultat.mesaj = cuantum.eroare + " Parametrii care nu au putut fi cititi au ramas neschimbati.";
    }
    Rezultat impozitar = CitesteImpozitar();
    if (!impozitar.ok()) {
        rezultat.mesaj += (rezultat.mesaj.empty() ? "" : "\r\n") + impozitar.eroare +
                          " Impozitele nu pot fi calculate corect.";
    }
    SchimbaFisiereLaPornire();
    return rezultat;
}

std::string TerminaLucrul() {
    auto nesalvate = SchimbaFisiereLaIesire();
    if (nesalvate.empty()) {
        return "";
    }
    std::string lista;
    for (const auto& f : nesalvate) {
        lista += (lista.empty() ? "" : ", ") + f;
    }
    return "Nu s-au putut scrie copiile anuale " + lista +
           ". Datele anului au ramas in fisierele de lucru.";
}

} // namespace olm
