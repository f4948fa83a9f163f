#pragma once

// Realistic sample data for the tests and the benchmarks: an employer, and for
// any number of employees their Fisa 1, Fisa 2 and dependants' record lines, as
// the program itself would have written them.
//
// The generation is deterministic: the same count and options give the same
// lines, byte for byte, on every machine (our own random source, not the
// library's distributions, which differ between implementations). Every line has the exact shape of its record: text fields
// never hold "#", "?", "," or a line end, numbers are written with "." and
// without grouping, a zero amount of a Fisa 1 or a dependant is an empty field.
//
// The amounts are plausible: the taxes come from the grids and deduction
// amounts of the parameter files the program ships for 2002 (a base deduction
// of 1,600,000 lei a month, which section VI also counts for each month). They
// agree with each other as the program's checks expect: totals are the sums of
// their rows, a total coefficient is the own coefficient plus the dependants',
// nothing is earned outside the months of the employment, coefficients and
// invalidity marks go together. Some whole-year sheets are left without their
// regularisation, as clerks leave them.
//
// No test framework here: the benchmarks link this too.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace olm::testing {

struct SampleOptions {
    std::uint64_t seed = 1;
    int employerKind = 1; // 1 a firm with a fiscal code, 2 a natural person
    int year = 2002;      // the fiscal year of the dates and of the dependants' ages
};

// What the lines of one employee hold, to pick employees in tests without
// parsing the lines again.
struct SampleEmployee {
    std::string code;
    std::string surname;
    std::string firstName;
    bool fisa1 = false;
    bool fisa2 = false;
    bool regularised = false; // the Fisa 1 carries the mark "X" and section VI
    int dependants = 0;       // lines in Deduceri
    std::string hired;        // dd/mm/yyyy or empty (the whole year)
    std::string left;         // dd/mm/yyyy or empty
};

struct SampleSet {
    std::string repfisc;               // the employer's one line
    std::vector<std::string> ff1;      // one line per employee with a Fisa 1
    std::vector<std::string> ff2;      // one line per employee with a Fisa 2
    std::vector<std::string> deduceri; // the dependants, one employee's lines together
    std::vector<SampleEmployee> employees; // every employee, in the order of his lines
};

// The employer's line of "Repfisc.txt": kind 1 with a valid fiscal code and a
// firm name, kind 2 with a valid personal numeric code, surname and first name.
std::string sampleEmployerLine(int kind, std::uint64_t seed = 1);

// The employer and `employees` employees. Every employee has a Fisa 1 or a
// Fisa 2 or both (most a Fisa 1); some Fisa 1 carry dependants (1 to 4). The
// codes of all employees and dependants are valid and distinct.
SampleSet generateSample(std::size_t employees, const SampleOptions& options = {});

// The names the four files are written under.
struct SampleFileNames {
    std::string repfisc = "Repfisc.txt";
    std::string ff1 = "FF1.txt";
    std::string ff2 = "FF2.txt";
    std::string deduceri = "Deduceri.txt";
};

// The yearly copies: "Rep_2002.txt", "FF1_2002.txt", "FF2_2002.txt", "Ded_2002.txt".
SampleFileNames yearlyFileNames(int year);

// Writes the four files in the current directory (lines end in CR LF), under
// the working names or under the names given.
void writeSample(const SampleSet& set);
void writeSample(const SampleSet& set, const SampleFileNames& names);

} // namespace olm::testing
