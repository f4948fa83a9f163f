#pragma once

// A timer on a form: ticks every interval while enabled. An interval of 0
// stops it, as does unloading the form.

#include <QPointer>

#include <functional>
#include <memory>

class QTimer;

namespace olm::platform {

class Form;

class Timer {
public:
    explicit Timer(Form& form, int intervalMs = 0, bool enabled = true);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int interval() const { return interval_; }
    void setInterval(int ms);
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    void onTick(std::function<void()> handler) { tick_ = std::move(handler); }

private:
    void update();
    bool formAlive() const;
    QPointer<Form> form_;
    std::unique_ptr<QTimer> timer_;
    int interval_;
    bool enabled_;
    std::function<void()> tick_;
};

} // namespace olm::platform
