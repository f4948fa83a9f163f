#include "platform/files.h"
#include "shared/backup.h"
#include "shared/data_files.h"
#include "shared/employer_record.h"
#include "shared/state.h"
#include "support/failing_writer.h"
#include "support/fakes.h"
#include "support/file_bytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace olm {
namespace {

namespace files = platform::files;
namespace fs = std::filesystem;
using platform::Answer;
using platform::Icon;
using testing::fakeDialogs;
using testing::readBytes;
using testing::writeBytes;
using Linii = std::vector<std::string>;

const std::string RepA = "19,1,#FIRMA A#,##,##,#IASI#,#IASI#,##,##,,##,##,##,##,,##,##";
const std::string RepB = "1800101221144,2,##,#POP#,#ION#,#ARAD#,#ARAD#,##,##,,##,##,##,##,,##,##";

class Backup : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        AnFiscal = 2002;
        AngajatorFisaI = {};
    }

    static void setLucru(const std::string& rep, const std::string& eticheta) {
        files::writeLines("Repfisc.txt", {rep});
        files::writeLines("FF1.txt", {"ff1 " + eticheta, "ff1 doi " + eticheta});
        files::writeLines("FF2.txt", {"ff2 " + eticheta});
        files::writeLines("Deduceri.txt", {"ded " + eticheta});
    }

    static std::string cale(const std::string& sub) {
        return (fs::current_path() / sub).string() + "/";
    }

    static const std::vector<testing::RecordedMessage>& mesaje() { return fakeDialogs().messages; }
};

TEST_F(Backup, SaveThenRestoreAnotherEmployer) {
    setLucru(RepA, "A");
    files::writeLines("FF1_2002.txt", {"ff1 A"});
    fakeDialogs().answer(Answer::Yes);
    AngajatorFisaI.CodAngajator = "19";
    TipAngajator = 1;
    EXPECT_TRUE(SalvareDate());

    EXPECT_EQ(files::readLines("J19/FF1_2002.txt"), (Linii{"ff1 A", "ff1 doi A"}));
    EXPECT_EQ(files::readLines("J19/FF2_2002.txt"), (Linii{"ff2 A"}));
    EXPECT_EQ(files::readLines("J19/Ded_2002.txt"), (Linii{"ded A"}));
    EXPECT_EQ(files::readLines("J19/Rep_2002.txt"), (Linii{RepA}));
    // Emptied with their yearly copies, in one step.
    for (const char* f : {"Repfisc.txt", "FF1.txt", "FF2.txt", "Deduceri.txt", "Rep_2002.txt", "FF1_2002.txt"}) {
        EXPECT_TRUE(files::exists(f) && files::isEmpty(f)) << f;
    }
    EXPECT_EQ(AngajatorFisaI.CodAngajator, "");
    EXPECT_EQ(JudetAngajator, " ");
    ASSERT_EQ(mesaje().size(), 2u);
    EXPECT_EQ(mesaje()[0].text, "Doriti sa stergeti fisierele text de date din directorul de lucru ?");
    EXPECT_EQ(mesaje()[0].title, "");
    EXPECT_EQ(mesaje()[0].icon, Icon::None);
    EXPECT_EQ(mesaje()[1].text, "Salvarea a fost efectuata in subdirectorul " + cale("J19"));
    EXPECT_EQ(mesaje()[1].title, " ");

    // Another employer is typed, saved (kept in the working files) ...
    setLucru(RepB, "B");
    fakeDialogs().answer(Answer::No);
    EXPECT_FALSE(SalvareDate());
    EXPECT_EQ(files::readLines("F1800101221144/Rep_2002.txt"), (Linii{RepB}));
    EXPECT_EQ(files::readLines("FF2.txt"), (Linii{"ff2 B"}));

    // ... and the first one comes back.
    fakeDialogs().answerInput("19");
    EXPECT_TRUE(RestaurareDate());
    EXPECT_EQ(files::readLines("Repfisc.txt"), (Linii{RepA}));
    EXPECT_EQ(files::readLines("FF1.txt"), (Linii{"ff1 A", "ff1 doi A"}));
    EXPECT_EQ(files::readLines("FF2.txt"), (Linii{"ff2 A"}));
    EXPECT_EQ(files::readLines("Deduceri.txt"), (Linii{"ded A"}));
    EXPECT_EQ(fakeDialogs().prompts, (Linii{"Dati CF/CNP angajator de restaurat : "}));
    EXPECT_EQ(fakeDialogs().inputTitles, (Linii{""}));
    EXPECT_EQ(mesaje().back().text, "Restaurarea a fost efectuata.");
    EXPECT_EQ(mesaje().back().title, " ");
}

TEST_F(Backup, SavingAgainReplacesTheSavedFiles) {
    setLucru(RepA, "vechi");
    fakeDialogs().answer(Answer::No);
    SalvareDate();
    setLucru(RepA, "nou");
    files::remove("FF2.txt"); // a missing working file is saved as an empty one
    fakeDialogs().answer(Answer::No);
    SalvareDate();
    EXPECT_EQ(files::readLines("J19/FF1_2002.txt"), (Linii{"ff1 nou", "ff1 doi nou"}));
    EXPECT_TRUE(files::exists("J19/FF2_2002.txt"));
    EXPECT_TRUE(files::isEmpty("J19/FF2_2002.txt"));
    EXPECT_EQ(files::listFiles("J19").size(), 4u);
}

TEST_F(Backup, NothingToSaveWhenTheEmployerLineIsBlank) {
    SalvareDate(); // missing
    files::writeLines("Repfisc.txt", {"   "});
    SalvareDate(); // blank
    EXPECT_EQ(fakeDialogs().texts(), (Linii{"Fisiere goale.", "Fisiere goale."}));
    EXPECT_EQ(mesaje()[0].icon, Icon::Exclamation);
    EXPECT_EQ(mesaje()[0].title, "");
    EXPECT_EQ(testing::entries(), Linii{"Repfisc.txt"}); // no directory was made
    files::writeLines("Rep_2002.txt", {RepA}); // then emptied from outside: damage
    files::writeLines("Repfisc.txt", {});
    EXPECT_FALSE(SalvareDate());
    EXPECT_EQ(fakeDialogs().texts().back(), "Fisierul Repfisc.txt era gol: copia Rep_2002.txt a ramas neschimbata si i-a "
                                            "luat locul. Salvarea nu a fost efectuata.");
    EXPECT_EQ(files::readLines("Repfisc.txt"), Linii{RepA});
}

TEST_F(Backup, AFailedCopyIsReportedAndTheWorkingFilesStay) {
    setLucru(RepA, "A");
    // Something in the way of one of the copies.
    fs::create_directories("J19/FF2_2002.txt");
    EXPECT_FALSE(SalvareDate()); // no question is asked: the fake would fail the test
    ASSERT_EQ(mesaje().size(), 1u);
    EXPECT_EQ(mesaje()[0].text, "Salvarea nu a fost efectuata, subdirectorul " + cale("J19") +
                                    " a ramas neschimbat. Nu au putut fi copiate : J19/FF2_2002.txt (eroare 75).");
    EXPECT_EQ(mesaje()[0].icon, Icon::Exclamation);
    EXPECT_EQ(files::readLines("FF2.txt"), (Linii{"ff2 A"}));
    EXPECT_EQ(testing::entries("J19"), Linii{"FF2_2002.txt"}); // no copy made beside the one that failed
}

// A full disk is told of the file being saved, never of a scratch name or of
// the commit record, and the subdirectory is not made.
TEST_F(Backup, AFullDiskIsToldOfTheSavedFile) {
    setLucru(RepA, "A");
    for (const char* plin : {"J19/FF1_2002.txt", ".olm-jurnal"}) {
        SCOPED_TRACE(plin);
        const auto disc = testing::FailingWriter::afterBytes(plin, 0);
        EXPECT_FALSE(SalvareDate());
        EXPECT_EQ(mesaje().back().text, "Salvarea nu a fost efectuata, subdirectorul " + cale("J19") +
                                            " a ramas neschimbat. Nu au putut fi copiate : J19/FF1_2002.txt (eroare 61).");
        EXPECT_FALSE(fs::exists("J19"));
    }
}

TEST_F(Backup, NothingIsSavedFromAnUnreadableLineOrUnderACodeTheRestoreCannotTake) {
    fs::create_directories("repfisc.txt");
    EXPECT_FALSE(SalvareDate());
    EXPECT_EQ(fakeDialogs().texts(), (Linii{"Eroare 75 la citirea fisierului Repfisc.txt."}));
    fs::remove("repfisc.txt");

    setLucru("19 ,1,#FIRMA A#,##,##,#IASI#,#IASI#,##,##,,##,##,##,##,,##,##", "A");
    EXPECT_FALSE(SalvareDate());
    EXPECT_TRUE(mesaje().back().text.starts_with("Salvarea nu a fost efectuata,")) << mesaje().back().text;
    EXPECT_FALSE(fs::exists("J19 "));
    EXPECT_EQ(files::readLines("FF1.txt"), (Linii{"ff1 A", "ff1 doi A"}));
}

TEST_F(Backup, RestoreRefusesAnythingButACodeOfDigits) {
    setLucru(RepB, "B");
    fs::create_directories("J19");
    files::writeLines("J19/FF1_2002.txt", {"salvat"});
    for (const char* raspuns : {"../J19", "19 ", "12345678901234", "1a"}) {
        fakeDialogs().answerInput(std::string(raspuns));
        EXPECT_FALSE(RestaurareDate()) << raspuns;
        EXPECT_EQ(mesaje().back().text, "Cod incorect. Restaurarea nu a fost efectuata.");
        EXPECT_EQ(mesaje().back().icon, Icon::Exclamation);
    }
    fakeDialogs().answerInput(std::string());
    fakeDialogs().answerInput(std::nullopt);
    EXPECT_FALSE(RestaurareDate());
    EXPECT_FALSE(RestaurareDate());
    EXPECT_EQ(mesaje().back().text, "Restaurarea nu a fost efectuata.");
    EXPECT_EQ(mesaje().back().title, " ");
    EXPECT_EQ(files::readLines("FF1.txt"), (Linii{"ff1 B", "ff1 doi B"}));
}

TEST_F(Backup, RestoreFromAMissingOrEmptyDirectoryChangesNothing) {
    setLucru(RepB, "B");
    fakeDialogs().answerInput("19");
    EXPECT_FALSE(RestaurareDate());
    fs::create_directories("J19");
    fakeDialogs().answerInput("19");
    EXPECT_FALSE(RestaurareDate());
    const std::string mesaj = "Subdirectorul " + cale("J19") + "din care se doreste restaurarea nu exista.";
    EXPECT_EQ(fakeDialogs().texts(), (Linii{mesaj, mesaj}));
    EXPECT_EQ(mesaje()[0].title, "Olm");
    EXPECT_EQ(mesaje()[0].icon, Icon::None);
    EXPECT_EQ(files::readLines("Repfisc.txt"), (Linii{RepB}));
}

TEST_F(Backup, RestoreEmptiesTheWorkingFilesWhoseYearlyCopyWasNotSaved) {
    setLucru(RepB, "B");
    files::writeLines("FF2_2002.txt", {"ff2 B"});
    fs::create_directories("J19");
    files::writeLines("J19/ff1_2002.TXT", {"ff1 salvat"});
    writeBytes("J19/Rep_2002.txt", RepA + "\nfara CR LF"); // copied byte for byte
    files::writeLines("J19/FF2_2001.txt", {"alt an"});
    fakeDialogs().answerInput("19");
    EXPECT_TRUE(RestaurareDate());
    EXPECT_EQ(files::readLines("FF1.txt"), (Linii{"ff1 salvat"}));
    EXPECT_EQ(readBytes("Repfisc.txt"), RepA + "\nfara CR LF");
    // Nothing of the employer worked on before is left beside the one restored.
    EXPECT_TRUE(files::exists("FF2.txt") && files::isEmpty("FF2.txt"));
    EXPECT_TRUE(files::exists("Deduceri.txt") && files::isEmpty("Deduceri.txt"));
    // The yearly copies of the year hold the same: none brings employer B back.
    for (const auto& set : seturiFisiereLaSalvare()) {
        EXPECT_TRUE(files::exists(copieAnuala(set)) && files::sameBytes(copieAnuala(set), set.lucru)) << set.lucru;
    }
    EXPECT_EQ(mesaje().back().text, "Restaurarea a fost efectuata.");
}

TEST_F(Backup, RestoreOfAnotherYearOnlyIsNotReportedAsDone) {
    setLucru(RepB, "B");
    fs::create_directories("J19");
    files::writeLines("J19/FF1_2001.txt", {"alt an"});
    fakeDialogs().answerInput("19");
    EXPECT_FALSE(RestaurareDate());
    EXPECT_EQ(fakeDialogs().texts(), (Linii{"Restaurarea nu a fost efectuata."}));
    EXPECT_EQ(files::readLines("FF1.txt"), (Linii{"ff1 B", "ff1 doi B"}));
}

TEST_F(Backup, AFailedRestoreCopyIsReportedAndChangesNothing) {
    const struct {
        const char *nume, *cale, *legatura; // what stands in the way, a link to nothing when given
        std::string mesaj;
    } randuri[] = {
        {"a working file that is a directory", "Deduceri.txt", nullptr,
         "Nu au putut fi copiate : Deduceri.txt (eroare 75)."},
        {"a saved file that is a directory", "J19/FF1_2002.txt", nullptr,
         "J19/FF1_2002.txt este un director, nu un fisier."},
        {"a saved file that is a link to nothing", "J19/FF1_2002.txt", "lipsa.txt",
         "J19/FF1_2002.txt este o legatura catre lipsa.txt, care nu exista."},
    };
    for (const auto& r : randuri) {
        SCOPED_TRACE(r.nume);
        fs::remove_all("Deduceri.txt");
        fs::remove_all("J19");
        setLucru(RepB, "B");
        fs::create_directories("J19");
        for (const char* f : {"FF1_2002.txt", "FF2_2002.txt", "Ded_2002.txt", "Rep_2002.txt"}) {
            files::writeLines(std::string("J19/") + f, {std::string("salvat ") + f});
        }
        fs::remove(r.cale);
        r.legatura ? fs::create_symlink(r.legatura, r.cale) : (void)fs::create_directories(r.cale);
        const Linii inainte = testing::entries();
        fakeDialogs().answerInput("19");
        EXPECT_FALSE(RestaurareDate());
        EXPECT_EQ(mesaje().back().text,
                  "Restaurarea nu a fost efectuata, fisierele de lucru au ramas neschimbate. " + r.mesaj);
        EXPECT_EQ(mesaje().back().icon, Icon::Exclamation);
        EXPECT_EQ(files::readLines("FF1.txt"), (Linii{"ff1 B", "ff1 doi B"}));
        EXPECT_EQ(files::readLines("Repfisc.txt"), (Linii{RepB}));
        EXPECT_EQ(testing::entries(), inainte); // no scratch file left behind
    }
}

} // namespace
} // namespace olm
