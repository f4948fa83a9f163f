#include "main_window/employer_form.h"

#include "main_window/address_rules.h"
#include "main_window/employee_form.h"
#include "main_window/identification_boxes.h"
#include "main_window/intro_form.h"
#include "platform/dialogs.h"
#include "platform/file_error.h"
#include "platform/files.h"
#include "shared/data_files.h"
#include "shared/employer_record.h"
#include "shared/sheet_files.h"
#include "shared/state.h"

namespace olm {

using platform::Geometry;
using platform::TextBox;
namespace files = platform::files;

Fisa_I::Fisa_I() {
    setCaption("Date de identificare angajator");
    setSize(630, 380);

    static constexpr CasetaAdresa casete[] = {
        {{90, 25, 220, 22}, "Localitate", {10, 27, 80, 20}, 50},
        {{90, 55, 300, 22}, "Strada", {10, 57, 80, 20}, 50},
        {{460, 55, 100, 22}, "Numar", {400, 57, 60, 20}, 10},
        {{90, 85, 80, 22}, "Cod postal", {10, 87, 80, 20}, 6},
        {{230, 85, 60, 22}, "Bloc", {185, 87, 45, 20}, 10},
        {{350, 85, 50, 22}, "Scara", {300, 87, 50, 20}, 10},
        {{450, 85, 50, 22}, "Etaj", {410, 87, 40, 20}, 10},
        {{90, 115, 60, 22}, "Apartament", {10, 117, 80, 20}, 10},
        {{230, 115, 30, 22}, "Sector", {170, 117, 60, 20}, 1},
        {{90, 145, 130, 22}, "Telefon", {10, 147, 80, 20}, 10},
        {{290, 145, 300, 22}, "E-mail", {235, 147, 55, 20}, 50},
    };
    adaugaCaseteAdresa(AdrP, Adresa, casete, etichete_);
    AdrP.forEach([](TextBox& b, int) { b.setSelectAllOnFocus(false); });
    etichete_.push_back(std::make_unique<platform::Label>(Adresa, Geometry{320, 27, 40, 20}, "Judet"));
    JudP.setSorted(true);

    CodP.setMaxLength(13);
    DenP.setMaxLength(160);
    NumeP.setMaxLength(40);
    PrenP.setMaxLength(40);
    for (TextBox* b : {&DenP, &NumeP, &PrenP}) {
        b->setUpperCaseOnLeaving(true);
        b->setSelectAllOnFocus(false);
    }
    // A record has no escaping: "#" would break its line.
    for (TextBox* b : {&CodP, &DenP, &NumeP, &PrenP}) {
        b->setRefusedCharacters("#");
    }

    setTabOrder({&CodP, &DenP, &NumeP, &PrenP, &AdrP[0], &JudP, &AdrP[1], &AdrP[2], &AdrP[3],
                 &AdrP[4], &AdrP[5], &AdrP[6], &AdrP[7], &AdrP[8], &Ok_Fisa_II, &AdrP[9],
                 &AdrP[10]});

    // Every box mirrors its field of the record.
    RecordRepfisc& r = AngajatorFisaI;
    oglindeste(CodP, r.CodAngajator);
    oglindeste(DenP, r.Denumire);
    oglindeste(NumeP, r.Nume);
    oglindeste(PrenP, r.Prenume);
    std::string* adrese[] = {&r.Localitate, &r.Strada, &r.Numar, &r.CodPostal, &r.Bloc, &r.Scara,
                             &r.Etaj, &r.Apartament, &r.Sector, &r.Telefon, &r.EMail};
    AdrP.forEach([&](TextBox& b, int i) { oglindeste(b, *adrese[i]); });
    JudP.onClick([this] { AngajatorFisaI.Judet = JudP.text(); });

    CodP.onLostFocus([this] { CodP_LostFocus(); });
    CodP.onKeyPress([this](int key) { return CodP_KeyPress(key); });
    for (TextBox* b : {&DenP, &NumeP, &PrenP}) {
        b->onLostFocus([this, b] { Nume_LostFocus(*b); });
    }
    DenP.onKeyPress([this](int key) {
        if (key == platform::key::Enter) {
            if (TipAngajator == 2) {
                DenP.setText("");
                NumeP.setFocus();
            } else {
                AdrP[0].setFocus();
            }
        }
        return false;
    });
    NumeP.onKeyPress([this](int key) {
        if (key == platform::key::Enter) {
            if (TipAngajator == 1) {
                NumeP.setText("");
                DenP.setFocus();
            } else {
                PrenP.setFocus();
            }
        }
        return false;
    });
    PrenP.onKeyPress([this](int key) {
        if (key == platform::key::Enter) {
            if (TipAngajator == 1) {
                PrenP.setText("");
                DenP.setFocus();
            } else {
                AdrP[0].setFocus();
            }
        }
        return false;
    });
    laEnter(JudP, AdrP[1]);
    AdrP.bind(&TextBox::onLostFocus, [this](int i) { AdrP_LostFocus(i); });
    AdrP.bind(&TextBox::onKeyPress, [this](int i, int key) { return AdrP_KeyPress(i, key); });
    Ok_Fisa_II.onClick([this] { Ok_Fisa_II_Click(); });
}

void Fisa_I::formLoad() {
    // A form made afresh shows nothing until the file is read.
    AngajatorFisaI = RecordRepfisc{};
    EtichetaTipAng.clear();
    TipAng.setCaption("");
}

void Fisa_I::formUnload(bool& cancel) {
    (void)cancel;
    if (const Rezultat copie = ActualizeazaCopiileAnuale({SetRepfisc()}); !copie) {
        platform::showMessage(copie.eroare, "", platform::Icon::Exclamation);
    }
    if (Intro::loaded()) {
        Intro::instance().show();
    }
}

void Fisa_I::deschide() {
    Fisa_I& f = instance();
    umpleJudete(f.JudP);
    JudetAngajator.clear();
    try {
        CitesteRepfisc();
    } catch (const platform::FileError& e) {
        // The main window stays: there is no employer to show.
        platform::showMessage(mesajEroareCitire(e.number(), "Repfisc.txt"), "",
                              platform::Icon::Exclamation);
        return;
    }
    if (Intro::loaded()) {
        Intro::instance().hide();
    }
    f.scrieInControale();
    f.show();
    alegeJudet(f.JudP, JudetAngajator);
    f.CodP.setFocus();
}

void Fisa_I::scrieInControale() {
    // The boxes write the record back as they change: work on a copy.
    const RecordRepfisc r = AngajatorFisaI;
    CodP.setText(r.CodAngajator);
    DenP.setText(r.Denumire);
    NumeP.setText(r.Nume);
    PrenP.setText(r.Prenume);
    const std::string adrese[] = {r.Localitate, r.Strada, r.Numar, r.CodPostal, r.Bloc, r.Scara,
                                  r.Etaj, r.Apartament, r.Sector, r.Telefon, r.EMail};
    AdrP.forEach([&](TextBox& b, int i) { b.setText(adrese[i]); });
    TipAng.setCaption(EtichetaTipAng);
}

void Fisa_I::aplicaTip(int tip) {
    TipAngajator = tip;
    EtichetaTipAng = std::string(tip == 1 ? EtichetaTip1 : EtichetaTip2);
    TipAng.setCaption(EtichetaTipAng);
    if (tip == 1) {
        NumeP.setText("");
        PrenP.setText("");
    } else {
        DenP.setText("");
    }
}

void Fisa_I::CodP_LostFocus() {
    const int tip = TipCodAngajator(CodP.text());
    if (tip == 0) {
        codIncorect();
        CodP.setFocus();
        return;
    }
    aplicaTip(tip);
}

bool Fisa_I::CodP_KeyPress(int key) {
    if (key != platform::key::Enter) {
        return false;
    }
    const int tip = TipCodAngajator(CodP.text());
    if (tip == 0) {
        // Leaving the box tells the clerk and brings the focus back.
        Ok_Fisa_II.setFocus();
        return false;
    }
    aplicaTip(tip);
    (tip == 1 ? DenP : NumeP).setFocus();
    return false;
}

void Fisa_I::Nume_LostFocus(TextBox& box) {
    if (&box == &DenP && TipAngajator == 2) {
        DenP.setText("");
        NumeP.setFocus();
    } else if (&box != &DenP && TipAngajator == 1) {
        box.setText("");
        DenP.setFocus();
    }
}

void Fisa_I::AdrP_LostFocus(int i) { parasesteAdresa(AdrP, i); }

bool Fisa_I::AdrP_KeyPress(int i, int key) {
    if (key != platform::key::Enter) {
        return false;
    }
    switch (i) {
    case 0:
        if (EsteCapitala(AdrP[0].text(), false)) {
            JudP.setText(" ");
            AdrP[1].setFocus();
        } else {
            // Outside the capital the county is chosen again.
            JudP.setListIndex(0);
            JudP.setFocus();
        }
        break;
    case 7:
        if (EsteCapitala(AdrP[0].text(), false)) {
            AdrP[8].setFocus();
        } else {
            AdrP[8].setText("");
            AdrP[9].setFocus();
        }
        break;
    case 10:
        Ok_Fisa_II.setFocus();
        break;
    default:
        AdrP[i + 1].setFocus();
        break;
    }
    return false;
}

void Fisa_I::Ok_Fisa_II_Click() {
    const int tip = CodP.text().empty() ? 0 : TipCodAngajator(CodP.text());
    if (tip == 0) {
        codIncorect();
        CodP.setFocus();
        return;
    }
    aplicaTip(tip);
    if (const Rezultat scris = SalveazaRepfisc(); !scris) {
        platform::showMessage(scris.eroare, "", platform::Icon::Exclamation);
        return;
    }
    FiseAngajat.clear();
    hide();
    Fisa_II::deschideDinAngajator(JudP.text());
}

} // namespace olm
