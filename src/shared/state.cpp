#include "shared/state.h"

namespace olm {

std::array<RandImpozitar, RanduriImpozitar> Impozitar;
int NrRandImpozitar = 0;
std::array<double, 13> DeducereBaza{};
std::array<std::string, 12> CoefCopil, CoefSotie, CoefAlta;
std::string CoefMax, CoefInv1, CoefInv2, CoefInv3, ProcChProf, CotaImpFinal;
int AnFiscal = 0;
int AnDateLucru = 0;
std::string PrimaZi, UltimaZi;
CasuteCuantum CuantumCasute;
std::string TextAnFisc;

int TipAngajator = 0;
std::string JudetAngajator;
std::array<std::string, 43> Judete;

std::string CodAngajat;
std::string FiseAngajat;
std::string FisierFisa;
std::array<int, 3> PozitiiFisa{};
int ModIncarcare = 0;
int TipFisaCrt = 0;
std::string DataAngajarii, DataIncetarii;
std::int16_t LunaPrima = 0, LunaUltima = 0;
std::string MarcaRectif, MarcaReg, MarcaFaraDom, MarcaAlteS, MarcaInv1, MarcaInv2;
std::string MarcaInv1Fisa, MarcaInv2Fisa;
std::string JudetTmp;

std::array<std::array<std::string, 22>, 21> TabelPersoane;
std::int16_t NrPersoane = 0;
std::int16_t PersoanaCurenta = 0;
std::string ModPers;

std::int16_t ContorLinii = 0;
std::string TipExemplar;
std::string NumeSemnatar, FunctieSemnatar;
std::string TelefonContact, PersoanaContact;
std::string TipLista, TitluLista;
std::string FisierSursa, FisierDest;
std::int64_t TotalVenitLuna = 0, TotalImpozitLuna = 0;
std::int64_t TotVenitAnual = 0, TotImpozitAnual = 0, TotImpozitRetinut = 0, TotRamasPlata = 0,
       TotRestituit = 0;

int EroareStilData = 0;
int NrDischete = 0;
std::string SablonCrt;
int StopVerif = 0;

std::string anFiscalText() { return std::to_string(AnFiscal); }
std::string anPrecedentText() { return std::to_string(AnFiscal - 1); }

void resetState() {
    Impozitar = {};
    NrRandImpozitar = 0;
    DeducereBaza = {};
    CoefCopil = {};
    CoefSotie = {};
    CoefAlta = {};
    CoefMax.clear();
    CoefInv1.clear();
    CoefInv2.clear();
    CoefInv3.clear();
    ProcChProf.clear();
    CotaImpFinal.clear();
    AnFiscal = 0;
    AnDateLucru = 0;
    PrimaZi.clear();
    UltimaZi.clear();
    CuantumCasute = {};
    TextAnFisc.clear();
    TipAngajator = 0;
    JudetAngajator.clear();
    Judete = {};
    CodAngajat.clear();
    FiseAngajat.clear();
    FisierFisa.clear();
    PozitiiFisa = {};
    ModIncarcare = 0;
    TipFisaCrt = 0;
    DataAngajarii.clear();
    DataIncetarii.clear();
    LunaPrima = LunaUltima = 0;
    MarcaRectif.clear();
    MarcaReg.clear();
    MarcaFaraDom.clear();
    MarcaAlteS.clear();
    MarcaInv1.clear();
    MarcaInv2.clear();
    MarcaInv1Fisa.clear();
    MarcaInv2Fisa.clear();
    JudetTmp.clear();
    TabelPersoane = {};
    NrPersoane = 0;
    PersoanaCurenta = 0;
    ModPers.clear();
    ContorLinii = 0;
    TipExemplar.clear();
    NumeSemnatar.clear();
    FunctieSemnatar.clear();
    TelefonContact.clear();
    PersoanaContact.clear();
    TipLista.clear();
    TitluLista.clear();
    FisierSursa.clear();
    FisierDest.clear();
    TotalVenitLuna = TotalImpozitLuna = 0;
    TotVenitAnual = TotImpozitAnual = TotImpozitRetinut = TotRamasPlata = TotRestituit = 0;
    EroareStilData = 0;
    NrDischete = 0;
    SablonCrt.clear();
    StopVerif = 0;
}

} // namespace olm
