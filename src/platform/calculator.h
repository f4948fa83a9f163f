#pragma once

// The desktop calculator that the sheet forms start from their calculator
// picture. The program named by the environment variable OLM_CALCULATOR, else
// the first of a short list of desktop calculators found on the search path,
// is started detached, without a shell, and never waited for.

#include <string>

namespace olm::platform {

class Picture;

// The icon the calculator pictures show, read from the working directory.
inline constexpr const char* CalculatorIcon = "CALC.ICO";

class Calculator {
public:
    virtual ~Calculator() = default;
    // Starts the calculator without waiting for it; false when none could be started.
    virtual bool start() = 0;
};

Calculator& calculator();
void setCalculator(Calculator* replacement); // nullptr restores the real calculator; not owned

// What a calculator button does: starts the calculator, or tells the clerk
// that no calculator is installed.
void startCalculator();

// Puts the calculator icon on a picture box; a missing or unreadable file
// leaves the picture empty.
void showCalculatorIcon(Picture& picture);

// The program the real calculator starts: `chosen` (OLM_CALCULATOR) when it is
// not empty, else the first desktop calculator found; a name without a "/" is
// looked for in the directories of `searchPath` (PATH). Empty when none is an
// executable file.
std::string findCalculator(const std::string& chosen, const std::string& searchPath);

} // namespace olm::platform
