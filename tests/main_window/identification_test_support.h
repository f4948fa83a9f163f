#pragma once

// Helpers of the tests of the employer's and the employee's forms and of the
// decision dialog: the program's state at start with the fiscal year 2002,
// record files written line by line, and the forms driven through their widgets.

#include "main_window/decision_dialog.h"
#include "main_window/employee_form.h"
#include "main_window/employer_form.h"
#include "platform/files.h"
#include "shared/counties.h"
#include "shared/employer_record.h"
#include "shared/form_data.h"
#include "shared/state.h"
#include "support/fakes.h"
#include "support/file_bytes.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace olm::testing {

// The lines, each ended by CR LF as the program writes its records.
inline void writeLinesCrlf(const std::string& name, const std::vector<std::string>& lines) {
    writeBytes(name, crlf(lines));
}

// Runs the deletions that unloading left for later.
inline void runDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

inline void makeActive(platform::Form& form) {
    QApplication::setActiveWindow(form.widget());
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.widget()));
}

inline void typeInto(platform::Control& c, const std::string& text) {
    ASSERT_TRUE(c.setFocus());
    QTest::keyClicks(c.widget(), QString::fromLatin1(text.c_str()));
}

inline void pressEnter(platform::Control& c) { QTest::keyClick(c.widget(), Qt::Key_Return); }
inline void pressTab(platform::Control& c) { QTest::keyClick(c.widget(), Qt::Key_Tab); }
// Clicks near the left edge, where a check box or an option button has its mark.
inline void clickOn(platform::Control& c) {
    QTest::mouseClick(c.widget(), Qt::LeftButton, {}, QPoint(8, c.widget()->height() / 2));
}

// The focus as the program sees it (a window being activated may not have it yet).
inline bool holdsFocus(const platform::Control& c) { return c.hasFocus(); }

class IdentificationForms : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        resetFormData();
        AngajatorFisaI = {};
        EtichetaTipAng.clear();
        IncarcaJudete();
        AnFiscal = 2002;
        Fisa_II::deschideFormaFisa1 = nullptr;
        Fisa_II::deschideFormaFisa2 = nullptr;
    }
    void TearDown() override {
        ArataFisaIIHandler = nullptr;
        frmGasit::unload();
        Fisa_II::unload();
        Fisa_I::unload();
        runDeferredDeletes();
        Fisa_II::deschideFormaFisa1 = nullptr;
        Fisa_II::deschideFormaFisa2 = nullptr;
    }

    std::vector<std::string> messages() const { return fakeDialogs().texts(); }
};

} // namespace olm::testing
