// libFuzzer target: the input in place of each of the four DBF tables in
// turn, the others valid and empty, then the converter. A table as it stands
// is a seed (data/*.dbf).

#include "fuzz_folder.h"
#include "platform/files.h"
#include "transfer/dbf_table.h"
#include "transfer/transfer.h"

#include <cstdint>
#include <fstream>
#include <string>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    olm::fuzz::prepareFolder("olm-fuzz-transfer-", argc, argv);
    const olm::fuzz::InFolder in;
    olm::platform::files::writeLines(olm::transfer::FisierAn, {"2002"});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const olm::fuzz::InFolder in;
    const auto tabele = olm::transfer::TabeleDbf();
    for (std::size_t ales = 0; ales < tabele.size(); ++ales) {
        for (std::size_t i = 0; i < tabele.size(); ++i) {
            const std::string nume = olm::transfer::NumeTabelAnual(tabele[i], 2002);
            if (i == ales) {
                std::ofstream(nume, std::ios::binary)
                    .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
            } else {
                olm::transfer::ScrieSablonDbf(tabele[i], nume);
            }
        }
        olm::transfer::TransferaTabele();
    }
    return 0;
}
