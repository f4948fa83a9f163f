#include "shared/sheet_records.h"

#include <vector>

namespace olm {

namespace {

// Visits the fields of a record in file order; R may be const.
template <class I, class Fn>
void campuriIdentitate(I& id, Fn&& fn) {
    fn(id.Cod);
    fn(id.Nume);
    fn(id.Prenume);
    fn(id.Localitate);
    fn(id.Judet);
    fn(id.Strada);
    fn(id.Numar);
    fn(id.CodPostal);
    fn(id.Bloc);
    fn(id.Scara);
    fn(id.Etaj);
    fn(id.Apartament);
    fn(id.Sector);
}

template <class R, class Fn>
void campuriFf1(R& r, Fn&& fn) {
    campuriIdentitate(r.id, fn);
    fn(r.MarcaRectif);
    fn(r.MarcaReg);
    fn(r.MarcaFaraDom);
    fn(r.MarcaAlteS);
    fn(r.MarcaInv1);
    fn(r.MarcaInv2);
    fn(r.Rezervat);
    fn(r.DataAngajarii);
    fn(r.DataIncetarii);
    for (auto& c : r.CoefCalc) {
        fn(c);
    }
    for (auto& c : r.CoefProp) {
        fn(c);
    }
    for (std::size_t i = 0; i < r.VenitN.size(); ++i) {
        fn(r.VenitN[i]);
        fn(r.ImpC[i]);
    }
    fn(r.Luni);
    fn(r.ChAc);
    for (auto& c : r.Reg) {
        fn(c);
    }
}

template <class R, class Fn>
void campuriFf2(R& r, Fn&& fn) {
    campuriIdentitate(r.id, fn);
    fn(r.MarcaRectif);
    for (auto& c : r.TipAS) {
        fn(c);
    }
    for (std::size_t i = 0; i < r.VenitCS.size(); ++i) {
        fn(r.VenitCS[i]);
        fn(r.ImpS[i]);
    }
}

template <class R, class Fn>
void campuriDeduceri(R& r, Fn&& fn) {
    fn(r.CodAngajat);
    fn(r.CodPersoana);
    fn(r.Nume);
    fn(r.Prenume);
    for (auto& c : r.Marci) {
        fn(c);
    }
    for (auto& c : r.Coef) {
        fn(c);
    }
}

template <class R, class Campuri>
LinieCitita<R> citeste(std::string_view linie, StructuraRecord structura, Campuri campuri) {
    const CampuriVazute taiate = taieCampuriVazute(linie, structura);
    LinieCitita<R> rez;
    rez.complet = taiate.complet;
    std::size_t i = 0;
    campuri(rez.record, [&](auto& c) { c = taiate.campuri[i++]; });
    return rez;
}

template <class R, class Campuri>
std::string scrie(const R& r, StructuraRecord structura, Campuri campuri) {
    std::vector<std::string> valori;
    valori.reserve(structura.size());
    campuri(r, [&](const std::string& c) { valori.push_back(c); });
    return unesteCampuri(valori, structura);
}

} // namespace

LinieCitita<RecordFf1> citesteLinieFf1(std::string_view linie) {
    return citeste<RecordFf1>(linie, structuraFf1(),
                              [](RecordFf1& r, auto&& fn) { campuriFf1(r, fn); });
}

LinieCitita<RecordFf2> citesteLinieFf2(std::string_view linie) {
    return citeste<RecordFf2>(linie, structuraFf2(),
                              [](RecordFf2& r, auto&& fn) { campuriFf2(r, fn); });
}

LinieCitita<RecordDeduceri> citesteLinieDeduceri(std::string_view linie) {
    return citeste<RecordDeduceri>(linie, structuraDeduceri(),
                                   [](RecordDeduceri& r, auto&& fn) { campuriDeduceri(r, fn); });
}

LinieCitita<RecordFf1Vazut> vedeLinieFf1(std::string_view linie) {
    return citeste<RecordFf1Vazut>(linie, structuraFf1(), [](RecordFf1Vazut& r, auto&& fn) { campuriFf1(r, fn); });
}

LinieCitita<RecordFf2Vazut> vedeLinieFf2(std::string_view linie) {
    return citeste<RecordFf2Vazut>(linie, structuraFf2(), [](RecordFf2Vazut& r, auto&& fn) { campuriFf2(r, fn); });
}

LinieCitita<RecordDeduceriVazut> vedeLinieDeduceri(std::string_view linie) {
    return citeste<RecordDeduceriVazut>(linie, structuraDeduceri(),
                                        [](RecordDeduceriVazut& r, auto&& fn) { campuriDeduceri(r, fn); });
}

std::string linieFf1(const RecordFf1& r) {
    return scrie(r, structuraFf1(), [](const RecordFf1& x, auto&& fn) { campuriFf1(x, fn); });
}

std::string linieFf2(const RecordFf2& r) {
    return scrie(r, structuraFf2(), [](const RecordFf2& x, auto&& fn) { campuriFf2(x, fn); });
}

std::string linieDeduceri(const RecordDeduceri& r) {
    return scrie(r, structuraDeduceri(),
                 [](const RecordDeduceri& x, auto&& fn) { campuriDeduceri(x, fn); });
}

std::optional<std::string_view> cheieLinie(std::string_view linie, StructuraRecord structura) {
    const std::string_view sep = separatorDupa(structura, 0);
    const auto q = linie.find(sep);
    if (q == std::string_view::npos) {
        return std::nullopt;
    }
    return linie.substr(0, q);
}

bool esteLiniaAngajatului(std::string_view linie, StructuraRecord structura, std::string_view cod) {
    if (cod.empty()) {
        return false;
    }
    // Cheap refusal first: most lines of a large file are someone else's.
    if (!linie.starts_with(cod)) {
        return false;
    }
    const auto cheie = cheieLinie(linie, structura);
    return cheie && *cheie == cod;
}

std::string campText(std::string_view valoare) {
    std::string rez;
    rez.reserve(valoare.size());
    for (char c : valoare) {
        if (c != '#') {
            rez += c;
        }
    }
    return rez;
}

std::string campNumeric(std::string_view valoare) {
    std::string rez;
    rez.reserve(valoare.size());
    for (char c : valoare) {
        if (c == ',') {
            rez += '.';
        } else if (c != '#') {
            rez += c;
        }
    }
    return rez;
}

} // namespace olm
