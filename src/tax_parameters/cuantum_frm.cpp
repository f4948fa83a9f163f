#include "tax_parameters/cuantum_frm.h"

#include "platform/dialogs.h"
#include "shared/deduction_params.h"
#include "shared/form_data.h"
#include "shared/number_text.h"
#include "shared/state.h"
#include "tax_parameters/month_names.h"

#include <array>
#include <initializer_list>
#include <utility>

namespace olm {

using platform::Align;
using platform::Geometry;

namespace {

constexpr int RandSus = 108; // top of the January row
constexpr int PasRand = 26;
constexpr int JosTabel = RandSus + 13 * PasRand; // below the row "An"

Geometry rand(int x, int latime, int r) { return {x, RandSus + r * PasRand, latime, 24}; }

} // namespace

CuantumFrm::CuantumFrm()
    : Label1(*this, {20, 14, 300, 22}, "Anul fiscal pentru care se face preluarea :"),
      AnF(*this, {330, 10, 70, 26}, platform::Font{"", 0, true}),
      Label2(*this, {420, 14, 230, 22}, "Prima / ultima  zi lucratoare din an :"),
      prima_zi(*this, {650, 10, 30, 26}),
      ultima_zi(*this, {682, 10, 30, 26}),
      Label3(*this, {300, 44, 260, 20}, "Coef.de deducere "),
      Label4(*this, {32, 84, 110, 20}, "Luna"),
      Label5(*this, {150, 84, 140, 20}, "Deducere personala"),
      Label6(*this, {300, 84, 80, 20}, "Copil"),
      Label7(*this, {390, 84, 80, 20}, "Sotie"),
      Label8(*this, {480, 84, 80, 20}, "Alta pers."),
      Label9(*this, {590, 84, 80, 20}, "Maxim"),
      Label10(*this, {300, RandSus + 12 * PasRand + 3, 280, 20},
              "<-  deducere actualizata cu inflatia"),
      Maxi(*this, rand(590, 80, 12)),
      Label11(*this, {32, JosTabel + 8, 260, 22}, "Coef. de invalid.I/II/alta"),
      hand1(*this, {300, JosTabel + 6, 80, 24}),
      hand2(*this, {390, JosTabel + 6, 80, 24}),
      hand3(*this, {480, JosTabel + 6, 80, 24}),
      Label12(*this, {32, JosTabel + 38, 260, 22}, "Coeficient pentru cheltuieli profesionale"),
      Proc_ch(*this, {300, JosTabel + 36, 80, 24}),
      Label13(*this, {32, JosTabel + 68, 260, 22}, "Cota impozit final"),
      CotaIF(*this, {300, JosTabel + 66, 80, 24}),
      Command1(*this, {560, JosTabel + 40, 110, 34}, "OK") {
    setCaption("Initializari parametri conform legislatiei in vigoare");
    setSize(720, JosTabel + 110);

    AnF.setForeColor({255, 0, 0});
    AnF.setAlignment(Align::Center);
    Label2.setVisible(false);
    prima_zi.setVisible(false);
    ultima_zi.setVisible(false);
    Label3.setAlignment(Align::Center);

    const std::array<int, 5> xColoane = {32, 150, 300, 390, 480};
    for (int c = 0; c < 5; ++c) {
        Coloane.add(*this, Geometry{xColoane[c], 64, 40, 20}, std::to_string(c));
    }
    for (int r = 0; r < 13; ++r) {
        if (r < 12) {
            NrRand.add(*this, Geometry{6, RandSus + r * PasRand + 3, 24, 20}, std::to_string(r + 1));
        }
        NumeLuna.add(*this, Geometry{32, RandSus + r * PasRand + 3, 110, 20}, NumeLuni[r]);
        Cuanta.add(*this, rand(150, 130, r)).setAlignment(Align::Right);
    }
    for (int r = 0; r < 12; ++r) {
        Copil.add(*this, rand(300, 80, r));
        Sotie.add(*this, rand(390, 80, r));
        Alta.add(*this, rand(480, 80, r));
    }
    // The third invalidity coefficient is shown, never edited here.
    hand3.setEnabled(false);

    CasuteCuantum& c = CuantumCasute;
    leaga(AnF, c.AnF, Normalizare::ValoareSimpla);
    leaga(prima_zi, c.prima_zi, Normalizare::Nimic);
    leaga(ultima_zi, c.ultima_zi, Normalizare::Nimic);
    for (int i = 0; i < 13; ++i) {
        leaga(Cuanta[i], c.Cuanta[i], Normalizare::ValoareSimpla);
    }
    for (int i = 0; i < 12; ++i) {
        leaga(Copil[i], c.Copil[i], Normalizare::Coeficient);
        leaga(Sotie[i], c.Sotie[i], Normalizare::Coeficient);
        leaga(Alta[i], c.Alta[i], Normalizare::Coeficient);
    }
    for (auto [caseta, camp] : std::initializer_list<std::pair<platform::TextBox*, std::string*>>{
             {&Maxi, &c.Maxi},
             {&hand1, &c.hand1},
             {&hand2, &c.hand2},
             {&hand3, &c.hand3},
             {&Proc_ch, &c.Proc_ch},
             {&CotaIF, &c.CotaIF}}) {
        leaga(*caseta, *camp, Normalizare::Coeficient);
    }

    // The year is a short text; typing is limited, a longer text read stays.
    AnF.setMaxLength(4);

    // Enter runs down the deductions, then the coefficients column by column.
    std::vector<platform::Control*> enter{&AnF};
    for (int i = 0; i < 13; ++i) {
        enter.push_back(&Cuanta[i]);
    }
    for (auto* coloana : {&Copil, &Sotie, &Alta}) {
        for (int i = 0; i < 12; ++i) {
            enter.push_back(&(*coloana)[i]);
        }
    }
    for (platform::Control* c2 : std::initializer_list<platform::Control*>{
             &Maxi, &hand1, &hand2, &Proc_ch, &CotaIF, &Command1}) {
        enter.push_back(c2);
    }
    setEnterOrder(enter);

    std::vector<platform::Control*> tab;
    for (int i = 0; i < 12; ++i) {
        tab.push_back(&Cuanta[i]);
    }
    tab.push_back(&AnF);
    for (auto* coloana : {&Copil, &Sotie, &Alta}) {
        for (int i = 11; i >= 0; --i) {
            tab.push_back(&(*coloana)[i]);
        }
    }
    for (platform::Control* c2 : std::initializer_list<platform::Control*>{
             &hand2, &hand1, &Command1, &Cuanta[12], &Maxi, &Proc_ch, &CotaIF}) {
        tab.push_back(c2);
    }
    setTabOrder(tab);

    Command1.onClick([this] { unload(); });
}

std::string CuantumFrm::normalizeaza(const std::string& text, Normalizare normalizare) {
    switch (normalizare) {
    case Normalizare::ValoareSimpla:
        return TextNumar(std::string_view(text));
    case Normalizare::Coeficient:
        return NormNumar(text);
    case Normalizare::Nimic:
        break;
    }
    return text;
}

void CuantumFrm::leaga(platform::TextBox& caseta, std::string& camp, Normalizare normalizare) {
    legaturi_.push_back({&caseta, &camp, normalizare});
    // Every box holds a number: a pasted row of cells gives its first.
    caseta.setReadAsNumber(true);
    caseta.onChange([&caseta, &camp] { camp = caseta.text(); });
    caseta.onLostFocus([&caseta, normalizare] {
        const std::string text = normalizeaza(caseta.text(), normalizare);
        if (text != caseta.text()) {
            caseta.setText(text);
        }
    });
}

void CuantumFrm::incarcaCasete() {
    for (const Legatura& l : legaturi_) {
        if (l.caseta->text() != *l.camp) {
            l.caseta->setText(*l.camp);
        }
    }
}

void CuantumFrm::deschide() {
    CuantumFrm& f = instance();
    f.citeste();
    f.show();
    if (!f.citireEsuata_) {
        f.Cuanta[0].setFocus();
    }
}

void CuantumFrm::deschideVizualizare() {
    CuantumFrm& f = instance();
    f.citeste();
    f.show();
    f.treceLaVizualizare();
}

void CuantumFrm::citeste() {
    const Rezultat citire = CitesteCuantum();
    ArataAnFisc();
    incarcaCasete();
    citireEsuata_ = !citire;
    if (!citire) {
        platform::dialogs().message(
            citire.eroare + "\r\nParametrii pot fi numai vizualizati; fisierul nu va fi rescris.",
            "", platform::Icon::Exclamation, platform::Buttons::Ok);
        treceLaVizualizare();
    }
}

void CuantumFrm::treceLaVizualizare() {
    for (const Legatura& l : legaturi_) {
        if (l.caseta->visible()) {
            l.caseta->setEnabled(false);
        }
    }
    Command1.setVisible(false);
}

void CuantumFrm::formLoad() { incarcaCasete(); }

void CuantumFrm::formUnload(bool&) {
    if (citireEsuata_) {
        return;
    }
    // A box still being typed in when the window closes has not been left:
    // its text is normalised all the same, so that a "," typed as decimal
    // point never reaches the file, where it would split the field.
    for (const Legatura& l : legaturi_) {
        if (l.caseta->visible()) {
            const std::string text = normalizeaza(l.caseta->text(), l.normalizare);
            if (text != *l.camp) {
                l.caseta->setText(text);
            }
        }
    }
    const Rezultat scriere = SalveazaCuantum();
    ArataAnFisc();
    if (!scriere) {
        platform::dialogs().message(scriere.eroare, "", platform::Icon::Exclamation,
                                    platform::Buttons::Ok);
    }
}

} // namespace olm
