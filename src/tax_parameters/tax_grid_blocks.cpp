#include "tax_parameters/tax_grid_blocks.h"

#include "shared/number_text.h"

#include <algorithm>
#include <vector>

namespace olm {

std::optional<LocBloc> blocValabil(const Grila& grila, int luna) {
    // The blocks stand in descending order of month: the first row whose
    // month is not after the wanted one starts the block that applies.
    int i = 0;
    while (i < RanduriImpozitar && !grila[i].gol && grila[i].luna > luna) {
        ++i;
    }
    if (i >= RanduriImpozitar || grila[i].gol) {
        return std::nullopt;
    }
    LocBloc loc;
    loc.luna = static_cast<int>(grila[i].luna);
    loc.inceput = i;
    const double luna0 = grila[i].luna;
    while (i < RanduriImpozitar && !grila[i].gol && grila[i].luna == luna0) {
        ++i;
    }
    loc.randuri = i - loc.inceput;
    return loc;
}

BlocAfisat blocGol() { return {}; }

BlocAfisat afiseazaBloc(const Grila& grila, const LocBloc& loc) {
    BlocAfisat bloc;
    const int ultim = loc.inceput + loc.randuri - 1; // the lowest bracket
    for (int r = 0; r < RanduriBloc && r < loc.randuri; ++r) {
        const RandImpozitar& rand = grila[ultim - r];
        bloc[r].limMin = TextNumar(rand.limitaInf);
        bloc[r].limMax = TextNumar(rand.limitaSup);
        bloc[r].impFix = TextNumar(rand.fix);
        bloc[r].procent = TextNumar(rand.procent);
    }
    return bloc;
}

bool scrieBloc(Grila& grila, int luna, const BlocAfisat& bloc) {
    std::vector<RandImpozitar> nou;
    nou.reserve(RanduriImpozitar + RanduriBloc);

    // The blocks of later months keep their place in front.
    int i = 0;
    while (i < RanduriImpozitar && !grila[i].gol && grila[i].luna > luna) {
        nou.push_back(grila[i]);
        ++i;
    }
    // The new block, highest bracket first; a row without an upper limit is
    // no bracket.
    for (int r = RanduriBloc - 1; r >= 0; --r) {
        if (bloc[r].limMax.empty()) {
            continue;
        }
        RandImpozitar rand;
        rand.gol = false;
        rand.luna = luna;
        rand.limitaInf = ValoareText(bloc[r].limMin);
        rand.limitaSup = ValoareText(bloc[r].limMax);
        rand.fix = ValoareText(bloc[r].impFix);
        rand.procent = ValoareText(bloc[r].procent);
        nou.push_back(rand);
    }
    // The month's old block goes; the earlier months follow as they were.
    while (i < RanduriImpozitar && !grila[i].gol && grila[i].luna == luna) {
        ++i;
    }
    while (i < RanduriImpozitar && !grila[i].gol) {
        nou.push_back(grila[i]);
        ++i;
    }
    if (nou.size() > static_cast<std::size_t>(RanduriImpozitar)) {
        return false;
    }
    Grila rezultat{};
    std::copy(nou.begin(), nou.end(), rezultat.begin());
    grila = rezultat;
    return true;
}

} // namespace olm
