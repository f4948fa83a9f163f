#include "tax_parameters/impozit_frm.h"

#include "platform/dialogs.h"
#include "shared/tax_grid.h"
#include "tax_parameters/month_names.h"

#include <string>

namespace olm {

using platform::Align;
using platform::Geometry;

namespace {

constexpr int RandSus = 78;   // top of display row 0
constexpr int PasRand = 28;   // from one display row to the next

Geometry randul(int x, int latime, int r) { return {x, RandSus + r * PasRand, latime, 24}; }

void mesajRegula(const std::string& text) {
    platform::dialogs().message(text, TitluReguli, platform::Icon::None, platform::Buttons::Ok);
}

void mesajConfirmare(const std::string& text) {
    platform::dialogs().message(text, TitluConfirmare, platform::Icon::None,
                                platform::Buttons::Ok);
}

} // namespace

ImpozitFrm::ImpozitFrm()
    : Label6(*this, {16, 18, 112, 22}, "     Valabil din "),
      Timp(*this, {130, 14, 150, 26}),
      Label2(*this, {20, 52, 130, 22}, "Limita minima"),
      Label3(*this, {160, 52, 130, 22}, "Limita maxima"),
      Label4(*this, {300, 52, 130, 22}, "Impozit fix"),
      Label5(*this, {440, 52, 90, 22}, "Procent"),
      PrelMod(*this, {560, RandSus, 150, 32}, "Modificare"),
      Ok_Imp(*this, {560, RandSus + 44, 150, 32}, "&Ok modificare"),
      Cancel_Imp(*this, {560, RandSus + 88, 150, 32}, "&Cancel modificare"),
      Label7(*this, {20, RandSus + RanduriBloc * PasRand + 12, 690, 48},
             " Atentie ! In vederea efectuarii REGULARIZARII anuale, verificati  baremul anual si "
             "deducerea personala de baza anuala - sa fie cele corectate cu  rata inflatiei."),
      Label1(*this, {20, RandSus + RanduriBloc * PasRand + 64, 40, 16}) {
    setCaption("IMPOZITAR");
    setSize(730, RandSus + RanduriBloc * PasRand + 90);

    for (int luna = 1; luna <= 13; ++luna) {
        Timp.addItem(NumeLuni[luna - 1], luna);
    }
    for (int r = 0; r < RanduriBloc; ++r) {
        LimMin.add(*this, randul(20, 130, r)).setAlignment(Align::Right);
        LimMax.add(*this, randul(160, 130, r)).setAlignment(Align::Right);
        ImpFix.add(*this, randul(300, 130, r)).setAlignment(Align::Right);
        Procent.add(*this, randul(440, 90, r)).setAlignment(Align::Right);
        for (auto* coloana : {&LimMax, &ImpFix, &Procent}) {
            (*coloana)[r].setReadAsNumber(true);
        }
    }
    Label7.setWordWrap(true);
    Ok_Imp.setVisible(false);
    Cancel_Imp.setVisible(false);

    // The clerk moves through the rows with Enter along the rules of the
    // boxes; Tab follows the rows one by one.
    std::vector<platform::Control*> tab{&Timp, &PrelMod, &Ok_Imp, &Cancel_Imp};
    for (int r = 0; r < RanduriBloc; ++r) {
        tab.push_back(&LimMax[r]);
        tab.push_back(&ImpFix[r]);
        tab.push_back(&Procent[r]);
    }
    setTabOrder(tab);

    Timp.onClick([this] { Timp_Click(); });
    Timp.onKeyPress([this](int key) { return Timp_KeyPress(key); });
    PrelMod.onClick([this] { PrelMod_Click(); });
    Ok_Imp.onClick([this] { Ok_Imp_Click(); });
    Cancel_Imp.onClick([this] { Cancel_Imp_Click(); });
    for (Coloana c : {Coloana::LimMax, Coloana::ImpFix, Coloana::Procent}) {
        coloana(c).bind(&platform::TextBox::onKeyPress,
                        [this, c](int r, int key) { return Caseta_KeyPress(c, r, key); });
        coloana(c).bind(&platform::TextBox::onLostFocus,
                        [this, c](int r) { Caseta_LostFocus(c, r); });
    }
}

void ImpozitFrm::deschide() { instance().show(); }

void ImpozitFrm::deschideVizualizare() {
    ImpozitFrm& f = instance();
    f.treceLaVizualizare();
    f.show();
}

void ImpozitFrm::treceLaVizualizare() {
    doarVizualizare_ = true;
    if (inEditare()) {
        // The edit is dropped as "Cancel" would drop it, and the chosen
        // month's block is shown again.
        activeazaCasete(false);
        BlocDel();
        AfisImp(lunaAleasa());
    }
    activeazaCasete(false);
    PrelMod.setEnabled(false);
    Ok_Imp.setVisible(false);
    Cancel_Imp.setVisible(false);
}

void ImpozitFrm::formLoad() {
    // A grid that cannot be read leaves the one in use as it was: the taxes
    // go on being computed from it, and it is what the window shows.
    const Grila inainte = Impozitar;
    const Rezultat citire = CitesteImpozitar();
    if (!citire) {
        Impozitar = inainte;
        citireEsuata_ = true;
        doarVizualizare_ = true;
        PrelMod.setEnabled(false);
        platform::dialogs().message(
            citire.eroare + "\r\nImpozitarul poate fi numai vizualizat; fisierul nu va fi rescris.",
            "", platform::Icon::Exclamation, platform::Buttons::Ok);
    }
    activeazaCasete(false);
    Timp.setListIndex(0);
}

void ImpozitFrm::formUnload(bool&) {
    // A grid that could not be read is never written back: the file keeps
    // what it held rather than turn into an empty or shortened grid.
    if (!citireEsuata_) {
        SalvImpozit();
    }
}

void ImpozitFrm::SalvImpozit() {
    const Rezultat scriere = ScrieImpozitar();
    if (!scriere) {
        platform::dialogs().message(scriere.eroare, "", platform::Icon::Exclamation,
                                    platform::Buttons::Ok);
    }
}

bool ImpozitFrm::AfisImp(int luna) {
    blocArata_ = blocValabil(Impozitar, luna);
    if (!blocArata_) {
        BlocDel();
        return false;
    }
    arataRanduri(afiseazaBloc(Impozitar, *blocArata_));
    return true;
}

bool ImpozitFrm::BlocScr() { return scrieBloc(Impozitar, lunaAleasa(), randuri()); }

void ImpozitFrm::BlocDel() {
    Timp.setEnabled(true);
    PrelMod.setEnabled(!doarVizualizare_);
    arataRanduri(blocGol());
    Ok_Imp.setVisible(false);
    Cancel_Imp.setVisible(false);
}

void ImpozitFrm::PrelImp() {
    Ok_Imp.setVisible(true);
    Cancel_Imp.setVisible(true);
    LimMax[0].setFocus();
    Timp.setEnabled(false);
    PrelMod.setEnabled(false);
}

void ImpozitFrm::Timp_Click() { AfisImp(lunaAleasa()); }

bool ImpozitFrm::Timp_KeyPress(int key) {
    if (key != platform::key::Enter) {
        return false;
    }
    AfisImp(lunaAleasa());
    PrelMod.setFocus(); // nothing happens when it is disabled (viewing only)
    return true;
}

void ImpozitFrm::PrelMod_Click() {
    activeazaCasete(true);
    const int luna = lunaAleasa();
    bool editare = AfisImp(luna);
    if (editare && blocArata_->luna == luna && blocArata_->randuri > RanduriBloc) {
        // Storing would drop the brackets the ten rows cannot show.
        mesajRegula(MesajBlocLung);
        editare = false;
    }
    if (editare) {
        PrelImp();
        return;
    }
    activeazaCasete(false);
    Timp.setFocus();
}

void ImpozitFrm::Ok_Imp_Click() {
    const RezultatConfirmare verificare = verificaConfirmare(randuri());
    if (verificare.faraBloc) {
        Timp.setEnabled(true);
        Timp.setFocus();
        activeazaCasete(false);
        BlocDel();
        return;
    }
    for (const std::string& mesaj : verificare.mesaje) {
        mesajConfirmare(mesaj);
    }
    if (!verificare.mesaje.empty()) {
        activeazaCasete(true);
        focusPe(verificare.focus);
        return;
    }
    if (!BlocScr()) {
        mesajConfirmare(MesajGrilaPlina);
        return;
    }
    blocArata_ = blocValabil(Impozitar, lunaAleasa());
    Timp.setEnabled(true);
    PrelMod.setEnabled(!doarVizualizare_);
    Timp.setFocus();
    activeazaCasete(false);
    Ok_Imp.setVisible(false);
    Cancel_Imp.setVisible(false);
}

void ImpozitFrm::Cancel_Imp_Click() {
    Timp.setEnabled(true);
    Timp.setFocus();
    activeazaCasete(false);
    BlocDel();
}

bool ImpozitFrm::Caseta_KeyPress(Coloana c, int r, int key) {
    if (key != platform::key::Enter) {
        return false;
    }
    BlocAfisat bloc = randuri();
    const RezultatEnter rezultat = enterInCaseta(bloc, c, r);
    if (!rezultat.mesaj.empty()) {
        mesajRegula(rezultat.mesaj);
        return true;
    }
    arataRanduri(bloc);
    focusPe(rezultat.focus);
    return true;
}

void ImpozitFrm::Caseta_LostFocus(Coloana c, int r) {
    BlocAfisat bloc = randuri();
    parasesteCaseta(bloc, c, r);
    arataRanduri(bloc);
}

platform::ControlArray<platform::TextBox>& ImpozitFrm::coloana(Coloana c) {
    switch (c) {
    case Coloana::LimMax:
        return LimMax;
    case Coloana::ImpFix:
        return ImpFix;
    case Coloana::Procent:
        break;
    }
    return Procent;
}

int ImpozitFrm::lunaAleasa() const {
    const int i = Timp.listIndex();
    return i < 0 ? 0 : Timp.itemData(i);
}

BlocAfisat ImpozitFrm::randuri() const {
    BlocAfisat bloc;
    for (int r = 0; r < RanduriBloc; ++r) {
        bloc[r].limMin = LimMin[r].caption();
        bloc[r].limMax = LimMax[r].text();
        bloc[r].impFix = ImpFix[r].text();
        bloc[r].procent = Procent[r].text();
    }
    return bloc;
}

// Only what changed is set again: a box that keeps its text keeps its
// selection too.
void ImpozitFrm::arataRanduri(const BlocAfisat& bloc) {
    auto seteaza = [](platform::TextBox& caseta, const std::string& text) {
        if (caseta.text() != text) {
            caseta.setText(text);
        }
    };
    for (int r = 0; r < RanduriBloc; ++r) {
        if (LimMin[r].caption() != bloc[r].limMin) {
            LimMin[r].setCaption(bloc[r].limMin);
        }
        seteaza(LimMax[r], bloc[r].limMax);
        seteaza(ImpFix[r], bloc[r].impFix);
        seteaza(Procent[r], bloc[r].procent);
    }
}

void ImpozitFrm::activeazaCasete(bool on) {
    for (int r = 0; r < RanduriBloc; ++r) {
        LimMax[r].setEnabled(on);
        ImpFix[r].setEnabled(on);
        Procent[r].setEnabled(on);
    }
}

void ImpozitFrm::focusPe(const TintaFocus& tinta) {
    switch (tinta.tip) {
    case TintaFocus::Ramane:
        return;
    case TintaFocus::OkImp:
        Ok_Imp.setFocus();
        return;
    case TintaFocus::Caseta:
        coloana(tinta.coloana)[tinta.rand].setFocus();
        return;
    }
}

bool ImpozitFrm::inEditare() const { return Ok_Imp.visible(); }

} // namespace olm
