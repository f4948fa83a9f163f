#include "support/sample_data.h"

#include "platform/files.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <unordered_set>
#include <utility>

namespace olm::testing {
namespace {

// --- Random source -----------------------------------------------------------

// splitmix64: tiny, fast, and the same sequence on every platform (the
// distributions of <random> are not).
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // lo to hi, both included.
    long long between(long long lo, long long hi) {
        return lo + static_cast<long long>(next() % static_cast<std::uint64_t>(hi - lo + 1));
    }
    int below(int n) { return static_cast<int>(between(0, n - 1)); }
    bool percent(int p) { return below(100) < p; }
    template <typename T, std::size_t N>
    const T& pick(const T (&items)[N]) {
        return items[below(static_cast<int>(N))];
    }

private:
    std::uint64_t state_;
};

// --- Word lists (upper case, no diacritics, none holds "#", "?" or ",") ------

constexpr std::string_view kSurnames[] = {
    "POPESCU",  "IONESCU",   "POPA",      "RADU",     "DUMITRU",   "STAN",      "STOICA",
    "GHEORGHE", "MATEI",     "CONSTANTIN", "RUSU",    "MIHAI",     "MARIN",     "SERBAN",
    "TOMA",     "DINU",      "LAZAR",     "BARBU",    "NISTOR",    "FLOREA",    "ENACHE",
    "MOLDOVAN", "OPREA",     "DOBRE",     "VASILE",   "NEAGU",     "ANGHEL",    "TUDOR",
    "CRISTEA",  "DRAGOMIR",  "BALAN",     "MUNTEANU", "ILIE",      "PAVEL",     "ZAHARIA",
    "DIACONU",  "NEACSU",    "COJOCARU",  "MOCANU",   "URSU",      "SIMA",      "BUCUR",
    "PETRESCU", "GEORGESCU", "NICOLAE",   "MANOLE",   "VOICU",     "PREDA",     "CIOBANU",
    "BOGDAN",   "ANDREI",    "CONSTANTINESCU", "ROMAN", "IORDACHE", "SANDU",    "TANASE",
};

constexpr std::string_view kMaleNames[] = {
    "ION",     "GHEORGHE", "VASILE",  "CONSTANTIN", "ALEXANDRU", "MIHAI",  "ANDREI",
    "ADRIAN",  "DAN",      "NICOLAE", "FLORIN",     "MARIUS",    "IOAN",   "STEFAN",
    "COSTEL",  "DUMITRU",  "CRISTIAN", "BOGDAN",    "VLAD",      "RADU",   "SORIN",
    "LIVIU",   "OVIDIU",   "PETRU",   "CATALIN",    "EMIL",      "GABRIEL", "VIOREL",
};

constexpr std::string_view kFemaleNames[] = {
    "MARIA",     "ELENA",   "IOANA",   "ANA",     "MIHAELA",  "ANDREEA",    "CRISTINA",
    "GABRIELA",  "DANIELA", "RODICA",  "GEORGETA", "MARIANA", "LUMINITA",   "ADRIANA",
    "CARMEN",    "ALINA",   "MONICA",  "SIMONA",  "VIORICA",  "DOINA",      "FLORENTINA",
    "CORINA",    "OANA",    "IULIANA", "LAURA",   "ELISABETA", "VALENTINA", "RALUCA",
};

struct County {
    std::string_view name; // as in the program's county table
    std::string_view seat; // its main town, the locality of most addresses
};

constexpr County kCounties[] = {
    {"ALBA", "ALBA IULIA"},
    {"ARAD", "ARAD"},
    {"ARGES", "PITESTI"},
    {"BACAU", "BACAU"},
    {"BIHOR", "ORADEA"},
    {"BISTRITA-NASAUD", "BISTRITA"},
    {"BOTOSANI", "BOTOSANI"},
    {"BRASOV", "BRASOV"},
    {"BRAILA", "BRAILA"},
    {"BUCURESTI", "BUCURESTI"},
    {"BUZAU", "BUZAU"},
    {"CARAS SEVERIN", "RESITA"},
    {"CALARASI", "CALARASI"},
    {"CLUJ", "CLUJ-NAPOCA"},
    {"CONSTANTA", "CONSTANTA"},
    {"COVASNA", "SFANTU GHEORGHE"},
    {"DAMBOVITA", "TARGOVISTE"},
    {"DOLJ", "CRAIOVA"},
    {"GALATI", "GALATI"},
    {"GIURGIU", "GIURGIU"},
    {"GORJ", "TARGU JIU"},
    {"HARGHITA", "MIERCUREA CIUC"},
    {"HUNEDOARA", "DEVA"},
    {"IALOMITA", "SLOBOZIA"},
    {"IASI", "IASI"},
    {"ILFOV", "BUFTEA"},
    {"MARAMURES", "BAIA MARE"},
    {"MEHEDINTI", "DROBETA-TURNU SEVERIN"},
    {"MURES", "TARGU MURES"},
    {"NEAMT", "PIATRA NEAMT"},
    {"OLT", "SLATINA"},
    {"PRAHOVA", "PLOIESTI"},
    {"SATU MARE", "SATU MARE"},
    {"SALAJ", "ZALAU"},
    {"SIBIU", "SIBIU"},
    {"SUCEAVA", "SUCEAVA"},
    {"TELEORMAN", "ALEXANDRIA"},
    {"TIMIS", "TIMISOARA"},
    {"TULCEA", "TULCEA"},
    {"VASLUI", "VASLUI"},
    {"VALCEA", "RAMNICU VALCEA"},
    {"VRANCEA", "FOCSANI"},
};
constexpr int kBucuresti = 9; // index in kCounties

constexpr std::string_view kStreets[] = {
    "STR. MIHAI VITEAZUL", "BD. UNIRII",        "CALEA VICTORIEI",      "STR. LIBERTATII",
    "STR. PACII",          "ALEEA TEILOR",      "STR. FLORILOR",        "STR. AVRAM IANCU",
    "BD. REPUBLICII",      "STR. MORII",        "STR. GARII",           "STR. CRINULUI",
    "STR. PRIMAVERII",     "STR. STEFAN CEL MARE", "BD. INDEPENDENTEI", "STR. MIHAI EMINESCU",
    "STR. ION CREANGA",    "SOS. NATIONALA",    "STR. TEILOR",          "STR. 1 DECEMBRIE 1918",
    "STR. OITUZ",          "STR. VICTORIEI",    "STR. CAROL I",         "STR. NICOLAE BALCESCU",
};

constexpr std::string_view kFirmWords[] = {
    "ALFA",      "CARPATI",  "DUNAREA",  "MECANICA", "AGROMEC",  "TRANSILVANIA", "CONSTRUCT",
    "ELECTRO",   "TEXTILA",  "PANIFICATIA", "OLTENIA", "MOLDOVA", "NAVROM",      "METAL",
    "COMTURIST", "HIDRO",    "FORESTA",  "SANTIER",  "UNIREA",   "PROGRES",      "ROMSTAR",
};
constexpr std::string_view kFirmKinds[] = {"PROD", "COM", "IMPEX", "SERV", "TRADING", "INVEST", "GRUP"};
constexpr std::string_view kFirmForms[] = {"SRL", "SRL", "SRL", "SA"};

// --- Tax parameters ----------------------------------------------------------------

// The grids and deduction amounts of the program's own parameter files for
// 2002, so the taxes of the sample are the ones the program proposes.
struct Bracket {
    long long lower;
    long long fixed;
    int percent;
};
constexpr Bracket kMonthlyGrid[] = {
    {0, 0, 18},
    {1'800'001, 324'000, 23},
    {4'600'001, 968'000, 28},
    {7'300'001, 1'724'000, 34},
    {10'200'001, 2'710'000, 40},
};
constexpr Bracket kAnnualGrid[] = {
    {0, 0, 18},
    {21'600'001, 3'888'000, 23},
    {55'200'001, 11'616'000, 28},
    {87'600'001, 20'688'000, 34},
    {122'400'001, 32'520'000, 40},
};
constexpr long long kBaseDeduction = 1'600'000; // a month
constexpr int kCapHalves = 10;                  // a month's coefficient counts up to 5
constexpr int kProfessionalPercent = 15;        // of the base deduction, a month
constexpr int kFinalTaxPercent = 15;            // income under final taxation

// numerator / denominator to the nearest whole number, halves to even
// (numerator not negative).
long long roundHalfEven(long long numerator, long long denominator) {
    long long q = numerator / denominator;
    const long long r = numerator % denominator;
    if (2 * r > denominator || (2 * r == denominator && q % 2 != 0)) {
        ++q;
    }
    return q;
}

// The tax of an amount by a grid, worked out as the program does (in the same
// floating-point steps, so even the rare halves round alike): the amount
// truncated to whole thousands, the fixed tax plus the percent of what exceeds
// the row's lower limit.
template <std::size_t N>
long long taxOf(long long amount, const Bracket (&grid)[N]) {
    if (amount < 0) {
        amount = 0;
    }
    const Bracket* row = &grid[0];
    for (const auto& b : grid) {
        if (amount >= b.lower) {
            row = &b;
        }
    }
    const double base = static_cast<double>(amount / 1000 * 1000);
    const double percent = static_cast<double>(row->percent) / 100;
    return static_cast<long long>(std::nearbyint(
        static_cast<double>(row->fixed) + (base - static_cast<double>(row->lower) + 1) * percent));
}
long long monthlyTax(long long amount) { return taxOf(amount, kMonthlyGrid); }
long long annualTax(long long amount) { return taxOf(amount, kAnnualGrid); }

// --- Codes ------------------------------------------------------------------------

constexpr std::string_view kCnpKey = "279146358279";
constexpr std::string_view kCfKey = "753217532";

char cnpCheckDigit(std::string_view first12) {
    int sum = 0;
    for (std::size_t i = 0; i < 12; ++i) {
        sum += (first12[i] - '0') * (kCnpKey[i] - '0');
    }
    const int r = sum % 11;
    return r == 10 ? '1' : static_cast<char>('0' + r);
}

// A fiscal code of 6 to 9 digits, without the padding zeros.
std::string fiscalCode(Random& random) {
    const int length = static_cast<int>(random.between(6, 9));
    std::string body(1, static_cast<char>('1' + random.below(9)));
    while (static_cast<int>(body.size()) < length - 1) {
        body += static_cast<char>('0' + random.below(10));
    }
    const std::string padded = std::string(9 - body.size(), '0') + body;
    int sum = 0;
    for (std::size_t i = 0; i < 9; ++i) {
        sum += (padded[i] - '0') * (kCfKey[i] - '0');
    }
    const int r = sum * 10 % 11;
    return body + static_cast<char>('0' + (r == 10 ? 0 : r));
}

int daysIn(int month) {
    switch (month) {
    case 2:
        return 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

std::string twoDigits(long long n) {
    return std::string{static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
}

// Hands out personal numeric codes, none twice.
class CodeBook {
public:
    // A code of a person of this sex (0 male, 1 female) born in this year and
    // month; the day, the county and the serial number are drawn.
    std::string personalCode(Random& random, int sex, int year, int month) {
        for (;;) {
            std::string code;
            code += static_cast<char>('0' + (year >= 2000 ? 5 : 1) + sex);
            code += twoDigits(year % 100);
            code += twoDigits(month);
            code += twoDigits(random.between(1, daysIn(month)));
            const int county = random.below(48); // 01 to 46, then 51 and 52
            code += twoDigits(county < 46 ? county + 1 : county + 5);
            const long long serial = random.between(1, 999);
            code += twoDigits(serial / 10);
            code += static_cast<char>('0' + serial % 10);
            if (used_.insert(code).second) {
                code += cnpCheckDigit(code);
                return code;
            }
        }
    }

    // Keeps a code given elsewhere (the employer's) from being handed out.
    void reserve(const std::string& code) { used_.insert(code.substr(0, 12)); }

private:
    std::unordered_set<std::string> used_; // the first 12 digits
};

// --- Record lines -------------------------------------------------------------

// Builds a record line: the key bare, then numeric fields bare and text fields
// between "#" marks, each after a ",".
class Line {
public:
    explicit Line(std::string_view key) {
        s_.reserve(512);
        s_ += key;
    }
    Line& num(std::string_view v) {
        s_ += ',';
        s_ += v;
        return *this;
    }
    Line& text(std::string_view v) {
        s_ += ",#";
        s_ += v;
        s_ += '#';
        return *this;
    }
    std::string take() { return std::move(s_); }

private:
    std::string s_;
};

// An amount of a Fisa 1: zero is an empty field.
std::string amount(long long v) { return v == 0 ? std::string() : std::to_string(v); }

// A coefficient held in halves: 3 is "1.5", 0 an empty field.
std::string coefficient(int halves) {
    if (halves == 0) {
        return {};
    }
    std::string s = std::to_string(halves / 2);
    if (halves % 2 != 0) {
        s += ".5";
    }
    return s;
}

std::string mark(bool set) { return set ? "X" : ""; }

struct Address {
    std::string locality, county, street, number, postalCode, block, staircase, floor, flat, sector;
};

Address makeAddress(Random& random, const County& county) {
    Address a;
    a.locality = county.seat;
    a.county = county.name;
    a.street = random.pick(kStreets);
    a.number = std::to_string(random.between(1, 180));
    if (random.percent(10)) {
        a.number += static_cast<char>('A' + random.below(3));
    }
    a.postalCode = std::to_string(random.between(100'000, 999'999));
    if (random.percent(55)) { // a flat in a block
        a.block = std::string(1, static_cast<char>('A' + random.below(20))) +
                  std::to_string(random.between(1, 40));
        a.staircase = std::string(1, static_cast<char>('A' + random.below(4)));
        const long long floor = random.between(0, 10);
        a.floor = floor == 0 ? "P" : std::to_string(floor);
        a.flat = std::to_string(random.between(1, 120));
    }
    if (a.locality == "BUCURESTI") {
        a.sector = std::to_string(random.between(1, 6));
    }
    return a;
}

const County& someCounty(Random& random) {
    // The capital holds a good part of the employers and the employees.
    return random.percent(25) ? kCounties[kBucuresti] : random.pick(kCounties);
}

std::string firstName(Random& random, int sex) {
    std::string name(sex == 0 ? random.pick(kMaleNames) : random.pick(kFemaleNames));
    if (random.percent(8)) {
        name += ' ';
        name += sex == 0 ? random.pick(kMaleNames) : random.pick(kFemaleNames);
    }
    return name;
}

struct Employer {
    std::string line;
    const County* county;
};

Employer makeEmployer(int kind, std::uint64_t seed) {
    // A stream of its own, so the employer does not change with the number of
    // employees generated after it.
    Random random(seed ^ 0x5EEDE4B10E4ULL);
    const County& county = someCounty(random);
    const Address a = makeAddress(random, county);
    const std::string telephone = "0" + std::to_string(random.between(210'000'000, 269'999'999));
    std::string email = "OFFICE@";
    Line line("");
    if (kind == 1) {
        const std::string word(random.pick(kFirmWords));
        const std::string name = "SC " + word + " " + std::string(random.pick(kFirmKinds)) + " " +
                                 std::string(random.pick(kFirmForms));
        email += word + ".RO";
        line = Line(fiscalCode(random));
        line.num("1").text(name).text("").text("");
    } else {
        CodeBook codes;
        const int sex = random.below(2);
        const int year = static_cast<int>(random.between(1945, 1975));
        const std::string code =
            codes.personalCode(random, sex, year, static_cast<int>(random.between(1, 12)));
        const std::string surname(random.pick(kSurnames));
        email += surname + ".RO";
        line = Line(code);
        line.num("2").text("").text(surname).text(firstName(random, sex));
    }
    line.text(a.locality).text(a.county).text(a.street).text(a.number).num(a.postalCode);
    line.text(a.block).text(a.staircase).text(a.floor).text(a.flat).num(a.sector);
    line.text(telephone).text(email);
    return {line.take(), &county};
}

// --- Employees --------------------------------------------------------------------

struct Person {
    int sex = 0;
    int birthYear = 0;
    int birthMonth = 0;
    std::string code;
};

class Generator {
public:
    Generator(const SampleOptions& options, const County& employerCounty)
        : year_(options.year), employerCounty_(employerCounty), random_(options.seed) {}

    void reserveCode(const std::string& code) { codes_.reserve(code); }

    void employee(SampleSet& set) {
        SampleEmployee e;
        Person self;
        self.sex = random_.below(2);
        self.birthYear = static_cast<int>(random_.between(year_ - 62, year_ - 18));
        self.birthMonth = static_cast<int>(random_.between(1, 12));
        self.code = codes_.personalCode(random_, self.sex, self.birthYear, self.birthMonth);
        e.code = self.code;
        e.surname = random_.pick(kSurnames);
        e.firstName = firstName(random_, self.sex);
        const Address a =
            makeAddress(random_, random_.percent(55) ? employerCounty_ : someCounty(random_));

        // Identity part, common to both sheets: fields 1 to 13.
        Line identity(e.code);
        identity.text(e.surname).text(e.firstName).text(a.locality).text(a.county);
        identity.text(a.street).text(a.number).num(a.postalCode);
        identity.text(a.block).text(a.staircase).text(a.floor).text(a.flat).num(a.sector);
        const std::string head = identity.take();
        const bool corrective = random_.percent(2);

        e.fisa1 = random_.percent(92);
        e.fisa2 = !e.fisa1 || random_.percent(12);
        if (e.fisa1) {
            fisa1(set, e, self, head, corrective);
        }
        if (e.fisa2) {
            fisa2(set, head, corrective);
        }
        set.employees.push_back(std::move(e));
    }

private:
    std::string date(int day, int month) const {
        return twoDigits(day) + "/" + twoDigits(month) + "/" + std::to_string(year_);
    }

    void fisa1(SampleSet& set, SampleEmployee& e, const Person& self, const std::string& head,
               bool corrective) {
        // Months of the employment, 0 to 11.
        int first = 0;
        int last = 11;
        int hiredDay = 1;
        if (random_.percent(12)) {
            first = static_cast<int>(random_.between(0, 11));
            hiredDay = static_cast<int>(random_.between(first == 0 ? 2 : 1, 28));
            e.hired = date(hiredDay, first + 1);
        }
        if (random_.percent(8)) {
            last = static_cast<int>(random_.between(first, 11));
            const int day = static_cast<int>(
                random_.between(last == first && !e.hired.empty() ? hiredDay : 1, 28));
            e.left = date(day, last + 1);
        }

        const bool noDomicile = random_.percent(1);
        const bool otherIncome = random_.percent(5);
        const int invalidity = noDomicile ? 0 : random_.percent(1) ? 1 : random_.percent(2) ? 2 : 0;
        const int ownHalves = invalidity == 1 ? 4 : invalidity == 2 ? 3 : 2;

        int own[12] = {};
        int total[12] = {};
        for (int m = first; m <= last; ++m) {
            own[m] = noDomicile ? 0 : ownHalves;
            total[m] = own[m];
        }
        if (!noDomicile && random_.percent(35)) {
            e.dependants = dependants(set, e, self, first, last, total);
        }

        // Net income and tax, months 0 to 11, the holiday bonus at 12, the total at 13.
        long long income[14] = {};
        long long tax[14] = {};
        const int tier = random_.below(10);
        const long long salary = tier < 6   ? random_.between(2'000'000, 5'000'000)
                                 : tier < 9 ? random_.between(5'000'000, 10'000'000)
                                            : random_.between(10'000'000, 30'000'000);
        for (int m = first; m <= last; ++m) {
            income[m] = salary * random_.between(940, 1080) / 1000;
            const long long deduction = std::min(total[m], kCapHalves) * kBaseDeduction / 2;
            tax[m] = monthlyTax(income[m] - deduction);
        }
        if (random_.percent(55)) {
            income[12] = salary * random_.between(50, 100) / 100;
            tax[12] = monthlyTax(income[12]); // no deduction on the holiday bonus
        }
        for (int r = 0; r < 13; ++r) {
            income[13] += income[r];
            tax[13] += tax[r];
        }

        // Professional expenses: one allowance for each month with a deduction.
        long long months = 0;
        long long granted = 0;
        if (!noDomicile) {
            for (int m = 0; m < 12; ++m) {
                if (total[m] != 0) {
                    ++months;
                    granted += roundHalfEven(kBaseDeduction * kProfessionalPercent, 100);
                }
            }
        }

        // Section VI, for a sheet that qualifies (the whole year worked, no other
        // income, a domicile here) and was regularised. The personal deductions
        // due count one month's base deduction for each month of the year.
        long long reg[7] = {}; // VI.3, VI.4, VI.5, VI.6, VI.7, VI.9, VI.10
        const bool wholeYear = (e.hired.empty() || (first == 0 && hiredDay <= 3)) && e.left.empty();
        const bool qualifies = wholeYear && !otherIncome && !noDomicile;
        e.regularised = qualifies && random_.percent(85);
        if (e.regularised) {
            reg[0] = roundHalfEven(kBaseDeduction * kProfessionalPercent, 100) * months;
            reg[1] = std::max(0LL, income[13] + granted - reg[0]);
            for (int m = 0; m < 12 && income[13] != 0; ++m) {
                reg[2] += std::min(total[m], kCapHalves) * kBaseDeduction / 2;
            }
            reg[3] = std::max(0LL, reg[1] - reg[2]);
            reg[4] = reg[3] > 0 ? annualTax(reg[3]) : 0;
            const long long difference = reg[4] - tax[13];
            reg[5] = difference > 0 ? difference : 0;
            reg[6] = difference > 0 ? 0 : tax[13] - reg[4];
        }
        long long finalIncome = 0;
        long long finalTax = 0;
        long long exempt = 0;
        if (random_.percent(3)) {
            finalIncome = random_.between(300'000, 3'000'000);
            finalTax = roundHalfEven(finalIncome * kFinalTaxPercent, 100);
        }
        if (random_.percent(2)) {
            exempt = random_.between(200'000, 2'000'000);
        }

        Line line(head);
        line.text(mark(corrective)).text(mark(e.regularised)).text(mark(noDomicile));
        line.text(mark(otherIncome)).text(mark(invalidity == 1)).text(mark(invalidity == 2));
        line.text("").num(e.hired).num(e.left);
        for (int m = 0; m < 12; ++m) {
            line.num(coefficient(total[m]));
        }
        for (int m = 0; m < 12; ++m) {
            line.num(coefficient(own[m]));
        }
        for (int r = 0; r < 14; ++r) {
            line.num(amount(income[r])).num(amount(tax[r]));
        }
        line.num(amount(months)).num(amount(granted));
        for (long long v : reg) {
            line.num(amount(v));
        }
        line.num(amount(finalIncome)).num(amount(finalTax)).num(amount(exempt));
        set.ff1.push_back(line.take());
    }

    // Writes 1 to 4 dependants of the employee and adds their coefficients to
    // his monthly totals. Returns how many were written.
    int dependants(SampleSet& set, const SampleEmployee& e, const Person& self, int first, int last,
                   int (&total)[12]) {
        const int roll = random_.below(100);
        const int count = roll < 45 ? 1 : roll < 75 ? 2 : roll < 92 ? 3 : 4;
        for (int k = 0; k < count; ++k) {
            enum { Spouse, Child, Other } quality = Other;
            const long long childFrom = std::max(self.birthYear + 18, year_ - 18);
            if (k == 0 && random_.percent(55)) {
                quality = Spouse;
            } else if (childFrom <= year_ && random_.percent(85)) {
                quality = Child;
            }

            Person p;
            std::string surname = e.surname;
            switch (quality) {
            case Spouse:
                p.sex = 1 - self.sex;
                p.birthYear = static_cast<int>(
                    std::min<long long>(self.birthYear + random_.between(-5, 5), year_ - 18));
                break;
            case Child:
                p.sex = random_.below(2);
                p.birthYear = static_cast<int>(random_.between(childFrom, year_));
                break;
            case Other: // a parent, mostly
                p.sex = random_.below(2);
                p.birthYear = static_cast<int>(
                    random_.between(year_ - 85, std::max(year_ - 85, self.birthYear - 18)));
                if (random_.percent(40)) {
                    surname = random_.pick(kSurnames);
                }
                break;
            }
            // A child born this year counts from his month of birth, which lies
            // within the employment so that he counts at least once.
            p.birthMonth = static_cast<int>(random_.between(1, p.birthYear == year_ ? last + 1 : 12));
            p.code = codes_.personalCode(random_, p.sex, p.birthYear, p.birthMonth);

            const int invalidity = random_.percent(3) ? 1 : random_.percent(3) ? 2 : 0;
            const int halves = invalidity == 1 ? 3 : invalidity == 2 ? 2 : 1;
            const int from = p.birthYear == year_ ? std::max(first, p.birthMonth - 1) : first;

            Line line(e.code);
            line.num(p.code).text(surname).text(firstName(random_, p.sex));
            line.text(mark(quality == Spouse)).text(mark(quality == Child)).text(mark(quality == Other));
            line.text(mark(invalidity == 1)).text(mark(invalidity == 2)).text("");
            for (int m = 0; m < 12; ++m) {
                const int c = m >= from && m <= last ? halves : 0;
                total[m] += c;
                line.num(coefficient(c));
            }
            set.deduceri.push_back(line.take());
        }
        return count;
    }

    void fisa2(SampleSet& set, const std::string& head, bool corrective) {
        Line line(head);
        line.text(mark(corrective));
        const int type = random_.below(8);
        const int second = random_.percent(20) ? random_.below(8) : type;
        for (int k = 0; k < 8; ++k) {
            line.text(mark(k == type || k == second));
        }
        const int first = random_.below(12);
        const int last = static_cast<int>(random_.between(first, 11));
        long long incomeTotal = 0;
        long long taxTotal = 0;
        for (int m = 0; m < 12; ++m) {
            if (m < first || m > last) {
                line.num("").num("");
                continue;
            }
            const long long income = random_.between(300'000, 4'000'000);
            const long long tax = monthlyTax(income);
            incomeTotal += income;
            taxTotal += tax;
            line.num(std::to_string(income)).num(std::to_string(tax));
        }
        line.num(std::to_string(incomeTotal)).num(std::to_string(taxTotal));
        set.ff2.push_back(line.take());
    }

    int year_;
    const County& employerCounty_;
    Random random_;
    CodeBook codes_;
};

} // namespace

std::string sampleEmployerLine(int kind, std::uint64_t seed) { return makeEmployer(kind, seed).line; }

SampleSet generateSample(std::size_t employees, const SampleOptions& options) {
    SampleSet set;
    Employer employer = makeEmployer(options.employerKind, options.seed);
    set.repfisc = std::move(employer.line);
    set.employees.reserve(employees);
    set.ff1.reserve(employees);
    Generator generator(options, *employer.county);
    if (options.employerKind == 2) { // his own code stays his
        generator.reserveCode(set.repfisc.substr(0, set.repfisc.find(',')));
    }
    for (std::size_t i = 0; i < employees; ++i) {
        generator.employee(set);
    }
    return set;
}

SampleFileNames yearlyFileNames(int year) {
    const std::string y = std::to_string(year);
    return {"Rep_" + y + ".txt", "FF1_" + y + ".txt", "FF2_" + y + ".txt", "Ded_" + y + ".txt"};
}

void writeSample(const SampleSet& set) { writeSample(set, SampleFileNames{}); }

void writeSample(const SampleSet& set, const SampleFileNames& names) {
    namespace files = olm::platform::files;
    files::writeLines(names.repfisc, {set.repfisc});
    files::writeLines(names.ff1, set.ff1);
    files::writeLines(names.ff2, set.ff2);
    files::writeLines(names.deduceri, set.deduceri);
}

} // namespace olm::testing
