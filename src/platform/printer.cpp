#include "platform/printer.h"

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/termination.h"
#include "platform/viewers_in_sight.h"

#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <memory>
#include <optional>
#include <system_error>

namespace olm::platform {

namespace {

QFont fontOf(const PrintSetup& setup) {
    QFont f(QString::fromLatin1(setup.fontName));
    f.setStyleHint(QFont::TypeWriter);
    f.setPointSizeF(setup.pointSize);
    if (!QFontInfo(f).fixedPitch()) {
        f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        f.setPointSizeF(setup.pointSize);
    }
    return f;
}

// Each line is painted as it comes. Qt's print engines cannot recall a job
// they have started (QPrinter::abort is refused), so a job printed to a PDF
// file is written to a scratch file beside it, which becomes the file only
// when the job ends whole: a job dropped half-way leaves no file, and an
// earlier file of that name stays as it was.
class RealPrinter : public Printer {
public:
    // OLM_PRINT_TO_PDF=<file>: no print dialog; every job is written to that
    // PDF file instead of a printer. It lets a person check the output of the
    // program on a computer without a printer.
    bool choosePrinter() override {
        const char* pdf = std::getenv("OLM_PRINT_TO_PDF");
        const bool toPdf = pdf != nullptr && *pdf != '\0';
        // The printer chosen last time stays the choice the dialog offers.
        if (!printer_ || toPdf || printsToPdf_) {
            printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        }
        printsToPdf_ = toPdf;
        owner_ = askingWindow();
        if (toPdf) {
            printer_->setOutputFormat(QPrinter::PdfFormat);
            printer_->setOutputFileName(QFile::decodeName(pdf));
            return true;
        }
        // On the heap: the window that asked may go while the dialog is open
        // (the program ended from outside), and takes its children with it.
        QPointer<QPrintDialog> dialog = new QPrintDialog(printer_.get(), owner_);
        dialog->setWindowModality(Qt::WindowModal); // the viewers stay usable
        const ViewersInSight inSight(*dialog, owner_);
        const bool chosen = dialog->exec() == QDialog::Accepted;
        delete dialog.data();
        return chosen;
    }

    bool begin(const PrintSetup& setup) override {
        if (!printer_) {
            printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution); // the default printer
        }
        if (!printer_->isValid()) {
            return false;
        }
        setup_ = setup;
        blankPages_ = 0;
        shown_ = -std::numeric_limits<double>::infinity();
        total_ = -1;
        active_ = true;
        return true;
    }

    void printLine(const std::string& line) override {
        if (!active_ || (!painter_.isActive() && !open())) {
            return;
        }
        painter_.drawText(QPointF(left_, y_ + ascent_), QString::fromLatin1(line));
        y_ += step_;
    }

    void newPage() override {
        if (!active_) {
            return;
        }
        if (!painter_.isActive()) {
            ++blankPages_; // nothing printed yet
            return;
        }
        if (!printer_->newPage()) {
            active_ = false; // a printer failure: the job is dropped when it ends
            return;
        }
        y_ = top_;
    }

    void end() override {
        const bool whole = active_;
        active_ = false;
        closeProgress();
        if (!painter_.isActive()) {
            return; // nothing to print: no blank sheet either
        }
        if (!whole) {
            drop();
            return;
        }
        painter_.end();
        if (!scratch_.empty()) {
            std::error_code failed;
            std::filesystem::rename(scratch_, target_, failed);
            if (failed) {
                std::filesystem::remove(scratch_, failed);
            }
            printer_->setOutputFileName(QFile::decodeName(target_.c_str()));
            scratch_.clear();
        }
    }

    void abort() override {
        active_ = false;
        closeProgress();
        if (painter_.isActive()) {
            drop();
        }
    }

    bool pagesDone(long done, const std::function<long()>& total) override {
        // Asked to end from outside (a log-out): the job stops as "Anuleaza"
        // stops it, at once, whatever the event loop has yet to deliver.
        if (!active_ || terminationRequested()) {
            return false;
        }
        // Shown again a few times a second: drawn for every batch, the
        // progress would slow the job down.
        const double now = clock().seconds();
        if (now - shown_ >= ShowInterval) {
            shown_ = now;
            if (total_ < 0) {
                total_ = total();
            }
            if (total_ > FewPages) {
                showProgress(done, total_);
            }
            // With the progress shown, the clerk's keys and clicks go to it
            // and to the viewers (the window that asked waits for it);
            // without it, to none.
            QCoreApplication::processEvents(progress_ ? QEventLoop::ExcludeSocketNotifiers
                                                      : QEventLoop::ExcludeUserInputEvents |
                                                            QEventLoop::ExcludeSocketNotifiers);
        }
        return !(progress_ && progress_->wasCanceled());
    }

private:
    // The job's first line: the painter starts on the printer (on a scratch
    // file for a PDF file) with the font and the margins.
    bool open() {
        if (printer_->outputFormat() == QPrinter::PdfFormat && !printer_->outputFileName().isEmpty()) {
            target_ = QFile::encodeName(printer_->outputFileName()).toStdString();
            // What a job killed half-way left beside it goes now.
            files::removeScratchesOf(target_);
            scratch_ = files::scratchNaming(target_);
            printer_->setOutputFileName(QFile::decodeName(scratch_.c_str()));
        }
        if (!painter_.begin(printer_.get())) {
            restoreFileName();
            active_ = false; // a printer failure ends the job silently
            return false;
        }
        const QFont f = fontOf(setup_);
        painter_.setFont(f);
        const QFontMetricsF metrics(f, printer_.get());
        const double dotsPerTwip = printer_->resolution() / 1440.0;
        left_ = setup_.leftMarginTwips * dotsPerTwip;
        top_ = y_ = setup_.topMarginTwips * dotsPerTwip;
        ascent_ = metrics.ascent();
        step_ = metrics.lineSpacing() + setup_.extraLineSpacingTwips * dotsPerTwip;
        for (; blankPages_ > 0; --blankPages_) {
            printer_->newPage();
        }
        return true;
    }

    // Ends the painter on a job that must not print.
    void drop() {
        printer_->abort();
        painter_.end();
        if (!scratch_.empty()) {
            std::error_code ignored;
            std::filesystem::remove(scratch_, ignored);
        }
        restoreFileName();
    }

    void restoreFileName() {
        if (!scratch_.empty()) {
            printer_->setOutputFileName(QFile::decodeName(target_.c_str()));
            scratch_.clear();
        }
    }

    void showProgress(long done, long total) {
        if (!progress_) {
            progress_ = new QProgressDialog(owner_);
            progress_->setWindowTitle(QStringLiteral("Tiparire"));
            progress_->setCancelButtonText(QStringLiteral("Anuleaza"));
            progress_->setWindowModality(Qt::WindowModal);
            progress_->setAutoClose(false);
            progress_->setAutoReset(false);
            progress_->setMinimumDuration(0);
            progress_->setRange(0, static_cast<int>(std::min<long>(total, INT_MAX)));
            progress_->setLabelText(label(total, total));
            progressInSight_.emplace(*progress_, owner_);
        }
        progress_->setLabelText(label(done, total));
        progress_->setValue(static_cast<int>(std::min<long>(done, INT_MAX)));
    }

    static QString label(long done, long total) {
        return QStringLiteral("Pagina %1 din %2").arg(done).arg(total);
    }

    void closeProgress() {
        delete progress_.data();
        progressInSight_.reset();
    }

    std::unique_ptr<QPrinter> printer_;
    bool printsToPdf_ = false;
    QPointer<QWidget> owner_;
    QPointer<QProgressDialog> progress_;
    std::optional<ViewersInSight> progressInSight_;
    QPainter painter_;
    PrintSetup setup_;
    bool active_ = false;
    int blankPages_ = 0;
    double shown_ = 0; // when the progress was last shown
    long total_ = -1;  // the job's pages, once asked
    static constexpr double ShowInterval = 0.05; // seconds
    double left_ = 0, top_ = 0, y_ = 0, ascent_ = 0, step_ = 0;
    std::filesystem::path target_, scratch_;
};

Printer* installed = nullptr;

} // namespace

Printer& printer() {
    static RealPrinter* real = new RealPrinter; // never destroyed: Qt may be gone at exit
    return installed != nullptr ? *installed : *real;
}

void setPrinter(Printer* replacement) { installed = replacement; }

} // namespace olm::platform
