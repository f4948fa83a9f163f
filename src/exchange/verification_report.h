#pragma once

// The error report of the verification of outside files, "erori.txt": the
// lines the checks write, in the order they meet the faults, between the
// fixed headings of its six sections; and what the clerk is told when none of
// the checks found a fault.

#include <string>
#include <vector>

namespace olm {

// The report while the checks run. Every check appends to it; a line told as
// an error marks the report as holding errors (the warnings and the headings
// do not).
class RaportVerificare {
public:
    void scrie(std::string linie);
    void eroare(std::string linie);

    bool existaErori() const { return existaErori_; }
    const std::vector<std::string>& linii() const { return linii_; }

private:
    std::vector<std::string> linii_;
    bool existaErori_ = false;
};

// The heading of section 1 to 6, each but the first after a rule of 100 "-";
// section 3 carries the box of the cases left out of the regularisation.
void ScrieAntetSectiune(RaportVerificare& raport, int sectiune);

// Instead of the correlation, when a Fisa 1 had wrong dates.
void ScrieNotaAbandon(RaportVerificare& raport);

// The rule of 100 "-" and the closing line.
void ScrieSfarsitRaport(RaportVerificare& raport);

// The text of the closing message when no error was found, from which of the
// four working files (employer, Fisa 1, Fisa 2, dependants) are empty.
std::string MesajFaraErori(bool repGol, bool ff1Gol, bool ff2Gol, bool dedGol);

// "erori_" + the employer's code as a whole number + ".txt": the leading
// digits of the code without its leading zeros, "0" when it has none.
std::string NumeCopieRaport(const std::string& codAngajator);

} // namespace olm
