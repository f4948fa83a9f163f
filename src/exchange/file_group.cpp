#include "exchange/file_group.h"

namespace olm {

RescriereGrup::RescriereGrup(std::vector<std::string> nume) : nume_(std::move(nume)) {
    for (std::size_t i = 0; i < nume_.size() && ok(); ++i) {
        try {
            scriitori_.push_back(std::make_unique<platform::files::AtomicWriter>(nume_[i]));
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
    auto peFiecare = [this](auto&& fa) {
        for (std::size_t i = 0; i < scriitori_.size() && ok(); ++i) {
            try {
                fa(*scriitori_[i]);
            } catch (const platform::FileError& e) {
                esec(i, e);
            }
        }
    };
    // Every file is written out before the first one is replaced.
    peFiecare([](platform::files::AtomicWriter& s) { s.prepare(); });
    peFiecare([](platform::files::AtomicWriter& s) { s.commit(); });
    scriitori_.clear();
    return eroare_;
}

void RescriereGrup::esec(std::size_t fisier, const platform::FileError& e) {
    eroare_ = Rezultat::esec(mesajEroareScriere(e.number(), nume_[fisier]));
    scriitori_.clear();
}

} // namespace olm
