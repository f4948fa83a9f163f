#pragma once

// The employer's identification form `Fisa_I`: the employer's code, which
// decides his kind (a fiscal code: a firm with a name; a personal numeric
// code: a person with surname and first name), his names and his address.
// Confirming writes "Repfisc.txt" and opens the employee's form; closing
// refreshes the yearly copy and goes back to the main window.
//
// The boxes mirror the record `AngajatorFisaI` (employer_record.h): every
// change of a box is copied into it, and opening the form puts the record
// read from the file into the boxes.

#include "platform/controls.h"

#include <memory>
#include <string>
#include <vector>

namespace olm {

class Fisa_I : public platform::SingleForm<Fisa_I> {
public:
    // What the main window's "Fise fiscale (preluari, modificari)" does once
    // the date style was accepted: hides the main window, fills the county
    // list, loads "Repfisc.txt" into the form, shows it and selects the
    // employer's county.
    static void deschide();

    platform::Label Titlu{*this, {20, 10, 400, 20}, "I. Date de identificare angajator"};
    platform::Label EtCod{*this, {20, 42, 110, 20}, "Cod angajator"};
    platform::TextBox CodP{*this, {140, 40, 130, 22}};
    platform::Label TipAng{*this, {285, 42, 320, 20}};
    platform::Label EtDen{*this, {20, 72, 110, 20}, "Denumire"};
    platform::TextBox DenP{*this, {140, 70, 470, 22}};
    platform::Label EtNume{*this, {20, 102, 110, 20}, "Nume"};
    platform::TextBox NumeP{*this, {140, 100, 200, 22}};
    platform::Label EtPren{*this, {350, 102, 70, 20}, "Prenume"};
    platform::TextBox PrenP{*this, {420, 100, 190, 22}};
    platform::Frame Adresa{*this, {10, 135, 610, 185}, "Adresa angajatorului"};
    platform::ControlArray<platform::TextBox> AdrP; // locality, street, ..., telephone, e-mail
    platform::ComboBox JudP{Adresa, {360, 25, 200, 24}};
    platform::Button Ok_Fisa_II{*this, {20, 335, 230, 30}, "Date identificare &angajat"};

private:
    friend class platform::SingleForm<Fisa_I>;
    Fisa_I();

    void formLoad() override;
    void formUnload(bool& cancel) override;

    void CodP_LostFocus();
    bool CodP_KeyPress(int key);
    void Nume_LostFocus(platform::TextBox& box);
    void AdrP_LostFocus(int i);
    bool AdrP_KeyPress(int i, int key);
    void Ok_Fisa_II_Click();

    // The kind decided by a valid code: the label, TipAngajator, and the
    // boxes of the other kind emptied.
    void aplicaTip(int tip);
    // AngajatorFisaI into the boxes (the county list apart).
    void scrieInControale();

    std::vector<std::unique_ptr<platform::Label>> etichete_;
};

} // namespace olm
