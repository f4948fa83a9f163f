// Section IV.C of a Fisa 1: the dependants register, their quality and
// invalidity marks, and their coefficients summed into the months' totals.

#include "fisa1_test_support.h"
#include "sheets/fisa1_dependant_coefficients.h"
#include "sheets/fisa1_dependants.h"
#include "shared/dependants.h"
#include "shared/fisa1_record.h"

namespace olm::testing {
namespace {

using V = std::vector<std::string>;
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
    // A code typed on a new row and left, the same coefficient every month.
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
    // Columns de to la of a register row, each followed by "|".
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
        const char *nume, *inRegistru; // row 1's code
        int randul;                    // typed on: 1 registered, 2 new
        const char *tastat, *mesaj, *caseta;
        int nrPersoane;
        const char* copilAlta; // columns 5 and 6 of the row
    } randuri[] = {
        {"a child of 17", kSot.c_str(), 2, " 01850101123451", "", "1850101123451", 2, "X||"},
        {"exactly 18: both", kSot.c_str(), 2, "1840101123453", "", "1840101123453", 2, "X|X|"},
        {"19: another person", kSot.c_str(), 2, "1830101123455", "", "1830101123455", 2, "|X|"},
        {"born after the year: a child", kSot.c_str(), 2, "5030315123455", "", "5030315123455", 2, "X||"},
        {"empty: nothing", kSot.c_str(), 2, "", "", "0", 1, "||"},
        {"wrong check digit", kSot.c_str(), 2, "1850101123452", "CNP incorect.", "1850101123452", 1, "||"},
        {"the employee's", kSot.c_str(), 2, kAngajat.c_str(), "Cod egal cu CNP angajat.", kAngajat.c_str(), 1, "||"},
        {"another row's", kSot.c_str(), 2, kSot.c_str(), "CNP deja incarcat.", kSot.c_str(), 1, "||"},
        {"invalid and repeated", "1111111111111", 2, "1111111111111", "CNP deja incarcat.", "1111111111111", 1, "||"},
        {"its own row's again", kSot.c_str(), 1, kSot.c_str(), "", kSot.c_str(), 1, "|X|"},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        GolesteRegistrul();
        adauga(kSot);
        CelulaPersoana(1, 1) = r.inRegistru;
        PersoanaCurenta = static_cast<std::int16_t>(r.randul);
        AfiseazaPersoana();
        IntraInCod(f());
        EXPECT_EQ(f().ConditiiBlocate, r.randul == 1);
        p().CodI = r.tastat;
        EXPECT_EQ(ParasesteCod(f()), *r.mesaj == 0);
        EXPECT_EQ(messages(), *r.mesaj ? V{r.mesaj} : V{});
        EXPECT_EQ(p().CodI + "/" + std::to_string(NrPersoane) + "/" + coloane(r.randul, 5, 6),
                  r.caseta + ("/" + std::to_string(r.nrPersoane)) + "/" + r.copilAlta);
    }
    EXPECT_EQ(EtichetaVarsta("1840101123453"), "(Varsta = 18 ani)");
}

TEST_F(Dependants, NamesAndMarksTypedBeforeTheCodeAreStoredWithIt) {
    p().NumeI = "POPESCU";
    IntraInNume(f());
    ParasesteNume(f(), 2);
    p().inv2 = 1;
    IntraInConditie(f(), Conditie::Inv2);
    ParasesteConditie(f(), Conditie::Inv2);
    EXPECT_EQ(coloane(1, 2, 8), "|||||||") << "nothing stored without a code";
    EXPECT_EQ(messages(),
              (V{"Nu ati completat codul", "Nu ati completat codul persoanei.", "Nu ati completat calitatea persoanei"}));
    p().CodI = kCopil17;
    ASSERT_TRUE(ParasesteCod(f()));
    EXPECT_EQ(coloane(1, 1, 8), kCopil17 + "|POPESCU|||X|||X|");
    EXPECT_TRUE(f().Ok_StergP);
}

TEST_F(Dependants, TheChildBoxCorrectsTheQualityByAge) {
    struct Rand {
        const char *nume, *cod;
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
        std::tie(p().Copil, p().Alta) = std::tie(r.copil, r.alta);
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

    p().Copil = 0; // without a quality the conditions are refused
    AlegeConditii(f());
    EXPECT_EQ(messages(), V{"Nu ati completat calitatea persoanei."});
    EXPECT_EQ(f().Option1_0, 0);
}

TEST_F(Dependants, TakingAndCancellingTheConditions) {
    struct Rand {
        const char *nume, *cod;
        std::array<int, 5> bife; // spouse, child, other, inv. I, inv. II
        int lunaPrima;
        const char *ianuarieIulie, *marci; // columns 4 to 8
    } randuri[] = {
        {"a spouse of grade I", kSot.c_str(), {1, 0, 0, 1, 0}, 0, "1.5/1.5", "X|||X||"},
        {"both grades: grade II wins", kSot.c_str(), {1, 0, 0, 1, 1}, 0, "1/1", "X|||X|X|"},
        {"a child of 19 is another person", "1830101123455", {0, 1, 0, 0, 0}, 0, "0.5/0.5", "||X|||"},
        {"hired in April: January empty", kCopil17.c_str(), {0, 1, 0, 0, 0}, 3, "/0.5", "|X||||"},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        GolesteRegistrul();
        LunaPrima = static_cast<std::int16_t>(r.lunaPrima);
        adauga(r.cod, "");
        const auto& b = r.bife;
        std::tie(p().Sotie, p().Copil, p().Alta, p().inv1, p().inv2) = std::tie(b[0], b[1], b[2], b[3], b[4]);
        f().Option1_0 = 1;
        AlegeConditii(f());
        EXPECT_EQ(p().CoefI[0] + "/" + p().CoefI[6], r.ianuarieIulie);
        EXPECT_EQ(coloane(1, 4, 8), r.marci);
    }
    // Cancelling: the quality by the age, the boxes unlocked, the stored coefficients kept.
    std::tie(f().Option1_0, f().Option1_1, p().Sotie) = std::make_tuple(0, 1, 1);
    AlegeConditii(f());
    EXPECT_EQ(coloane(1, 4, 9), "|X|||||");
    EXPECT_FALSE(f().ConditiiBlocate);
    EXPECT_EQ(p().CoefI[6] + "/" + CelulaPersoana(1, 16), "/0.5");
}

TEST_F(Dependants, ATypedCoefficient) {
    struct Rand {
        const char *nume, *cod;
        int luna;
        const char *propriu, *tastat, *caseta, *total, *invaliditate; // columns 7 and 8
        bool gresit;
    } randuri[] = {
        {"a comma is a point", kCopil17.c_str(), 3, "1", "0,5", "0.5", "1.5", "||", false},
        {"a child's 1 is grade II", kCopil17.c_str(), 3, "1", "1", "1", "2", "|X|", false},
        {"a child's 1.5 is grade I", kCopil17.c_str(), 3, "1", "1.5", "1.5", "2.5", "X||", false},
        {"2 refused: the stored value back", kCopil17.c_str(), 3, "1", "2", "0.5", "1.5", "||", true},
        {"no own deduction: 0", kCopil17.c_str(), 3, "0", "1", "0", "0", "||", false},
        {"before the birth month", kIulie.c_str(), 5, "1", "0.5", "0", "1", "||", false},
        {"the birth month itself", kIulie.c_str(), 6, "1", "1", "1", "2", "|X|", false},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        GolesteRegistrul();
        adauga(r.cod);
        const auto i = static_cast<std::size_t>(r.luna);
        f().CoefProp[i] = r.propriu;
        p().CoefI[i] = r.tastat;
        ParasesteCoeficientPersoana(f(), r.luna);
        EXPECT_EQ(p().CoefI[i] + "/" + CelulaPersoana(1, 10 + r.luna), r.caseta + ("/" + std::string(r.caseta)));
        EXPECT_EQ(f().CoefCalc[i], r.total);
        EXPECT_EQ(coloane(1, 7, 8), r.invaliditate);
        EXPECT_EQ(messages(), r.gresit ? V{"Coeficient gresit"} : V{});
    }
    p().Copil = 0; // without a quality the value is only normalised
    p().CoefI[2] = "1,5";
    ParasesteCoeficientPersoana(f(), 2);
    EXPECT_EQ(p().CoefI[2] + "/" + CelulaPersoana(1, 12), "1.5/0.5");
}

TEST_F(Dependants, MovingBetweenRowsStopsAtTheTwentieth) {
    adauga(kSot);
    EXPECT_EQ(PersoanaUrmatoare(f()), MutarePersoana::RandNou);
    EXPECT_EQ(PersoanaUrmatoare(f()), MutarePersoana::RandNou) << "no code: the same new row";
    EXPECT_EQ(PersoanaCurenta, 2);
    p().CodI = kCopil17; // typed, never left: incomplete
    EXPECT_FALSE(PersoanaAnterioara(f()));
    expectMessages({"Nu ati completat coeficientii de deducere."});
    p().CodI.clear();
    ASSERT_TRUE(PersoanaAnterioara(f()));
    ASSERT_TRUE(PersoanaAnterioara(f()));
    EXPECT_EQ(PersoanaCurenta, 1);
    EXPECT_EQ(p().CodI, kSot);
    EXPECT_TRUE(f().ConditiiBlocate);

    for (int n = 2; n <= MaxPersoane; ++n) {
        std::tie(CelulaPersoana(n, 1), CelulaPersoana(n, 5), CelulaPersoana(n, 10)) =
            std::make_tuple(std::to_string(n), "X", "0.5");
    }
    NrPersoane = PersoanaCurenta = MaxPersoane;
    AfiseazaPersoana();
    EXPECT_EQ(PersoanaUrmatoare(f()), MutarePersoana::Refuzata);
    expectMessages({"Nu se pot inregistra mai mult de 20 de persoane."});
    EXPECT_EQ(PersoanaCurenta, MaxPersoane);
}

TEST_F(Dependants, DeletingRowTwoOfThree) {
    f().VenitN.fill("6000000");
    adauga(kSot, "0.5");
    adauga(kCopil17, "1");
    adauga("2900505123454", "0.5");
    const std::string impozitCu3 = f().ImpP[0];
    PersoanaCurenta = 2;
    fakeDialogs().answer(platform::Answer::No);
    StergePersoana(f());
    EXPECT_EQ(NrPersoane, 3);
    fakeDialogs().answer(platform::Answer::Yes);
    StergePersoana(f());
    EXPECT_EQ(NrPersoane + PersoanaCurenta, 4);
    EXPECT_EQ(coloane(2, 1, 1) + coloane(3, 1, 1) + p().CodI, "2900505123454||2900505123454");
    EXPECT_EQ(f().CoefCalc[11], "2");
    EXPECT_NE(f().ImpP[0], impozitCu3) << "less deduction, more tax";
    EXPECT_EQ(f().ImpP[13], TextNumar(12 * ValoareText(f().ImpP[0])));
    EXPECT_EQ(f().Label34, "(Varsta = 12 ani)");

    PersoanaCurenta = 3; // a new row: its boxes are only emptied
    p().CodI = "123";
    StergePersoana(f());
    EXPECT_EQ(NrPersoane + p().CodI.size(), 2u);
    EXPECT_EQ(f().CoefCalc[11], "2");
}

} // namespace
} // namespace olm::testing
