#pragma once

// The employee's identification form `Fisa_II`: the clerk types an
// employee's personal numeric code (looked up in the sheet files; an
// employee with sheets brings up the decision dialog) or picks a stored
// sheet, then takes his names, address, dates and situation marks, and goes
// on to his Fisa 1 or Fisa 2, or deletes the sheet picked.
//
// The boxes, marks, buttons and situation frame mirror the record
// `AngajatFisaII` (form_data.h): a change of a box or mark is copied into it,
// and `aplica()` puts the record into the controls after a routine of the
// shared module changed it.
//
// The sheet forms are opened through `deschideFormaFisa1` (the situation
// frame's "Ok") and `deschideFormaFisa2` ("Fisa 2"), which those forms set;
// until they are set, the buttons that lead to them stay disabled.

#include "platform/controls.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace olm {

class Fisa_II : public platform::SingleForm<Fisa_II> {
public:
    // Opens the Fisa 1 form for the employee shown (the situation frame's "Ok").
    static inline std::function<void()> deschideFormaFisa1;
    // Shows the Fisa 2 form, with the employee's names and code in its caption.
    static inline std::function<void()> deschideFormaFisa2;

    // The employer confirmed: the fiscal year, the form shown with the
    // situation frame closed and the focus on "Fise noi", the county list
    // filled and set to the employer's county.
    static void deschideDinAngajator(const std::string& judetAngajator);

    // `AngajatFisaII` into the controls, in the order a stored sheet is
    // loaded (a mark's own handling runs as it is set), then the focus asked for.
    void aplica();
    // The buttons and the situation frame as the record says.
    void aplicaStari();

    platform::Label Label1_0{*this, {10, 4, 740, 34}};
    platform::Label AnFisc{*this, {10, 4, 120, 20}};
    platform::Label Label5{*this, {10, 38, 110, 20}};
    platform::TextBox CodS{*this, {120, 36, 130, 22}};
    platform::Label Label3{*this, {10, 68, 110, 20}, "Nume"};
    platform::TextBox NumeS{*this, {120, 66, 250, 22}};
    platform::Label Label4{*this, {385, 68, 70, 20}, "Prenume"};
    platform::TextBox PrenS{*this, {460, 66, 250, 22}};
    platform::Frame Frame2{*this, {10, 96, 740, 116}, "Adresa angajatului"};
    platform::ControlArray<platform::TextBox> AdrS;
    platform::ComboBox JudS{Frame2, {420, 22, 200, 24}};
    platform::Frame Frame3{*this, {10, 218, 200, 64}};
    platform::OptionButton Option1{Frame3, {10, 8, 180, 22}, "Fise noi"};
    platform::OptionButton Option2{Frame3, {10, 34, 180, 22}, "Fise incarcate"};
    platform::ComboBox Combo1{*this, {220, 222, 420, 24}, platform::ComboStyle::DropDownCombo};
    platform::Label Label20{*this, {220, 252, 420, 20}};
    platform::Button Command2{*this, {650, 222, 30, 24}, "?"};
    platform::CheckBox Xrectif{*this, {10, 290, 250, 22}, "Fisa fiscala rectificativa"};
    platform::Button Ok_Fisa1{*this, {270, 288, 100, 28}, "Fisa &1"};
    platform::Button Ok_Fisa2{*this, {380, 288, 100, 28}, "Fisa &2"};
    platform::Button but_sterg_fisa{*this, {490, 288, 130, 28}, "&Sterge fisa"};
    platform::Frame Frame1{*this, {10, 324, 740, 196}};
    platform::Label Label1_2{Frame1, {10, 10, 200, 20}, "Situatie angajat"};
    platform::CheckBox Xreg{Frame1, {10, 34, 330, 22}, "Fisa fiscala regularizata"};
    platform::CheckBox Xdedu{Frame1, {10, 58, 330, 22}, "Persoana romana fara domiciliu in Romania"};
    platform::CheckBox XAlteS{Frame1, {10, 82, 340, 22}, "Are alte surse supuse impozitului pe venituri"};
    platform::CheckBox Inv1A{Frame1, {370, 34, 160, 22}, "Invalid gr.I"};
    platform::CheckBox Inv2A{Frame1, {370, 58, 160, 22}, "Invalid gr.II"};
    platform::CheckBox Inv3A{Frame1, {370, 82, 160, 22}, "Alte situatii"};
    platform::Label Label2{Frame1, {10, 114, 140, 20}, "Data angajarii "};
    platform::TextBox Job0{Frame1, {150, 112, 100, 22}};
    platform::Label Label16{Frame1, {270, 114, 170, 20}, "Data incetarii activitatii"};
    platform::TextBox Job1{Frame1, {440, 112, 100, 22}};
    platform::Button Command3{Frame1, {550, 110, 30, 24}, "?"};
    platform::Label Label1_1{Frame1, {10, 142, 590, 44}};
    platform::Button Command1{Frame1, {620, 150, 90, 30}, "Ok"};

private:
    friend class platform::SingleForm<Fisa_II>;
    Fisa_II();

    void formLoad() override;
    void formUnload(bool& cancel) override;

    void CodS_GotFocus();
    void CodS_LostFocus();
    void AdrS_LostFocus(int i);
    bool AdrS_KeyPress(int i, int key);
    void Combo1_GotFocus();
    void Combo1_Click();
    void but_sterg_fisa_Click();
    void Job_LostFocus(platform::TextBox& box);
    void Xreg_Click();
    void Xdedu_Click();
    void Option1_Click();
    void Option2_Click();
    void Ok_Fisa1_Click();
    void Ok_Fisa2_Click();

    // The employee's boxes emptied for the next one: locality, county and
    // code apart.
    void golesteAngajatul();
    void spreButoane();

    std::vector<std::unique_ptr<platform::Label>> etichete_;
};

} // namespace olm
