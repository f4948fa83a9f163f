#pragma once

// The window "IMPOZITAR": the tax grid month by month, one block of at most
// ten brackets at a time, and the editing of a month's block.
//
// Two ways in:
//   ImpozitFrm::deschide()             viewing and changing (the main window)
//   ImpozitFrm::deschideVizualizare()  viewing only (the sheet forms)
// Each opening of a window not yet loaded reads the grid afresh from the
// file; closing writes the grid back (SalvImpozit), unless the grid could not
// be read when the window opened: then the window is for viewing only and the
// file is left as it is.

#include "platform/controls.h"
#include "tax_parameters/tax_grid_blocks.h"
#include "tax_parameters/tax_grid_fields.h"

#include <optional>

namespace olm {

class ImpozitFrm : public platform::SingleForm<ImpozitFrm> {
public:
    // Shows the window, loading it first when needed.
    static void deschide();
    // Shows the window with the editing closed to the clerk: `PrelMod` and
    // every box disabled, the confirming buttons hidden. An edit in progress
    // is dropped.
    static void deschideVizualizare();

    // Writes the grid in memory to "Impozitar.txt".
    void SalvImpozit();
    // Stores the display rows as the block of the month chosen in `Timp`;
    // false when the grid has no room for it.
    bool BlocScr();
    // Empties the display rows and returns to viewing.
    void BlocDel();
    // Enters the editing mode.
    void PrelImp();
    // Shows the block valid for a month; false when none applies.
    bool AfisImp(int luna);

    // The window was opened after a failed read of the grid.
    bool citireEsuata() const { return citireEsuata_; }
    bool doarVizualizare() const { return doarVizualizare_; }

    platform::Label Label6;
    platform::ComboBox Timp;
    platform::Label Label2, Label3, Label4, Label5;
    platform::ControlArray<platform::Label> LimMin;
    platform::ControlArray<platform::TextBox> LimMax, ImpFix, Procent;
    platform::Button PrelMod, Ok_Imp, Cancel_Imp;
    platform::Label Label7, Label1;

private:
    friend class platform::SingleForm<ImpozitFrm>;
    ImpozitFrm();

    void formLoad() override;
    void formUnload(bool& cancel) override;

    void Timp_Click();
    bool Timp_KeyPress(int key);
    void PrelMod_Click();
    void Ok_Imp_Click();
    void Cancel_Imp_Click();
    bool Caseta_KeyPress(Coloana coloana, int rand, int key);
    void Caseta_LostFocus(Coloana coloana, int rand);

    platform::ControlArray<platform::TextBox>& coloana(Coloana c);
    int lunaAleasa() const;
    BlocAfisat randuri() const;
    void arataRanduri(const BlocAfisat& bloc);
    void activeazaCasete(bool on);
    void focusPe(const TintaFocus& tinta);
    void treceLaVizualizare();
    bool inEditare() const;

    bool citireEsuata_ = false;
    bool doarVizualizare_ = false;
    std::optional<LocBloc> blocArata_;
};

} // namespace olm
