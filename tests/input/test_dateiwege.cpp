// Files on the user's road: the real file dialogs list the files their
// filters name and a save adds the filter's suffix; exchange files that do not
// hold what their format says are refused with their line and change nothing;
// the site point has one national coordinate in the editor, the site file and
// the project; oversized pictures are refused before they are decoded.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "calc/QEBMOD.h"
#include "calc/TextIO.h"
#include "field/Sondenfeld.h"
#include "input/QEBInput.h"
#include "input/QEBInput_project.h"
#include "platform/Jpeg.h"
#include "platform/Platform.h"
#include "tests/support/files.h"
#include "tests/support/scratch.h"
#include "tests/support/ui_project.h"

namespace qeb {
namespace {

namespace fs = std::filesystem;


// Messages and questions scripted, file dialogs the desktop's own.
class EchteDialoge : public ScriptedInteraction {
 public:
  EchteDialoge() {
    Interaction* selbst = SetInteraction(nullptr);
    desktop_ = &UI();
    SetInteraction(selbst);
  }
  std::string OpenFileName(const std::string& f, const std::string& d) override { return desktop_->OpenFileName(f, d); }
  std::string SaveFileName(const std::string& f, const std::string& d, const std::string& n) override {
    return desktop_->SaveFileName(f, d, n);
  }
  std::string PictureFileName(const std::string& f, const std::string& d) override {
    return desktop_->PictureFileName(f, d);
  }

 private:
  Interaction* desktop_ = nullptr;
};

// Answers the next file dialog as a user does: waits until its list shows the
// file it is to pick (at most 3 s), notes what it lists, types the name and
// presses Enter; a dialog that does not list the file is cancelled.
class Dialogantwort {
 public:
  Dialogantwort(const QString& warteAuf, const QString& name) {
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, [this, warteAuf, name] {
      auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (d == nullptr) return;
      timer_.stop();
      filter = d->selectedNameFilter();
      auto* liste = d->findChild<QListView*>(QStringLiteral("listView"));
      for (int i = 0; i < 150 && liste != nullptr; ++i) {
        gelistet.clear();
        const QAbstractItemModel* m = liste->model();
        for (int r = 0; r < m->rowCount(liste->rootIndex()); ++r)
          gelistet << m->index(r, 0, liste->rootIndex()).data().toString();
        if (warteAuf.isEmpty() || gelistet.contains(warteAuf)) break;
        QTest::qWait(20);
      }
      if (!warteAuf.isEmpty() && !gelistet.contains(warteAuf)) {
        d->reject();  // the user finds nothing to pick
        return;
      }
      auto* edit = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      edit->selectAll();
      QTest::keyClicks(edit, name);
      QTest::keyClick(edit, Qt::Key_Return);
      if (d->isVisible()) d->reject();  // a name the dialog does not take: cancelled
    });
    timer_.start();
  }
  QStringList gelistet;
  QString filter;

 private:
  QTimer timer_;
};

class Dateiwege : public ::testing::Test {
 protected:
  void SetUp() override {
    NeuesProjektInDenFenstern();
    dir = FrischerOrdner("dw_");
    Programmverzeichnis = dir + "/";
    mitReferenzpunkt = false;
    x_CH_Koord = y_CH_Koord = x_Ref = y_Ref = 0;
    Zaehler = 2;
    for (int i = 1; i <= kMaxSonden; ++i) {
      SondeX[i] = i <= 2 ? 10.0 * i : 0;
      SondeY[i] = i <= 2 ? 5.0 : 0;
      Nachbarsonde[i] = false;
      Sondenbelastung[i] = i <= 2 ? 0.5 : 0;
    }
  }
  std::string dir;
};

TEST_F(Dateiwege, FileDialogsListTheFilesOfTheirFiltersAndASaveAddsTheSuffix) {
  EchteDialoge ui;
  // "Export Sonden": the name typed without a suffix is saved with ".qeb".
  {
    Dialogantwort antwort(QString(), QStringLiteral("feld"));
    Form1->ExportSonden1->trigger();
    EXPECT_EQ(antwort.filter, QStringLiteral("Sonden-Datei (*.qeb)"));
  }
  EXPECT_EQ(ui.Count("message", " Daten geschrieben / output done "), 1);
  EXPECT_TRUE(fs::exists(dir + "/feld.qeb"));
  EXPECT_FALSE(fs::exists(dir + "/feld"));
  // "Import Sonden" lists the file (and nothing its filter does not name).
  Schreib(dir + "/notiz.txt", "x");
  Zaehler = 0;
  {
    Dialogantwort antwort(QStringLiteral("feld.qeb"), QStringLiteral("feld.qeb"));
    Form1->ImportSonden1->trigger();
    EXPECT_TRUE(antwort.gelistet.contains(QStringLiteral("feld.qeb"))) << antwort.gelistet.join(u',').toStdString();
    EXPECT_FALSE(antwort.gelistet.contains(QStringLiteral("notiz.txt")));
  }
  EXPECT_EQ(ui.Count("message", " Daten eingelesen / input done "), 1);
  EXPECT_EQ(Zaehler, 2);
  // The project picture: "*.jpg;*.JPG;*.bmp;*.BMP" lists a bitmap.
  QImage bild(40, 30, QImage::Format_RGB32);
  bild.fill(Qt::darkGreen);
  ASSERT_TRUE(bild.save(QString::fromStdString(dir + "/haus.bmp"), "BMP"));
  {
    Dialogantwort antwort(QStringLiteral("haus.bmp"), QStringLiteral("haus.bmp"));
    Form1->Bildeinlesen->click();
    EXPECT_TRUE(antwort.gelistet.contains(QStringLiteral("haus.bmp"))) << antwort.gelistet.join(u',').toStdString();
  }
  EXPECT_TRUE(BildGeladen);
  EXPECT_EQ(Projektbild.width(), 40);
  // The plan picture: "*.BMP" lists the bitmap whatever the case of its suffix.
  FeldeditorInitialisieren();
  Form1->Sondenfeld1Click();
  {
    Dialogantwort antwort(QStringLiteral("haus.bmp"), QStringLiteral("haus.bmp"));
    Feld->Button11->click();
    EXPECT_TRUE(antwort.gelistet.contains(QStringLiteral("haus.bmp"))) << antwort.gelistet.join(u',').toStdString();
  }
  EXPECT_EQ(PlanBild.width(), 40);
  Feld->hide();
}

TEST_F(Dateiwege, BoreholeRowsThatDoNotParseOrLieOutsideTheRangesAreRefusedWithTheirLine) {
  ScriptedInteraction ui;
  const std::string datei = dir + "/sonden.qeb";
  ui.AnswerFile(datei);
  Form1->ExportSonden1->trigger();
  const std::string gut = Lies(datei);
  const std::string kopf = gut.substr(0, gut.find("1\t10.00"));
  const std::string kopfFern = kopf.substr(0, kopf.find("0.000\t0.000\tNullpunkt:")) + "1.7e308\t0.000\tNullpunkt:" +
                               kopf.substr(kopf.find("\tNullpunkt:") + 11);
  struct Fall {
    std::string text, zeile;
  } faelle[] = {
      {kopf + "1;10,5;1,0;0;1,000\r\n", "1;10,5;1,0;0;1,000"},  // decimal commas, semicolons
      {kopf + "1\t10,5\t1,0\t0\t1,000\r\n", "line 11"},
      {kopf + "1\t1.0\t2.0\t0\t0.5\r\n2\t2e8\t2.0\t0\t0.5\r\n", "line 12"},  // beyond the plan's coordinates
      {kopf + "1\t1.0\t-3e8\t0\t0.5\r\n", "line 11"},
      {kopf + "1\t1.0\t2.0\t0\t5e6\r\n", "line 11"},  // load share
      {kopfFern + "1\t-1.7e308\t2.0\t0\t0.5\r\n", "line 11"},  // -inf after the origin
      {kopf + "1\t1.0\t2.0\t0.5\t0.5\r\n", "line 11"},  // the flag is 0 or 1
  };
  for (const Fall& f : faelle) {
    Schreib(datei, f.text);
    ui.Clear();
    ui.AnswerFile(datei);
    Form1->ImportSonden1->trigger();
    ASSERT_EQ(ui.Texts("message").size(), 1u) << f.text;
    const std::string m = ui.Texts("message")[0];
    EXPECT_NE(m.find(" Keine Daten eingelesen / No input "), std::string::npos) << m;
    EXPECT_NE(m.find(f.zeile), std::string::npos) << m;
    EXPECT_EQ(Zaehler, 2) << f.text;
    EXPECT_DOUBLE_EQ(SondeX[1], 10.0);
    EXPECT_DOUBLE_EQ(SondeY[1], 5.0);
    EXPECT_DOUBLE_EQ(Sondenbelastung[1], 0.5);
    EXPECT_FALSE(Nachbarsonde[1]);
  }
  // Blanks between the fields are the format's too.
  Schreib(datei, kopf + "1  12.5 3.0 1  0.250\r\n");
  ui.Clear();
  ui.AnswerFile(datei);
  Form1->ImportSonden1->trigger();
  EXPECT_EQ(ui.Count("message", " Daten eingelesen / input done "), 1);
  EXPECT_EQ(Zaehler, 1);
  EXPECT_DOUBLE_EQ(SondeX[1], 12.5);
  EXPECT_TRUE(Nachbarsonde[1]);
}

TEST_F(Dateiwege, ARefusedSiteFileDoesNotBecomeTheProjectsSiteFileAndSaysWhy) {
  ScriptedInteraction ui;
  StaoFile = "stao.qeb";
  Reserve27 = false;
  struct Fall {
    std::string name, text, grund;
  } faelle[] = {
      {"komma.stao", "Titel\r\nYear\tx\ty\tdT\r\n0\t1,5\t2,5\t0,00\r\n", "line 3"},
      {"leer.stao", "Titel\r\nYear\tx\ty\tdT\r\n", "no years"},
      {"heiss.stao", "Titel\r\nYear\tx\ty\tdT\r\n0\t1.5\t2.5\t0.00\r\n1\t1.5\t2.5\t900\r\n", "line 4"},
  };
  for (const Fall& f : faelle) {
    Schreib(dir + "/" + f.name, f.text);
    ui.Clear();
    ui.AnswerFile(dir + "/" + f.name);
    Form1->ImportTempStao1->trigger();
    ASSERT_EQ(ui.Texts("message").size(), 1u);
    const std::string m = ui.Texts("message")[0];
    EXPECT_NE(m.find(" Keine Daten eingelesen / No input "), std::string::npos) << m;
    EXPECT_NE(m.find(f.name), std::string::npos) << m;
    EXPECT_NE(m.find(f.grund), std::string::npos) << m;
    EXPECT_EQ(StaoFile, "stao.qeb");
    EXPECT_FALSE(Reserve27);
  }
}

void Klick(int x, int y) {
  QWidget* w = Feld->Zeichenflaeche;
  for (auto t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent e(t, QPointF(x, y), w->mapToGlobal(QPointF(x, y)), Qt::LeftButton,
                  t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  }
}

TEST_F(Dateiwege, TheSitePointHasOneNationalCoordinateInTheEditorTheSiteFileAndTheProject) {
  ScriptedInteraction ui;
  Form1->ESondenlaenge->setText(QStringLiteral("150.0"));
  Form1->EingabenUebernehmen();
  QHeizSumme = 20000, QKuehlSumme = 0;
  FeldeditorInitialisieren();
  Form1->Sondenfeld1Click();
  ASSERT_DOUBLE_EQ(Multiplikator, 0.05);
  // Reference point at plan (10 m, 10 m) = national (2600000, 1200000).
  Feld->Koordinaten->click();
  Feld->Ex_CH_Koord->selectAll();
  QTest::keyClicks(Feld->Ex_CH_Koord, QStringLiteral("2600000"));
  Feld->Ey_CH_Koord->selectAll();
  QTest::keyClicks(Feld->Ey_CH_Koord, QStringLiteral("1200000"));
  Klick(200, 200);
  // The site 30 m east and 20 m south of it: 30 m more east, 20 m less north.
  Feld->Stao->click();
  Klick(800, 600);
  ASSERT_TRUE(StaoGesetzt);
  EXPECT_DOUBLE_EQ(x_Stao_CH, 2600030.0);
  EXPECT_DOUBLE_EQ(y_Stao_CH, 1199980.0);
  Feld->Button1->click();  // "Ende"
  ui.Clear();
  const std::string stao = dir + "/feld.stao";
  ui.AnswerFile(stao);
  Form1->ExportTempStao1->trigger();
  ASSERT_EQ(ui.Count("message", " Daten geschrieben / output done "), 1);
  const std::string text = Lies(stao);
  EXPECT_NE(text.find("\r\n0\t2600030.0\t1199980.0\t0.00\r\n"), std::string::npos) << text.substr(0, 120);
  EXPECT_DOUBLE_EQ(y_Stao_CH, 1199980.0);  // the editor's label stays as it was
  // The project saved and opened again: the module's site, too.
  Form1->EProjektname->setText(QStringLiteral("Standort"));
  Form1->EBeschreibung->setText(QStringLiteral("Feld mit Referenzpunkt"));
  const std::string projekt = dir + "/standort.txt";
  ui.AnswerFile(projekt);
  ASSERT_TRUE(Form1->ToolButtonSpeichernClick()) << ::testing::PrintToString(ui.Texts("message"));
  NeuesProjektInDenFenstern();
  ui.AnswerFile(projekt);
  Form1->ToolButtonOeffnenClick();
  EXPECT_DOUBLE_EQ(StaoOffsetX, 2600030.0);
  EXPECT_DOUBLE_EQ(StaoOffsetY, 1199980.0);
  x_Ref = y_Ref = x_Stao = y_Stao = 0;
}

TEST_F(Dateiwege, PicturesBeyondThePlansLimitAreRefusedBeforeDecodingWithAMessage) {
  ScriptedInteraction ui;
  Form1->EProjektname->setText(QStringLiteral("Haus"));
  Form1->EBeschreibung->setText(QStringLiteral("Bilder"));
  BildGeladen = ProjektbildGeladen = false;
  Projektbild = QImage();
  const std::string projekt = dir + "/haus.txt";
  ui.AnswerFile(projekt);
  ASSERT_TRUE(Form1->ToolButtonSpeichernClick());
  // A 16 x 16 JPEG whose header declares 65500 x 65500 pixels, named like the
  // project, and a map file wider than a plan may be.
  QImage klein(16, 16, QImage::Format_RGB32);
  klein.fill(Qt::gray);
  ASSERT_TRUE(SaveJpeg(klein, dir + "/haus.jpg"));
  std::string jpeg = Lies(dir + "/haus.jpg");
  const size_t sof = jpeg.find("\xFF\xC0");
  ASSERT_NE(sof, std::string::npos);
  jpeg.replace(sof + 5, 4, "\xFF\xDC\xFF\xDC");
  Schreib(dir + "/haus.jpg", jpeg);
  ASSERT_LT(jpeg.size(), 2000u);
  QImage breit(kMaxPlanSeite + 600, 2, QImage::Format_RGB32);
  breit.fill(Qt::white);
  ASSERT_TRUE(breit.save(QString::fromStdString(dir + "/haus.map"), "BMP"));
  std::error_code ec;
  fs::remove("plan.qeb", ec);
  ASSERT_FALSE(fs::exists(dir + "/haus.bmp"));

  NeuesProjektInDenFenstern();
  Projektbild = QImage();
  ui.Clear();
  ui.AnswerFile(projekt);
  Form1->ToolButtonOeffnenClick();
  const auto zu = [&](const std::string& datei) {
    for (const std::string& m : ui.Texts("message"))
      if (m.find("picture too large") != std::string::npos && m.find(datei) != std::string::npos) return m;
    return std::string();
  };
  EXPECT_NE(zu("haus.jpg").find("65500 x 65500"), std::string::npos) << ::testing::PrintToString(ui.Texts("message"));
  EXPECT_NE(zu("haus.map"), "") << ::testing::PrintToString(ui.Texts("message"));
  EXPECT_TRUE(Projektbild.isNull());
  EXPECT_FALSE(fs::exists("plan.qeb"));
  EXPECT_EQ(Form1->EProjektname->text(), QStringLiteral("Haus"));  // the project itself opened

  // The same pictures chosen by hand: the plan in the field editor and the
  // project picture.
  Form1->Sondenfeld1Click();
  const QImage vorher = PlanBild;
  ui.Clear();
  ui.AnswerFile(dir + "/haus.map");
  Feld->Button11->click();
  EXPECT_NE(zu("haus.map"), "") << ::testing::PrintToString(ui.Texts("message"));
  EXPECT_EQ(PlanBild.size(), vorher.size());
  Feld->hide();
  ui.Clear();
  ui.AnswerFile(dir + "/haus.jpg");
  Form1->Bildeinlesen->click();
  EXPECT_NE(zu("haus.jpg"), "") << ::testing::PrintToString(ui.Texts("message"));
  EXPECT_TRUE(Projektbild.isNull());
  // The same limit for a picture taken from the clipboard.
  QApplication::clipboard()->setImage(breit);
  ui.Clear();
  Form1->ClipboardEinlesen->click();
  EXPECT_NE(zu("clipboard"), "") << ::testing::PrintToString(ui.Texts("message"));
  EXPECT_TRUE(Projektbild.isNull());
  Form1->Sondenfeld1Click();
  ui.Clear();
  Feld->Clip->click();
  EXPECT_NE(zu("clipboard"), "") << ::testing::PrintToString(ui.Texts("message"));
  EXPECT_EQ(PlanBild.size(), vorher.size());
  Feld->hide();
  QApplication::clipboard()->clear();
}

}  // namespace
}  // namespace qeb
