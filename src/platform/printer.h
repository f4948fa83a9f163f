#pragma once

// The printer and its print dialog. A print job is a sequence of pages of text
// lines in one fixed-pitch font; the program decides where a page breaks.
//
// With the environment variable OLM_PRINT_TO_PDF=<file> the real printer shows
// no print dialog and writes every job to that PDF file, so the printed output
// can be checked on a computer without a printer.

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
    // Shows the print dialog; false when the clerk cancels it.
    virtual bool choosePrinter() = 0;
    // Starts a job on the chosen printer; false when it cannot start.
    virtual bool begin(const PrintSetup& setup) = 0;
    virtual void printLine(const std::string& line) = 0;
    // Starts a new page; the position returns to the margins.
    virtual void newPage() = 0;
    // Ends the job and sends the last page.
    virtual void end() = 0;
    // Drops a job that failed half-way.
    virtual void abort() = 0;
};

Printer& printer();
void setPrinter(Printer* replacement); // nullptr restores the real printer; not owned

} // namespace olm::platform
