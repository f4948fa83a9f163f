#include "listings/sheet_listing.h"

#include "platform/busy.h"
#include "platform/dialogs.h"
#include "platform/file_error.h"
#include "platform/files.h"
#include "platform/text_viewer.h"
#include "shared/listing_header.h"
#include "shared/printing.h"
#include "shared/record_line.h"
#include "shared/sheet_records.h"
#include "shared/sheet_text.h"
#include "shared/state.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace olm {

namespace files = platform::files;

namespace {

std::string sursa(const char* sortata, const char* lucru) { return files::exists(sortata) ? sortata : lucru; }

} // namespace

std::string SursaFise1() { return sursa("ff1_sort1.txt", "ff1.txt"); }
std::string SursaFise2() { return sursa("ff2_sort1.txt", "ff2.txt"); }

void FiltreazaFise1(bool regularizate) {
    TipLista = regularizate ? "R" : "N";
    FisierSursa = SursaFise1();
    FisierDest = regularizate ? "Ff1R.txt" : "Ff1N.txt";
    FiltreazaFF1();
}

std::vector<ItemFisa> ItemiFise(const std::string& sursa, std::string_view marca) {
    std::vector<ItemFisa> itemi;
    files::LineReader cititor(sursa);
    std::string linie;
    while (cititor.next(linie)) {
        // Code, surname and first name are laid out alike in both sheet files.
        const auto c = taieCampuri(linie, structuraFf1(), 3);
        std::string cod(cheieLinie(linie, structuraFf1()).value_or(""));
        itemi.push_back({c.campuri[1] + " " + c.campuri[2] + "--" + cod + "--" + std::string(marca), cod});
    }
    return itemi;
}

CapFoaie CapListare(const Semnatar& semnatar) {
    CapFoaie c;
    c.linieExemplar = LinieExemplar(TipExemplar);
    c.an = anFiscalText();
    c.antetAngajator = liniiAntetAngajator();
    c.semnatar = majuscule(semnatar.nume);
    c.functie = majuscule(semnatar.functie);
    return c;
}

void CompleteazaCapul(CapFoaie& c, const IdentitateAngajatCu<std::string_view>& id,
                      std::string_view marcaRectif) {
    c.rectificativa = esteMarcat(marcaRectif);
    c.cod = id.Cod;
    c.numePrenume.assign(id.Nume).append(" ").append(id.Prenume);
    c.adresa.clear();
    AdaugaAdresa(c.adresa,
                 {id.Localitate, id.Judet, id.Strada, id.Numar, id.CodPostal, id.Bloc, id.Scara, id.Etaj,
                  id.Apartament, id.Sector},
                 CodPrezent::DupaText);
}

void ScrieListare(const std::string& fisier, const std::string& sursa,
                  const std::function<bool(std::string_view linie)>& alege, const FoaieDinLinie& foaie) {
    // The pages of many sheets go to the file together, in few large writes.
    constexpr std::size_t MarimeScriere = 1 << 18;
    files::AtomicWriter listare(fisier);
    files::LineReader cititor(sursa);
    std::string linie;
    TextFoaie foi;
    while (cititor.next(linie)) {
        platform::keepPainted();
        if (!alege(linie)) {
            continue;
        }
        const int numarate = foaie(linie, foi);
        ContorLinii = static_cast<std::int16_t>(std::min(numarate, int{std::numeric_limits<std::int16_t>::max()}));
        if (foi.octeti().size() >= MarimeScriere) {
            listare.write(foi.octeti());
            foi.goleste();
        }
    }
    listare.write(foi.octeti());
    listare.commit();
}

std::string MesajVizualizare(const std::string& fisier) {
    return std::string(NotaVizualizare) + " Pentru a lista o secventa de pagini deschideti fisierul " + fisier +
           " in Microsoft Word si folositi setarile Courier New (9), Top,Bottom=3cm. ";
}

void AnuntaEroareFisier(const platform::FileError& e) {
    platform::showMessage("Eroare " + std::to_string(e.number()) + ".", "", platform::Icon::Exclamation);
}

void ListeazaSiTipareste(const std::string& fisier, const std::function<void()>& scrie, Tiparire tipareste) {
    try {
        // A log-out meanwhile leaves the listing as it was, unshown.
        if (!platform::unlessEnded(scrie)) {
            return;
        }
    } catch (const platform::FileError& e) {
        AnuntaEroareFisier(e);
        return;
    }
    platform::textViewer().show(fisier);
    tipareste(fisier);
}

} // namespace olm
