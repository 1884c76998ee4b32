// Outside material linked to a project: attached PDF documents, the maker's
// manuals and courses, web map viewers at the project's location, the project
// picture and print logo, and the support mail with the saved project.
#pragma once

#include <QImage>
#include <string>

namespace qeb {

class TForm1;
void DokumenteVerbinden(TForm1* form);

// Hosts of the web pages (configuration).
extern const char* const kKartenHost;      // national map viewer
extern const char* const kKantonHost;      // canton map viewer
extern const char* const kGeomolHost;      // 3D geological viewer
extern const char* const kGeomolAnsicht;   // its saved view

extern std::string GespeichertesProjekt;   // project file last saved (the support mail's attachment)
extern std::string GespeicherterPlan;      // its ".map" plan file

void Handbuch1Click();
void Manual1Click();
void Kurse1Click();
void Kurse21Click();
// Chooses attached document n (1..3) / opens it (chooses when none).
void PDFWaehlen(int n);
void PDFOeffnen(int n);

// Map viewers; each returns the page it opened.
std::string FelstiefeClick();
std::string GA1Click();
std::string Tektonik1Click();
std::string Geologie1Click();
std::string Geologiedaten1Click();
std::string Karte1Click();
std::string Vogel1Click();
std::string QEBZH1Click();
std::string FelsZH1Click();
std::string WasserZH1Click();
std::string Geomol1Click();
void LandkartenClick();

void BildeinlesenClick();
void ClipboardEinlesenClick();
void LogoClick();

void Button18Click();
// Shows a new mail in the desktop's mail program; false (with a message) when
// none took it.
bool SendeSupportMail(const std::string& an, const std::string& betreff, const std::string& text,
                      const std::string& anhang);

// Shows the picture on the info tab, sized as the preview is.
void BildZeigen(const QImage& bild);

}  // namespace qeb
