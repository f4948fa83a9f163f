// The platform services other than files: dialogs, help, date style, clock,
// instance lock, and the real printer.

#include "platform/clock.h"
#include "platform/date_style.h"
#include "platform/dialogs.h"
#include "platform/help.h"
#include "platform/instance_lock.h"
#include "platform/printer.h"
#include "platform/termination.h"
#include "platform/text_viewer.h"
#include "sample_form.h"
#include "support/drive.h"
#include "support/fakes.h"
#include "shared/printing.h"
#include "support/file_bytes.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

namespace fs = std::filesystem;
using namespace olm::platform;
using olm::testing::expectMessages;
using olm::testing::expectOneMessage;
using olm::testing::fakeDialogs;
using olm::testing::fakeTextViewer;
using olm::testing::readBytes;
using olm::testing::SampleForm;
using olm::testing::showActive;
using olm::testing::writeBytes;
using olm::testing::workDir;

namespace {

// Page objects of a PDF written by Qt ("/Type /Page", not "/Type /Pages").
int pdfPages(const std::string& pdf) {
    int pages = 0;
    const std::string key = "/Type /Page";
    for (auto at = pdf.find(key); at != std::string::npos; at = pdf.find(key, at + 1)) {
        if (at + key.size() < pdf.size() && pdf[at + key.size()] != 's') {
            ++pages;
        }
    }
    return pages;
}

} // namespace

// --- Dialogs and help ----------------------------------------------------------

TEST(Dialogs, ShortcutsKeepTheTitleExactAndAskYesNo) {
    showMessage("Mesaj cu blanc la sfarsit ", " ", Icon::Information);
    fakeDialogs().answer(Answer::Yes);
    EXPECT_TRUE(askYesNo("Salvati modificarile?"));
    fakeDialogs().answer(Answer::No);
    EXPECT_FALSE(askYesNo("Stergeti?", "  ", Icon::Exclamation));

    expectMessages({{"Mesaj cu blanc la sfarsit ", " ", Icon::Information, Buttons::Ok},
                    {"Salvati modificarile?", "", Icon::None, Buttons::YesNo},
                    {"Stergeti?", "  ", Icon::Exclamation, Buttons::YesNo}});
}

// A help text keeps its lines; a paragraph breaks at five eighths of the screen.
TEST(Dialogs, TheRealMessageBoxKeepsTheLinesOfAHelpTextAndBreaksAParagraph) {
    setDialogs(nullptr);
    const QString help = "un \r\nangajat, chiar daca are mai multe contracte de munca la acelasi angajator.\r\n\r\n Nu";
    const QString paragraph = QString("NotePad este folosit numai pentru vizualizare. ").repeated(5);
    for (const QString& text : {help, paragraph}) {
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            for (const QLabel* label : box->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
                if (!label->text().isEmpty()) { // not the icon
                    EXPECT_EQ(label->text(), QString(text).replace("\r\n", "\n"));
                    EXPECT_LE(label->width(), box->screen()->availableGeometry().width() * 5 / 8);
                    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(help.split("\r\n")[1]));
                }
            }
            QTest::keyClick(box, Qt::Key_N);
        });
        EXPECT_EQ(Answer::No, dialogs().message(text.toStdString(), "", Icon::Exclamation, Buttons::YesNo));
    }
}

// A question stays until a button answers it (Esc and the close box would
// pick "Nu" and throw away what was typed), its letters alone answering; the
// other messages close on Esc with the answer that changes nothing.
TEST(Dialogs, TheRealMessageBoxIsAnsweredOnlyByItsButtons) {
    setDialogs(nullptr);
    const struct {
        Buttons buttons;
        Qt::Key key; // after Esc and the close box for a question
        std::string captions;
        Answer answer;
    } rows[] = {{Buttons::YesNo, Qt::Key_D, "&Da&Nu", Answer::Yes},
                {Buttons::YesNoDefaultNo, Qt::Key_N, "&Nu&Da", Answer::No},
                {Buttons::RetryCancel, Qt::Key_R, "&Reincearca&Anuleaza", Answer::Retry},
                {Buttons::RetryCancel, Qt::Key_Escape, "&Reincearca&Anuleaza", Answer::Cancel},
                {Buttons::Ok, Qt::Key_Escape, "OK", Answer::Ok}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.captions);
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            std::string captions;
            for (const QPushButton* b : box->findChildren<QPushButton*>()) {
                captions += b->text().toStdString();
            }
            EXPECT_EQ(captions, row.captions);
            if (row.captions.find("&Da") != std::string::npos) {
                QTest::keyClick(box, Qt::Key_Escape);
                EXPECT_FALSE(box->close() || !box->isVisible());
            }
            QTest::keyClick(box, row.key);
        });
        EXPECT_EQ(dialogs().message("Salvati modificarile?", "", Icon::None, row.buttons), row.answer);
    }
}

// Asked while a viewer is in sight, a message box and the input box open
// beside it; once the clerk has clicked into a form, where Qt puts them.
TEST(Dialogs, TheRealDialogsOpenClearOfTheViewersInSight) {
    setDialogs(nullptr);
    setTextViewer(nullptr);
    writeBytes("help.txt", "ajutor\r\n");
    SampleForm& form = SampleForm::instance();
    ASSERT_TRUE(showActive(form));
    form.widget()->move(0, 40);
    textViewer().show("help.txt");
    const auto windows = QApplication::topLevelWidgets();
    QWidget* viewer = *std::find_if(windows.begin(), windows.end(), [](const QWidget* w) { return w->windowTitle() == "help.txt"; });
    std::vector<bool> clear;
    const auto answer = [&] {
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            clear.push_back(!box->frameGeometry().intersects(viewer->frameGeometry()));
            QTest::keyClick(box, Qt::Key_Escape);
        });
    };
    answer();
    showMessage("Doriti listarea fisierului help.txt ?");
    answer();
    EXPECT_EQ(dialogs().input("Dati CF/CNP angajator de restaurat : ", "", ""), std::nullopt);
    QTest::mouseClick(form.widget()->windowHandle(), Qt::LeftButton, {}, QPoint(380, 150));
    answer();
    showMessage("Doriti listarea fisierului help.txt ?");
    EXPECT_EQ(clear, (std::vector<bool>{true, true, false}));
    viewer->close();
    olm::testing::dropSampleForm();
}

// The input box keeps to the rules of the program's boxes: a pasted code ends
// at its line break.
TEST(Dialogs, TheInputBoxTakesOneLineOfWhatIsPasted) {
    setDialogs(nullptr);
    QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        QGuiApplication::clipboard()->setText("1234567890\r\n");
        QTest::keyClick(box->findChild<QLineEdit*>(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(dialogs().input("Dati CF/CNP angajator de restaurat : ", "", ""), "1234567890");
}

TEST(Help, TheHelpFileIsShownInTheViewerWhateverTheCaseOfItsName) {
    writeBytes("Help.TXT", "ajutor\r\n");
    showHelpContents("help.txt");
    EXPECT_EQ(fakeTextViewer().shown, std::vector<std::string>{"help.txt"});
    expectMessages({});
}

TEST(Help, AMissingHelpFileOrOneThatIsNoFileIsReportedAsItIs) {
    fs::create_directory("help.txt");
    ASSERT_EQ(::mkfifo("help2.txt", 0600), 0);
    for (const auto& [name, message] : {std::pair{"help1.txt", "help1.txt nu exista."},
                                        {"help.txt", "help.txt este un director, nu un fisier."},
                                        {"help2.txt", "help2.txt nu este un fisier."}}) {
        showHelpContents(name);
        expectOneMessage(std::string("Fisierul de ajutor ") + message, "", Icon::Exclamation);
        fakeDialogs().messages.clear();
    }
    EXPECT_TRUE(fakeTextViewer().shown.empty());
}

// --- Date style --------------------------------------------------------------------

TEST(DateStyle, DatesAreWrittenInTheGivenStyle) {
    const Date d{5, 3, 2002};
    EXPECT_EQ(formatDate(d, "dd/MM/yy"), "05/03/02");
    EXPECT_EQ(formatDate(d, "dd/MM/yyyy"), "05/03/2002");
    EXPECT_EQ(formatDate(d, "d/M/yyyy"), "5/3/2002");
    EXPECT_EQ(formatDate(d, "dd.mm.yy"), "05.03.02");
    EXPECT_EQ(formatDate(d, "MM/dd/yy"), "03/05/02");
    EXPECT_EQ(formatDate(d, "yy/MM/dd"), "02/03/05");
    EXPECT_EQ(formatDate({31, 12, 2000}, "dd/MM/yy"), "31/12/00");
    EXPECT_EQ(formatDate({1, 1, 2009}, "d-M-yy"), "1-1-09");
}

TEST(DateStyle, TheStyleIsASettingOfTheProgram) {
    if (std::getenv("OLM_SHORT_DATE_STYLE") == nullptr) {
        EXPECT_EQ(shortDateStyle(), "dd/MM/yy");
    }
    const std::string saved = shortDateStyle();
    setShortDateStyle("MM/dd/yy");
    EXPECT_EQ(shortDateStyle(), "MM/dd/yy");
    setShortDateStyle(saved);

    const Date t = today();
    const QDate q = QDate::currentDate();
    EXPECT_EQ(t.day, q.day());
    EXPECT_EQ(t.month, q.month());
    EXPECT_EQ(t.year, q.year());
}

// --- Clock -----------------------------------------------------------------------

// The windows are painted during a wait (a question just answered goes from
// the screen), but nothing else that could start a step runs before its end.
TEST(Clock, TheRealClockWaitsPaintingTheWindowsAndHandlingNothingElse) {
    struct Painted : QWidget {
        int paints = 0;
        void paintEvent(QPaintEvent*) override { ++paints; }
    } window;
    window.show();
    QCoreApplication::processEvents();
    const int before = window.paints;
    window.update();
    setClock(nullptr);
    Clock& real = olm::platform::clock();
    bool handled = false;
    QTimer::singleShot(1, [&] { handled = true; });
    const double start = real.seconds();
    EXPECT_TRUE(real.busyWait(0.05));
    EXPECT_GE(real.seconds() - start, 0.05);
    EXPECT_GT(window.paints, before);
    EXPECT_FALSE(handled);
    QCoreApplication::processEvents();
    EXPECT_TRUE(handled);
}

// A log-out is not held up by a wait: it ends it within a fraction of a
// second and says so, and a wait begun after it does not start.
TEST(Clock, ASignalToEndCutsARealWaitShort) {
    setClock(nullptr);
    catchTerminationSignals();
    Clock& real = olm::platform::clock();
    const double start = real.seconds();
    std::thread logout([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        ::kill(::getpid(), SIGTERM);
    });
    EXPECT_FALSE(real.busyWait(20));
    logout.join();
    EXPECT_FALSE(real.busyWait(20));
    EXPECT_LT(real.seconds() - start, 2);
}

// --- Instance lock -------------------------------------------------------------------

TEST(InstanceLock, ASecondInstanceFailsWhileTheFirstHoldsTheLock) {
    auto first = std::make_unique<InstanceLock>();
    ASSERT_TRUE(first->acquire());
    InstanceLock second;
    EXPECT_FALSE(second.acquire());

    // However long the first instance has been running.
    const auto lockFile = fs::path(workDir()) / ".olm.lock";
    ASSERT_TRUE(fs::exists(lockFile));
    utimbuf old{};
    old.actime = old.modtime = std::time(nullptr) - 3600;
    ASSERT_EQ(::utime(lockFile.c_str(), &old), 0);
    EXPECT_FALSE(second.acquire());
    writeBytes(".olm.lock.rmlock", ""); // nor does the mark of a removal killed halfway let it in
    EXPECT_FALSE(second.acquire());

    first.reset();
    EXPECT_TRUE(second.acquire());
}

TEST(InstanceLock, TheLockOfADeadInstanceIsTakenOver) {
    for (const bool removalMark : {false, true}) { // what a removal of the lock killed halfway leaves
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Takes the lock and dies without releasing it.
            QLockFile lock(QStringLiteral(".olm.lock"));
            ::_exit(lock.tryLock(0) ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        ASSERT_TRUE(fs::exists(".olm.lock"));
        if (removalMark) {
            writeBytes(".olm.lock.rmlock", "");
        }
        EXPECT_TRUE(InstanceLock().acquire()) << removalMark;
    }
}

// --- The real printer, through its PDF output --------------------------------------------

class RealPrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        pdf_ = workDir() + "/iesire.pdf";
        qputenv("OLM_PRINT_TO_PDF", QByteArray::fromStdString(pdf_));
        setPrinter(nullptr);
    }
    void TearDown() override { qunsetenv("OLM_PRINT_TO_PDF"); }
    std::string pdf_;
};

TEST_F(RealPrinterTest, PagesGoToThePdfFileNamedByTheEnvironment) {
    Printer& p = printer();
    ASSERT_TRUE(p.choosePrinter());
    PrintSetup setup;
    setup.extraLineSpacingTwips = 13.5;
    ASSERT_TRUE(p.begin(setup));
    p.printLine("FISA FISCALA 1");
    p.printLine("   1.234.567   \xC2");
    p.newPage();
    p.printLine("pagina 2");
    p.end();

    const std::string bytes = readBytes(pdf_);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.substr(0, 4), "%PDF");
    EXPECT_EQ(pdfPages(bytes), 2);
}

TEST_F(RealPrinterTest, ACancelledAbortedOrEmptyJobLeavesThePdfAsItWas) {
    writeBytes(pdf_, "earlier");
    Printer& p = printer();
    ASSERT_TRUE(p.choosePrinter());
    ASSERT_TRUE(p.begin(PrintSetup{}));
    p.printLine("jumatate de lucrare");
    p.abort();
    EXPECT_EQ(readBytes(pdf_), "earlier");

    // A long job shows its progress; the clerk cancels it there.
    ASSERT_TRUE(p.begin(PrintSetup{}));
    for (int page = 1; page <= 5; ++page) {
        p.printLine("pagina " + std::to_string(page));
        p.newPage();
    }
    EXPECT_TRUE(p.pagesDone(5, [] { return 12L; }));
    QPointer<QProgressDialog> progress;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<QProgressDialog*>(w); found != nullptr) {
            progress = found;
        }
    }
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(progress->labelText(), QStringLiteral("Pagina 5 din 12"));
    auto* anuleaza = progress->findChild<QPushButton*>();
    ASSERT_NE(anuleaza, nullptr);
    EXPECT_EQ(anuleaza->text(), QStringLiteral("Anuleaza"));
    QTest::mouseClick(anuleaza, Qt::LeftButton);
    EXPECT_FALSE(p.pagesDone(10, [] { return 12L; }));
    p.abort();
    olm::testing::runDeferredDeletes();
    EXPECT_TRUE(progress.isNull()) << "the progress closes with the job";
    EXPECT_EQ(readBytes(pdf_), "earlier");

    fs::remove(pdf_);
    ASSERT_TRUE(p.begin(PrintSetup{}));
    p.end();
    EXPECT_FALSE(fs::exists(pdf_));
    EXPECT_EQ(std::distance(fs::directory_iterator(workDir()), fs::directory_iterator()), 0) << "no scratch file left";
}

// A log-out during a long job ends it at once, as "Anuleaza" would: no PDF,
// no scratch file; what a killed job left beside the PDF goes with it.
TEST_F(RealPrinterTest, ASignalToEndStopsAJobAtOnceAndLeavesNoPdf) {
    catchTerminationSignals();
    std::string listing;
    for (int i = 0; i < 3000 * 65; ++i) { // 3,000 pages take seconds
        listing += std::string(79, 'x') + "\r\n";
    }
    writeBytes("ListF1.txt", listing);
    writeBytes(".olm-tmp-abcdefghij-iesire.pdf", "left by a killed job");
    const auto start = std::chrono::steady_clock::now();
    std::thread logout([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        ::kill(::getpid(), SIGTERM);
    });
    olm::TiparesteFisier("ListF1.txt");
    logout.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2300));
    EXPECT_EQ(std::distance(fs::directory_iterator(workDir()), fs::directory_iterator()), 1) << "a PDF or a scratch file";
}
