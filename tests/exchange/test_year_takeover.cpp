#include "exchange/year_takeover.h"
#include "platform/files.h"
#include "shared/record_shape.h"
#include "shared/state.h"
#include "support/fakes.h"
#include "support/file_size_limit.h"
#include "support/record_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace olm {
namespace {

namespace files = platform::files;
using platform::Answer;
using testing::fakeDialogs;
using Linii = std::vector<std::string>;

// A line of the layout of a template, with values by field index from 0.
std::string dupaSablon(std::string_view sablon, const std::map<std::size_t, std::string>& valori) {
    std::vector<std::string> campuri;
    for (const auto& [i, v] : valori) {
        campuri.resize(std::max(campuri.size(), i + 1));
        campuri[i] = v;
    }
    return testing::linieDupaSablon(sablon, campuri);
}

std::string repeta(const std::string& s, int n) {
    std::string r;
    for (int i = 0; i < n; ++i) {
        r += s;
    }
    return r;
}

const std::string IdVechi = "1800101221144,#POP#,#ION#,#IASI#,##,##,##,700100,##,##,##,##,3";
std::string ff1Vechi(const std::string& cod, const std::string& plecare) {
    return dupaSablon(SablonFf12001, {{0, cod}, {1, "POP"}, {2, "ION"}, {3, "IASI"}, {7, "700100"}, {12, "3"},
                                      {16, plecare}, {40, "5000"}, {29, "X"}});
}
std::string ff1Nou(const std::string& id) {
    return id + ",##,##,##,##,##,##,##,,," + repeta("1,", 24) + repeta(",", 39);
}
std::string dedVechi(const std::string& ang, const std::string& pers, std::vector<std::string> marci) {
    std::map<std::size_t, std::string> v{{0, ang}, {1, pers}, {2, "POP"}, {3, "ANA"}, {12, "0.5"}};
    for (std::size_t i = 0; i < marci.size(); ++i) {
        v[4 + i] = marci[i];
    }
    return dupaSablon(SablonDeduceri2001, v);
}

TEST(Preluare, EachLayoutConverted) {
    AnFiscal = 2002;
    const std::string ff2Id = "1800101221144,#POP#,#ION#,#IASI#,##,##,##,700100,##,##,##,##,3";
    struct Rand {
        const char* nume;
        std::function<std::optional<std::string>(std::string_view)> converteste;
        std::string intrare;
        std::optional<std::string> iesire;
        std::string_view sablon = SablonFf1; // of the line written
    } randuri[] = {
        {"employer with a fiscal code", PreiaRepfisc2001,
         "10203045,##,##,#SC BETA SRL#,##,##,#IASI#,#IASI#,#UNIRII#,#5#,700100,##,##,##,##,0",
         "10203045,1,#SC BETA SRL#,##,##,#IASI#,#IASI#,#UNIRII#,#5#,700100,##,##,##,##,0,##,##", SablonRepfisc},
        {"employer with a personal code", PreiaRepfisc2001,
         "1800101221144,#A#,#B#,##,#POP#,#ION#,#ARAD#,#ARAD#,##,##,,##,##,##,##,",
         "1800101221144,2,##,#POP#,#ION#,#ARAD#,#ARAD#,##,##,,##,##,##,##,,##,##", SablonRepfisc},
        {"employer of this year's layout", PreiaRepfisc2001, "19,1,#F#,##,##,##,##,##,##,,##,##,##,##,,##,##",
         std::nullopt},
        {"Fisa 1 to the end of the year", PreiaFf12001, ff1Vechi("1800101221144", "31/12/2001"), ff1Nou(IdVechi)},
        {"Fisa 1 with blanks around the date", PreiaFf12001, ff1Vechi("1800101221144", " 31/12/2001 "),
         ff1Nou(IdVechi)},
        {"Fisa 1 without a leaving date", PreiaFf12001, ff1Vechi("1800101221144", ""), ff1Nou(IdVechi)},
        {"Fisa 1 with an empty date", PreiaFf12001, ff1Vechi("1800101221144", ".  ."), ff1Nou(IdVechi)},
        {"Fisa 1 left on 30 December", PreiaFf12001, ff1Vechi("1800101221144", "30/12/2001"), std::nullopt},
        {"Fisa 1 with the date written with points", PreiaFf12001, ff1Vechi("1800101221144", "31.12.2001"),
         std::nullopt},
        {"empty line", PreiaFf12001, "", std::nullopt},
        {"Fisa 2", PreiaFf22001,
         dupaSablon(SablonFf22001, {{0, "1800101221144"}, {1, "POP"}, {2, "ION"}, {3, "IASI"}, {7, "700100"},
                                    {12, "3"}, {13, "7"}, {16, "X"}, {30, "900"}}),
         ff2Id + ",##,##,##,##,##,##,##,##,##," + repeta(",", 25), SablonFf2},
    };
    for (const auto& r : randuri) {
        SCOPED_TRACE(r.nume);
        const auto iesire = r.converteste(r.intrare);
        EXPECT_EQ(iesire, r.iesire);
        if (iesire) {
            EXPECT_TRUE(VerificaStructura(*iesire, r.sablon));
        }
    }
}

TEST(Preluare, DependantsTakeTheirQualityFromTheirAge) {
    const std::string cap = "1800101221144,";
    struct Rand {
        const char* nume;
        std::string cod;
        std::vector<std::string> marci; // spouse, child, other, grade I, grade II
        std::string calitate;           // the new fields 5 to 10
        std::string coeficient;
    } randuri[] = {
        {"child born in 2001", "5010203221140", {"", "X"}, "##,#X#,##,##,##,##", "0.5"},
        {"child of 18, marked spouse too", "1840203221140", {"X", "X"}, "##,#X#,#X#,##,##,##", "0.5"},
        {"child of 18 born in the 1900s, code 2", "2840203221140", {"", " x "}, "##,#X#,#X#,##,##,##", "0.5"},
        {"child of 32", "1700203221140", {"", "X"}, "##,##,#X#,##,##,##", "0.5"},
        {"spouse with grade II", "2700203221140", {"x", "", "", "", " X"}, "#X#,##,##,##,#X#,##", "1"},
        {"other person with grade I", "1500203221140", {"", "", "X", "X"}, "##,##,#X#,#X#,##,##", "1.5"},
        {"both grades", "1500203221140", {"", "", "X", "X", "X"}, "##,##,#X#,#X#,#X#,##", "1"},
        {"marks other than X", "1500203221140", {"Y", "", "", "XX", "1"}, "##,##,##,##,##,##", "0.5"},
    };
    for (const auto& r : randuri) {
        SCOPED_TRACE(r.nume);
        EXPECT_EQ(PreiaDeduceri2001(dedVechi("1800101221144", r.cod, r.marci), 2002),
                  cap + r.cod + ",#POP#,#ANA#," + r.calitate + repeta("," + r.coeficient, 12));
    }
    EXPECT_EQ(PreiaDeduceri2001(cap + "1500203221140,#POP#,#ANA#", 2002), std::nullopt);
}

class PreluareFisiere : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        AnFiscal = 2002;
        for (const char* f : {"Repfisc.txt", "FF1.txt", "FF2.txt", "Deduceri.txt"}) {
            files::writeLines(f, {std::string("vechi ") + f});
        }
    }
    static Linii lucru(const char* f) { return files::readLines(f); }
};

const std::string A = "1111111111111", B = "2222222222222", C = "3333333333333";
std::string id(const std::string& cod) { return cod + ",#POP#,#ION#,#IASI#,##,##,##,700100,##,##,##,##,3"; }

TEST_F(PreluareFisiere, TakesOverTheSheetsOfThoseStillEmployed) {
    files::writeLines("Rep_2001.txt", {"10203045,##,##,#SC BETA SRL#,##,##,#IASI#,#IASI#,#UNIRII#,#5#,700100,##,##,##,##,0",
                                       "a second line"});
    files::writeLines("FF1_2001.txt", {ff1Vechi(C, ""), ff1Vechi(B, "30/06/2001"), ff1Vechi(A, "31/12/2001"), "",
                                       ff1Vechi(A, "")});
    files::writeLines("FF2_2001.txt", {dupaSablon(SablonFf22001, {{0, B}, {1, "POP"}}), "garbage"});
    // The dependants stand in another order than the sheets.
    files::writeLines("Ded_2001.txt", {dedVechi(C, "1700203221140", {"", "", "X"}),
                                       dedVechi(B, "1700203221140", {"X"}),
                                       dedVechi(A, "1700203221140", {"X"}),
                                       dedVechi(A, "1700203221140", {"", "", "X"})});
    CodAngajat = "9";
    fakeDialogs().answer(Answer::Yes);

    EXPECT_TRUE(PreiaAnulPrecedent().efectuata);

    const std::string ded = ",1700203221140,#POP#,#ANA#,";
    const Linii rep{"10203045,1,#SC BETA SRL#,##,##,#IASI#,#IASI#,#UNIRII#,#5#,700100,##,##,##,##,0,##,##"};
    const Linii ff1{ff1Nou(id(A)), ff1Nou(id(C))};
    const Linii ff2{B + ",#POP#,##,##,##,##,##,,##,##,##,##,,##,##,##,##,##,##,##,##,##," + repeta(",", 25)};
    const Linii dedu{A + ded + "##,##,#X#,##,##,##" + repeta(",0.5", 12),
                     C + ded + "##,##,#X#,##,##,##" + repeta(",0.5", 12)};
    EXPECT_EQ(lucru("Repfisc.txt"), rep);
    EXPECT_EQ(lucru("FF1.txt"), ff1);
    EXPECT_EQ(lucru("FF2.txt"), ff2);
    EXPECT_EQ(lucru("Deduceri.txt"), dedu);
    EXPECT_EQ(lucru("Rep_2002.txt"), rep);
    EXPECT_EQ(lucru("Ded_2002.txt"), dedu);
    EXPECT_EQ(CodAngajat, "9");
    EXPECT_EQ(fakeDialogs().texts(),
              (Linii{"Se preiau datele anului 2001 pentru a fi actualizate cu informatii din statele de plata "
                     "aferente anului 2002 (venituri, impozite, fise noi). Continuati ? ",
                     "Preluarea fiselor din 2001 a fost efectuata: 2 fise '1' (din 5) si 1 fise '2' (din 2)."}));
}

TEST_F(PreluareFisiere, MissingCopiesGiveEmptyFilesAndNoDependants) {
    files::writeLines("Rep_2001.txt", {"10203045,##,##,#F#,##,##,##,##,##,##,,##,##,##,##,"});
    files::writeLines("Ded_2001.txt", {dedVechi(A, "1700203221140", {"X"})});
    fakeDialogs().answer(Answer::Yes);
    EXPECT_TRUE(PreiaAnulPrecedent().efectuata);
    for (const char* f : {"FF1.txt", "FF2.txt", "Deduceri.txt"}) {
        SCOPED_TRACE(f);
        EXPECT_TRUE(files::exists(f));
        EXPECT_TRUE(lucru(f).empty());
    }
    EXPECT_EQ(fakeDialogs().texts().back(),
              "Preluarea fiselor din 2001 a fost efectuata: 0 fise '1' (din 0) si 0 fise '2' (din 0).");
}

TEST_F(PreluareFisiere, RefusalsAndFailuresChangeNoWorkingFile) {
    const std::string angajator = "10203045,##,##,#F#,##,##,##,##,##,##,,##,##,##,##,";
    const std::string faraDate =
        "   Preluare abandonata. Fisierele text sunt goale sau nu \r\ncontin date pentru anul 2001.\r\n"
        "   Pentru a prelua datele din anul 2001, iesiti din aplicatie \r\nsi copiati fisierele text "
        "Repfisc,Ff1,Ff2 si Deduceri in\r\ndirectorul aplicatiei. Dupa preluare, fisierele Repfisc,Ff1,Ff2\r\n"
        "si Deduceri preiau structura anului 2002.";
    struct Rand {
        const char* nume;
        std::function<void()> pregateste;
        std::vector<Answer> raspunsuri;
        bool discPlin;
        std::string ultimulMesaj;
    } randuri[] = {
        {"no previous year", [] {}, {}, false, faraDate},
        {"the clerk says no", [&] { files::writeLines("Rep_2001.txt", {angajator}); }, {Answer::No}, false, ""},
        {"a copy that cannot be read",
         [&] {
             files::writeLines("Rep_2001.txt", {angajator});
             std::filesystem::create_directory("FF1_2001.txt");
         },
         {Answer::Yes}, false, "Eroare 75 la citirea fisierului FF1_2001.txt."},
        {"a full disk",
         [&] {
             files::writeLines("Rep_2001.txt", {angajator});
             Linii ff2;
             for (int i = 0; i < 100; ++i) {
                 ff2.push_back(dupaSablon(SablonFf22001, {{0, std::to_string(1000 + i)}}));
             }
             files::writeLines("FF2_2001.txt", ff2);
         },
         {Answer::Yes}, true, "Eroare 61 la scrierea fisierului FF2.txt."},
    };
    for (const auto& r : randuri) {
        SCOPED_TRACE(r.nume);
        std::filesystem::remove_all("FF1_2001.txt");
        fakeDialogs().messages.clear();
        r.pregateste();
        for (Answer a : r.raspunsuri) {
            fakeDialogs().answer(a);
        }
        {
            std::optional<testing::LimitaFisiere> plin;
            if (r.discPlin) {
                plin.emplace(4096);
            }
            EXPECT_FALSE(PreiaAnulPrecedent().efectuata);
        }
        for (const char* f : {"Repfisc.txt", "FF1.txt", "FF2.txt", "Deduceri.txt"}) {
            EXPECT_EQ(lucru(f), Linii{std::string("vechi ") + f}) << f;
        }
        if (!r.ultimulMesaj.empty()) {
            EXPECT_EQ(fakeDialogs().texts().back(), r.ultimulMesaj);
            EXPECT_EQ(fakeDialogs().messages.back().icon, platform::Icon::Exclamation);
        }
    }
}

TEST_F(PreluareFisiere, WithoutAPreviousYearMissingWorkingFilesAreCreated) {
    std::filesystem::remove("FF2.txt");
    EXPECT_FALSE(PreiaAnulPrecedent().efectuata);
    EXPECT_TRUE(files::exists("FF2.txt"));
    EXPECT_TRUE(lucru("FF2.txt").empty());
}

} // namespace
} // namespace olm
