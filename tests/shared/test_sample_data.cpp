// The sample data generator: every line has the exact shape of its record, the
// codes are valid and distinct, the amounts agree with each other, and the same
// seed gives the same bytes.

#include "support/sample_data.h"

#include "support/file_bytes.h"

#include "shared/check_digits.h"
#include "shared/counties.h"
#include "shared/record_shape.h"
#include "shared/state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <sstream>
#include <utility>

namespace olm::testing {
namespace {

// The fields of a generated line. Its text fields hold no ",", which the first
// test makes sure of, so a plain split is exact.
std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, ',')) {
        if (field.size() >= 2 && field.front() == '#' && field.back() == '#') {
            field = field.substr(1, field.size() - 2);
        }
        out.push_back(field);
    }
    if (!line.empty() && line.back() == ',') {
        out.emplace_back();
    }
    return out;
}

long long amount(const std::string& text) { return text.empty() ? 0 : std::stoll(text); }

// A coefficient in halves: "1.5" is 3; only whole and half values are expected.
int halves(const std::string& text) {
    if (text.empty()) {
        return 0;
    }
    const auto dot = text.find('.');
    int h = std::stoi(text.substr(0, dot)) * 2;
    if (dot != std::string::npos) {
        EXPECT_EQ(text.substr(dot), ".5") << text;
        ++h;
    }
    return h;
}

void expectShape(const std::vector<std::string>& lines, std::string_view sablon) {
    const auto count = std::count(sablon.begin(), sablon.end(), ',') + 1;
    for (const auto& line : lines) {
        ASSERT_TRUE(VerificaStructura(line, sablon)) << line;
        // No comma inside a text field (the readers split on them), no "?" (it
        // ends the shape test), no line end.
        ASSERT_EQ(std::count(line.begin(), line.end(), ','), count - 1) << line;
        ASSERT_EQ(line.find_first_of("?\r\n"), std::string::npos) << line;
    }
}

TEST(SampleData, EveryLineHasTheShapeOfItsRecord) {
    for (int kind : {1, 2}) {
        const SampleSet s = generateSample(600, {.seed = 11, .employerKind = kind});
        expectShape({s.repfisc}, SablonRepfisc);
        expectShape(s.ff1, SablonFf1);
        expectShape(s.ff2, SablonFf2);
        expectShape(s.deduceri, SablonDeduceri);

        const auto employer = fields(s.repfisc);
        EXPECT_EQ(employer[1], std::to_string(kind));
        EXPECT_EQ(employer[2].empty(), kind == 2) << s.repfisc; // the firm name
        EXPECT_EQ(employer[3].empty(), kind == 1) << s.repfisc; // surname, first name
        EXPECT_EQ(employer[4].empty(), kind == 1) << s.repfisc;
    }
}

TEST(SampleData, CodesAreValidAndDistinct) {
    const SampleSet s = generateSample(3000, {.seed = 5, .employerKind = 2});
    std::set<std::string> employees;
    for (const auto& e : s.employees) {
        EXPECT_TRUE(VerificaCNP(e.code)) << e.code;
        EXPECT_TRUE(employees.insert(e.code).second) << "twice: " << e.code;
    }
    std::set<std::string> dependants;
    for (const auto& line : s.deduceri) {
        const std::string code = fields(line)[1];
        EXPECT_TRUE(VerificaCNP(code)) << code;
        EXPECT_EQ(employees.count(code), 0U) << code;
        EXPECT_TRUE(dependants.insert(code).second) << "twice: " << code;
    }
    const std::string employer = fields(s.repfisc)[0];
    EXPECT_TRUE(VerificaCNP(employer));
    EXPECT_EQ(employees.count(employer) + dependants.count(employer), 0U);

    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        std::string code = fields(sampleEmployerLine(1, seed))[0];
        EXPECT_LE(code.size(), 10U) << code;
        EXPECT_TRUE(VerificaCF(code)) << code;
    }
}

TEST(SampleData, TheSameSeedGivesTheSameBytes) {
    const SampleSet a = generateSample(700, {.seed = 3});
    const SampleSet b = generateSample(700, {.seed = 3});
    EXPECT_EQ(a.repfisc, b.repfisc);
    EXPECT_EQ(a.ff1, b.ff1);
    EXPECT_EQ(a.ff2, b.ff2);
    EXPECT_EQ(a.deduceri, b.deduceri);

    const SampleSet c = generateSample(700, {.seed = 4});
    EXPECT_NE(a.ff1, c.ff1);
    EXPECT_NE(a.repfisc, c.repfisc);
    // The employer does not depend on how many employees follow him.
    EXPECT_EQ(generateSample(3, {.seed = 3}).repfisc, a.repfisc);
    EXPECT_EQ(sampleEmployerLine(1, 3), a.repfisc);
}

// Months 0 to 11 of the employment, from the dates of a Fisa 1.
std::pair<int, int> employment(const std::string& hired, const std::string& left) {
    return {hired.empty() ? 0 : std::stoi(hired.substr(3, 2)) - 1,
            left.empty() ? 11 : std::stoi(left.substr(3, 2)) - 1};
}

TEST(SampleData, AmountsAndCoefficientsAgree) {
    const SampleSet s = generateSample(1500, {.seed = 21});

    // Dependants: one employee's lines together, their coefficients by month.
    std::map<std::string, std::array<int, 12>> extra;
    std::map<std::string, int> lines;
    std::string previous;
    for (const auto& line : s.deduceri) {
        const auto f = fields(line);
        ASSERT_TRUE(f[0] == previous || lines.count(f[0]) == 0) << "lines apart: " << f[0];
        previous = f[0];
        ++lines[f[0]];
        const int qualities = (f[4] == "X") + (f[5] == "X") + (f[6] == "X");
        EXPECT_EQ(qualities, 1) << line;
        EXPECT_EQ(f[9], "") << line; // the other-situation mark
        auto& sum = extra[f[0]];
        bool any = false;
        for (int m = 0; m < 12; ++m) {
            const int h = halves(f[10 + m]);
            // 0.5, or 1.5 and 1 for invalidity grades I and II.
            EXPECT_TRUE(h == 0 || h == (f[7] == "X" ? 3 : f[8] == "X" ? 2 : 1)) << line;
            sum[m] += h;
            any = any || h != 0;
        }
        EXPECT_TRUE(any) << "no coefficient: " << line;
    }

    std::map<std::string, const SampleEmployee*> byCode;
    for (const auto& e : s.employees) {
        byCode[e.code] = &e;
    }
    for (const auto& line : s.ff1) {
        const auto f = fields(line);
        const SampleEmployee& e = *byCode.at(f[0]);
        EXPECT_TRUE(e.fisa1);
        EXPECT_EQ(f[14] == "X", e.regularised) << line;
        EXPECT_EQ(f[19], "") << line;
        EXPECT_EQ(f[20], e.hired);
        EXPECT_EQ(f[21], e.left);
        EXPECT_EQ(lines.count(f[0]) ? lines[f[0]] : 0, e.dependants) << line;
        EXPECT_LE(e.dependants, 4);

        const auto [first, last] = employment(f[20], f[21]);
        EXPECT_LE(first, last) << line;
        const auto& deps = extra[f[0]];
        long long income = 0;
        long long tax = 0;
        for (int m = 0; m < 12; ++m) {
            const int own = halves(f[34 + m]);
            EXPECT_EQ(halves(f[22 + m]), own + deps[m]) << "month " << m + 1 << ": " << line;
            const bool inside = m >= first && m <= last;
            if (!inside) {
                EXPECT_EQ(f[22 + m] + f[46 + 2 * m] + f[47 + 2 * m], "") << "month " << m + 1 << ": " << line;
            } else if (f[15] != "X") { // a domicile here: the own deduction applies
                EXPECT_EQ(own, f[17] == "X" ? 4 : f[18] == "X" ? 3 : 2) << line;
            }
            income += amount(f[46 + 2 * m]);
            tax += amount(f[47 + 2 * m]);
        }
        income += amount(f[70]);
        tax += amount(f[71]);
        EXPECT_EQ(amount(f[72]), income) << line;
        EXPECT_EQ(amount(f[73]), tax) << line;
        // A regularised sheet carries its annual tax and the difference.
        if (e.regularised) {
            EXPECT_EQ(amount(f[77]), std::max(0LL, income + amount(f[75]) - amount(f[76]))) << line;
            EXPECT_EQ(amount(f[79]), std::max(0LL, amount(f[77]) - amount(f[78]))) << line;
            EXPECT_EQ(amount(f[80]) - amount(f[81]) + amount(f[82]), tax) << line;
        } else {
            EXPECT_EQ(f[76] + f[77] + f[78] + f[79] + f[80] + f[81] + f[82], "") << line;
        }
    }

    for (const auto& line : s.ff2) {
        const auto f = fields(line);
        EXPECT_TRUE(byCode.at(f[0])->fisa2);
        int types = 0;
        for (int k = 14; k < 22; ++k) {
            types += f[k] == "X";
        }
        EXPECT_GE(types, 1) << line;
        long long income = 0;
        long long tax = 0;
        for (int m = 0; m < 12; ++m) {
            income += amount(f[22 + 2 * m]);
            tax += amount(f[23 + 2 * m]);
        }
        EXPECT_EQ(amount(f[46]), income) << line;
        EXPECT_EQ(amount(f[47]), tax) << line;
    }
    const auto sheets = std::count_if(s.employees.begin(), s.employees.end(), [](auto& e) { return e.fisa1; }) +
                        std::count_if(s.employees.begin(), s.employees.end(), [](auto& e) { return e.fisa2; });
    EXPECT_EQ(s.ff1.size() + s.ff2.size(), static_cast<std::size_t>(sheets));
}

TEST(SampleData, HoldsTheVarietyOfARealFirm) {
    IncarcaJudete();
    const std::set<std::string> counties(Judete.begin() + 1, Judete.end());
    const SampleSet s = generateSample(1000, {.seed = 8});

    int regularised = 0, notRegularised = 0, both = 0, onlyFisa2 = 0, hired = 0, left = 0;
    std::set<int> dependantCounts;
    for (const auto& e : s.employees) {
        regularised += e.regularised;
        notRegularised += e.fisa1 && !e.regularised;
        both += e.fisa1 && e.fisa2;
        onlyFisa2 += !e.fisa1;
        hired += !e.hired.empty();
        left += !e.left.empty();
        dependantCounts.insert(e.dependants);
        EXPECT_EQ(e.surname.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ-"), std::string::npos);
        EXPECT_EQ(e.firstName.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ -"), std::string::npos);
        for (const auto& date : {e.hired, e.left}) {
            if (!date.empty()) {
                ASSERT_EQ(date.size(), 10U);
                EXPECT_EQ(date.substr(2, 1) + date.substr(5), "//2002") << date;
            }
        }
    }
    EXPECT_GT(regularised, 0);
    EXPECT_GT(notRegularised, 0);
    EXPECT_GT(both, 0);
    EXPECT_GT(onlyFisa2, 0);
    EXPECT_GT(hired, 0);
    EXPECT_GT(left, 0);
    EXPECT_EQ(dependantCounts, (std::set<int>{0, 1, 2, 3, 4}));

    int capital = 0;
    for (const auto& line : s.ff1) {
        const auto f = fields(line);
        EXPECT_EQ(counties.count(f[4]), 1U) << line;
        if (f[3] == "BUCURESTI") {
            ++capital;
            EXPECT_TRUE(f[12] >= "1" && f[12] <= "6") << line; // the sector
        } else {
            EXPECT_EQ(f[12], "") << line;
        }
    }
    EXPECT_GT(capital, 0);
}

TEST(SampleData, WritesTheFourFilesWithCrLf) {
    const SampleSet s = generateSample(50, {.seed = 2});
    writeSample(s);
    EXPECT_EQ(readBytes("Repfisc.txt"), s.repfisc + "\r\n");
    EXPECT_EQ(readBytes("FF1.txt"), crlf(s.ff1));
    EXPECT_EQ(readBytes("FF2.txt"), crlf(s.ff2));
    EXPECT_EQ(readBytes("Deduceri.txt"), crlf(s.deduceri));

    const SampleFileNames yearly = yearlyFileNames(2002);
    EXPECT_EQ(yearly.repfisc, "Rep_2002.txt");
    EXPECT_EQ(yearly.ff1, "FF1_2002.txt");
    EXPECT_EQ(yearly.ff2, "FF2_2002.txt");
    EXPECT_EQ(yearly.deduceri, "Ded_2002.txt");
    const SampleSet other = generateSample(20, {.seed = 9});
    writeSample(other, yearly);
    EXPECT_EQ(readBytes("Rep_2002.txt"), other.repfisc + "\r\n");
    EXPECT_EQ(readBytes("FF1_2002.txt"), crlf(other.ff1));
    EXPECT_EQ(readBytes("FF2_2002.txt"), crlf(other.ff2));
    EXPECT_EQ(readBytes("Ded_2002.txt"), crlf(other.deduceri));
    EXPECT_EQ(readBytes("FF1.txt"), crlf(s.ff1)); // the working files stay
}

} // namespace
} // namespace olm::testing
