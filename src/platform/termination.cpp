#include "platform/termination.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <memory>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace olm::platform {

namespace {

int wakeFds[2] = {-1, -1};
volatile std::sig_atomic_t caught = 0; // the signal, 0 before one comes
std::function<void()> requested;
std::unique_ptr<QSocketNotifier> notifier;

extern "C" void onSignal(int signal) {
    const int saved = errno;
    caught = signal;
    const char c = static_cast<char>(signal);
    [[maybe_unused]] ssize_t n = ::write(wakeFds[0], &c, 1);
    errno = saved;
}

void setHandler(void (*handler)(int)) {
    struct sigaction sa{};
    sa.sa_handler = handler;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &sa, nullptr);
    ::sigaction(SIGHUP, &sa, nullptr);
}

void drain() {
    char buffer[16];
    while (::read(wakeFds[1], buffer, sizeof buffer) > 0) {
    }
}

} // namespace

bool terminationRequested() { return caught != 0; }

int terminationSignal() { return caught; }

void forgetTerminationRequest() {
    if (wakeFds[1] >= 0) {
        drain();
    }
    caught = 0;
}

void catchTerminationSignals() {
    if (wakeFds[0] >= 0) {
        return;
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, wakeFds) != 0) {
        return; // the signals then keep their default: the program ends at once
    }
    setHandler(onSignal);
}

void onTerminationRequest(std::function<void()> request) {
    catchTerminationSignals();
    requested = std::move(request);
    if (wakeFds[1] < 0 || notifier) {
        return;
    }
    // A signal caught before this point has left its byte: the notifier
    // reports it once the event loop runs.
    notifier = std::make_unique<QSocketNotifier>(wakeFds[1], QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, [] {
        drain();
        if (requested) {
            requested();
        }
    });
}

} // namespace olm::platform
