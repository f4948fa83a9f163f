#pragma once

// A full disk for the length of a scope: no file of this process may grow
// past a few bytes (a write beyond gets EFBIG, which the file layer reports
// as 61, "disk full"). Works as root too, unlike a read-only directory.

#include <csignal>

#include <sys/resource.h>

namespace olm::testing {

class LimitaFisiere {
public:
    explicit LimitaFisiere(rlim_t octeti) {
        vecheSemnal_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &vechi_);
        rlimit nou = vechi_;
        nou.rlim_cur = octeti;
        ::setrlimit(RLIMIT_FSIZE, &nou);
    }
    ~LimitaFisiere() {
        ::setrlimit(RLIMIT_FSIZE, &vechi_);
        std::signal(SIGXFSZ, vecheSemnal_);
    }
    LimitaFisiere(const LimitaFisiere&) = delete;
    LimitaFisiere& operator=(const LimitaFisiere&) = delete;

private:
    rlimit vechi_{};
    void (*vecheSemnal_)(int) = nullptr;
};

} // namespace olm::testing
