#include "platform/calculator.h"

#include "platform/control_frame.h"
#include "platform/dialogs.h"
#include "platform/files.h"

#include <QProcess>
#include <QString>

#include <cstdlib>
#include <filesystem>
#include <string_view>

#include <unistd.h>

namespace olm::platform {

namespace {

namespace fs = std::filesystem;

// The usual desktop calculators, in the order they are preferred.
constexpr std::string_view Known[] = {"gnome-calculator", "kcalc", "galculator", "xcalc"};

bool executable(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec) && ::access(p.c_str(), X_OK) == 0;
}

// A name with a "/" stands for itself; any other is looked for in each
// directory of the search path (an empty entry is the current directory).
std::string locate(const std::string& name, const std::string& searchPath) {
    if (name.find('/') != std::string::npos) {
        return executable(name) ? name : std::string();
    }
    std::size_t from = 0;
    while (from <= searchPath.size()) {
        std::size_t to = searchPath.find(':', from);
        if (to == std::string::npos) {
            to = searchPath.size();
        }
        const std::string dir = searchPath.substr(from, to - from);
        const fs::path candidate = fs::path(dir.empty() ? "." : dir) / name;
        if (executable(candidate)) {
            return candidate.string();
        }
        from = to + 1;
    }
    return {};
}

std::string environment(const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr ? std::string(v) : std::string();
}

class RealCalculator : public Calculator {
public:
    bool start() override {
        const std::string program = findCalculator(environment("OLM_CALCULATOR"), environment("PATH"));
        // startDetached runs the program itself, not a shell, and does not wait.
        return !program.empty() && QProcess::startDetached(QString::fromLocal8Bit(program), {});
    }
};

Calculator* installed = nullptr;

} // namespace

std::string findCalculator(const std::string& chosen, const std::string& searchPath) {
    if (!chosen.empty()) {
        return locate(chosen, searchPath);
    }
    for (std::string_view name : Known) {
        if (std::string found = locate(std::string(name), searchPath); !found.empty()) {
            return found;
        }
    }
    return {};
}

Calculator& calculator() {
    static RealCalculator real;
    return installed != nullptr ? *installed : real;
}

void setCalculator(Calculator* replacement) { installed = replacement; }

void startCalculator() {
    if (!calculator().start()) {
        showMessage("Nu este instalat nici un calculator.", "", Icon::Exclamation);
    }
}

void showCalculatorIcon(Picture& picture) {
    if (!files::exists(CalculatorIcon) || !picture.loadPicture(files::resolve(CalculatorIcon).string())) {
        picture.clearPicture();
    }
}

} // namespace olm::platform
