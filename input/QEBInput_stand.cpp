// Whether the project on screen holds work that no file has: the project as
// its file would hold it and the input window's controls, taken when the
// project was opened, saved or started, against the same now.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>
#include <string>
#include <vector>

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

// What the input window shows and the next transfer would take. Sorted by
// name: the tab brought to the front moves its controls in the window's
// order of children, which is no change of what they hold.
std::string FensterStand() {
  std::vector<std::string> z;
  if (Form1 == nullptr) return {};
  for (const QLineEdit* e : Form1->findChildren<QLineEdit*>())
    if (!e->isReadOnly()) z.push_back(e->objectName().toStdString() + '=' + e->text().toStdString());
  for (const RadioGroup* r : Form1->findChildren<RadioGroup*>())
    z.push_back(r->objectName().toStdString() + '=' + std::to_string(r->itemIndex()));
  for (const QComboBox* c : Form1->findChildren<QComboBox*>())
    z.push_back(c->objectName().toStdString() + '=' + std::to_string(c->currentIndex()));
  for (const QCheckBox* c : Form1->findChildren<QCheckBox*>())
    z.push_back(c->objectName().toStdString() + '=' + (c->isChecked() ? "1" : "0"));
  std::sort(z.begin(), z.end());
  std::string s;
  for (const std::string& l : z) s += l + '\n';
  return s;
}

}  // namespace

void ProjektStandMerken() { g_gemerkt = DateiStand() + FensterStand(); }

void ProjektStandVergessen() { g_gemerkt.clear(); }

bool UngespeicherteAenderungen() { return !g_gemerkt.empty() && g_gemerkt != DateiStand() + FensterStand(); }

bool ProjektUnveraendert() { return !g_gemerkt.empty() && !UngespeicherteAenderungen(); }

OhneEingabe::OhneEingabe() : unveraendert_(ProjektUnveraendert()) {}

OhneEingabe::~OhneEingabe() {
  if (unveraendert_) ProjektStandMerken();
}

bool TForm1::VorErsetzenSpeichern() {
  if (!UngespeicherteAenderungen()) return true;
  if (Ask(Sprachtext("Speichern?", "Sauvegarder ?", "Save ?", "¿Guardar?", "Salva ?")) != kJa) return true;
  // A save that is cancelled or refused keeps the project on screen.
  return ToolButtonSpeichernClick();
}

}  // namespace qeb
