#include "main_window/diskette_handin.h"
#include "platform/drive.h"
#include "platform/file_error.h"
#include "platform/files.h"
#include "platform/termination.h"
#include "shared/state.h"
#include "support/fakes.h"
#include "support/file_bytes.h"
#include "support/file_size_limit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

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

// The question every hand-in starts with.
const testing::ExpectedMessage Intrebare{"Ati introdus discheta  ?", "  ", Icon::None, Buttons::YesNo};

// Keeps an environment variable as it was before the test.
class Mediu {
public:
    explicit Mediu(const char* nume) : nume_(nume) {
        if (const char* v = std::getenv(nume)) {
            vechi_ = v;
        }
    }
    ~Mediu() {
        if (vechi_) {
            ::setenv(nume_, vechi_->c_str(), 1);
        } else {
            ::unsetenv(nume_);
        }
    }
    void seteaza(const std::string& v) { ::setenv(nume_, v.c_str(), 1); }
    void sterge() { ::unsetenv(nume_); }

private:
    const char* nume_;
    std::optional<std::string> vechi_;
};

class Handin : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        AnFiscal = 2002;
        drive_.sterge(); // the default: "discheta" in the working directory
        files::writeLines("FF1.txt", {"fisa 1"});
        files::writeLines("FF2.txt", {"fisa 2"});
        files::writeLines("Deduceri.txt", {"deduceri"});
        files::writeLines("Repfisc.txt", {"angajator"});
    }

    static Linii peDischeta(const std::string& dir = "discheta") { return testing::entries(dir); }

    Mediu drive_{"OLM_DRIVE_A"};
    Mediu home_{"HOME"};
};

const Linii CopiiAn{"Ded_2002.txt", "FF1_2002.txt", "FF2_2002.txt", "Rep_2002.txt"};

TEST_F(Handin, EmptiesTheDisketteAndCopiesTheWorkingFiles) {
    fs::create_directories("discheta/pastrat");
    files::writeLines("discheta/VECHI.TXT", {"altceva"});
    files::writeLines("discheta/FF1_2002.txt", {"vechi"});
    testing::writeBytes("discheta/.olm-tmp-abcdefghij", "a copy cut short by a kill");
    fakeDialogs().answer(Answer::Yes);

    EXPECT_EQ(PredareDischeta(), RezultatPredare::Efectuata);

    Linii asteptat = CopiiAn;
    asteptat.push_back("pastrat"); // only the files of the root are deleted
    std::sort(asteptat.begin(), asteptat.end());
    EXPECT_EQ(peDischeta(), asteptat);
    EXPECT_EQ(files::readLines("discheta/FF1_2002.txt"), (Linii{"fisa 1"}));
    EXPECT_EQ(files::readLines("discheta/FF2_2002.txt"), (Linii{"fisa 2"}));
    EXPECT_EQ(files::readLines("discheta/Ded_2002.txt"), (Linii{"deduceri"}));
    EXPECT_EQ(files::readLines("discheta/Rep_2002.txt"), (Linii{"angajator"}));

    testing::expectMessages({Intrebare, {"Salvarea a fost efectuata.", " ", Icon::None}});
    EXPECT_EQ(fakeClock().waits, (std::vector<double>{5}));
}

TEST_F(Handin, NoStillWaitsAndTouchesNothing) {
    fs::create_directories("discheta");
    files::writeLines("discheta/a.txt", {"ramane"});
    fakeDialogs().answer(Answer::No);
    EXPECT_EQ(PredareDischeta(), RezultatPredare::Neefectuata);
    EXPECT_EQ(peDischeta(), (Linii{"a.txt"}));
    testing::expectMessages({Intrebare, {"Salvarea nu a fost efectuata.", " ", Icon::None}});
    EXPECT_EQ(fakeClock().waits, (std::vector<double>{5}));
}

TEST_F(Handin, NoDisketteLetsTheClerkGiveUp) {
    fakeDialogs().answer(Answer::Yes);
    fakeDialogs().answer(Answer::Retry);
    fakeDialogs().answer(Answer::Cancel);
    EXPECT_EQ(PredareDischeta(), RezultatPredare::Intrerupta);
    const testing::ExpectedMessage lipsa{"Eroare 71. Nu ati introdus discheta in unitate .", "  ",
                                         Icon::Exclamation, Buttons::RetryCancel};
    testing::expectMessages({Intrebare, lipsa, lipsa});
    EXPECT_EQ(fakeClock().waits, (std::vector<double>{20, 20}));
    EXPECT_FALSE(fs::exists("discheta"));
}

// The clerk puts the diskette in when told it is missing, then retries.
class DialogsCuDischeta : public testing::FakeDialogs {
public:
    Answer message(const std::string& text, const std::string& title, Icon icon, Buttons buttons) override {
        messages.push_back({text, title, icon, buttons});
        if (text.starts_with("Eroare 71")) {
            fs::create_directories("discheta");
            return Answer::Retry;
        }
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
};

TEST_F(Handin, RetryAfterTheDisketteIsInContinues) {
    DialogsCuDischeta dialogs;
    platform::setDialogs(&dialogs);
    const auto rezultat = PredareDischeta();
    platform::setDialogs(&fakeDialogs());
    EXPECT_EQ(rezultat, RezultatPredare::Efectuata);
    EXPECT_EQ(peDischeta(), CopiiAn);
    EXPECT_EQ(dialogs.texts(), (Linii{"Ati introdus discheta  ?", "Eroare 71. Nu ati introdus discheta in unitate .",
                                      "Salvarea a fost efectuata."}));
    EXPECT_EQ(fakeClock().waits, (std::vector<double>{20, 5}));
}

// Files on the diskette may not grow past a few bytes while it is alive.
using DischetaMica = testing::LimitaFisiere;

TEST_F(Handin, AFullDisketteKeepsTheCopiesMadeBeforeIt) {
    fs::create_directories("discheta");
    files::writeLines("FF2.txt", Linii(200, std::string(100, '2')));
    fakeDialogs().answer(Answer::Yes);
    RezultatPredare rezultat;
    {
        DischetaMica dischetaMica(4096);
        rezultat = PredareDischeta();
    }
    EXPECT_EQ(rezultat, RezultatPredare::Intrerupta);
    EXPECT_EQ(peDischeta(), (Linii{"FF1_2002.txt"}));
    testing::expectMessages({Intrebare, {"Eroare 61. Discheta plina. ", "  ", Icon::Exclamation}});
    EXPECT_EQ(fakeClock().waits, (std::vector<double>{20}));
}

TEST_F(Handin, AMissingWorkingFileEndsWithItsErrorNumber) {
    fs::create_directories("discheta");
    files::remove("Deduceri.txt");
    fakeDialogs().answer(Answer::Yes);
    EXPECT_EQ(PredareDischeta(), RezultatPredare::Intrerupta);
    EXPECT_EQ(peDischeta(), (Linii{"FF1_2002.txt", "FF2_2002.txt"}));
    testing::expectMessages({Intrebare, "Eroare 53."});
}

TEST_F(Handin, TheDriveIsTheDirectoryOfTheEnvironmentVariable) {
    const fs::path altundeva = fs::current_path() / "unitate";
    fs::create_directories(altundeva);
    drive_.seteaza(altundeva.string());
    fakeDialogs().answer(Answer::Yes);
    EXPECT_EQ(PredareDischeta(), RezultatPredare::Efectuata);
    EXPECT_EQ(peDischeta(altundeva.string()), CopiiAn);
    EXPECT_EQ(platform::drive::pathOf("ff1_2002.TXT"), (altundeva / "FF1_2002.txt").string());
}

TEST_F(Handin, TheWorkingAndHomeDirectoriesAreNeverEmptied) {
    fs::create_directories("acasa");
    files::writeLines("acasa/personal.txt", {"nu se sterge"});
    home_.seteaza((fs::current_path() / "acasa").string());
    for (const std::string& unitate : {std::string("."), (fs::current_path() / "acasa").string(),
                                       (fs::current_path() / "acasa" / ".." / ".").string()}) {
        drive_.seteaza(unitate);
        fakeDialogs().answer(Answer::Yes);
        EXPECT_EQ(PredareDischeta(), RezultatPredare::Intrerupta) << unitate;
        EXPECT_EQ(fakeDialogs().messages.back().text, "Eroare 52. Discheta defecta.");
    }
    EXPECT_TRUE(files::exists("acasa/personal.txt"));
    EXPECT_EQ(files::readLines("FF1.txt"), (Linii{"fisa 1"}));
}

// A log-out during a wait ends the command there, as "Anuleaza" would: no
// message after the wait, nothing more done on the diskette.
TEST_F(Handin, ASignalToEndCutsEachWaitShort) {
    const struct {
        const char* nume;
        bool dischetaIntrodusa;
        Answer raspuns;
        double asteptare;
        RezultatPredare rezultat;
        Linii peDischeta;
    } randuri[] = {
        {"the 20 seconds before an error", false, Answer::Yes, 20, RezultatPredare::Intrerupta, {}},
        {"the 5 seconds after the copies", true, Answer::Yes, 5, RezultatPredare::Efectuata, CopiiAn},
    };
    platform::catchTerminationSignals();
    ASSERT_EQ(std::raise(SIGTERM), 0);
    for (const auto& r : randuri) {
        SCOPED_TRACE(r.nume);
        fs::remove_all("discheta");
        if (r.dischetaIntrodusa) {
            fs::create_directories("discheta");
        }
        fakeClock().waits.clear();
        fakeDialogs().answer(r.raspuns);
        EXPECT_EQ(PredareDischeta(), r.rezultat);
        testing::expectMessages({Intrebare});
        EXPECT_EQ(fakeClock().waits, std::vector<double>{r.asteptare});
        if (r.dischetaIntrodusa) {
            EXPECT_EQ(peDischeta(), r.peDischeta);
        }
    }
}

TEST_F(Handin, AWriteProtectedDisketteCannotBeAccessed) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not hold for root";
    }
    fs::create_directories("discheta");
    fs::permissions("discheta", fs::perms::owner_read | fs::perms::owner_exec);
    fakeDialogs().answer(Answer::Yes);
    const auto rezultat = PredareDischeta();
    fs::permissions("discheta", fs::perms::owner_all);
    EXPECT_EQ(rezultat, RezultatPredare::Intrerupta);
    EXPECT_EQ(fakeDialogs().messages.back().text, "Eroare 75.");
}

} // namespace
} // namespace olm
