// olm-dbf-templates DIR: writes the empty DBF tables of our layout ("Rep.dbf",
// "FF1.dbf", "FF2.dbf", "Ded.dbf") into DIR. The copies in data/ were made
// with it; a test checks that they still match the layout.

#include "transfer/dbf_table.h"

#include <cstdio>
#include <exception>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: olm-dbf-templates DIR\n");
        return 2;
    }
    try {
        for (const auto& t : olm::transfer::TabeleDbf()) {
            olm::transfer::ScrieSablonDbf(t, std::string(argv[1]) + "/" + olm::transfer::NumeSablon(t));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
