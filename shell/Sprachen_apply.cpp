// The language switch on the windows: every tagged control of every window
// takes its text from the working table of the chosen language.
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVariant>
#include <QWidget>

#include "calc/QEBMOD.h"
#include "calc/TextIO.h"
#include "widgets/Controls.h"
#include "shell/QEB.h"
#include "shell/Sprachen.h"

namespace qeb {

namespace {

// Module texts are Windows-1252; these literals are written in UTF-8.
std::string W(std::string_view utf8) { return Utf8ToWin1252(utf8); }

// The tables write an apostrophe as a backquote ("l`Office"); the screen
// shows the apostrophe.
std::string Apostrophe(std::string s) {
  for (char& c : s)
    if (c == '`') c = '\'';
  return s;
}

// The toolkit's own texts (the buttons of message boxes, the file dialogs)
// follow the chosen language through its translation catalogue; English
// needs none.
void ToolkitLanguage(const std::string& letter) {
  static QTranslator* translator = nullptr;
  static std::string installed;
  if (letter == installed || QCoreApplication::instance() == nullptr) return;
  if (translator != nullptr) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
  }
  installed = letter;
  const char* code = nullptr;
  switch (LanguageIndex(letter)) {
    case 0: code = "de"; break;
    case 2: code = "fr"; break;
    case 3: code = "it"; break;
    case 4: code = "es"; break;
    default: return;
  }
  auto* t = new QTranslator();
  if (t->load(QStringLiteral("qtbase_") + QLatin1String(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(t);
    translator = t;
  } else {
    delete t;
  }
}

QTabWidget* PageControlOf(QWidget* page) {
  QWidget* stack = page->parentWidget();
  return stack != nullptr ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
}

// A window's title from its "titleTags": text numbers and literal pieces
// (a number, a separator) in order.
void RelabelTitle(QWidget* w, const std::string& letter) {
  const QVariant tags = w->property("titleTags");
  if (!tags.isValid()) return;
  QString title;
  for (const QVariant& part : tags.toList())
    title += part.typeId() == QMetaType::Int ? FromBytes(Apostrophe(LanguageText(part.toInt(), letter)))
                                             : part.toString();
  w->setWindowTitle(title);
}

void Relabel(QObject* o, const std::string& letter) {
  bool ok = false;
  const int tag = o->property("tag").toInt(&ok);
  if (!ok || tag == 0) return;
  // A caption made of a figure and a word ("0  -  6 Uhr") keeps its figure.
  const QString prefix = o->property("prefix").toString();
  auto text = [&](int n) { return prefix + FromBytes(Apostrophe(LanguageText(n, letter))); };
  if (qobject_cast<QLineEdit*>(o) != nullptr) return;  // an edit holds data, never a caption
  if (auto* r = qobject_cast<RadioGroup*>(o)) {
    for (int k = 0; k < r->count(); ++k) r->setItemText(k, text(tag + k));
  } else if (auto* c = qobject_cast<QComboBox*>(o)) {
    for (int k = 0; k < c->count(); ++k) c->setItemText(k, text(tag + k));
  } else if (auto* l = qobject_cast<QLabel*>(o)) {
    SetCaption(l, text(tag));
  } else if (auto* b = qobject_cast<QAbstractButton*>(o)) {
    b->setText(text(tag));
  } else if (auto* a = qobject_cast<QAction*>(o)) {
    a->setText(text(tag));
  } else if (auto* g = qobject_cast<QGroupBox*>(o)) {
    g->setTitle(text(tag));
  } else if (auto* page = qobject_cast<QWidget*>(o)) {
    if (QTabWidget* tabs = PageControlOf(page)) {
      const int i = tabs->indexOf(page);
      if (i >= 0) tabs->setTabText(i, text(tag));
    }
  }
}

}  // namespace

std::string Monatsname[13];
std::string TextSondenruecklauf, TextEntzugMittel, TextTage, TextJahr, TextTemperaturAchse, TextQuellenRuecklauf,
    TextEntzugsleistung, TextLeistungBedarf, TextKuehlenergie, TextHeizenergie, TextSprungantwort,
    TextSystemTemperaturen, TextVorRuecklaufNetz, TextAussenluft, TextGFunktion, TextZeitachseLn;

namespace {

void GermanGraphLabels() {
  static const char* const months[13] = {"",     "Januar", "Februar", "März",    "April",    "Mai",     "Juni",
                                         "Juli", "August", "September", "Oktober", "November", "Dezember"};
  for (int m = 1; m <= 12; ++m) Monatsname[m] = W(months[m]);
  TextSondenruecklauf = W("Sondenrücklauf");
  TextEntzugMittel = "Entzug 24h-Mittel [kW]";
  TextTage = "Tage";
  TextJahr = "Jahr = ";
  TextTemperaturAchse = W("Temperatur [°C]");
  TextQuellenRuecklauf = W("Quellen- und Rücklauftemperatur");
  TextEntzugsleistung = "Entzugsleistung [kW]";
  TextLeistungBedarf = "      Entzugsleistung & Bedarf";
  TextKuehlenergie = W("Kühlenergie = ");
  TextHeizenergie = "Heizenergie = ";
  TextSprungantwort = "Sprungantwort";
  TextSystemTemperaturen = "     System - Temperaturen";
  TextVorRuecklaufNetz = W("Vor-& Rücklauftemperatur Kältenetz");
  TextAussenluft = "Aussen- und Zulufttemperatur";
  TextGFunktion = "dimensionslose Temperatursprungantwort";
  TextZeitachseLn = "Zeit ln(t/ts)  [-]";
}

void TranslatedGraphLabels(const std::string& letter) {
  auto t = [&](int n) { return Apostrophe(LanguageText(n, letter)); };
  for (int m = 1; m <= 12; ++m) Monatsname[m] = t(361 + m);
  TextSondenruecklauf = t(376);
  TextEntzugMittel = t(382) + " [kW]";
  TextTage = t(383);
  TextJahr = t(384);
  TextTemperaturAchse = W("Temp. [°C]");
  TextQuellenRuecklauf = std::string(18, ' ') + t(375);
  TextEntzugsleistung = t(112) + " [kW]";
  TextLeistungBedarf.clear();
  TextKuehlenergie = t(359);
  TextHeizenergie = t(360);
  // The tables hold no text for the step-response title.
  switch (letter[0]) {
    case 'E': TextSprungantwort = "Step response"; break;
    case 'F': TextSprungantwort = W("Réponse indicielle"); break;
    case 'I': TextSprungantwort = "Risposta al gradino"; break;
    default: TextSprungantwort = W("Respuesta al escalón"); break;
  }
  TextSystemTemperaturen.clear();
  TextVorRuecklaufNetz = std::string(12, ' ') + t(377);
  TextAussenluft = std::string(17, ' ') + t(378);
  TextGFunktion.clear();
  TextZeitachseLn = "     ln(t/ts)  [-]";
}

// The graph labels read German until a language is applied.
[[maybe_unused]] const bool kGermanAtStart = (GermanGraphLabels(), true);

}  // namespace

std::string Fenstersprache;

std::string Fenstertext(int n) { return Apostrophe(LanguageText(n, Fenstersprache)); }

std::string Beschriftung(int n, const char* deutsch) {
  const std::string t = Fenstertext(n);
  return t.empty() ? std::string(deutsch) : Win1252ToUtf8(t);
}

void ApplyLanguage(const std::string& letter) {
  Fenstersprache = letter;
  for (int lang = 0; lang < kSprachen; ++lang)
    for (int i = 31; i <= 40; ++i) Sprachtabelle[lang][170 + i] = Erdname[i];

  ToolkitLanguage(letter);
  for (QWidget* w : ApplicationWindows()) {
    if (w == nullptr) continue;
    RelabelTitle(w, letter);
    for (QObject* o : w->findChildren<QObject*>()) Relabel(o, letter);
    // Longer words need more room: a window lays itself out anew, inner
    // layouts first, and grows to what its captions need. A hidden window's
    // layouts would otherwise keep the sizes of the previous language.
    const QList<QWidget*> teile = w->findChildren<QWidget*>();
    for (auto it = teile.rbegin(); it != teile.rend(); ++it)
      if (QLayout* l = (*it)->layout()) {
        l->invalidate();
        l->activate();
      }
    if (QLayout* l = w->layout()) {
      l->invalidate();
      l->activate();
    }
    // A scroll area sizes its page only while it is shown: the pages not in
    // front would keep the size of the old texts and squeeze the new ones
    // when turned to. Each page takes the size its new texts need now.
    for (QScrollArea* s : w->findChildren<QScrollArea*>())
      if (s->widget() != nullptr && s->widgetResizable()) {
        QEvent neu(QEvent::LayoutRequest);
        QCoreApplication::sendEvent(s, &neu);
      }
    const QSize noetig = w->minimumSizeHint();
    if (noetig.isValid() && (w->width() < noetig.width() || w->height() < noetig.height()))
      w->resize(w->size().expandedTo(noetig));
  }

  if (!letter.empty()) {
    const bool translated = letter == "E" || letter == "F" || letter == "I" || letter == "S";
    if (translated) {
      TranslatedGraphLabels(letter);
    } else {
      GermanGraphLabels();
    }
  }
  if (letter == "E" || letter == "F" || letter == "I" || letter == "S") {
    for (int i = 1; i <= 40; ++i) Erdname[i] = LanguageText(170 + i, letter);
  } else if (letter == "D") {
    // Back to German: the German names, not those of the language applied last.
    for (int i = 1; i <= 40; ++i) Erdname[i] = LanguageText(170 + i, letter);
  }
  // A picture drawn in the previous language (the run's graph, which the
  // report prints) is drawn again in this one.
  for (QWidget* w : ApplicationWindows())
    if (w != nullptr && w->metaObject()->indexOfMethod("BildInSprache()") >= 0)
      QMetaObject::invokeMethod(w, "BildInSprache", Qt::DirectConnection);
}

}  // namespace qeb
