// olm-transfer: converts the DBF tables of another application into the four
// working text files of the fiscal year named in "tr12.txt". Started by the
// verification window in the working directory, without arguments; exit
// status 0 when the files were written, 1 when "ferr.txt" says why not.

#include "transfer/transfer.h"

int main() { return olm::transfer::RuleazaTransfer(); }
