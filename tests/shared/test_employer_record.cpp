#include "platform/files.h"
#include "shared/employer_record.h"
#include "shared/record_shape.h"
#include "shared/state.h"
#include "support/failing_writer.h"
#include "support/file_bytes.h"

#include <gtest/gtest.h>

#include <string>

namespace olm {
namespace {

using testing::readBytes;
using testing::writeBytes;

class EmployerRecord : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        AngajatorFisaI = {};
        EtichetaTipAng.clear();
    }
};

RecordRepfisc firma() {
    RecordRepfisc r;
    r.CodAngajator = "19";
    r.Denumire = "SC ALFA, BETA SRL";
    r.Nume = "RAMAS";   // a box of the other kind, not written
    r.Prenume = "DIN FORMA";
    r.Localitate = "CLUJ-NAPOCA";
    r.Judet = "CLUJ";
    r.Strada = "MEMORANDUMULUI";
    r.Numar = "21";
    r.CodPostal = "";
    r.Bloc = "A";
    r.Scara = "";
    r.Etaj = "3";
    r.Apartament = "12";
    r.Sector = "";
    r.Telefon = "0264123456";
    r.EMail = "";
    return r;
}

TEST_F(EmployerRecord, FirmWrittenAndReadBackByteForByte) {
    AngajatorFisaI = firma();
    TipAngajator = 1;
    SalveazaRepfisc();
    const std::string linie = "19,1,#SC ALFA, BETA SRL#,##,##,#CLUJ-NAPOCA#,#CLUJ#,#MEMORANDUMULUI#,#21#,,"
                              "#A#,##,#3#,#12#,,#0264123456#,##";
    EXPECT_EQ(readBytes("Repfisc.txt"), linie + "\r\n");
    EXPECT_TRUE(VerificaStructura(linie, SablonRepfisc));

    AngajatorFisaI = {};
    TipAngajator = 0;
    JudetAngajator.clear();
    CitesteRepfisc();
    RecordRepfisc asteptat = firma();
    asteptat.TipAngajator = "1";
    asteptat.Nume.clear();
    asteptat.Prenume.clear();
    EXPECT_EQ(AngajatorFisaI, asteptat);
    EXPECT_EQ(TipAngajator, 1);
    EXPECT_EQ(JudetAngajator, "CLUJ");

    // Written again from what was read: the same bytes.
    SalveazaRepfisc();
    EXPECT_EQ(readBytes("Repfisc.txt"), linie + "\r\n");

    // A failure names the file as every other message does.
    const auto plin = testing::FailingWriter::afterBytes("Repfisc.txt", 0);
    EXPECT_EQ(SalveazaRepfisc().eroare, "Eroare 61 la scrierea fisierului Repfisc.txt.");
}

TEST_F(EmployerRecord, PersonWrittenAndReadBack) {
    RecordRepfisc r;
    r.CodAngajator = "1800101221144";
    r.Denumire = "NU SE SCRIE";
    r.Nume = "POPESCU";
    r.Prenume = "ION, VASILE";
    r.Localitate = "bucuresti";
    r.Judet = " ";
    r.Strada = "LIPSCANI";
    r.Numar = "5 BIS";
    r.CodPostal = "030031";
    r.Sector = "3";
    r.EMail = "ion@exemplu.ro";
    AngajatorFisaI = r;
    TipAngajator = 2;
    SalveazaRepfisc();
    EXPECT_EQ(readBytes("RepFisc.txt"), "1800101221144,2,##,#POPESCU#,#ION, VASILE#,#bucuresti#,# #,"
                                    "#LIPSCANI#,#5 BIS#,030031,##,##,##,##,3,##,#ion@exemplu.ro#\r\n");
    AngajatorFisaI = {};
    CitesteRepfisc();
    r.TipAngajator = "2";
    r.Denumire.clear();
    EXPECT_EQ(AngajatorFisaI, r);
    EXPECT_EQ(TipAngajator, 2);
    EXPECT_EQ(JudetAngajator, " ");
}

TEST_F(EmployerRecord, UndecidedKindIsWrittenAsAPerson) {
    AngajatorFisaI = firma();
    TipAngajator = 0;
    SalveazaRepfisc();
    EXPECT_EQ(readBytes("Repfisc.txt").substr(0, 32), "19,2,##,#RAMAS#,#DIN FORMA#,#CLU");
}

TEST_F(EmployerRecord, OnlyTheFirstLineCountsAndTheNextWriteDropsTheRest) {
    writeBytes("repfisc.txt", "7,1,#UNU#,##,##,#IASI#,#IASI#,##,##,,##,##,##,##,,##,##\r\n"
                         "8,1,#DOI#,##,##,#ARAD#,#ARAD#,##,##,,##,##,##,##,,##,##\r\n");
    CitesteRepfisc();
    EXPECT_EQ(AngajatorFisaI.CodAngajator, "7");
    EXPECT_EQ(AngajatorFisaI.Denumire, "UNU");
    SalveazaRepfisc();
    EXPECT_EQ(platform::files::readLines("Repfisc.txt"),
              (std::vector<std::string>{"7,1,#UNU#,##,##,#IASI#,#IASI#,##,##,,##,##,##,##,,##,##"}));
}

TEST_F(EmployerRecord, EmptyOrMissingFileChangesNothing) {
    AngajatorFisaI = firma();
    TipAngajator = 2;
    JudetAngajator = "ALBA";
    CitesteRepfisc(); // missing
    writeBytes("Repfisc.txt", "");
    CitesteRepfisc(); // empty
    EXPECT_EQ(AngajatorFisaI, firma());
    EXPECT_EQ(TipAngajator, 2);
    EXPECT_EQ(JudetAngajator, "ALBA");
}

TEST_F(EmployerRecord, EmptyingKeepsOnlyTheCountyList) {
    AngajatorFisaI = firma();
    EtichetaTipAng = "1 - CF/cod unic de inregistrare";
    TipAngajator = 1;
    JudetAngajator = "CLUJ";
    CurataFisaI();
    RecordRepfisc asteptat;
    asteptat.Judet = "CLUJ";
    EXPECT_EQ(AngajatorFisaI, asteptat);
    EXPECT_EQ(EtichetaTipAng, "");
    EXPECT_EQ(TipAngajator, 0);
    EXPECT_EQ(JudetAngajator, " ");
}

} // namespace
} // namespace olm
