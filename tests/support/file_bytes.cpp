#include "support/file_bytes.h"

#include "platform/files.h"

#include <fstream>
#include <sstream>

namespace olm::testing {

void writeBytes(const std::string& name, const std::string& bytes) {
    std::ofstream(platform::files::resolve(name), std::ios::binary | std::ios::trunc) << bytes;
}

std::string readBytes(const std::string& name) {
    std::ifstream in(platform::files::resolve(name), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

} // namespace olm::testing
