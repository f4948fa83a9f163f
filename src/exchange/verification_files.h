#pragma once

// The file work of the verification: every read and rewrite of a working file
// names that file when it fails, and the failure ends the verification.

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace olm {

namespace platform {
class LineSink;
}
class RescriereGrup;

// A file of the verification could not be read or written; what() is the
// message for the clerk ("Eroare 61 la scrierea fisierului FF1.txt.").
class EsecVerificare : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The lines of a file (none when it is missing).
std::vector<std::string> CitesteFisierVerificat(const std::string& nume);
// Each line of a file in turn, none kept.
void CitesteFisierVerificat(const std::string& nume, const std::function<void(std::string&&)>& fiecare);
// Adds a file the verification rewrites to a group: a working data file whose
// yearly copy exists gets the copy rewritten with it, in the same commit.
std::size_t AdaugaFisierVerificat(RescriereGrup& grup, const std::string& nume);
// Replaces a file with these lines in one step (with its yearly copy, as above).
void ScrieFisierVerificat(const std::string& nume, const std::vector<std::string>& linii);
// The same with the lines that `scrie` hands to the sink as it makes them.
void ScrieFisierVerificat(const std::string& nume, const std::function<void(platform::LineSink&)>& scrie);
// Deletes a file when it is there.
void StergeFisierVerificat(const std::string& nume);

} // namespace olm
