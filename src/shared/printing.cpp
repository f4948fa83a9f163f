#include "shared/printing.h"

#include "platform/files.h"
#include "platform/printer.h"
#include "shared/state.h"

namespace olm {

namespace {

// The pages go to the printer a batch at a time: between two batches the
// printer shows the progress, and a job cancelled there stops.
constexpr long PaginiPeLot = platform::FewPages;

struct Pagina {
    double marimeFont;
    int margineStanga; // twips
    int margineSus;    // twips
    int randuri;       // lines a page
};

void tipareste(const std::string& fisier, const Pagina& pagina) {
    platform::Printer& imprimanta = platform::printer();
    bool inceput = false;
    try {
        if (!imprimanta.choosePrinter()) {
            return;
        }
        if (!platform::files::exists(fisier)) {
            return;
        }
        const auto totalPagini = [&] {
            const auto randuri = platform::files::countLines(fisier);
            return static_cast<long>((randuri + pagina.randuri - 1) / pagina.randuri);
        };
        platform::files::LineReader cititor(fisier);
        std::string linie;
        ContorLinii = 0;
        // The job starts with the first line, so an empty file sends nothing.
        if (!cititor.next(linie)) {
            return;
        }
        platform::PrintSetup setup;
        setup.fontName = "Courier New";
        setup.pointSize = pagina.marimeFont;
        setup.leftMarginTwips = pagina.margineStanga;
        setup.topMarginTwips = pagina.margineSus;
        setup.extraLineSpacingTwips = 1.5 * pagina.marimeFont;
        if (!imprimanta.begin(setup)) {
            return;
        }
        inceput = true;
        long pagini = 1;
        do {
            ++ContorLinii;
            if (ContorLinii > pagina.randuri) {
                if (pagini % PaginiPeLot == 0 && !imprimanta.pagesDone(pagini, totalPagini)) {
                    imprimanta.abort(); // cancelled: nothing is printed
                    return;
                }
                ContorLinii = 1;
                imprimanta.newPage();
                ++pagini;
            }
            imprimanta.printLine(linie);
        } while (cititor.next(linie));
        inceput = false;
        imprimanta.end();
    } catch (...) {
        if (inceput) {
            try {
                imprimanta.abort();
            } catch (...) {
            }
        }
    }
}

} // namespace

void TiparesteFisier(const std::string& fisier) { tipareste(fisier, {9, 1000, 1000, 65}); }

void TiparesteBorderou(const std::string& fisier) { tipareste(fisier, {7, 800, 800, 76}); }

void TiparesteTabel(const std::string& fisier) { tipareste(fisier, {7, 150, 800, 76}); }

} // namespace olm
