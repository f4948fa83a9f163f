#include "exchange/diskette_merge.h"
#include "platform/files.h"
#include "platform/termination.h"
#include "shared/state.h"
#include "support/fakes.h"
#include "support/file_size_limit.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace olm {
namespace {

namespace files = platform::files;
using platform::Answer;
using testing::fakeDialogs;
using Linii = std::vector<std::string>;
using Stare = RezultatUnire::Stare;

const std::string Prima = "Introduceti prima discheta. Ati introdus discheta ?";
const std::string Urmatoarea = "Introduceti discheta urmatoare. Ati introdus discheta ?";
const std::string MaiAveti = "Mai aveti dischete de introdus ?";
const Linii Lucru{"Repfisc.txt", "FF1.txt", "FF2.txt", "Deduceri.txt"};

// The clerk puts the diskettes in one after the other: the drive turns to
// the next directory whenever the next diskette is asked for.
class Statie : public testing::FakeDialogs {
public:
    explicit Statie(Linii dischete) : dischete_(std::move(dischete)) {
        ::setenv("OLM_DRIVE_A", dischete_.at(0).c_str(), 1);
    }
    Answer message(const std::string& text, const std::string& title, platform::Icon icon,
                   platform::Buttons buttons) override {
        if (text == Urmatoarea && !dischete_.empty()) {
            ::setenv("OLM_DRIVE_A", dischete_[++urmatoarea_ % dischete_.size()].c_str(), 1);
        }
        return FakeDialogs::message(text, title, icon, buttons);
    }

private:
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
        for (const auto& f : Lucru) {
            files::writeLines(f, {f});
        }
        std::filesystem::create_directories("d1");
        std::filesystem::create_directories("d2");
    }
    void TearDown() override {
        vechi_ ? ::setenv("OLM_DRIVE_A", vechi_->c_str(), 1) : ::unsetenv("OLM_DRIVE_A");
        platform::setDialogs(&fakeDialogs());
    }
    std::optional<std::string> vechi_;
};

TEST_F(Unire, TwoDiskettesOneAfterTheOther) {
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
    for (Answer a : {Answer::Yes, Answer::Yes, Answer::Yes, Answer::No, Answer::No}) {
        statie.answer(a);
    }

    EXPECT_EQ(UnesteDischete().stare, Stare::Efectuata);

    const Linii ff1{"fisa 1 a", "fisa 1 b", "fisa 1 c", ""};
    EXPECT_EQ(files::readLines("FF1.txt"), ff1);
    EXPECT_EQ(files::readLines("FF1_2002.txt"), ff1);
    EXPECT_EQ(files::readLines("FF2.txt"), (Linii{"fisa 2 a", "fisa 2 b"}));
    EXPECT_EQ(files::readLines("Deduceri.txt"), Linii{"dependent a"});
    EXPECT_EQ(files::readLines("Repfisc.txt"), Linii{"angajator 2"});
    EXPECT_EQ(NrDischete, 2);
    auto texte = statie.texts();
    ASSERT_EQ(texte.size(), 6u);
    EXPECT_TRUE(texte[0].starts_with("    Fiecare angajator trebuie sa predea"));
    EXPECT_TRUE(texte[0].ends_with("\r\n\r\n   Continuati unirea fisierelor text ?"));
    EXPECT_EQ(statie.messages[0].title, "Unire fisiere text preluate de pe mai multe dischete  ");
    texte.erase(texte.begin());
    EXPECT_EQ(texte, (Linii{Prima, Urmatoarea, Urmatoarea, MaiAveti,
                            "S-au restaurat 4 fise fiscale tip 1 si 2 fise fiscale tip 2 de pe 2 dischete."}));
    EXPECT_EQ(statie.messages[5].title, " ");
    EXPECT_EQ(testing::fakeClock().waits, (std::vector<double>{3, 3}));
}

TEST_F(Unire, NoDisketteAtAllEmptiesTheWorkingFiles) {
    // No to the first diskette, yes to more, then no to both.
    for (Answer a : {Answer::Yes, Answer::No, Answer::Yes, Answer::No, Answer::No}) {
        fakeDialogs().answer(a);
    }
    EXPECT_EQ(UnesteDischete().stare, Stare::Efectuata);
    for (const auto& f : Lucru) {
        EXPECT_TRUE(files::readLines(f).empty()) << f;
    }
    auto texte = fakeDialogs().texts();
    texte.erase(texte.begin());
    EXPECT_EQ(texte, (Linii{Prima, MaiAveti, Prima, MaiAveti,
                            "S-au restaurat 0 fise fiscale tip 1 si 0 fise fiscale tip 2 de pe 0 dischete."}));
}

TEST_F(Unire, ErrorsEndTheMergeAndChangeNothing) {
    const struct {
        const char* nume;
        std::string drive;
        std::vector<Answer> raspunsuri;
        std::string mesaj;
        bool deslogare = false; // a log-out meanwhile
    } randuri[] = {
        {"the clerk does not start", "d1", {Answer::No}, "    Fiecare angajator"},
        {"no diskette, the clerk gives up", "lipsa", {Answer::Yes, Answer::Yes, Answer::Retry, Answer::Cancel},
         "Eroare 71. Nu ati introdus discheta in unitate ."},
        {"the drive is not a directory", "d1/FF1_2002.txt", {Answer::Yes, Answer::Yes},
         "Eroare 52. Discheta defecta. Refaceti discheta si reluati faza de unire. "},
        {"a full disk", "d1", {Answer::Yes, Answer::Yes, Answer::No, Answer::No},
         "Eroare 61 la scrierea fisierului FF1.txt."},
        {"a diskette file that is a directory", "d2", {Answer::Yes, Answer::Yes},
         "Eroare 75. Fisier defect. Refaceti discheta si reluati faza de unire. "},
        {"a log-out in the pause after a diskette", "d1", {Answer::Yes, Answer::Yes}, Prima, true},
    };
    files::writeLines("d1/FF1_2002.txt", Linii(100, std::string(80, '1')));
    std::filesystem::create_directories("d2/FF2_2002.txt");
    for (const auto& r : randuri) {
        SCOPED_TRACE(r.nume);
        if (r.deslogare) {
            platform::catchTerminationSignals();
            ASSERT_EQ(std::raise(SIGTERM), 0);
        }
        ::setenv("OLM_DRIVE_A", r.drive.c_str(), 1);
        for (Answer a : r.raspunsuri) {
            fakeDialogs().answer(a);
        }
        {
            testing::LimitaFisiere plin(4096);
            EXPECT_NE(UnesteDischete().stare, Stare::Efectuata);
        }
        for (const auto& f : Lucru) {
            EXPECT_EQ(files::readLines(f), Linii{f}) << f;
        }
        EXPECT_TRUE(fakeDialogs().texts().back().starts_with(r.mesaj)) << fakeDialogs().texts().back();
        fakeDialogs().messages.clear();
    }
}

} // namespace
} // namespace olm
