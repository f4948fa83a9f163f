#pragma once

// Driving the parameter windows through their real widgets under the
// offscreen platform, and the files they read and write (whole files and CR LF
// lines come from support/file_bytes.h).

#include "platform/controls.h"
#include "support/file_bytes.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace olm::testing {

inline bool existaFisier(const std::string& nume) { return std::filesystem::exists(nume); }

// Makes a shown form's window the active one, so that the focus moves as the
// clerk would see it.
inline void activeaza(platform::Form& form) {
    QApplication::setActiveWindow(form.widget());
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.widget()));
}

// Unloads a form's global instance and frees it.
template <class F>
void inchide() {
    if (F::loaded()) {
        F::unload();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The clerk goes into a box (its text selected) and types over it.
inline void tasteaza(platform::TextBox& caseta, const std::string& text) {
    ASSERT_TRUE(caseta.setFocus());
    caseta.selectAll();
    QTest::keyClick(caseta.widget(), Qt::Key_Backspace);
    QTest::keyClicks(caseta.widget(), QString::fromLatin1(text.c_str()));
}

inline void enter(platform::Control& c) { QTest::keyClick(c.widget(), Qt::Key_Return); }

inline void clic(platform::Button& b) { QTest::mouseClick(b.widget(), Qt::LeftButton); }

} // namespace olm::testing
