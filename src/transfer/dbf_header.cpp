#include "transfer/dbf_header.h"

#include <cstdint>
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

unsigned octet(std::string_view b, std::size_t i) { return static_cast<unsigned char>(b[i]); }

// A number stored low byte first.
std::uint64_t numar(std::string_view b, std::size_t de, std::size_t cate) {
    std::uint64_t n = 0;
    for (std::size_t i = cate; i-- > 0;) {
        n = n << 8 | octet(b, de + i);
    }
    return n;
}

bool printabil(unsigned c) { return c >= 0x20 && c < 0x7F; }

// A letter, or the "0" of FoxPro's hidden column of NULL marks.
bool tipColoana(unsigned c) { return ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') || c == '0'; }

// The length of a descriptor's name, printable bytes ended by a NUL;
// LungimeNume when it is no name.
std::size_t lungimeNume(std::string_view descriptor) {
    for (std::size_t i = 0; i < LungimeNume; ++i) {
        if (descriptor[i] == '\0') {
            return i;
        }
        if (!printabil(octet(descriptor, i))) {
            break;
        }
    }
    return LungimeNume;
}

} // namespace

std::string NuEsteTabelDbf(const std::string& fisier) {
    return "Fisierul " + fisier + " nu este un tabel DBF sau este deteriorat.";
}

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
        const std::size_t nume = lungimeNume(descriptor);
        if (nume == LungimeNume || !tipColoana(octet(descriptor, 11))) {
            return neTabel;
        }
        // The width as shapelib takes it, so that the sum is that of its
        // column offsets.
        const unsigned latime = octet(descriptor, 16);
        if (latime == 0 && !latimeZero) {
            latimeZero = descriptor.substr(0, nume);
        }
        inregistrare += latime;
    }
    const std::string deteriorat = "Fisierul " + fisier + " are antetul deteriorat: ";
    if (latimeZero) {
        return deteriorat + "coloana " + *latimeZero + " are latimea 0.";
    }
    const std::uint64_t lungimeInregistrare = numar(octeti, 10, 2);
    if (inregistrare != lungimeInregistrare) {
        return deteriorat + "latimile coloanelor dau o inregistrare de " + std::to_string(inregistrare) +
               " octeti, nu de " + std::to_string(lungimeInregistrare) + ".";
    }
    const std::uint64_t numarate = numar(octeti, 4, 4);
    const std::uint64_t sfarsit = lungimeAntet + numarate * lungimeInregistrare;
    if (sfarsit < octeti.size() && octet(octeti, sfarsit) != SfarsitTabel) {
        return deteriorat + "numara " + std::to_string(numarate) + " inregistrari, dar fisierul are mai multe.";
    }
    return "";
}

} // namespace olm::transfer
