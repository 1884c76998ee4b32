// The graph window on a 1280 x 800 screen: the whole picture shows, scaled
// to the window once for each picture drawn.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

#include "calc/QEBMOD.h"
#include "input/QEBInput.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "results/Result.h"
#include "tests/support/ui_project.h"

namespace qeb {
namespace {

// A row between y0 and y1 of the picture shown whose pixels between the
// fractions a and b of its width are mostly dark (the x axis, 2 pixels wide
// across 65 % of the width; the frame); -1 when there is none.
int DunkleZeile(const QImage& img, int y0, int y1, double a, double b) {
  for (int y = std::max(0, y0); y <= y1 && y < img.height(); ++y) {
    int dunkel = 0, n = 0;
    for (int x = static_cast<int>(a * img.width()); x < static_cast<int>(b * img.width()); ++x, ++n)
      if (qGray(img.pixel(x, y)) < 128) ++dunkel;
    if (n > 0 && dunkel > n * 9 / 10) return y;
  }
  return -1;
}

TEST(GraphWindow, ShowsItsWholePictureOnA1280By800ScreenScaledOncePerPicture) {
  NeuesProjektInDenFenstern();
  ScriptedInteraction ui;
  const ScreenMetrics m{1280, 800, 1280, 800, 96.0};
  SetScreenOverride(&m);
  Form4->close();
  Form4->show();
  QApplication::processEvents();
  EXPECT_LE(Form4->frameGeometry().width(), 1280);
  EXPECT_LE(Form4->height(), 800 - 40);  // the title bar above it

  Hauptlauf = true;
  Form1->ELastyear->setText(QStringLiteral("1"));
  Outputfile = "Ausgabe_size.qeb";
  ASSERT_TRUE(Form4->Start());
  QWidget* flaeche = Form4->findChild<QWidget*>(QStringLiteral("Zeichenflaeche"));
  ASSERT_NE(flaeche, nullptr);
  // The window is smaller than the picture: the picture is scaled into it.
  ASSERT_LT(flaeche->height(), Form4->Bild.height());
  const QImage shown = flaeche->grab().toImage();
  const double s = static_cast<double>(flaeche->height()) / Form4->Bild.height();
  const int hoehe = static_cast<int>(Form4->Bild.height() * s);
  // The x axis lies at 0.9 of the picture's height, and the frame's bottom
  // line below it, both inside the window.
  const int y = static_cast<int>(0.9 * hoehe);
  EXPECT_GE(DunkleZeile(shown, y - 3, y + 3, 0.35, 0.9), 0) << "no x axis in the window";
  EXPECT_GE(DunkleZeile(shown, hoehe - 4, hoehe, 0.1, 0.9), 0) << "the picture's frame is cut";
  if (const char* dir = std::getenv("QEB_SHOT_DIR")) Form4->grab().save(QString::fromUtf8(dir) + "/form4_1280x800.png");

  // Repaints copy the scaled picture; a new picture is scaled once.
  const int vorher = Form4->BildSkalierungen;
  for (int i = 0; i < 5; ++i) flaeche->repaint();
  EXPECT_EQ(Form4->BildSkalierungen, vorher);
  Form4->FebruarClick();
  flaeche->repaint();
  flaeche->repaint();
  EXPECT_EQ(Form4->BildSkalierungen, vorher + 1);

  // Large enough for the picture, the window shows it as drawn.
  Form4->resize(1200, 1000);
  QApplication::processEvents();
  const int danach = Form4->BildSkalierungen;
  Form4->MaerzClick();
  flaeche->repaint();
  EXPECT_EQ(Form4->BildSkalierungen, danach);
  EXPECT_EQ(flaeche->grab().toImage().copy(Form4->Bild.rect()).convertToFormat(QImage::Format_RGB32),
            Form4->Bild.convertToFormat(QImage::Format_RGB32));
  Form4->close();
  SetScreenOverride(nullptr);
}

}  // namespace
}  // namespace qeb

namespace qeb {
namespace {

// The results and graph windows after a calculation, in German and French,
// on a 1280 x 800 screen: both stand on the screen; with QEB_SHOT_DIR set
// their pictures are saved to be looked at.
TEST(GraphWindow, ResultsAndGraphInGermanAndFrenchStandOnA1280By800Screen) {
  NeuesProjektInDenFenstern();
  ScriptedInteraction ui;
  const ScreenMetrics m{1280, 800, 1280, 800, 96.0};
  SetScreenOverride(&m);
  Form1->ELastyear->setText(QStringLiteral("2"));
  Outputfile = "Ausgabe_size.qeb";
  Hauptlauf = true;
  Form4->close();
  Form4->show();
  ASSERT_TRUE(Form4->Start());
  Resultat->show();
  Resultat->aktuell();
  for (auto [click, letter] : {std::pair{&TForm1::Deutsch1Click, "de"}, std::pair{&TForm1::Franzsisch1Click, "fr"}}) {
    (Form1->*click)();
    Form4->JanuarClick();
    QApplication::processEvents();
    for (QWidget* w : {static_cast<QWidget*>(Form4), static_cast<QWidget*>(Resultat)}) {
      EXPECT_LE(w->width(), 1280) << w->objectName().toStdString() << " " << letter;
      EXPECT_LE(w->height(), 800 - 40) << w->objectName().toStdString() << " " << letter;
      if (const char* dir = std::getenv("QEB_SHOT_DIR"))
        w->grab().save(QString::fromUtf8(dir) + QStringLiteral("/%1_%2_1280x800.png").arg(w->objectName(), letter));
    }
  }
  Form1->Deutsch1Click();
  Resultat->close();
  Form4->close();
  SetScreenOverride(nullptr);
}

}  // namespace
}  // namespace qeb
