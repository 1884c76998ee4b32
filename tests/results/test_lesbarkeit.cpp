// What a user reads: the printed reports with a long project name and a
// turbulent pressure drop lay every line whole in its column and page, the
// course graph holds every curve it draws, the pressure summary speaks each
// language in its own wording, the windows show their values whole and hide
// empty groups, module texts arrive converted, and the input window's close
// box asks before it closes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QtTest/qtestspontaneevent.h>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QDialog>
#include <QTimer>
#include <QRadioButton>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "calc/ErdsondenModel.h"
#include "calc/QEBMOD.h"
#include "input/QEBInput.h"
#include "platform/Platform.h"
#include "platform/Print.h"
#include "results/Bericht.h"
#include "results/Grafik.h"
#include "results/Molasse.h"
#include "results/Result.h"
#include "results/gfunc.h"
#include "results/verlauf.h"
#include "shell/Sprachen.h"
#include "shell/start.h"
#include "tests/support/captions.h"
#include "tests/support/pdf.h"
#include "tests/support/scratch.h"
#include "tests/support/ui_project.h"

namespace fs = std::filesystem;

namespace qeb {
namespace {

void Tippen(QLineEdit* e, const QString& text) {
  e->setFocus();
  e->selectAll();
  QTest::keyClicks(e, text);
  e->clearFocus();
  emit e->editingFinished();
}

class Lesbarkeit : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektFuerDenBericht();
    dir = FrischerOrdner("lesbar_");
  }
  void TearDown() override {
    if (const char* d = std::getenv("QEB_BILDER"))
      for (const auto& e : fs::directory_iterator(dir))
        fs::copy_file(e.path(), fs::path(d) / e.path().filename(), fs::copy_options::overwrite_existing);
    SetPrinterOverride(-1);
    Sprache = "D";
  }
  std::string dir;
};

struct Wort {
  double x0, y0, x1, y1;
  std::string text;
};
// The words of a page with their boxes, as pdftotext lays them out.
std::vector<Wort> WortBoxen(const std::string& pdf, int seite, double& breite, double& hoehe) {
  const std::string s = std::to_string(seite);
  const std::string html = Ausgabe("pdftotext -bbox-layout -f " + s + " -l " + s + " '" + pdf + "' - 2>/dev/null");
  std::smatch m;
  if (std::regex_search(html, m, std::regex(R"x(<page width="([0-9.]+)" height="([0-9.]+)")x"))) {
    breite = std::stod(m[1]);
    hoehe = std::stod(m[2]);
  }
  std::vector<Wort> w;
  const std::regex wort(R"x(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)x");
  for (auto it = std::sregex_iterator(html.begin(), html.end(), wort); it != std::sregex_iterator(); ++it)
    w.push_back({std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]), std::stod((*it)[4]), (*it)[5]});
  return w;
}
std::string Folge(const std::vector<Wort>& w) {
  std::string s;
  for (const Wort& x : w) s += x.text + " ";
  return s;
}
std::string Folge(const QString& text) { return Woerter(text.simplified().toStdString() + " "); }

// Every word inside the page, no two words on one place.
void Lesbar(const std::string& pdf, int seite) {
  SCOPED_TRACE(pdf + " page " + std::to_string(seite));
  double breite = 0, hoehe = 0;
  const std::vector<Wort> w = WortBoxen(pdf, seite, breite, hoehe);
  ASSERT_FALSE(w.empty());
  for (const Wort& a : w) {
    EXPECT_TRUE(a.x0 >= 0 && a.x1 <= breite && a.y0 >= 0 && a.y1 <= hoehe) << a.text << " " << a.x1;
  }
  for (size_t i = 0; i < w.size(); ++i)
    for (size_t j = i + 1; j < w.size(); ++j) {
      const double dx = std::min(w[i].x1, w[j].x1) - std::max(w[i].x0, w[j].x0);
      const double dy = std::min(w[i].y1, w[j].y1) - std::max(w[i].y0, w[j].y0);
      EXPECT_FALSE(dx > 0.5 && dy > 0.5) << w[i].text << " / " << w[j].text;
    }
}

TEST_F(Lesbarkeit, BerichtMitLangemNamenUndTurbulentemDruckabfall) {
  Form1->Lastprofil1->trigger();
  QString name;
  while (name.size() < 335) name += QStringLiteral("Überbauung Sonnenhalde Etappe %1, ").arg(name.size());
  name.truncate(335);
  Tippen(Form1->EProjektname, name);
  Tippen(Form1->ELastyear, QStringLiteral("2"));
  Tippen(Form1->ESondenlaenge, QStringLiteral("150"));
  Tippen(Form1->EHeizleistung_Vollast, QStringLiteral("14"));
  ScriptedInteraction ui;
  for (int i = 0; i < 10; ++i) ui.AnswerAsk(kNein);
  const std::string pdf = dir + "/bericht.pdf";
  ui.AnswerFile(pdf);
  ASSERT_TRUE(Form1->ToolButtonDruckenClick());
  ASSERT_FALSE(laminar);
  const std::string druck = "Druckabfall Sonde bei Auslegungsbedingung= " +
                            QString::number(Auslegungsdruck, 'f', 0).toStdString() + " Pa (turbulent) ";
  double b = 0, h = 0;
  for (int seite : {1, 2}) {
    const std::string text = Folge(WortBoxen(pdf, seite, b, h));
    EXPECT_NE(text.find(Folge(name)), std::string::npos) << text;
    if (seite == 1) {
      EXPECT_NE(text.find(druck), std::string::npos) << text;
    }
    Lesbar(pdf, seite);
  }
  // In French, whose captions run longer, the lines keep to their places too.
  Sprache = "F";
  ui.AnswerFile(dir + "/rapport.pdf");
  ASSERT_TRUE(Form1->ToolButtonDruckenClick());
  for (int seite : {1, 2}) Lesbar(dir + "/rapport.pdf", seite);
  Sprache = "D";
  // The course report prints the same block; "Dauerbetrieb Ende Februar" once.
  Form1->GrafikSimulationsdauer1Click();
  ui.AnswerFile(dir + "/verlauf.pdf");
  Form9->DruckenClick();
  const std::string text = Folge(WortBoxen(dir + "/verlauf.pdf", 1, b, h));
  EXPECT_NE(text.find(Folge(name)), std::string::npos) << text;
  EXPECT_NE(text.find(druck), std::string::npos) << text;
  EXPECT_NE(text.find("Dauerbetrieb Ende Februar = "), std::string::npos);
  EXPECT_EQ(text.find("Dauerentzug Ende Februar"), std::string::npos);
  Lesbar(dir + "/verlauf.pdf", 1);
  // And the graph window's report.
  ui.AnswerFile(dir + "/grafik.pdf");
  Form4->Drucken->click();
  EXPECT_NE(Folge(WortBoxen(dir + "/grafik.pdf", 1, b, h)).find(Folge(name)), std::string::npos);
  Lesbar(dir + "/grafik.pdf", 1);
  if (std::getenv("QEB_BILDER") != nullptr) {
    Ausgabe("pdftoppm -r 60 -png '" + pdf + "' '" + dir + "/seite'");
    Ausgabe("pdftoppm -r 60 -png '" + dir + "/verlauf.pdf' '" + dir + "/verlauf'");
    Ausgabe("pdftoppm -r 60 -png '" + dir + "/rapport.pdf' '" + dir + "/rapport'");
    Ausgabe("pdftoppm -r 60 -png '" + dir + "/grafik.pdf' '" + dir + "/grafik'");
  }
  Form9->close();
  Form4->close();
}


// The course graph's curves stay inside their frame: no curve colour above
// the scale's top line, for the last year's hourly and daily graphs and the
// brine graph, in the window as in the report.
TEST_F(Lesbarkeit, VerlaufsgrafikHaeltJedeKurve) {
  // Heating and cooling by a load profile: in cooling the source runs warmer
  // than any probe return of the running hours.
  Form1->Lastprofil1->trigger();
  Tippen(Form1->ELastyear, QStringLiteral("2"));
  Tippen(Form1->ESondenlaenge, QStringLiteral("150"));
  Tippen(Form1->EHeizleistung_Vollast, QStringLiteral("14"));
  Tippen(Form1->EKuehlleistung, QStringLiteral("0"));
  {
    ScriptedInteraction ui;
    for (int i = 0; i < 10; ++i) ui.AnswerAsk(kNein);
    ASSERT_TRUE(Form1->Button14Click());
  }
  Form1->GrafikSimulationsdauer1Click();
  ASSERT_TRUE(Form9->isVisible());
  for (QPushButton* knopf : {Form9->Button9, Form9->Button10, Form9->Button7, Form9->Button3}) {
    knopf->click();
    const QImage& b = VerlaufBitmap;
    const int oben = VerlaufYKoord(0.9) - 3;
    int ausserhalb = 0;
    for (int y = 0; y < oben; ++y)
      for (int x = 0; x < b.width(); ++x) {
        const QColor c(b.pixel(x, y));
        if (c.saturation() > 128) ++ausserhalb;
      }
    EXPECT_EQ(ausserhalb, 0) << knopf->objectName().toStdString();
  }
  if (const char* d = std::getenv("QEB_BILDER")) {
    Form9->Button10->click();
    VerlaufBitmap.save(QString::fromLocal8Bit(d) + QStringLiteral("/verlauf_tage.png"));
  }
  Form9->close();
  Form4->close();
}

// A text shows whole in its control.
bool Ganz(QWidget* w) {
  if (auto* c = qobject_cast<QComboBox*>(w)) {
    QStyleOptionComboBox opt;
    opt.initFrom(c);
    opt.editable = c->isEditable();
    const QRect feld = c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c);
    return c->fontMetrics().horizontalAdvance(c->currentText()) <= feld.width();
  }
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->fontMetrics().horizontalAdvance(e->text()) <= e->width() - 8;
  if (auto* l = qobject_cast<QLabel*>(w)) {
    for (const QString& zeile : l->text().split(QLatin1Char('\n')))
      if (l->fontMetrics().horizontalAdvance(zeile) > l->width()) return false;
  }
  return true;
}

// The pressure summary in each language: its captions as the text table words
// them (in German the summary's own wording, on one line each), the drop of
// each component at the circuit's flow said in its group's title, and every
// value whole, a six-figure total included.
TEST_F(Lesbarkeit, DruckfensterInJederSprache) {
  const char* const deutsch[] = {"Nenndruckabfall Verdampfer  [Pa]", "Nenndruckverlust Verteiler  [Pa]",
                                 "Nenndruckverlust Wärmezähler  [Pa]", "Nenndruckverlust Ventil  [Pa]",
                                 "Horizontale Sondenverlängerung [m]", "Länge Zuleitungen  [m]", "Anzahl Bögen"};
  const char* const felder[] = {"EpVerdampfer1", "EpVerteiler1", "EpMessung1", "EpVentil1",
                                "ESondenverlaengerung", "EZuleitung", "EBogen"};
  for (const char* sprache : {"D", "E", "F", "I", "S"}) {
    SCOPED_TRACE(sprache);
    SetLanguage(sprache);
    Sprache = sprache;
    Form1->Button20->click();
    QApplication::processEvents();
    AuslegungsDruckabfall_Sondenkreis = 112450.381;
    Form29->DruckShow();
    EXPECT_EQ(Form29->windowTitle(), FromBytes(LanguageText(901, sprache)));
    for (int i = 0; i < 7; ++i) {
      auto* l = Form29->findChild<QLabel*>(QStringLiteral("L_") + QLatin1String(felder[i]));
      ASSERT_NE(l, nullptr) << felder[i];
      EXPECT_EQ(l->text(), FromBytes(LanguageText(902 + i, sprache)));
      if (std::string(sprache) == "D") {
        EXPECT_EQ(l->text().toStdString(), deutsch[i]);
      }
    }
    EXPECT_EQ(Form29->findChild<QGroupBox*>(QStringLiteral("grp_g_Druck_Teile"))->title(),
              FromBytes(LanguageText(909, sprache)));
    if (std::string(sprache) != "D") {
      const auto reste = DeutscheBeschriftungen({Form29}, sprache);
      EXPECT_TRUE(reste.empty()) << reste.front();
    }
    EXPECT_EQ(Form29->EDruckabfallSonde1->text(), QStringLiteral("Total = 112.45 kPa"));
    for (QWidget* w : Form29->findChildren<QWidget*>())
      if (w->isVisible()) {
        EXPECT_TRUE(Ganz(w)) << w->objectName().toStdString();
      }
    if (const char* d = std::getenv("QEB_BILDER"))
      Form29->grab().save(QString::fromLocal8Bit(d) + QStringLiteral("/Druck_%1.png").arg(QLatin1String(sprache)));
    Form29->close();
  }
  SetLanguage("D");
  Sprache = "D";
}

// The input window's close box asks the quit question: No keeps the window
// open, Yes (without saving) leaves it. Escape during a run stops the run and
// asks nothing.
TEST_F(Lesbarkeit, SchliessfeldFragtWieSchliessen) {
  const bool startdialog = Form3->isVisible();
  Form1->SetCloseBoxGreyed(false);
  Form1->show();
  auto schliessfeld = [] {
    QCloseEvent ev;
    QSpontaneKeyEvent::setSpontaneous(&ev);
    static_cast<QObject*>(Form1)->event(&ev);  // as the title bar delivers it
  };
  {
    ScriptedInteraction ui;
    ui.AnswerAsk(kNein);
    schliessfeld();
    EXPECT_EQ(ui.Texts("ask").size(), 1u);
    EXPECT_TRUE(Form1->isVisible());
  }
  {
    SetEscapeProbe(nullptr);
    ScriptedInteraction ui;
    LaufWache wache;
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(Form1, &esc);
    EXPECT_TRUE(EscapeGedrueckt());
    EXPECT_TRUE(ui.Shown_().empty());
    EXPECT_TRUE(Form1->isVisible());
  }
  {
    ScriptedInteraction ui;
    ui.AnswerAsk(kJa);
    ui.AnswerAsk(kNein);
    schliessfeld();
    EXPECT_EQ(ui.Texts("ask").size(), 2u);
    EXPECT_FALSE(Form1->isVisible());
  }
  Form3->setVisible(startdialog);
}

// The main window at its design size shows every value whole: a six-figure
// pressure total, a large specific extraction, the months of an annual
// energy of 1e308, and the fluid and probe catalogues' items.
TEST_F(Lesbarkeit, EingabefensterZeigtJedenWertGanz) {
  Form1->Lastprofil1->trigger();
  Form1->resize(838, 602);
  Form1->show();
  ScriptedInteraction ui;
  for (int i = 0; i < 10; ++i) ui.AnswerAsk(kNein);
  Tippen(Form1->ESondenlaenge, QStringLiteral("150"));
  Tippen(Form1->EHeizleistung_Vollast, QStringLiteral("14"));
  Form1->PageControl1->setCurrentWidget(Form1->TabSheet8);
  Form1->Button9->click();
  QApplication::processEvents();
  ASSERT_GT(AuslegungsDruckabfall_Sondenkreis, 100000.0);
  for (QLineEdit* e : Form1->TabSheet8->findChildren<QLineEdit*>())
    if (e->isVisible()) {
      EXPECT_TRUE(Ganz(e)) << e->objectName().toStdString() << " " << e->text().toStdString();
    }
  Form1->PageControl1->setCurrentWidget(Form1->Lastprofil);
  Tippen(Form1->ESondenlaenge, QStringLiteral("20"));
  Tippen(Form1->EHeizleistung_Vollast, QStringLiteral("5000"));
  QApplication::processEvents();
  EXPECT_GT(SpezEntzugLeistung, 100000.0);
  EXPECT_TRUE(Ganz(Form1->ESpez_Entzug)) << Form1->ESpez_Entzug->text().toStdString();
  Tippen(Form1->EJahresheizlast, QStringLiteral("1e308"));
  QApplication::processEvents();
  for (QLineEdit* e : Form1->Lastprofil->findChildren<QLineEdit*>())
    if (e->isVisible()) {
      EXPECT_TRUE(Ganz(e)) << e->objectName().toStdString() << " " << e->text().left(30).toStdString();
    }
  Form1->PageControl1->setCurrentWidget(Form1->TabSheet2);
  for (int i = 0; i < Form1->ComboFluid->count(); ++i) {
    Form1->ComboFluid->setCurrentIndex(i);
    QApplication::processEvents();
    EXPECT_TRUE(Ganz(Form1->ComboFluid)) << Form1->ComboFluid->currentText().toStdString();
  }
  Form1->PageControl1->setCurrentWidget(Form1->TabSheet1);
  for (int i = 0; i < Form1->WahlSondendurchmesser->count(); ++i) {
    Form1->WahlSondendurchmesser->setCurrentIndex(i);
    QApplication::processEvents();
    EXPECT_TRUE(Ganz(Form1->WahlSondendurchmesser)) << Form1->WahlSondendurchmesser->currentText().toStdString();
  }
  Form1->hide();
}

// A module's message reaches the screen converted: the g-function window's
// refusal reads "ungültig", not a broken byte.
TEST_F(Lesbarkeit, ModultexteInDerGFunktion) {
  ScriptedInteraction ui;
  GFunktionEintragen();
  Form1->Button8Click();
  Form1->ESondenabstand->setText(QStringLiteral("10.00"));
  Form1->Eg5->setText(QStringLiteral("6.500"));
  Form1->Eg3->setText(QStringLiteral("6.500"));
  Form5->ZeichneGfunc();
  const auto texte = ui.Texts("message");
  ASSERT_EQ(texte.size(), 1u);
  const QString text = QString::fromUtf8(texte[0].c_str());
  EXPECT_FALSE(text.contains(QChar(QChar::ReplacementCharacter))) << texte[0];
  EXPECT_TRUE(text.contains(QStringLiteral("ungültig"))) << texte[0];
  Form5->hide();
}

// The results window shows the balance ratio with its label and unit, or
// none of the three.
TEST_F(Lesbarkeit, FBheMitBeschriftung) {
  Tippen(Form1->ELastyear, QStringLiteral("50"));
  ScriptedInteraction ui;
  for (int i = 0; i < 10; ++i) ui.AnswerAsk(kNein);
  ASSERT_TRUE(Form1->Button14Click());
  Resultat->show();
  QApplication::processEvents();
  EXPECT_TRUE(Resultat->LSIA384_6->isVisible());
  EXPECT_EQ(Resultat->ER1_4->isVisible(), Resultat->EReg->isVisible());
  EXPECT_EQ(Resultat->U_EReg->isVisible(), Resultat->EReg->isVisible());
  Resultat->hide();
  Form4->close();
}

// One "Info" menu in the menu bar; the display options are in it.
TEST_F(Lesbarkeit, EinInfoMenue) {
  int info = 0;
  QMenu* menue = nullptr;
  for (QAction* a : Form1->menuBar()->actions())
    if (a->isVisible() && a->text().remove(QLatin1Char('&')) == QStringLiteral("Info")) {
      ++info;
      menue = a->menu();
    }
  EXPECT_EQ(info, 1);
  ASSERT_NE(menue, nullptr);
  EXPECT_TRUE(menue->actions().contains(Form1->Mac1));
  EXPECT_TRUE(menue->actions().contains(Form1->Win101));
  EXPECT_TRUE(menue->actions().contains(Form1->Handbuch1));
}

// A group whose inputs are all hidden is not shown; it comes back with them.
TEST_F(Lesbarkeit, LeereGruppenVerborgen) {
  Form1->resize(838, 602);
  Form1->show();
  Form1->PageControl1->setCurrentWidget(Form1->TabSheet2);
  auto* profil = Form1->findChild<QGroupBox*>(QStringLiteral("grp_g_Sole_Profil"));
  ASSERT_NE(profil, nullptr);
  Form1->ETempProfil->button(1)->click();
  QApplication::processEvents();
  EXPECT_FALSE(profil->isVisible());
  Form1->ETempProfil->button(0)->click();
  QApplication::processEvents();
  EXPECT_TRUE(profil->isVisible());
  Form1->ETempProfil->button(1)->click();
  QApplication::processEvents();
  EXPECT_FALSE(profil->isVisible());
  Form1->hide();
}

// A message with a 309-digit number keeps to the screen: its box breaks the
// number into lines.
TEST_F(Lesbarkeit, MeldungMitLangerZahlPasstAufDenSchirm) {
  Interaction* vorher = SetInteraction(nullptr);  // the desktop's own message box
  int breite = 0;
  QTimer::singleShot(100, [&] {
    if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      breite = box->width();
      box->done(0);
    }
  });
  Message(" Eingabe ungültig  /  invalid value : " + std::string(309, '9') + " ");
  SetInteraction(vorher);
  EXPECT_GT(breite, 0);
  EXPECT_LT(breite, 800);
}

}  // namespace
}  // namespace qeb
