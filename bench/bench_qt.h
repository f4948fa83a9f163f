#pragma once

// What the benchmarks of windows and printing share: one Qt application for
// the whole run, and a firm's sheets written for a Fisa 1 listing.

#include "bench_support.h"
#include "shared/state.h"
#include "support/sample_data.h"

#include <QApplication>

#include <cstddef>

namespace olm::bench {

// The application that windows and printing need, made once for all the runs,
// on the offscreen platform unless QT_QPA_PLATFORM names another; the
// platform's notes ("does not support raise()") would hide the table.
inline void ensureQtApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "olm_bench";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv); // kept for the whole run
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
}

// The sample firm of this many employees written in the current directory,
// with the settings of a Fisa 1 listing for the employee's copy.
inline void writeFirmForFisa1Listing(std::size_t employees) {
    olm::resetState();
    olm::AnFiscal = 2002;
    olm::DeducereBaza[12] = 1600000;
    olm::TipExemplar = "angajat";
    olm::testing::writeSample(sample(employees));
}

} // namespace olm::bench
