#include "support/failing_writer.h"

namespace olm::testing {

FailingWriter::FailingWriter(platform::files::WriteFault fault)
    : fault_(std::make_unique<platform::files::WriteFault>(std::move(fault))) {
    platform::files::setWriteFault(fault_.get());
}

FailingWriter::~FailingWriter() { platform::files::setWriteFault(nullptr); }

FailingWriter FailingWriter::afterBytes(const std::string& name, std::uintmax_t bytes) {
    return FailingWriter({name, bytes, false, 0});
}

FailingWriter FailingWriter::atRename(const std::string& name) { return FailingWriter({name, std::nullopt, true, 0}); }

} // namespace olm::testing
