// What a window shows for an error of the calculation module.
#pragma once

#include <QString>

namespace qeb {

class CalcError;

// The module's text (Windows-1252) as the screen shows it. A value the module
// refuses is named as the user knows it: the caption of the field it was typed
// into and the text standing there, with what the value must be, rather than
// the key it is stored under or a line of the run's scratch file. A refused
// value no field holds keeps the module's text.
QString CalcErrorText(const CalcError& e);

}  // namespace qeb
