#pragma once

// The search for a byte in a record line, eight bytes at a time. Cutting a
// line into fields and checking its shape come down to finding the next ","
// or "#"; fields are short but a file holds millions of them, and a search
// in the library costs a call for every field. Here a word of eight bytes is
// compared whole: after an exclusive or with the byte repeated eight times,
// the bytes equal to it are the zero bytes of the word, and
//     ~(((x & 7F..7F) + 7F..7F) | x | 7F..7F)
// sets the high bit of exactly those (no carry crosses a byte, so there is
// no false match). Words are read with their first byte lowest, so the
// first match is the lowest set bit.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace olm::detail {

// The high bit of every byte of `cuvant` that equals the byte repeated in
// `model`.
constexpr std::uint64_t octetiEgali(std::uint64_t cuvant, std::uint64_t model) {
    constexpr std::uint64_t Sapte = 0x7F7F7F7F7F7F7F7FULL;
    const std::uint64_t x = cuvant ^ model;
    return ~(((x & Sapte) + Sapte) | x | Sapte);
}

constexpr std::uint64_t repetat(char c) { return 0x0101010101010101ULL * static_cast<unsigned char>(c); }

// Eight bytes from p, the first of them in the lowest bits whatever the
// order of the machine, so that the lowest marked bit is the first match.
inline std::uint64_t cuvantLa(const char* p) {
    std::uint64_t w;
    std::memcpy(&w, p, sizeof w);
    if constexpr (std::endian::native == std::endian::big) {
        w = __builtin_bswap64(w);
    }
    return w;
}

// The place in the word of the first byte marked by octetiEgali.
inline std::size_t primulMarcat(std::uint64_t marcat) { return static_cast<std::size_t>(std::countr_zero(marcat) / 8); }

// Calls `f` with the place of every byte from p on that is `a` or `b`, in
// order, while it returns true; returns false when `f` stopped it.
template <typename F>
bool pentruFiecareLoc(std::string_view text, std::size_t p, char a, char b, F f) {
    const char* d = text.data();
    const std::size_t n = text.size();
    const std::uint64_t ma = repetat(a);
    const std::uint64_t mb = repetat(b);
    for (; p + 8 <= n; p += 8) {
        const std::uint64_t w = cuvantLa(d + p);
        for (std::uint64_t m = octetiEgali(w, ma) | octetiEgali(w, mb); m != 0; m &= m - 1) {
            if (!f(p + primulMarcat(m))) {
                return false;
            }
        }
    }
    for (; p < n; ++p) {
        if ((d[p] == a || d[p] == b) && !f(p)) {
            return false;
        }
    }
    return true;
}

// The first place from p on that holds `c`; npos when none does.
inline std::size_t gasesteOctet(std::string_view text, std::size_t p, char c) {
    std::size_t gasit = std::string_view::npos;
    pentruFiecareLoc(text, p, c, c, [&gasit](std::size_t q) {
        gasit = q;
        return false;
    });
    return gasit;
}

} // namespace olm::detail
