#pragma once

// What the file layer refuses, told to the clerk: names that stand for one
// file (for names under which there is something other than a file, see
// platform::files::notAFileMessage).

#include "platform/file_error.h"

#include <string>

namespace olm {

// "Fisierul FF1_2002.txt este o legatura catre FF1.txt." or "Fisierele
// FF1.txt si FF1_2002.txt sunt unul si acelasi fisier."
std::string mesajNumeLegate(const platform::LinkedNamesError& e);

// A failure to write: the sentence above for names that stand for one file,
// else "Eroare 61 la scrierea fisierului FF1.txt.".
std::string mesajEsecScriere(const platform::FileError& e, const std::string& fisier);

} // namespace olm
