#include "shared/deduction_params.h"

#include "shared/state.h"
#include "support/file_bytes.h"

#include <gtest/gtest.h>

#include <array>

namespace olm {
namespace {

using testing::readBytes;
using testing::writeBytes;

// Month lines 1 to 12 in the saved form.
std::string luniStandard() {
    std::string text;
    for (int luna = 1; luna <= 12; ++luna) {
        text += (luna < 10 ? " " : "") + std::to_string(luna) + ",1600000,0.5,0.5,0.5,\r\n";
    }
    return text;
}

const std::string FisierStandard =
    "2002,03,31\r\n" + luniStandard() + "13,19200000,5,1,0.5,0.25,0.15,0.1,\r\neof\r\n";

class DeductionParams : public ::testing::Test {
protected:
    void SetUp() override { resetState(); }
};

TEST_F(DeductionParams, ReadsTheParametersAndTheBoxes) {
    writeBytes("Cuantum.txt", FisierStandard);
    ASSERT_TRUE(CitesteCuantum().ok());
    EXPECT_EQ(AnFiscal, 2002);
    EXPECT_EQ(PrimaZi, "03");
    EXPECT_EQ(UltimaZi, "31");
    EXPECT_EQ(DeducereBaza[0], 1600000);
    EXPECT_EQ(DeducereBaza[11], 1600000);
    EXPECT_EQ(DeducereBaza[12], 19200000);
    EXPECT_EQ(CoefCopil[3], "0.5");
    EXPECT_EQ(CoefMax, "5");
    EXPECT_EQ(CoefInv1, "1");
    EXPECT_EQ(CoefInv2, "0.5");
    EXPECT_EQ(CoefInv3, "0.25");
    EXPECT_EQ(ProcChProf, "0.15");
    EXPECT_EQ(CotaImpFinal, "0.1");
    EXPECT_EQ(CuantumCasute.AnF, "2002");
    EXPECT_EQ(CuantumCasute.prima_zi, "03");
    EXPECT_EQ(CuantumCasute.Cuanta[12], "19200000");
    EXPECT_EQ(CuantumCasute.Alta[11], "0.5");
    EXPECT_EQ(CuantumCasute.CotaIF, "0.1");
    EXPECT_EQ(TextAnFisc, "2002,03,31");
}

TEST_F(DeductionParams, ReadThenSaveGivesTheSameBytes) {
    writeBytes("Cuantum.txt", FisierStandard);
    ASSERT_TRUE(CitesteCuantum().ok());
    ASSERT_TRUE(SalveazaCuantum().ok());
    EXPECT_EQ(readBytes("Cuantum.txt"), FisierStandard);
    EXPECT_EQ(TextAnFisc, "2002"); // the year alone after a save
}

TEST_F(DeductionParams, NormalisesWhatItReads) {
    std::string luni;
    for (int luna = 12; luna >= 1; --luna) { // any order
        luni += std::to_string(luna) + ", 1600000.00,0.50,.5,1e-1,\r\n";
    }
    writeBytes("Cuantum.txt", "2002,3,5\r\n" + luni + "13,19200000,5.0,1,0.5,0.5,0.15,0.15,\r\neof\r\n");
    ASSERT_TRUE(CitesteCuantum().ok());
    EXPECT_EQ(PrimaZi, "03");
    EXPECT_EQ(UltimaZi, "05");
    EXPECT_EQ(CuantumCasute.Cuanta[0], "1600000");
    EXPECT_EQ(CuantumCasute.Copil[0], "0.5");
    EXPECT_EQ(CoefSotie[6], "0.5");
    EXPECT_EQ(CoefAlta[11], "0.1");
    EXPECT_EQ(CoefMax, "5");

    writeBytes("Cuantum.txt", "2002,10,31\r\neof\r\n");
    ASSERT_TRUE(CitesteCuantum().ok());
    EXPECT_EQ(PrimaZi, "10");
    EXPECT_EQ(UltimaZi, "31");
    EXPECT_EQ(CoefAlta[11], "0.1"); // no month line: the values stay
}

TEST_F(DeductionParams, MonthsOutsideOneToThirteenArePassedOver) {
    CoefCopil[4] = "9";
    writeBytes("Cuantum.txt", "2002,03,31\r\n"
                               " 0,1,2,3,4,\r\n"
                               "-1,1,2,3,4,\r\n"
                               "14,1,2,3,4,5,6,7,8,\r\n"
                               "1.5,1,2,3,4,\r\n"
                               " 1,1600000,0.5,0.5,0.5,\r\n"
                               "eof\r\n");
    ASSERT_TRUE(CitesteCuantum().ok());
    EXPECT_EQ(DeducereBaza[0], 1600000);
    EXPECT_EQ(CoefCopil[4], "9"); // a month the file lacks keeps its value
    EXPECT_EQ(DeducereBaza[12], 0);
    EXPECT_EQ(CoefMax, "");
}

TEST_F(DeductionParams, FaultsAreReportedKeepingWhatWasRead) {
    const std::string an = "Fisierul Cuantum.txt are linia 1 eronata: anul fiscal ";
    const std::string interval = " nu este un an din patru cifre intre 1990 si 2100.";
    const std::string luna1 = " 1,1600000,0.5,0.5,0.5,", anual = "13,19200000,5,1,0.5,0.5,0.15,0.15,";
    const struct {
        const char* name;
        std::vector<std::string> linii;
        std::string eroare;
        std::string textAn; // the first line as read, or nothing read
        std::array<double, 4> baza; // of January, February, March and the year
        std::string coefMax = "7";
    } rows[] = {
        {"byte-order mark", {"\xEF\xBB\xBF" "2002,3,31", luna1, "eof"}, "", "2002,3,31", {1600000, 0, 0, 0}},
        {"blanks around the year", {" 2002 ,3,31", luna1, "eof"}, "", " 2002 ,3,31", {1600000, 0, 0, 0}},
        {"two digits", {"02,3,31", luna1, "eof"}, an + "\"02\"" + interval, "", {0, 0, 0, 0}},
        {"before 1990", {"1989,3,31", luna1, "eof"}, an + "\"1989\"" + interval, "", {0, 0, 0, 0}},
        {"after 2100", {"2101,3,31", luna1, "eof"}, an + "\"2101\"" + interval, "", {0, 0, 0, 0}},
        {"a letter", {"20O2,3,31", luna1, "eof"}, an + "\"20O2\"" + interval, "", {0, 0, 0, 0}},
        {"decimals", {"2002.5,3,31", luna1, "eof"}, an + "\"2002.5\"" + interval, "", {0, 0, 0, 0}},
        {"mark not at the start", {" \xEF\xBB\xBF" "2002,3,31"}, an + "\" \xEF\xBB\xBF" "2002\"" + interval, "", {0, 0, 0, 0}},
        {"a first line of two fields", {"2002,03"}, "Fisierul Cuantum.txt are prima linie eronata.", "", {0, 0, 0, 0}},
        {"no line", {}, "Fisierul Cuantum.txt are prima linie eronata.", "", {0, 0, 0, 0}},
        {"the first line alone", {"2003,03,31"}, "Fisierul Cuantum.txt este incomplet.", "2003,03,31", {0, 0, 0, 0}},
        // The last line of a file without "eof" is not taken: the annual one here.
        {"no eof", {"2002,03,31", luna1, anual}, "Fisierul Cuantum.txt nu se termina cu linia eof.", "2002,03,31",
         {1600000, 0, 0, 0}},
        // A month line without its trailing comma: its last field has no end;
        // reading stops at the fault.
        {"a month line without its comma", {"2002,03,31", luna1, " 2,1700000,0.5,0.5,0.5", " 3,1,1,1,1,", "eof"},
         "Fisierul Cuantum.txt are linia 3 eronata.", "2002,03,31", {1600000, 0, 0, 0}},
        {"an annual line of six fields", {"2002,03,31", "13,19200000,5,1,0.5,0.5,0.15,", "eof"},
         "Fisierul Cuantum.txt are linia 2 eronata.", "2002,03,31", {0, 0, 0, 0}},
        // A number is read only as a whole: the line of one that is not is taken in no part.
        {"numbers with blanks around, a sign, an exponent", {"2002, 3 ,31", " 1, +16e5 ,0.5,0.5,0.5,", "eof"}, "",
         "2002, 3 ,31", {1600000, 0, 0, 0}},
        {"a letter O for a zero", {"2002,03,31", luna1, " 2,16O0000,0.5,0.5,0.5,", "eof"},
         "Fisierul Cuantum.txt are linia 3 eronata: campul 2 (\"16O0000\") nu este un numar.", "2002,03,31",
         {1600000, 0, 0, 0}},
        {"an l for a one", {"2002,03,31", "13,19200000,5,l,0.5,0.5,0.15,0.15,", "eof"},
         "Fisierul Cuantum.txt are linia 2 eronata: campul 4 (\"l\") nu este un numar.", "2002,03,31", {0, 0, 0, 0}},
        {"a month in letters", {"2002,03,31", "l2,1,1,1,1,", "eof"},
         "Fisierul Cuantum.txt are linia 2 eronata: campul 1 (\"l2\") nu este un numar.", "2002,03,31", {0, 0, 0, 0}},
        {"a day with a letter", {"2002,3l,31", luna1, "eof"},
         "Fisierul Cuantum.txt are linia 1 eronata: prima zi lucratoare \"3l\" nu este un numar.", "", {0, 0, 0, 0}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        resetState();
        CoefMax = "7";
        const CitireCuantum c = CitesteCuantum(row.linii);
        EXPECT_EQ(c.eroare, row.eroare);
        EXPECT_EQ(c.anCitit, !row.textAn.empty());
        EXPECT_EQ(TextAnFisc, row.textAn);
        EXPECT_EQ(AnFiscal, row.textAn.empty() ? 0 : row.textAn.starts_with("2003") ? 2003 : 2002);
        EXPECT_EQ((std::array<double, 4>{DeducereBaza[0], DeducereBaza[1], DeducereBaza[2], DeducereBaza[12]}),
                  row.baza);
        EXPECT_EQ(CoefMax, row.coefMax);
    }
}

TEST_F(DeductionParams, MissingFileIsReportedAndNothingChanges) {
    AnFiscal = 2001;
    const Rezultat r = CitesteCuantum();
    EXPECT_FALSE(r.ok());
    EXPECT_NE(r.eroare.find("Cuantum.txt"), std::string::npos);
    EXPECT_EQ(AnFiscal, 2001);
}

TEST_F(DeductionParams, SaveWritesTheBoxesAndSetsTheParameters) {
    CasuteCuantum& c = CuantumCasute;
    c.AnF = "2002";
    c.prima_zi = "03";
    c.ultima_zi = "30";
    for (int i = 0; i < 12; ++i) {
        c.Cuanta[i] = std::to_string(1500000 + i * 10000);
        c.Copil[i] = "0.5";
        c.Sotie[i] = "1";
        c.Alta[i] = "0.25";
    }
    c.Cuanta[12] = "18660000";
    c.Maxi = "4";
    c.hand1 = "1";
    c.hand2 = "0.5";
    c.hand3 = "0.3";
    c.Proc_ch = "0.15";
    c.CotaIF = "0.1";

    ASSERT_TRUE(SalveazaCuantum().ok()); // no file before: it is created
    std::string asteptat = "2002,03,30\r\n";
    for (int i = 0; i < 12; ++i) {
        asteptat += (i < 9 ? " " : "") + std::to_string(i + 1) + "," + std::to_string(1500000 + i * 10000) +
                    ",0.5,1,0.25,\r\n";
    }
    asteptat += "13,18660000,4,1,0.5,0.3,0.15,0.1,\r\neof\r\n";
    EXPECT_EQ(readBytes("Cuantum.txt"), asteptat);

    EXPECT_EQ(AnFiscal, 2002);
    EXPECT_EQ(UltimaZi, "30");
    EXPECT_EQ(DeducereBaza[11], 1610000);
    EXPECT_EQ(DeducereBaza[12], 18660000);
    EXPECT_EQ(CoefSotie[0], "1");
    EXPECT_EQ(CoefInv3, "0.3");
    EXPECT_EQ(CotaImpFinal, "0.1");

    // A second save replaces the file through a scratch file: nothing else is left.
    c.Maxi = "5";
    ASSERT_TRUE(SalveazaCuantum().ok());
    EXPECT_EQ(testing::entries(), std::vector<std::string>{"Cuantum.txt"});
    EXPECT_NE(readBytes("Cuantum.txt").find("13,18660000,5,"), std::string::npos);
}

} // namespace
} // namespace olm
