// Whether the project on screen holds work that no file has: the project as
// its file would hold it and the input window's controls, taken when the
// project was opened, saved or started, against the same now.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <string>

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_file.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "platform/Platform.h"
#include "widgets/Controls.h"

namespace qeb {

namespace {

std::string g_gemerkt;

// What the project file would hold of the shared state, line by line.
std::string DateiStand() {
  // The language is the program's, not a change of the project.
  const std::string sprache = Sprache;
  Sprache.clear();
  std::string s;
  for (const LineSpec& l : ProjectLayout()) {
    if (l.kind == LineKind::Version || l.kind == LineKind::Header) continue;
    s += FormatLayoutLine(l);
    s += '\n';
  }
  Sprache = sprache;
  return s;
}

// What the input window shows and the next transfer would take.
std::string FensterStand() {
  std::string s;
  if (Form1 == nullptr) return s;
  for (const QLineEdit* e : Form1->findChildren<QLineEdit*>())
    if (!e->isReadOnly()) s += e->objectName().toStdString() + '=' + e->text().toStdString() + '\n';
  for (const RadioGroup* r : Form1->findChildren<RadioGroup*>())
    s += r->objectName().toStdString() + '=' + std::to_string(r->itemIndex()) + '\n';
  for (const QComboBox* c : Form1->findChildren<QComboBox*>())
    s += c->objectName().toStdString() + '=' + std::to_string(c->currentIndex()) + '\n';
  for (const QCheckBox* c : Form1->findChildren<QCheckBox*>())
    s += c->objectName().toStdString() + '=' + (c->isChecked() ? "1" : "0") + '\n';
  return s;
}

}  // namespace

void ProjektStandMerken() { g_gemerkt = DateiStand() + FensterStand(); }

void ProjektStandVergessen() { g_gemerkt.clear(); }

bool UngespeicherteAenderungen() { return !g_gemerkt.empty() && g_gemerkt != DateiStand() + FensterStand(); }

bool ProjektUnveraendert() { return !g_gemerkt.empty() && !UngespeicherteAenderungen(); }

bool TForm1::VorErsetzenSpeichern() {
  if (!UngespeicherteAenderungen()) return true;
  if (Ask(Sprachtext("Speichern?", "Sauvegarder ?", "Save ?", "¿Guardar?", "Salva ?")) != kJa) return true;
  // A save that is cancelled or refused keeps the project on screen.
  return ToolButtonSpeichernClick();
}

}  // namespace qeb
