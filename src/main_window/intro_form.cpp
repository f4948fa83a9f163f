#include "main_window/intro_form.h"

#include "main_window/diskette_handin.h"
#include "main_window/employer_form.h"
#include "main_window/regularised_table.h"
#include "main_window/sorted_copies.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/help.h"
#include "platform/text_viewer.h"
#include "shared/backup.h"
#include "shared/counties.h"
#include "shared/entry_checks.h"
#include "shared/result.h"
#include "shared/state.h"
#include "tax_parameters/cuantum_frm.h"
#include "tax_parameters/impozit_frm.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QWidget>

namespace olm {

using platform::Button;
using platform::CheckBox;
using platform::Geometry;
using platform::Label;
using platform::Picture;

namespace {

constexpr int Latime = 640;
constexpr int Inaltime = 560;

const char* const Titlu = "Impozitul pe venit (varianta distribuita de Velmora) - versiunea 2.1 /2002";

platform::Color alb() { return {255, 255, 255}; }

} // namespace

Intro::Intro() {
    setCaption(Titlu);
    setSize(Latime, Inaltime);
    widget()->setFixedSize(Latime, Inaltime);
    construiesteControale();
}

void Intro::construiesteControale() {
    // The background first, so that every other control stands over it.
    Fundal = std::make_unique<Picture>(*this, Geometry{0, 0, Latime, Inaltime});
    Fundal->onPaint([](QPainter& p, const QRect& r) { deseneazaFundal(p, r); });

    const platform::Font titlu{"", 11, true};
    Label4 = std::make_unique<Label>(*this, Geometry{230, 8, 180, 28}, " 2   0   0   2", titlu);
    Label4->setForeColor(alb());
    Label2 = std::make_unique<Label>(*this, Geometry{20, 38, 600, 20},
                                     "Obligatoriu setare stil data calendaristica de forma : ZZ/LL/AAAA");
    Label2->setForeColor(alb());
    Label2->setAlignment(platform::Align::Center);
    Label2->setToolTip("Start/Settings/Control Panel/Regional Settings/English/United Kingdom/Date short style : dd/mm/yy");

    Command1 = std::make_unique<Button>(*this, Geometry{20, 66, 290, 44}, "Fise fiscale (preluari, modificari)");
    Command1->setToolTip("Numai pentru fisiere verificate (cu structura corecta).");

    Label1 = std::make_unique<Label>(*this, Geometry{20, 118, 290, 20}, "L I S T A R I", platform::Font{"", 0, true});
    Label1->setForeColor(alb());
    Label1->setAlignment(platform::Align::Center);
    Command3 = std::make_unique<Button>(*this, Geometry{20, 140, 140, 34}, "Fisa 1 ");
    Command5 = std::make_unique<Button>(*this, Geometry{170, 140, 140, 34}, "Fisa 2 ");
    Command2 = std::make_unique<Button>(*this, Geometry{20, 180, 290, 34}, "Borderou fise fiscale");
    Command2->setToolTip("Cu posibilitatea sortarii alfabetice a fiselor fiscale (preluata in toate listarile).");
    Command11 = std::make_unique<Button>(*this, Geometry{20, 220, 140, 44}, "  Tabel centralizator                  lunar");
    Command11->setWordWrap(true);
    Tabel5 = std::make_unique<Button>(*this, Geometry{170, 220, 140, 44}, "Tabel fise 1 regularizate");
    Tabel5->setWordWrap(true);
    Check1 = std::make_unique<CheckBox>(*this, Geometry{20, 270, 290, 24}, "Sortare");
    Check1->setForeColor(alb());
    Check1->setToolTip("Bifati pentru a pregati listarea in ordine alfabetica a angajatilor.");

    But_salvari = std::make_unique<Button>(*this, Geometry{20, 304, 290, 60},
        "Salvare  fisiere text Ff1_aaaa, Ff2_aaaa,  Ded_aaaa si Rep_aaaa      pe o discheta pentru unitatea fiscala");
    But_salvari->setWordWrap(true);
    But_salvari->setToolTip("Pentru aprox. 2000 de fise.");
    b_salv = std::make_unique<Button>(*this, Geometry{20, 372, 140, 30}, "Salvare");
    b_salv->setToolTip("Salvare in subdirector");
    b_rest = std::make_unique<Button>(*this, Geometry{170, 372, 140, 30}, "Restaurare");
    b_rest->setToolTip("Restaurare din subdirector ");

    Command10 = std::make_unique<Button>(*this, Geometry{330, 66, 200, 60},
        "Vizualizare / Actualizare  deducere pers. de baza si coef.de deducere");
    Command10->setWordWrap(true);
    Command8 = std::make_unique<Button>(*this, Geometry{330, 134, 200, 60},
        "         Vizualizare / Actualizare                      IMPOZITAR");
    Command8->setWordWrap(true);
    Command6 = std::make_unique<Button>(*this, Geometry{330, 202, 200, 34}, "Alte functii");
    Command9 = std::make_unique<Button>(*this, Geometry{540, 66, 80, 336},
        "Prelua-  re si         V           E            R            I             F            I            C           A           R           E  fisiere   . TXT       sau     . DBF       din        alte      aplic.");
    // "VERIFICARE" reads down the button, one letter a line.
    Command9->setStackedCaption(true);
    Command9->setToolTip("Verificari fisiere preluate din alte aplicatii (Dbase,Fox,Paradox, etc.) ");
    Command7 = std::make_unique<Button>(*this, Geometry{330, 244, 200, 34}, "Help");

    Label3 = std::make_unique<Label>(*this, Geometry{330, 286, 200, 40}, "Asteptati confirmarea terminarii operatiei !");
    Label3->setWordWrap(true);
    Label3->setForeColor(alb());
    Label3->setVisible(false);

    Image1 = std::make_unique<Picture>(*this, Geometry{330, 330, 200, 72});

    Label5 = std::make_unique<Label>(*this, Geometry{20, 414, 600, 130},
        "       Programul permite pentru un angajat o singura \"Fisa 1\" si/sau o singura \"Fisa 2\".                                 "
        "Cand un angajat are mai multe contracte de munca la acelasi angajator se impune ca, in lunile din afara contractelor, "
        "coeficientii totali sa fie nuli.");
    Label5->setWordWrap(true);
    Label5->setForeColor(alb());

    Command1->onClick([this] { Command1_Click(); });
    Tabel5->onClick([this] { Tabel5_Click(); });
    Check1->onClick([this] { Check1_Click(); });
    But_salvari->onClick([this] { But_salvari_Click(); });
    b_salv->onClick([this] { b_salv_Click(); });
    b_rest->onClick([this] { b_rest_Click(); });
    Command7->onClick([this] { Command7_Click(); });
    Command10->onClick([this] { Command10_Click(); });
    Command8->onClick([this] { Command8_Click(); });
    Command9->onGotFocus([this] { Label3->setVisible(true); });
    Command9->onLostFocus([this] { Label3->setVisible(false); });

    Command3->onClick([this] { Command3_Click(); });
    Command5->onClick([this] { Command5_Click(); });
    Command2->onClick([this] { Command2_Click(); });
    Command11->onClick([this] { Command11_Click(); });
    Command6->onClick([this] { Command6_Click(); });
    Command9->onClick([this] { Command9_Click(); });

    // Windows that other parts of the program open; each is enabled when its
    // window exists.
    const std::pair<Button*, const std::function<void()>*> ferestre[] = {
        {Command3.get(), &deschideLisFise1}, {Command5.get(), &deschideLisFise2},
        {Command2.get(), &deschideLisBord},  {Command11.get(), &deschideListabIV},
        {Command6.get(), &deschideAlteFunctii}, {Command9.get(), &deschideVerif_fis}};
    for (const auto& [buton, deschide] : ferestre) {
        buton->setEnabled(static_cast<bool>(*deschide));
    }
}

void Intro::deseneazaFundal(QPainter& p, const QRect& r) {
    // From pure blue at the top to black at the bottom.
    const int h = r.height();
    const int w = r.width();
    if (h <= 0) {
        return;
    }
    for (int y = 0; y <= h; ++y) {
        const int albastru = 255 - (y * 255) / h;
        p.fillRect(QRect(QPoint(-1, y - 1), QPoint(w, y + 1)), QColor(0, 0, albastru));
    }
}

void Intro::formLoad() {
    pornire_ = PornesteLucrul(lock_);
}

void Intro::formUnload(bool& cancel) {
    if (pornire_.stare != StarePornire::Pornit) {
        // A refused start ends the program at once: a lock left behind would
        // pass, on another computer sharing the directory, for a program
        // still running there.
        lock_.release();
        return;
    }
    if (inchidere_) {
        return;
    }
    // Every other window runs its own closing steps (and questions) first, so
    // that no edit is lost without the clerk's word. When the program is ended
    // from outside nobody answers: the exit steps run whatever a window says.
    for (platform::Form* f : platform::Form::loadedForms()) {
        if (f != this && !f->unload() && !platform::unattended()) {
            cancel = true;
            return;
        }
    }
    inchidere_ = true;
    std::string mesaj = TerminaLucrul();
    lock_.release();
    if (!mesaj.empty()) {
        platform::showMessage(mesaj, "", platform::Icon::Exclamation);
    }
    // Closing the main window ends the program, text viewers included.
    QApplication::closeAllWindows();
    QApplication::quit();
}

void Intro::debifeazaSortare() { Check1->setValue(0); }

void Intro::Command1_Click() {
    debifeazaSortare();
    VerificaData();
    if (EroareStilData == 1) {
        return;
    }
    Fisa_I::deschide();
}

void Intro::Tabel5_Click() { TabelFise1Regularizate(); }

void Intro::Check1_Click() { ActualizeazaCopiiSortate(Check1->value() == 1); }

void Intro::But_salvari_Click() {
    debifeazaSortare();
    RezultatPredare r;
    {
        platform::BusyCursor clepsidra;
        r = PredareDischeta();
    }
    if (r != RezultatPredare::Intrerupta) {
        Command1->setFocus();
    }
}

void Intro::b_salv_Click() {
    if (SalvareDate() && Check1->value() == 1) {
        ActualizeazaCopiiSortate(true);
    }
}

void Intro::b_rest_Click() {
    if (RestaurareDate() && Check1->value() == 1) {
        ActualizeazaCopiiSortate(true);
    }
}

void Intro::Command10_Click() {
    debifeazaSortare();
    // The editor reads "Cuantum.txt" afresh itself.
    CuantumFrm::deschide();
}

void Intro::Command8_Click() {
    debifeazaSortare();
    ImpozitFrm::deschide();
}

void Intro::Command7_Click() {
    debifeazaSortare();
    platform::showHelpContents("help1.hlp");
    if (platform::askYesNo("Doriti listarea fisierului help.txt ?", "")) {
        platform::textViewer().show("help.txt");
    }
}

// The listings keep the alphabetical copies: they read them.
void Intro::Command3_Click() { deschideLisFise1(); }
void Intro::Command5_Click() { deschideLisFise2(); }
void Intro::Command2_Click() { deschideLisBord(); }
void Intro::Command11_Click() { deschideListabIV(); }

void Intro::Command6_Click() {
    debifeazaSortare();
    VerificaData();
    if (EroareStilData == 1) {
        return;
    }
    deschideAlteFunctii();
}

void Intro::Command9_Click() {
    debifeazaSortare();
    VerificaData();
    if (EroareStilData == 1) {
        return;
    }
    // The converter of DBF tables reads the fiscal year from here.
    try {
        platform::files::writeLines("tr12.txt", {std::to_string(AnFiscal)});
    } catch (const platform::FileError& e) {
        platform::showMessage(mesajEroareScriere(e.number(), "tr12.txt"), "", platform::Icon::Exclamation);
        return;
    }
    deschideVerif_fis();
    Command1->setFocus();
}

bool Main(int* codIesire) {
    IncarcaJudete();
    NrRandImpozitar = 129;
    Intro& intro = Intro::instance();
    if (codIesire) {
        *codIesire = 0;
    }
    switch (intro.pornire().stare) {
    case StarePornire::AltaInstanta:
        Intro::unload();
        return false;
    case StarePornire::FaraParametri:
    case StarePornire::Oprit:
        platform::showMessage(intro.pornire().mesaj, "", platform::Icon::Exclamation);
        Intro::unload();
        if (codIesire) {
            *codIesire = 1;
        }
        return false;
    case StarePornire::Pornit:
        break;
    }
    intro.show();
    if (!intro.pornire().mesaj.empty()) {
        platform::showMessage(intro.pornire().mesaj, "", platform::Icon::Exclamation);
    }
    return true;
}

void TerminaLaCerere() {
    platform::setUnattended(true);
    if (Intro::loaded()) {
        Intro::unload();
    }
}

void ArataPesteFereastraPrincipala(platform::Form& fereastra) {
    if (Intro::loaded()) {
        fereastra.showOver(Intro::instance());
    } else {
        fereastra.show();
    }
}

} // namespace olm
