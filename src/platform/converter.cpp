#include "platform/converter.h"

#include "platform/busy.h"
#include "platform/termination.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>

#include <filesystem>

namespace olm::platform {

namespace {

constexpr double DefaultLimit = 600; // seconds: a firm of 100,000 sheets converts in a few
constexpr int WaitStep = 50;         // milliseconds between two looks at the windows
constexpr int StopGrace = 2000;      // milliseconds a converter asked to end has before it is killed

std::string chosenProgram;
double chosenLimit = 0;

// Asked to end first, so that it removes its scratch files as it goes;
// killed only when it is still running a short while later.
void stop(QProcess& p) {
    p.terminate();
    QElapsedTimer asked;
    asked.start();
    while (p.state() != QProcess::NotRunning && asked.elapsed() < StopGrace) {
        p.waitForFinished(WaitStep);
    }
    if (p.state() != QProcess::NotRunning) {
        p.kill();
        p.waitForFinished();
    }
}

} // namespace

std::string converterProgram() {
    if (!chosenProgram.empty()) {
        return chosenProgram;
    }
    return (QCoreApplication::applicationDirPath() + "/olm-transfer").toLocal8Bit().toStdString();
}

void setConverterProgram(const std::string& path) { chosenProgram = path; }

double converterTimeLimit() { return chosenLimit > 0 ? chosenLimit : DefaultLimit; }

void setConverterTimeLimit(double seconds) { chosenLimit = seconds; }

ConverterRun runConverter() {
    ConverterRun run;
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::absolute(converterProgram(), ec);
    if (ec) {
        return run;
    }
    QProcess p;
    // The program itself, never a shell: nothing in its path is interpreted.
    p.setProgram(QString::fromLocal8Bit(program.c_str()));
    p.setArguments({});
    p.setWorkingDirectory(QDir::currentPath());
    p.setStandardInputFile(QProcess::nullDevice());
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start();
    if (!p.waitForStarted()) {
        return run;
    }
    // Waited for in short steps, the windows painted meanwhile: a request to
    // end the program from outside stops it at once, as the time limit does.
    QElapsedTimer waited;
    waited.start();
    const auto limit = static_cast<qint64>(converterTimeLimit() * 1000);
    while (p.state() != QProcess::NotRunning && !p.waitForFinished(WaitStep)) {
        const bool ended = terminationRequested();
        if (ended || waited.elapsed() >= limit) {
            stop(p);
            run.end = ended ? ConverterRun::End::Stopped : ConverterRun::End::TimedOut;
            return run;
        }
        keepPainted();
    }
    if (p.exitStatus() == QProcess::CrashExit) {
        run.end = ConverterRun::End::Crashed;
        return run;
    }
    run.end = ConverterRun::End::Exited;
    run.exitCode = p.exitCode();
    return run;
}

} // namespace olm::platform
