#include "shared/file_group.h"

#include "platform/files.h"
#include "shared/file_messages.h"

namespace olm {

namespace files = platform::files;

// One file of the group: its writer, and its yearly copy's when it has one.
struct RescriereGrup::Fisier : platform::LineSink {
    RescriereGrup* grup = nullptr;
    std::vector<std::pair<std::string, files::AtomicWriter*>> tinte;

    void writeLine(const std::string& linie) override {
        pentruFiecare([&](files::AtomicWriter& w) { w.writeLine(linie); });
    }
    template <typename F>
    void pentruFiecare(F fa) {
        // A failure drops every writer of the group: nothing is used after it.
        for (std::size_t k = 0; k < tinte.size() && grup->ok(); ++k) {
            try {
                fa(*tinte[k].second);
            } catch (const platform::FileError& e) {
                grup->esueaza(tinte[k].first, e);
            }
        }
    }
};

RescriereGrup::RescriereGrup() : tranzactie_(std::make_unique<files::Transaction>()) {}

RescriereGrup::~RescriereGrup() = default;

std::size_t RescriereGrup::adauga(const std::string& nume) {
    auto f = std::make_unique<Fisier>();
    f->grup = this;
    fisiere_.push_back(std::move(f));
    if (ok()) {
        try {
            fisiere_.back()->tinte.emplace_back(nume, &tranzactie_->write(nume));
        } catch (const platform::FileError& e) {
            esueaza(nume, e);
        }
    }
    return fisiere_.size() - 1;
}

std::size_t RescriereGrup::adauga(const std::string& nume, const std::string& copie) {
    const std::size_t i = adauga(nume);
    if (ok()) {
        try {
            fisiere_[i]->tinte.emplace_back(copie, &tranzactie_->write(copie));
        } catch (const platform::FileError& e) {
            esueaza(copie, e);
        }
    }
    return i;
}

void RescriereGrup::director(const std::string& nume) {
    if (ok()) {
        try {
            tranzactie_->makeDirectory(nume);
        } catch (const platform::FileError& e) {
            esueaza(nume, e);
        }
    }
}

void RescriereGrup::scrie(std::size_t fisier, const std::string& linie) { linii(fisier).writeLine(linie); }

void RescriereGrup::scrie(std::size_t fisier, const std::vector<std::string>& linii) {
    for (const auto& l : linii) {
        scrie(fisier, l);
    }
}

void RescriereGrup::scrie(std::size_t fisier, const std::vector<std::string_view>& linii) {
    // One text for all the lines: the writers take whole strings.
    std::string linie;
    // Views are often in another order than their texts in memory (a sorted
    // list): the texts a few lines ahead are asked for early, instead of
    // waiting for each in turn.
    constexpr std::size_t Inainte = 8;
    for (std::size_t i = 0; i < linii.size(); ++i) {
        if (i + Inainte < linii.size()) {
            __builtin_prefetch(linii[i + Inainte].data());
        }
        linie.assign(linii[i]);
        scrie(fisier, linie);
    }
}

void RescriereGrup::copiaza(std::size_t fisier, const std::string& sursa) {
    if (!ok() || files::entryKind(sursa) == files::EntryKind::Missing) {
        return;
    }
    if (const std::string motiv = files::notAFileMessage(sursa); !motiv.empty()) {
        esueaza(sursa, platform::FileError(platform::PathFileAccessError, sursa, motiv), true);
        esec_->motiv = motiv;
        return;
    }
    try {
        tranzactie_->uses(sursa);
    } catch (const platform::FileError& e) {
        esueaza(sursa, e, true);
        return;
    }
    const std::string citita = files::resolve(sursa).string();
    fisiere_.at(fisier)->pentruFiecare([&](files::AtomicWriter& w) {
        try {
            files::copyInto(sursa, w);
        } catch (const platform::FileError& e) {
            if (e.file() != citita) {
                throw;
            }
            esueaza(sursa, e, true);
        }
    });
}

platform::LineSink& RescriereGrup::linii(std::size_t fisier) { return *fisiere_.at(fisier); }

Rezultat RescriereGrup::finalizeaza() {
    if (ok()) {
        try {
            tranzactie_->commit();
        } catch (const platform::FileError& e) {
            std::string fisier = e.file();
            if (fisier.rfind("./", 0) == 0) {
                fisier.erase(0, 2);
            }
            const bool inCurs = tranzactie_->unfinished();
            esueaza(fisier, e);
            esec_->laInlocuire = inCurs;
        }
    }
    tranzactie_ = std::make_unique<files::Transaction>();
    fisiere_.clear();
    return rezultat();
}

Rezultat RescriereGrup::rezultat() const {
    if (!esec_) {
        return Rezultat::reusit();
    }
    if (!esec_->motiv.empty()) {
        return Rezultat::esec(esec_->motiv);
    }
    return Rezultat::esec(esec_->citire ? mesajEroareCitire(esec_->numar, esec_->fisier)
                                        : mesajEroareScriere(esec_->numar, esec_->fisier));
}

void RescriereGrup::esueaza(const std::string& fisier, const platform::FileError& e, bool citire) {
    if (!esec_) {
        esec_ = EsecGrup{fisier, e.number(), citire, false, ""};
        if (const auto* legate = dynamic_cast<const platform::LinkedNamesError*>(&e)) {
            esec_->motiv = mesajNumeLegate(*legate);
        }
    }
    tranzactie_ = std::make_unique<files::Transaction>(); // the scratch files go
    for (auto& f : fisiere_) {
        f->tinte.clear();
    }
}

} // namespace olm
