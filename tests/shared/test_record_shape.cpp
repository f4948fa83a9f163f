#include "shared/record_shape.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace olm {
namespace {

struct Tip {
    const char* nume;
    std::string_view sablon;
    const char* campuri; // field kinds by ranges, as the record layouts list them
};

const std::vector<Tip> Tipuri = {
    {"SablonRepfisc", SablonRepfisc, "N1-2 T3-9 N10 T11-14 N15 T16-17"},
    {"SablonRepfiscVechi", SablonRepfiscVechi, "N1 T2-9 N10 T11-14 N15 T16-17"},
    {"SablonRepfisc2001", SablonRepfisc2001, "N1 T2-10 N11 T12-15 N16"},
    {"SablonFf1", SablonFf1, "N1 T2-7 N8 T9-12 N13 T14-20 N21-86"},
    {"SablonFf12001", SablonFf12001, "N1 T2-7 N8 T9-12 N13 T14-15 N16-29 T30-31 N32-119"},
    {"SablonFf2", SablonFf2, "N1 T2-7 N8 T9-12 N13 T14-22 N23-48"},
    {"SablonFf22001", SablonFf22001, "N1 T2-7 N8 T9-12 N13-15 T16-22 N23-48"},
    {"SablonDeduceri", SablonDeduceri, "N1-2 T3-10 N11-22"},
    {"SablonDeduceri2001", SablonDeduceri2001, "N1-2 T3-9 N10-21"},
};

// "N1-2 T3" gives "NNT".
std::string tipuriCampuri(const char* descriere) {
    std::istringstream in(descriere);
    std::string bucata;
    std::string tipuri;
    while (in >> bucata) {
        const std::size_t liniuta = bucata.find('-');
        const int de = std::stoi(bucata.substr(1, liniuta - 1));
        const int pana = liniuta == std::string::npos ? de : std::stoi(bucata.substr(liniuta + 1));
        EXPECT_EQ(de, static_cast<int>(tipuri.size()) + 1) << descriere;
        tipuri.append(static_cast<std::size_t>(pana - de + 1), bucata[0]);
    }
    return tipuri;
}

// A record line of these field kinds with realistic contents: text fields
// holding commas and blanks, numbers with decimals, some fields empty.
std::string linie(const std::string& tipuri) {
    std::string rezultat;
    for (std::size_t i = 0; i < tipuri.size(); ++i) {
        if (i > 0) {
            rezultat += ',';
        }
        if (tipuri[i] == 'T') {
            rezultat += i % 3 == 0 ? "#SC ALFA, BETA SRL#" : (i % 3 == 1 ? "##" : "#X#");
        } else if (i == 0) {
            rezultat += "1800101221144";
        } else {
            rezultat += i % 2 == 0 ? "1500000" : (i % 5 == 0 ? "0.5" : "");
        }
    }
    return rezultat;
}

TEST(VerificaStructura, EachKindMatchesItsOwnTemplateOnly) {
    for (const Tip& tip : Tipuri) {
        const std::string tipuri = tipuriCampuri(tip.campuri);
        const std::string l = linie(tipuri);
        for (const Tip& altul : Tipuri) {
            EXPECT_EQ(VerificaStructura(l, altul.sablon), &tip == &altul) << tip.nume << " against " << altul.nume;
        }
    }
}

TEST(VerificaStructura, FieldCountAndKindsMatter) {
    const std::string ff1 = tipuriCampuri("N1 T2-7 N8 T9-12 N13 T14-20 N21-86");
    EXPECT_TRUE(VerificaStructura(linie(ff1), SablonFf1));
    EXPECT_FALSE(VerificaStructura(linie(ff1.substr(0, 85)), SablonFf1));
    EXPECT_FALSE(VerificaStructura(linie(ff1 + "N"), SablonFf1));
    std::string numericInText = ff1;
    numericInText[40] = 'T';
    EXPECT_FALSE(VerificaStructura(linie(numericInText), SablonFf1));
    EXPECT_FALSE(VerificaStructura("", SablonFf1));
}

TEST(VerificaStructura, CommasAndQuestionMarksInsideTextFields) {
    const std::string angajator = "12345678,1,#SC ALFA, BETA, GAMA SRL#,##,##,#CLUJ-NAPOCA#,#CLUJ#,"
                                  "#STR. A, NR. 3#,#3?#,400100,#B1#,##,#2#,#7#,0,#0264-123456#,#a?b@c.ro#";
    EXPECT_TRUE(VerificaStructura(angajator, SablonRepfisc));
    EXPECT_FALSE(VerificaStructura(angajator, SablonRepfiscVechi));
    EXPECT_EQ(ScheletInregistrare("1,#A,B?C,D#,2"), ",##,");
}

TEST(VerificaStructura, HashInsideATextFieldSpoilsTheShape) {
    const std::string dependent = "1800101221144,1800101221144,#POP#A#,#ION#,##,#X#,##,##,##,##,1,1,1,1,1,1,1,1,1,1,1,1";
    EXPECT_FALSE(VerificaStructura(dependent, SablonDeduceri));
}

} // namespace
} // namespace olm
