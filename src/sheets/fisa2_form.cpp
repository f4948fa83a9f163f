#include "sheets/fisa2_form.h"

#include "platform/calculator.h"
#include "platform/dialogs.h"
#include "shared/employee_identity.h"
#include "shared/fisa2_record.h"
#include "shared/form_data.h"
#include "sheets/fisa2_entry.h"
#include "sheets/fisa2_image.h"
#include "tax_parameters/impozit_frm.h"

#include <string>

namespace olm {

using platform::Geometry;
using platform::TextBox;
namespace key = platform::key;

namespace {

constexpr const char* Luni[13] = {"Ianuarie", "Februarie", "Martie",    "Aprilie",   "Mai",
                                  "Iunie",    "Iulie",     "August",    "Septembrie", "Octombrie",
                                  "Noiembrie", "Decembrie", "TOTAL"};

constexpr int RandSus = 150; // the first month's row
constexpr int PasRand = 26;

} // namespace

Fisa2::Fisa2() {
    setCaption("FISA FISCALA 2 ");
    setSize(710, 500);
    setLeaveFocusOnClose(true);
    Label1.setCaption("III.CALCULUL IMPOZITULUI PE VENITURILE DIN SALARII, ALTELE DECAT CELE DE LA "
                      "FUNCTIA DE BAZA");
    Label1.setWordWrap(true);
    Label1.setFont(platform::Font{"", 0, true});

    auto eticheta = [this](const Geometry& g, const std::string& text) {
        etichete_.push_back(std::make_unique<platform::Label>(*this, g, text));
        return etichete_.back().get();
    };
    eticheta({10, 108, 140, 20}, "Luna");
    eticheta({180, 108, 150, 20}, "Venit baza de calcul");
    eticheta({340, 108, 170, 20}, "Impozit calculat si retinut");
    eticheta({10, 126, 140, 20}, "0")->setAlignment(platform::Align::Center);
    eticheta({180, 126, 150, 20}, "1")->setAlignment(platform::Align::Center);
    eticheta({340, 126, 150, 20}, "2")->setAlignment(platform::Align::Center);

    for (int k = 0; k < 8; ++k) {
        TAS.add(Frame1, Geometry{10 + k * 84, 20, 76, 24}, "AS" + std::to_string(k + 1));
    }
    for (int r = 0; r < 13; ++r) {
        const int y = RandSus + r * PasRand + (r == 12 ? 10 : 0);
        eticheta({10, y + 2, 100, 20}, Luni[r]);
        eticheta({110, y + 2, 30, 20}, std::to_string(r + 1))->setAlignment(platform::Align::Right);
        for (auto* coloana : {&VenitCS, &ImpS}) {
            TextBox& b = coloana->add(*this, Geometry{coloana == &VenitCS ? 180 : 340, y, 150, 24});
            b.setAlignment(platform::Align::Right);
            b.setMaxLength(12);
            b.setReadAsNumber(true);
        }
    }
    // The totals are the program's alone.
    for (TextBox* total : {&VenitCS[12], &ImpS[12]}) {
        total->setEnabled(false);
        total->setFont(platform::Font{"", 0, true});
    }
    Command2.setToolTip("Vizualizare  IMPOZITAR");
    Picture1.setToolTip("Calculator");

    std::vector<platform::Control*> ordine{&TAS[0]};
    for (auto* coloana : {&VenitCS, &ImpS}) {
        for (int r = 0; r < 12; ++r) {
            ordine.push_back(&(*coloana)[r]);
        }
    }
    ordine.push_back(&Command1);
    for (int k = 1; k < 8; ++k) {
        ordine.push_back(&TAS[k]);
    }
    ordine.insert(ordine.end(), {&Command10, &Command3, &Command2});
    setTabOrder(ordine);

    // The controls mirror the record.
    TAS.bind(&platform::CheckBox::onClick,
             [this](int k) { Fisa2Date.TAS[static_cast<std::size_t>(k)] = TAS[k].value(); });
    VenitCS.bind(&TextBox::onChange,
                 [this](int i) { Fisa2Date.VenitCS[static_cast<std::size_t>(i)] = VenitCS[i].text(); });
    ImpS.bind(&TextBox::onChange,
              [this](int i) { Fisa2Date.ImpS[static_cast<std::size_t>(i)] = ImpS[i].text(); });

    VenitCS.bind(&TextBox::onKeyPress, [this](int i, int k) { return Caseta_KeyPress(VenitCS, i, k); });
    ImpS.bind(&TextBox::onKeyPress, [this](int i, int k) { return Caseta_KeyPress(ImpS, i, k); });
    VenitCS.bind(&TextBox::onLostFocus, [this](int i) {
        ParasesteVenitCS(Fisa2Date, i);
        aplica();
    });
    ImpS.bind(&TextBox::onLostFocus, [this](int i) {
        ParasesteImpS(Fisa2Date, i);
        aplica();
    });

    Command1.onClick([this] { Command1_Click(); });
    Command2.onClick([] { ImpozitFrm::deschideVizualizare(); });
    Command3.onClick([] {
        platform::showMessage(std::string(InformatiiTipuriVenit), "", platform::Icon::Exclamation);
    });
    Command10.onClick([this] { Command10_Click(); });
    Picture1.onClick([] { platform::startCalculator(); });
}

void Fisa2::formLoad() { platform::showCalculatorIcon(Picture1); }

void Fisa2::deschide() {
    Fisa2& f = instance();
    const FormaFisaII& angajat = AngajatFisaII;
    f.setCaption(TitluFisa2(angajat.NumeS, angajat.PrenS, angajat.CodS));
    f.aplica();
    f.show();
    f.TAS[0].setFocus();
}

void Fisa2::aplica() {
    // The controls write the record back as they change: work from a copy.
    const FormaFisa2 d = Fisa2Date;
    for (int k = 0; k < 8; ++k) {
        TAS[k].setValue(d.TAS[static_cast<std::size_t>(k)]);
    }
    for (int r = 0; r < 13; ++r) {
        VenitCS[r].setText(d.VenitCS[static_cast<std::size_t>(r)]);
        ImpS[r].setText(d.ImpS[static_cast<std::size_t>(r)]);
    }
}

bool Fisa2::Caseta_KeyPress(platform::ControlArray<TextBox>& coloana, int i, int k) {
    if (k != key::Enter) {
        return false;
    }
    // Down the same column, never across; from December to "Terminat fisa F2".
    if (i >= 11) {
        Command1.setFocus();
    } else {
        coloana[i + 1].setFocus();
    }
    return true;
}

void Fisa2::Command1_Click() {
    if (!AreTipVenit(Fisa2Date)) {
        platform::showMessage("Nu ati marcat tipul de venit ", "", platform::Icon::Exclamation);
        TAS[0].setFocus();
        return;
    }
    unload();
}

void Fisa2::Command10_Click() {
    const Rezultat r = TiparesteImagineFisa2(Fisa2Date);
    aplica();
    if (!r) {
        platform::showMessage(r.eroare, "", platform::Icon::Exclamation);
    }
}

void Fisa2::formUnload(bool& cancel) {
    TipVenitImplicit(Fisa2Date);
    aplica();
    if (platform::askYesNo("Salvati modificarile?", "  ")) {
        if (const Rezultat r = SalveazaFisa2(); !r) {
            // Nothing is lost: the window stays open with what was typed.
            platform::showMessage(r.eroare, "", platform::Icon::Exclamation);
            cancel = true;
            return;
        }
    }
    CurataFisaIIDupaFisa2();
}

} // namespace olm
