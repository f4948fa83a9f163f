#pragma once

// What the employer's and the employee's forms have alike: the address boxes
// laid out from a table with their labels, the county list, the rules run
// when an address box is left, boxes that copy their text into the form's
// record, and the message of a refused code.

#include "platform/controls.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace olm {

struct CasetaAdresa {
    platform::Geometry loc;
    const char* eticheta;
    platform::Geometry locEticheta;
    int lungime; // the most characters the clerk may type
};

// Adds one box to `adrese` in `cadru` for each line of the table, with its
// label (kept in `etichete`) and its maximum length; the boxes turn to upper
// case on leaving and refuse "#" (a record has no escaping).
void adaugaCaseteAdresa(platform::ControlArray<platform::TextBox>& adrese, platform::Frame& cadru,
                        std::span<const CasetaAdresa> casete,
                        std::vector<std::unique_ptr<platform::Label>>& etichete);

// An address box left: the postal code (3) and the sector (8) are kept as
// numbers, then the sector survives only in the capital and up to 6.
void parasesteAdresa(platform::ControlArray<platform::TextBox>& adrese, int i);

// The county list emptied and filled with the 43 entries of Judete.
void umpleJudete(platform::ComboBox& lista);
// Selects the county: the blank first entry when it is blank, and also when
// the list does not hold it.
void alegeJudet(platform::ComboBox& lista, std::string_view judet);

// Enter in `din` moves the focus to `spre`; the key is not used up.
void laEnter(platform::Control& din, platform::Control& spre);

// Every change of the box's text is copied into the field.
void oglindeste(platform::TextBox& caseta, std::string& camp);

// "Cod incorect", exclamation icon, a title of two blanks.
void codIncorect();

} // namespace olm
