#pragma once

// Section IV.C of a Fisa 1: the dependants register as the clerk edits it,
// one dependant shown at a time in the form's record (`Fisa1Date.persoana`):
// his code checked and registered, his names, the moves to the previous and
// the next dependant, the deletion of one, and the quality and invalidity
// boxes with the marks they store. Row PersoanaCurenta of TabelPersoane is
// the dependant shown; a row above NrPersoane is a new one, registered when a
// code is accepted for it. At most MaxPersoane rows.

#include "shared/form_data.h"

#include <string>
#include <string_view>

namespace olm {

// The birth of a dependant read from his code: the year is 1900 plus
// characters 2 and 3 when the first character is 1 or 2, else 2000 plus them;
// the month is characters 4 and 5.
struct NasterePersoana {
    int an = 0;
    int luna = 0;
};
NasterePersoana NastereDinCod(std::string_view cod);

// The fiscal year less the year of birth (by the year alone; may be negative).
int VarstaPersoana(std::string_view cod);

// "(Varsta = 18 ani)" for a code box holding a number, else empty.
std::string EtichetaVarsta(std::string_view cod);

// The quality the age gives: above 18 another person, exactly 18 both a
// child and another person, below 18 a child.
struct CalitateVarsta {
    bool copil = false;
    bool alta = false;
};
CalitateVarsta CalitateDupaVarsta(int varsta);

// The code box holds a number other than 0.
bool CodPersoanaPrezent(const PersoanaAfisata& p);
// One of spouse, child, other person is ticked.
bool CalitateBifata(const PersoanaAfisata& p);

// "Sunt inregistrate n persoane" on the three person buttons.
void ActualizeazaSfat(FormaFisa1& f);

// Showing the section: the condition boxes locked while dependants are
// registered, the options cleared, the number and the age of the one shown.
void ArataPersoanele(FormaFisa1& f);

// The code box takes the focus: ModPers is "D" on a new row (its condition
// boxes unlocked) and "N" on a registered one (locked); the options cleared.
void IntraInCod(FormaFisa1& f);

// The code box is left. Its text becomes the number it begins with ("0" for
// none, and then nothing else happens). A code failing its check digit, equal
// to the employee's own or to another registered dependant's is told (the
// last of these findings) and the result is false: the box keeps its text,
// takes the focus back, and the register is not touched. Otherwise the row
// takes the code; a new row is registered with the quality its age gives
// ticked, the names and marks already in its boxes, and its coefficients
// checked and stored as when their boxes are left.
bool ParasesteCod(FormaFisa1& f);

// A name box takes the focus: "Nu ati completat codul" without a code.
void IntraInNume(const FormaFisa1& f);
// A name box is left (upper-cased by the box): with a code, column 2 (the
// surname) or 3 (the first name) of the row takes it.
void ParasesteNume(FormaFisa1& f, int coloana);

// "Persoana anterioara": false when the dependant shown is incomplete
// (VerificaPersoana told why). Otherwise the row before (not below 1) is
// shown, locked when dependants are registered.
bool PersoanaAnterioara(FormaFisa1& f);

// "Persoana urmatoare".
enum class MutarePersoana {
    Refuzata,        // incomplete, or past the 20th row: told, nothing moved
    RandNou,         // an empty new row (or the same one, without a code): the focus to the code
    RandInregistrat, // the next registered row, locked
};
MutarePersoana PersoanaUrmatoare(FormaFisa1& f);

// "Stergere persoana": on a new row only its boxes are emptied; on a
// registered one, after "Doriti sa stergeti persoana ?" is answered Yes, the
// rows below move up, the months' totals and proposed taxes lose its
// coefficients, and the last registered row is shown.
void StergePersoana(FormaFisa1& f);

// The quality (spouse, child, other person) and invalidity boxes.
enum class Conditie { Sotie, Copil, Alta, Inv1, Inv2 };

// A box takes the focus: "Nu ati completat codul persoanei." without a code;
// for an invalidity box also "Nu ati completat calitatea persoanei" without a
// quality. The focus stays.
void IntraInConditie(const FormaFisa1& f, Conditie c);

// A box is left; with a code, its mark goes into the row. Leaving the child
// box ticked corrects the quality by the age. An invalidity mark is stored
// only when a quality is ticked.
void ParasesteConditie(FormaFisa1& f, Conditie c);

} // namespace olm
