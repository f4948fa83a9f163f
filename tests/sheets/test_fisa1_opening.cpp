// Opening a Fisa 1: the dates checked again, the months worked, and the sheet
// prepared for a new or a stored sheet.

#include "fisa1_test_support.h"
#include "sheets/fisa1_opening.h"

namespace olm::testing {
namespace {

using Opening = Fisa1Rules;

TEST_F(Opening, MonthsWorked) {
    struct Rand {
        const char* angajare;
        const char* incetare;
        int prima, ultima;
    };
    for (const Rand& r : {Rand{"", "", 0, 11}, Rand{"15/03/2002", "", 2, 11}, Rand{"05/01/2002", "", 0, 11},
                          Rand{"", "31/08/2002", 0, 7}, Rand{"02/05/2002", "28/05/2002", 4, 4}}) {
        SCOPED_TRACE(std::string(r.angajare) + " - " + r.incetare);
        const LuniLucrate l = CalculeazaLuniLucrate(r.angajare, r.incetare);
        EXPECT_EQ(l.prima, r.prima);
        EXPECT_EQ(l.ultima, r.ultima);
    }
}

TEST_F(Opening, TheDatesAreCheckedAgain) {
    struct Rand {
        const char* angajare;
        const char* incetare;
        int caseta;
        const char* mesaj;
        const char* angajareDupa;
    };
    const Rand randuri[] = {
        {"1.3.2002", "/  /", -1, "", "01/03/2002"},
        {"31/02/2002", "", 0, "Data angajarii incorecta.", ""},
        {"15/06/2002", "14/06/2002", 1, "\r\nData incetarii activitatii este anterioara datei angajarii. ",
         "15/06/2002"},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.angajare);
        const DateFisa1 d = VerificaDateleFisei(r.angajare, r.incetare, 2002);
        EXPECT_EQ(d.casetaGresita, r.caseta);
        EXPECT_EQ(d.mesaj, r.mesaj);
        EXPECT_EQ(d.angajare, r.angajareDupa);
        EXPECT_EQ(d.incetare, "");
    }
}

TEST_F(Opening, ANewSheetStartsEmptyWithTheOwnCoefficientOfTheMarks) {
    // What an earlier employee left in the sheet and the register.
    f().VenitN.fill("5000000");
    f().Bif[3] = 1;
    f().ConditiiBlocate = true;
    NrPersoane = 1;
    TabelPersoane[1][11] = "0.5";
    FormaFisaII e;
    e.CodS = kAngajat;
    e.Job0 = "15/03/2002";
    e.Inv1A = 1;
    PreiaSituatiaAngajatului(e);
    PregatesteFisa1(true);
    EXPECT_EQ(NrPersoane, 0);
    EXPECT_EQ(TabelPersoane[1][11], "");
    EXPECT_EQ(f().CoefProp[1] + f().VenitN[2] + f().ImpP[13], "");
    EXPECT_EQ(f().CoefProp[2], "2");
    EXPECT_EQ(f().CoefCalc[11], "2");
    EXPECT_EQ(f().Bif[3], 0);
    EXPECT_EQ(f().SfatPersoane, "Sunt inregistrate 0 persoane.");
    EXPECT_FALSE(f().ConditiiBlocate) << "the first dependant's conditions are free";
    EXPECT_FALSE(f().Ok_StergP) << "nobody to delete";
}

TEST_F(Opening, AStoredSheetKeepsItsCoefficientsUnlessTheMarksChanged) {
    f().CoefProp.fill("1");
    f().VenitN.fill("3000000");
    f().Reg[4] = "24000000";
    NrPersoane = 1;
    TabelPersoane[1][10 + 7] = "0.5"; // August
    TabelPersoane[1][10 + 8] = "0.5";
    LunaUltima = 7;
    PregatesteFisa1(false);
    EXPECT_EQ(f().CoefCalc[7], "1.5");
    EXPECT_EQ(f().ImpP[0], "600000"); // the grid's tax of the whole income
    EXPECT_EQ(f().VenitN[8] + TabelPersoane[1][10 + 8] + f().Reg[4], "");
    EXPECT_EQ(f().VenitN[13], "27000000"); // the holiday bonus counts, its proposed tax is empty
    EXPECT_EQ(f().ImpP[13], "4800000");

    MarcaInv2 = "X"; // ticked now on the employee's form, not stored
    PregatesteFisa1(false);
    EXPECT_EQ(f().CoefProp[0], "1.5");
    EXPECT_EQ(f().CoefCalc[7], "2");
}

} // namespace
} // namespace olm::testing
