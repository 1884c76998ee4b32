// Placeholder until the label and rock tables are filled in.
#include "calc/QEBMOD.h"

namespace qeb {
void FillLabelTable() {}
void FillRockTable() {}
}  // namespace qeb
