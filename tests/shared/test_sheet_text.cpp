#include "shared/sheet_text.h"

#include <gtest/gtest.h>

namespace olm {
namespace {

TEST(SheetText, AddressOfAnEmployeeAndOfAnEmployer) {
    const PartiAdresa cluj{"CLUJ-NAPOCA", "CLUJ", "MEMORANDUMULUI", "10", "0", "", "B", "", "", "0"};
    const PartiAdresa bucuresti{"Bucuresti", "", "", "", "", "12", "", "3", "", "2"};
    struct Rand {
        const char* nume;
        PartiAdresa a;
        CodPrezent regula;
        const char* text;
    } randuri[] = {
        {"employee: a postal code or sector of 0 is written", cluj, CodPrezent::DupaText,
         "CLUJ-NAPOCA,jud.CLUJ,str.MEMORANDUMULUI,nr.10,cod postal 0,sc.B,sect.0"},
        {"employer: left out by value", cluj, CodPrezent::DupaValoare,
         "CLUJ-NAPOCA,jud.CLUJ,str.MEMORANDUMULUI,nr.10,sc.B"},
        {"the capital in any case has no county; street and number always", bucuresti, CodPrezent::DupaText,
         "Bucuresti,str.,nr.,bl.12,et.3,sect.2"},
    };
    for (const Rand& r : randuri) {
        SCOPED_TRACE(r.nume);
        EXPECT_EQ(TextAdresa(r.a, r.regula), r.text);
    }
}

} // namespace
} // namespace olm
