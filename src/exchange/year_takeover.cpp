#include "exchange/year_takeover.h"

#include "platform/control_items.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "shared/data_files.h"
#include "shared/employer_record.h"
#include "shared/file_group.h"
#include "shared/number_text.h"
#include "shared/record_line.h"
#include "shared/record_shape.h"
#include "shared/sheet_records.h"
#include "shared/state.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

namespace olm {

namespace files = platform::files;
using platform::Icon;

namespace {

// The field kinds of a layout read from its template: a bare first field,
// then ",##" for a text field and "," for a numeric one.
std::vector<TipCamp> structuraDinSablon(std::string_view sablon) {
    std::vector<TipCamp> s{TipCamp::Numeric};
    for (std::size_t i = 0; i < sablon.size();) {
        const bool text = sablon.substr(i, 3) == ",##";
        s.push_back(text ? TipCamp::Text : TipCamp::Numeric);
        i += text ? 3 : 1;
    }
    return s;
}

// The first `cate` fields of a line of the previous year's layout, or nothing
// when the line does not have its shape. A line of the right shape holds no
// "#" inside a field, so it is cut exactly.
std::optional<std::vector<std::string>> campuri2001(std::string_view linie, std::string_view sablon,
                                                    const std::vector<TipCamp>& structura,
                                                    std::size_t cate) {
    if (linie.empty() || !VerificaStructura(linie, sablon)) {
        return std::nullopt;
    }
    return taieCampuri(linie, structura, cate).campuri;
}

// The text of fields 1 to 13, the code and identity laid out alike in both
// years' sheets: the line up to the "," after field 13.
std::string_view identitate(std::string_view linie, const std::vector<std::string>& c,
                            StructuraRecord structura) {
    std::size_t lungime = c[12].size();
    for (std::size_t i = 0; i < 12; ++i) {
        lungime += c[i].size() + separatorDupa(structura, i).size();
    }
    return linie.substr(0, lungime);
}

std::string repeta(std::string_view text, int ori) {
    std::string rez;
    for (int i = 0; i < ori; ++i) {
        rez += text;
    }
    return rez;
}

// A leaving date that says nothing.
bool dataGoala(std::string_view data) {
    for (std::string_view gol : {"", "/  /", ".  .", "-  -", "//", "..", "--"}) {
        if (data == gol) {
            return true;
        }
    }
    return false;
}

bool marca(std::string_view camp) { return majuscule(fataBlancuri(camp)) == "X"; }
std::string textMarca(bool pusa) { return pusa ? "X" : ""; }

// The dependant's birth year from his personal numeric code.
int anNastere(std::string_view cod) {
    const double an = cod.size() > 1 ? ValoareText(cod.substr(1, 2)) : 0;
    const bool secolulTrecut = !cod.empty() && (cod[0] == '1' || cod[0] == '2');
    return (secolulTrecut ? 1900 : 2000) + static_cast<int>(an);
}

// A code read as a number, as the previous year's lists compared them.
double numarCod(std::string_view text) { return ValoareText(text.substr(0, text.find(','))); }
// The employee a line of either new file belongs to: its first 13 characters
// read as a number.
double cheieAngajat(std::string_view linie) { return ValoareText(linie.substr(0, 13)); }

// A list sorted as the program's sorted lists are, each employee's first line
// kept.
std::vector<std::string> sorteazaUnicPeCod(std::vector<std::string> linii) {
    std::stable_sort(linii.begin(), linii.end(), platform::itemTextLess);
    std::vector<std::string> rez;
    rez.reserve(linii.size());
    for (auto& l : linii) {
        if (rez.empty() || numarCod(l) != numarCod(rez.back())) {
            rez.push_back(std::move(l));
        }
    }
    return rez;
}

struct LinieDependent {
    std::string linie;
    double angajat = 0;
    double persoana = 0;
};

// Sorted, each employee's dependant once, and only for the employees kept.
std::vector<std::string> dependentiPastrati(std::vector<LinieDependent> linii,
                                            const std::vector<std::string>& ff1) {
    std::unordered_set<double> angajati;
    angajati.reserve(ff1.size());
    for (const auto& l : ff1) {
        angajati.insert(cheieAngajat(l));
    }
    std::stable_sort(linii.begin(), linii.end(), [](const LinieDependent& a, const LinieDependent& b) {
        return platform::itemTextLess(a.linie, b.linie);
    });
    std::vector<std::string> rez;
    const LinieDependent* ultima = nullptr;
    for (const auto& l : linii) {
        if (ultima && l.angajat == ultima->angajat && l.persoana == ultima->persoana) {
            continue;
        }
        ultima = &l;
        if (angajati.contains(cheieAngajat(l.linie))) {
            rez.push_back(l.linie);
        }
    }
    return rez;
}

// The lines of a previous-year copy converted, each one counted as read.
template <class Converteste>
std::vector<std::string> convertesteFisier(const std::string& nume, std::int64_t& citite,
                                           Converteste converteste) {
    std::vector<std::string> rez;
    files::LineReader cititor(nume);
    std::string linie;
    while (cititor.next(linie)) {
        ++citite;
        if (auto noua = converteste(linie)) {
            rez.push_back(std::move(*noua));
        }
    }
    return rez;
}

const std::string MesajFaraDate =
    "   Preluare abandonata. Fisierele text sunt goale sau nu \r\n"
    "contin date pentru anul 2001.\r\n"
    "   Pentru a prelua datele din anul 2001, iesiti din aplicatie \r\n"
    "si copiati fisierele text Repfisc,Ff1,Ff2 si Deduceri in\r\n"
    "directorul aplicatiei. Dupa preluare, fisierele Repfisc,Ff1,Ff2\r\n"
    "si Deduceri preiau structura anului 2002.";

} // namespace

std::optional<std::string> PreiaRepfisc2001(std::string_view linie) {
    static const auto structura = structuraDinSablon(SablonRepfisc2001);
    const auto c = campuri2001(linie, SablonRepfisc2001, structura, structura.size());
    if (!c) {
        return std::nullopt;
    }
    const auto& f = *c;
    const RecordRepfisc r{
        .CodAngajator = f[0],
        .TipAngajator = f[0].size() == 13 ? "2" : "1",
        .Denumire = f[3],
        .Nume = f[4],
        .Prenume = f[5],
        .Localitate = f[6],
        .Judet = f[7],
        .Strada = f[8],
        .Numar = f[9],
        .CodPostal = f[10],
        .Bloc = f[11],
        .Scara = f[12],
        .Etaj = f[13],
        .Apartament = f[14],
        .Sector = f[15],
        .Telefon = {},
        .EMail = {},
    };
    return linieRepfisc(r);
}

std::optional<std::string> PreiaFf12001(std::string_view linie) {
    static const auto structura = structuraDinSablon(SablonFf12001);
    const auto c = campuri2001(linie, SablonFf12001, structura, 17);
    if (!c) {
        return std::nullopt;
    }
    const std::string_view plecare = fataBlancuri((*c)[16]);
    if (!dataGoala(plecare) && !plecare.starts_with("31/12")) {
        return std::nullopt;
    }
    // No mark, no date, the total and own coefficients 1, no amount.
    static const std::string rest = ",##,##,##,##,##,##,##,,," + repeta("1,", 24) + repeta(",", 39);
    return std::string(identitate(linie, *c, structura)) + rest;
}

std::optional<std::string> PreiaFf22001(std::string_view linie) {
    static const auto structura = structuraDinSablon(SablonFf22001);
    const auto c = campuri2001(linie, SablonFf22001, structura, 13);
    if (!c) {
        return std::nullopt;
    }
    // No mark, no amount.
    static const std::string rest = ",##,##,##,##,##,##,##,##,##," + repeta(",", 25);
    return std::string(identitate(linie, *c, structura)) + rest;
}

std::optional<std::string> PreiaDeduceri2001(std::string_view linie, int anFiscal) {
    static const auto structura = structuraDinSablon(SablonDeduceri2001);
    const auto c = campuri2001(linie, SablonDeduceri2001, structura, 9);
    if (!c) {
        return std::nullopt;
    }
    const auto& f = *c;
    bool sotie = marca(f[4]);
    bool copil = marca(f[5]);
    bool alta = marca(f[6]);
    const bool inv1 = marca(f[7]);
    const bool inv2 = marca(f[8]);
    if (copil) {
        const int varsta = anFiscal - anNastere(f[1]);
        sotie = false;
        copil = varsta <= 18;
        alta = varsta >= 18;
    }
    RecordDeduceri r;
    r.CodAngajat = f[0];
    r.CodPersoana = f[1];
    r.Nume = f[2];
    r.Prenume = f[3];
    r.Marci = {textMarca(sotie), textMarca(copil), textMarca(alta), textMarca(inv1), textMarca(inv2), ""};
    r.Coef.fill(inv2 ? "1" : inv1 ? "1.5" : "0.5");
    return linieDeduceri(r);
}

RezultatPreluare PreiaAnulPrecedent() {
    RezultatPreluare rez;
    const std::string precedent = anPrecedentText();
    const std::string rep = copieAnuala(SetRepfisc(), precedent);
    const std::string ff1 = copieAnuala(SetFf1(), precedent);
    const std::string ff2 = copieAnuala(SetFf2(), precedent);
    const std::string ded = copieAnuala(SetDeduceri(), precedent);

    if (files::isEmpty(rep)) {
        for (const auto& set : seturiFisiere()) {
            try {
                if (!files::exists(set.lucru)) {
                    files::createEmpty(set.lucru);
                }
            } catch (const platform::FileError& e) {
                platform::showMessage(mesajEroareScriere(e.number(), set.lucru), "", Icon::Exclamation);
            }
        }
        platform::showMessage(MesajFaraDate, "", Icon::Exclamation);
        return rez;
    }
    if (!platform::askYesNo("Se preiau datele anului " + precedent +
                                " pentru a fi actualizate cu informatii din statele de plata aferente anului " +
                                anFiscalText() + " (venituri, impozite, fise noi). Continuati ? ",
                            "", Icon::None)) {
        return rez;
    }

    // Everything is read and converted before any working file changes.
    std::vector<std::string> angajator, fise1, fise2, dependenti;
    const std::string* citit = &rep;
    try {
        if (auto l = PreiaRepfisc2001(files::readFirstLine(rep).value_or(""))) {
            angajator.push_back(std::move(*l));
        }
        citit = &ff2;
        fise2 = sorteazaUnicPeCod(convertesteFisier(ff2, rez.ff2Citite, PreiaFf22001));
        citit = &ff1;
        fise1 = sorteazaUnicPeCod(convertesteFisier(ff1, rez.ff1Citite, PreiaFf12001));
        citit = &ded;
        std::vector<LinieDependent> linii;
        std::int64_t citite = 0;
        for (auto& l : convertesteFisier(ded, citite, [](std::string_view linie) {
                 return PreiaDeduceri2001(linie, AnFiscal);
             })) {
            const auto chei = taieCampuri(l, structuraDeduceri(), 2).campuri;
            const double angajat = ValoareText(chei[0]);
            const double persoana = ValoareText(chei[1]);
            linii.push_back({std::move(l), angajat, persoana});
        }
        dependenti = dependentiPastrati(std::move(linii), fise1);
    } catch (const platform::FileError& e) {
        platform::showMessage(mesajEroareCitire(e.number(), *citit), "", Icon::Exclamation);
        return {};
    }
    rez.ff1Scrise = static_cast<std::int64_t>(fise1.size());
    rez.ff2Scrise = static_cast<std::int64_t>(fise2.size());

    // In the order of seturiFisiere(): employer, Fisa 1, Fisa 2, dependants.
    const std::vector<std::string>* noi[] = {&angajator, &fise1, &fise2, &dependenti};
    // The yearly copies of the year get the same in the same commit.
    RescriereGrup grup;
    for (std::size_t i = 0; i < seturiFisiere().size(); ++i) {
        const SetFisiere& set = seturiFisiere()[i];
        grup.scrie(grup.adauga(set.lucru, copieAnuala(set)), *noi[i]);
    }
    if (const Rezultat scris = grup.finalizeaza(); !scris) {
        platform::showMessage(scris.eroare, "", Icon::Exclamation);
        return {};
    }
    rez.efectuata = true;
    platform::showMessage("Preluarea fiselor din " + precedent + " a fost efectuata: " +
                              std::to_string(rez.ff1Scrise) + " fise '1' (din " +
                              std::to_string(rez.ff1Citite) + ") si " + std::to_string(rez.ff2Scrise) +
                              " fise '2' (din " + std::to_string(rez.ff2Citite) + ").",
                          " ", Icon::None);
    return rez;
}

} // namespace olm
