// The multi-year course window over a ten-year run's statistics: every mode
// puts its curves where the scale of the yearly extremes says, months without
// running hours are left out, the last year's hourly and daily values follow
// the plant's running hours, and a window without years draws only its axes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QAction>
#include <QClipboard>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>

#include "calc/QEBMOD.h"
#include "input/QEBInput.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "results/verlauf.h"
#include "tests/support/ui_project.h"

namespace qeb {
namespace {

constexpr int kJahre = 10;
const QColor kGruen(0, 128, 0);

// Pixel of a temperature on the -10..20 scale of the statistics below.
int Zeile(double t) { return VerlaufYKoord(0.1 + 0.8 * (t + 10) / 30); }
int Jahresspalte(int k) { return VerlaufXKoord(0.2 + 0.075 / 2 + 0.075 * (k - 1)); }
int Monatsspalte(int m) { return VerlaufXKoord(0.2 + 0.75 * m / (12.0 * kJahre)); }

// A colour within one pixel of (x, y).
bool Hat(const QColor& c, int x, int y) {
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      if (VerlaufBitmap.valid(x + dx, y + dy) && QColor(VerlaufBitmap.pixel(x + dx, y + dy)) == c) return true;
  return false;
}
// Pixels of a colour inside the plot frame.
int Anzahl(const QColor& c) {
  int n = 0;
  for (int y = VerlaufYKoord(0.9); y <= VerlaufYKoord(0.1); ++y)
    for (int x = VerlaufXKoord(0.2); x <= VerlaufXKoord(0.95); ++x) n += QColor(VerlaufBitmap.pixel(x, y)) == c;
  return n;
}

class Verlauf : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    Form1->ELastyear->setText(QString::number(kJahre));
    for (int k = 1; k <= kJahre; ++k) {
      TSinkMinJahr[k] = -2 - 0.1 * k;
      TSinkMaxJahr[k] = 15 - 0.2 * k;
    }
    MonatsstatistikZuruecksetzen();
    // Month 1 without running hours keeps the placeholders.
    for (int m = 2; m <= 12 * kJahre; ++m) {
      LaufstundenMonat[m] = 100;
      TSinkSummeMonat[m] = 500;
      TSinkMinMonat[m] = 1;
      TSinkMaxMonat[m] = 10;
      TBrineSummeMonat[m] = 600;
      TBrineMinMonat[m] = 2;
      TBrineMaxMonat[m] = 8;
    }
    // The last year runs the first twelve hours of every day except day 10.
    for (int h = 1; h <= kStunden; ++h) {
      TSinkStunde[h] = 3 + (h % 24) / 10.0;
      TSourceStunde[h] = 7;
      MassenstromStunde[h] = h % 24 < 12 && (h - 1) / 24 != 9 ? 0.5 : 0.0;
    }
    TSinkStunde[240] = -5;
    Messung = 0;
    VerlaufLetztesJahr = false;
  }
  void Bild(const char* name) {
    if (const char* d = std::getenv("QEB_BILDER")) VerlaufBitmap.save(QString::fromUtf8(d) + "/verlauf_" + name + ".png");
  }
  TForm9& f = (CreateApplicationWindows(), *Form9);
};

TEST_F(Verlauf, JahresUndMonatskurvenSitzenAufDerSkala) {
  double ymin = 0, ymax = 0;
  VerlaufSkala(kJahre, ymin, ymax);
  EXPECT_EQ(ymin, -10);
  EXPECT_EQ(ymax, 20);
  f.show();
  f.Button1Click();
  Bild("1");
  EXPECT_EQ(VerlaufBitmap.size(), QSize(1011, 704));
  for (int k = 1; k <= kJahre; ++k) {
    EXPECT_TRUE(Hat(Qt::blue, Jahresspalte(k), Zeile(TSinkMinJahr[k]))) << k;
    EXPECT_TRUE(Hat(Qt::red, Jahresspalte(k), Zeile(TSinkMaxJahr[k]))) << k;
  }
  EXPECT_EQ(Anzahl(kGruen), 0);
  // The 0 °C line.
  EXPECT_TRUE(Hat(Qt::black, VerlaufXKoord(0.5), Zeile(0)));

  f.Button3Click();
  Bild("3");
  for (int m = 2; m <= 12 * kJahre; ++m) {
    EXPECT_TRUE(Hat(kGruen, Monatsspalte(m), Zeile(5))) << m;
    EXPECT_TRUE(Hat(Qt::red, Monatsspalte(m), Zeile(10))) << m;
    EXPECT_TRUE(Hat(Qt::blue, Monatsspalte(m), Zeile(1))) << m;
  }
  for (int k = 1; k <= kJahre; ++k) EXPECT_TRUE(Hat(Qt::red, Jahresspalte(k), Zeile(TSinkMaxJahr[k]))) << k;

  // Each curve alone; the month without running hours is no point of any.
  const std::pair<std::function<void()>, const char*> einzeln[] = {
      {[&] { f.Button2Click(); }, "2"}, {[&] { f.Button4Click(); }, "4"}, {[&] { f.Button5Click(); }, "5"},
      {[&] { f.Button6Click(); }, "6"}, {[&] { f.Button7Click(); }, "7"}, {[&] { f.Button8Click(); }, "8"}};
  for (const auto& [knopf, name] : einzeln) {
    knopf();
    Bild(name);
    EXPECT_FALSE(VerlaufLetztesJahr);
    // Nothing is drawn between month 1 and month 2 below or above the curves.
    for (int x = Monatsspalte(1); x < Monatsspalte(2) - 1; ++x)
      for (int y = VerlaufYKoord(0.9); y <= VerlaufYKoord(0.1); ++y) {
        const QColor c(VerlaufBitmap.pixel(x, y));
        EXPECT_TRUE(c != Qt::red && c != Qt::blue && c != Qt::magenta && c != kGruen) << name << " " << x << "," << y;
      }
  }
  f.Button4Click();
  EXPECT_TRUE(Hat(Qt::blue, Monatsspalte(50), Zeile(1)));
  EXPECT_EQ(Anzahl(Qt::red), 0);
  f.Button5Click();
  EXPECT_TRUE(Hat(Qt::red, Monatsspalte(50), Zeile(10)));
  EXPECT_EQ(Anzahl(Qt::blue), 0);
  f.Button6Click();
  EXPECT_TRUE(Hat(kGruen, Monatsspalte(50), Zeile(5)));
  EXPECT_EQ(Anzahl(Qt::red) + Anzahl(Qt::blue), 0);
  f.Button7Click();
  EXPECT_TRUE(Hat(Qt::red, Monatsspalte(50), Zeile(8)));
  EXPECT_TRUE(Hat(Qt::blue, Monatsspalte(50), Zeile(2)));
  EXPECT_TRUE(Hat(Qt::magenta, Monatsspalte(50), Zeile(6)));
  f.Button8Click();
  EXPECT_TRUE(Hat(Qt::magenta, Monatsspalte(50), Zeile(6)));
  EXPECT_EQ(Anzahl(Qt::red) + Anzahl(Qt::blue), 0);
  f.close();
}

TEST_F(Verlauf, LetztesJahrStundenUndTage) {
  f.show();
  f.Button9Click();
  Bild("9");
  EXPECT_TRUE(VerlaufLetztesJahr);
  auto spalte = [](int h) { return VerlaufXKoord(0.2 + 0.75 * h / 8760); };
  for (int h : {24 * 40 + 5, 24 * 170 + 2, 24 * 330 + 11}) {
    ASSERT_GT(MassenstromStunde[h], 0.001);
    EXPECT_TRUE(Hat(Qt::blue, spalte(h), Zeile(TSinkStunde[h]))) << h;
    EXPECT_TRUE(Hat(Qt::red, spalte(h), Zeile(7))) << h;
  }
  // Hours without flow are skipped: the idle day 10 takes no -5 °C point.
  EXPECT_FALSE(Hat(Qt::blue, spalte(240), Zeile(-5)));

  f.Button10Click();
  Bild("10");
  EXPECT_FALSE(TagesMinMax);
  EXPECT_TRUE(VerlaufLetztesJahr);
  EXPECT_DOUBLE_EQ(TSinkMinTag[1], 3.0);
  EXPECT_DOUBLE_EQ(TSinkMaxTag[1], 4.1);
  // A day without running hours: its last hour, both ways.
  EXPECT_DOUBLE_EQ(TSinkMinTag[10], -5.0);
  EXPECT_DOUBLE_EQ(TSinkMaxTag[10], -5.0);
  auto tag = [](int d) { return VerlaufXKoord(0.2 + 0.75 * d / 365); };
  EXPECT_TRUE(Hat(Qt::blue, tag(100), Zeile(3.0)));
  EXPECT_TRUE(Hat(Qt::magenta, tag(100), Zeile(4.1)));
  EXPECT_TRUE(Hat(Qt::magenta, tag(10), Zeile(-5)));

  // Measured values join every hour.
  Messung = 1;
  f.Button9Click();
  EXPECT_TRUE(Hat(Qt::blue, spalte(240), Zeile(-5)));
  Messung = 0;

  // Copy and back to the graph window.
  f.CopyClick();
  EXPECT_EQ(QApplication::clipboard()->image().size(), VerlaufBitmap.size());
  f.Form9SchliessenClick();
  EXPECT_FALSE(VerlaufLetztesJahr);
  EXPECT_FALSE(f.isVisible());
  EXPECT_TRUE(Form4->isVisible());
  Form4->close();
  // The button "TRT-File" serves the response-test file; its old handler
  // still opens the course window when called.
  Form1->Button12->click();
  EXPECT_FALSE(f.isVisible());
  Form1->Button12Click();
  EXPECT_TRUE(f.isVisible());
  f.close();
}

// A real ten-year run: the yearly and monthly statistics the run kept sit
// where the graph's scale puts them, reached through the main window's menu.
TEST_F(Verlauf, ZehnJahreLauf) {
  {
    ScriptedInteraction ui;
    if (!Leistung && !Lasteinlesen) ui.AnswerAsk(kNein);
    ASSERT_TRUE(Form1->Button14Click());
  }
  ASSERT_EQ(LastYear, kJahre);
  double mx = -1e10, mn = 1e10;
  for (int k = 1; k <= kJahre; ++k) {
    mx = std::max(mx, TSinkMaxJahr[k]);
    mn = std::min(mn, TSinkMinJahr[k]);
  }
  const double ymax = std::trunc(mx / 10 + 1) * 10, ymin = std::trunc(mn / 10 - 1) * 10;
  auto zeile = [&](double t) { return VerlaufYKoord(0.1 + 0.8 * (t - ymin) / (ymax - ymin)); };
  Form1->GrafikSimulationsdauer1->trigger();
  EXPECT_TRUE(Form4->isVisible());
  EXPECT_TRUE(f.isVisible());
  f.Button3Click();
  Bild("lauf");
  for (int k = 1; k <= kJahre; ++k) {
    EXPECT_TRUE(Hat(Qt::blue, Jahresspalte(k), zeile(TSinkMinJahr[k]))) << k;
    EXPECT_TRUE(Hat(Qt::red, Jahresspalte(k), zeile(TSinkMaxJahr[k]))) << k;
  }
  for (int m = 1; m <= 12 * kJahre; ++m)
    if (LaufstundenMonat[m] > 0) {
      EXPECT_TRUE(Hat(kGruen, Monatsspalte(m), zeile(TSinkSummeMonat[m] / LaufstundenMonat[m]))) << m;
    }
  f.Button9Click();
  for (int h = 2; h <= kStunden; h += 97)
    if (MassenstromStunde[h] > 0.001) {  // the red source curve is drawn over the blue one
      EXPECT_TRUE(Hat(Qt::blue, VerlaufXKoord(0.2 + 0.75 * h / 8760), zeile(TSinkStunde[h])) ||
                  Hat(Qt::red, VerlaufXKoord(0.2 + 0.75 * h / 8760), zeile(TSinkStunde[h]))) << h;
      EXPECT_TRUE(Hat(Qt::red, VerlaufXKoord(0.2 + 0.75 * h / 8760), zeile(TSourceStunde[h]))) << h;
    }
  f.Form9SchliessenClick();
  Form4->close();
}

TEST_F(Verlauf, OhneJahreNurAchsenUndSkalenGrenzen) {
  double ymin = 0, ymax = 0;
  TSinkMaxJahr[1] = 15.2;
  TSinkMinJahr[1] = 3.4;
  VerlaufSkala(1, ymin, ymax);
  EXPECT_EQ(ymin, 0);
  EXPECT_EQ(ymax, 20);
  TSinkMaxJahr[1] = -2.0;
  TSinkMinJahr[1] = -7.5;
  VerlaufSkala(1, ymin, ymax);
  EXPECT_EQ(ymin, -10);
  EXPECT_EQ(ymax, 0);
  VerlaufSkala(0, ymin, ymax);
  EXPECT_EQ(ymin, -10);
  EXPECT_EQ(ymax, 20);

  Form1->ELastyear->setText(QStringLiteral("0"));
  LastYear = 0;
  TForm9* fenster = &f;
  const std::function<void()> knoepfe[] = {[fenster] { fenster->Button1Click(); }, [fenster] { fenster->Button3Click(); },
                                           [fenster] { fenster->Button7Click(); }, [fenster] { fenster->Button6Click(); }};
  for (const auto& knopf : knoepfe) {
    knopf();
    Bild("0");
    if (LastYear >= 1) continue;  // the input window may insist on one year
    EXPECT_EQ(Anzahl(Qt::red) + Anzahl(Qt::blue) + Anzahl(Qt::magenta) + Anzahl(kGruen), 0);
  }
  // Broken statistics: a missing year and one far off the scale still draw.
  Form1->ELastyear->setText(QString::number(kJahre));
  TSinkMaxJahr[4] = std::nan("");
  TSinkMinJahr[6] = -1e300;
  f.Button1Click();
  f.Button7Click();
  EXPECT_EQ(VerlaufBitmap.size(), QSize(1011, 704));
  // One year: the yearly curves need two.
  Form1->ELastyear->setText(QStringLiteral("1"));
  f.Button1Click();
  EXPECT_EQ(Anzahl(Qt::red) + Anzahl(Qt::blue), 0);
  EXPECT_TRUE(Hat(Qt::black, VerlaufXKoord(0.5), VerlaufYKoord(0.1)));

  // Only the shared captions carry text numbers.
  EXPECT_EQ(f.Copy->property("tag").toInt(), 473);
  EXPECT_EQ(f.Drucken->property("tag").toInt(), 474);
  EXPECT_EQ(f.Form5Schliessen->property("tag").toInt(), 475);
  EXPECT_EQ(f.TSondenlaenge->property("tag").toInt(), 24);
  for (QPushButton* b : {f.Button1, f.Button2, f.Button3, f.Button9, f.Button10})
    EXPECT_EQ(b->property("tag").toInt(), 0);
}

}  // namespace
}  // namespace qeb
