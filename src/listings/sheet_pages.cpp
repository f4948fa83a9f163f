#include "listings/sheet_pages.h"

namespace olm {

namespace {

// The lines of the sheet, a marker at the top of every further page.
std::size_t cuMarcaje(const TextFoaie& foaie, std::string_view cod, std::string& pagini) {
    const std::size_t linii = foaie.numarLinii();
    std::size_t scrise = 0;
    std::size_t numarate = 0;
    // The first page holds 65 of the sheet's lines, every further one 63
    // after its marker and empty line.
    std::size_t locuri = LungPagina;
    while (scrise < linii) {
        const std::size_t cate = std::min(locuri, linii - scrise);
        pagini += foaie.octeti(scrise, cate);
        scrise += cate;
        numarate += cate;
        if (cate == locuri) {
            pagini.append(51, ' ').append("(Cod angajat : ").append(cod).append(")\r\n\r\n");
            numarate += 2;
            locuri = LungPagina - 2;
        }
    }
    return numarate;
}

} // namespace

int ScriePagini(const TextFoaie& foaie, std::optional<std::string_view> codMarcaj, std::string& pagini) {
    std::size_t numarate = foaie.numarLinii();
    if (codMarcaj) {
        numarate = cuMarcaje(foaie, *codMarcaj, pagini);
    } else {
        pagini += foaie.octeti(0, numarate);
    }
    const std::size_t rest = numarate % LungPagina;
    if (rest != 0) {
        for (std::size_t i = rest; i < LungPagina; ++i) {
            pagini += "\r\n";
        }
    }
    return static_cast<int>(numarate);
}

} // namespace olm
