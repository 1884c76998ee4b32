#include "shell/Exp.h"

#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_plant.h"
#include "calc/TextIO.h"
#include "input/QEBInput_project.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "shell/QEB.h"
#include "shell/Sprachen.h"
#include "widgets/TableData.h"

namespace qeb {

#define QEB_WINDOW TBeispielFenster
#define QEB_TABLE_FILE "shell/Exp_controls.inc"
#include "widgets/WindowTables.inc"
#undef QEB_WINDOW

TForm11* Form11 = nullptr;
TForm12* Form12 = nullptr;
TForm13* Form13 = nullptr;
TForm14* Form14 = nullptr;
TForm15* Form15 = nullptr;
TForm16* Form16 = nullptr;
TForm17* Form17 = nullptr;
TForm18* Form18 = nullptr;
TForm19* Form19 = nullptr;
TForm20* Form20 = nullptr;

namespace {

// What each picture shows: boreholes in the field, depth, and the extras.
struct Bild {
  int sonden;
  int tiefe;  // m
  bool kollektor, netz, grundwasser, pfaehle, luft, kuehlung;
};
const Bild kBilder[11] = {{},
                          {1, 185, false, false, false, false, false, false},
                          {1, 185, false, false, false, false, false, false},
                          {10, 210, false, false, false, false, false, false},
                          {13, 140, false, false, false, false, false, true},
                          {13, 140, false, false, false, false, false, true},
                          {4, 180, true, false, false, false, false, false},
                          {21, 180, true, true, false, false, false, false},
                          {12, 120, false, false, true, false, false, true},
                          {36, 20, false, false, true, true, false, true},
                          {4, 180, false, false, false, false, true, false}};

QPixmap Zeichne(int k) {
  const Bild& b = kBilder[k];
  QPixmap pm(420, 260);
  pm.fill(QColor(0xcf, 0xe8, 0xff));
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const int boden = 70;
  p.fillRect(0, boden, 420, 190, QColor(0xb0, 0x8a, 0x5a));
  if (b.grundwasser) p.fillRect(0, boden + 90, 420, 40, QColor(0x6a, 0x9a, 0xd0));
  // House.
  p.setBrush(QColor(0xf2, 0xf2, 0xf2));
  p.setPen(Qt::black);
  p.drawRect(20, 30, 60, 40);
  p.drawPolygon(QPolygon({QPoint(15, 30), QPoint(50, 8), QPoint(85, 30)}));
  if (b.kollektor) {
    p.setBrush(QColor(0x20, 0x30, 0x70));
    p.drawPolygon(QPolygon({QPoint(52, 9), QPoint(82, 28), QPoint(76, 30), QPoint(48, 12)}));
  }
  if (b.luft) {
    p.setBrush(QColor(0xc0, 0xc0, 0xc0));
    p.drawRect(95, 45, 30, 25);
    p.drawEllipse(QPoint(110, 57), 9, 9);
  }
  if (b.netz) {
    p.setBrush(QColor(0xf2, 0xf2, 0xf2));
    for (int i = 0; i < 3; ++i) p.drawRect(300 + i * 35, 40, 28, 30);
  }
  // Boreholes, drawn to the depth of the example (200 m fill the picture).
  const int n = std::min(b.sonden, 36);
  const int breite = 260;
  const int x0 = 140;
  // Piles are drawn to reach the groundwater they stand in.
  const int laenge = b.pfaehle ? 110 : std::max(12, std::min(185, b.tiefe * 185 / 220));
  p.setPen(QPen(b.pfaehle ? QColor(0x80, 0x80, 0x80) : QColor(0x10, 0x50, 0xc0), b.pfaehle ? 5 : 2));
  for (int i = 0; i < n; ++i) {
    const int x = n == 1 ? x0 + breite / 2 : x0 + i * breite / (n - 1);
    p.drawLine(x, boden, x, boden + laenge);
  }
  p.setPen(Qt::black);
  QFont f = p.font();
  f.setPointSize(10);
  f.setBold(true);
  p.setFont(f);
  p.drawText(QRect(140, 4, 270, 24), Qt::AlignRight,
             QString::fromUtf8("Beispiel %1: %2 x %3 m").arg(k).arg(b.sonden).arg(b.tiefe));
  if (b.kuehlung) p.drawText(QRect(140, 24, 270, 20), Qt::AlignRight, QStringLiteral("Heizen / Kühlen"));
  return pm;
}

std::string ZeilenText(std::string_view text, size_t zeile) {
  size_t p = 0;
  for (size_t i = 1; i < zeile; ++i) {
    p = text.find('\n', p);
    if (p == std::string_view::npos) return {};
    ++p;
  }
  size_t e = text.find_first_of("\r\n", p);
  return std::string(text.substr(p, e == std::string_view::npos ? std::string_view::npos : e - p));
}

void Aufrufen(QObject* o, const char* slot) {
  if (o == nullptr) return;
  const QByteArray sig = QByteArray(slot) + "()";
  if (o->metaObject()->indexOfMethod(sig.constData()) >= 0) QMetaObject::invokeMethod(o, slot, Qt::DirectConnection);
}

QWidget* FensterNamens(const char* name) {
  for (QWidget* w : ApplicationWindows())
    if (w->objectName() == QLatin1String(name)) return w;
  return nullptr;
}

}  // namespace

TBeispielFenster::TBeispielFenster(int k, QWidget* parent) : QDialog(parent), k_(k) {
  setObjectName(QStringLiteral("Form%1").arg(k + 10));
  setWindowTitle(QStringLiteral("Programm QEB:  Beispiel %1").arg(k));
  setProperty("titleTags", QVariantList{8, QStringLiteral(":  "), 842, QStringLiteral(" %1").arg(k)});
  BuildFromTables(this, Tables(), nullptr, nullptr);
#include "widgets/WindowBinding.inc"
  Image1->setPixmap(Zeichne(k));
  const std::string_view text = BeispielText(k);
  LBeschreibung->setText(QString::fromStdString(Win1252ToUtf8(ZeilenText(text, 3))) + QStringLiteral("\n") +
                         QString::fromStdString(Win1252ToUtf8(ZeilenText(text, 2))));
  LBeschreibung->setWordWrap(true);
  LBeschreibung->setFixedWidth(420);
  LBeschreibung->setMinimumHeight(LBeschreibung->heightForWidth(420));
  connect(Button1, &QPushButton::clicked, this, &TBeispielFenster::Button1Click);
  connect(ButtonBeenden, &QPushButton::clicked, this, &TBeispielFenster::ButtonBeendenClick);
}

void TBeispielFenster::ButtonBeendenClick() { close(); }

bool BeispielLaden(int k) {
  TForm1& f = *Form1;
  BeispielWirdGeladen = true;
  struct Ende {
    ~Ende() { BeispielWirdGeladen = false; }
  } ende;
  if (Form4 != nullptr) Form4->close();
  const std::string sprache = Sprache;
  const SpracheBleibt bleibt;
  // 2.-3. The text goes to "Bsp<k>.qeb" through a scratch file, so that a
  // failed write never leaves a half example behind.
  const std::string_view text = BeispielText(k);
  const std::string ziel = "Bsp" + std::to_string(k) + ".qeb";
  {
    std::ofstream o("Bsp.qeb", std::ios::binary | std::ios::trunc);
    o.write(text.data(), static_cast<std::streamsize>(text.size()));
    o.close();
    std::error_code ec;
    if (!o || text.empty() || (std::filesystem::rename("Bsp.qeb", ziel, ec), ec)) {
      std::filesystem::remove("Bsp.qeb", ec);
      Message("Bsp.qeb: " + std::string(ec ? ec.message() : "Schreibfehler / write error"));
      return false;
    }
  }
  Sprache = sprache;
  // 5. The text is read as a project; a text the reader refuses ends the load here.
  DateiGewaehlt = true;
  BeispielModus = true;
  double teillastDatei = 0;  // the part-load power as the file holds it
  try {
    const SpracheBleibt probe;
    Simulate(-3);
    Inputfile = ziel;
    const bool keep = readfile;
    readfile = true;
    struct Zurueck {
      bool& r;
      bool v;
      ~Zurueck() { r = v; }
    } zurueck{readfile, keep};
    Simulate(-2);
    teillastDatei = Heizleistung_Teillast;
  } catch (const CalcError& e) {
    BeispielModus = false;
    Message(Win1252ToUtf8(e.what()));
    f.EingabenAnzeigen();
    return false;
  }
  f.Einlesen(ziel);
  BeispielModus = false;
  // 6.-11.
  Heizleistung_Teillast = teillastDatei;
  f.EingabenAnzeigen();
  SetLanguage(Sprache);
  SetTabVisible(f.Lastprofil, Lastprofil2);
  SetTabVisible(f.TabSheet5, !Lastprofil2);
  SwqebFile = "swqeb.dat";
  f.EingabenUebernehmen();
  f.EingabenAnzeigen();
  Sprache = sprache;
  SetLanguage(Sprache);
  return true;
}

void TBeispielFenster::Button1Click() {
  TForm1& f = *Form1;
  const std::string sprache = Sprache;
  const int k = k_;
  // Unsaved work is offered for saving before the example replaces it.
  if (!f.VorErsetzenSpeichern()) return;
  ErgebnisfensterSchliessen();
  // Read twice (the first display's handlers then see the whole project),
  // except the outdoor-air example.
  for (int mal = 0; mal < (k == 10 ? 1 : 2); ++mal)
    if (!BeispielLaden(k)) return;
  // The example as set up below is the project from which changes count.
  struct StandMerken {
    ~StandMerken() { ProjektStandMerken(); }
  } standMerken;
  Aufrufen(&f, "Rckkhler1Click");
  auto ohneTauscher = [&] {
    f.ESolar->setItemIndex(1);
    f.ERueckkuehler->setItemIndex(1);
    mitRueckkuehler = false;
    RueckkuehlLeistung = 0;
    Ein_Rueckkuehler = 0;
    Aufrufen(&f, "AussenluftTauscheraus1Click");
  };
  // The glazed collector's characteristic of the examples with collectors.
  auto kollektorKennwerte = [] {
    Eta0 = 0.925;
    b_1 = 11.26;
    b_2 = 2.45;
    b_u = 0.012;
    parallel = 1;
    u = 1.5;
    a1 = 0;
    a2 = 0;
  };
  auto kollektorenZeigen = [&] {
    for (QWidget* w : {static_cast<QWidget*>(f.Label308), static_cast<QWidget*>(f.Label309),
                       static_cast<QWidget*>(f.Label318), static_cast<QWidget*>(f.Label317),
                       static_cast<QWidget*>(f.ENeigung), static_cast<QWidget*>(f.EAzimut)})
      w->show();
    SetTabVisible(f.TabKollektoren, true);
  };
  auto erdauswahl = [&] {
    f.CErdauswahl1->setCurrentIndex(3);
    for (QComboBox* c : {f.CErdauswahl2, f.CErdauswahl3, f.CErdauswahl4, f.CErdauswahl5}) c->setCurrentIndex(8);
  };
  if (k <= 5) {
    ohneTauscher();
    SetTabVisible(f.TabKollektoren, false);
    Sprache = sprache;
    f.EingabenAnzeigen();
    close();
  } else if (k == 6 || k == 7) {
    ohneTauscher();
    if (k == 6) WWsolar = true;
    Solarspeicher = k == 6 ? 1000 : 4000;
    Ak_Fak_WWTauscher = k == 6 ? 200 : 100;
    Speicherverluste = k == 6 ? 0.005 : 0.01;
    cp_Kollektor = 3900;
    kollektorKennwerte();
    HeizlastWW = k == 6 ? 28000 : 116400;
    OffsetAktuell = 0;
    Offset = 0;
    ShiftWeatherData();
    Sprache = sprache;
    f.EingabenAnzeigen();
    close();
    Sprache = sprache;
    if (k == 6) erdauswahl();
    kollektorenZeigen();
    StandardWetterjahrKopieren(Aussentemperatur, Luftfeuchte, Globalstrahlung);
    Offset = 7;
    f.EingabenAnzeigen();
    ShiftWeatherData();
  } else if (k == 8 || k == 9) {
    ohneTauscher();
    SetTabVisible(f.TabKollektoren, false);
    Sprache = sprache;
    LastYear = k == 8 ? 50 : 20;
    DeltaVerdampfer = k == 8 ? 2 : 3;
    Ak_Fak_WWTauscher = 100;
    Speicherverluste = 0.01;
    kollektorKennwerte();
    if (k == 8) {
      const double l[6] = {0, 1.6, 1.8, 1.6, 1.8, 2.5}, le[6] = {0, 1.6, 2.8, 1.6, 2.2, 2.5};
      for (int i = 1; i <= 5; ++i) lambdaErde[i] = l[i], lambdaErde_eff[i] = le[i];
    } else {
      const double l[11] = {0, 1.6, 1.6, 1.8, 1.8, 1.6, 1.8, 1.8, 2.5, 2.5, 2.5};
      const double le[11] = {0, 1.6, 1.6, 2.8, 2.8, 1.6, 2.2, 2.2, 2.5, 2.5, 2.5};
      for (int i = 1; i <= 10; ++i) lambdaErde[i] = l[i], lambdaErde_eff[i] = le[i];
    }
    f.EingabenAnzeigen();
    f.ELeitfaehigkeit1->setCurrentIndex(1);
    f.ELeitfaehigkeit2->setCurrentIndex(6);
    f.ELeitfaehigkeit3->setCurrentIndex(4);
    f.EingabenUebernehmen();
    close();
    SetTabVisible(f.TabSheet9, true);
    f.Grundwasser1->setVisible(true);
    if (k == 9) {
      // The piles' field comes from the field editor, when the program has one.
      Aufrufen(&f, "Sondenfeld1Click");
      Aufrufen(FensterNamens("Feld"), "Button1Click");
    }
    StandardWetterjahrKopieren(Aussentemperatur, Luftfeuchte, Globalstrahlung);
  } else {
    f.ESolar->setItemIndex(1);
    solar = false;
    f.ERueckkuehler->setItemIndex(0);
    mitRueckkuehler = true;
    RueckkuehlLeistung = 40;
    Ein_Rueckkuehler = 3;
    mKollektor = 2;
    cp_Kollektor = 3900;
    Solarspeicher = 1000;
    Ak_Fak_WWTauscher = 100;
    Speicherverluste = 0;
    Kollektor = 0;
    Eta0 = b_1 = b_2 = b_u = 0;
    parallel = 1;
    u = 1;
    a1 = a2 = 0;
    HeizlastWW = 33000;
    OffsetAktuell = 0;
    Offset = 0;
    ShiftWeatherData();
    Sprache = sprache;
    f.EingabenAnzeigen();
    close();
    Sprache = sprache;
    f.ComboFluid->setCurrentIndex(6);
    erdauswahl();
    kollektorenZeigen();
    StandardWetterjahrKopieren(Aussentemperatur, Luftfeuchte, Globalstrahlung);
    Offset = 7;
    f.EingabenAnzeigen();
    ShiftWeatherData();
  }
}

TBeispielFenster* BeispielFenster(int k) {
  TBeispielFenster* const w[] = {nullptr, Form11, Form12, Form13, Form14, Form15,
                                 Form16,  Form17, Form18, Form19, Form20};
  return k >= 1 && k <= 10 ? w[k] : nullptr;
}

void BeispielFensterErzeugen() {
  if (Form11 != nullptr) return;
  Form11 = new TForm11();
  Form12 = new TForm12();
  Form13 = new TForm13();
  Form14 = new TForm14();
  Form15 = new TForm15();
  Form16 = new TForm16();
  Form17 = new TForm17();
  Form18 = new TForm18();
  Form19 = new TForm19();
  Form20 = new TForm20();
  for (int k = 1; k <= 10; ++k) RegisterWindow(BeispielFenster(k));
}

void BeispielFensterLoeschen() {
  Form11 = nullptr;
  Form12 = nullptr;
  Form13 = nullptr;
  Form14 = nullptr;
  Form15 = nullptr;
  Form16 = nullptr;
  Form17 = nullptr;
  Form18 = nullptr;
  Form19 = nullptr;
  Form20 = nullptr;
}

}  // namespace qeb
