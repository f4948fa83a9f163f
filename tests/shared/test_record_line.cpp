#include "platform/files.h"
#include "shared/parameter_file.h"
#include "shared/record_line.h"
#include "shared/record_shape.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace olm {
namespace {

std::vector<std::string> valori(StructuraRecord s, const std::string& text, const std::string& numar) {
    std::vector<std::string> v;
    for (std::size_t i = 0; i < s.size(); ++i) {
        v.push_back(s[i] == TipCamp::Text ? text + std::to_string(i) : numar + std::to_string(i));
    }
    return v;
}

TEST(RecordLine, EveryLayoutJoinsToItsTemplateAndCutsBack) {
    struct Caz {
        StructuraRecord structura;
        std::string_view sablon;
    };
    for (const Caz& c : {Caz{structuraRepfisc(), SablonRepfisc}, Caz{structuraFf1(), SablonFf1},
                         Caz{structuraFf2(), SablonFf2}, Caz{structuraDeduceri(), SablonDeduceri}}) {
        // Text values hold "," and ", " : only the layout's separators end a field.
        const auto v = valori(c.structura, "A, B,C ", "1");
        const std::string linie = unesteCampuri(v, c.structura);
        EXPECT_TRUE(VerificaStructura(linie, c.sablon)) << linie;
        const auto t = taieCampuri(linie, c.structura);
        EXPECT_TRUE(t.complet);
        EXPECT_EQ(t.campuri, v);
        // A line break, or a text's own mark, that reached a field turns
        // blank: the record stays one line with all its fields.
        const auto rupte =
            taieCampuri(unesteCampuri(valori(c.structura, "#,#A\r\nB#", "1\n"), c.structura), c.structura);
        EXPECT_TRUE(rupte.complet);
        EXPECT_EQ(rupte.campuri, valori(c.structura, " , A  B ", "1 "));
    }
    // The parameter files likewise.
    ASSERT_TRUE(ScrieLiniiParametri("Cuantum.txt", {"2002", "1,160\r\n0000,0.5"}));
    EXPECT_EQ(platform::files::readLines("Cuantum.txt"), (std::vector<std::string>{"2002", "1,160  0000,0.5"}));
}

TEST(RecordLine, FieldsOfEveryLengthCutBack) {
    // Separators are looked for eight bytes at a time: fields of 0 to 17
    // bytes put them at every place of a word, and texts hold commas.
    const std::string text = "A,B C,D,E F,G,H,I,";
    for (std::size_t n = 0; n < 18; ++n) {
        SCOPED_TRACE(n);
        for (const auto& [s, sablon] :
             {std::pair{structuraFf1(), SablonFf1}, std::pair{structuraDeduceri(), SablonDeduceri}}) {
            std::vector<std::string> v;
            for (std::size_t i = 0; i < s.size(); ++i) {
                const std::size_t lungime = (n + i) % 18;
                v.push_back(s[i] == TipCamp::Text ? text.substr(0, lungime) : std::string(lungime, '7'));
            }
            const std::string linie = unesteCampuri(v, s);
            EXPECT_TRUE(VerificaStructura(linie, sablon)) << linie;
            const auto t = taieCampuri(linie, s);
            EXPECT_TRUE(t.complet);
            EXPECT_EQ(t.campuri, v);
        }
    }
}

TEST(RecordLine, DamagedLinesNeverRunPastTheirEnd) {
    // Cut short inside a text field: the fields found so far, the rest empty.
    auto t = taieCampuri("19,1,#SC ALFA", structuraRepfisc());
    EXPECT_FALSE(t.complet);
    ASSERT_EQ(t.campuri.size(), 17u);
    EXPECT_EQ(t.campuri[1], "1");
    EXPECT_EQ(t.campuri[2], "SC ALFA");
    EXPECT_EQ(t.campuri[16], "");
    // Last text field without its closing mark.
    auto v = valori(structuraRepfisc(), "T", "1");
    std::string linie = unesteCampuri(v, structuraRepfisc());
    linie.pop_back();
    t = taieCampuri(linie, structuraRepfisc());
    EXPECT_FALSE(t.complet);
    EXPECT_EQ(t.campuri.back(), v.back());
}

} // namespace
} // namespace olm
