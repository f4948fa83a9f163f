// The listing windows driven through their widgets from the main window's
// buttons: the wiring of their lists, boxes and buttons to the listings
// (whose rules are tested without windows).

#include "listing_test_support.h"
#include "listings/install.h"
#include "listings/lis_bord.h"
#include "listings/lis_fise1.h"
#include "listings/lis_fise2.h"
#include "listings/listab_iv.h"
#include "listings/sheet_listing.h"
#include "main_window/intro_form.h"
#include "shared/listing_header.h"
#include "support/drive.h"
#include "support/fakes.h"
#include "support/file_bytes.h"

#include <QApplication>
#include <QPalette>
#include <QPrintDialog>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <filesystem>

namespace olm::testing {
namespace {

class ListingWindows : public ListingTest {
protected:
    void SetUp() override {
        ListingTest::SetUp();
        // The start of the run fills the working files from the yearly copies.
        for (const auto& [lucru, an] : {std::pair{"Repfisc.txt", "Rep_2002.txt"}, {"FF1.txt", "FF1_2002.txt"},
                                        {"FF2.txt", "FF2_2002.txt"}, {"Deduceri.txt", "Ded_2002.txt"}}) {
            std::filesystem::rename(lucru, an);
        }
        writeBytes("Cuantum.txt", "2002,03,31\r\n 1,1600000,0.5,0.5,0.5,\r\n13,1600000,5,1,0.5,0.5,0.15,0.15,\r\neof\r\n");
        writeBytes("Impozitar.txt", " 1,0,1800000,0,18\r\neof\r\n");
        NumeSemnatar = "ANTERIOR";
        instaleazaListari();
        ASSERT_TRUE(Main());
        ASSERT_TRUE(activate(intro()));
    }
    void TearDown() override {
        unloadAllForms();
        Intro::deschideLisFise1 = nullptr;
        Intro::deschideLisFise2 = nullptr;
        Intro::deschideLisBord = nullptr;
        Intro::deschideListabIV = nullptr;
    }
    static Intro& intro() { return Intro::instance(); }
    // The list has the focus, shown in the highlight colours as a text box's.
    static void expectHighlightedFocus(const platform::ComboBox& lista) {
        expectFocus(lista);
        EXPECT_EQ(lista.widget()->palette().color(QPalette::Button),
                  QApplication::palette().color(QPalette::Highlight));
    }
};

TEST_F(ListingWindows, Fisa1OneSheetThenAllFromTheMainWindow) {
    ASSERT_TRUE(click(*intro().Command3));
    ASSERT_TRUE(LisFise1::loaded());
    LisFise1& w = LisFise1::instance();
    ASSERT_TRUE(activate(w));
    expectHighlightedFocus(w.Combo1); // its first control
    EXPECT_EQ(w.caption(), "Conditii pentru listare fise 1");
    EXPECT_EQ(w.widget()->parentWidget(), intro().widget()) << "stays in front of the main window";
    EXPECT_EQ(w.widget()->windowModality(), Qt::WindowModal);
    EXPECT_EQ(TipExemplar, "angajat");
    EXPECT_EQ(w.Dnupren.text(), "ANTERIOR");
    EXPECT_FALSE(w.Combo3.visible());

    ASSERT_TRUE(typeInto(w.Dnupren, "popescu ion"));
    ASSERT_TRUE(pressEnter(w.Dnupren));
    expectFocus(w.Dfunc);
    ASSERT_TRUE(typeInto(w.Dfunc, "director economic"));
    ASSERT_TRUE(pick(w.Combo2, "- o fisa"));
    EXPECT_FALSE(w.Command1.visible());
    EXPECT_EQ(w.Label20.caption(), "  S-au incarcat 3 fise 1. Alegeti o fisa !");
    EXPECT_FALSE(std::filesystem::exists("ListF1.txt")) << "filling the picker lists nothing";
    ASSERT_TRUE(pressEnter(w.Dfunc));
    expectFocus(w.Combo3);

    ASSERT_TRUE(pick(w.Combo3, "IONESCU MARIA--2650712080016--FF1"));
    expectFileMatches("ListF1.txt", expected("ListF1-IONESCU-copie-angajat.txt"));
    EXPECT_EQ(fakeTextViewer().shown, std::vector<std::string>{"ListF1.txt"});
    ASSERT_EQ(fakePrinter().jobs.size(), 1u);
    EXPECT_EQ(fakePrinter().jobs[0].pages.size(), 2u);
    expectMessages({});
    EXPECT_EQ(NumeSemnatar, "ANTERIOR") << "one sheet does not store the signer";

    ASSERT_TRUE(pick(w.Combo1, "- original pentru angajator"));
    ASSERT_TRUE(pick(w.Combo2, "- toate"));
    EXPECT_FALSE(w.Combo3.visible());
    ASSERT_TRUE(click(w.Command1));
    expectOneMessage(MesajVizualizare("ListF1.txt"), "", platform::Icon::Exclamation);
    expectFileMatches("ListF1.txt", expected("ListF1-toate-copie-angajator.txt"));
    EXPECT_EQ(fakePrinter().jobs.size(), 2u);
    expectShownAndPrintedUnderHourglass();
    EXPECT_EQ(NumeSemnatar, "POPESCU ION");
    EXPECT_EQ(FunctieSemnatar, "DIRECTOR ECONOMIC");

    // Closed and opened again: the designed state, with the stored signer.
    ASSERT_TRUE(closeByCloseBox(w));
    runDeferredDeletes();
    ASSERT_TRUE(click(*intro().Command3));
    EXPECT_EQ(LisFise1::instance().Dfunc.text(), "DIRECTOR ECONOMIC");
    EXPECT_EQ(LisFise1::instance().Combo2.listIndex(), 0);
    EXPECT_EQ(TipExemplar, "angajat");
}

// The real print dialog stands over the listing window alone: the real text
// viewer opened beside it takes the keys and scrolls, without the hourglass
// that the program's windows show meanwhile.
TEST_F(ListingWindows, ThePrintDialogLeavesTheViewerScrollable) {
    platform::setTextViewer(nullptr);
    platform::setPrinter(nullptr);
    ASSERT_TRUE(click(*intro().Command3));
    LisFise1& w = LisFise1::instance();
    ASSERT_TRUE(activate(w));
    int scrolled = -1;
    QTimer asteapta; // until the print dialog is up
    asteapta.callOnTimeout([&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        asteapta.stop();
        EXPECT_EQ(dialog->parentWidget(), w.widget());
        EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
        EXPECT_EQ(w.widget()->cursor().shape(), Qt::WaitCursor);
        for (QWidget* viewer : QApplication::topLevelWidgets()) {
            if (!viewer->isVisible() || viewer->windowTitle() != QStringLiteral("ListF1.txt")) {
                continue;
            }
            EXPECT_NE(viewer->cursor().shape(), Qt::WaitCursor);
            for (QScrollBar* bar : viewer->findChildren<QScrollBar*>()) {
                if (bar->orientation() == Qt::Vertical) {
                    const int before = bar->value();
                    QTest::keyClick(viewer->windowHandle(), Qt::Key_PageDown);
                    scrolled = bar->value() - before;
                }
            }
            viewer->close();
        }
        dialog->reject();
    });
    asteapta.start(10);
    ASSERT_TRUE(click(w.Command1));
    expectOneMessage(MesajVizualizare("ListF1.txt"), "", platform::Icon::Exclamation);
    EXPECT_GT(scrolled, 0) << "the viewer took Page Down";
}

TEST_F(ListingWindows, Fisa2OneSheetThenAllFromTheMainWindow) {
    // A line too damaged to hold a code gives an item that lists nothing; in
    // the alphabetical copy, which the listing reads, it comes first.
    platform::files::appendLine("FF2.txt", "");
    ASSERT_TRUE(click(*intro().Check1));
    ASSERT_TRUE(click(*intro().Command5));
    ASSERT_TRUE(LisFise2::loaded());
    LisFise2& w = LisFise2::instance();
    ASSERT_TRUE(activate(w));
    expectHighlightedFocus(w.Combo1);
    EXPECT_EQ(w.caption(), "Conditii pentru listare fise 2");
    EXPECT_EQ(TipLista, "T");
    EXPECT_TRUE(w.Option1[0].value());

    ASSERT_TRUE(click(w.Option1[1]));
    EXPECT_FALSE(w.Command1.visible());
    EXPECT_TRUE(w.Combo3.visible());
    EXPECT_EQ(w.Label20.caption(), "  S-au incarcat 2 fise 2. Alegeti o fisa !");
    EXPECT_EQ(w.Combo3.list(0), " ----FF2");
    EXPECT_EQ(TipLista, "S");
    ASSERT_TRUE(pick(w.Combo1, "- copie pentru unitatea fiscala"));
    ASSERT_TRUE(typeInto(w.Dnupren, "popescu ion"));
    ASSERT_TRUE(typeInto(w.Dfunc, "director economic"));
    ASSERT_TRUE(pressEnter(w.Dfunc));
    expectFocus(w.Combo3);

    ASSERT_TRUE(pick(w.Combo3, " ----FF2"));
    EXPECT_FALSE(std::filesystem::exists("ListF2.txt"));
    ASSERT_TRUE(pick(w.Combo3, "POPA GHEORGHE--1720220080042--FF2"));
    expectFileMatches("ListF2.txt", expected("ListF2-POPA-copie-unitatea-fiscala.txt"));
    EXPECT_EQ(fakeTextViewer().shown, std::vector<std::string>{"ListF2.txt"});
    EXPECT_EQ(fakePrinter().jobs.size(), 1u);
    EXPECT_EQ(NumeSemnatar, "ANTERIOR");

    ASSERT_TRUE(click(w.Option1[0]));
    EXPECT_EQ(TipLista, "T");
    ASSERT_TRUE(click(w.Command1));
    expectOneMessage(MesajVizualizare("ListF2.txt"), "", platform::Icon::Exclamation);
    EXPECT_EQ(platform::files::readLines("ListF2.txt").size(), 130u) << "both lines of the file";
    EXPECT_EQ(fakePrinter().jobs.size(), 2u);
    expectShownAndPrintedUnderHourglass();
    EXPECT_EQ(NumeSemnatar, "POPESCU ION");
}

TEST_F(ListingWindows, HandInListFromTheMainWindow) {
    ASSERT_TRUE(click(*intro().Command2));
    ASSERT_TRUE(LisBord::loaded());
    LisBord& w = LisBord::instance();
    ASSERT_TRUE(activate(w));
    expectHighlightedFocus(w.Combo2);
    EXPECT_EQ(w.caption(), "Conditii pentru listare Borderou");
    EXPECT_EQ(w.widget()->parentWidget(), intro().widget()) << "stays in front of the main window";
    EXPECT_EQ(w.widget()->windowModality(), Qt::WindowModal);
    EXPECT_EQ(w.Combo2.text(), "- toate fisele 1 si 2");
    EXPECT_EQ(w.Dnupren.text(), "ANTERIOR");

    ASSERT_TRUE(typeInto(w.Dnupren, "popescu ion"));
    ASSERT_TRUE(pressEnter(w.Dnupren));
    ASSERT_TRUE(typeInto(w.Dfunc, "director economic"));
    ASSERT_TRUE(pressEnter(w.Dfunc));
    expectFocus(w.Dtel);
    ASSERT_TRUE(typeInto(w.Dtel, "0268411223"));
    ASSERT_TRUE(pressEnter(w.Dtel));
    expectFocus(w.DpersC);
    ASSERT_TRUE(typeInto(w.DpersC, "vasile ana"));
    ASSERT_TRUE(pressEnter(w.DpersC));
    expectFocus(w.Command1);
    EXPECT_FALSE(std::filesystem::exists("Borderou.txt")) << "only the button lists";

    ASSERT_TRUE(pressEnter(w.Command1));
    expectOneMessage(NotaVizualizare, "", platform::Icon::Exclamation);
    expectFileMatches("Borderou.txt", expected("Borderou-toate.txt"));
    EXPECT_EQ(fakeTextViewer().shown, std::vector<std::string>{"Borderou.txt"});
    ASSERT_EQ(fakePrinter().jobs.size(), 1u);
    EXPECT_EQ(fakePrinter().jobs[0].setup.pointSize, 7) << "printed as a hand-in list";
    expectShownAndPrintedUnderHourglass();
    EXPECT_EQ(NumeSemnatar, "POPESCU ION");

    // Opened again: the boxes show the contact and the signer the list
    // prints; the choice reaches the list.
    ASSERT_TRUE(closeByCloseBox(w));
    runDeferredDeletes();
    ASSERT_TRUE(click(*intro().Command2));
    LisBord& din_nou = LisBord::instance();
    EXPECT_EQ(texts({&din_nou.Dnupren, &din_nou.Dfunc, &din_nou.Dtel, &din_nou.DpersC}),
              (std::vector<std::string>{"POPESCU ION", "DIRECTOR ECONOMIC", "0268411223", "VASILE ANA"}));
    ASSERT_TRUE(pick(din_nou.Combo2, "   - numai fisele 2"));
    ASSERT_TRUE(click(din_nou.Command1));
    expectOneMessage(NotaVizualizare, "", platform::Icon::Exclamation);
    expectFileMatches("Borderou.txt", testData("handin_list/Borderou-fise2.txt"));
}

TEST_F(ListingWindows, MonthlyTableFromTheMainWindow) {
    NumeSemnatar = "popescu ion";
    FunctieSemnatar = "director economic";
    ASSERT_TRUE(click(*intro().Command11));
    ASSERT_TRUE(ListabIV::loaded());
    ListabIV& w = ListabIV::instance();
    ASSERT_TRUE(activate(w));
    EXPECT_EQ(w.caption(), "Conditii listare centralizator lunar");
    EXPECT_EQ(w.widget()->parentWidget(), intro().widget());
    EXPECT_EQ(w.widget()->windowModality(), Qt::WindowModal);
    EXPECT_TRUE(w.Option1.value());
    EXPECT_EQ(w.Combo2.text(), "IANUARIE");

    ASSERT_TRUE(pick(w.Combo2, "MARTIE"));
    EXPECT_FALSE(std::filesystem::exists("Listab4.txt")) << "only the button lists";
    ASSERT_TRUE(click(w.Command1));
    expectOneMessage(NotaVizualizare, "", platform::Icon::Exclamation);
    expectFileMatches("Listab4.txt", expected("Listab4-fisa1-martie.txt"));
    EXPECT_EQ(fakeTextViewer().shown, std::vector<std::string>{"Listab4.txt"});
    ASSERT_EQ(fakePrinter().jobs.size(), 1u);
    EXPECT_EQ(fakePrinter().jobs[0].setup.pointSize, 9);
    expectShownAndPrintedUnderHourglass();

    ASSERT_TRUE(click(w.Option2));
    ASSERT_TRUE(pick(w.Combo2, "FEBRUARIE"));
    ASSERT_TRUE(click(w.Command1));
    expectOneMessage(NotaVizualizare, "", platform::Icon::Exclamation);
    EXPECT_EQ(platform::files::readLines("Listab4.txt")[17],
              "1     1720220080042  POPA GHEORGHE" + std::string(31, ' ') + "1200000        216000");
}

} // namespace
} // namespace olm::testing
