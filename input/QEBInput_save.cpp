// Saving a project: the project is calculated with the chosen file as the
// module's output file, so the file the run writes is the saved project; the
// files that travel with it are copied beside it. And closing the window.
#include <QImage>
#include <QSaveFile>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "calc/QEBMOD.h"
#include "calc/TextIO.h"
#include "input/QEBInput.h"
#include "input/QEBInput_catalog.h"
#include "input/QEBInput_project.h"
#include "platform/Jpeg.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "shell/start.h"
#include "shell/Sprachen.h"

namespace fs = std::filesystem;

namespace qeb {

// ---------------- helpers ----------------

std::string ProjektBasis(const std::string& projekt) {
  return projekt.size() > 4 ? projekt.substr(0, projekt.size() - 4) : std::string();
}

std::string VerzeichnisVon(const std::string& datei) {
  std::error_code ec;
  fs::path p = fs::absolute(fs::path(datei), ec);
  if (ec) p = fs::path(datei);
  std::string d = p.parent_path().string();
  if (d.empty() || d.back() != '/') d += '/';
  return d;
}

namespace {

// A name beside the target that no project uses, for the file being written.
std::string DateiDaneben(const std::string& ziel, const char* art) {
  const fs::path p(ziel);
  return (p.parent_path() / ("." + p.filename().string() + "." + art + "~")).string();
}

// Writes a picture beside its target and moves it into place.
bool BildSchreiben(const QImage& bild, const std::string& ziel, bool jpeg) {
  if (bild.isNull()) return false;
  if (jpeg) {
    const std::string tmp = DateiDaneben(ziel, "bild");
    if (!SaveJpeg(bild, tmp)) {
      std::remove(tmp.c_str());
      return false;
    }
    std::error_code ec;
    fs::rename(tmp, ziel, ec);
    if (ec) std::remove(tmp.c_str());
    return !ec;
  }
  QSaveFile f(QString::fromStdString(ziel));
  if (!f.open(QIODevice::WriteOnly)) return false;
  if (!bild.save(&f, "BMP")) {
    f.cancelWriting();
    return false;
  }
  return f.commit();
}

bool GleicheDatei(const std::string& a, const std::string& b) { return !a.empty() && !b.empty() && SameFile(a, b); }

}  // namespace

const char* Sprachtext(const char* d, const char* f, const char* e, const char* s, const char* i) {
  if (Sprache == "D") return d;
  if (Sprache == "F") return f;
  if (Sprache == "S") return s;
  if (Sprache == "I") return i;
  return e;
}

bool BegleitdateiKopieren(const std::string& von, const std::string& nach, std::string* grund) {
  auto fehler = [grund](const std::string& g) {
    if (grund != nullptr) *grund = g;
    return false;
  };
  if (!FileCanBeOpened(von)) return fehler("cannot read " + von);
  // The same file under two names: there is nothing to copy, and copying
  // would truncate the source first.
  if (SameFile(von, nach)) return true;
  const std::string tmp = DateiDaneben(nach, "kopie");
  {
    std::ifstream in(von, std::ios::binary);
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!in || !out) {
      std::remove(tmp.c_str());
      return fehler("cannot write " + nach);
    }
    out << in.rdbuf();
    out.flush();
    if (!out || in.bad()) {
      out.close();
      std::remove(tmp.c_str());
      return fehler("cannot write " + nach);
    }
  }
  std::error_code ec;
  fs::rename(tmp, nach, ec);
  if (ec) {
    std::remove(tmp.c_str());
    return fehler("cannot write " + nach + ": " + ec.message());
  }
  return true;
}

// ---------------- saving ----------------

bool TForm1::ToolButtonSpeichernClick() {
  // A save cancelled in its dialog leaves an unchanged project unchanged,
  // although taking the window's values in rounds them to what it shows.
  const bool unveraendert = ProjektUnveraendert();
  bool benannt = false;
  // 1.-3. The project's name and description, while they are the defaults.
  EingabenUebernehmen();
  if (Projekttitel2.empty() || Projekttitel2 == "Projekt Erdwaermesonden") {
    const std::string a = UI().InputBox(
        "Info QEB",
        Sprachtext("Information über das Projekt:", "Information du projet:", "Information about the project:",
                   "Información del proyecto:", "Informazione:"),
        "");
    if (!a.empty()) {
      Projekttitel2 = Utf8ToWin1252(a);
      EProjektname->setText(QString::fromStdString(a));
      benannt = true;
    }
  }
  if (Projekttitel1.empty() || Projekttitel1.rfind("Programm", 0) == 0) {
    const std::string a = UI().InputBox(
        "Info QEB",
        Sprachtext("Beschrieb der Variante:", "Description:", "Description:", "Descripción:", "Descrizione:"), "");
    if (!a.empty()) {
      Projekttitel1 = Utf8ToWin1252(a);
      EBeschreibung->setText(QString::fromStdString(a));
      benannt = true;
    }
  }
  // 4.
  if (Allsteps && LastYear > 30) {
    LastYear = 30;
    EingabenAnzeigen();
  }
  if (TempProfil && metaObject()->indexOfMethod("TemProfilClick()") >= 0)
    QMetaObject::invokeMethod(this, "TemProfilClick", Qt::DirectConnection);
  if (StepWrite > 1)
    Message(" Achtung: Mehr als 1 Berechnungsschritt pro Ausgabewert!   Warning: More than 1 timestep per output value!");
  Button9Click();
  const std::string sprache = Sprache;
  if (Form4 != nullptr) Form4->close();
  // 5. The plan as the field editor left it.
  QImage plan;
  if (mitPlan && FileCanBeOpened("plan.qeb")) plan.load(QStringLiteral("plan.qeb"));
  // 6. A project with measured hours keeps them as they were taken in,
  // whichever years they stand for: its rows carry them, not the run's own
  // values of the last year, so that opening it gives them back.
  MesswerteSpeichern = MessungAn();

  bool gespeichert = false;
  for (;;) {
    // 7.
    const std::string vorschlag = Projektdateiname.empty() ? std::string() : fs::path(Projektdateiname).filename().string();
    std::string datei = UI().SaveFileName(Beschriftung(888, "Textdateien") + " (*.txt)", Programmverzeichnis, vorschlag);
    if (datei.empty()) break;
    // The open dialog lists "*.txt": a name typed without a suffix gets it.
    if (fs::path(datei).extension().empty()) datei += ".txt";
    Programmverzeichnis = VerzeichnisVon(datei);
    const bool writefileAlt = writefile;
    const int stepWriteAlt = StepWrite;

    // 8. The run reads the project it writes: the opened file (under any of
    // its names) is never the target, unless this project was saved there.
    const bool istEingabe = GleicheDatei(datei, Inputfile) || GleicheDatei(datei, Projektdateiname) ||
                            GleicheDatei(datei, GeoeffneteDatei);
    if (istEingabe && !GleicheDatei(datei, GespeichertUnter)) {
      Outputfile = Programmverzeichnis + "Ausgabe.qeb";
      Message(" Eingabe- und Ausgabefile duerfen nicht gleich heissen! / Change File name! ");
      continue;
    }

    // 9. Borehole resistances outside the limit of the two-pipe model.
    if (4.0 * Rb - Ra < 0.01 && Ra > 0.0 && Rb > 0.0 && !Einzelrohr) {
      const double ra = Ra, rb = Rb, rc = Rc;
      EHellstroem->setItemIndex(1);
      Ra = ra;
      Rb = rb;
      Rc = rc;
      ERa->setText(FixedText(Ra, 3));
      ERb->setText(FixedText(Rb, 3));
      ERc->setText(FixedText(Rc, 3));
    }

    // 10. The run writes beside the target; only a run that reached its end
    // replaces the file, so an earlier project there stays whole otherwise.
    const std::string entwurf = DateiDaneben(datei, "speichern");
    Schreiben(entwurf);
    Sprache = sprache;
    ProjektGeoeffnet = false;
    bool ok = Rechnen();
    Sprache = sprache;
    StepWrite = stepWriteAlt;
    writefile = writefileAlt;
    Outputfile = Programmverzeichnis + "Ausgabe.qeb";
    EingabenAnzeigen();
    Sprache = sprache;
    if (ok) {
      std::error_code ec;
      fs::rename(entwurf, datei, ec);
      if (ec) {
        Message("Datei kann nicht geschrieben werden / cannot write file: " + datei + " (" + ec.message() + ")");
        ok = false;
      }
    }
    std::remove(entwurf.c_str());
    if (!ok) break;
    gespeichert = true;
    Projektdateiname = datei;
    GespeichertUnter = datei;

    // 11. The files that travel with the project.
    const std::string basis = ProjektBasis(datei);
    if (mitPlan && !plan.isNull()) {
      BildSchreiben(plan, basis + ".map", false);
      BildSchreiben(plan, "plan.qeb", false);
    }
    if (BildGeladen) BildSchreiben(Projektbild, basis + (BildIstBitmap ? ".bmp" : ".jpg"), !BildIstBitmap);
    if (LogoGeladen) BildSchreiben(Logobild.toImage(), Programmverzeichnis + "logo.jpg", true);
    Message(" Berechnung unter dem Namen \"" + datei + "\" gespeichert! ");
    for (int k = 1; k <= 3; ++k)
      if (PdfVorhanden[k] && FileCanBeOpened(PdfDatei[k]))
        BegleitdateiKopieren(PdfDatei[k], basis + "_" + std::to_string(k) + ".pdf");
    const std::string* temp[4] = {nullptr, &TempDatei1, &TempDatei2, &TempDatei3};
    const bool vorhanden[4] = {false, TempDateiVorhanden1, TempDateiVorhanden2, TempDateiVorhanden3};
    for (int k = 1; k <= 3; ++k)
      if (vorhanden[k] && FileCanBeOpened(*temp[k]))
        BegleitdateiKopieren(*temp[k], basis + "_Temp" + std::to_string(k) + ".txt");
    if (TRTProjektDaten) {
      const std::string ext = fs::path(TRTKopieName).extension().string();
      if (FileCanBeOpened(TRTKopieName)) {
        BegleitdateiKopieren(TRTKopieName, basis + ext);
      } else if (FileCanBeOpened("TRT.qeb")) {
        // The working copy of the measurement is a text file: it travels as ".trt".
        BegleitdateiKopieren("TRT.qeb", basis + ((ext == ".txt" || ext == ".TXT" || ext.empty()) ? ".trt" : ext));
      }
    }
    break;
  }
  // 12.
  PulldownErde();
  Sprache = sprache;
  MesswerteSpeichern = false;
  // What was saved is the project from which later changes count.
  if (gespeichert || (unveraendert && !benannt)) ProjektStandMerken();
  return gespeichert;
}

// ---------------- closing ----------------

void TForm1::Button1Click() {
  if (Ask(Sprachtext("Wollen Sie das Programm QEB beenden?", "Voulez-vous quitter le logiciel QEB ?",
                     "Exit the program QEB ?", "¿Abandonar el programa QEB ?", "Abbandonare il programma QEB?")) != kJa)
    return;
  // A save that is cancelled or fails keeps the program open: the work is
  // not lost. Right after a save with nothing changed since there is
  // nothing to save.
  if (!ProjektUnveraendert() &&
      Ask(Sprachtext("Speichern?", "Sauvegarder ?", "Save ?", "¿Guardar?", "Salva ?")) == kJa &&
      !ToolButtonSpeichernClick())
    return;
  if (Form4 != nullptr) Form4->close();
  if (Form3 != nullptr) Form3->show();
  hide();
  DruckTasteZurueck();
  // The project has left the screen: nothing of it is lost by the next one.
  ProjektStandVergessen();
  if (Form3 != nullptr) Form3->ButtonBeendenClick();
}

}  // namespace qeb
