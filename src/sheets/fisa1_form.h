#pragma once

// The Fisa 1 form `Fisa1_F`: one employee's main-job sheet in four frames
// laid one over the other and shown one at a time: IV.A/IV.B (the month's
// total and own deduction coefficients), IV.C (the dependants), V (monthly
// net income, proposed and withheld tax, the holiday bonus, the professional
// expenses) and VI to VIII (the annual regularisation, the income with final
// taxation, the exempt income).
//
// The boxes mirror the record `Fisa1Date` (form_data.h): every change of a box
// is copied into it, a handler runs the sheet's rules on the record
// (fisa1_months.h, fisa1_coefficients.h, fisa1_regularisation.h) and
// `aplica()` puts the record back into the boxes.
//
// The employee's form opens it through `deschideDinFisaII()` (its situation
// frame's "Ok"). Closing it, by "Terminat fisa F1" or the close box, asks
// whether to save; a save runs the regularisation first. The employee's form
// then comes back, emptied.

#include "platform/controls.h"

#include <memory>
#include <string>
#include <vector>

namespace olm {

class Fisa1_F : public platform::SingleForm<Fisa1_F> {
public:
    // The employee's form's "Ok" of the situation frame: the code and the
    // dates checked, the employee's situation taken, his sheet prepared and
    // shown with the frame that applies to him.
    static void deschideDinFisaII();

    // `Fisa1Date` into the boxes.
    void aplica();

    // The buttons outside the frames.
    platform::Button Command1, Command2, Command3, Command4, Command10, Command14, Command15;
    platform::Picture Picture1;

    // IV.A and IV.B.
    platform::Frame Fisa1_III;
    platform::ControlArray<platform::Label> LunaIII;
    platform::ControlArray<platform::TextBox> CoefCalc, CoefProp;
    platform::Label TitluIVA, TitluIVB, ValoriIVB, SituatieAngajat, NotaIII;
    platform::CheckBox Inv1A, Inv2A, Inv3A;
    platform::Button Command11, Command9;

    // IV.C.
    platform::Frame Fisa1_IIIC;
    platform::Label EtichetaCod, EtichetaNume, EtichetaPrenume, EtichetaPersoana, TitluCoefI, ValoriIVC;
    platform::TextBox CodI, NumeI, PrenI, Text2;
    platform::Label Label34; // the age of the dependant shown
    platform::ControlArray<platform::Label> LunaIIIC;
    platform::ControlArray<platform::TextBox> CoefI;
    platform::Frame Frame1;
    platform::Label CalitatePersoana, SituatiePersoana;
    platform::CheckBox Sotie, Copil, Alta, inv1, inv2, inv3;
    platform::Frame Frame2;
    platform::OptionButton PreiauConditii, AnulezConditii;
    platform::Button Command6, Ok_persA, Ok_PersU, Ok_StergP, Command7;

    // V.
    platform::Frame Fisa1_IV;
    platform::Label TitluVenit, TitluPropus, TitluRetinut, Informativ, EtichetaLuPrima, EtichetaChAc,
        EtichetaLuni;
    platform::ControlArray<platform::Label> RandIV;
    platform::ControlArray<platform::TextBox> VenitN, ImpP, ImpC;
    platform::ControlArray<platform::CheckBox> Bif;
    platform::TextBox LuPrima, ChAc, Luni;
    platform::Button Command12, Command8;

    // VI to VIII.
    platform::Frame Fisa1_V;
    platform::ControlArray<platform::Label> RandV;
    platform::ControlArray<platform::TextBox> Reg;
    platform::Label Atentie;
    platform::Button Command5;

private:
    friend class platform::SingleForm<Fisa1_F>;
    Fisa1_F();

    void formLoad() override;
    void formUnload(bool& cancel) override;

    void leagaCasetele();
    void leagaTastele();
    void leagaPersoanele();
    void ordineaTab();

    // Shows one of the four frames and hides the other three.
    void arataCadru(platform::Frame& cadru);
    // The month rows and frames as the employee's months and situation ask.
    void pregatesteAfisarea();

    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command10_Click();
    void Command12_Click();
    void CoefProp_LostFocus(int luna);
    void Bif_Click(int rand);
    void LuPrima_LostFocus();
    void CodI_LostFocus();
    void Ok_PersU_Click();
    // A rule of section IV.C ran on the record: the boxes follow it.
    template <class Regula>
    void persoana(Regula regula);
    // After a rule changed the record: the boxes and the invalidity marks.
    void dupaRegula();

    std::vector<std::unique_ptr<platform::Label>> etichete_;
    std::string coefLaIntrare_; // the own coefficient box's text when it took the focus
    bool aplicand_ = false;     // the record is being put into the boxes
};

} // namespace olm
