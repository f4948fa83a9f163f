#include "exchange/verification_acquisition.h"

#include "exchange/verification_employer.h"
#include "exchange/verification_files.h"
#include "platform/clock.h"
#include "platform/converter.h"
#include "platform/dialogs.h"
#include "platform/drive.h"
#include "platform/file_error.h"
#include "platform/files.h"
#include "platform/form.h"
#include "shared/data_files.h"
#include "shared/file_group.h"
#include "shared/state.h"
#include "transfer/dbf_layout.h"
#include "transfer/transfer.h"

#include <functional>
#include <string>
#include <vector>

namespace olm {

namespace drive = platform::drive;
namespace files = platform::files;
using platform::Icon;

namespace {

constexpr double AsteptareDupaCopiere = 5; // seconds
constexpr const char* TitluDischeta = "  ";
constexpr const char* MesajDischeta = "Nu ati introdus discheta in unitate sau discheta defecta.";
constexpr const char* AbandonConversie = "Alte verificari si conversia dbf->txt sunt abandonate.";

void eroare(const std::string& text, const char* titlu = "") {
    platform::showMessage(text, titlu, Icon::Exclamation);
}

// The drive checked before anything is touched, so that a missing diskette
// does not leave the working files emptied for nothing; like every other
// fault of the diskette it stops the verification.
bool dischetaInUnitate() {
    try {
        drive::checkReady();
        return true;
    } catch (const platform::FileError&) {
        eroare(MesajDischeta, TitluDischeta);
        return false;
    }
}

// One step on the diskette; any error of the drive stops the acquisition.
bool peDischeta(const std::function<void()>& fa) {
    try {
        fa();
        return true;
    } catch (const platform::FileError&) {
        eroare(MesajDischeta, TitluDischeta);
        return false;
    }
}

// The working files replaced together by these contents (none: emptied),
// with their yearly copies, as every rewrite of the verification.
bool scrieFisiereLucru(const std::vector<std::vector<std::string>>& continut = {}) {
    RescriereGrup grup;
    for (const auto& set : seturiFisiere()) {
        AdaugaFisierVerificat(grup, set.lucru);
    }
    for (std::size_t i = 0; i < continut.size(); ++i) {
        grup.scrie(i, continut[i]);
    }
    if (const Rezultat r = grup.finalizeaza(); !r) {
        eroare(r.eroare);
        return false;
    }
    return true;
}

std::string an() { return std::to_string(AnFiscal); }

// A table the other application did not give: its empty template in its place.
bool copiazaSablon(const transfer::TabelDbf& t) {
    const std::string sablon = transfer::NumeSablon(t);
    const std::string tinta = transfer::NumeTabelAnual(t, AnFiscal);
    if (!files::exists(sablon)) {
        eroare("   Nu exista fisierul " + sablon + " in directorul aplicatiei.\r\n   " + AbandonConversie);
        return false;
    }
    try {
        files::copy(sablon, tinta);
        return true;
    } catch (const platform::FileError& e) {
        eroare(mesajEroareScriere(e.number(), tinta));
        return false;
    }
}

} // namespace

bool PreiaTextDePeDischeta() {
    if (!dischetaInUnitate() || !scrieFisiereLucru()) {
        return false;
    }
    const std::string rep = copieAnuala(SetRepfisc());
    bool areAngajator = false;
    if (!peDischeta([&] { areAngajator = drive::hasFile(rep); })) {
        return false;
    }
    if (!areAngajator) {
        eroare("   Nu exista fisierul Rep_" + an() + ".txt pe discheta.\r\nAlte verificari sunt abandonate.");
        return false;
    }
    // Every file read before any is written: nothing is taken when one fails.
    std::vector<std::vector<std::string>> continut;
    for (const auto& set : seturiFisiere()) {
        continut.emplace_back();
        const std::string copie = copieAnuala(set);
        if (!peDischeta([&] {
                if (drive::hasFile(copie)) {
                    continut.back() = drive::readLines(copie);
                }
            })) {
            return false;
        }
    }
    if (!scrieFisiereLucru(continut)) {
        return false;
    }
    if (continut.front().empty()) {
        return true;
    }
    try {
        if (ReparaRepfisc() && !peDischeta([&] { drive::copyOnto(SetRepfisc().lucru, rep); })) {
            return false;
        }
    } catch (const EsecVerificare& e) {
        eroare(e.what());
        return false;
    }
    // The program ending meanwhile runs no checks.
    return platform::clock().busyWait(AsteptareDupaCopiere);
}

bool PreiaDbfDePeDischeta() {
    if (!dischetaInUnitate() || !scrieFisiereLucru()) {
        return false;
    }
    const auto tabele = transfer::TabeleDbf();
    bool areAngajator = false;
    if (!peDischeta([&] { areAngajator = drive::hasFile(transfer::NumeTabelAnual(tabele.front(), AnFiscal)); })) {
        return false;
    }
    if (!areAngajator) {
        eroare("   Nu exista fisierul Rep_" + an() + ".dbf pe discheta.\r\n" + AbandonConversie);
        return false;
    }
    for (const auto& t : tabele) {
        const std::string nume = transfer::NumeTabelAnual(t, AnFiscal);
        bool pe = false;
        if (!peDischeta([&] {
                pe = drive::hasFile(nume);
                if (pe) {
                    drive::copyFrom(nume, nume);
                }
            })) {
            return false;
        }
        if (!pe && !copiazaSablon(t)) {
            return false;
        }
    }
    return RuleazaConvertorul();
}

bool PreiaDbfDinDirector() {
    if (!scrieFisiereLucru()) {
        return false;
    }
    const auto tabele = transfer::TabeleDbf();
    if (!files::exists(transfer::NumeTabelAnual(tabele.front(), AnFiscal))) {
        eroare("   Nu exista fisierul Rep_" + an() + ".dbf in directorul\r\naplicatiei.\r\n   " + AbandonConversie);
        return false;
    }
    for (const auto& t : tabele.subspan(1)) {
        if (!files::exists(transfer::NumeTabelAnual(t, AnFiscal)) && !copiazaSablon(t)) {
            return false;
        }
    }
    return RuleazaConvertorul();
}

bool RuleazaConvertorul() {
    try {
        files::writeLines(transfer::FisierAn, {an()});
    } catch (const platform::FileError& e) {
        eroare(mesajEroareScriere(e.number(), transfer::FisierAn));
        return false;
    }
    platform::ConverterRun rulare;
    {
        platform::BusyCursor clepsidra;
        rulare = platform::runConverter();
    }
    using Sfarsit = platform::ConverterRun::End;
    const std::string conversia = "Conversia dbf->txt ";
    std::string motiv;
    switch (rulare.end) {
    case Sfarsit::Exited:
        if (rulare.exitCode == 0) {
            // It wrote the working files alone: their yearly copies follow,
            // as with every rewrite of the verification.
            std::vector<SetFisiere> cuCopii;
            for (const auto& set : seturiFisiere()) {
                if (files::exists(copieAnuala(set))) {
                    cuCopii.push_back(set);
                }
            }
            if (const Rezultat copii = ActualizeazaCopiileAnuale(cuCopii); !copii) {
                eroare(copii.eroare);
            }
            return true;
        }
        // Its list of errors is what "Lista erori" shows instead of the report.
        if (rulare.exitCode == 1 && !files::isEmpty(transfer::FisierErori)) {
            return true;
        }
        motiv = "nu a reusit (cod de iesire " + std::to_string(rulare.exitCode) + ").";
        break;
    case Sfarsit::Crashed:
        motiv = "s-a oprit din eroare.";
        break;
    case Sfarsit::TimedOut:
        motiv = "nu s-a terminat in " + std::to_string(static_cast<long>(platform::converterTimeLimit())) +
                " secunde si a fost oprita.";
        break;
    case Sfarsit::Stopped:
        // The program is ending (a log-out): nothing more to tell.
        return false;
    case Sfarsit::NotStarted:
        motiv = "nu poate fi pornita: programul " + platform::converterProgram() + " lipseste sau nu poate fi rulat.";
        break;
    }
    eroare(conversia + motiv + "\r\nAlte verificari sunt abandonate.", TitluDischeta);
    return false;
}

} // namespace olm
