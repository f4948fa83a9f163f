#include "exchange/verification_fisa1_sheets.h"

#include "platform/busy.h"
#include "exchange/verification_fisa1_record.h"
#include "exchange/verification_fisa1_values.h"
#include "main_window/employee_dates.h"
#include "shared/number_text.h"
#include "shared/record_line.h"
#include "shared/state.h"

#include <algorithm>
#include <optional>

namespace olm {

namespace {

// A sort item: the code, the two dates and the record.
struct Element {
    std::string_view cod, d1, d2, record;
};

std::string_view pana(std::string_view text, std::size_t& p) {
    const std::size_t inceput = std::min(p, text.size());
    // A plain walk: the parts are a few bytes long.
    const auto virgula = std::find(text.begin() + static_cast<std::ptrdiff_t>(inceput), text.end(), ',');
    const std::size_t q =
        virgula == text.end() ? std::string_view::npos : static_cast<std::size_t>(virgula - text.begin());
    p = q == std::string_view::npos ? text.size() : q + 1;
    return text.substr(inceput, (q == std::string_view::npos ? text.size() : q) - inceput);
}

Element desparte(std::string_view element) {
    std::size_t p = 0;
    Element e;
    e.cod = pana(element, p);
    e.d1 = fataBlancuri(pana(element, p));
    e.d2 = fataBlancuri(pana(element, p));
    e.record = element.substr(std::min(p, element.size()));
    return e;
}

// A sheet whose dates passed: its period and its record.
struct FisaLuata {
    Data inceput, sfarsit;
    std::string dataIncetarii; // as the record will hold it, "31/12/" and the year for none
    std::string_view record;
};

// The date checks of one sheet, each fault one line; nothing when it has one.
std::optional<FisaLuata> dateVerificate(const Element& e, RaportVerificare& raport) {
    const std::string an = anFiscalText();
    const std::string cod(e.cod);
    bool gresit = false;
    const auto verifica = [&](std::string_view data, const char* nume) {
        if (data.empty()) {
            return;
        }
        const std::string text(data);
        if (!CitesteData(text)) {
            raport.eroare(cod + " data " + nume + " " + text + " eronata.");
            gresit = true;
        }
        if (ValoareText(data.substr(data.size() - std::min<std::size_t>(4, data.size()))) != AnFiscal) {
            raport.eroare(cod + " an fiscal eronat in data " + nume + " " + text + " (an fiscal corect=" + an + ").");
            gresit = true;
        }
    };
    verifica(e.d1, "angajarii");
    verifica(e.d2, "lichidarii");
    const std::string d1 = e.d1.empty() ? "01/01/" + an : std::string(e.d1);
    const std::string d2 = e.d2.empty() ? "31/12/" + an : std::string(e.d2);
    const std::optional<Data> inceput = CitesteData(d1);
    const std::optional<Data> sfarsit = CitesteData(d2);
    if (inceput && sfarsit && *inceput > *sfarsit) {
        raport.eroare(cod + " data lichidarii (" + d2 + ") anterioara datei angajarii (" + d1 + ").");
        gresit = true;
    }
    if (gresit) {
        return std::nullopt;
    }
    return FisaLuata{*inceput, *sfarsit, d2, e.record};
}

} // namespace

Fise1Verificate VerificaFise1(const std::vector<std::string>& elemente, RaportVerificare& raport) {
    const std::vector<std::string_view> vederi(elemente.begin(), elemente.end());
    platform::LinesOut linii;
    Fise1Verificate rez = VerificaFise1(vederi, raport, linii);
    rez.linii = std::move(linii.lines);
    return rez;
}

Fise1Verificate VerificaFise1(const std::vector<std::string_view>& elemente, RaportVerificare& raport,
                              platform::LineSink& ff1) {
    Fise1Verificate rez;
    rez.coeficienti.reserve(elemente.size());
    const Data inainteDeAn{31, 12, AnFiscal - 1};
    // Kept from one employee to the next, so that their storage is reused.
    std::vector<FisaLuata> fise;
    FisaCumulata cumulata;
    std::string linie;
    std::size_t i = 0;
    while (i < elemente.size()) {
        platform::keepPainted();
        const std::string_view cod = desparte(elemente[i]).cod;
        // The sheets of one employee: the date faults in the order of the
        // file, then the sheets in the order of their hiring dates.
        fise.clear();
        for (; i < elemente.size(); ++i) {
            // The items are sorted views into a block in the order of the
            // file: an item a few places ahead is asked for early, instead of
            // waiting for each in turn.
            constexpr std::size_t Inainte = 4;
            if (i + Inainte < elemente.size()) {
                __builtin_prefetch(elemente[i + Inainte].data());
            }
            const Element e = desparte(elemente[i]);
            if (e.cod != cod) {
                break;
            }
            if (std::optional<FisaLuata> f = dateVerificate(e, raport)) {
                fise.push_back(std::move(*f));
            } else {
                rez.eroareData = true;
            }
        }
        std::stable_sort(fise.begin(), fise.end(),
                         [](const FisaLuata& a, const FisaLuata& b) { return a.inceput < b.inceput; });

        bool incepute = false;
        CoeficientiAngajat angajat;
        Data ultimaIncetare = inainteDeAn;
        for (const FisaLuata& f : fise) {
            if (f.inceput <= ultimaIncetare) {
                raport.eroare(std::string(cod) +
                              " are mai multe fise cu intervale suprapuse (se pastraza o singura inregistrare)");
                continue;
            }
            const ValoriFf1 v = CitesteValoriFf1(f.record);
            VerificaInregistrareFf1(v, raport);
            const int m1 = f.inceput.luna - 1;
            const int m2 = f.sfarsit.luna - 1;
            if (!incepute) {
                IncepeFisaCumulata(cumulata, v, m1, m2);
                angajat = {std::string(v.cod), std::string(v.nume), std::string(v.prenume)};
                incepute = true;
            } else {
                AdaugaFisa(cumulata, v, m1, m2, ultimaIncetare.luna - 1, f.dataIncetarii);
            }
            ultimaIncetare = f.sfarsit;
        }
        if (incepute) {
            LimiteazaLuniCheltuieli(cumulata);
            LinieFisaCumulata(cumulata, linie);
            ff1.writeLine(linie);
            angajat.total = cumulata.coefTotal;
            angajat.propriu = cumulata.coefPropriu;
            rez.coeficienti.push_back(std::move(angajat));
        }
    }
    return rez;
}

} // namespace olm
