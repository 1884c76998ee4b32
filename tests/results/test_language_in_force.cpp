// What the windows draw or fill speaks the language in force: the run's graph
// (which the graph report prints) after a switch, the flow regime, the frost
// protection's on/off.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>

#include "calc/QEBMOD.h"
#include "input/Cooling.h"
#include "input/QEBInput.h"
#include "platform/Platform.h"
#include "results/Grafik.h"
#include "results/Result.h"
#include "tests/support/ui_project.h"
#include "widgets/Controls.h"

namespace qeb {
namespace {

void Rechnen() {
  Form1->ELastyear->setText(QStringLiteral("1"));
  ScriptedInteraction ui;
  for (int i = 0; i < 5; ++i) ui.AnswerAsk(kNein);
  ASSERT_TRUE(Form1->Button14Click());
}

TEST(LanguageInForce, TheGraphAndItsReportPictureFollowASwitch) {
  NeuesProjektInDenFenstern();
  Form1->show();
  Form1->Deutsch1->trigger();
  Rechnen();
  const QImage deutsch = Form4->Bild.copy();
  ASSERT_FALSE(deutsch.isNull());
  // Calculated in Spanish, the same curves carry Spanish axis texts...
  Form1->Spanisch1->trigger();
  Rechnen();
  const QImage spanisch = Form4->Bild.copy();
  EXPECT_NE(spanisch, deutsch);
  // ...and switched to German they are the German picture again.
  Form1->Deutsch1->trigger();
  EXPECT_EQ(Form4->Bild, deutsch);
  Form1->Spanisch1->trigger();
  EXPECT_EQ(Form4->Bild, spanisch);
  Form1->Deutsch1->trigger();
  Form4->hide();
}

TEST(LanguageInForce, FlowRegimeAndFrostProtectionInItalianAndSpanish) {
  NeuesProjektInDenFenstern();
  Form1->show();
  QHeizSumme = 1.0;  // results in hand: the window shows them without a run
  for (auto [menu, lam, turb, ein, aus] :
       {std::tuple{Form1->Italienisch1, "laminare", "turbolento", "acceso", "spento"},
        std::tuple{Form1->Spanisch1, "laminar", "turbulento", "encendido", "apagado"},
        std::tuple{Form1->Deutsch1, "laminar", "turbulent", "ein", "aus"}}) {
    menu->trigger();
    SCOPED_TRACE(Sprache);
    Resultat->show();
    EXPECT_EQ(Resultat->Elaminar->text().toStdString(), laminar ? lam : turb);
    EXPECT_EQ(Form1->Elaminar->text().toStdString(), laminar ? lam : turb);
    Resultat->hide();
    EXPECT_EQ(Form6->EFrostschutz->button(0)->text().toStdString(), ein);
    EXPECT_EQ(Form6->EFrostschutz->button(1)->text().toStdString(), aus);
  }
  QHeizSumme = 0.0;
}

}  // namespace
}  // namespace qeb
