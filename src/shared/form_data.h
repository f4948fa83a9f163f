#pragma once

// What the employee's form and the two sheet forms show, as plain data. The
// routines of the shared module load the records into these and save the
// records from them; each form binds its controls to its own record, names
// for names (`CodS` to `AngajatFisaII.CodS`, `VenitN(3)` to
// `Fisa1Date.VenitN[3]`...): it copies its controls into the record before it
// calls a routine that reads them, and the record back into its controls
// after a routine that changed them.

#include <array>
#include <functional>
#include <string>

namespace olm {

// Where a routine asks the employee's form to put the focus.
enum class FocusFisaII { Neschimbat, Option1, Command1, CodS };

// The employee's form `Fisa_II`.
struct FormaFisaII {
    std::string CodS;
    std::string NumeS;
    std::string PrenS;
    std::array<std::string, 9> AdrS; // locality, street, number, postal code, block,
                                     // staircase, floor, flat, sector
    std::string JudS;                // the county list's text
    // The situation marks: 1 ticked, 0 unticked.
    int Xrectif = 0;
    int Xreg = 0;
    int Xdedu = 0;
    int XAlteS = 0;
    int Inv1A = 0;
    int Inv2A = 0;
    std::string Job0; // date of hiring
    std::string Job1; // date of leaving
    // The state of the buttons and of the situation frame.
    bool Ok_Fisa1 = true;
    bool Ok_Fisa2 = true;
    std::string StergeCaption = "&Sterge fisa";
    bool StergeActiv = false;
    bool Frame1 = false;
    FocusFisaII focus = FocusFisaII::Neschimbat; // taken by the form when it applies the record

    bool operator==(const FormaFisaII&) const = default;
};
extern FormaFisaII AngajatFisaII;

// Shows the employee's form (creating it when needed) with `AngajatFisaII`
// put into its controls. Installed by the employee's form; the routines that
// send the clerk back to it call it through `ArataFisaII()`.
extern std::function<void()> ArataFisaIIHandler;
void ArataFisaII();

// Shows `TextAnFisc` in the year label of the employee's form when that form
// is loaded. Installed by the employee's form; called after "Cuantum.txt" was
// read or written, so that an open employee's form shows the year just read
// or saved.
extern std::function<void()> ArataAnFiscHandler;
void ArataAnFisc();

// The dependant shown in section IV.C of the Fisa 1 form.
struct PersoanaAfisata {
    std::string CodI;
    std::string NumeI;
    std::string PrenI;
    int Sotie = 0;
    int Copil = 0;
    int Alta = 0;
    int inv1 = 0;
    int inv2 = 0;
    std::array<std::string, 12> CoefI;

    bool operator==(const PersoanaAfisata&) const = default;
};

// The boxes of the Fisa 1 form `Fisa1_F` that its record fills.
struct FormaFisa1 {
    std::array<std::string, 12> CoefCalc; // IV.A total coefficient
    std::array<std::string, 12> CoefProp; // IV.B own coefficient
    std::array<std::string, 14> VenitN;   // net income: months, holiday bonus, total
    std::array<std::string, 14> ImpC;     // tax withheld
    std::array<std::string, 14> ImpP;     // proposed tax (not stored)
    std::array<int, 13> Bif{};            // take the proposed tax over (not stored)
    std::string LuPrima = "0";            // month of the holiday bonus (not stored)
    std::string Luni;
    std::string ChAc;
    std::array<std::string, 13> Reg; // VI.1 to VI.10, VII income and tax, VIII
    PersoanaAfisata persoana;
    int Option1_0 = 0; // "Preiau conditii"
    int Option1_1 = 0; // "Anulez conditii"
    // Tool tip of the person buttons Ok_PersU, Ok_persA, Ok_StergP, and Text2.
    std::string SfatPersoane;
    std::string Text2;
    // The condition boxes of the dependant shown (Sotie, Copil, Alta, inv1,
    // inv2) locked: disabled until the conditions are cancelled.
    bool ConditiiBlocate = false;
    bool Ok_StergP = true;   // the delete button enabled
    std::string Label34;     // the age of the dependant shown

    bool operator==(const FormaFisa1&) const = default;
};
extern FormaFisa1 Fisa1Date;

// The boxes of the Fisa 2 form `Fisa2`.
struct FormaFisa2 {
    std::array<int, 8> TAS{};             // income types AS1 to AS8: 1 ticked
    std::array<std::string, 13> VenitCS;  // income: months, total at 12
    std::array<std::string, 13> ImpS;     // tax: months, total at 12

    bool operator==(const FormaFisa2&) const = default;
};
extern FormaFisa2 Fisa2Date;

// Puts the three records back to the forms' designed state (for tests).
void resetFormData();

} // namespace olm
