#include "exchange/verification_run.h"

#include "exchange/verification_dependants.h"
#include "exchange/verification_employer.h"
#include "exchange/verification_files.h"
#include "exchange/verification_fisa1_sheets.h"
#include "exchange/verification_fisa2.h"
#include "exchange/verification_report.h"
#include "exchange/verification_screening.h"
#include "platform/busy.h"
#include "platform/files.h"
#include "shared/data_files.h"

namespace olm {

RezultatVerificare VerificaFisiereExterne() {
    RezultatVerificare rez;
    try {
        // A report left from an earlier run must not pass for this one's.
        StergeFisierVerificat(RaportVerificareFisier);
        RaportVerificare raport;

        ScrieAntetSectiune(raport, 1);
        FisiereEcranate fisiere = EcraneazaFisiere(raport);

        ScrieAntetSectiune(raport, 2);
        const std::string codAngajator = VerificaCodAngajator(fisiere.repfisc, raport);
        ReparaRepfisc();

        ScrieAntetSectiune(raport, 3);
        Fise1Verificate fise;
        if (!fisiere.ff1Sortat.empty()) {
            ScrieFisierVerificat(SetFf1().lucru, [&](platform::LineSink& ff1) {
                fise = VerificaFise1(fisiere.ff1Sortat, raport, ff1);
            });
            // The sort items are no longer needed.
            fisiere.ff1Sortat = {};
            fisiere.ff1Text.reset();
        }

        ScrieAntetSectiune(raport, 4);
        for (const std::string& linie : fisiere.ff2) {
            platform::keepPainted();
            VerificaFisa2(linie, raport);
        }

        ScrieAntetSectiune(raport, 5);
        // What the correlation takes of each line, read by these checks.
        std::vector<CoeficientiPersoana> persoane(fisiere.deduceri.size());
        for (std::size_t i = 0; i < fisiere.deduceri.size(); ++i) {
            platform::keepPainted();
            VerificaPersoanaIntretinuta(fisiere.deduceri[i], raport, persoane[i]);
        }

        ScrieAntetSectiune(raport, 6);
        if (fise.eroareData) {
            ScrieNotaAbandon(raport);
        } else {
            VerificaCorelareCoeficienti(fise.coeficienti, persoane, raport);
        }
        ScrieSfarsitRaport(raport);

        rez.copie = NumeCopieRaport(codAngajator);
        StergeFisierVerificat(rez.copie);
        ScrieFisierVerificat(RaportVerificareFisier, raport.linii());
        rez.existaErori = raport.existaErori();
        if (rez.existaErori) {
            ScrieFisierVerificat(rez.copie, raport.linii());
        } else {
            namespace files = platform::files;
            rez.mesaj = MesajFaraErori(files::isEmpty(SetRepfisc().lucru), files::isEmpty(SetFf1().lucru),
                                       files::isEmpty(SetFf2().lucru), files::isEmpty(SetDeduceri().lucru));
        }
    } catch (const EsecVerificare& e) {
        rez = {};
        rez.eroare = e.what();
    }
    return rez;
}

} // namespace olm
