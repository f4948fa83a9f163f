#include "platform/printer.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <cstdlib>
#include <memory>
#include <vector>

namespace olm::platform {

namespace {

// The job is kept as pages of lines and painted only when it ends: a job
// dropped half-way then never reaches the printer (a started print engine
// cannot be recalled once it spools).
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
        if (toPdf) {
            printer_->setOutputFormat(QPrinter::PdfFormat);
            printer_->setOutputFileName(QFile::decodeName(pdf));
            return true;
        }
        QPrintDialog dialog(printer_.get(), QApplication::activeWindow());
        return dialog.exec() == QDialog::Accepted;
    }

    bool begin(const PrintSetup& setup) override {
        if (!printer_) {
            printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution); // the default printer
        }
        if (!printer_->isValid()) {
            return false;
        }
        setup_ = setup;
        pages_.assign(1, {});
        active_ = true;
        return true;
    }

    void printLine(const std::string& line) override {
        if (active_) {
            pages_.back().push_back(QString::fromLatin1(line));
        }
    }

    void newPage() override {
        if (active_) {
            pages_.emplace_back();
        }
    }

    void end() override {
        if (!active_) {
            return;
        }
        active_ = false;
        paint();
        pages_.clear();
    }

    void abort() override {
        active_ = false;
        pages_.clear();
    }

private:
    QFont font() const {
        QFont f(QString::fromLatin1(setup_.fontName));
        f.setStyleHint(QFont::TypeWriter);
        f.setPointSizeF(setup_.pointSize);
        if (!QFontInfo(f).fixedPitch()) {
            f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
            f.setPointSizeF(setup_.pointSize);
        }
        return f;
    }

    void paint() {
        bool anyLine = false;
        for (const auto& page : pages_) {
            anyLine = anyLine || !page.empty();
        }
        if (!anyLine) {
            return; // nothing to print: no blank sheet either
        }
        QPainter painter;
        if (!painter.begin(printer_.get())) {
            return; // a printer failure ends the job silently
        }
        const QFont f = font();
        painter.setFont(f);
        const QFontMetricsF metrics(f, printer_.get());
        const double dotsPerTwip = printer_->resolution() / 1440.0;
        const double left = setup_.leftMarginTwips * dotsPerTwip;
        const double top = setup_.topMarginTwips * dotsPerTwip;
        const double step = metrics.lineSpacing() + setup_.extraLineSpacingTwips * dotsPerTwip;
        for (std::size_t p = 0; p < pages_.size(); ++p) {
            if (p > 0 && !printer_->newPage()) {
                break;
            }
            double y = top;
            for (const QString& line : pages_[p]) {
                painter.drawText(QPointF(left, y + metrics.ascent()), line);
                y += step;
            }
        }
        painter.end();
    }

    std::unique_ptr<QPrinter> printer_;
    bool printsToPdf_ = false;
    PrintSetup setup_;
    std::vector<std::vector<QString>> pages_;
    bool active_ = false;
};

Printer* installed = nullptr;

} // namespace

Printer& printer() {
    static RealPrinter* real = new RealPrinter; // never destroyed: Qt may be gone at exit
    return installed != nullptr ? *installed : *real;
}

void setPrinter(Printer* replacement) { installed = replacement; }

} // namespace olm::platform
