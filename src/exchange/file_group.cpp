#include "exchange/file_group.h"

namespace olm {

RescriereGrup::RescriereGrup(std::vector<std::string> nume)
    : nume_(std::move(nume)), tranzactie_(std::make_unique<platform::files::Transaction>()) {
    for (std::size_t i = 0; i < nume_.size() && ok(); ++i) {
        try {
            scriitori_.push_back(&tranzactie_->write(nume_[i]));
        } catch (const platform::FileError& e) {
            esec(i, e);
        }
    }
}

void RescriereGrup::scrie(std::size_t fisier, const std::string& linie) {
    if (!ok()) {
        return;
    }
    try {
        scriitori_.at(fisier)->writeLine(linie);
    } catch (const platform::FileError& e) {
        esec(fisier, e);
    }
}

void RescriereGrup::scrie(std::size_t fisier, const std::vector<std::string>& linii) {
    for (const auto& l : linii) {
        scrie(fisier, l);
    }
}

Rezultat RescriereGrup::finalizeaza() {
    if (ok()) {
        try {
            tranzactie_->commit();
        } catch (const platform::FileError& e) {
            eroare_ = Rezultat::esec(mesajEroareScriere(e.number(), e.file()));
        }
    }
    scriitori_.clear();
    tranzactie_.reset();
    return eroare_;
}

void RescriereGrup::esec(std::size_t fisier, const platform::FileError& e) {
    eroare_ = Rezultat::esec(mesajEroareScriere(e.number(), nume_[fisier]));
    scriitori_.clear();
    tranzactie_.reset(); // the scratch files go
}

} // namespace olm
