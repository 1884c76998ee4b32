// Project files of the input window: the files that travel with a project
// (plan, picture, logo, documents, temperature files, response-test data),
// the names the open and save commands remember, and the file-system helpers
// both use.
#pragma once

#include <QImage>
#include <string>
#include <vector>

namespace qeb {

class TForm1;
// Binds the calculation, saving and opening commands to their buttons and
// menu items (called once by the window's constructor).
void ConnectCalculationHandlers(TForm1* form);

// ---- companion files found when a project is opened ----
extern bool ProjektfeldGeladen;   // the field of the project file was loaded
extern bool MesswerteAusProjekt;  // measured rows come from the project file itself
extern bool BildGeladen;          // a project picture is loaded
extern bool BildIstBitmap;        // ... from a ".bmp" (else a JPEG)
extern QImage Projektbild;
extern std::string PdfDatei[4];   // attached documents 1..3 ("_1.pdf" ...)
extern bool PdfVorhanden[4];
extern std::string TempDatei1, TempDatei2, TempDatei3;  // attached temperature files
extern bool TempDateiVorhanden1, TempDateiVorhanden2, TempDateiVorhanden3;
extern std::string TRTProjektTrt;  // project base name + ".trt"
extern std::string TRTProjektXls;  // project base name + ".xls"
extern bool TRTProjektDaten;       // the response-test data belong to the project
extern std::string TRTKopieName;   // the response-test data file copied on save
extern bool TRTTrtVorhanden, TRTXlsVorhanden;

// ---- names the open and save commands remember ----
// The project's file as the other windows name it (last opened or saved).
extern std::string Projektdateiname;
// (The file the open command read last is the module's GeoeffneteDatei: the
// stored hourly rows are taken from that file only.)
// The file this project was last saved to; empty after the defaults.
extern std::string GespeichertUnter;

// A project that replaces the one on screen (open, new, an example) takes
// every window that shows results of the replaced one off the screen: the
// summary, the graph, the course, the g-function, the ground profile and the
// pressure drop; and the sums of the last run go, so that the summary,
// shown again, calculates the new project.
void ErgebnisfensterSchliessen();

// ---- helpers ----
// The project file's name without its last four characters (".txt").
std::string ProjektBasis(const std::string& projekt);
// Directory of a file, with a trailing "/".
std::string VerzeichnisVon(const std::string& datei);
// The text of the language `Sprache` (English for any other letter).
const char* Sprachtext(const char* d, const char* f, const char* e, const char* s, const char* i);
// Copies `von` onto `nach` so that `nach` is never left half written: a file
// copied onto itself is left alone, and otherwise the copy goes to a
// temporary file beside the target that then replaces it. False (with the
// reason in `grund`) when the source cannot be read or the target written.
bool BegleitdateiKopieren(const std::string& von, const std::string& nach, std::string* grund = nullptr);

// The project named on the command line: the first argument when it names a
// readable file, else empty. Tests may stand in their own arguments.
std::string KommandozeilenProjekt();
void SetKommandozeile(const std::vector<std::string>* argumente);

// After the module read `datei`: the numbers of the lines it passed over
// because their option is off, taken as the file holds them (current file
// version only, values outside their plausible range keep the default).
// Returns the keys taken.
std::vector<std::string> NachgeleseneWerte(const std::string& datei);

// The project as opened, saved or started: taken now, and compared with the
// project on screen (its file's values and the input window's controls).
// Nothing taken (after quitting the window): no unsaved changes.
void ProjektStandMerken();
void ProjektStandVergessen();
bool UngespeicherteAenderungen();
// Taken and unchanged since (so nothing needs saving).
bool ProjektUnveraendert();
// For a handler the engineer runs without entering anything (a tab brought
// to the front, a cancelled dialog): what it derives from an unchanged
// project -- the window's values taken at their shown precision, the
// pressure drop at them -- leaves the project unchanged.
class OhneEingabe {
 public:
  OhneEingabe();
  ~OhneEingabe();
  OhneEingabe(const OhneEingabe&) = delete;
  OhneEingabe& operator=(const OhneEingabe&) = delete;

 private:
  bool unveraendert_;
};

// Height of the picture thumbnail on the info tab; a higher picture makes it
// round(345 x width / height) wide and is stretched into it.
inline constexpr int kVorschauHoehe = 345;
int VorschauBreite(int bildBreite, int bildHoehe, int normalBreite);

}  // namespace qeb
