#pragma once

// The window "Initializari parametri conform legislatiei in vigoare": the
// fiscal year, the base personal deduction of each month and of the year and
// the deduction coefficients. Its boxes show the process-wide record of the
// parameter texts (CuantumCasute, filled by CitesteCuantum) and write every
// change back to it; closing the window saves the record to "Cuantum.txt"
// (SalveazaCuantum), unless the file could not be read when the window was
// opened: then the window is for viewing only and the file is left alone.
//
// Two ways in:
//   CuantumFrm::deschide()             viewing and changing (the main window)
//   CuantumFrm::deschideVizualizare()  viewing only (the Fisa 1 form)
// Both read "Cuantum.txt" again first.

#include "platform/controls.h"

#include <string>
#include <vector>

namespace olm {

class CuantumFrm : public platform::SingleForm<CuantumFrm> {
public:
    static void deschide();
    // Every visible box disabled and "OK" hidden, until the window unloads.
    static void deschideVizualizare();

    // Shows the record's texts in the boxes.
    void incarcaCasete();
    bool citireEsuata() const { return citireEsuata_; }

    // A text box that shows no highlight colours while it has the focus.
    class CasetaSimpla : public platform::TextBox {
    public:
        using TextBox::TextBox;

    protected:
        bool highlightable() const override { return false; }
    };

    platform::Label Label1;
    CasetaSimpla AnF;
    platform::Label Label2;
    platform::TextBox prima_zi, ultima_zi;
    platform::Label Label3, Label4, Label5, Label6, Label7, Label8, Label9;
    platform::ControlArray<platform::Label> Coloane, NrRand, NumeLuna;
    platform::ControlArray<platform::TextBox> Cuanta, Copil, Sotie, Alta;
    platform::Label Label10;
    platform::TextBox Maxi;
    platform::Label Label11;
    platform::TextBox hand1, hand2, hand3;
    platform::Label Label12;
    platform::TextBox Proc_ch;
    platform::Label Label13;
    platform::TextBox CotaIF;
    platform::Button Command1;

private:
    friend class platform::SingleForm<CuantumFrm>;
    CuantumFrm();

    void formLoad() override;
    void formUnload(bool& cancel) override;

    // Reads the file again; after a failure says so and closes the editing.
    void citeste();
    void treceLaVizualizare();

    // What leaving a box does to its text: nothing (the working days, never
    // edited), the number at its start (the year and the amounts), or the
    // same with "," also taken as the decimal point (the coefficients).
    enum class Normalizare { Nimic, ValoareSimpla, Coeficient };
    // A box shows one text of the record and writes every change back to it.
    struct Legatura {
        platform::TextBox* caseta;
        std::string* camp;
        Normalizare normalizare;
    };
    void leaga(platform::TextBox& caseta, std::string& camp, Normalizare normalizare);
    static std::string normalizeaza(const std::string& text, Normalizare normalizare);
    std::vector<Legatura> legaturi_;

    bool citireEsuata_ = false;
};

} // namespace olm
