// Looking an employee's sheets up and opening them into the forms' records.

#include "shared/employee_identity.h"
#include "shared/employee_lookup.h"
#include "sheet_test_support.h"
#include "support/fakes.h"
#include "support/sample_data.h"

#include <filesystem>

namespace olm {
namespace {

using testing::crlf;
using testing::dependant;
using testing::expectMessages;
using testing::expectOneMessage;
using testing::writeBytes;

using testing::kX;
const std::string kAltul = "1800604069575";

RecordFf1 fisa1(const std::string& cod, const std::string& judet) {
    RecordFf1 r;
    r.id = {cod, "POPESCU", "ION", "ALBA IULIA", judet, "STR. MARE", "1", "510000", "", "", "", "", ""};
    r.MarcaRectif = "X";
    r.MarcaAlteS = "x";
    r.MarcaInv1 = " X ";
    r.DataAngajarii = "01.03.2002";
    r.DataIncetarii = "31-08-2002";
    r.CoefCalc.fill("2");
    r.CoefProp.fill("1");
    r.CoefCalc[11] = "";
    r.VenitN[2] = "3000000";
    r.ImpC[2] = "400000";
    r.Luni = "6";
    r.ChAc = "50000";
    r.Reg = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    return r;
}

RecordFf2 fisa2(const std::string& cod, const std::string& judet) {
    RecordFf2 r;
    r.id = {cod, "POPESCU", "ION", "DEVA", judet, "STR. MICA", "2", "330000", "", "", "", "", ""};
    r.TipAS[1] = " x ";
    r.VenitCS[0] = "0";
    r.ImpS[0] = "0";
    r.VenitCS[12] = "700";
    return r;
}

class EmployeeLookup : public testing::SheetTest {
protected:
    // The other employee first, then X where he has sheets.
    void fise(bool f1, bool f2, const std::string& judet = "ALBA") {
        std::vector<std::string> ff1{linieFf1(fisa1(kAltul, "CLUJ"))};
        std::vector<std::string> ff2{linieFf2(fisa2(kAltul, "CLUJ"))};
        if (f1) {
            ff1.push_back(linieFf1(fisa1(kX, judet)));
        }
        if (f2) {
            ff2.push_back(linieFf2(fisa2(kX, judet)));
        }
        writeBytes("FF1.txt", crlf(ff1));
        writeBytes("FF2.txt", crlf(ff2));
        writeBytes("Deduceri.txt",
                   crlf({dependant(kX, 1), dependant(kAltul, 2), dependant(kX, 3), dependant(kX, 4)}));
        CodAngajat = kX;
    }
};

TEST_F(EmployeeLookup, FindsNoneOneOrBothSheets) {
    // PozitiiFisa holds the line of his Fisa 2 first, then of his Fisa 1.
    struct Caz {
        bool f1, f2;
        const char* fise;
        int poz2, poz1;
    };
    for (const Caz& c : {Caz{false, false, "", 0, 0}, Caz{true, false, "F1", 0, 2}, Caz{false, true, "F2", 2, 0},
                         Caz{true, true, "F1F2", 2, 2}}) {
        SCOPED_TRACE(c.fise);
        fise(c.f1, c.f2);
        ASSERT_TRUE(CautaFiseAngajat());
        EXPECT_EQ(FiseAngajat, c.fise);
        EXPECT_EQ(PozitiiFisa[0], c.poz2);
        EXPECT_EQ(PozitiiFisa[1], c.poz1);
    }

    // A code that only begins a stored code finds nothing.
    CodAngajat = kX.substr(0, 10);
    ASSERT_TRUE(CautaFiseAngajat());
    EXPECT_EQ(FiseAngajat, "");

    // A Fisa 1 file that cannot be read leaves nothing of the previous
    // lookup: his Fisa 2 form would otherwise not be emptied.
    fise(false, true);
    ASSERT_TRUE(CautaFiseAngajat());
    ASSERT_EQ(PozitiiFisa[0], 2);
    std::filesystem::remove("FF1.txt");
    std::filesystem::create_directory("FF1.txt");
    EXPECT_FALSE(CautaFiseAngajat());
    EXPECT_EQ(FiseAngajat, "");
    EXPECT_EQ(PozitiiFisa[0], 0);
}

TEST_F(EmployeeLookup, SampleEmployeesAreFoundWithTheirSheets) {
    const auto s = testing::generateSample(200, {.seed = 11});
    testing::writeSample(s);
    for (const auto& e : s.employees) {
        CodAngajat = e.code;
        ASSERT_TRUE(CautaFiseAngajat());
        EXPECT_EQ(FiseAngajat, std::string(e.fisa1 ? "F1" : "") + (e.fisa2 ? "F2" : "")) << e.code;
    }
}

TEST_F(EmployeeLookup, ModifyingAFisa1LoadsIdentitySituationSheetAndDependants) {
    fise(true, true);
    ASSERT_TRUE(CautaFiseAngajat());
    // Left by the sheet shown before: VI.4 is not loaded (the form computes it
    // again) and a tick is not stored, so both go back to the designed state.
    Fisa1Date.Reg[3] = "RAMAS";
    Fisa1Date.Bif[3] = 1;
    ModIncarcare = 3;
    DeschideFisa();

    const FormaFisaII& f = AngajatFisaII;
    EXPECT_EQ(f.NumeS, "POPESCU");
    EXPECT_EQ(f.AdrS[0], "ALBA IULIA");
    EXPECT_EQ(f.AdrS[3], "510000");
    EXPECT_EQ(f.JudS, "ALBA");
    EXPECT_EQ(f.Xrectif, 1);
    EXPECT_EQ(MarcaRectif, "X");
    EXPECT_EQ(f.XAlteS, 1);
    EXPECT_EQ(f.Inv1A, 1);
    EXPECT_EQ(MarcaInv1Fisa, "X");
    EXPECT_EQ(f.Inv2A, 0);
    EXPECT_EQ(f.Job0, "01/03/2002");
    EXPECT_EQ(f.Job1, "31/08/2002");

    EXPECT_EQ(Fisa1Date.CoefCalc[0], "2");
    EXPECT_EQ(Fisa1Date.CoefCalc[11], "0");
    EXPECT_EQ(Fisa1Date.VenitN[2], "3000000");
    EXPECT_EQ(Fisa1Date.VenitN[3], "");
    EXPECT_EQ(Fisa1Date.Luni, "6");
    EXPECT_EQ(Fisa1Date.ChAc, "50000");
    EXPECT_EQ(Fisa1Date.Reg[3], "");
    EXPECT_EQ(Fisa1Date.Bif[3], 0);
    EXPECT_EQ(Fisa1Date.Reg[10], "8");
    EXPECT_EQ(Fisa1Date.Reg[12], "10");

    EXPECT_EQ(NrPersoane, 3);
    EXPECT_EQ(PersoanaCurenta, 1);
    EXPECT_EQ(Fisa1Date.persoana.NumeI, "NUME1");
    EXPECT_EQ(Fisa1Date.SfatPersoane, "Sunt inregistrate 3 persoane");
    EXPECT_EQ(Fisa1Date.Text2, "1");
    EXPECT_EQ(PozitiiFisa[1], 2);
    EXPECT_EQ(TipFisaCrt, 1);
    EXPECT_EQ(f.StergeCaption, "Sterge fisa 1");
    EXPECT_TRUE(f.StergeActiv);
    EXPECT_TRUE(f.Frame1);
    EXPECT_EQ(f.focus, FocusFisaII::Command1);
    EXPECT_FALSE(f.Ok_Fisa2); // mode 3: his Fisa 2 is reached another way
    expectMessages({});
}

TEST_F(EmployeeLookup, OpeningAFisa2LeavesTheSituationOfTheForm) {
    fise(true, true);
    ASSERT_TRUE(CautaFiseAngajat());
    AngajatFisaII.Xreg = 1;
    AngajatFisaII.Job0 = "05/05/2002";
    ModIncarcare = 6;
    DeschideFisa();
    EXPECT_EQ(AngajatFisaII.AdrS[0], "DEVA");
    EXPECT_EQ(AngajatFisaII.Xrectif, 0);
    EXPECT_EQ(MarcaRectif, "");
    EXPECT_EQ(AngajatFisaII.Xreg, 1);
    EXPECT_EQ(AngajatFisaII.Job0, "05/05/2002");
    EXPECT_EQ(Fisa2Date.TAS[1], 1);
    EXPECT_EQ(Fisa2Date.TAS[0], 0);
    EXPECT_EQ(Fisa2Date.VenitCS[0], "0");
    EXPECT_EQ(Fisa2Date.VenitCS[12], "700");
    EXPECT_EQ(PozitiiFisa[0], 2);
    EXPECT_EQ(FisierFisa, "FF2.txt");
}

TEST_F(EmployeeLookup, CreatingTheOtherSheetLoadsOnlyTheIdentity) {
    fise(true, false);
    ASSERT_TRUE(CautaFiseAngajat());
    Fisa1Date.VenitN[2] = "NEATINS";
    ModIncarcare = 4;
    DeschideFisa();
    EXPECT_EQ(AngajatFisaII.AdrS[0], "ALBA IULIA");
    EXPECT_EQ(Fisa1Date.VenitN[2], "NEATINS");
    EXPECT_EQ(NrPersoane, 0);
    EXPECT_FALSE(AngajatFisaII.Frame1);
    EXPECT_TRUE(AngajatFisaII.Ok_Fisa1);
    EXPECT_TRUE(AngajatFisaII.Ok_Fisa2);
    EXPECT_EQ(PozitiiFisa[0], 0); // a Fisa 2 to create

    fise(false, true);
    ASSERT_TRUE(CautaFiseAngajat());
    Fisa2Date.VenitCS[12] = "NEATINS";
    ModIncarcare = 5;
    DeschideFisa();
    EXPECT_EQ(AngajatFisaII.AdrS[0], "DEVA");
    EXPECT_EQ(Fisa2Date.VenitCS[12], "NEATINS");
    EXPECT_EQ(PozitiiFisa[1], 0);
}

TEST_F(EmployeeLookup, ACountyNotInTheListIsToldOnceWhenAFisa1IsOpened) {
    fise(true, true, "ATLANTIDA");
    ASSERT_TRUE(CautaFiseAngajat());
    // Opening his Fisa 2 takes the blank entry without a word.
    ModIncarcare = 6;
    DeschideFisa();
    EXPECT_EQ(AngajatFisaII.JudS, " ");
    expectMessages({});

    ModIncarcare = 1;
    DeschideFisa();
    EXPECT_EQ(AngajatFisaII.JudS, " ");
    EXPECT_EQ(JudetTmp, "ATLANTIDA");
    expectOneMessage("Judet eronat.", "", platform::Icon::Exclamation);
    // The rest was loaded all the same.
    EXPECT_EQ(Fisa1Date.VenitN[2], "3000000");

    fise(true, true, "");
    ModIncarcare = 3;
    DeschideFisa();
    EXPECT_EQ(AngajatFisaII.JudS, " ");
    expectMessages({}); // an empty county is no error
}

TEST_F(EmployeeLookup, ADamagedLineIsNamedByFileAndNumber) {
    writeBytes("FF1.txt", crlf({linieFf1(fisa1(kAltul, "CLUJ")), kX + ",#POPESCU#,#ION"}));
    writeBytes("FF2.txt", "");
    writeBytes("Deduceri.txt", "");
    CodAngajat = kX;
    ASSERT_TRUE(CautaFiseAngajat());
    ModIncarcare = 1;
    DeschideFisa();
    expectMessages({"Fisierul FF1.txt are linia 2 eronata."});
    EXPECT_EQ(AngajatFisaII.NumeS, "POPESCU");
}

TEST_F(EmployeeLookup, EmptyingTheFormKeepsLocalityAndCountyAndShowsIt) {
    int aratari = 0;
    ArataFisaIIHandler = [&] { ++aratari; };
    FormaFisaII& f = AngajatFisaII;
    f.CodS = kX;
    f.NumeS = "POPESCU";
    f.AdrS = {"CLUJ-NAPOCA", "STR", "1", "400100", "B", "C", "2", "3", ""};
    f.JudS = "CLUJ";
    f.Xrectif = f.Xreg = f.Inv2A = 1;
    f.Job0 = "01/02/2002";
    f.Ok_Fisa1 = f.Ok_Fisa2 = false;
    f.StergeCaption = "Sterge fisa 1";
    f.StergeActiv = true;
    f.Frame1 = true;
    CodAngajat = kX;

    CurataFisaII();
    EXPECT_EQ(aratari, 1);
    EXPECT_EQ(f.CodS, "");
    EXPECT_EQ(f.NumeS, "");
    EXPECT_EQ(f.AdrS[0], "CLUJ-NAPOCA");
    EXPECT_EQ(f.AdrS[1], "");
    EXPECT_EQ(f.AdrS[3], "");
    EXPECT_EQ(f.JudS, "CLUJ");
    EXPECT_EQ(f.Xrectif + f.Xreg + f.Inv2A, 0);
    EXPECT_EQ(f.Job0, "");
    EXPECT_TRUE(f.Ok_Fisa1 && f.Ok_Fisa2);
    EXPECT_EQ(f.StergeCaption, "Sterge fisa");
    EXPECT_FALSE(f.StergeActiv);
    EXPECT_TRUE(f.Frame1);
    EXPECT_EQ(f.focus, FocusFisaII::Option1);
    EXPECT_EQ(CodAngajat, kX);
}

} // namespace
} // namespace olm
