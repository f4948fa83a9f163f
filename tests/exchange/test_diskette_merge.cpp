#include "exchange/diskette_merge.h"
#include "platform/files.h"
#include "shared/state.h"
#include "support/fakes.h"
#include "support/file_size_limit.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace olm {
namespace {

namespace files = platform::files;
namespace fs = std::filesystem;
using platform::Answer;
using platform::Buttons;
using platform::Icon;
using testing::fakeClock;
using testing::fakeDialogs;
using Linii = std::vector<std::string>;

const std::string IntrebarePrima = "Introduceti prima discheta. Ati introdus discheta ?";
const std::string IntrebareUrmatoare = "Introduceti discheta urmatoare. Ati introdus discheta ?";
const std::string MaiAveti = "Mai aveti dischete de introdus ?";

// The clerk's answers, and the diskettes he puts in the drive one after the
// other: the drive turns to the next directory whenever the next one is asked for.
class Statie : public testing::FakeDialogs {
public:
    explicit Statie(Linii dischete) : dischete_(std::move(dischete)) { schimba(); }
    Answer message(const std::string& text, const std::string& title, Icon icon, Buttons buttons) override {
        if (text == IntrebareUrmatoare) {
            schimba();
        }
        return FakeDialogs::message(text, title, icon, buttons);
    }

private:
    void schimba() {
        if (urmatoarea_ < dischete_.size()) {
            ::setenv("OLM_DRIVE_A", dischete_[urmatoarea_++].c_str(), 1);
        }
    }
    Linii dischete_;
    std::size_t urmatoarea_ = 0;
};

class Unire : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        AnFiscal = 2002;
        if (const char* v = std::getenv("OLM_DRIVE_A")) {
            vechi_ = v;
        }
        for (const char* f : {"Repfisc.txt", "FF1.txt", "FF2.txt", "Deduceri.txt"}) {
            files::writeLines(f, {std::string("de pe statia aceasta ") + f});
        }
    }
    void TearDown() override {
        vechi_ ? ::setenv("OLM_DRIVE_A", vechi_->c_str(), 1) : ::unsetenv("OLM_DRIVE_A");
        platform::setDialogs(&fakeDialogs());
    }
    // The clerk goes on, puts in each diskette, then has no more.
    static void raspunde(testing::FakeDialogs& d, int dischete) {
        d.answer(Answer::Yes);
        for (int i = 0; i < dischete; ++i) {
            d.answer(Answer::Yes);
        }
        d.answer(Answer::No);
        d.answer(Answer::No);
    }
    static void neschimbate() {
        for (const char* f : {"Repfisc.txt", "FF1.txt", "FF2.txt", "Deduceri.txt"}) {
            EXPECT_EQ(files::readLines(f), Linii{std::string("de pe statia aceasta ") + f}) << f;
        }
    }

    std::optional<std::string> vechi_;
};

TEST_F(Unire, TwoDiskettesOneAfterTheOther) {
    fs::create_directories("d1");
    fs::create_directories("d2");
    files::writeLines("d1/FF1_2002.txt", {"fisa 1 a", "fisa 1 b"});
    files::writeLines("d1/ff2_2002.TXT", {"fisa 2 a"});
    files::writeLines("d1/Ded_2002.txt", {"dependent a"});
    files::writeLines("d1/Rep_2002.txt", {"angajator 1"});
    files::writeLines("d1/FF1_2001.txt", {"alt an"});
    files::writeLines("d2/FF1_2002.txt", {"fisa 1 c", ""});
    files::writeLines("d2/FF2_2002.txt", {"fisa 2 b"});
    files::writeLines("d2/Rep_2002.txt", {"angajator 2"});
    Statie statie({"d1", "d2"});
    platform::setDialogs(&statie);
    raspunde(statie, 2);

    const auto rez = UnesteDischete();

    EXPECT_EQ(rez.stare, RezultatUnire::Stare::Efectuata);
    const Linii ff1{"fisa 1 a", "fisa 1 b", "fisa 1 c", ""};
    EXPECT_EQ(files::readLines("FF1.txt"), ff1);
    EXPECT_EQ(files::readLines("FF1_2002.txt"), ff1);
    EXPECT_EQ(files::readLines("FF2.txt"), (Linii{"fisa 2 a", "fisa 2 b"}));
    EXPECT_EQ(files::readLines("Deduceri.txt"), (Linii{"dependent a"}));
    EXPECT_EQ(files::readLines("Repfisc.txt"), (Linii{"angajator 2"}));
    EXPECT_EQ(files::readLines("Rep_2002.txt"), (Linii{"angajator 2"}));
    EXPECT_EQ(NrDischete, 2);
    const auto texte = statie.texts();
    ASSERT_EQ(texte.size(), 6u);
    EXPECT_TRUE(texte[0].starts_with("    Fiecare angajator trebuie sa predea"));
    EXPECT_TRUE(texte[0].ends_with("\r\n\r\n   Continuati unirea fisierelor text ?"));
    EXPECT_EQ(statie.messages[0].title, "Unire fisiere text preluate de pe mai multe dischete  ");
    EXPECT_EQ(Linii(texte.begin() + 1, texte.end()),
              (Linii{IntrebarePrima, IntrebareUrmatoare, IntrebareUrmatoare, MaiAveti,
                     "S-au restaurat 4 fise fiscale tip 1 si 2 fise fiscale tip 2 de pe 2 dischete."}));
    EXPECT_EQ(statie.messages[5].title, " ");
    EXPECT_EQ(fakeClock().waits, (std::vector<double>{3, 3}));
    EXPECT_FALSE(fs::exists("Ff1_r.txt"));
}

TEST_F(Unire, NoDisketteAtAllEmptiesTheWorkingFiles) {
    // No to the first diskette, yes to more, then no to both.
    for (Answer a : {Answer::Yes, Answer::No, Answer::Yes, Answer::No, Answer::No}) {
        fakeDialogs().answer(a);
    }
    EXPECT_EQ(UnesteDischete().stare, RezultatUnire::Stare::Efectuata);
    for (const char* f : {"Repfisc.txt", "FF1.txt", "FF2.txt", "Deduceri.txt"}) {
        EXPECT_TRUE(files::readLines(f).empty()) << f;
    }
    const auto texte = fakeDialogs().texts();
    EXPECT_EQ(Linii(texte.begin() + 1, texte.end()),
              (Linii{IntrebarePrima, MaiAveti, IntrebarePrima, MaiAveti,
                     "S-au restaurat 0 fise fiscale tip 1 si 0 fise fiscale tip 2 de pe 0 dischete."}));
}

TEST_F(Unire, ErrorsEndTheMergeAndChangeNothing) {
    struct Rand {
        const char* nume;
        std::string drive;
        std::vector<Answer> raspunsuri;
        bool discPlin;
        std::string mesaj;
    } randuri[] = {
        {"the clerk does not start", "d1", {Answer::No}, false, ""},
        {"no diskette, the clerk gives up", "lipsa", {Answer::Yes, Answer::Yes, Answer::Retry, Answer::Cancel},
         false, "Eroare 71. Nu ati introdus discheta in unitate ."},
        {"the drive is not a directory", "d1/FF1_2002.txt", {Answer::Yes, Answer::Yes}, false,
         "Eroare 52. Discheta defecta. Refaceti discheta si reluati faza de unire. "},
        {"a full disk", "d1", {Answer::Yes, Answer::Yes, Answer::No, Answer::No}, true,
         "Eroare 61 la scrierea fisierului FF1.txt."},
    };
    fs::create_directories("d1");
    files::writeLines("d1/FF1_2002.txt", Linii(100, std::string(80, '1')));
    for (const auto& r : randuri) {
        SCOPED_TRACE(r.nume);
        fakeDialogs().messages.clear();
        ::setenv("OLM_DRIVE_A", r.drive.c_str(), 1);
        for (Answer a : r.raspunsuri) {
            fakeDialogs().answer(a);
        }
        RezultatUnire rez;
        {
            std::optional<testing::LimitaFisiere> plin;
            if (r.discPlin) {
                plin.emplace(4096);
            }
            rez = UnesteDischete();
        }
        EXPECT_NE(rez.stare, RezultatUnire::Stare::Efectuata);
        neschimbate();
        if (!r.mesaj.empty()) {
            EXPECT_EQ(fakeDialogs().texts().back(), r.mesaj);
            EXPECT_EQ(fakeDialogs().messages.back().icon, Icon::Exclamation);
        }
    }
}

} // namespace
} // namespace olm
