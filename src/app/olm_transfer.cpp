// olm-transfer: converts the DBF tables of another application into the four
// working text files of the fiscal year named in "tr12.txt". Started by the
// verification window in the working directory, without arguments; exit
// status 0 when the files were written, 1 when "ferr.txt" says why not.
// Asked to end (SIGTERM, SIGHUP) it leaves the text files as they were and
// no scratch file, and ends by that signal.

#include "platform/termination.h"
#include "transfer/transfer.h"

#include <csignal>

int main() {
    // From the first moment: a request to end stops the reading, which
    // unwinds through the writers of the scratch files, and they go.
    olm::platform::catchTerminationSignals();
    const int iesire = olm::transfer::RuleazaTransfer();
    if (const int semnal = olm::platform::terminationSignal(); semnal != 0) {
        // Whoever asked sees that it ended by the request, not by itself.
        std::signal(semnal, SIG_DFL);
        std::raise(semnal);
    }
    return iesire;
}
