// A group of files rewritten together: a working file and its yearly copy get
// the same content, and a failure of either leaves both as they were.

#include "platform/file_transaction.h"
#include "shared/file_group.h"
#include "support/failing_writer.h"
#include "support/file_bytes.h"

#include <gtest/gtest.h>

#include <optional>

namespace olm {
namespace {

using testing::FailingWriter;
using testing::readBytes;
using testing::writeBytes;

TEST(FileGroup, AWorkingFileAndItsCopyAreReplacedTogetherOrNotAtAll) {
    const struct {
        const char* nume;
        const char* defect; // the file whose rewrite fails
        bool laRedenumire;
        std::string mesaj;
        bool inlocuite; // after the next start's recovery
    } randuri[] = {
        {"written", "-", false, "", true},
        {"the working file fails", "FF1.txt", false, "Eroare 61 la scrierea fisierului FF1.txt.", false},
        {"the copy fails", "ff1_2002.TXT", false, "Eroare 61 la scrierea fisierului FF1_2002.txt.", false},
        {"the copy's rename fails", "FF1_2002.txt", true, "Eroare 57 la scrierea fisierului FF1_2002.txt.", true},
    };
    for (const auto& r : randuri) {
        SCOPED_TRACE(r.nume);
        writeBytes("FF1.txt", "vechi\r\n");
        writeBytes("FF1_2002.txt", "vechi\r\n");
        writeBytes("sursa.txt", "din sursa\n");
        {
            const auto defect = r.laRedenumire ? FailingWriter::atRename(r.defect) : FailingWriter::afterBytes(r.defect, 3);
            RescriereGrup grup;
            const std::size_t i = grup.adauga("FF1.txt", "FF1_2002.txt");
            grup.scrie(i, "nou");
            grup.copiaza(i, "sursa.txt");
            grup.copiaza(i, "lipsa.txt");
            EXPECT_EQ(grup.finalizeaza().eroare, r.mesaj);
            EXPECT_EQ(grup.esec() && grup.esec()->laInlocuire, r.laRedenumire);
        }
        platform::files::recoverInterruptedWrites();
        const std::string asteptat = r.inlocuite ? "nou\r\ndin sursa\n" : "vechi\r\n";
        EXPECT_EQ(readBytes("FF1.txt"), asteptat);
        EXPECT_EQ(readBytes("FF1_2002.txt"), asteptat);
    }
}

} // namespace
} // namespace olm
