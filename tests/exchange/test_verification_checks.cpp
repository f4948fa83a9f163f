#include "exchange/verification_dependants.h"
#include "exchange/verification_employer.h"
#include "exchange/verification_fisa2.h"
#include "exchange/verification_report.h"
#include "support/record_lines.h"
#include "verification_test_support.h"

#include <gtest/gtest.h>

namespace olm::testing {
namespace {

using Linii = std::vector<std::string>;

TEST(VerificationEmployer, CodeIsAFiscalCodeOrAPersonalNumericCode) {
    const std::pair<const char*, Linii> randuri[] = {
        {"10203045", {}},
        {"0010203045", {}},
        {"1750305123453", {}},
        {"", {"CF/CNP lipsa. "}},
        {"123", {"CF/CNP 123 eronat. "}},
        {"10203045123", {"CF/CNP 10203045123 eronat. "}},
        {"ABC", {"CF/CNP ABC eronat. ", "CF/CNP lipsa. "}},
    };
    for (const auto& [cod, asteptat] : randuri) {
        SCOPED_TRACE(cod);
        RaportVerificare raport;
        const std::string linie = std::string(cod) + ",1,#SC BETA SRL#,##,##,##,##,##,##,,##,##,##,##,,##,##";
        EXPECT_EQ(VerificaCodAngajator({linie}, raport), cod) << "the code as read";
        EXPECT_EQ(raport.linii(), asteptat);
        EXPECT_EQ(raport.existaErori(), !asteptat.empty());
    }
}

TEST(VerificationEmployer, TheEarlierLayoutLosesTheMarksOfItsKind) {
    EXPECT_EQ(RepfiscInFormaCurenta("1750305123453,#2#,##,#POP#,#ION#,#IASI#,#IASI#,##,##,,##,##,##,##,,##,##"),
              "1750305123453,2,##,#POP#,#ION#,#IASI#,#IASI#,##,##,,##,##,##,##,,##,##");
    EXPECT_EQ(RepfiscInFormaCurenta("10203045,1,#SC BETA SRL#,##,##,##,##,##,##,,##,##,##,##,,##,##"), std::nullopt);
}

TEST(VerificationReport, TheCopyIsNamedByTheDigitsOfTheCode) {
    const std::pair<const char*, const char*> randuri[] = {
        {"0010203045", "erori_10203045.txt"}, {"1750305123453", "erori_1750305123453.txt"},
        {"", "erori_0.txt"},                  {"../x", "erori_0.txt"},
        {"00", "erori_0.txt"},                {"123456789012345678901", "erori_123456789012345678901.txt"},
    };
    for (const auto& [cod, nume] : randuri) {
        SCOPED_TRACE(cod);
        EXPECT_EQ(NumeCopieRaport(cod), nume);
    }
}

TEST(VerificationFisa2, CodeAndTotals) {
    const auto fisa2 = [](const char* cod, const char* luna1, const char* luna2, const char* venit,
                          const char* impozit) {
        return linieCu(structuraFf2(), {{0, cod}, {1, "BARBU"}, {22, luna1}, {23, "10"}, {24, luna2},
                                        {25, "10"}, {46, venit}, {47, impozit}});
    };
    const std::string c = "2791201123454";
    verificaLinii({
        {"sound", fisa2("2791201123454", "100", "200", "300", "20"), {}},
        {"a wrong code", fisa2("2791201123455", "100", "200", "300", "20"), {"CNP 2791201123455 eronat."}},
        {"a wrong total income, shown as written", fisa2("2791201123454", "100", "200", "0310", "20"),
         {c + " Total venit net gresit = 0310 # 300(cel corect)."}},
        {"a wrong total tax", fisa2("2791201123454", "100", "200", "300", ""),
         {c + " Total impozit calculat si retinut gresit =  # 20(cel corect)."}},
        {"decimals add up as written", fisa2("2791201123454", "100.10", "200.20", "300.3", "20"), {}},
    }, VerificaFisa2);
}

// A dependant's line: marks spouse, child, other, grade I, grade II, and the
// coefficients from a month on.
std::string persoana(const std::string& cod, const std::string& marci, const std::string& coef, int dinLuna = 1) {
    std::vector<std::string> f(structuraDeduceri().size());
    f[0] = "1830710123451";
    f[1] = cod;
    f[2] = "DUMA";
    for (std::size_t i = 0; i < marci.size(); ++i) {
        f[4 + i] = marci[i] == 'X' ? "X" : "";
    }
    for (int luna = dinLuna; luna <= 12; ++luna) {
        f[9 + static_cast<std::size_t>(luna)] = coef;
    }
    return unesteCampuri(f, structuraDeduceri());
}

using Dependants = VerificationTest;

TEST_F(Dependants, EachLineByItself) {
    const std::string k = "1830710123451,";
    verificaLinii({
        {"a child born in June with coefficients from January", persoana("5020615123458", ".X...", "0.5"),
         {k + "5020615123458 coef.de deducere pentru copil de 1 an nenuli pe lunile pana la nastere."}},
        {"... from June", persoana("5020615123458", ".X...", "0.5", 6), {}},
        {"a child born the year before", persoana("5011010123455", ".X...", "0.5"), {}},
        {"a child of 19", persoana("1830205123451", ".X...", "0.5"),
         {k + "1830205123451 Calitate - COPIL - pentru persoana intretinuta in varsta de peste 18 ani."}},
        {"a child of 18", persoana("1840205123458", ".X...", "0.5"), {}},
        {"1.5 without grade I", persoana("1650510123456", "..X..", "1.5"),
         {k + "1650510123456 coef.de deducere necorelati cu marcajul pentru handicap."}},
        {"grade I without 1.5", persoana("1650510123456", "..XX.", "0.5"),
         {k + "1650510123456 coef.de deducere necorelati cu marcajul pentru handicap."}},
        {"1 without grade II", persoana("1650510123456", "..X..", "1"),
         {k + "1650510123456 coef.de deducere necorelati cu marcajul pentru handicap."}},
        {"a quarter", persoana("1650510123456", "..X..", "0.25"),
         {k + "1650510123456 coef.de deducere diferiti de 0, 0.5, 1, 1.5."}},
        {"wrong codes", persoana("1650510123455", "..X..", "0.5"),
         {"CNP pers.intretinuta 1650510123455 eronat (la CNP angajat 1830710123451)."}},
        {"... and the employee's", "1830710123452" + persoana("1650510123455", "..X..", "0.5").substr(13),
         {"CNP angajat 1830710123452 eronat ; CNP pers.intretinuta 1650510123455 eronat "
          "(la CNP angajat 1830710123452)."}},
    }, VerificaPersoanaIntretinuta);
}

TEST_F(Dependants, TotalCoefficientsAreOwnPlusDependants) {
    // Own 1 and total 1.5 all the year.
    std::vector<std::string> f = campuriFisa1("1830710123451");
    f[1] = "DUMA";
    for (std::size_t i = 0; i < 12; ++i) {
        f[22 + i] = "1.5";
    }
    const std::string duma = linieFisa1(f);
    const std::string singur = linieFisa1(campuriFisa1("2791201123454")); // own = total, no dependant
    f[0] = "2791201123454";
    puneDeLa(f, 23, {"1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"});
    const std::string ultimul = linieFisa1(f); // 1.5 in January alone
    const std::string strain = persoana("1650510123456", "..X..", "0.5");
    struct Rand {
        const char* nume;
        Linii ff1, ded;
        Linii asteptat;
    };
    const Rand randuri[] = {
        {"a dependant at 0.5 all the year", {duma, singur}, {persoana("5011010123455", ".X...", "0.5")}, {}},
        {"a dependant from July",
         {duma, singur},
         {persoana("5011010123455", ".X...", "0.5", 7)},
         {"1830710123451 DUMA ION : Luna 1: 1+0<>1.5 | Luna 2: 1+0<>1.5 | Luna 3: 1+0<>1.",
          "5 | Luna 4: 1+0<>1.5 | Luna 5: 1+0<>1.5 | Luna 6: 1+0<>1.5 | ",
          std::string(78, '_')}},
        {"dependants are added up; one of an employee without a Fisa 1 is not reported",
         {duma},
         {"1000000000000" + strain.substr(13), persoana("5011010123455", ".X...", "0.25"),
          persoana("5011010123455", ".X...", "0.25")},
         {}},
        {"dependants of one employee apart from each other are added up",
         {duma},
         {persoana("5011010123455", ".X...", "0.25"), "1000000000000" + strain.substr(13),
          persoana("5011010123455", ".X...", "0.25")},
         {}},
        {"an employee after the last dependant's is still compared",
         {duma, ultimul},
         {persoana("5011010123455", ".X...", "0.5")},
         {"2791201123454 DUMA ION : Luna 1: 1+0<>1.5 | ", std::string(78, '_')}},
        {"no dependant at all", {duma, singur}, {},
         {"1830710123451 coeficienti totali incorecti (angajatul nu are ded.suplim.)."}},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        std::vector<CoeficientiAngajat> angajati;
        for (const std::string& linie : r.ff1) {
            angajati.push_back(CoeficientiDinFisa1(linie));
        }
        RaportVerificare raport;
        VerificaCorelareCoeficienti(angajati, r.ded, raport);
        EXPECT_EQ(raport.linii(), r.asteptat);
    }
}

} // namespace
} // namespace olm::testing
