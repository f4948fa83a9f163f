#include "transfer/dbf_layout.h"

#include <cstdio>

namespace olm::transfer {

namespace {

using C = Coloana;
constexpr FelColoana Cod = FelColoana::Cod;
constexpr FelColoana Text = FelColoana::Text;
constexpr FelColoana Data = FelColoana::Data;
constexpr FelColoana Numar = FelColoana::Numar;

// Widths of the templates: those of the program's own boxes.
C suma(std::string nume) { return {std::move(nume), Numar, 15, 0}; }
C coeficient(std::string nume) { return {std::move(nume), Numar, 5, 2}; }
C marca(std::string nume) { return {std::move(nume), Text, 1}; }

// "V01".."V12" and the like.
std::string cuLuna(const char* prefix, int luna) {
    char s[16];
    std::snprintf(s, sizeof s, "%s%02d", prefix, luna);
    return s;
}

void adauga(std::vector<C>& v, std::initializer_list<C> c) { v.insert(v.end(), c); }

// Code, surname, first name and address: the head of both sheets.
std::vector<C> identitate() {
    return {{"COD", Cod, 13},      {"NUME", Text, 40},  {"PRENUME", Text, 40}, {"LOCALIT", Text, 50},
            {"JUDET", Text, 20},   {"STRADA", Text, 50}, {"NUMAR", Text, 10},  {"CODPOSTAL", Cod, 6},
            {"BLOC", Text, 10},    {"SCARA", Text, 10},  {"ETAJ", Text, 10},   {"APART", Text, 10},
            {"SECTOR", Cod, 1}};
}

// Income and tax of each month, "V01", "I01", ... "V12", "I12".
void luniVenitImpozit(std::vector<C>& v) {
    for (int luna = 1; luna <= 12; ++luna) {
        v.push_back(suma(cuLuna("V", luna)));
        v.push_back(suma(cuLuna("I", luna)));
    }
}

std::vector<C> coloaneRepfisc() {
    return {{"COD", Cod, 13},     {"TIP", Cod, 1},       {"DENUMIRE", Text, 160}, {"NUME", Text, 40},
            {"PRENUME", Text, 40}, {"LOCALIT", Text, 50}, {"JUDET", Text, 20},     {"STRADA", Text, 50},
            {"NUMAR", Text, 10},  {"CODPOSTAL", Cod, 6}, {"BLOC", Text, 10},      {"SCARA", Text, 10},
            {"ETAJ", Text, 10},   {"APART", Text, 10},   {"SECTOR", Cod, 1},      {"TELEFON", Text, 10},
            {"EMAIL", Text, 50}};
}

std::vector<C> coloaneFf1() {
    std::vector<C> v = identitate();
    adauga(v, {marca("RECTIF"), marca("REGUL"), marca("FARADOM"), marca("ALTEVEN"), marca("INV1"),
               marca("INV2"), {"", Text, 0}, {"DATAANG", Data, 8}, {"DATAINC", Data, 8}});
    for (int luna = 1; luna <= 12; ++luna) {
        v.push_back(coeficient(cuLuna("CT", luna)));
    }
    for (int luna = 1; luna <= 12; ++luna) {
        v.push_back(coeficient(cuLuna("CP", luna)));
    }
    luniVenitImpozit(v);
    adauga(v, {suma("VPRIMA"), suma("IPRIMA"), suma("VTOTAL"), suma("ITOTAL"), {"NRLUNI", Numar, 2},
               suma("CHPROF"), suma("R3"), suma("R4"), suma("R5"), suma("R6"), suma("R7"), suma("R9"),
               suma("R10"), suma("VIMPFIN"), suma("IMPFIN"), suma("VSCUTIT")});
    return v;
}

std::vector<C> coloaneFf2() {
    std::vector<C> v = identitate();
    v.push_back(marca("RECTIF"));
    for (int tip = 1; tip <= 8; ++tip) {
        v.push_back(marca("AS" + std::to_string(tip)));
    }
    luniVenitImpozit(v);
    adauga(v, {suma("VTOTAL"), suma("ITOTAL")});
    return v;
}

std::vector<C> coloaneDeduceri() {
    std::vector<C> v{{"COD", Cod, 13},    {"CODPERS", Cod, 13}, {"NUME", Text, 40}, {"PRENUME", Text, 40},
                     marca("SOT"),        marca("COPIL"),       marca("ALTAPERS"),  marca("INV1"),
                     marca("INV2"),       marca("ALTESIT")};
    for (int luna = 1; luna <= 12; ++luna) {
        v.push_back(coeficient(cuLuna("C", luna)));
    }
    return v;
}

} // namespace

std::span<const TabelDbf> TabeleDbf() {
    static const std::vector<TabelDbf> tabele{
        {"Rep", "Repfisc.txt", structuraRepfisc(), coloaneRepfisc()},
        {"FF1", "FF1.txt", structuraFf1(), coloaneFf1()},
        {"FF2", "FF2.txt", structuraFf2(), coloaneFf2()},
        {"Ded", "Deduceri.txt", structuraDeduceri(), coloaneDeduceri()},
    };
    return tabele;
}

std::string NumeTabelAnual(const TabelDbf& t, int an) { return t.prefix + "_" + std::to_string(an) + ".dbf"; }

std::string NumeSablon(const TabelDbf& t) { return t.prefix + ".dbf"; }

bool TipAcceptat(FelColoana fel, char tip) {
    switch (fel) {
    case FelColoana::Cod:
        return tip == 'C' || tip == 'N';
    case FelColoana::Text:
        return tip == 'C';
    case FelColoana::Data:
        return tip == 'C' || tip == 'D';
    case FelColoana::Numar:
        return tip == 'N' || tip == 'F';
    }
    return false;
}

std::string_view TipuriAcceptate(FelColoana fel) {
    switch (fel) {
    case FelColoana::Cod:
        return "C sau N";
    case FelColoana::Text:
        return "C";
    case FelColoana::Data:
        return "C sau D";
    case FelColoana::Numar:
        return "N sau F";
    }
    return "";
}

char TipSablon(FelColoana fel) {
    switch (fel) {
    case FelColoana::Cod:
    case FelColoana::Text:
        return 'C';
    case FelColoana::Data:
        return 'D';
    case FelColoana::Numar:
        return 'N';
    }
    return 'C';
}

} // namespace olm::transfer
