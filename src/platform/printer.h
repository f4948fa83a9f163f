#pragma once

// The printer and its print dialog. A print job is a sequence of pages of text
// lines in one fixed-pitch font; the program decides where a page breaks.
// The pages go to the printer as they are made, never kept whole in memory.
//
// Printing never blocks reading: the print dialog and the progress of a job
// are modal to the program's window that asked for them alone, so the text
// viewers stay usable meanwhile, and they open beside the viewers when there
// is room.
//
// With the environment variable OLM_PRINT_TO_PDF=<file> the real printer shows
// no print dialog and writes every job to that PDF file, so the printed output
// can be checked on a computer without a printer.

#include <functional>
#include <string>

namespace olm::platform {

struct PrintSetup {
    std::string fontName = "Courier New"; // fontconfig maps it to Liberation Mono
    double pointSize = 9;
    int leftMarginTwips = 1000;   // 1440 twips to the inch
    int topMarginTwips = 1000;
    double extraLineSpacingTwips = 0; // added below every line
};

class Printer {
public:
    virtual ~Printer() = default;
    // Shows the print dialog and waits for the clerk's choice; false when he
    // cancels it.
    virtual bool choosePrinter() = 0;
    // Starts a job on the chosen printer; false when it cannot start.
    virtual bool begin(const PrintSetup& setup) = 0;
    virtual void printLine(const std::string& line) = 0;
    // Starts a new page; the position returns to the margins.
    virtual void newPage() = 0;
    // Ends the job and sends the last page.
    virtual void end() = 0;
    // Drops a job that failed or was cancelled half-way: nothing of it is
    // printed (a PDF file is not written).
    virtual void abort() = 0;
    // The pages made so far, told after each batch; false when the clerk
    // cancelled the job, or the program is asked to end from outside. A job of more than a few pages shows a progress
    // dialog with the page count and the button "Anuleaza"; the windows are
    // repainted and the text viewers answer meanwhile. `total` gives the
    // job's pages: it is asked only when the progress is shown, since it
    // costs a pass over the whole file.
    virtual bool pagesDone(long done, const std::function<long()>& total) = 0;
};

// A job of more pages than this shows its progress.
inline constexpr long FewPages = 5;

Printer& printer();
void setPrinter(Printer* replacement); // nullptr restores the real printer; not owned

} // namespace olm::platform
