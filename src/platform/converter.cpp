#include "platform/converter.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#include <filesystem>

namespace olm::platform {

namespace {

constexpr double DefaultLimit = 600; // seconds: a firm of 100,000 sheets converts in a few

std::string chosenProgram;
double chosenLimit = 0;

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
    if (!p.waitForFinished(static_cast<int>(converterTimeLimit() * 1000))) {
        p.kill();
        p.waitForFinished();
        run.end = ConverterRun::End::TimedOut;
        return run;
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
