// Exchange files of the input window: the borehole positions written for
// and read from other projects, the site temperature file, and the hourly
// table for the outside simulation program Polysun.
#pragma once

#include <string>

namespace qeb {

class TForm1;
// Binds the exchange commands to their menu items and button.
void AustauschVerbinden(TForm1* form);

void ExportSonden1Click();
void ImportSonden1Click();
void ExportTempStao1Click();
void ImportTempStao1Click();
void NoImportTempStao1Click();
void Polysun_Schnittstelle();

// The borehole position file of the current field (lines with CR LF).
std::string SondenDateiText();
// Reads a borehole position file into the field. Every row is checked first:
// only a complete file of 1 to 600 rows replaces the field; otherwise the
// field stays and `fehler` names the line. The file's own origin line decides
// whether its rows are national or plan coordinates.
bool SondenDateiLesen(const std::string& datei, std::string& fehler);
// The hourly exchange table converted from the lines of a saved project;
// false (with the reason) when the project does not hold a full year.
bool PolysunTabelle(const std::string& projekt, std::string& tabelle, std::string& fehler);

}  // namespace qeb
