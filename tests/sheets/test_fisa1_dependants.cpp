// Section IV.C of a Fisa 1: the dependants register, their quality and
// invalidity marks, and their coefficients summed into the months' totals.

#include "fisa1_test_support.h"
#include "sheets/fisa1_dependant_coefficients.h"
#include "sheets/fisa1_dependants.h"
#include "shared/dependants.h"
#include "shared/fisa1_record.h"

namespace olm::testing {
namespace {

const std::string kSot = "2700315123451";     // 32 years old in 2002
const std::string kCopil17 = "1850101123451"; // 17
const std::string kIulie = "5020715123451";   // born in July 2002

class Dependants : public Fisa1Rules {
protected:
    void SetUp() override {
        Fisa1Rules::SetUp();
        f().CoefProp.fill("1");
        f().CoefCalc.fill("1");
        PersoanaCurenta = 1;
    }
    static PersoanaAfisata& p() { return f().persoana; }
    // A code typed on a new row and left; the messages forgotten.
    static void adauga(const std::string& cod, const std::string& coef = "0.5") {
        PersoanaCurenta = static_cast<std::int16_t>(NrPersoane + 1);
        p() = {};
        IntraInCod(f());
        p().CodI = cod;
        ASSERT_TRUE(ParasesteCod(f())) << cod;
        p().CoefI.fill(coef);
        calc_coef(f());
        fakeDialogs().messages.clear();
    }
    static std::string coloane(int rand, int de, int la) {
        std::string s;
        for (int c = de; c <= la; ++c) {
            s += CelulaPersoana(rand, c) + "|";
        }
        return s;
    }
};

TEST_F(Dependants, ACodeIsCheckedThenRegisteredWithTheQualityOfItsAge) {
    struct Rand {
        const char* nume;
        const char* inRegistru; // row 1's code
        int randul;             // the row typed on: 1 registered, 2 new
        const char* tastat;
        const char* mesaj;
        const char* caseta;
        int nrPersoane;
        const char* copilAlta; // columns 5 and 6 of the row afterwards
    } randuri[] = {
        {"a child of 17", kSot.c_str(), 2, " 01850101123451", "", "1850101123451", 2, "X||"},
        {"exactly 18: child and other", kSot.c_str(), 2, "1840101123453", "", "1840101123453", 2, "X|X|"},
        {"19: other person", kSot.c_str(), 2, "1830101123455", "", "1830101123455", 2, "|X|"},
        {"born after the year: a child", kSot.c_str(), 2, "5030315123455", "", "5030315123455", 2, "X||"},
        {"an empty box changes nothing", kSot.c_str(), 2, "", "", "0", 1, "||"},
        {"wrong check digit", kSot.c_str(), 2, "1850101123452", "CNP incorect.", "1850101123452", 1, "||"},
        {"the employee's own code", kSot.c_str(), 2, kAngajat.c_str(), "Cod egal cu CNP angajat.",
         kAngajat.c_str(), 1, "||"},
        {"another row's code", kSot.c_str(), 2, kSot.c_str(), "CNP deja incarcat.", kSot.c_str(), 1, "||"},
        {"invalid and repeated: the last finding", "1111111111111", 2, "1111111111111", "CNP deja incarcat.",
         "1111111111111", 1, "||"},
        {"its own row's code again", kSot.c_str(), 1, kSot.c_str(), "", kSot.c_str(), 1, "|X|"},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        GolesteRegistrul();
        fakeDialogs().messages.clear();
        adauga(kSot);
        CelulaPersoana(1, 1) = r.inRegistru;
        PersoanaCurenta = static_cast<std::int16_t>(r.randul);
        AfiseazaPersoana();
        IntraInCod(f());
        EXPECT_EQ(ModPers, r.randul == 1 ? "N" : "D");
        EXPECT_EQ(f().ConditiiBlocate, r.randul == 1);
        p().CodI = r.tastat;
        EXPECT_EQ(ParasesteCod(f()), *r.mesaj == 0);
        EXPECT_EQ(messages(), *r.mesaj ? std::vector<std::string>{r.mesaj} : std::vector<std::string>{});
        EXPECT_EQ(p().CodI, r.caseta);
        EXPECT_EQ(NrPersoane, r.nrPersoane);
        EXPECT_EQ(coloane(r.randul, 5, 6), r.copilAlta);
        EXPECT_EQ(f().SfatPersoane, r.nrPersoane == 2 ? "Sunt inregistrate 2 persoane" : "Sunt inregistrate 1 persoane");
    }
    EXPECT_EQ(EtichetaVarsta("1840101123453"), "(Varsta = 18 ani)");
}

TEST_F(Dependants, NamesAndMarksTypedBeforeTheCodeAreStoredWithIt) {
    p().NumeI = "POPESCU";
    IntraInNume(f());
    ParasesteNume(f(), 2);
    EXPECT_EQ(messages(), std::vector<std::string>{"Nu ati completat codul"});
    p().inv2 = 1;
    IntraInConditie(f(), Conditie::Inv2);
    ParasesteConditie(f(), Conditie::Inv2);
    EXPECT_EQ(coloane(1, 2, 8), "|||||||") << "nothing stored without a code";
    EXPECT_EQ(messages(), (std::vector<std::string>{"Nu ati completat codul", "Nu ati completat codul persoanei.",
                                                    "Nu ati completat calitatea persoanei"}));
    p().CodI = kCopil17;
    ASSERT_TRUE(ParasesteCod(f()));
    EXPECT_EQ(coloane(1, 1, 8), kCopil17 + "|POPESCU|||X|||X|");
    EXPECT_TRUE(f().Ok_StergP);
}

TEST_F(Dependants, TheChildBoxCorrectsTheQualityByAge) {
    struct Rand {
        const char* nume;
        const char* cod;
        int copil, alta;
        const char* dupa; // the boxes, then columns 5 and 6
    } randuri[] = {
        {"20 years: another person", "2820202123455", 1, 0, "01|X|"},
        {"18 years: both", "1840101123453", 1, 0, "11X|X|"},
        {"12 years: a child only", "2900505123454", 1, 1, "10X||"},
        {"unticked: nothing corrected", "2820202123455", 0, 1, "01|X|"},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        p().CodI = r.cod;
        p().Copil = r.copil;
        p().Alta = r.alta;
        ParasesteConditie(f(), Conditie::Copil);
        EXPECT_EQ(std::to_string(p().Copil) + std::to_string(p().Alta) + coloane(1, 5, 6), r.dupa);
    }
}

TEST_F(Dependants, AChildBornInJulyTakesTheConditionsAndIsSaved) {
    writeBytes("FF1.txt", "");
    writeBytes("Deduceri.txt", "");
    adauga(kIulie, "");
    p().NumeI = "POPESCU";
    ParasesteNume(f(), 2);
    p().PrenI = "ANDREI";
    ParasesteNume(f(), 3);
    f().Option1_0 = 1;
    AlegeConditii(f());
    EXPECT_TRUE(f().ConditiiBlocate);
    EXPECT_EQ(f().CoefCalc, (std::array<std::string, 12>{"1", "1", "1", "1", "1", "1", "1.5", "1.5", "1.5", "1.5",
                                                        "1.5", "1.5"}));
    ASSERT_TRUE(SalveazaFisa1().ok());
    EXPECT_EQ(readBytes("Deduceri.txt"),
              crlf({kAngajat + "," + kIulie + ",#POPESCU#,#ANDREI#,##,#X#,##,##,##,##,,,,,,,0.5,0.5,0.5,0.5,0.5,0.5"}));

    // Without a quality the conditions are refused and the option cleared.
    p().Copil = 0;
    AlegeConditii(f());
    EXPECT_EQ(messages(), std::vector<std::string>{"Nu ati completat calitatea persoanei."});
    EXPECT_EQ(f().Option1_0, 0);
}

TEST_F(Dependants, TakingTheConditions) {
    struct Rand {
        const char* nume;
        const char* cod;
        std::array<int, 5> bife; // spouse, child, other, inv. I, inv. II
        int lunaPrima;
        const char* ianuarie;
        const char* iulie;
        const char* marci; // columns 4 to 8 afterwards
    } randuri[] = {
        {"a spouse of grade I", kSot.c_str(), {1, 0, 0, 1, 0}, 0, "1.5", "1.5", "X|||X||"},
        {"both grades: grade II wins", kSot.c_str(), {1, 0, 0, 1, 1}, 0, "1", "1", "X|||X|X|"},
        {"a child of 19 becomes another person", "1830101123455", {0, 1, 0, 0, 0}, 0, "0.5", "0.5", "||X|||"},
        {"hired in April: earlier months empty", kCopil17.c_str(), {0, 1, 0, 0, 0}, 3, "", "0.5", "|X||||"},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        GolesteRegistrul();
        LunaPrima = static_cast<std::int16_t>(r.lunaPrima);
        adauga(r.cod, "");
        std::tie(p().Sotie, p().Copil, p().Alta, p().inv1, p().inv2) =
            std::tie(r.bife[0], r.bife[1], r.bife[2], r.bife[3], r.bife[4]);
        f().Option1_0 = 1;
        AlegeConditii(f());
        EXPECT_EQ(p().CoefI[0] + "/" + p().CoefI[6], std::string(r.ianuarie) + "/" + r.iulie);
        EXPECT_EQ(coloane(1, 4, 8), r.marci);
        EXPECT_EQ(CelulaPersoana(1, 10), r.lunaPrima == 0 ? r.ianuarie : "0");
    }
    // Cancelling gives the quality by the age back and unlocks the boxes;
    // the stored coefficients stay.
    f().Option1_0 = 0;
    f().Option1_1 = 1;
    p().Sotie = 1;
    AlegeConditii(f());
    EXPECT_EQ(coloane(1, 4, 9), "|X|||||");
    EXPECT_FALSE(f().ConditiiBlocate);
    EXPECT_EQ(p().CoefI[6], "");
    EXPECT_EQ(CelulaPersoana(1, 16), "0.5");
}

TEST_F(Dependants, ATypedCoefficient) {
    struct Rand {
        const char* nume;
        const char* cod;
        int luna;
        const char* propriu;
        const char* tastat;
        const char* caseta; // also stored in the register
        const char* total;
        const char* invaliditate; // columns 7 and 8
        bool gresit;
    } randuri[] = {
        {"a comma is a point", kCopil17.c_str(), 3, "1", "0,5", "0.5", "1.5", "||", false},
        {"a child's 1 is grade II", kCopil17.c_str(), 3, "1", "1", "1", "2", "|X|", false},
        {"a child's 1.5 is grade I", kCopil17.c_str(), 3, "1", "1.5", "1.5", "2.5", "X||", false},
        {"2 is refused: the stored value stays", kCopil17.c_str(), 3, "1", "2", "0.5", "1.5", "||", true},
        {"no own deduction: 0", kCopil17.c_str(), 3, "0", "1", "0", "0", "||", false},
        {"before the birth month", kIulie.c_str(), 5, "1", "0.5", "0", "1", "||", false},
        {"the birth month itself", kIulie.c_str(), 6, "1", "1", "1", "2", "|X|", false},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        GolesteRegistrul();
        adauga(r.cod);
        f().CoefProp[static_cast<std::size_t>(r.luna)] = r.propriu;
        p().CoefI[static_cast<std::size_t>(r.luna)] = r.tastat;
        ParasesteCoeficientPersoana(f(), r.luna);
        EXPECT_EQ(p().CoefI[static_cast<std::size_t>(r.luna)], r.caseta);
        EXPECT_EQ(CelulaPersoana(1, 10 + r.luna), r.caseta);
        EXPECT_EQ(f().CoefCalc[static_cast<std::size_t>(r.luna)], r.total);
        EXPECT_EQ(coloane(1, 7, 8), r.invaliditate);
        EXPECT_EQ(messages(), r.gresit ? std::vector<std::string>{"Coeficient gresit"} : std::vector<std::string>{});
    }
    // Without a quality the value is only normalised.
    p().Copil = 0;
    p().CoefI[2] = "1,5";
    ParasesteCoeficientPersoana(f(), 2);
    EXPECT_EQ(p().CoefI[2] + "/" + CelulaPersoana(1, 12), "1.5/0.5");
}

TEST_F(Dependants, MovingBetweenRowsStopsAtTheTwentieth) {
    adauga(kSot);
    EXPECT_EQ(PersoanaUrmatoare(f()), MutarePersoana::RandNou);
    EXPECT_EQ(PersoanaCurenta, 2);
    EXPECT_EQ(p(), PersoanaAfisata{});
    EXPECT_EQ(PersoanaUrmatoare(f()), MutarePersoana::RandNou) << "no code: the same new row";
    EXPECT_EQ(PersoanaCurenta, 2);
    p().CodI = kCopil17; // typed, the box never left: incomplete
    EXPECT_EQ(PersoanaAnterioara(f()), false);
    EXPECT_EQ(messages(), std::vector<std::string>{"Nu ati completat coeficientii de deducere."});
    p().CodI.clear();
    ASSERT_TRUE(PersoanaAnterioara(f()));
    ASSERT_TRUE(PersoanaAnterioara(f()));
    EXPECT_EQ(PersoanaCurenta, 1);
    EXPECT_EQ(p().CodI, kSot);
    EXPECT_TRUE(f().ConditiiBlocate);

    for (int n = 2; n <= MaxPersoane; ++n) {
        CelulaPersoana(n, 1) = std::to_string(n);
        CelulaPersoana(n, 5) = "X";
        CelulaPersoana(n, 10) = "0.5";
    }
    NrPersoane = PersoanaCurenta = MaxPersoane;
    AfiseazaPersoana();
    fakeDialogs().messages.clear();
    EXPECT_EQ(PersoanaUrmatoare(f()), MutarePersoana::Refuzata);
    EXPECT_EQ(messages(), std::vector<std::string>{"Nu se pot inregistra mai mult de 20 de persoane."});
    EXPECT_EQ(PersoanaCurenta, MaxPersoane);
}

TEST_F(Dependants, DeletingRowTwoOfThree) {
    f().VenitN.fill("6000000");
    adauga(kSot, "0.5");
    adauga(kCopil17, "1");
    adauga("2900505123454", "0.5");
    EXPECT_EQ(f().CoefCalc[0], "3");
    const std::string impozitCu3 = f().ImpP[0];
    PersoanaCurenta = 2;
    fakeDialogs().answer(platform::Answer::No);
    StergePersoana(f());
    EXPECT_EQ(NrPersoane, 3);
    fakeDialogs().answer(platform::Answer::Yes);
    StergePersoana(f());
    EXPECT_EQ(NrPersoane, 2);
    EXPECT_EQ(PersoanaCurenta, 2);
    EXPECT_EQ(coloane(2, 1, 1) + coloane(3, 1, 1), "2900505123454||");
    EXPECT_EQ(p().CodI, "2900505123454");
    EXPECT_EQ(f().CoefCalc[11], "2");
    EXPECT_NE(f().ImpP[0], impozitCu3) << "less deduction, more tax";
    EXPECT_EQ(f().ImpP[13], TextNumar(12 * ValoareText(f().ImpP[0])));
    EXPECT_EQ(f().Label34, "(Varsta = 12 ani)");

    // A new row has nothing registered: its boxes are only emptied.
    PersoanaCurenta = 3;
    p().CodI = "123";
    StergePersoana(f());
    EXPECT_EQ(NrPersoane, 2);
    EXPECT_EQ(p().CodI, "");
    EXPECT_EQ(f().CoefCalc[11], "2");
}

} // namespace
} // namespace olm::testing
