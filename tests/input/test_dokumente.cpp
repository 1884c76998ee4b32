// Documents, manuals, map viewers at the project's location, the project
// picture and the support mail, driven through the input window's menus and
// buttons with scripted dialogs and a recording mail program.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "calc/QEBMOD.h"
#include "input/QEBInput.h"
#include "input/QEBInput_dokumente.h"
#include "input/QEBInput_project.h"
#include "platform/Mail.h"
#include "platform/Platform.h"
#include "shell/Info.h"
#include "tests/support/scratch.h"
#include "tests/support/ui_project.h"

namespace qeb {
namespace {

namespace fs = std::filesystem;

class Dokumente : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    dir = FrischerOrdner("dok_");
    alt = SetMailprogramm(&post);
  }
  void TearDown() override { SetMailprogramm(alt); }
  void Koordinaten(const char* x, const char* y) {
    Form1->Ex_koord->setText(QString::fromLatin1(x));
    Form1->Ey_koord->setText(QString::fromLatin1(y));
  }
  std::string dir;
  ScriptedInteraction ui;
  MailAufzeichnung post;
  MailProgramm* alt = nullptr;
};

TEST_F(Dokumente, NewFrameCoordinatesShowInTheOldFrameAndOpenEveryViewer) {
  Koordinaten("2683000", "1247000");
  Form1->Karte1->trigger();
  EXPECT_EQ(Form1->Ex_koord->text(), QStringLiteral("683000"));
  EXPECT_EQ(Form1->Ey_koord->text(), QStringLiteral("247000"));
  ASSERT_EQ(ui.Texts("shell").size(), 1u);
  EXPECT_EQ(ui.Texts("shell")[0], std::string(kKartenHost) +
                                      "/?lang=de&topic=ech&bgLayer=ch.swisstopo.pixelkarte-farbe,,,,&E=2683000&N="
                                      "1247000&zoom=8");
  ui.Clear();
  Form1->EStrasse->setText(QStringLiteral("Dorfstrasse 1"));
  Form1->EOrt->setText(QStringLiteral("Rain"));
  Form1->Landkarten->click();  // nothing asked: all is there
  const auto seiten = ui.Texts("shell");
  ASSERT_EQ(seiten.size(), 8u);  // five national and three canton viewers
  EXPECT_NE(seiten[5].find("topic=AwelGSWaermewwwZH&scale=2000&x=683000&y=247000"), std::string::npos);
  EXPECT_NE(seiten[6].find("x=2683000&y=1247000&srid=2056"), std::string::npos);
  EXPECT_EQ(seiten[6].rfind(std::string(kKantonHost) + "?topic=AwelGWFelsZH", 0), 0u);
  Form1->QEBZH1->trigger();
  EXPECT_TRUE(ui.AllAnswersUsed());
}

TEST_F(Dokumente, OutsideSwitzerlandTheFallbackViews) {
  Koordinaten("350000", "200000");
  for (QAction* a : {Form1->Felstiefe, Form1->GA1, Form1->Tektonik1, Form1->Geologie1, Form1->Geologiedaten1,
                     Form1->Karte1, Form1->Vogel1, Form1->QEBZH1})
    a->trigger();
  const auto s = ui.Texts("shell");
  ASSERT_EQ(s.size(), 8u);
  EXPECT_NE(s[0].find("&E=2670000&N=1210000&zoom=6"), std::string::npos);
  EXPECT_NE(s[1].find("&E=2680000&N=1250000&zoom=8"), std::string::npos);
  EXPECT_NE(s[2].find("false,false,false,true&E=2645794.35&N=1220258.68&zoom=4"), std::string::npos);
  EXPECT_NE(s[3].find("false,false,true,false&E=2645794.35"), std::string::npos);
  EXPECT_NE(s[6].find("&E=2600000&N=1200000&zoom=13"), std::string::npos);
  EXPECT_NE(s[7].find("scale=25000&x=683000&y=248000"), std::string::npos);
  for (const auto& t : s) EXPECT_EQ(t.find("350000"), std::string::npos) << t;
}

TEST_F(Dokumente, MapsAskOnlyForWhatIsMissingAndKeepSeparatorsOutOfTheAddress) {
  Koordinaten("683000", "0");
  Form1->EStrasse->setText(QString());
  Form1->EOrt->setText(QStringLiteral("Rain"));
  ui.AnswerInput("247000");
  ui.AnswerInput("Haupt|strasse\t5\r\n");
  Form1->Landkarten->click();
  EXPECT_TRUE(ui.AllAnswersUsed());
  EXPECT_EQ(ui.Texts("input").size(), 2u);
  EXPECT_EQ(Projektstrasse, "Hauptstrasse5");
  EXPECT_EQ(y_koord, 247000);
  EXPECT_EQ(ui.Texts("shell").size(), 8u);
  // A typed coordinate out of range stands as 0.
  Koordinaten("0", "247000");
  ui.Clear();
  ui.AnswerInput("900000");
  Form1->Landkarten->click();
  EXPECT_EQ(x_koord, 0);
}

TEST_F(Dokumente, ManualsCoursesAndAttachedDocuments) {
  Form1->Handbuch1->trigger();
  Form1->Kurse21->trigger();
  ASSERT_EQ(ui.Texts("shell").size(), 2u);
  EXPECT_EQ(ui.Texts("shell")[0], std::string(kHerstellerWebseite) + "/download/Bed_QEB55.pdf");
  EXPECT_EQ(ui.Texts("shell")[1], std::string(kHerstellerWebseite) + "/qeb_expertenkurse.html");
  ui.Clear();
  PdfVorhanden[2] = false;
  ui.AnswerFile("");
  Form1->PDFFile22->trigger();  // none attached: choose first
  EXPECT_EQ(ui.Count("message", " Keine Daten eingelesen / No input "), 1);
  EXPECT_FALSE(PdfVorhanden[2]);
  ui.AnswerFile(dir + "/bericht.pdf");
  Form1->PDFFile2->trigger();
  EXPECT_TRUE(PdfVorhanden[2]);
  Form1->PDFFile22->trigger();
  EXPECT_EQ(ui.Texts("shell"), std::vector<std::string>{dir + "/bericht.pdf"});
}

TEST_F(Dokumente, PictureSizedAsThePreviewAndTheLogo) {
  QImage hoch(920, 690, QImage::Format_RGB32);
  hoch.fill(Qt::darkGreen);
  hoch.save(QString::fromStdString(dir + "/hoch.bmp"), "BMP");
  ui.AnswerFile(dir + "/hoch.bmp");
  Form1->Bildeinlesen->click();
  EXPECT_EQ(Form1->s2->width(), 460);
  EXPECT_TRUE(Form1->s2->hasScaledContents());
  EXPECT_TRUE(BildGeladen && BildIstBitmap && ProjektbildGeladen);
  EXPECT_EQ(Projektbild.size(), QSize(920, 690));
  EXPECT_FALSE(Form1->Button19->isHidden());
  QImage klein(400, 300, QImage::Format_RGB32);
  klein.fill(Qt::red);
  FeldKopieErstellt = true;
  ProjektbildGeladen = false;
  QApplication::clipboard()->setImage(klein);
  Form1->ClipboardEinlesen->click();
  EXPECT_EQ(Form1->s2->size(), QSize(400, 300));
  EXPECT_FALSE(Form1->s2->hasScaledContents());
  EXPECT_FALSE(ProjektbildGeladen);  // the editor's copy is not the chosen picture yet
  FeldKopieErstellt = false;
  // Cancelled or unreadable: nothing changes; the logo is cleared.
  ui.AnswerFile("");
  Form1->Bildeinlesen->click();
  EXPECT_EQ(Projektbild.size(), QSize(400, 300));
  LogoGeladen = true;
  ui.AnswerFile(dir + "/fehlt.jpg");
  LogoClick();
  EXPECT_FALSE(LogoGeladen);
}

TEST_F(Dokumente, SupportMailOnlyAfterASuccessfulSave) {
  Form1->ELastyear->setText(QStringLiteral("1"));
  Form1->EProjektname->setText(QStringLiteral("Wohnhaus Rain"));
  Form1->EBeschreibung->setText(QStringLiteral("Variante A"));
  mitPlan = false;
  ui.AnswerFile("");  // the save is cancelled
  Form1->Button18->click();
  EXPECT_TRUE(post.mails.empty());
  const std::string datei = dir + "/projekt.txt";
  ui.AnswerFile(datei);
  Form1->Support1->trigger();
  ASSERT_EQ(post.mails.size(), 1u);
  EXPECT_EQ(post.mails[0].an, kSupportAdresse);
  EXPECT_EQ(post.mails[0].betreff, "Support-Anfrage für QEB-Berechnung");
  EXPECT_EQ(post.mails[0].text, "Gespeicherte Datei aus QEB-Berechnung");
  EXPECT_EQ(post.mails[0].anhang, datei);
  EXPECT_TRUE(fs::exists(datei));
  // With a plan, a second mail carries the plan; no mail program: a message.
  mitPlan = true;
  post.mails.clear();
  ui.AnswerFile(datei);
  Form1->Button18->click();
  ASSERT_EQ(post.mails.size(), 2u);
  EXPECT_EQ(post.mails[1].text, "MAP-Datei der QEB-Berechnung");
  EXPECT_EQ(post.mails[1].anhang, dir + "/projekt.map");
  post.gelingt = false;
  post.mails.clear();
  ui.Clear();
  ui.AnswerFile(datei);
  Form1->Button18->click();
  EXPECT_EQ(post.mails.size(), 1u);
  EXPECT_EQ(ui.Count("message", "Kein Mailprogramm / no mail program"), 1);
  mitPlan = false;
}

TEST(Mailto, TheLinkNamesEveryFieldAndTheAttachment) {
  EXPECT_EQ(MailtoLink("support@qeb-programm.ch", "Support-Anfrage", "Gespeicherte Datei", "/tmp/p r.txt"),
            "mailto:support@qeb-programm.ch?subject=Support-Anfrage&body=Gespeicherte%20Datei%0A%0AAnhang%20%2F%"
            "20attachment%3A%20%2Ftmp%2Fp%20r.txt&attach=%2Ftmp%2Fp%20r.txt");
  ScriptedInteraction ui;
  DesktopMail m;
  std::string fehler;
  EXPECT_TRUE(m.Verfassen("a@b.ch", "x", "y", "", fehler));
  EXPECT_EQ(ui.Texts("shell"), std::vector<std::string>{"mailto:a@b.ch?subject=x&body=y"});
}

}  // namespace
}  // namespace qeb
