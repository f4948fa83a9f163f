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
    // data files then would scatter them under wrong names.
    Rezultat cuantum = CitesteCuantum();
    if (!cuantum.ok() || AnFiscal <= 0) {
        std::string motiv = cuantum.ok() ? "Fisierul Cuantum.txt nu contine anul fiscal." : cuantum.eroare;
        return {StarePornire::FaraParametri,
                motiv + " Programul nu poate porni fara parametrii din Cuantum.txt."};
    }
    RezultatPornire rezultat;
    Rezultat impozitar = CitesteImpozitar();
    if (!impozitar.ok()) {
        rezultat.mesaj = impozitar.eroare + " Impozitele nu pot fi calculate corect.";
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
