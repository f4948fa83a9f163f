// The date boxes of the employee's form: the shapes accepted, the year, the
// order of the two dates and the messages.

#include "main_window/employee_dates.h"

#include <gtest/gtest.h>

namespace olm {
namespace {

VerificareData angajare(const std::string& text, const std::string& incetare = "") {
    return VerificaDataAngajat(false, text, incetare, 2002);
}
VerificareData incetare(const std::string& text, const std::string& angajare = "") {
    return VerificaDataAngajat(true, text, angajare, 2002);
}

TEST(EmployeeDates, ShapesAreReadDayFirstAndKeptWithSlashes) {
    for (const char* t : {"12/03/2002", "12.03.2002", "12-03-2002", "12/3/2002", " 12.3.02 ",
                          "12-03/2002"}) {
        const auto v = angajare(t);
        EXPECT_FALSE(v.eroare()) << t << ": " << v.mesaj;
        EXPECT_EQ(v.text, "12/03/2002") << t;
    }
    EXPECT_EQ(angajare("1/1/2002").text, "01/01/2002");
    EXPECT_EQ(NormalizeazaData("05/03/29"), "05/03/2029");
    EXPECT_EQ(NormalizeazaData("05/03/30"), "05/03/1930");
    EXPECT_EQ(NormalizeazaData("ab/cd"), "ab/cd"); // no date: as typed
}

TEST(EmployeeDates, BlankFormsAreEmptyDates) {
    for (const char* t : {"", "   ", "--", "..", "//", "-  -", ".  .", "/  /", " /  / "}) {
        const auto v = angajare(t);
        EXPECT_FALSE(v.eroare()) << t;
        EXPECT_EQ(v.text, "") << t;
    }
}

TEST(EmployeeDates, ATextThatIsNoDateIsRefusedAndEmptied) {
    for (const char* t : {"31/02/2002", "29/02/2002", "00/01/2002", "12/13/2002", "12/03/202",
                          "12/03/20020", "12/03/2002x", "abc", "12 03 2002", "12/03", "/  /2002"}) {
        const auto v = angajare(t);
        EXPECT_EQ(v.mesaj, "Data angajarii incorecta.") << t;
        EXPECT_EQ(v.text, "") << t;
    }
    EXPECT_EQ(incetare("31/04/2002").mesaj, "Data incetarii activitatii incorecta.");
}

TEST(EmployeeDates, AnotherYearIsRefusedOnASecondLine) {
    const auto v = angajare("15/03/2001");
    EXPECT_EQ(v.mesaj, "\r\nAnul difera de anul fiscal de referinta 2002.");
    EXPECT_EQ(v.text, "");
    // 29 February exists in a leap year: the date is right, the year is not.
    EXPECT_EQ(incetare("29/02/2004").mesaj, "\r\nAnul difera de anul fiscal de referinta 2002.");
    EXPECT_EQ(angajare("15/03/98").mesaj, "\r\nAnul difera de anul fiscal de referinta 2002.");
}

TEST(EmployeeDates, LeavingBeforeHiringIsRefusedInTheBoxLeftLast) {
    const std::string ordine = "\r\nData incetarii activitatii este anterioara datei angajarii. ";
    const auto v = incetare("14/03/2002", "15/03/2002");
    EXPECT_EQ(v.mesaj, ordine);
    EXPECT_EQ(v.text, "");
    // The hiring box left after the leaving box: the hiring box is emptied.
    const auto a = angajare("16.03.2002", "15/03/2002");
    EXPECT_EQ(a.mesaj, ordine);
    EXPECT_EQ(a.text, "");
    // The same day, or a later leaving date, is accepted; so is any date
    // beside an empty or faulty other box.
    EXPECT_FALSE(incetare("15/03/2002", "15/03/2002").eroare());
    EXPECT_FALSE(incetare("01/01/2002", "").eroare());
    EXPECT_FALSE(incetare("01/01/2002", "ab").eroare());
    EXPECT_FALSE(angajare("31/12/2002", "").eroare());
    // Months count before days: 01/04 is after 31/03.
    EXPECT_FALSE(incetare("01/04/2002", "31/03/2002").eroare());
}

} // namespace
} // namespace olm
