#pragma once

// The Fisa 2 form `Fisa2` ("FISA FISCALA 2 "): the clerk ticks the income
// types AS1 to AS8 and types each month's income; the month's tax is proposed
// from the tax grid and the totals follow. Closing it, by "Terminat fisa F2"
// or by the close box, asks "Salvati modificarile?" and goes back to the
// employee's form.
//
// The boxes mirror the record `Fisa2Date` (form_data.h): every change of a
// box or a type is copied into it; `aplica()` puts the record into the
// controls after a rule changed it (sheets/fisa2_entry.h).

#include "platform/controls.h"

#include <memory>
#include <vector>

namespace olm {

class Fisa2 : public platform::SingleForm<Fisa2> {
public:
    // The employee's "Fisa 2": the record shown, the caption naming the
    // employee, the focus on AS1.
    static void deschide();

    void aplica();

    platform::Label Label1{*this, {10, 8, 690, 36}};
    platform::Frame Frame1{*this, {10, 48, 690, 52}, "Tip venit "};
    platform::ControlArray<platform::CheckBox> TAS;
    platform::ControlArray<platform::TextBox> VenitCS;
    platform::ControlArray<platform::TextBox> ImpS;
    platform::Button Command1{*this, {520, 150, 170, 34}, "Terminat fisa F2"};
    platform::Button Command10{*this, {520, 200, 170, 34}, "Imagine     fisa"};
    platform::Button Command3{*this, {520, 250, 170, 30}, "Informatii"};
    platform::Button Command2{*this, {520, 290, 170, 30}, "Impozitar "};
    platform::Picture Picture1{*this, {520, 336, 36, 36}};

private:
    friend class platform::SingleForm<Fisa2>;
    Fisa2();

    void formLoad() override;
    void formUnload(bool& cancel) override;

    bool Caseta_KeyPress(platform::ControlArray<platform::TextBox>& coloana, int i, int key);
    void Command1_Click();
    void Command10_Click();

    std::vector<std::unique_ptr<platform::Label>> etichete_;
};

} // namespace olm
