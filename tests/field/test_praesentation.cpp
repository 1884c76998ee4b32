// Presentation mode, the screen copy of the editor, and the cross-fade
// window "Blend" between the plain plan and the colour map.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <filesystem>

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_run.h"
#include "field/ScreenTween.h"
#include "field/Sondenfeld.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "platform/Platform.h"
#include "tests/support/ui_project.h"

namespace qeb {
namespace {

namespace fs = std::filesystem;

void Aufraeumen() {
  std::error_code ec;
  for (const char* f : {"plan.qeb", "temp.bmp", "blend1.map", "blend2.map", "blend3.map"}) fs::remove(f, ec);
}

QImage Flaeche(int w, int h, QRgb c) {
  QImage b(w, h, QImage::Format_RGB32);
  b.fill(c);
  return b;
}

class Praesentation : public ::testing::Test {
 protected:
  void SetUp() override {
    Aufraeumen();
    NeuesProjektInDenFenstern();
    Form1->ESondenlaenge->setText(QStringLiteral("100.0"));
    Form1->EingabenUebernehmen();
    FeldeditorInitialisieren();
    Zaehler = 0;
    mitPlan = Ueberblendung = FeldKopieErstellt = false;
    Posx = Posy = 0;
    Form1->Sondenfeld1Click();
  }
  void TearDown() override {
    Feld->hide();
    if (FormTween != nullptr) FormTween->hide();
    Aufraeumen();
  }
  // A plan with a two-borehole field and its map.
  void MitKarte(int w = 500, int h = 300) {
    QApplication::clipboard()->setImage(Flaeche(w, h, qRgb(200, 200, 200)));
    Feld->ClipClick();
    Feld->Button6Click();
    Zaehler = 2;
    SondeX[1] = 10, SondeY[1] = 8, SondeX[2] = 14, SondeY[2] = 8;
    Nachbarsonde[1] = Nachbarsonde[2] = false;
    QHeizSumme = 20000, QKuehlSumme = 0;
    Feld->Farb0Click();
  }
  std::vector<bool> Sichtbarkeit() const {
    std::vector<bool> v;
    for (QWidget* w : Feld->findChildren<QWidget*>()) v.push_back(w->isHidden());
    return v;
  }
  ScriptedInteraction ui;
};

TEST_F(Praesentation, CopyHidesAndRestoresEveryControlAndOnlyCopy0MarksThePicture) {
  Feld->Koordinaten->hide();  // hidden before the copy: stays hidden
  Feld->Farb0->show();
  const auto vorher = Sichtbarkeit();
  QApplication::clipboard()->clear();
  Feld->ScreClick();
  EXPECT_EQ(Sichtbarkeit(), vorher);
  const QImage kopie = QApplication::clipboard()->image();
  EXPECT_EQ(kopie.size(), Feld->grab().size() * 1);
  EXPECT_FALSE(FeldKopieErstellt);
  Feld->ScreClick();
  EXPECT_EQ(Sichtbarkeit(), vorher);
  Feld->Copy0Click();
  EXPECT_TRUE(FeldKopieErstellt);
  EXPECT_EQ(Sichtbarkeit(), vorher);
  EXPECT_FALSE(Feld->KopieAusstehend || !SteuerelementeSichtbar);
}

TEST_F(Praesentation, TheHiddenPresentationStaysHiddenThroughACopy) {
  Feld->CheckBox1Click();
  EXPECT_FALSE(SteuerelementeSichtbar);
  EXPECT_TRUE(Feld->Button1->isHidden());
  EXPECT_FALSE(QApplication::clipboard()->image().isNull());
  Feld->ScreClick();
  EXPECT_TRUE(Feld->Button1->isHidden());
  EXPECT_TRUE(Feld->Button4->isHidden());
  Feld->CheckBox1Click();
  EXPECT_TRUE(SteuerelementeSichtbar);
  EXPECT_FALSE(Feld->Button1->isHidden());
}

TEST_F(Praesentation, ShowKeepsItsOwnCopyForTheProjectPicture) {
  QApplication::clipboard()->setText(QStringLiteral("alt"));
  Feld->Button15Click();  // no overlay: the clipboard is emptied
  EXPECT_TRUE(QApplication::clipboard()->image().isNull());
  EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());
  MitKarte();
  ASSERT_TRUE(Ueberblendung);
  Feld->Button15Click();
  EXPECT_TRUE(FeldKopieErstellt);
  EXPECT_FALSE(QApplication::clipboard()->image().isNull());
}

TEST(Tween, WeightsAndIncompatiblePictures) {
  QImage a = Flaeche(3, 2, qRgb(10, 100, 201)), b = Flaeche(3, 2, qRgb(20, 51, 0));
  EXPECT_EQ(TweenBitmaps(a, 100, b, 0).pixel(2, 1), qRgb(10, 100, 201));
  EXPECT_EQ(TweenBitmaps(a, 0, b, 100).pixel(0, 0), qRgb(20, 51, 0));
  EXPECT_EQ(TweenBitmaps(a, 50, b, 50).pixel(1, 1), qRgb(15, 75, 100));  // rounded down
  EXPECT_EQ(TweenBitmaps(a, 0, b, 0).pixel(1, 1), qRgb(0, 0, 0));
  EXPECT_THROW(TweenBitmaps(a, 1, Flaeche(4, 2, 0), 1), ETweenError);
  EXPECT_THROW(TweenBitmaps(a, 1, b.convertToFormat(QImage::Format_RGB888), 1), ETweenError);
}

TEST_F(Praesentation, BlendMixesPlanAndMapAndTheEditorShowsTheMix) {
  MitKarte();
  ASSERT_TRUE(fs::exists("blend1.map") && fs::exists("blend2.map"));
  Feld->BlendClick();
  EXPECT_TRUE(FormTween->isVisible());
  EXPECT_EQ(FormTween->windowTitle(), QStringLiteral("Blend"));
  EXPECT_FALSE(FormTween->TrackBarTween->isHidden());
  EXPECT_EQ(FormTween->TrackBarTween->value(), 70);
  const QImage plan(QStringLiteral("blend1.map")), karte(QStringLiteral("blend2.map"));
  QImage mix(QStringLiteral("blend3.map"));
  ASSERT_FALSE(mix.isNull());
  const auto erwartet = [&](int x, int y, int wA, int wB) {
    const QRgb p = plan.pixel(x, y), k = karte.pixel(x, y);
    return qRgb((qRed(p) * wA + qRed(k) * wB) / 100, (qGreen(p) * wA + qGreen(k) * wB) / 100,
                (qBlue(p) * wA + qBlue(k) * wB) / 100);
  };
  EXPECT_EQ(mix.pixel(240, 160), erwartet(240, 160, 30, 70));  // 30 parts plan, 70 parts map
  FormTween->TrackBarTween->setValue(0);
  EXPECT_EQ(QImage(QStringLiteral("blend3.map")).pixel(240, 160), plan.pixel(240, 160));
  FormTween->TrackBarTween->setValue(50);
  mix = QImage(QStringLiteral("blend3.map"));
  EXPECT_EQ(mix.pixel(240, 160), erwartet(240, 160, 50, 50));
  FormTween->ZuClick();
  EXPECT_FALSE(FormTween->isVisible());
  EXPECT_FALSE(Feld->Blend1->isHidden());
  EXPECT_TRUE(Ueberblendung);
  EXPECT_EQ(PlanBild.pixel(240, 160), mix.pixel(240, 160));
}

TEST_F(Praesentation, BlendOfPicturesOfDifferentSizesSaysSoAndMixesNothing) {
  Flaeche(40, 30, qRgb(1, 2, 3)).save(QStringLiteral("blend1.map"), "BMP");
  Flaeche(41, 30, qRgb(1, 2, 3)).save(QStringLiteral("blend2.map"), "BMP");
  Feld->BlendClick();
  EXPECT_EQ(ui.Count("message",
                     "Bitmaps are not compatible for Tween Operation.\\nSizes are not the same or bitmaps are not "
                     "32-bits/pixel."),
            1);
  EXPECT_TRUE(FormTween->TrackBarTween->isHidden());
  EXPECT_TRUE(FormTween->ImageTween->isHidden());
  EXPECT_FALSE(fs::exists("blend3.map"));
  // Both missing: the same message, no error left behind.
  Aufraeumen();
  ui.Clear();
  FormTween->ButtonLoadClick();
  EXPECT_EQ(ui.Texts("message").size(), 1u);
  EXPECT_FALSE(ErstesLaden);
}

}  // namespace
}  // namespace qeb
