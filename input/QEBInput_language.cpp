// The language menu of the project input window.
#include <QAction>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <algorithm>

#include "calc/QEBMOD.h"
#include "input/QEBInput.h"
#include "platform/Platform.h"
#include "shell/Sprachen.h"

namespace qeb {

namespace {
// The chosen letter stands even when a language file names another; the
// state is shown again so the re-filled lists keep their selections.
void Switch(TForm1* form, const char* letter) {
  Sprache = letter;
  SetLanguage(Sprache);
  Sprache = letter;
  form->EingabenAnzeigen();
  form->BreiteAnTexteAnpassen();
}
}  // namespace

namespace {
// The width the user gave the window (or its design width), and the width
// the language last widened it to: a window the user has not resized since
// goes back to the user's width when the captions need no more.
int g_grundbreite = 0;
int g_angepasst = 0;
}  // namespace

void TForm1::BreiteAnTexteAnpassen() {
  // Longer captions (French, Italian) would push a tab's right column under
  // a scroll bar: the window grows by what its widest tab lacks, as far as
  // the screen allows, and no further; shorter captions give the width back
  // down to what the user made it.
  // Only a window on the screen has laid out its tabs.
  if (!isVisible()) return;
  if (g_angepasst == 0 || width() != g_angepasst) g_grundbreite = width();
  // The tabs share one page size; a page not shown yet has not laid out its
  // scroll area, so the page on screen gives the room every tab has.
  auto* aktuell = PageControl1->currentWidget() != nullptr ? PageControl1->currentWidget()->findChild<QScrollArea*>()
                                                           : nullptr;
  // (Its width without a scroll bar: the page shown may scroll.)
  const int platz = (aktuell != nullptr ? aktuell->maximumViewportSize().width() : PageControl1->width() - 20) -
                    (width() - g_grundbreite);
  const int hoehe = aktuell != nullptr ? aktuell->maximumViewportSize().height() : PageControl1->height();
  int noetig = 0;
  for (int i = 0; i < PageControl1->count(); ++i) {
    auto* scroll = PageControl1->widget(i)->findChild<QScrollArea*>();
    if (scroll == nullptr || scroll->widget() == nullptr) continue;
    const QSize inhalt = scroll->widget()->minimumSizeHint();
    // A tab taller than the page scrolls: its vertical bar takes width too.
    const int balken = inhalt.height() > hoehe ? scroll->verticalScrollBar()->sizeHint().width() : 0;
    noetig = std::max(noetig, inhalt.width() + balken);
  }
  // A tab measures a few pixels short until it has been shown (its
  // captions wrap when laid out at their width): a small allowance.
  constexpr int kZugabe = 16;
  const int fehlt = noetig - platz;
  const int grenze = static_cast<int>(Screen().width * 0.95);
  const int breite =
      fehlt > 0 ? std::min(g_grundbreite + fehlt + kZugabe, std::max(g_grundbreite, grenze)) : g_grundbreite;
  if (breite != width()) resize(breite, height());
  g_angepasst = width();
}

void TForm1::Deutsch1Click() { Switch(this, "D"); }
void TForm1::Englisch1Click() { Switch(this, "E"); }
void TForm1::Franzsisch1Click() { Switch(this, "F"); }
void TForm1::Italienisch1Click() { Switch(this, "I"); }
void TForm1::Spanisch1Click() { Switch(this, "S"); }
void TForm1::Sprachfileschreiben1Click() { WriteLanguageFiles(); }

void ConnectLanguageMenu(TForm1* form) {
  QObject::connect(form->Deutsch1, &QAction::triggered, form, &TForm1::Deutsch1Click);
  QObject::connect(form->Englisch1, &QAction::triggered, form, &TForm1::Englisch1Click);
  QObject::connect(form->Franzsisch1, &QAction::triggered, form, &TForm1::Franzsisch1Click);
  QObject::connect(form->Italienisch1, &QAction::triggered, form, &TForm1::Italienisch1Click);
  QObject::connect(form->Spanisch1, &QAction::triggered, form, &TForm1::Spanisch1Click);
  QObject::connect(form->Sprachfileschreiben1, &QAction::triggered, form, &TForm1::Sprachfileschreiben1Click);
  // The five languages are always offered; only the developer's file
  // output stays hidden.
  for (QAction* a : {form->Deutsch1, form->Englisch1, form->Franzsisch1, form->Italienisch1, form->Spanisch1})
    a->setVisible(true);
}

}  // namespace qeb
