#pragma once

// The window "Verificare fisiere din alte aplicatii": the clerk chooses where
// the files of another application come from (the diskette or the working
// directory) and in which form (text files or DBF tables), brings them into
// the working names with "VERIFICARE", then runs the checks with "Lista
// erori" and reads the report in the text viewer (and prints it). Opened
// over the main window, modal to it.

#include "platform/controls.h"

namespace olm {

class Verif_fis : public platform::SingleForm<Verif_fis> {
public:
    // Shows the window over the main window.
    static void deschide();

    platform::Frame Frame2;
    platform::ControlArray<platform::OptionButton> Option2; // 0 working directory, 1 diskette
    platform::Frame Frame1;
    platform::ControlArray<platform::OptionButton> Option1; // 0 ".DBF", 1 ".TXT"
    platform::Button Command1;
    platform::Button Command2;
    platform::Button Command3;
    platform::Label Label2;
    platform::Label Label1;

    void Command1_Click(); // "VERIFICARE"
    void Command2_Click(); // "Lista erori"
    void Command3_Click(); // "Atentie !"

    // The three acquisitions; each sets StopVerif.
    void copy_txt_disc();
    void copy_dbf_disc();
    void tr_dbftxt();
    // The checks and their report.
    void but_verif();

private:
    friend class platform::SingleForm<Verif_fis>;
    Verif_fis();

    // The working files were rewritten (their yearly copies with them): the
    // alphabetical copies, while the clerk keeps them, follow.
    void dupaRescriere();
};

} // namespace olm
