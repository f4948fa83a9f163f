#pragma once

// The fixture of the tests of the employer's and the employee's forms and of
// the decision dialog: the program's state at start with the fiscal year 2002;
// the forms are driven with support/drive.h.

#include "main_window/decision_dialog.h"
#include "main_window/employee_form.h"
#include "main_window/employer_form.h"
#include "platform/files.h"
#include "shared/counties.h"
#include "shared/employer_record.h"
#include "shared/form_data.h"
#include "shared/state.h"
#include "support/drive.h"
#include "support/fakes.h"
#include "support/file_bytes.h"

#include <gtest/gtest.h>

namespace olm::testing {

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
};

} // namespace olm::testing
