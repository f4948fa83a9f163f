#pragma once

// The process-wide state of the program: the values every window reads and
// writes while the program runs. They live for the whole run; nothing saves
// them. The data themselves live only in the text files.

#include <array>
#include <cstdint>
#include <string>

namespace olm {

// --- Tax parameters -------------------------------------------------------

// One row of the tax grid: month from which the row holds (13 for the annual
// grid), lower limit, upper limit, fixed tax, percent. An empty cell is not 0:
// a scan stops at it.
struct RandImpozitar {
    bool gol = true; // the row was never set
    double luna = 0;
    double limitaInf = 0;
    double limitaSup = 0;
    double fix = 0;
    double procent = 0;
};

inline constexpr int RanduriImpozitar = 130;
extern std::array<RandImpozitar, RanduriImpozitar> Impozitar;
extern int NrRandImpozitar; // last row index of the grid: 129

// Base deduction of months 1 to 12 at 0 to 11, the annual amount at 12.
extern std::array<double, 13> DeducereBaza;
extern std::array<std::string, 12> CoefCopil, CoefSotie, CoefAlta; // number text
extern std::string CoefMax, CoefInv1, CoefInv2, CoefInv3, ProcChProf, CotaImpFinal;
extern int AnFiscal;       // 0 until "Cuantum.txt" was read
// The year whose data stand under the working names, fixed by the start-up
// swap: the yearly copies of the working files carry it, even when the
// deduction editor changes AnFiscal during the run. 0 before the swap
// (AnFiscal is used then).
extern int AnDateLucru;
extern std::string PrimaZi, UltimaZi; // two-digit day texts

// The texts of the deduction-parameter editor's boxes. Reading "Cuantum.txt"
// fills them (whether or not the editor is open) and saving writes the file
// from them; the editor binds its boxes to this record.
struct CasuteCuantum {
    std::string AnF, prima_zi, ultima_zi;
    std::array<std::string, 13> Cuanta;             // months 1 to 12, the year at 12
    std::array<std::string, 12> Copil, Sotie, Alta; // months 1 to 12
    std::string Maxi, hand1, hand2, hand3, Proc_ch, CotaIF;
};
extern CasuteCuantum CuantumCasute;
// Caption of the employee form's label AnFisc: the whole first line of
// "Cuantum.txt" after a read, the year alone after a save.
extern std::string TextAnFisc;

// --- Employer ---------------------------------------------------------------

extern int TipAngajator; // 1 fiscal code, 2 personal numeric code
extern std::string JudetAngajator;
extern std::array<std::string, 43> Judete;

// --- Current employee and sheet ---------------------------------------------

extern std::string CodAngajat;
extern std::string FiseAngajat; // "", "F1", "F2" or "F1F2"
extern std::string FisierFisa;
extern std::array<int, 3> PozitiiFisa; // 0 "FF2.txt", 1 "FF1.txt", 2 "Deduceri.txt"; 0 = none
extern int ModIncarcare;
extern int TipFisaCrt;
extern std::string DataAngajarii, DataIncetarii;
extern std::int16_t LunaPrima, LunaUltima;
extern std::string MarcaRectif, MarcaReg, MarcaFaraDom, MarcaAlteS, MarcaInv1, MarcaInv2;
extern std::string MarcaInv1Fisa, MarcaInv2Fisa;
extern std::string JudetTmp;

// --- Dependants of the current employee ------------------------------------

inline constexpr int MaxPersoane = 20;
// Rows 1 to NrPersoane in use, columns 1 to 21 (row 0 and column 0 unused).
extern std::array<std::array<std::string, 22>, 21> TabelPersoane;
extern std::int16_t NrPersoane;
extern std::int16_t PersoanaCurenta;
extern std::string ModPers;

// --- Listings and printing --------------------------------------------------

extern std::int16_t ContorLinii;
extern std::string TipExemplar;
extern std::string NumeSemnatar, FunctieSemnatar;
extern std::string TelefonContact, PersoanaContact;
extern std::string TipLista, TitluLista;
extern std::string FisierSursa, FisierDest;
// The totals of the last monthly table, in whole lei.
extern std::int64_t TotalVenitLuna, TotalImpozitLuna;
extern std::int64_t TotVenitAnual, TotImpozitAnual, TotImpozitRetinut, TotRamasPlata, TotRestituit;

// --- Exchange and checks ---------------------------------------------------

extern int EroareStilData;
extern int NrDischete;
extern std::string SablonCrt;
extern int StopVerif;

// Text of the fiscal year for file names, titles and messages ("2002").
std::string anFiscalText();
// The year before the fiscal year, as text ("2001").
std::string anPrecedentText();

// Puts every value back to its state at the start of the process (for tests).
void resetState();

} // namespace olm
