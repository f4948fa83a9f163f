#include "support/file_bytes.h"

#include "platform/files.h"

#include <algorithm>
#include <filesystem>
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

std::vector<std::string> entries(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace olm::testing
