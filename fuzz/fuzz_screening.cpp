// libFuzzer target: the input cut at its NUL bytes into the four working
// files, then the whole verification (screening, checks, rewrites).

#include "exchange/verification_run.h"
#include "fuzz_folder.h"
#include "platform/files.h"
#include "shared/deduction_params.h"
#include "shared/tax_grid.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    olm::fuzz::prepareFolder("olm-fuzz-screening-", argc, argv);
    const olm::fuzz::InFolder in;
    namespace files = olm::platform::files;
    std::vector<std::string> cuantum{"2002,03,31"};
    for (int luna = 1; luna <= 12; ++luna) {
        cuantum.push_back((luna < 10 ? " " : "") + std::to_string(luna) + ",1600000,0.5,0.5,0.5,");
    }
    cuantum.push_back("13,1600000,5,1,0.5,0.5,0.15,0.15,");
    cuantum.push_back("eof");
    files::writeLines("Cuantum.txt", cuantum);
    files::writeLines("Impozitar.txt", {"13,0,999999999999,0,18", " 1,0,999999999999,0,18", "eof"});
    if (!olm::CitesteCuantum().ok() || !olm::CitesteImpozitar().ok()) {
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const olm::fuzz::InFolder in;
    const std::string intrare(reinterpret_cast<const char*>(data), size);
    std::size_t de = 0;
    for (const char* nume : {"Repfisc.txt", "FF1.txt", "FF2.txt", "Deduceri.txt"}) {
        const std::size_t pana = std::min(intrare.find('\0', de), intrare.size());
        std::ofstream(nume, std::ios::binary) << intrare.substr(de, pana - de);
        de = std::min(pana + 1, intrare.size());
    }
    olm::VerificaFisiereExterne();
    return 0;
}
