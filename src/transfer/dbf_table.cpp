#include "transfer/dbf_table.h"

#include "platform/files.h"
#include "platform/termination.h"
#include "shared/number_text.h"
#include "shared/record_line.h"
#include "shared/result.h"
#include "transfer/dbf_header.h"

#include <shapefil.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace olm::transfer {

namespace {

// shapelib adds ".dbf" or ".DBF" to the name it is given; every name goes
// through the program's resolver instead, so "ff1_2002.Dbf" is found too.
SAFile deschide(const char* nume, const char* mod) {
    return reinterpret_cast<SAFile>(std::fopen(platform::files::resolve(nume).c_str(), mod));
}

// Its own messages go nowhere: ours name the file and the column.
void faraMesaj(const char*) {}

SAHooks legaturi() {
    SAHooks h;
    SASetupDefaultHooks(&h);
    h.FOpen = deschide;
    h.Error = faraMesaj;
    return h;
}

struct InchideDbf {
    void operator()(DBFInfo* h) const { DBFClose(h); }
};
using Tabel = std::unique_ptr<DBFInfo, InchideDbf>;

bool cifre(const std::string& s, std::size_t de, std::size_t cate) {
    for (std::size_t i = de; i < de + cate; ++i) {
        if (i >= s.size() || !std::isdigit(static_cast<unsigned char>(s[i]))) {
            return false;
        }
    }
    return true;
}

// A number as a DBF numeric field holds it: sign, digits with at most one
// ".", an exponent written with E.
bool esteNumar(const std::string& s) { return EsteNumar(s) && s.find_first_of("dD") == std::string::npos; }

// The digits of a number's mantissa from its first non-zero digit to its
// last: more than 15 are more than a double keeps.
int cifreSemnificative(const std::string& s) {
    int numarate = 0;
    int zerouri = 0; // zeros after the first non-zero digit, counted once another follows
    for (char c : s) {
        if (c == 'e' || c == 'E') {
            break;
        }
        if (c == '0') {
            zerouri += numarate > 0 ? 1 : 0;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            numarate += zerouri + 1;
            zerouri = 0;
        }
    }
    return numarate;
}

std::string faraSeparatori(const std::string& s) {
    std::string r;
    r.reserve(s.size());
    for (char c : s) {
        if (c != '#' && c != '\r' && c != '\n') {
            r += c;
        }
    }
    return r;
}

std::string numeTip(char tip) {
    if (std::isprint(static_cast<unsigned char>(tip))) {
        return std::string(1, tip);
    }
    return "cod " + std::to_string(static_cast<unsigned char>(tip));
}

bool acelasiNume(std::string_view a, const std::string& b) { return majuscule(a) == b; }

// A column of the table as shapelib reads it, and where its bytes stand in
// a record.
struct ColoanaDbf {
    std::string nume;
    char tip;
    std::size_t deLa;
    std::size_t latime;
};

std::vector<ColoanaDbf> coloaneDbf(DBFHandle dbf) {
    std::vector<ColoanaDbf> v;
    std::size_t deLa = 1; // after the mark of a deleted record
    for (int i = 0; i < DBFGetFieldCount(dbf); ++i) {
        char nume[XBASE_FLDNAME_LEN_READ + 1] = {};
        int latime = 0;
        DBFGetFieldInfo(dbf, i, nume, &latime, nullptr);
        v.push_back({std::string(NumeColoanaDbf(nume)), DBFGetNativeFieldType(dbf, i), deLa,
                     static_cast<std::size_t>(latime)});
        deLa += static_cast<std::size_t>(latime);
    }
    return v;
}

// shapelib ends a value at its first NUL. NULs that end it pad it as blanks
// do; anything else after a NUL is a value cut short.
bool taiataDeNul(std::string_view octeti) {
    const std::size_t nul = octeti.find('\0');
    return nul != std::string_view::npos && octeti.find_first_not_of(std::string_view(" \0", 2), nul) != std::string_view::npos;
}

// The number text without an exponent: "1e-05" gives "0.00001", "1e+15"
// "1000000000000000". Its digits stay those of the number text, which puts
// one of them before the point.
std::string faraExponent(const std::string& text) {
    const std::size_t e = text.find('e');
    if (e == std::string::npos) {
        return text;
    }
    const std::size_t semn = text[0] == '-' ? 1 : 0;
    std::string cifre = text.substr(semn, e - semn);
    if (cifre.size() > 1) {
        cifre.erase(1, 1); // the point
    }
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);
    const std::size_t intregi = static_cast<std::size_t>(std::max(exponent + 1, 0)); // digits before the point
    if (exponent < 0) {
        cifre = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + cifre;
    } else if (cifre.size() <= intregi) {
        cifre.append(intregi - cifre.size(), '0');
    } else {
        cifre.insert(intregi, ".");
    }
    return text.substr(0, semn) + cifre;
}

} // namespace

ValoareCamp ValoareDinDbf(FelColoana fel, char tip, const std::string& brut, bool nul) {
    if (tip == 'N' || tip == 'F') {
        // Stars are what shapelib and others write for a NULL number, and
        // what dBase writes for a value too wide for its column: the two
        // cannot be told apart.
        if (!brut.empty() && brut[0] == '*') {
            if (fel == FelColoana::Numar) {
                return {"", "valoare nula sau prea mare pentru latimea coloanei (\"" + brut + "\")"};
            }
            return {};
        }
        if (nul || brut.empty()) {
            return {};
        }
        if (!esteNumar(brut)) {
            return {"", "valoare nenumerica \"" + faraSeparatori(brut) + "\""};
        }
        // Taken only when the number text gives it back whole: never
        // rounded to 15 digits, never read as 0.
        const int cifre = cifreSemnificative(brut);
        if (cifre > 15) {
            return {"", "valoare cu mai mult de 15 cifre semnificative \"" + brut + "\""};
        }
        const double valoare = ValoareText(brut);
        if (valoare == 0 && cifre > 0) {
            return {"", "valoare in afara domeniului numeric \"" + brut + "\""};
        }
        return {faraExponent(TextNumar(valoare)), ""};
    }
    if (tip == 'D') {
        if (nul || brut.empty() || brut == "00000000") {
            return {};
        }
        if (brut.size() != 8 || !cifre(brut, 0, 8)) {
            return {"", "data gresita \"" + faraSeparatori(brut) + "\""};
        }
        return {brut.substr(6, 2) + "/" + brut.substr(4, 2) + "/" + brut.substr(0, 4), ""};
    }
    if (nul) {
        return {};
    }
    if (fel != FelColoana::Text && brut.find_first_of(",#") != std::string::npos) {
        // Written without "#" marks, the value would split its field in two
        // and shift every field after it.
        std::string aratat = brut;
        faraRupturiDeRand(aratat);
        return {"", "valoare cu virgula sau \"#\" (\"" + aratat + "\"), care ar desparti campurile inregistrarii"};
    }
    return {faraSeparatori(brut), ""};
}

std::vector<std::string> CitesteTabelDbf(const TabelDbf& t, const std::string& fisier,
                                         platform::LineSink& iesire) {
    std::vector<std::string> erori;
    const std::string numeFisier = "Fisierul " + fisier;
    if (std::string altceva = platform::files::notAFileMessage(fisier); !altceva.empty()) {
        erori.push_back(std::move(altceva));
        return erori;
    }
    if (!platform::files::exists(fisier)) {
        erori.push_back(numeFisier + " lipseste.");
        return erori;
    }
    try {
        const platform::files::MappedFile octeti(fisier);
        if (std::string antet = VerificaAntetDbf(octeti.bytes(), fisier); !antet.empty()) {
            erori.push_back(std::move(antet));
            return erori;
        }
    } catch (const platform::FileError& e) {
        erori.push_back(mesajEroareCitire(e.number(), fisier));
        return erori;
    }
    SAHooks h = legaturi();
    Tabel tabel(DBFOpenLL(fisier.c_str(), "rb", &h));
    if (!tabel) {
        erori.push_back(NuEsteTabelDbf(fisier));
        return erori;
    }
    DBFHandle dbf = tabel.get();

    // The column of each field, -1 for a field without one.
    const std::vector<ColoanaDbf> coloane = coloaneDbf(dbf);
    std::vector<int> index(t.coloane.size(), -1);
    for (std::size_t c = 0; c < t.coloane.size(); ++c) {
        const Coloana& col = t.coloane[c];
        if (col.nume.empty()) {
            continue;
        }
        for (std::size_t i = 0; i < coloane.size() && index[c] < 0; ++i) {
            if (acelasiNume(coloane[i].nume, col.nume)) {
                index[c] = static_cast<int>(i);
            }
        }
        if (index[c] < 0) {
            erori.push_back(numeFisier + ": lipseste coloana " + col.nume + ".");
        } else if (const char tip = coloane[static_cast<std::size_t>(index[c])].tip; !TipAcceptat(col.fel, tip)) {
            erori.push_back(numeFisier + ": coloana " + col.nume + " are tipul " + numeTip(tip) + "; se accepta " +
                            std::string(TipuriAcceptate(col.fel)) + ".");
        }
    }
    if (!erori.empty()) {
        return erori;
    }

    std::vector<std::string> campuri(t.coloane.size());
    const int nrInregistrari = DBFGetRecordCount(dbf);
    for (int r = 0; r < nrInregistrari; ++r) {
        if (platform::terminationRequested()) {
            throw TransferOprit{};
        }
        // The header check saw every record whole; a record that cannot be
        // read now was cut since.
        const char* octeti = DBFReadTuple(dbf, r);
        if (octeti == nullptr) {
            erori.push_back(InregistrareTrunchiata(fisier, static_cast<std::uint64_t>(r) + 1));
            break;
        }
        if (DBFIsRecordDeleted(dbf, r)) {
            continue;
        }
        const std::string inregistrarea = numeFisier + ", inregistrarea " + std::to_string(r + 1);
        bool bun = true;
        for (std::size_t c = 0; c < t.coloane.size(); ++c) {
            campuri[c].clear();
            if (index[c] < 0) {
                continue;
            }
            const ColoanaDbf& col = coloane[static_cast<std::size_t>(index[c])];
            ValoareCamp v;
            if (taiataDeNul(std::string_view(octeti + col.deLa, col.latime))) {
                v.eroare = "valoare taiata de un octet NUL";
            } else {
                const char* brut = DBFReadStringAttribute(dbf, r, index[c]);
                if (brut == nullptr) {
                    erori.push_back(InregistrareTrunchiata(fisier, static_cast<std::uint64_t>(r) + 1));
                    return erori;
                }
                const bool nul = DBFIsAttributeNULL(dbf, r, index[c]) != 0;
                v = ValoareDinDbf(t.coloane[c].fel, col.tip, brut, nul);
            }
            if (!v.eroare.empty()) {
                erori.push_back(inregistrarea + ", coloana " + t.coloane[c].nume + ": " + v.eroare + ".");
                bun = false;
            }
            campuri[c] = std::move(v.text);
        }
        if (bun && erori.empty()) {
            iesire.writeLine(unesteCampuri(campuri, t.structura));
        }
    }
    return erori;
}

void ScrieSablonDbf(const TabelDbf& t, const std::string& fisier) {
    Tabel tabel(DBFCreate(fisier.c_str()));
    if (!tabel) {
        throw std::runtime_error("cannot create " + fisier);
    }
    for (const Coloana& col : t.coloane) {
        if (col.nume.empty()) {
            continue;
        }
        const char tip = TipSablon(col.fel);
        if (DBFAddNativeFieldType(tabel.get(), col.nume.c_str(), tip, col.latime, col.zecimale) < 0) {
            throw std::runtime_error("cannot add the column " + col.nume + " to " + fisier);
        }
    }
}

} // namespace olm::transfer
