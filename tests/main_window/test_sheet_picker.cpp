// The entries of the picker of stored sheets.

#include "main_window/sheet_picker.h"
#include "shared/sheet_records.h"
#include "support/file_bytes.h"

#include <gtest/gtest.h>

namespace olm {
namespace {

using olm::testing::writeBytes;

TEST(SheetPicker, OneEntryPerStoredSheetWithCodeAndKind) {
    const std::string x = "2800618056490";
    const std::string y = "1800604069575";
    RecordFf1 a;
    a.id = {x, "POP", "ION", "", "ALBA", "", "", "", "", "", "", "", ""};
    RecordFf2 b;
    b.id = {y, "ANDREI", "ION", "", "ALBA", "", "", "", "", "", "", "", ""};
    RecordFf2 c = b;
    c.id.Cod = x;
    c.id.Nume = "POP";
    writeBytes("FF1.txt", linieFf1(a) + "\r\n\r\ngunoi\r\n");
    writeBytes("FF2.txt", linieFf2(b) + "\r\n" + linieFf2(c) + "\r\n");

    Rezultat r;
    const auto intrari = IntrariFiseIncarcate(r);
    ASSERT_TRUE(r);
    ASSERT_EQ(intrari.size(), 3u); // the empty and the damaged line are left out
    EXPECT_EQ(intrari[0].text, "POP ION--" + x + "--FF1");
    EXPECT_EQ(intrari[0].cod, x);
    EXPECT_EQ(intrari[0].tip, 1);
    EXPECT_EQ(intrari[1].text, "ANDREI ION--" + y + "--FF2");
    EXPECT_EQ(intrari[1].tip, 2);
    EXPECT_EQ(intrari[2].text, "POP ION--" + x + "--FF2");
    EXPECT_EQ(EtichetaLista(3), "LISTA ALFABETICA ( s-au incarcat 3 fise )");
}

} // namespace
} // namespace olm
