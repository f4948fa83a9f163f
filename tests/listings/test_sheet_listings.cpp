// The Fisa 1 and Fisa 2 listings written from the data files, without the
// windows: the worked examples byte for byte, the selections, the errors.

#include "listing_test_support.h"
#include "listings/fisa1_listing.h"
#include "listings/fisa2_listing.h"
#include "support/fakes.h"
#include "support/file_bytes.h"

namespace olm::testing {
namespace {

const Semnatar Popescu{"popescu ion", "director economic"};

TEST_F(ListingTest, WorkedExamplesByteForByte) {
    TipExemplar = "angajat";
    ScrieFisa1Angajat("2650712080016", Popescu);
    expectFileMatches("ListF1.txt", expected("ListF1-IONESCU-copie-angajat.txt"));

    TipExemplar = "angajator";
    ScrieFise1(SelectieFise1::Toate, Popescu);
    expectFileMatches("ListF1.txt", expected("ListF1-toate-copie-angajator.txt"));
    EXPECT_EQ(CodAngajat, "1810930080051");
    EXPECT_EQ(ContorLinii, 94);

    TipExemplar = "unitatea fiscala";
    ScrieFisa2Angajat("1720220080042", Popescu);
    expectFileMatches("ListF2.txt", expected("ListF2-POPA-copie-unitatea-fiscala.txt"));
    EXPECT_EQ(ContorLinii, 49);
}

} // namespace
} // namespace olm::testing
