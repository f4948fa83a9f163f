#pragma once

// The main window: a menu of buttons from which the clerk reaches every
// function of the program. Loading it starts the work on the data files
// (instance lock, parameter files, yearly swap); closing it ends the program
// after the other windows have closed and the yearly copies are written.

#include "main_window/startup.h"
#include "platform/controls.h"

#include <functional>
#include <memory>

namespace olm {

class Intro : public platform::SingleForm<Intro> {
public:
    // The windows that the other parts of the program open from here, set by
    // those parts when the program starts (app/main.cpp). A button whose
    // window is not set stays disabled.
    static inline std::function<void()> deschideLisFise1;   // "Fisa 1 "
    static inline std::function<void()> deschideLisFise2;   // "Fisa 2 "
    static inline std::function<void()> deschideLisBord;    // "Borderou fise fiscale"
    static inline std::function<void()> deschideListabIV;   // "Tabel centralizator lunar"
    static inline std::function<void()> deschideAlteFunctii; // "Alte functii"
    static inline std::function<void()> deschideVerif_fis;   // the verification of outside files

    // How the start-up went (read by Main before the window is shown).
    const RezultatPornire& pornire() const { return pornire_; }

    // The controls, named as the clerk's manual and the other windows know them.
    std::unique_ptr<platform::Picture> Fundal; // the background gradient
    std::unique_ptr<platform::Button> Command1, Command3, Command5, Command2, Command11, Tabel5;
    std::unique_ptr<platform::CheckBox> Check1;
    std::unique_ptr<platform::Button> But_salvari, b_salv, b_rest, Command10, Command8, Command6,
        Command9, Command7;
    std::unique_ptr<platform::Label> Label1, Label2, Label3, Label4, Label5;
    std::unique_ptr<platform::Picture> Image1;

    // The commands, as the buttons run them.
    void Command1_Click();
    void Tabel5_Click();
    void Check1_Click();
    void But_salvari_Click();
    void b_salv_Click();
    void b_rest_Click();
    void Command10_Click();
    void Command8_Click();
    void Command7_Click();
    void Command3_Click();
    void Command5_Click();
    void Command2_Click();
    void Command11_Click();
    void Command6_Click();
    void Command9_Click();

    // The alphabetical copies are dropped before a command that changes or
    // hands in the data: unticking runs the box's own handler.
    void debifeazaSortare();

private:
    friend class platform::SingleForm<Intro>;
    Intro();

    void formLoad() override;
    void formUnload(bool& cancel) override;

    void construiesteControale();
    static void deseneazaFundal(QPainter& p, const QRect& r);

    platform::InstanceLock lock_;
    RezultatPornire pornire_;
    bool inchidere_ = false;
};

// The start of the program: fills the county table, sets the bound of the tax
// grid, loads the main window (which swaps the files) and shows it. Returns
// false when the program must end at once (another instance, no parameters,
// files that cannot be worked on); `codIesire` then receives the process's
// exit status (0 for another instance, 1 for a failure), and no lock is left
// in the working directory.
bool Main(int* codIesire = nullptr);

// The program is ended from outside (log-out, shutdown): every window closes
// without a question (an unsaved window counts as answered No), the exit
// steps run and the lock is given up.
void TerminaLaCerere();

// Shows a window over the main window, which takes no input until that
// window closes (the listings, the other functions, the verification).
void ArataPesteFereastraPrincipala(platform::Form& fereastra);

} // namespace olm
