#pragma once

// What the listings of the Fisa 1 and Fisa 2 sheets share: the file they read,
// the items of their one-sheet picker, the writing of the listing file sheet
// after sheet, and showing and printing it.

#include "platform/file_error.h"
#include "shared/printing.h"
#include "shared/sheet_records.h"
#include "shared/sheet_text.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace olm {

// The two kinds of sheet, the records of "FF1.txt" and of "FF2.txt".
enum class FelFisa { Fisa1, Fisa2 };

// The file a listing reads: the alphabetical copy ("ff1_sort1.txt",
// "ff2_sort1.txt") while it exists, else the working file.
std::string SursaFise1();
std::string SursaFise2();

// Copies the regularised Fisa 1 sheets of SursaFise1 (or the others) into
// "Ff1R.txt" ("Ff1N.txt"), which stays, through FiltreazaFF1: `TipLista`
// becomes "R" ("N"), `FisierSursa` the file read, `FisierDest` the copy.
// Throws platform::FileError.
void FiltreazaFise1(bool regularizate);

// An item of a one-sheet picker: surname, a blank, first name, "--", the
// code, then the sheet's mark ("--FF1"); the code is kept beside the text.
struct ItemFisa {
    std::string text;
    std::string cod;
};
// One item for each line of the file, in file order. A line too damaged to
// hold a code gives an item without one. Throws platform::FileError.
std::vector<ItemFisa> ItemiFise(const std::string& sursa, std::string_view marca);

// The signer's name and function, as typed in the listing window.
struct Semnatar {
    std::string nume;
    std::string functie;
};

// The head that every sheet of a listing shares: the copy line of
// `TipExemplar`, the fiscal year, the employer's block from "RepFisc.txt" and
// the signer in upper case. Throws platform::FileError.
CapFoaie CapListare(const Semnatar& semnatar);
// The employee's part of the head, from his record: the corrective mark, his
// code, name and address. The rest of the head stays as it is.
void CompleteazaCapul(CapFoaie& cap, const IdentitateAngajatCu<std::string_view>& id,
                      std::string_view marcaRectif);

// Writes the sheet of a record line after the text, on whole pages
// (TextFoaie::incepeFoaia, incheieFoaia), and returns the lines it counted.
using FoaieDinLinie = std::function<int(std::string_view linie, TextFoaie& text)>;

// Writes the listing file: for every line of `sursa` that `alege` keeps, in
// file order, its sheet. `ContorLinii` is left at the count of the last
// sheet. The file is replaced in one step; a missing source gives an empty
// listing. Throws platform::FileError, and the old listing then stays.
void ScrieListare(const std::string& fisier, const std::string& sursa,
                  const std::function<bool(std::string_view linie)>& alege, const FoaieDinLinie& foaie);

// The notice shown before a listing of many sheets, naming its file.
std::string MesajVizualizare(const std::string& fisier);

// "Eroare " + the error's number + ".", with the exclamation icon.
void AnuntaEroareFisier(const platform::FileError& e);

// Writes a listing with `scrie`, then shows it in the text viewer and sends
// it to the printer with `tipareste`. When a file cannot be read or written
// the clerk sees "Eroare " + its number + "." and nothing is shown or printed.
using Tiparire = void (*)(const std::string& fisier);
void ListeazaSiTipareste(const std::string& fisier, const std::function<void()>& scrie,
                         Tiparire tipareste = TiparesteFisier);

} // namespace olm
