#pragma once

// The diskette drive "a:\". On this platform it is a directory: the one named
// by the environment variable OLM_DRIVE_A, or "discheta" in the working
// directory when the variable is not set. A missing directory is a drive
// without a diskette.
//
// Failures throw FileError with the program's error numbers:
//   71  no diskette (the directory is missing, or vanished during the work)
//   61  the diskette is full
//   75  the diskette is write-protected (read-only) or a file on it cannot be
//       reached; 57 the medium fails (I/O error)
//   52  the drive's name is not a directory (a file, an empty name), or it
//       names the working directory, the home directory or "/", which the
//       layer never empties
//   53  a file to copy onto it is missing

#include <string>
#include <vector>

namespace olm::platform::drive {

// The drive's directory as configured (not checked).
std::string directory();

// Throws 71 when no diskette is in the drive, 52 when the drive's name is not
// a directory.
void checkReady();

// Deletes every file in the drive's root (not the subdirectories), and the
// scratch files that a copy cut short left there. Refuses, with 52, a drive
// that is the working directory, the home directory or "/".
void emptyRoot();

// Copies a file of the working directory onto the drive under a name. The
// target is written whole or not at all.
void copyOnto(const std::string& file, const std::string& nameOnDrive);

// Copies a file of the diskette into the working directory under a name. The
// copy is written whole or not at all. Throws 71 when no diskette is in the
// drive, 53 when the file is not on it.
void copyFrom(const std::string& nameOnDrive, const std::string& file);

// Whether the diskette holds something of this name (a file, or what cannot
// be read as one: reading it then throws 75). Throws 71 when no diskette is
// in the drive: a missing drive is never an empty diskette.
bool hasFile(const std::string& nameOnDrive);

// The lines of a file on the diskette, read whole. Throws 71 when no diskette
// is in the drive, 53 when the file is not on it, 75 when it is no file.
std::vector<std::string> readLines(const std::string& nameOnDrive);

// The path of a file on the drive, for reading it (name resolved without
// regard to case, like every other name).
std::string pathOf(const std::string& nameOnDrive);

} // namespace olm::platform::drive
