#include "listings/dependants_index.h"

#include "platform/files.h"
#include "shared/sheet_files.h"
#include "shared/sheet_records.h"
#include "shared/state.h"

namespace olm {

IndexPersoane IndexPersoane::citeste() {
    IndexPersoane index;
    const FisierDate& f = FisierDeduceri();
    platform::files::LineReader cititor(f.nume);
    std::string linie;
    while (cititor.next(linie)) {
        const auto cheie = cheieLinie(linie, f.structura);
        if (!cheie || cheie->empty()) {
            continue;
        }
        auto& ale = index.persoane_[std::string(*cheie)];
        if (ale.size() >= static_cast<std::size_t>(MaxPersoane)) {
            continue;
        }
        RecordDeduceri d = citesteLinieDeduceri(linie).record;
        ale.push_back(PersoanaDinTexte(std::move(d.CodPersoana), std::move(d.Nume),
                                       std::move(d.Prenume), d.Marci, d.Coef));
    }
    return index;
}

const std::vector<PersoanaFoaie>& IndexPersoane::persoane(const std::string& codAngajat) const {
    static const std::vector<PersoanaFoaie> niciuna;
    const auto it = persoane_.find(codAngajat);
    return it == persoane_.end() ? niciuna : it->second;
}

} // namespace olm
