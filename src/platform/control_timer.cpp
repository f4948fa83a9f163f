#include "platform/control_timer.h"

#include "platform/form.h"

#include <QTimer>

namespace olm::platform {

Timer::Timer(Form& form, int intervalMs, bool enabled)
    : form_(&form), timer_(std::make_unique<QTimer>()), interval_(intervalMs), enabled_(enabled) {
    QObject::connect(timer_.get(), &QTimer::timeout, [this] {
        if (!formAlive()) {
            timer_->stop();
            return;
        }
        if (tick_) {
            auto handler = tick_;
            handler();
        }
    });
    update();
}

Timer::~Timer() = default;

bool Timer::formAlive() const { return form_ && !form_->unloaded(); }

void Timer::setInterval(int ms) {
    interval_ = ms;
    update();
}

void Timer::setEnabled(bool on) {
    enabled_ = on;
    update();
}

void Timer::update() {
    if (enabled_ && interval_ > 0 && formAlive()) {
        timer_->start(interval_);
    } else {
        timer_->stop();
    }
}

} // namespace olm::platform
