#include "main_window/yearly_swap.h"

#include "platform/file_transaction.h"
#include "shared/file_messages.h"
#include "shared/record_shape.h"
#include "shared/reserve_folder.h"
#include "shared/state.h"

#include <filesystem>

namespace olm {

namespace files = platform::files;
using files::EntryKind;

namespace {

constexpr const char* PrefixMarcaj = "lucru=";

std::string anText(int an) { return std::to_string(an); }

// Whatever the error, a step of the swap is a failure of the whole swap.
template <typename F>
void pas(F fa) {
    try {
        fa();
    } catch (const platform::FileError&) {
        throw;
    } catch (const std::exception& e) {
        throw platform::FileError(platform::DeviceIoError, "", e.what());
    }
}

// A name the swap cannot use as a data file (a directory, a device).
void cereFisier(const std::string& nume) {
    if (const EntryKind k = files::entryKind(nume); k != EntryKind::Missing && k != EntryKind::File) {
        throw platform::FileError(platform::PathFileAccessError, nume, "not a file: " + nume);
    }
}

// The working files hold last year's data (0) or already this year's (1), as
// told by the employer line of the working employer file. Used when the
// marker is missing, as on the first start in a directory of an earlier
// version of the program.
int flagStructura() {
    try {
        if (files::length("Repfisc.txt") != 0) {
            auto linie = files::readFirstLine("Repfisc.txt");
            if (!VerificaStructura(linie.value_or(""), SablonRepfisc2001)) {
                return 1;
            }
        }
    } catch (const platform::FileError&) {
        return 1;
    }
    return 0;
}

// An employer line of the earlier layout of this year carries the kind between
// "#" marks; it is rewritten in the current layout. Only the first line is
// kept, as the employer file holds one line.
void convertesteAngajatorVechi(const std::string& copie) {
    try {
        if (files::length(copie) == 0) {
            return;
        }
        auto linie = files::readFirstLine(copie).value_or("");
        if (!VerificaStructura(linie, SablonRepfiscVechi)) {
            return;
        }
        const auto inceputTip = linie.find(",#");
        const auto sfarsitTip = linie.find("#,#", inceputTip + 2);
        if (inceputTip == std::string::npos || sfarsitTip == std::string::npos) {
            return;
        }
        const std::string cod = linie.substr(0, inceputTip);
        const std::string tip = linie.substr(inceputTip + 2, sfarsitTip - inceputTip - 2);
        const std::string rest = linie.substr(sfarsitTip + 1);
        files::writeLines(copie, {cod + "," + tip + rest});
    } catch (const platform::FileError&) {
        // The copy stays in its layout; the swap reports what it cannot read.
    }
}

void adauga(std::string& lista, const std::string& element, const char* separator = ", ") {
    if (element.empty()) {
        return;
    }
    if (!lista.empty()) {
        lista += separator;
    }
    lista += element;
}

std::string faraPunct(std::string nume) {
    if (nume.rfind("./", 0) == 0) {
        nume.erase(0, 2);
    }
    return nume;
}

// One swap being prepared: the files it replaces, what the clerk will be
// told, and the subdirectory that keeps what would otherwise be lost.
class Schimb {
public:
    files::Transaction t;

    // Every name of a set the swap reads, compares or writes: none may be a
    // link or another name of one of them, or the swap would write a year's
    // data through one name into another.
    void folosesteSetul(const SetFisiere& set, std::initializer_list<int> ani) {
        t.uses(set.lucru);
        for (int an : ani) {
            t.uses(copieAnuala(set, anText(an)));
        }
    }

    void constata(const std::string& fraza) { adauga(constatari_, fraza, " "); }

    // Copies a file into the keeping subdirectory before the swap overwrites it.
    void pastreaza(const std::string& fisier) { rezerva_.pastreaza(fisier); }

    // A directory in the marker's place holds no year and no marker can be
    // written over it: it goes into the keeping subdirectory, before any
    // file does. A link goes with the marker's rename.
    void mutaDirectorulDinLoculMarcajului() {
        std::error_code ec;
        if (std::filesystem::is_directory(std::filesystem::symlink_status(files::resolve(MarcajAn), ec))) {
            rezerva_.muta(MarcajAn, "Directorul ascuns aflat in locul fisierului in care programul isi noteaza "
                                    "anul datelor de lucru");
        }
    }

    // Fills a working file from a yearly copy, or empties it when there is
    // none.
    void umple(const std::string& lucru, const std::string& copie) {
        cereFisier(copie);
        if (files::exists(copie)) {
            if (!files::sameBytes(copie, lucru) || !files::exists(lucru)) {
                t.copy(copie, lucru);
            }
        } else if (!files::exists(lucru) || !files::isEmpty(lucru)) {
            t.createEmpty(lucru);
        }
    }

    std::string mesaj() const {
        std::string m = constatari_;
        adauga(m, rezerva_.mesaj(), " ");
        return m;
    }

private:
    std::string constatari_;
    Rezerva rezerva_{t};
};

// The normal start: the working files hold last year's data and become last
// year's copies; this year's copies take their place.
void pornesteAnul(Schimb& s, const SetFisiere& set, int an) {
    const std::string precedent = copieAnuala(set, anText(an - 1));
    cereFisier(set.lucru);
    cereFisier(precedent);
    if (!files::sameBytes(set.lucru, precedent)) {
        if (files::isEmpty(set.lucru)) {
            s.constata("Fisierul " + set.lucru + " lipsea sau era gol: copia " + precedent +
                       " a ramas neschimbata.");
        } else if (const std::string defect = DefectFisierLucru(set.lucru, precedent); !defect.empty()) {
            // Damaged from outside: last year's copy stays, for the take-over
            // too, and the damaged file is kept aside.
            s.constata(ConstatareDefect(set.lucru, defect, precedent) + ".");
            s.pastreaza(set.lucru);
            if (!files::exists(precedent)) {
                s.t.createEmpty(precedent);
            }
        } else {
            if (!files::isEmpty(precedent)) {
                s.constata(files::holdsNulByte(precedent)
                               ? "Copia " + precedent + " era deteriorata (contine caractere nule): fisierul " +
                                     set.lucru + " i-a luat locul."
                               : "Copia " + precedent + " era alta decat fisierul " + set.lucru +
                                     ", care i-a luat locul.");
                s.pastreaza(precedent);
            }
            s.t.copy(set.lucru, precedent);
        }
    } else if (!files::exists(precedent)) {
        s.t.createEmpty(precedent);
    }
    s.umple(set.lucru, copieAnuala(set, anText(an)));
}

// The working files of an earlier version's run that did not end normally:
// this year's copies refill them; a working file without its copy keeps its
// data and gives them their copy. Last year's copies are made when missing.
void reiaAnulFaraMarcaj(Schimb& s, const SetFisiere& set, int an) {
    const std::string anual = copieAnuala(set, anText(an));
    const std::string precedent = copieAnuala(set, anText(an - 1));
    cereFisier(set.lucru);
    cereFisier(precedent);
    cereFisier(anual);
    if (!files::exists(precedent)) {
        s.t.createEmpty(precedent);
    }
    if (files::exists(anual)) {
        if (!files::sameBytes(set.lucru, anual) && !files::isEmpty(set.lucru)) {
            const std::string defect = DefectFisierLucru(set.lucru, anual);
            s.constata(defect.empty()
                           ? "Fisierul " + set.lucru + " era altul decat copia " + anual + ", care i-a luat locul."
                           : "Fisierul " + set.lucru + " " + defect + ": copia " + anual + " i-a luat locul.");
            s.pastreaza(set.lucru);
        }
        s.umple(set.lucru, anual);
    } else if (files::exists(set.lucru)) {
        s.t.copy(set.lucru, anual);
    } else {
        s.t.createEmpty(set.lucru);
    }
}

// The working files hold another year's data: they are kept where their
// year's copies do not already hold them, and this year's copies refill them.
// No yearly copy is touched.
void pornesteDinAltAn(Schimb& s, const SetFisiere& set, int an, int anLucru) {
    cereFisier(set.lucru);
    if (!files::isEmpty(set.lucru) && !files::sameBytes(set.lucru, copieAnuala(set, anText(anLucru)))) {
        s.pastreaza(set.lucru);
    }
    s.umple(set.lucru, copieAnuala(set, anText(an)));
}

// The file a failure of the swap is told of. The file layer tells the
// failure of a file the clerk never sees of the first file of the commit; a
// swap whose only file was the marker is told of `inLocMarcaj`, a file whose
// year the marker records.
std::string fisierEsec(const platform::FileError& e, const std::string& inLocMarcaj) {
    const std::string fisier = faraPunct(e.file());
    return files::isOwnFile(std::filesystem::path(fisier).filename().string()) ? inLocMarcaj : fisier;
}

// "Eroare 61 la fisierul FF1.txt.", or the names that stand for one file.
std::string mesajEsec(const platform::FileError& e, const std::string& fisier) {
    if (const auto* legate = dynamic_cast<const platform::LinkedNamesError*>(&e)) {
        return mesajNumeLegate(*legate);
    }
    return "Eroare " + std::to_string(e.number()) + " la fisierul " + (fisier.empty() ? std::string(e.what()) : fisier) +
           ".";
}

} // namespace

std::optional<int> AnulDinMarcaj() {
    if (!files::exists(MarcajAn)) {
        return std::nullopt; // and what is no file is not opened: a pipe would never answer
    }
    try {
        const std::string linie = files::readFirstLine(MarcajAn).value_or("");
        const std::string prefix = PrefixMarcaj;
        if (linie.rfind(prefix, 0) != 0 || linie.size() == prefix.size() || linie.size() > prefix.size() + 6) {
            return std::nullopt;
        }
        int an = 0;
        for (std::size_t i = prefix.size(); i < linie.size(); ++i) {
            if (linie[i] < '0' || linie[i] > '9') {
                return std::nullopt;
            }
            an = an * 10 + (linie[i] - '0');
        }
        return an;
    } catch (const platform::FileError&) {
        return std::nullopt;
    }
}

RezultatSchimb SchimbaFisiereLaPornire() {
    const int an = AnFiscal;
    convertesteAngajatorVechi(copieAnuala(SetRepfisc(), anText(an)));
    const std::optional<int> marcaj = AnulDinMarcaj();
    const int anLucru = marcaj ? *marcaj : (flagStructura() == 0 ? an - 1 : an);

    Schimb s;
    try {
        pas([&] {
            if (anLucru != an && anLucru != an - 1) {
                s.constata("Fisierele de lucru contin datele anului " + anText(anLucru) +
                           ", iar anul fiscal din Cuantum.txt este " + anText(an) + ".");
            }
            for (const auto& set : seturiFisiere()) {
                s.folosesteSetul(set, {an, an - 1, anLucru});
            }
            s.mutaDirectorulDinLoculMarcajului();
            for (const auto& set : seturiFisiere()) {
                if (anLucru == an - 1) {
                    pornesteAnul(s, set, an);
                } else if (anLucru != an) {
                    pornesteDinAltAn(s, set, an, anLucru);
                } else if (!marcaj) {
                    reiaAnulFaraMarcaj(s, set, an);
                } else {
                    // A run that did not end normally: the working files hold
                    // this year's latest data.
                    cereFisier(set.lucru);
                    if (!files::exists(set.lucru)) {
                        s.t.createEmpty(set.lucru);
                    }
                }
            }
            if (anLucru != an && anLucru != an - 1) {
                s.constata("Copiile anilor " + anText(anLucru) + " si " + anText(an - 1) +
                           " au ramas neschimbate; programul lucreaza cu copiile anului " + anText(an) +
                           ".");
            }
            if (marcaj != an) {
                s.t.writeLines(MarcajAn, {PrefixMarcaj + anText(an)});
            }
            s.t.commit();
        });
    } catch (const platform::FileError& e) {
        return {false,
                "Fisierele anului " + anText(an) + " nu au putut fi aduse in lucru: " +
                    mesajEsec(e, fisierEsec(e, seturiFisiere().front().lucru)) + " Nici un fisier nu a fost schimbat.",
                {}};
    }
    AnDateLucru = an;
    return {true, s.mesaj(), {}};
}

RezultatSchimb SchimbaFisiereLaIesire() {
    for (const char* sortat : {"ff1_sort1.txt", "ff2_sort1.txt"}) {
        try {
            files::remove(sortat);
        } catch (const platform::FileError&) {
            // A scratch sort file that stays does no harm.
        }
    }

    const int an = AnDateLucru != 0 ? AnDateLucru : AnFiscal;
    const std::string primaCopie = copieAnuala(seturiFisiereLaSalvare().front(), anText(an));
    RezultatSchimb r;
    Schimb s;
    std::string tinta;
    try {
        pas([&] {
            for (const auto& set : seturiFisiereLaSalvare()) {
                s.folosesteSetul(set, {an, an - 1});
            }
            for (const auto& set : seturiFisiereLaSalvare()) {
                const std::string anual = copieAnuala(set, anText(an));
                tinta = anual;
                cereFisier(set.lucru);
                cereFisier(anual);
                if (!files::exists(set.lucru)) {
                    // A missing working file holds no data: it never empties a copy.
                    if (!files::exists(anual)) {
                        s.t.createEmpty(anual);
                    }
                } else if (!files::sameBytes(set.lucru, anual) || !files::exists(anual)) {
                    // A working file damaged from outside keeps its place
                    // to the copy, and is kept aside itself.
                    if (const std::string defect = DefectFisierLucru(set.lucru, anual); !defect.empty()) {
                        s.constata(ConstatareDefect(set.lucru, defect, anual) + ".");
                        if (!files::isEmpty(set.lucru)) {
                            s.pastreaza(set.lucru);
                        }
                    } else {
                        s.t.copy(set.lucru, anual);
                    }
                }
                tinta = set.lucru;
                s.umple(set.lucru, copieAnuala(set, anText(an - 1)));
            }
            tinta = primaCopie;
            s.t.writeLines(MarcajAn, {PrefixMarcaj + anText(an - 1)});
            tinta.clear();
            s.t.commit();
        });
        r.mesaj = s.mesaj();
    } catch (const platform::FileError& e) {
        r.reusit = false;
        const std::string fisier = fisierEsec(e, primaCopie);
        r.nesalvate.push_back(fisier.empty() ? tinta : fisier);
        r.mesaj = "Nu s-au putut scrie copiile anuale: " + mesajEsec(e, fisier) + " Datele anului " + anText(an) +
                  " au ramas in fisierele de lucru si sunt reluate la pornirea urmatoare.";
    }

    for (const char* sortat : {"ff1_sort.txt", "ff2_sort.txt", "Dedu_sort.txt", "rep_sort.txt"}) {
        try {
            files::remove(sortat);
        } catch (const platform::FileError&) {
            // As above.
        }
    }
    return r;
}

} // namespace olm
