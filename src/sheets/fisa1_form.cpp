#include "sheets/fisa1_form.h"

#include "main_window/employee_form.h"
#include "main_window/identification_boxes.h"
#include "platform/calculator.h"
#include "platform/dialogs.h"
#include "sheets/fisa1_coefficients.h"
#include "sheets/fisa1_dependant_coefficients.h"
#include "sheets/fisa1_dependants.h"
#include "sheets/fisa1_image.h"
#include "sheets/fisa1_months.h"
#include "sheets/fisa1_opening.h"
#include "sheets/fisa1_regularisation.h"
#include "shared/employee_identity.h"
#include "shared/fisa1_record.h"
#include "shared/form_data.h"
#include "shared/number_text.h"
#include "shared/state.h"
#include "tax_parameters/cuantum_frm.h"
#include "tax_parameters/impozit_frm.h"
#include "tax_parameters/month_names.h"

#include <array>
#include <tuple>

namespace olm {

using platform::CheckBox;
using platform::Geometry;
using platform::TextBox;
namespace key = platform::key;

namespace {

constexpr Geometry LocCadru{10, 64, 920, 590};
constexpr int PasRand = 29;

std::size_t idx(int i) { return static_cast<std::size_t>(i); }

// The row r of a table that starts at `sus`.
Geometry rand(int x, int latime, int sus, int r) { return {x, sus + r * PasRand, latime, 24}; }

// Enter in a box moves the focus to the control the rule names at that moment.
template <class F>
void laEnterSpre(platform::Control& din, F tinta) {
    din.onKeyPress([tinta](int k) {
        if (k == key::Enter) {
            tinta().setFocus();
        }
        return false;
    });
}

void pune(TextBox& caseta, const std::string& text) {
    if (caseta.text() != text) {
        caseta.setText(text);
    }
}

constexpr std::array<const char*, 13> EticheteReg = {
    "  1. Venit net ",
    "  2. Cheltuieli profesionale acordate",
    "  3. Cheltuieli profesionale cuvenite",
    "  4. Venit net recalculat (1+2-3)",
    "  5. Deduceri personale cuvenite",
    "  6. Venit anual baza de calcul (4-5)",
    "  7. Impozit anual",
    "  8. Total impozit lunar calculat si retinut",
    "  9. Diferenta de impozit ramas de achitat (7-8)",
    "  10. Diferenta de impozit de restituit (8-7)",
    "VII. Venit net din salarii cu impunere finala",
    "        Impozit calculat si retinut",
    "VIII. Venit net din salarii scutit de imp. pe venit",
};

} // namespace

Fisa1_F::Fisa1_F()
    : Command1(*this, {10, 8, 130, 48}, "IV. &Deduceri  (A, B)"),
      Command2(*this, {145, 8, 130, 48}, "IV. Deduceri  (C)"),
      Command3(*this, {280, 8, 130, 48}, "V. Calcul &impozit"),
      Command4(*this, {415, 8, 220, 48}, "VI.Regularizare /VII.Venit cu impunere finala /VIII.Venit scutit"),
      Command10(*this, {640, 8, 80, 48}, "Imagine     fisa"),
      Command14(*this, {725, 8, 80, 48}, "Impozitar "),
      Command15(*this, {810, 8, 80, 48}, "Deduceri"),
      Picture1(*this, {895, 12, 36, 36}),

      Fisa1_III(*this, LocCadru),
      TitluIVA(Fisa1_III, {150, 20, 150, 64},
               "IV.A. Total coeficient               deducere  rezultat                din  calcul"),
      TitluIVB(Fisa1_III, {320, 20, 150, 64}, "IV.B. Situatia proprie           pentru deducere             "),
      ValoriIVB(Fisa1_III, {500, 92, 380, 20}, "Valori admise : 0 / 1 / 1,5 (inv.II) / 2 (inv.I)"),
      SituatieAngajat(Fisa1_III, {500, 130, 200, 20}, "Situatie angajat"),
      NotaIII(Fisa1_III, {500, 250, 380, 44},
              "SE COMPLETEAZA NUMAI PENTRU PERSOANELE FIZICE ROMANE CU DOMICILIUL IN ROMANIA"),
      Inv1A(Fisa1_III, {500, 154, 200, 22}, "Invalid gr.I"),
      Inv2A(Fisa1_III, {500, 178, 200, 22}, "Invalid gr.II"),
      Inv3A(Fisa1_III, {500, 202, 200, 22}, "Alte situatii"),
      Command11(Fisa1_III, {500, 310, 30, 26}, "?"),
      Command9(Fisa1_III, {790, 540, 100, 32}, "OK"),

      Fisa1_IIIC(*this, LocCadru,
                 "IV. C. Date referitoare la persoanele aflate in intretinere pentru care se solicita deducerea"),
      EtichetaCod(Fisa1_IIIC, {20, 32, 45, 20}, "Cod "),
      EtichetaNume(Fisa1_IIIC, {230, 32, 45, 20}, "Nume"),
      EtichetaPrenume(Fisa1_IIIC, {520, 32, 65, 20}, "Prenume"),
      EtichetaPersoana(Fisa1_IIIC, {20, 66, 80, 20}, "Persoana:     "),
      TitluCoefI(Fisa1_IIIC, {20, 100, 500, 20}, "Coeficienti de deducere pentru persoanele aflate in intretinere"),
      ValoriIVC(Fisa1_IIIC, {240, 130, 300, 20}, " Valori admise : 0 / 0,5  / 1 (inv.II) / 1,5 (inv.I)"),
      CodI(Fisa1_IIIC, {70, 30, 140, 24}),
      NumeI(Fisa1_IIIC, {280, 30, 220, 24}),
      PrenI(Fisa1_IIIC, {590, 30, 220, 24}),
      Text2(Fisa1_IIIC, {100, 64, 40, 24}),
      Label34(Fisa1_IIIC, {150, 66, 150, 20}),
      Frame1(Fisa1_IIIC, {560, 100, 340, 250}, "Conditii pentru coeficientii de deducere"),
      CalitatePersoana(Frame1, {10, 24, 150, 20}, "Calitate persoana "),
      SituatiePersoana(Frame1, {170, 24, 150, 20}, "Situatie persoana "),
      Sotie(Frame1, {10, 48, 150, 22}, "Sot/sotie"),
      Copil(Frame1, {10, 72, 150, 22}, "Copil"),
      Alta(Frame1, {10, 96, 150, 22}, "Alta"),
      inv1(Frame1, {170, 48, 150, 22}, "Invalid gr.I"),
      inv2(Frame1, {170, 72, 150, 22}, "Invalid gr.II"),
      inv3(Frame1, {170, 96, 150, 22}, "Alte situatii"),
      Frame2(Frame1, {10, 130, 250, 80}),
      PreiauConditii(Frame2, {10, 18, 200, 22}, "Preiau conditii"),
      AnulezConditii(Frame2, {10, 46, 200, 22}, "Anulez conditii"),
      Command6(Frame1, {280, 160, 30, 26}, "?"),
      Ok_persA(Fisa1_IIIC, {560, 370, 165, 30}, "Persoana &anterioara"),
      Ok_PersU(Fisa1_IIIC, {735, 370, 165, 30}, "Persoana &urmatoare"),
      Ok_StergP(Fisa1_IIIC, {560, 410, 165, 30}, "&Stergere persoana"),
      Command7(Fisa1_IIIC, {790, 540, 100, 32}, "OK"),

      Fisa1_IV(*this, LocCadru,
               "     V. Calculul impozitului pe veniturile din salarii (date furnizate de statele de plata)"),
      TitluVenit(Fisa1_IV, {150, 24, 130, 40}, "Venit net"),
      TitluPropus(Fisa1_IV, {290, 20, 170, 48},
                  " Impozit calculat propus (bifati daca doriti sa-l preluati in col.2)"),
      TitluRetinut(Fisa1_IV, {470, 24, 140, 40}, " Impozit calculat si retinut"),
      Informativ(Fisa1_IV, {290, 70 + 14 * PasRand, 170, 20}, "I N F O R M A T I V"),
      EtichetaLuPrima(Fisa1_IV, {650, 72 + 12 * PasRand, 60, 20}, "Luna"),
      EtichetaChAc(Fisa1_IV, {20, 500, 300, 20}, "B. Cheltuieli profesionale acordate"),
      EtichetaLuni(Fisa1_IV, {20, 530, 300, 44},
                   "C. Nr. de luni pentru care s-au acordat cheltuieli profesionale acordate"),
      LuPrima(Fisa1_IV, {610, 70 + 12 * PasRand, 36, 24}),
      ChAc(Fisa1_IV, {330, 498, 130, 24}),
      Luni(Fisa1_IV, {330, 532, 40, 24}),
      Command12(Fisa1_IV, {640, 70, 220, 52}, "Buton preluare  automata impozite propuse in col.2"),
      Command8(Fisa1_IV, {790, 540, 100, 32}, "OK"),

      Fisa1_V(*this, LocCadru,
              "VI.              Date referitoare la regularizarea                                            "
              "impozitului"),
      Atentie(Fisa1_V, {620, 30, 280, 200},
              "Atentie! Pentru regularizare, verificati baremul anual si deducerea de baza pentru anul "
              "2002 -  sa fie cele corectate cu rata inflatiei. Valorile corectate se stabilesc oficial prin "
              "ordin al Ministerului Finantelor Publice si apar in luna ianuarie 2003."),
      Command5(Fisa1_V, {700, 540, 190, 32}, "Terminat fisa F1") {
    setCaption("FISA FISCALA I");
    setSize(940, 664);
    setLeaveFocusOnClose(true);

    for (int i = 0; i < 12; ++i) {
        LunaIII.add(Fisa1_III, rand(20, 120, 92, i), NumeLuni[idx(i)]);
        CoefCalc.add(Fisa1_III, rand(150, 80, 90, i)).setEnabled(false);
        CoefProp.add(Fisa1_III, rand(320, 80, 90, i)).setMaxLength(4);
        LunaIIIC.add(Fisa1_IIIC, rand(20, 110, 132, i), NumeLuni[idx(i)]);
        CoefI.add(Fisa1_IIIC, rand(140, 80, 130, i)).setMaxLength(4);
    }
    for (int r = 0; r < 14; ++r) {
        const char* nume = r < 12 ? NumeLuni[idx(r)] : r == 12 ? "Prima de vacanta" : "Total";
        RandIV.add(Fisa1_IV, rand(20, 125, 72, r), nume);
        VenitN.add(Fisa1_IV, rand(150, 130, 70, r)).setMaxLength(12);
        ImpP.add(Fisa1_IV, rand(290, 130, 70, r)).setEnabled(false);
        if (r < 13) {
            Bif.add(Fisa1_IV, Geometry{430, 70 + r * PasRand, 24, 24});
        }
        ImpC.add(Fisa1_IV, rand(470, 130, 70, r)).setMaxLength(12);
    }
    VenitN[13].setEnabled(false);
    ImpC[13].setEnabled(false);
    for (int r = 0; r < 13; ++r) {
        RandV.add(Fisa1_V, rand(20, 420, 32, r), EticheteReg[idx(r)]);
        Reg.add(Fisa1_V, rand(450, 130, 30, r)).setMaxLength(12);
        Reg[r].setEnabled(r >= 10);
    }
    for (platform::Label* l :
         {&TitluIVA, &TitluIVB, &NotaIII, &TitluPropus, &TitluRetinut, &EtichetaLuni, &Atentie}) {
        l->setWordWrap(true);
    }
    // Amounts, coefficients and months: a pasted row of cells gives its first.
    for (auto* coloana : {&CoefCalc, &CoefProp, &CoefI, &VenitN, &ImpP, &ImpC, &Reg}) {
        coloana->forEach([](TextBox& b, int) { b.setReadAsNumber(true); });
    }
    for (TextBox* b : {&LuPrima, &Luni, &ChAc}) {
        b->setReadAsNumber(true);
    }
    CodI.setMaxLength(13);
    LuPrima.setMaxLength(2);
    LuPrima.setToolTip("Luna acordarii primei de vacanta pentru calculul impozitului .");
    Luni.setMaxLength(2);
    ChAc.setMaxLength(12);
    Text2.setEnabled(false);
    Command14.setToolTip("Vizualizare   IMPOZITAR");
    Command15.setToolTip("Vizualizare  deduceri de baza, coef.de deducere, coef.de invaliditate,"
                         "coef.ch.profesionale si cota imp.final");
    Picture1.setToolTip("Calculator");
    // The image follows the regularisation, which enables it.
    Command10.setEnabled(false);
    // The employee's invalidity follows his own coefficients; the boxes only show it.
    for (CheckBox* c : {&Inv1A, &Inv2A, &Inv3A}) {
        c->setEnabled(false);
    }
    for (TextBox* b : {&NumeI, &PrenI}) {
        b->setUpperCaseOnLeaving(true);
        b->setRefusedCharacters("#");
    }

    for (platform::Frame* f : {&Fisa1_IIIC, &Fisa1_IV, &Fisa1_V}) {
        f->setVisible(false);
    }

    leagaCasetele();
    leagaTastele();
    leagaPersoanele();
    ordineaTab();

    Command1.onClick([this] { arataCadru(Fisa1_III); });
    Command2.onClick([this] { Command2_Click(); });
    Command3.onClick([this] { Command3_Click(); });
    Command4.onClick([this] { Command4_Click(); });
    Command10.onClick([this] { Command10_Click(); });
    Command9.onClick([this] { Command2_Click(); });
    Command7.onClick([this] { Command3_Click(); });
    Command8.onClick([this] { Command4_Click(); });
    Command5.onClick([this] { unload(); });
    Command12.onClick([this] { Command12_Click(); });
    Command14.onClick([] { ImpozitFrm::deschideVizualizare(); });
    Picture1.onClick([] { platform::startCalculator(); });
    Command15.onClick([] { CuantumFrm::deschideVizualizare(); });
    Command11.onClick([] {
        platform::showMessage(
            "   ATENTIE !! Programul nu admite decat O SINGURA FISA 1 pentru un \r\n"
            "angajat, chiar daca are mai multe contracte de munca la acelasi angajator.\r\n"
            "\r\n"
            "   Nu uitati sa anulati 'Coeficientii de deducere pentru situatia proprie' pe\r\n"
            "lunile din afara contractelor, ceea ce va determina anularea automata \r\n"
            "a coeficientilor de deducere pentru persoanele aflate in intretinere, a\r\n"
            "veniturilor nete si a impozitelor calculate pe aceste luni.\r\n"
            "\r\n"
            "    Efectul descris mai sus se obtine numai daca se intra pe fiecare \r\n"
            "'Coeficient de deducere pentru situatia proprie' si se tasteaza 0 (zero).",
            "", platform::Icon::Exclamation);
    });
    Command6.onClick([] {
        platform::showMessage("     Pentru a completa automat coeficientii de deducere in functie de "
                              "calitatea si situatia persoanei intretinute , marcati 'Preiau conditii'. "
                              "Daca doriti sa anulati coeficientii si sa-i completati din nou pentru alta "
                              "calitate respectiv situatie de invaliditate, marcati 'Anulez conditii'.  ");
    });
}

void Fisa1_F::leagaCasetele() {
    FormaFisa1& d = Fisa1Date;
    auto coloana = [](platform::ControlArray<TextBox>& casete, auto& campuri) {
        casete.forEach([&](TextBox& b, int i) { oglindeste(b, campuri[idx(i)]); });
    };
    coloana(CoefCalc, d.CoefCalc);
    coloana(CoefProp, d.CoefProp);
    coloana(VenitN, d.VenitN);
    coloana(ImpP, d.ImpP);
    coloana(ImpC, d.ImpC);
    coloana(Reg, d.Reg);
    coloana(CoefI, d.persoana.CoefI);
    oglindeste(LuPrima, d.LuPrima);
    oglindeste(Luni, d.Luni);
    oglindeste(ChAc, d.ChAc);
    oglindeste(CodI, d.persoana.CodI);
    oglindeste(NumeI, d.persoana.NumeI);
    oglindeste(PrenI, d.persoana.PrenI);
    oglindeste(Text2, d.Text2);
    Bif.bind(&CheckBox::onClick, [this](int r) { Bif_Click(r); });

    CoefProp.bind(&TextBox::onGotFocus, [this](int i) { coefLaIntrare_ = CoefProp[i].text(); });
    CoefProp.bind(&TextBox::onLostFocus, [this](int i) { CoefProp_LostFocus(i); });
    VenitN.bind(&TextBox::onLostFocus, [this](int r) {
        ParasesteVenit(Fisa1Date, r);
        aplica();
    });
    ImpC.bind(&TextBox::onLostFocus, [this](int r) {
        ParasesteImpozit(Fisa1Date, r);
        aplica();
    });
    Reg.bind(&TextBox::onLostFocus, [this](int r) {
        ParasesteReg(Fisa1Date, r);
        aplica();
    });
    LuPrima.onLostFocus([this] { LuPrima_LostFocus(); });
    Luni.onLostFocus([this] {
        ParasesteLuni(Fisa1Date);
        aplica();
    });
    ChAc.onLostFocus([this] {
        ParasesteCheltuieli(Fisa1Date);
        aplica();
    });
}

void Fisa1_F::leagaTastele() {
    // The chains stop at the last month worked; the months after it are hidden.
    CoefProp.bind(&TextBox::onKeyPress, [this](int i, int k) {
        if (k == key::Enter) {
            (i >= LunaUltima ? static_cast<platform::Control&>(Command9) : CoefProp[i + 1]).setFocus();
        }
        return false;
    });
    auto lunaUrmatoare = [this](platform::ControlArray<TextBox>& coloana, int i) -> TextBox& {
        return i >= LunaUltima ? coloana[12] : coloana[i + 1];
    };
    VenitN.bind(&TextBox::onKeyPress, [this, lunaUrmatoare](int i, int k) {
        if (k == key::Enter) {
            (i < 12 ? static_cast<platform::Control&>(lunaUrmatoare(VenitN, i)) : LuPrima).setFocus();
        }
        return false;
    });
    ImpC.bind(&TextBox::onKeyPress, [this, lunaUrmatoare](int i, int k) {
        if (k == key::Enter) {
            if (i < 12) {
                lunaUrmatoare(ImpC, i).setFocus();
            } else {
                focusFirstAvailable({&Luni, &Command8});
            }
        }
        return false;
    });
    Bif.bind(&CheckBox::onKeyPress, [this](int i, int k) {
        if (k == key::Enter) {
            if (i < LunaUltima) {
                Bif[i + 1].setFocus();
            } else {
                focusFirstAvailable({&ChAc, &Command8});
            }
        }
        return false;
    });
    laEnterSpre(LuPrima, [this]() -> platform::Control& {
        return MarcaFaraDom == "X" ? static_cast<platform::Control&>(Command8) : Bif[LunaPrima];
    });
    laEnter(Luni, ChAc);
    laEnter(ChAc, Command8);
    laEnter(Reg[10], Reg[12]);
    laEnter(Reg[11], Reg[12]);
    laEnter(Reg[12], Command5);
}

// Tab goes through each frame as Enter does: the boxes in the order of their
// Enter chains, then the frame's buttons.
void Fisa1_F::ordineaTab() {
    std::vector<platform::Control*> ordine{&Command1,  &Command2,  &Command3, &Command4,
                                           &Command10, &Command14, &Command15};
    auto adauga = [&ordine](std::initializer_list<platform::Control*> controale) {
        ordine.insert(ordine.end(), controale);
    };
    auto coloana = [&ordine](auto& casete, int pana) {
        for (int i = 0; i < pana; ++i) {
            ordine.push_back(&casete[i]);
        }
    };
    coloana(CoefProp, 12);
    adauga({&Command9, &Command11, &CodI, &NumeI, &PrenI, &Sotie, &Copil, &Alta, &inv1, &inv2, &inv3,
            &PreiauConditii, &AnulezConditii});
    coloana(CoefI, 12);
    adauga({&Ok_PersU, &Ok_persA, &Ok_StergP, &Command7, &Command6});
    coloana(VenitN, 13);
    adauga({&LuPrima});
    coloana(Bif, 13);
    coloana(ImpC, 13);
    adauga({&Luni, &ChAc, &Command8, &Command12, &Reg[10], &Reg[11], &Reg[12], &Command5});
    setTabOrder(ordine);
}

template <class Regula>
void Fisa1_F::persoana(Regula regula) {
    regula(Fisa1Date);
    aplica();
}

void Fisa1_F::leagaPersoanele() {
    PersoanaAfisata& p = Fisa1Date.persoana;
    CodI.onGotFocus([this] { persoana(IntraInCod); });
    CodI.onLostFocus([this] { CodI_LostFocus(); });
    NumeI.onGotFocus([] { IntraInNume(Fisa1Date); });
    PrenI.onGotFocus([] { IntraInNume(Fisa1Date); });
    NumeI.onLostFocus([this] { persoana([](FormaFisa1& f) { ParasesteNume(f, 2); }); });
    PrenI.onLostFocus([this] { persoana([](FormaFisa1& f) { ParasesteNume(f, 3); }); });

    const std::array<std::tuple<CheckBox*, int*, Conditie>, 5> conditii = {{
        {&Sotie, &p.Sotie, Conditie::Sotie},
        {&Copil, &p.Copil, Conditie::Copil},
        {&Alta, &p.Alta, Conditie::Alta},
        {&inv1, &p.inv1, Conditie::Inv1},
        {&inv2, &p.inv2, Conditie::Inv2},
    }};
    for (const auto& [caseta, valoare, conditie] : conditii) {
        // A tick changes the register only when the box is left.
        caseta->onClick([c = caseta, v = valoare] { *v = c->value(); });
        caseta->onGotFocus([c = conditie] { IntraInConditie(Fisa1Date, c); });
        caseta->onLostFocus([this, c = conditie] { persoana([c](FormaFisa1& f) { ParasesteConditie(f, c); }); });
    }
    auto optiune = [this](int& aleasa, int& cealalta) {
        aleasa = 1;
        cealalta = 0;
        if (!aplicand_) {
            persoana(AlegeConditii);
        }
    };
    PreiauConditii.onClick([optiune] { optiune(Fisa1Date.Option1_0, Fisa1Date.Option1_1); });
    AnulezConditii.onClick([optiune] { optiune(Fisa1Date.Option1_1, Fisa1Date.Option1_0); });

    CoefI.bind(&TextBox::onGotFocus, [](int) { IntraInCoeficientPersoana(Fisa1Date); });
    CoefI.bind(&TextBox::onLostFocus,
               [this](int i) { persoana([i](FormaFisa1& f) { ParasesteCoeficientPersoana(f, i); }); });
    CoefI.bind(&TextBox::onKeyPress, [this](int i, int k) {
        if (k == key::Enter) {
            (i >= LunaUltima ? static_cast<platform::Control&>(Ok_PersU) : CoefI[i + 1]).setFocus();
        }
        return false;
    });
    laEnter(CodI, NumeI);
    laEnter(NumeI, PrenI);
    laEnterSpre(PrenI, [this]() -> platform::Control& {
        return Sotie.enabled() ? static_cast<platform::Control&>(Sotie) : Command7;
    });
    // Any key goes back to the code; Enter and Space click the button first.
    Ok_PersU.onKeyPress([this](int k) {
        const bool apasat = k == key::Enter || k == ' ';
        if (apasat) {
            Ok_PersU.click();
        }
        CodI.setFocus();
        return apasat;
    });
    Ok_PersU.onClick([this] { Ok_PersU_Click(); });
    Ok_persA.onClick([this] { persoana([](FormaFisa1& f) { PersoanaAnterioara(f); }); });
    Ok_StergP.onClick([this] { persoana(StergePersoana); });
}

void Fisa1_F::formLoad() {
    // Each opening starts with no bonus month; the bonus month is not stored.
    LuPrima.setText("0");
    platform::showCalculatorIcon(Picture1);
}

void Fisa1_F::formUnload(bool& cancel) {
    if (platform::askYesNo("Salvati modificarile?", "  ")) {
        Command4_Click();
        if (const Rezultat r = SalveazaFisa1(); !r) {
            // Nothing typed is lost: the window stays open with it.
            platform::showMessage(r.eroare, "", platform::Icon::Exclamation);
            cancel = true;
            return;
        }
    }
    CurataFisaII();
}

void Fisa1_F::deschideDinFisaII() {
    Fisa_II& e = Fisa_II::instance();
    if (ValoareText(e.CodS.text()) == 0) {
        codIncorect();
        e.CodS.setFocus();
        return;
    }
    const DateFisa1 date = VerificaDateleFisei(e.Job0.text(), e.Job1.text(), AnFiscal);
    e.Job0.setText(date.angajare);
    e.Job1.setText(date.incetare);
    if (date.casetaGresita >= 0) {
        platform::showMessage(date.mesaj);
        TextBox& caseta = date.casetaGresita == 0 ? e.Job0 : e.Job1;
        caseta.setText("");
        caseta.setFocus();
        return;
    }
    PreiaSituatiaAngajatului(AngajatFisaII);
    // Hidden first: closing the frame that holds the focus would otherwise
    // hand the focus to the code box, which empties the employee's form.
    e.hide();
    AngajatFisaII.Frame1 = false;
    e.aplicaStari();

    PregatesteFisa1(FiseAngajat != "F1" && FiseAngajat != "F1F2");
    Fisa1_F& f = instance();
    f.Inv1A.setValue(e.Inv1A.value());
    f.Inv2A.setValue(e.Inv2A.value());
    f.setCaption("Fisa fiscala I - " + e.NumeS.text() + " " + e.PrenS.text() + ", cod numeric " + CodAngajat);
    f.show();
    f.aplica();
    f.pregatesteAfisarea();
}

void Fisa1_F::pregatesteAfisarea() {
    for (int i = 0; i < 12; ++i) {
        const bool lucrata = i >= LunaPrima && i <= LunaUltima;
        for (platform::Control* c : std::initializer_list<platform::Control*>{
                 &CoefProp[i], &CoefCalc[i], &CoefI[i], &VenitN[i], &ImpC[i], &ImpP[i], &Bif[i]}) {
            c->setVisible(lucrata);
        }
    }
    const bool faraDeduceri = FaraDeduceri();
    arataCadru(faraDeduceri ? Fisa1_IV : Fisa1_III);
    for (platform::Control* c : std::initializer_list<platform::Control*>{&Command1, &Command2, &ChAc, &Luni}) {
        c->setEnabled(!faraDeduceri);
    }
    if (faraDeduceri) {
        VenitN[LunaPrima].setFocus();
    } else {
        Command9.setFocus();
    }
}

void Fisa1_F::aplica() {
    const FormaFisa1 d = Fisa1Date; // the boxes write the record back as they change
    aplicand_ = true;
    for (int i = 0; i < 12; ++i) {
        pune(CoefCalc[i], d.CoefCalc[idx(i)]);
        pune(CoefProp[i], d.CoefProp[idx(i)]);
        pune(CoefI[i], d.persoana.CoefI[idx(i)]);
    }
    for (int r = 0; r < 14; ++r) {
        pune(VenitN[r], d.VenitN[idx(r)]);
        pune(ImpP[r], d.ImpP[idx(r)]);
        pune(ImpC[r], d.ImpC[idx(r)]);
    }
    for (int r = 0; r < 13; ++r) {
        Bif[r].setValue(d.Bif[idx(r)]);
        pune(Reg[r], d.Reg[idx(r)]);
    }
    pune(LuPrima, d.LuPrima);
    pune(Luni, d.Luni);
    pune(ChAc, d.ChAc);
    pune(CodI, d.persoana.CodI);
    pune(NumeI, d.persoana.NumeI);
    pune(PrenI, d.persoana.PrenI);
    Sotie.setValue(d.persoana.Sotie);
    Copil.setValue(d.persoana.Copil);
    Alta.setValue(d.persoana.Alta);
    inv1.setValue(d.persoana.inv1);
    inv2.setValue(d.persoana.inv2);
    // Clearing both options of the group runs nothing.
    PreiauConditii.setValue(d.Option1_0 == 1);
    AnulezConditii.setValue(d.Option1_1 == 1);
    pune(Text2, d.Text2);
    Label34.setCaption(d.Label34);
    for (platform::Control* b : std::initializer_list<platform::Control*>{&Ok_persA, &Ok_PersU, &Ok_StergP}) {
        b->setToolTip(d.SfatPersoane);
    }
    for (CheckBox* c : {&Sotie, &Copil, &Alta, &inv1, &inv2}) {
        c->setEnabled(!d.ConditiiBlocate);
    }
    Ok_StergP.setEnabled(d.Ok_StergP);
    aplicand_ = false;
}

void Fisa1_F::dupaRegula() {
    aplica();
    Inv1A.setValue(MarcaInv1 == "X" ? 1 : 0);
    Inv2A.setValue(MarcaInv2 == "X" ? 1 : 0);
}

void Fisa1_F::arataCadru(platform::Frame& cadru) {
    for (platform::Frame* f : {&Fisa1_III, &Fisa1_IIIC, &Fisa1_IV, &Fisa1_V}) {
        f->setVisible(f == &cadru);
    }
}

void Fisa1_F::Command2_Click() {
    arataCadru(Fisa1_IIIC);
    persoana(ArataPersoanele);
    Ok_PersU.setFocus();
}

void Fisa1_F::CodI_LostFocus() {
    const bool primit = ParasesteCod(Fisa1Date);
    aplica();
    if (!primit) {
        CodI.setFocus();
    }
}

void Fisa1_F::Ok_PersU_Click() {
    const MutarePersoana m = PersoanaUrmatoare(Fisa1Date);
    aplica();
    if (m == MutarePersoana::RandNou) {
        CodI.setFocus();
    }
}

void Fisa1_F::Command3_Click() {
    arataCadru(Fisa1_IV);
    CalculeazaSectiuneaV(Fisa1Date);
    aplica();
    VenitN[LunaPrima].setFocus();
}

void Fisa1_F::Command4_Click() {
    arataCadru(Fisa1_V);
    Command10.setEnabled(true);
    RegularizeazaFisa1(Fisa1Date);
    aplica();
    Reg[10].setFocus();
}

void Fisa1_F::Command10_Click() {
    const Rezultat r = TiparesteImagineFisa1(Fisa1Date);
    aplica(); // the zero amounts show blank, as printed
    if (!r) {
        platform::showMessage(r.eroare, "", platform::Icon::Exclamation);
    }
}

void Fisa1_F::Command12_Click() {
    for (int r = 0; r < 13; ++r) {
        Bif[r].setValue(0);
        Bif[r].setValue(1);
    }
}

void Fisa1_F::CoefProp_LostFocus(int luna) {
    ParasesteCoeficientPropriu(Fisa1Date, luna, coefLaIntrare_);
    dupaRegula();
}

void Fisa1_F::Bif_Click(int rand) {
    Fisa1Date.Bif[idx(rand)] = Bif[rand].value();
    if (aplicand_) {
        return;
    }
    BifeazaRand(Fisa1Date, rand);
    aplica();
}

void Fisa1_F::LuPrima_LostFocus() {
    const bool admisa = ParasesteLunaPrima(Fisa1Date);
    aplica();
    if (!admisa) {
        LuPrima.setFocus();
    }
}

} // namespace olm
