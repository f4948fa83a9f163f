#include "main_window/employee_form.h"

#include "main_window/address_rules.h"
#include "main_window/decision_dialog.h"
#include "main_window/employee_dates.h"
#include "main_window/identification_boxes.h"
#include "main_window/intro_form.h"
#include "main_window/sheet_picker.h"
#include "platform/dialogs.h"
#include "shared/check_digits.h"
#include "shared/employee_identity.h"
#include "shared/employee_lookup.h"
#include "shared/fisa1_record.h"
#include "shared/fisa2_record.h"
#include "shared/form_data.h"
#include "shared/state.h"

namespace olm {

using platform::CheckBox;
using platform::Geometry;
using platform::TextBox;
namespace key = platform::key;

namespace {

// A key that types a character (not Shift, an arrow or a function key).
bool caracter(int k) { return k >= 0 && k < 256; }

} // namespace

Fisa_II::Fisa_II() {
    setCaption("Date de identificare angajat");
    setSize(760, 530);
    // The title's blanks set it in the middle of its first line; the rest
    // goes to a second line, which the year ends.
    Label1_0.setCaption(std::string(88, ' ') + "II. Date de identificare angajat" + std::string(75, ' ') +
                        "pentru anul fiscal");
    Label1_0.setWordWrap(true);
    const platform::Geometry titlu = Label1_0.geometry();
    AnFisc.setGeometry({titlu.x + Label1_0.textWidth("pentru anul fiscal "), titlu.y + Label1_0.lineHeight(),
                        120, Label1_0.lineHeight()});
    Label5.setCaption(std::string(7, ' ') + "Cod angajat" + std::string(54, ' '));
    Label1_1.setCaption("\"Data angajarii\" si \"Data incetarii activitatii\" se completeaza in format "
                        "zz/ll/aaaa, numai daca aceste situatii se produc in cursul anului fiscal de "
                        "referinta");
    Label1_1.setWordWrap(true);

    static constexpr CasetaAdresa casete[] = {
        {{90, 22, 250, 22}, "Localitate", {10, 24, 80, 20}, 50},
        {{90, 52, 300, 22}, "Strada", {10, 54, 80, 20}, 50},
        {{460, 52, 80, 22}, "Numar", {400, 54, 60, 20}, 10},
        {{640, 52, 80, 22}, "Cod postal", {560, 54, 80, 20}, 6},
        {{90, 82, 60, 22}, "Bloc", {10, 84, 80, 20}, 10},
        {{220, 82, 50, 22}, "Scara", {165, 84, 55, 20}, 10},
        {{330, 82, 50, 22}, "Etaj", {290, 84, 40, 20}, 10},
        {{490, 82, 60, 22}, "Apartament", {400, 84, 90, 20}, 10},
        {{640, 82, 30, 22}, "Sector", {580, 84, 60, 20}, 1},
    };
    adaugaCaseteAdresa(AdrS, Frame2, casete, etichete_);
    etichete_.push_back(std::make_unique<platform::Label>(Frame2, Geometry{360, 24, 60, 20}, "Judet"));
    JudS.setSorted(true);
    Combo1.setSorted(true);
    setTabOrder({&CodS, &NumeS, &PrenS, &AdrS[0], &JudS, &AdrS[1], &AdrS[2], &AdrS[3], &AdrS[4],
                 &AdrS[5], &AdrS[6], &AdrS[7], &AdrS[8], &Option1, &Option2, &Combo1, &Command2,
                 &Xrectif, &Ok_Fisa1, &Ok_Fisa2, &but_sterg_fisa, &Xreg, &Xdedu, &XAlteS, &Inv1A,
                 &Inv2A, &Inv3A, &Job0, &Job1, &Command3, &Command1});
    Combo1.setBackColor({0xC0, 0xC0, 0x00});
    Inv3A.setEnabled(false);

    CodS.setMaxLength(13);
    NumeS.setMaxLength(40);
    PrenS.setMaxLength(40);
    NumeS.setUpperCaseOnLeaving(true);
    PrenS.setUpperCaseOnLeaving(true);
    // A record has no escaping: "#" would break its line.
    for (TextBox* b : {&CodS, &NumeS, &PrenS, &Job0, &Job1}) {
        b->setRefusedCharacters("#");
    }

    // The controls mirror the record.
    FormaFisaII& d = AngajatFisaII;
    oglindeste(CodS, d.CodS);
    oglindeste(NumeS, d.NumeS);
    oglindeste(PrenS, d.PrenS);
    oglindeste(Job0, d.Job0);
    oglindeste(Job1, d.Job1);
    AdrS.forEach([&](TextBox& b, int i) { oglindeste(b, d.AdrS[static_cast<std::size_t>(i)]); });
    JudS.onClick([this] { AngajatFisaII.JudS = JudS.text(); });
    auto marca = [](CheckBox& c, int& camp, std::function<void()> apoi = {}) {
        c.onClick([&c, &camp, apoi] {
            camp = c.value();
            if (apoi) {
                apoi();
            }
        });
    };
    marca(Xrectif, d.Xrectif);
    marca(Xreg, d.Xreg, [this] { Xreg_Click(); });
    marca(Xdedu, d.Xdedu, [this] { Xdedu_Click(); });
    marca(XAlteS, d.XAlteS);
    marca(Inv1A, d.Inv1A);
    marca(Inv2A, d.Inv2A);

    CodS.onGotFocus([this] { CodS_GotFocus(); });
    CodS.onLostFocus([this] { CodS_LostFocus(); });
    laEnter(CodS, NumeS);
    NumeS.onKeyPress([this](int k) {
        if (k == key::Enter) {
            (CodS.text().empty() ? CodS : PrenS).setFocus();
        }
        return false;
    });
    laEnter(PrenS, AdrS[0]);
    laEnter(JudS, AdrS[1]);
    AdrS.bind(&TextBox::onLostFocus, [this](int i) { AdrS_LostFocus(i); });
    AdrS.bind(&TextBox::onKeyPress, [this](int i, int k) { return AdrS_KeyPress(i, k); });

    Option1.onClick([this] { Option1_Click(); });
    Option2.onClick([this] { Option2_Click(); });
    laEnter(Option1, Xrectif);
    Combo1.onGotFocus([this] { Combo1_GotFocus(); });
    Combo1.onClick([this] { Combo1_Click(); });
    Command2.onClick([] {
        platform::showMessage("  Daca doriti sa selectati o fisa deja incarcata optati pentru Fise "
                              "incarcate, apasati cu mouse-ul pe butonul-sageata din dreapta baghetei "
                              "galbene si apoi tastati inceputul numelui. ",
                              "", platform::Icon::Exclamation);
    });
    Command3.onClick([] {
        platform::showMessage("        Puteti modifica intervalul de activitate.\r\n\r\n"
                              "        Completati un interval acoperitor pentru angajatii care \r\n"
                              "au activat CU INTRERUPERE (au mai multe contracte de munca),\r\n"
                              "la acelasi angajator, pe parcursul anului fiscal de referinta.",
                              "", platform::Icon::Exclamation);
    });
    Ok_Fisa1.onClick([this] { Ok_Fisa1_Click(); });
    Ok_Fisa2.onClick([this] { Ok_Fisa2_Click(); });
    but_sterg_fisa.onClick([this] { but_sterg_fisa_Click(); });
    Command1.onClick([] {
        if (deschideFormaFisa1) {
            deschideFormaFisa1();
        }
    });

    // The corrective mark applies to both sheets; any key sends the clerk
    // back to the code.
    Xrectif.onLostFocus([this] { MarcaRectif = Xrectif.value() == 1 ? "X" : ""; });
    Xrectif.onKeyPress([this](int k) {
        if (!caracter(k)) {
            return false;
        }
        CodS.setFocus();
        return true;
    });
    Xreg.onKeyPress([this](int k) {
        if (!caracter(k)) {
            return false;
        }
        Command1.setFocus();
        return true;
    });
    laEnter(Xdedu, Job0);
    for (CheckBox* c : {&XAlteS, &Inv1A, &Inv2A}) {
        laEnter(*c, Command1);
    }
    Inv3A.onKeyPress([](int k) { return k == key::Enter; });
    laEnter(Job0, Job1);
    laEnter(Job1, Command1);
    Job0.onLostFocus([this] { Job_LostFocus(Job0); });
    Job1.onLostFocus([this] { Job_LostFocus(Job1); });

    ArataFisaIIHandler = [] {
        Fisa_II& f = instance();
        f.show();
        f.aplica();
    };
    ArataAnFiscHandler = [] {
        if (loaded()) {
            instance().AnFisc.setCaption(TextAnFisc);
        }
    };
}

void Fisa_II::formLoad() {
    AngajatFisaII = FormaFisaII{};
    Combo1.setVisible(false);
    Label20.setVisible(false);
    NrPersoane = 0;
    PersoanaCurenta = 1;
    Option1.setValue(true);
    aplicaStari();
}

void Fisa_II::formUnload(bool& cancel) {
    (void)cancel;
    if (Intro::loaded()) {
        Intro::instance().show();
    }
}

void Fisa_II::deschideDinAngajator(const std::string& judetAngajator) {
    Fisa_II& f = instance();
    f.AnFisc.setCaption(anFiscalText());
    f.show();
    AngajatFisaII.Frame1 = false;
    f.aplicaStari();
    f.Option1.setFocus();
    umpleJudete(f.JudS);
    alegeJudet(f.JudS, judetAngajator);
}

void Fisa_II::aplicaStari() {
    const FormaFisaII& d = AngajatFisaII;
    Ok_Fisa1.setEnabled(d.Ok_Fisa1 && deschideFormaFisa1 != nullptr);
    Ok_Fisa2.setEnabled(d.Ok_Fisa2 && deschideFormaFisa2 != nullptr);
    Command1.setEnabled(deschideFormaFisa1 != nullptr);
    but_sterg_fisa.setCaption(d.StergeCaption);
    but_sterg_fisa.setEnabled(d.StergeActiv);
    Frame1.setVisible(d.Frame1);
}

void Fisa_II::aplica() {
    // The controls write the record back as they change: work from a copy.
    const FormaFisaII d = AngajatFisaII;
    AngajatFisaII.focus = FocusFisaII::Neschimbat;
    CodS.setText(d.CodS);
    NumeS.setText(d.NumeS);
    PrenS.setText(d.PrenS);
    AdrS.forEach([&](TextBox& b, int i) { b.setText(d.AdrS[static_cast<std::size_t>(i)]); });
    alegeJudet(JudS, d.JudS);
    Xrectif.setValue(d.Xrectif);
    Xreg.setValue(d.Xreg);
    Xdedu.setValue(d.Xdedu);
    XAlteS.setValue(d.XAlteS);
    Inv1A.setValue(d.Inv1A);
    Inv2A.setValue(d.Inv2A);
    Job0.setText(d.Job0);
    Job1.setText(d.Job1);
    AngajatFisaII.Ok_Fisa1 = d.Ok_Fisa1;
    AngajatFisaII.Ok_Fisa2 = d.Ok_Fisa2;
    AngajatFisaII.StergeCaption = d.StergeCaption;
    AngajatFisaII.StergeActiv = d.StergeActiv;
    AngajatFisaII.Frame1 = d.Frame1;
    aplicaStari();
    switch (d.focus) {
    case FocusFisaII::Option1:
        Option1.setFocus();
        break;
    case FocusFisaII::Command1:
        Command1.setFocus();
        break;
    case FocusFisaII::CodS:
        CodS.setFocus();
        break;
    case FocusFisaII::Neschimbat:
        break;
    }
}

void Fisa_II::golesteAngajatul() {
    NumeS.setText("");
    PrenS.setText("");
    for (int i = 1; i < AdrS.size(); ++i) {
        AdrS[i].setText("");
    }
    Job0.setText("");
    Job1.setText("");
    // Unticking the regularised or no-domicile mark enables again what it disabled.
    for (CheckBox* c : {&Xrectif, &Xreg, &Xdedu, &XAlteS, &Inv1A, &Inv2A}) {
        c->setValue(0);
    }
    Combo1.setText("");
}

void Fisa_II::spreButoane() { focusFirstAvailable({&Ok_Fisa1, &Ok_Fisa2, &Command1}); }

void Fisa_II::CodS_GotFocus() {
    FormaFisaII& d = AngajatFisaII;
    d.Ok_Fisa1 = true;
    d.Ok_Fisa2 = true;
    d.StergeCaption = "Sterge fisa";
    d.StergeActiv = false;
    d.Frame1 = false;
    aplicaStari();
    golesteAngajatul();
}

void Fisa_II::CodS_LostFocus() {
    CodS.setText(ValoareCaText(CodS.text()));
    const std::string cod = CodS.text();
    if (!VerificaCNP(cod)) {
        codIncorect();
        CodS.setFocus();
        return;
    }
    AngajatFisaII.Ok_Fisa1 = true;
    AngajatFisaII.Ok_Fisa2 = true;
    aplicaStari();
    CodAngajat = cod;
    if (cod.front() == '9') {
        platform::showMessage("Persoana straina (fara drept de deducere).", "  ",
                              platform::Icon::Exclamation);
    }
    if (const Rezultat r = CautaFiseAngajat(); !r) {
        platform::showMessage(r.eroare, "", platform::Icon::Exclamation);
        return;
    }
    if (!FiseAngajat.empty()) {
        frmGasit::arata();
    }
}

void Fisa_II::AdrS_LostFocus(int i) { parasesteAdresa(AdrS, i); }

bool Fisa_II::AdrS_KeyPress(int i, int k) {
    if (k != key::Enter) {
        return false;
    }
    const bool capitala = EsteCapitala(AdrS[0].text(), true);
    switch (i) {
    case 0:
        if (capitala) {
            JudS.setText(" ");
            AdrS[1].setFocus();
        } else {
            JudS.setFocus();
        }
        break;
    case 7:
        if (capitala) {
            AdrS[8].setFocus();
        } else {
            AdrS[8].setText("");
            spreButoane();
        }
        break;
    case 8:
        spreButoane();
        break;
    default:
        AdrS[i + 1].setFocus();
        break;
    }
    return false;
}

void Fisa_II::Combo1_GotFocus() {
    platform::BusyCursor clepsidra;
    Rezultat r;
    const auto intrari = IntrariFiseIncarcate(r);
    Combo1.clear();
    for (const auto& e : intrari) {
        Combo1.addItem(e.text, e.tip, e.cod);
    }
    Label20.setCaption(EtichetaLista(intrari.size()));
    if (!r) {
        platform::showMessage(r.eroare, "", platform::Icon::Exclamation);
    }
}

void Fisa_II::Combo1_Click() {
    const int i = Combo1.listIndex();
    if (i < 0) {
        // Choosing the first entry comes back here with it.
        if (Combo1.listCount() > 0) {
            Combo1.setListIndex(0);
        }
        return;
    }
    IncarcaFisaAleasa(IntrareFisa{Combo1.list(i), Combo1.itemTag(i), Combo1.itemData(i)});
    aplica();
}

void Fisa_II::but_sterg_fisa_Click() {
    Rezultat r;
    if (TipFisaCrt == 1) {
        r = StergeFisa1();
    } else if (TipFisaCrt == 2) {
        r = StergeFisa2();
    }
    if (!r) {
        platform::showMessage(r.eroare, "", platform::Icon::Exclamation);
    }
    CurataFisaII();
}

void Fisa_II::Job_LostFocus(TextBox& box) {
    const bool incetare = &box == &Job1;
    const VerificareData v =
        VerificaDataAngajat(incetare, box.text(), (incetare ? Job0 : Job1).text(), AnFiscal);
    if (v.eroare()) {
        platform::showMessage(v.mesaj, "", platform::Icon::None);
        box.setText("");
        box.setFocus();
        return;
    }
    box.setText(v.text);
}

void Fisa_II::Xreg_Click() {
    const bool bifat = Xreg.value() == 1;
    if (bifat) {
        Xdedu.setValue(0);
        XAlteS.setValue(0);
        Job0.setText("");
        Job1.setText("");
    }
    for (platform::Control* c : std::initializer_list<platform::Control*>{&Xdedu, &XAlteS, &Job0, &Job1}) {
        c->setEnabled(!bifat);
    }
}

void Fisa_II::Xdedu_Click() {
    const bool bifat = Xdedu.value() == 1;
    if (bifat) {
        Xreg.setValue(0);
        Inv1A.setValue(0);
        Inv2A.setValue(0);
    }
    for (CheckBox* c : {&Xreg, &Inv1A, &Inv2A}) {
        c->setEnabled(!bifat);
    }
}

void Fisa_II::Option1_Click() {
    Label20.setVisible(false);
    Combo1.setVisible(false);
    CodS.setText("");
    golesteAngajatul();
    AngajatFisaII.Frame1 = false;
    aplicaStari();
}

void Fisa_II::Option2_Click() {
    Label20.setVisible(true);
    Combo1.setVisible(true);
    Combo1.setFocus();
}

void Fisa_II::Ok_Fisa1_Click() {
    if (CodS.text().empty()) {
        codIncorect();
        CodS.setFocus();
        return;
    }
    AngajatFisaII.Frame1 = true;
    aplicaStari();
}

void Fisa_II::Ok_Fisa2_Click() {
    if (CodS.text().empty()) {
        codIncorect();
        CodS.setFocus();
        return;
    }
    // The sheet takes the corrective mark the form shows now, not one left
    // from an earlier employee.
    MarcaRectif = Xrectif.value() == 1 ? "X" : "";
    AngajatFisaII.Frame1 = false;
    aplicaStari();
    if (PozitiiFisa[0] == 0) {
        CurataFisa2();
    }
    if (deschideFormaFisa2) {
        // The employee's form waits hidden while his Fisa 2 is open.
        hide();
        deschideFormaFisa2();
    }
}

} // namespace olm
