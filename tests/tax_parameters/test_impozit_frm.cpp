// The window "IMPOZITAR" driven through its widgets: browsing the months,
// editing a block, the messages of the rules, the view-only way in, and what
// closing leaves in "Impozitar.txt".

#include "tax_parameters/impozit_frm.h"

#include "platform/files.h"
#include "shared/state.h"
#include "shared/tax_grid.h"
#include "support/fakes.h"
#include "support/drive.h"
#include "support/failing_writer.h"
#include "support/file_bytes.h"

#include <gtest/gtest.h>

namespace olm::testing {
namespace {

// A grid file as the program writes it: the data lines, "eof", the comment
// (whose bytes the shared tests check).
std::string fisierImpozitar(const std::vector<std::string>& date) {
    std::vector<std::string> linii = date;
    linii.push_back("eof");
    linii.insert(linii.end(), ComentariuImpozitar.begin(), ComentariuImpozitar.end());
    return crlf(linii);
}

const std::vector<std::string> An = {
    "13,24001,999999999,5000,40",
    "13,12001,24000,2000,25",
    "13,0,12000,0,10",
};
const std::vector<std::string> Ianuarie = {
    " 1,3001,999999999,600,40",
    " 1,2001,3000,300,30",
    " 1,1001,2000,100,20",
    " 1,0,1000,0,10",
};

std::vector<std::string> impreuna(std::initializer_list<std::vector<std::string>> parti) {
    std::vector<std::string> toate;
    for (const auto& p : parti) {
        toate.insert(toate.end(), p.begin(), p.end());
    }
    return toate;
}

// The year's block and January's, as most tests start.
const std::string Standard = fisierImpozitar(impreuna({An, Ianuarie}));

class ImpozitFrmTest : public ::testing::Test {
protected:
    void SetUp() override { resetState(); }
    void TearDown() override { unloadForm<ImpozitFrm>(); }

    static ImpozitFrm& deschide() {
        ImpozitFrm::deschide();
        ImpozitFrm& f = ImpozitFrm::instance();
        activate(f);
        return f;
    }
    // Opens the window on a grid file of these bytes.
    static ImpozitFrm& deschide(const std::string& fisier) {
        writeBytes("Impozitar.txt", fisier);
        return deschide();
    }

    // The texts of the display rows, "min max fix procent" each.
    static std::vector<std::string> randuri(ImpozitFrm& f, int cate) {
        std::vector<std::string> out;
        for (int r = 0; r < cate; ++r) {
            out.push_back(f.LimMin[r].caption() + " " + f.LimMax[r].text() + " " +
                          f.ImpFix[r].text() + " " + f.Procent[r].text());
        }
        return out;
    }

    // Rows from `de` on are empty.
    static bool goaleDe(ImpozitFrm& f, int de) {
        bool goale = true;
        for (int r = de; r < RanduriBloc; ++r) {
            goale = goale && f.LimMin[r].caption().empty() && f.LimMax[r].text().empty() &&
                    f.ImpFix[r].text().empty() && f.Procent[r].text().empty();
        }
        return goale;
    }

    // What the window lets the clerk do: "editare" (the 30 boxes, OK and
    // Cancel), "alegere" (the month list and "Modificare"), "vizualizare"
    // (the month list alone).
    static std::string mod(ImpozitFrm& f) {
        bool toate = true, niciuna = true;
        for (int r = 0; r < RanduriBloc; ++r) {
            for (platform::TextBox* c : {&f.LimMax[r], &f.ImpFix[r], &f.Procent[r]}) {
                toate = toate && c->enabled();
                niciuna = niciuna && !c->enabled();
            }
        }
        EXPECT_TRUE(toate || niciuna) << "the 30 boxes go together";
        EXPECT_EQ(f.Ok_Imp.visible(), toate);
        EXPECT_EQ(f.Cancel_Imp.visible(), toate);
        EXPECT_EQ(f.Timp.enabled(), !toate);
        EXPECT_TRUE(!toate || !f.PrelMod.enabled());
        return toate ? "editare" : f.PrelMod.enabled() ? "alegere" : "vizualizare";
    }

    // The tax of 5000 in a month.
    static double impozit(int luna) {
        double venit = 5000;
        return CalculImpozit(luna, venit);
    }
};

TEST_F(ImpozitFrmTest, OpensOnJanuaryAndBrowsesTheMonths) {
    ImpozitFrm& f = deschide(Standard);
    EXPECT_EQ(f.caption(), "IMPOZITAR");
    EXPECT_EQ(f.Timp.listCount(), 13);
    EXPECT_EQ(f.Timp.text(), "Ianuarie");
    EXPECT_EQ(randuri(f, 4), (std::vector<std::string>{
                                 "0 1000 0 10",
                                 "1001 2000 100 20",
                                 "2001 3000 300 30",
                                 "3001 999999999 600 40",
                             }));
    EXPECT_TRUE(goaleDe(f, 4));
    EXPECT_EQ(mod(f), "alegere");

    // March has no block of its own: January's; the year shows its own.
    f.Timp.setListIndex(2);
    EXPECT_EQ(f.LimMax[3].text(), "999999999");
    f.Timp.setListIndex(12);
    EXPECT_EQ(f.Timp.text(), "An");
    EXPECT_EQ(randuri(f, 3),
              (std::vector<std::string>{"0 12000 0 10", "12001 24000 2000 25",
                                        "24001 999999999 5000 40"}));
    EXPECT_TRUE(goaleDe(f, 3)) << "rows of the longer block shown before are emptied";

    // Enter in the list shows the month and goes on to "Modificare".
    f.Timp.setFocus();
    f.Timp.setListIndex(0);
    pressEnter(f.Timp);
    expectFocus(f.PrelMod);
    expectMessages({});
}

TEST_F(ImpozitFrmTest, EditingMarchGivesItABlockAndTheFileFollows) {
    ImpozitFrm& f = deschide(Standard);
    f.Timp.setListIndex(2); // Martie
    click(f.PrelMod);
    EXPECT_EQ(mod(f), "editare");
    expectFocus(f.LimMax[0]);

    typeInto(f.Procent[3], "45");
    pressEnter(f.Procent[3]);
    expectFocus(f.LimMax[4]);
    click(f.Ok_Imp);
    expectMessages({});
    EXPECT_EQ(mod(f), "alegere");
    expectFocus(f.Timp);
    EXPECT_EQ(f.Procent[3].text(), "45") << "the stored block stays on view";
    // Every tax computation uses it at once.
    EXPECT_EQ(impozit(4), 600 + 2000 * 0.45);
    EXPECT_EQ(impozit(2), 600 + 2000 * 0.40);

    // April now shows March's block, February still January's.
    f.Timp.setListIndex(3);
    EXPECT_EQ(f.Procent[3].text(), "45");
    f.Timp.setListIndex(1);
    EXPECT_EQ(f.Procent[3].text(), "40");

    unloadForm<ImpozitFrm>();
    EXPECT_EQ(readBytes("Impozitar.txt"), fisierImpozitar(impreuna({
                                                  An,
                                                  {" 3,3001,999999999,600,45", " 3,2001,3000,300,30",
                                                   " 3,1001,2000,100,20", " 3,0,1000,0,10"},
                                                  Ianuarie,
                                              })));
}

TEST_F(ImpozitFrmTest, AFullDiskAtClosingIsReportedAndTheFileStaysWhole) {
    ImpozitFrm& f = deschide(Standard);
    click(f.PrelMod);
    typeInto(f.Procent[3], "45");
    click(f.Ok_Imp);
    {
        const auto discPlin = FailingWriter::afterBytes("Impozitar.txt", 40);
        closeByCloseBox(f);
        runDeferredDeletes();
        EXPECT_EQ(discPlin.failures(), 1);
    }
    expectOneMessage("Eroare 61 la scrierea fisierului Impozitar.txt.", "", platform::Icon::Exclamation);
    EXPECT_EQ(readBytes("Impozitar.txt"), Standard);
    EXPECT_EQ(entries(), std::vector<std::string>{"Impozitar.txt"});
}

TEST_F(ImpozitFrmTest, AZeroUpperLimitShortensTheBlock) {
    ImpozitFrm& f = deschide(Standard);
    click(f.PrelMod);
    typeInto(f.LimMax[2], "");
    pressEnter(f.LimMax[2]);
    expectFocus(f.Ok_Imp);
    EXPECT_EQ(randuri(f, 3), (std::vector<std::string>{"0 1000 0 10", "1001 2000 100 20", "2001   "}));
    EXPECT_TRUE(goaleDe(f, 3));
    pressEnter(f.Ok_Imp); // Enter on the button clicks it
    EXPECT_EQ(mod(f), "alegere");

    unloadForm<ImpozitFrm>();
    EXPECT_EQ(readBytes("Impozitar.txt"),
              fisierImpozitar(impreuna({An, {" 1,1001,2000,100,20", " 1,0,1000,0,10"}})));
}

TEST_F(ImpozitFrmTest, TheRulesOnEnterSpeakAndKeepTheFocus) {
    ImpozitFrm& f = deschide(Standard);
    click(f.PrelMod);

    typeInto(f.Procent[0], "100");
    pressEnter(f.Procent[0]);
    expectOneMessage("Procent mai mare decat 100", "  ", platform::Icon::None);
    expectFocus(f.Procent[0]);

    typeInto(f.Procent[0], "99");
    pressEnter(f.Procent[0]);
    expectFocus(f.LimMax[1]);

    typeInto(f.LimMax[1], "900"); // below row 0's 1000
    pressEnter(f.LimMax[1]);
    expectMessages({"Datele trebuiesc introduse in ordine crescatoare"});
    expectFocus(f.LimMax[1]);

    // Leaving the box sets the next lower limit and shows the number text.
    typeInto(f.LimMax[1], "2 500,7");
    pressEnter(f.LimMax[1]);
    expectFocus(f.ImpFix[1]);
    EXPECT_EQ(f.LimMax[1].text(), "2500");
    EXPECT_EQ(f.LimMin[2].caption(), "2501");

    // Cancelling stores nothing and empties the rows.
    const std::vector<std::string> inainte = LiniiImpozitar();
    click(f.Cancel_Imp);
    EXPECT_EQ(mod(f), "alegere");
    expectFocus(f.Timp);
    EXPECT_TRUE(goaleDe(f, 0));
    EXPECT_EQ(LiniiImpozitar(), inainte);
    // Choosing the same month again shows its block again.
    f.Timp.setListIndex(0);
    EXPECT_EQ(f.Procent[0].text(), "10");

    unloadForm<ImpozitFrm>();
    EXPECT_EQ(readBytes("Impozitar.txt"), Standard);
}

TEST_F(ImpozitFrmTest, TheConfirmationShowsItsMessagesInOrder) {
    ImpozitFrm& f = deschide(Standard);
    click(f.PrelMod);
    // Row 1's fixed tax should be 100, row 2 breaks every order.
    const std::vector<std::array<const char*, 3>> bloc = {
        {"500", "0", "20"}, {"900", "150", "25"}, {"800", "100", "10"}, {"5000", "530", "40"}};
    for (int r = 0; r < 4; ++r) {
        f.LimMax[r].setText(bloc[r][0]);
        f.ImpFix[r].setText(bloc[r][1]);
        f.Procent[r].setText(bloc[r][2]);
    }
    click(f.Ok_Imp);
    const auto none = platform::Icon::None;
    expectMessages({
        {"Limita maxima nu e crescatoare", TitluConfirmare, none},
        {"Impozitul fix nu e crescator", TitluConfirmare, none},
        {"Procentul nu e crescator", TitluConfirmare, none},
        {"Impozitul fix este gresit", TitluConfirmare, none},
    });
    expectFocus(f.ImpFix[1]);
    EXPECT_EQ(mod(f), "editare");
    EXPECT_EQ(impozit(1), 600 + 2000 * 0.40) << "nothing stored";

    // An empty first upper limit ends the editing without storing or a word.
    f.LimMax[0].setText("");
    click(f.Ok_Imp);
    expectMessages({});
    EXPECT_EQ(mod(f), "alegere");
    EXPECT_TRUE(goaleDe(f, 0));
    expectFocus(f.Timp);
}

TEST_F(ImpozitFrmTest, AMonthBeforeEveryBlockCannotBeEdited) {
    ImpozitFrm& f = deschide(fisierImpozitar(impreuna({An, {" 5,1001,9000,100,20", " 5,0,1000,0,10"}})));
    EXPECT_TRUE(goaleDe(f, 0));
    click(f.PrelMod);
    EXPECT_EQ(mod(f), "alegere");
    expectFocus(f.Timp);

    // June falls back to May's block and can be edited from it.
    f.Timp.setListIndex(5);
    EXPECT_EQ(f.LimMax[1].text(), "9000");
    click(f.PrelMod);
    EXPECT_EQ(mod(f), "editare");
}

TEST_F(ImpozitFrmTest, ABlockLongerThanTheWindowIsNotEditedAway) {
    std::vector<std::string> lung;
    for (int k = 11; k >= 0; --k) {
        lung.push_back(" 1," + std::to_string(k ? k * 1000 + 1 : 0) + "," +
                       std::to_string(k * 1000 + 1000) + ",0,10");
    }
    ImpozitFrm& f = deschide(fisierImpozitar(lung));
    EXPECT_EQ(f.LimMin[0].caption(), "0");
    EXPECT_EQ(f.LimMin[9].caption(), "9001");

    click(f.PrelMod);
    expectMessages({MesajBlocLung});
    EXPECT_EQ(mod(f), "alegere");

    unloadForm<ImpozitFrm>();
    EXPECT_EQ(readBytes("Impozitar.txt"), fisierImpozitar(lung));
}

TEST_F(ImpozitFrmTest, TheViewOnlyWayInChangesNothing) {
    const std::string fisier =
        fisierImpozitar(impreuna({An, {" 5,1001,9000,100,20", " 5,0,1000,0,10"}}));
    writeBytes("Impozitar.txt", fisier);
    ImpozitFrm::deschideVizualizare();
    ImpozitFrm& f = ImpozitFrm::instance();
    EXPECT_TRUE(f.visible());
    EXPECT_EQ(mod(f), "vizualizare");

    // A month without a block empties the rows; editing stays closed.
    f.Timp.setListIndex(0);
    EXPECT_EQ(mod(f), "vizualizare");
    f.Timp.setListIndex(6);
    EXPECT_EQ(f.LimMax[0].text(), "1000");
    f.PrelMod.click();
    EXPECT_EQ(mod(f), "vizualizare");

    unloadForm<ImpozitFrm>();
    EXPECT_EQ(readBytes("Impozitar.txt"), fisier);
    expectMessages({});

    // The next opening starts from the designed state and reads the file again.
    ImpozitFrm& g = deschide(fisierImpozitar(Ianuarie));
    EXPECT_TRUE(g.PrelMod.enabled());
    EXPECT_EQ(g.LimMax[3].text(), "999999999");
}

TEST_F(ImpozitFrmTest, AnEditInProgressEndsWhenTheViewOnlyWayIsTaken) {
    ImpozitFrm& f = deschide(Standard);
    click(f.PrelMod);
    f.Procent[0].setText("12");
    ImpozitFrm::deschideVizualizare();
    EXPECT_EQ(mod(f), "vizualizare");
    EXPECT_EQ(f.Procent[0].text(), "10");
}

TEST_F(ImpozitFrmTest, AGridThatCannotBeReadIsNeverWrittenOver) {
    // The grid in use before the window opens.
    Impozitar[0] = RandImpozitar{false, 1, 0, 999999, 0, 10};

    // No file at all.
    const std::string numaiVizualizare = "\r\nImpozitarul poate fi numai vizualizat; fisierul nu va fi rescris.";
    ImpozitFrm& f = deschide();
    expectOneMessage("Fisierul impozitar.txt nu exista." + numaiVizualizare, "", platform::Icon::Exclamation);
    EXPECT_TRUE(f.citireEsuata());
    EXPECT_FALSE(f.PrelMod.enabled());
    EXPECT_EQ(f.LimMax[0].text(), "999999") << "the grid in use is kept and shown";
    unloadForm<ImpozitFrm>();
    EXPECT_FALSE(platform::files::exists("Impozitar.txt"));
    EXPECT_FALSE(platform::files::exists("impozitar.txt"));

    // A file without "eof" stays as it was, byte for byte.
    const std::string fara = crlf(impreuna({An, Ianuarie}));
    ImpozitFrm& g = deschide(fara);
    expectOneMessage("Fisierul impozitar.txt nu se termina cu linia eof." + numaiVizualizare, "",
                     platform::Icon::Exclamation);
    EXPECT_FALSE(g.PrelMod.enabled());
    EXPECT_EQ(Impozitar[0].limitaSup, 999999);
    EXPECT_TRUE(Impozitar[1].gol);
    unloadForm<ImpozitFrm>();
    EXPECT_EQ(readBytes("Impozitar.txt"), fara);

    // So does a file of more than 130 rows.
    std::vector<std::string> multe;
    for (int i = 0; i < 131; ++i) {
        multe.push_back(" 1," + std::to_string(131 - i) + ",1,0,0");
    }
    const std::string prea = fisierImpozitar(multe);
    deschide(prea);
    expectOneMessage("Fisierul impozitar.txt are mai mult de 130 de randuri." + numaiVizualizare, "",
                     platform::Icon::Exclamation);
    unloadForm<ImpozitFrm>();
    EXPECT_EQ(readBytes("Impozitar.txt"), prea);
}

} // namespace
} // namespace olm::testing
