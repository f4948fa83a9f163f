#pragma once

// The converter of DBF tables ("olm-transfer", built with the program): the
// verification starts it and waits for it. It is found beside the running
// program, started by its absolute path without a shell and without
// arguments, in the working directory, and given a generous time; a run past
// it is stopped. Stopping asks it to end (SIGTERM), so that it removes its
// scratch files, and kills it when it is still running 2 seconds later.

#include <string>

namespace olm::platform {

struct ConverterRun {
    enum class End {
        Exited,     // it ended by itself: see exitCode
        Crashed,    // a signal ended it
        TimedOut,   // still running at the time limit: stopped
        Stopped,    // the program was asked to end from outside meanwhile: stopped
        NotStarted, // it could not be started (missing, not executable)
    };
    End end = End::NotStarted;
    int exitCode = -1;
};

// The program started: the one set, else "olm-transfer" beside the running program.
std::string converterProgram();
// Another program (tests); an empty path restores the one beside the program.
void setConverterProgram(const std::string& path);

// Seconds the converter is given (10 minutes unless set).
double converterTimeLimit();
// Another limit (tests); 0 or less restores the default.
void setConverterTimeLimit(double seconds);

// Runs the converter and waits for its end, keeping the windows painted. The
// caller shows the hourglass.
ConverterRun runConverter();

} // namespace olm::platform
