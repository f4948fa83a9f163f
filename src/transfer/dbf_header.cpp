#include "transfer/dbf_header.h"

#include "shared/record_line.h"

#include <optional>

namespace olm::transfer {

namespace {

// The head before the descriptors and one descriptor. Writers differ in the
// version byte, the date and what they keep after the terminator (FoxPro
// 263 bytes), so none of that is looked at.
constexpr std::size_t Cap = 32;
constexpr std::size_t Descriptor = 32;
constexpr std::size_t LungimeNume = 11;
constexpr unsigned SfarsitDescriptori = 0x0D;
constexpr unsigned SfarsitTabel = 0x1A;
// The top bit of the record count, which shapelib drops.
constexpr std::uint64_t BitSus = 0x80000000u;

unsigned octet(std::string_view b, std::size_t i) { return static_cast<unsigned char>(b[i]); }

// A number stored low byte first.
std::uint64_t numar(std::string_view b, std::size_t de, std::size_t cate) {
    std::uint64_t n = 0;
    for (std::size_t i = cate; i-- > 0;) {
        n = n << 8 | octet(b, de + i);
    }
    return n;
}

// A letter, or the "0" of FoxPro's hidden column of NULL marks.
bool tipColoana(unsigned c) { return ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') || c == '0'; }

// A descriptor's name holds bytes from 0x20 up (code page letters among
// them) until a NUL or its 11 bytes end; a control byte makes it no name.
bool esteNume(std::string_view descriptor) {
    for (std::size_t i = 0; i < LungimeNume && descriptor[i] != '\0'; ++i) {
        if (octet(descriptor, i) < 0x20) {
            return false;
        }
    }
    return true;
}

bool marcaInregistrare(unsigned c) { return c == ' ' || c == '*'; }

// The header's numbers, once its descriptors have the shape of a table.
struct Antet {
    std::uint64_t lungime;      // of the header, where the records begin
    std::uint64_t inregistrare; // of one record
    std::uint64_t numarate;     // records counted
};

// Where the counted records and the file disagree, in the order a reader
// meets it; "" when they agree.
std::string inregistrariDeteriorate(std::string_view octeti, const Antet& a, const std::string& fisier,
                                    const std::string& deteriorat) {
    const std::uint64_t incap = (octeti.size() - a.lungime) / a.inregistrare;
    for (std::uint64_t r = 0; r < a.numarate && r < incap; ++r) {
        if (!marcaInregistrare(octet(octeti, a.lungime + r * a.inregistrare))) {
            return deteriorat + "inregistrarea " + std::to_string(r + 1) +
                   " nu incepe cu marca \" \" sau \"*\" a unei inregistrari.";
        }
    }
    if (a.numarate > incap) {
        return InregistrareTrunchiata(fisier, incap + 1);
    }
    const std::uint64_t sfarsit = a.lungime + a.numarate * a.inregistrare;
    if (sfarsit < octeti.size() && octet(octeti, sfarsit) != SfarsitTabel) {
        if (octeti.size() - sfarsit < a.inregistrare) {
            return "Fisierul " + fisier +
                   ": dupa inregistrarile numarate urmeaza mai putin decat o inregistrare, nu marca de sfarsit a "
                   "tabelului (octeti in plus: " +
                   std::to_string(octeti.size() - sfarsit) + ").";
        }
        return deteriorat + "numara " + std::to_string(a.numarate) + " inregistrari, dar fisierul are mai multe.";
    }
    return "";
}

} // namespace

std::string NuEsteTabelDbf(const std::string& fisier) {
    return "Fisierul " + fisier + " nu este un tabel DBF sau este deteriorat.";
}

std::string InregistrareTrunchiata(const std::string& fisier, std::uint64_t inregistrarea) {
    return "Fisierul " + fisier + ": inregistrarea " + std::to_string(inregistrarea) +
           " nu poate fi citita (fisier trunchiat).";
}

std::string_view NumeColoanaDbf(std::string_view nume) { return fataBlancuri(nume.substr(0, nume.find('\0'))); }

std::string VerificaAntetDbf(std::string_view octeti, const std::string& fisier) {
    const std::string neTabel = NuEsteTabelDbf(fisier);
    if (octeti.size() < Cap) {
        return neTabel;
    }
    const std::uint64_t lungimeAntet = numar(octeti, 8, 2);
    if (lungimeAntet <= Cap || lungimeAntet > octeti.size()) {
        return neTabel;
    }
    // Every descriptor has the shape before any width is judged: a text file
    // is no table, however its bytes happen to add up.
    std::optional<std::string> latimeZero; // the first column of width 0
    std::uint64_t inregistrare = 1; // the mark of a deleted record, then the columns
    for (std::size_t d = Cap; octet(octeti, d) != SfarsitDescriptori; d += Descriptor) {
        // A descriptor leaves room for the terminator before the records.
        if (d + Descriptor >= lungimeAntet) {
            return neTabel;
        }
        const std::string_view descriptor = octeti.substr(d, Descriptor);
        if (!esteNume(descriptor) || !tipColoana(octet(descriptor, 11))) {
            return neTabel;
        }
        // The width as shapelib takes it, so that the sum is that of its
        // column offsets.
        const unsigned latime = octet(descriptor, 16);
        if (latime == 0 && !latimeZero) {
            latimeZero = NumeColoanaDbf(descriptor.substr(0, LungimeNume));
        }
        inregistrare += latime;
    }
    const std::string deteriorat = "Fisierul " + fisier + " are antetul deteriorat: ";
    if (latimeZero) {
        return deteriorat + "coloana " + *latimeZero + " are latimea 0.";
    }
    const Antet antet{lungimeAntet, numar(octeti, 10, 2), numar(octeti, 4, 4)};
    if (inregistrare != antet.inregistrare) {
        return deteriorat + "latimile coloanelor dau o inregistrare de " + std::to_string(inregistrare) +
               " octeti, nu de " + std::to_string(antet.inregistrare) + ".";
    }
    if ((antet.numarate & BitSus) != 0) {
        return deteriorat + "numarul de inregistrari " + std::to_string(antet.numarate) +
               " are bitul cel mai semnificativ pus.";
    }
    return inregistrariDeteriorate(octeti, antet, fisier, deteriorat);
}

} // namespace olm::transfer
