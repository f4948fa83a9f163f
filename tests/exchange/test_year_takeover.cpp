#include "exchange/year_takeover.h"
#include "platform/files.h"
#include "shared/record_shape.h"
#include "shared/state.h"
#include "support/fakes.h"
#include "support/file_size_limit.h"
#include "support/record_lines.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace olm {
namespace {

namespace files = platform::files;
using platform::Answer;
using testing::fakeDialogs;
using Linii = std::vector<std::string>;

// A line of a template's layout, with values by field index from 0.
std::string dupaSablon(std::string_view sablon, const std::map<std::size_t, std::string>& valori) {
    Linii campuri(valori.rbegin()->first + 1);
    for (const auto& [i, v] : valori) {
        campuri[i] = v;
    }
    return testing::linieDupaSablon(sablon, campuri);
}

std::string repeta(const std::string& s, int n) { return n == 0 ? "" : s + repeta(s, n - 1); }

std::string id(const std::string& cod) { return cod + ",#POP#,#ION#,#IASI#,##,##,##,700100,##,##,##,##,3"; }
std::string ff1Vechi(const std::string& cod, const std::string& plecare) {
    return dupaSablon(SablonFf12001, {{0, cod}, {1, "POP"}, {2, "ION"}, {3, "IASI"}, {7, "700100"}, {12, "3"},
                                      {16, plecare}, {29, "X"}, {40, "5000"}});
}
std::string ff1Nou(const std::string& cod) {
    return id(cod) + ",##,##,##,##,##,##,##,,," + repeta("1,", 24) + repeta(",", 39);
}
std::string dedVechi(const std::string& ang, const std::string& pers, const Linii& marci) {
    std::map<std::size_t, std::string> v{{0, ang}, {1, pers}, {2, "POP"}, {3, "ANA"}, {12, "0.5"}};
    for (std::size_t i = 0; i < marci.size(); ++i) {
        v[4 + i] = marci[i];
    }
    return dupaSablon(SablonDeduceri2001, v);
}
const std::string A = "1111111111111", B = "2222222222222", C = "3333333333333";

TEST(Preluare, EachLayoutConverted) {
    const std::string ff2 = dupaSablon(SablonFf22001, {{0, A}, {1, "POP"}, {2, "ION"}, {3, "IASI"}, {7, "700100"},
                                                       {12, "3"}, {13, "7"}, {16, "X"}, {30, "900"}});
    const struct {
        const char* nume;
        std::function<std::optional<std::string>(std::string_view)> preia;
        std::string intrare;
        std::optional<std::string> iesire;
        std::string_view sablon;
    } randuri[] = {
        {"employer with a fiscal code", PreiaRepfisc2001,
         "10203045,##,##,#SC BETA SRL#,##,##,#IASI#,#IASI#,#UNIRII#,#5#,700100,##,##,##,##,0",
         "10203045,1,#SC BETA SRL#,##,##,#IASI#,#IASI#,#UNIRII#,#5#,700100,##,##,##,##,0,##,##", SablonRepfisc},
        {"employer with a personal code", PreiaRepfisc2001,
         "1800101221144,#A#,#B#,##,#POP#,#ION#,#ARAD#,#ARAD#,##,##,,##,##,##,##,",
         "1800101221144,2,##,#POP#,#ION#,#ARAD#,#ARAD#,##,##,,##,##,##,##,,##,##", SablonRepfisc},
        {"employer of this year", PreiaRepfisc2001, "19,1,#F#,##,##,##,##,##,##,,##,##,##,##,,##,##", {}, {}},
        {"Fisa 1 to 31/12", PreiaFf12001, ff1Vechi(A, " 31/12/2001 "), ff1Nou(A), SablonFf1},
        {"Fisa 1 without date", PreiaFf12001, ff1Vechi(A, ""), ff1Nou(A), SablonFf1},
        {"Fisa 1 with an empty date", PreiaFf12001, ff1Vechi(A, ".  ."), ff1Nou(A), SablonFf1},
        {"Fisa 1 to 30/12", PreiaFf12001, ff1Vechi(A, "30/12/2001"), {}, {}},
        {"Fisa 1 to 31.12", PreiaFf12001, ff1Vechi(A, "31.12.2001"), {}, {}},
        {"empty line", PreiaFf12001, "", {}, {}},
        {"Fisa 2", PreiaFf22001, ff2, id(A) + ",##,##,##,##,##,##,##,##,##," + repeta(",", 25), SablonFf2},
    };
    for (const auto& r : randuri) {
        SCOPED_TRACE(r.nume);
        const auto iesire = r.preia(r.intrare);
        EXPECT_EQ(iesire, r.iesire);
        EXPECT_TRUE(!iesire || VerificaStructura(*iesire, r.sablon));
    }
}

TEST(Preluare, DependantsTakeTheirQualityFromTheirAge) {
    const struct {
        const char* nume;
        std::string cod;
        Linii marci; // spouse, child, other, grade I, grade II
        std::string calitate; // the new fields 5 to 10
        std::string coeficient;
    } randuri[] = {
        {"child born in 2001", "5010203221140", {"", "X"}, "##,#X#,##,##,##,##", "0.5"},
        {"child of 18, marked spouse too", "1840203221140", {"X", "X"}, "##,#X#,#X#,##,##,##", "0.5"},
        {"child of 18, code 2", "2840203221140", {"", " x "}, "##,#X#,#X#,##,##,##", "0.5"},
        {"child of 32", "1700203221140", {"", "X"}, "##,##,#X#,##,##,##", "0.5"},
        {"spouse with grade II", "2700203221140", {"x", "", "", "", " X"}, "#X#,##,##,##,#X#,##", "1"},
        {"other person with grade I", "1500203221140", {"", "", "X", "X"}, "##,##,#X#,#X#,##,##", "1.5"},
        {"both grades", "1500203221140", {"", "", "X", "X", "X"}, "##,##,#X#,#X#,#X#,##", "1"},
        {"marks other than X", "1500203221140", {"Y", "", "", "XX", "1"}, "##,##,##,##,##,##", "0.5"},
    };
    for (const auto& r : randuri) {
        SCOPED_TRACE(r.nume);
        EXPECT_EQ(PreiaDeduceri2001(dedVechi(A, r.cod, r.marci), 2002),
                  A + "," + r.cod + ",#POP#,#ANA#," + r.calitate + repeta("," + r.coeficient, 12));
    }
}

class PreluareFisiere : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        AnFiscal = 2002;
        for (const char* f : {"Repfisc.txt", "FF1.txt", "FF2.txt", "Deduceri.txt"}) {
            files::writeLines(f, {f});
        }
    }
    static Linii citeste(const char* f) { return files::readLines(f); }
};

TEST_F(PreluareFisiere, TakesOverTheSheetsOfThoseStillEmployed) {
    files::writeLines("Rep_2001.txt", {"10203045,##,##,#F#,##,##,##,##,##,##,,##,##,##,##,", "a second line"});
    files::writeLines("FF1_2001.txt", {ff1Vechi(C, ""), ff1Vechi(B, "30/06/2001"), ff1Vechi(A, "31/12/2001"), "",
                                       ff1Vechi(A, "")});
    files::writeLines("FF2_2001.txt", {dupaSablon(SablonFf22001, {{0, B}, {1, "POP"}}), "garbage"});
    // The dependants stand in another order than the sheets; A has one twice.
    files::writeLines("Ded_2001.txt", {dedVechi(C, "1700203221140", {"", "", "X"}), dedVechi(B, "1700203221140", {"X"}),
                                       dedVechi(A, "1700203221140", {"X"}), dedVechi(A, "1700203221140", {"", "", "X"})});
    CodAngajat = "9";
    fakeDialogs().answer(Answer::Yes);

    EXPECT_TRUE(PreiaAnulPrecedent().efectuata);

    const std::string ded = ",1700203221140,#POP#,#ANA#,##,##,#X#,##,##,##" + repeta(",0.5", 12);
    const Linii ff1{ff1Nou(A), ff1Nou(C)}, dedu{A + ded, C + ded};
    EXPECT_EQ(citeste("Repfisc.txt"), Linii{"10203045,1,#F#,##,##,##,##,##,##,,##,##,##,##,,##,##"});
    EXPECT_EQ(citeste("FF1.txt"), ff1);
    EXPECT_EQ(citeste("FF2.txt"), Linii{B + ",#POP#,##,##,##,##,##,,##,##,##,##," + repeta(",##", 9) + repeta(",", 26)});
    EXPECT_EQ(citeste("Deduceri.txt"), dedu);
    EXPECT_EQ(citeste("FF1_2002.txt"), ff1);
    EXPECT_EQ(citeste("Ded_2002.txt"), dedu);
    EXPECT_EQ(CodAngajat, "9");
    testing::expectMessages({"Se preiau datele anului 2001 pentru a fi actualizate cu informatii din statele de plata "
                             "aferente anului 2002 (venituri, impozite, fise noi). Continuati ? ",
                             {"Preluarea fiselor din 2001 a fost efectuata: 2 fise '1' (din 5) si 1 fise '2' (din 2).",
                              " ", platform::Icon::None}});
}

TEST_F(PreluareFisiere, MissingCopiesGiveEmptyFilesAndNoDependants) {
    files::writeLines("Rep_2001.txt", {"10203045,##,##,#F#,##,##,##,##,##,##,,##,##,##,##,"});
    files::writeLines("Ded_2001.txt", {dedVechi(A, "1700203221140", {"X"})});
    fakeDialogs().answer(Answer::Yes);
    EXPECT_TRUE(PreiaAnulPrecedent().efectuata);
    for (const char* f : {"FF1.txt", "FF2.txt", "Deduceri.txt"}) {
        EXPECT_TRUE(files::exists(f) && citeste(f).empty()) << f;
    }
    EXPECT_EQ(fakeDialogs().texts().back(),
              "Preluarea fiselor din 2001 a fost efectuata: 0 fise '1' (din 0) si 0 fise '2' (din 0).");
}

TEST_F(PreluareFisiere, RefusalsAndFailuresChangeNoWorkingFile) {
    const std::string angajator = "10203045,##,##,#F#,##,##,##,##,##,##,,##,##,##,##,";
    Linii multe;
    for (int i = 0; i < 100; ++i) {
        multe.push_back(dupaSablon(SablonFf22001, {{0, std::to_string(1000 + i)}}));
    }
    const struct {
        const char* nume;
        Linii rep, ff2;
        bool ff1Director;
        Answer raspuns;
        std::string mesaj;
    } randuri[] = {
        {"no previous year", {}, {}, false, Answer::Ok, "   Preluare abandonata. Fisierele text sunt goale sau nu \r\n"
         "contin date pentru anul 2001.\r\n   Pentru a prelua datele din anul 2001, iesiti din aplicatie \r\nsi "
         "copiati fisierele text Repfisc,Ff1,Ff2 si Deduceri in\r\ndirectorul aplicatiei. Dupa preluare, fisierele "
         "Repfisc,Ff1,Ff2\r\nsi Deduceri preiau structura anului 2002."},
        {"the clerk says no", {angajator}, {}, false, Answer::No, "Se preiau datele anului 2001 pentru"},
        {"a copy that cannot be read", {angajator}, {}, true, Answer::Yes, "Eroare 75 la citirea fisierului FF1_2001.txt."},
        {"a full disk", {angajator}, multe, false, Answer::Yes, "Eroare 61 la scrierea fisierului FF2.txt."},
    };
    for (const auto& r : randuri) {
        SCOPED_TRACE(r.nume);
        files::writeLines("Rep_2001.txt", r.rep);
        files::writeLines("FF2_2001.txt", r.ff2);
        r.ff1Director ? std::filesystem::create_directory("FF1_2001.txt") : std::filesystem::remove_all("FF1_2001.txt");
        if (r.raspuns != Answer::Ok) {
            fakeDialogs().answer(r.raspuns);
        }
        {
            testing::LimitaFisiere plin(4096);
            EXPECT_FALSE(PreiaAnulPrecedent().efectuata);
        }
        for (const char* f : {"Repfisc.txt", "FF1.txt", "FF2.txt", "Deduceri.txt"}) {
            EXPECT_EQ(citeste(f), Linii{f}) << f;
        }
        EXPECT_TRUE(fakeDialogs().texts().back().starts_with(r.mesaj)) << fakeDialogs().texts().back();
        fakeDialogs().messages.clear();
    }
}

} // namespace
} // namespace olm
