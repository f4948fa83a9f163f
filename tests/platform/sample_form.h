#pragma once

// The form the tests of the forms layer drive (with support/drive.h): the
// usual controls, every focus, key and click logged.

#include "platform/controls.h"
#include "support/drive.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace olm::testing {

class SampleForm : public platform::SingleForm<SampleForm> {
    friend class platform::SingleForm<SampleForm>;

public:
    platform::TextBox boxA{*this, {10, 10, 120, 22}};
    platform::TextBox boxB{*this, {10, 40, 120, 22}};
    platform::TextBox boxC{*this, {10, 70, 120, 22}};
    platform::Button ok{*this, {10, 100, 80, 26}, "&Ok"};
    platform::CheckBox mark{*this, {10, 130, 120, 22}, "Mark"};
    platform::Frame group{*this, {150, 10, 200, 80}, "Group"};
    platform::OptionButton one{group, {10, 20, 80, 22}, "One"};
    platform::OptionButton two{group, {10, 45, 80, 22}, "Two"};
    platform::ComboBox pick{*this, {150, 100, 150, 24}};

    std::vector<std::string> log;
    bool refuseUnload = false;
    static inline int loads = 0;
    static inline int unloads = 0;

protected:
    void formLoad() override { ++loads; }
    void formUnload(bool& cancel) override {
        ++unloads;
        cancel = refuseUnload;
    }

private:
    SampleForm() {
        setCaption("Sample");
        setSize(400, 200);
        setEnterOrder({&boxA, &boxB, &boxC, &ok});
        auto track = [this](platform::Control& c, const std::string& name) {
            c.onGotFocus([this, name] { log.push_back(name + "+"); });
            c.onLostFocus([this, name] { log.push_back(name + "-"); });
        };
        track(boxA, "A");
        track(boxB, "B");
        track(boxC, "C");
        track(ok, "Ok");
        ok.onClick([this] { log.push_back("Ok!"); });
    }
};

// Unloads the sample form (whatever its handler would say) and frees it.
inline void dropSampleForm() {
    if (SampleForm::loaded()) {
        SampleForm::instance().refuseUnload = false;
        SampleForm::unload();
    }
    runDeferredDeletes();
}

// Tests on the sample form, shown and active, dropped afterwards.
class SampleFormTest : public ::testing::Test {
protected:
    void SetUp() override { showActive(form()); }
    void TearDown() override { dropSampleForm(); }
    static SampleForm& form() { return SampleForm::instance(); }
    // The focus in box A and nothing logged yet.
    static void startInBoxA() {
        form().boxA.setFocus();
        form().log.clear();
    }
};

} // namespace olm::testing
