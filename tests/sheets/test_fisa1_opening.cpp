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
        int prima;
        int ultima;
    };
    const Rand randuri[] = {
        {"", "", 0, 11},           {"15/03/2002", "", 2, 11}, {"05/01/2002", "", 0, 11},
        {"", "20/12/2002", 0, 11}, {"", "31/08/2002", 0, 7},  {"02/05/2002", "28/05/2002", 4, 4},
    };
    for (const Rand& r : randuri) {
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
        const char* incetareDupa;
    };
    const Rand randuri[] = {
        {"1.3.2002", "/  /", -1, "", "01/03/2002", ""},
        {"31/02/2002", "", 0, "Data angajarii incorecta.", "", ""},
        {"", "15/06/2003", 1, "\r\nAnul difera de anul fiscal de referinta 2002.", "", ""},
        {"15/06/2002", "14/06/2002", 1, "\r\nData incetarii activitatii este anterioara datei angajarii. ",
         "15/06/2002", ""},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(std::string(r.angajare) + " - " + r.incetare);
        const DateFisa1 d = VerificaDateleFisei(r.angajare, r.incetare, 2002);
        EXPECT_EQ(d.casetaGresita, r.caseta);
        EXPECT_EQ(d.mesaj, r.mesaj);
        EXPECT_EQ(d.angajare, r.angajareDupa);
        EXPECT_EQ(d.incetare, r.incetareDupa);
    }
}

// What an earlier employee left in the sheet and the register.
void urmeDeLaAltAngajat() {
    for (std::size_t i = 0; i < 12; ++i) {
        Fisa1Date.VenitN[i] = "5000000";
        Fisa1Date.CoefProp[i] = "0";
    }
    Fisa1Date.Bif[3] = 1;
    NrPersoane = 1;
    TabelPersoane[1][1] = "5010101123456";
    TabelPersoane[1][11] = "0.5";
}

TEST_F(Opening, ANewSheetStartsEmptyWithTheOwnCoefficientOfTheMarks) {
    urmeDeLaAltAngajat();
    FormaFisaII e;
    e.CodS = kAngajat;
    e.Job0 = "15/03/2002";
    e.Inv1A = 1;
    PreiaSituatiaAngajatului(e);
    EXPECT_EQ(LunaPrima, 2);
    EXPECT_EQ(MarcaInv1, "X");
    PregatesteFisa1(true);
    EXPECT_EQ(NrPersoane, 0);
    EXPECT_EQ(TabelPersoane[1][1], "");
    EXPECT_EQ(f().CoefProp[1], "");
    EXPECT_EQ(f().CoefProp[2], "2");
    EXPECT_EQ(f().CoefCalc[11], "2");
    EXPECT_EQ(f().VenitN[2], "");
    EXPECT_EQ(f().ImpP[13], "");
    EXPECT_EQ(f().Bif[3], 0);
    EXPECT_EQ(f().Text2, "0");
    EXPECT_EQ(f().SfatPersoane, "Sunt inregistrate 0 persoane.");
}

TEST_F(Opening, AStoredSheetKeepsItsCoefficientsUnlessTheMarksChanged) {
    for (std::size_t i = 0; i < 12; ++i) {
        f().CoefProp[i] = "1";
        f().VenitN[i] = "3000000";
    }
    f().Reg[4] = "24000000";
    NrPersoane = 1;
    TabelPersoane[1][10 + 7] = "0.5"; // August
    LunaUltima = 7;
    MarcaInv2Fisa = "";
    PregatesteFisa1(false);
    EXPECT_EQ(f().CoefProp[7], "1");
    EXPECT_EQ(f().CoefCalc[7], "1.5");
    EXPECT_EQ(f().ImpP[0], "600000"); // the grid's tax of the whole income
    EXPECT_EQ(f().VenitN[8], "");     // after the leaving month
    EXPECT_EQ(TabelPersoane[1][10 + 8], "");
    EXPECT_EQ(f().VenitN[13], "24000000");
    EXPECT_EQ(f().ImpP[13], "4800000");
    EXPECT_EQ(f().Reg[4], "");

    MarcaInv2 = "X"; // ticked now on the employee's form
    PregatesteFisa1(false);
    EXPECT_EQ(f().CoefProp[0], "1.5");
    EXPECT_EQ(f().CoefCalc[7], "2");
}

TEST_F(Opening, AForeignPersonHasNoDeductions) {
    CodAngajat = "9701011234561";
    f().CoefProp[0] = f().CoefCalc[0] = "1";
    f().Luni = "12";
    f().ChAc = "2880000";
    NrPersoane = 2;
    PregatesteFisa1(false);
    EXPECT_EQ(f().CoefProp[0], "");
    EXPECT_EQ(f().CoefCalc[0], "");
    EXPECT_EQ(f().Luni, "");
    EXPECT_EQ(f().ChAc, "");
    EXPECT_EQ(NrPersoane, 0);
}

} // namespace
} // namespace olm::testing
