#include "platform/files.h"
#include "shared/listing_header.h"
#include "shared/record_line.h"
#include "shared/state.h"
#include "support/golden.h"
#include "support/record_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace olm {
namespace {

namespace files = platform::files;
using Linii = std::vector<std::string>;

class ListingHeader : public ::testing::Test {
protected:
    void SetUp() override { resetState(); }

    // The block as written into a listing file, read back.
    Linii antet() {
        files::AtomicWriter f("lista.txt");
        ScrieAntetAngajator(f, 132);
        f.commit();
        return files::readLines("lista.txt");
    }
    // The block written into a listing file is the golden one.
    void antetCa(const std::string& fisier) {
        antet();
        testing::expectFileMatches("lista.txt", testing::testData("listing_header/" + fisier));
    }
};

// An employer line from its 17 values.
std::string angajator(const std::vector<std::string>& v) { return unesteCampuri(v, structuraRepfisc()); }

TEST_F(ListingHeader, FirmInTheCapitalWithSectorAndNoPostalCode) {
    files::writeLines("Repfisc.txt",
                      {angajator({"19", "1", "SC ALFA, BETA SRL", "", "", "Bucuresti", "ILFOV",
                                  "LIPSCANI", "5", "0", "0", "", "2", "", "3", "021555", ""})});
    ContorLinii = 10;
    antetCa("firma_bucuresti.txt");
    EXPECT_EQ(ContorLinii, 15);
}

TEST_F(ListingHeader, PersonOutsideTheCapitalWithEveryAddressPart) {
    files::writeLines("Repfisc.txt",
                      {angajator({"1800101221144", "2", "", "POPESCU", "ION", "TURDA", "CLUJ", "",
                                  "", "401100", "B2", "C", "4", "7", "0", "", "a@b.ro"})});
    antetCa("persoana_din_provincie.txt");
}

TEST_F(ListingHeader, LongValuesRunOnLinesOf63) {
    // A name of exactly 126 characters ends with a line of blanks alone; the
    // address of 74 runs on a second line.
    files::writeLines("Repfisc.txt", {angajator({"19", "1", std::string(126, 'N'), "", "", std::string(60, 'L'), "",
                                                 "", "", "", "", "", "", "", "", "7", "e"})});
    antetCa("valori_lungi.txt");
    EXPECT_EQ(ContorLinii, 8);
}

TEST_F(ListingHeader, NoEmployerIsOneCountedLine) {
    ContorLinii = 3;
    EXPECT_EQ(antet(), (Linii{"Nu sunt date despre angajator"})); // missing file
    files::createEmpty("REPFISC.TXT");
    EXPECT_EQ(antet(), (Linii{"Nu sunt date despre angajator"})); // empty file
    EXPECT_EQ(ContorLinii, 5);
}

// --- The filter of regularised sheets ---------------------------------------

std::string fisa1(const std::string& cod, const std::string& marcaReg) {
    return testing::linieCu(structuraFf1(),
                            {{0, cod}, {1, "NUME, CU VIRGULA"}, {2, "PRENUME"}, {14, marcaReg}, {85, "9"}});
}

class RegularisedFilter : public ListingHeader {
protected:
    void SetUp() override {
        ListingHeader::SetUp();
        files::writeLines("Ff1_sort.txt", sursa);
        FisierSursa = "Ff1_sort.txt";
        FisierDest = "Ff1R.txt";
        files::writeLines("ff1r.txt", {"o copie veche"});
    }
    const Linii sursa{fisa1("1", "X"), fisa1("2", ""), fisa1("3", " x "), fisa1("4", "XX"),
                      fisa1("5", "X")};
};

TEST_F(RegularisedFilter, KeepsTheRegularisedOrTheOthersInOrder) {
    TipLista = "R";
    FiltreazaFF1();
    EXPECT_EQ(files::readLines("Ff1R.txt"), (Linii{sursa[0], sursa[2], sursa[4]}));
    EXPECT_EQ(CodAngajat, "5");

    TipLista = "N";
    FiltreazaFF1();
    EXPECT_EQ(files::readLines("Ff1R.txt"), (Linii{sursa[1], sursa[3]}));
}

TEST_F(RegularisedFilter, AnyOtherSelectionOrAMissingSourceGivesAnEmptyCopy) {
    TipLista = "T";
    FiltreazaFF1();
    EXPECT_TRUE(files::exists("Ff1R.txt"));
    EXPECT_TRUE(files::isEmpty("Ff1R.txt"));

    files::writeLines("Ff1R.txt", {"o copie veche"});
    TipLista = "R";
    FisierSursa = "lipsa.txt";
    FiltreazaFF1();
    EXPECT_TRUE(files::isEmpty("Ff1R.txt"));
}

} // namespace
} // namespace olm
