// Saves every window and every tab of the desktop program to PNG, offscreen,
// so the windows can be looked at without a desktop:
//   QT_QPA_PLATFORM=offscreen shots OUTDIR [LETTER]   (LETTER: D, E, F, I or S)
// The windows work in a temporary folder of their own: the plan, overlay,
// scratch input and output files they write never land where the tool is started.
#include <QAction>
#include <QApplication>
#include <QRadioButton>
#include <QLineEdit>
#include <QClipboard>
#include <QPainter>
#include <QDir>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTabWidget>
#include <QWidget>
#include <cmath>
#include <cstdio>
#include <string>

#include "calc/QEBMOD.h"
#include "calc/QEBMOD_run.h"
#include "calc/TextIO.h"
#include "field/ScreenTween.h"
#include "field/Sondenfeld.h"
#include "input/QEBInput.h"
#include "input/QEBInput_trt.h"
#include "results/gfunc.h"
#include "shell/QEB.h"
#include "shell/Sprachen.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString dir = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots")).absolutePath();
  QDir().mkpath(dir);
  QTemporaryDir arbeit;
  if (!arbeit.isValid() || !QDir::setCurrent(arbeit.path())) {
    std::fprintf(stderr, "shots: no working folder\n");
    return 1;
  }
  qeb::CreateApplicationWindows();
  if (argc > 2) qeb::SetLanguage(argv[2]);
  int n = 0;
  for (QWidget* w : qeb::ApplicationWindows()) {
    w->show();
    QApplication::processEvents();
    auto* tabs = w->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    std::printf("%s: size %dx%d, minimum %dx%d\n", w->objectName().toLocal8Bit().constData(), w->width(),
                w->height(), w->minimumSizeHint().width(), w->minimumSizeHint().height());
    if (tabs != nullptr) {
      for (int i = 0; i < tabs->count(); ++i) {
        auto* scroll = tabs->widget(i)->findChild<QScrollArea*>();
        const QSize m = scroll != nullptr ? scroll->widget()->minimumSizeHint() : tabs->widget(i)->minimumSizeHint();
        std::printf("  tab %s: minimum %dx%d\n", tabs->widget(i)->objectName().toLocal8Bit().constData(),
                    m.width(), m.height());
        if (!tabs->isTabVisible(i)) continue;
        tabs->setCurrentIndex(i);
        QApplication::processEvents();
        const QString file = dir + QStringLiteral("/%1_%2_%3.png").arg(w->objectName()).arg(i, 2, 10, QLatin1Char('0'))
                                       .arg(tabs->widget(i)->objectName());
        w->grab().save(file);
        ++n;
      }
    } else {
      w->grab().save(dir + QStringLiteral("/%1.png").arg(w->objectName()));
      ++n;
    }
  }
  // The field editor with a field of 12 (two of them neighbours), then its
  // evaluation view; the g-function window of the new project.
  qeb::Form1->Sondenfeld1Click();
  QApplication::processEvents();
  qeb::Feld->grab().save(dir + QStringLiteral("/Feld_leer.png"));
  for (int k = 0; k < 12; ++k) {
    qeb::Nachbarmodus = k >= 10;
    const int x = 160 + 120 * (k % 4), y = 120 + 120 * (k / 4) + (k >= 10 ? 120 : 0);
    qeb::Feld->FormMouseDown(Qt::LeftButton, Qt::LeftButton, x, y);
    qeb::Feld->FormMouseUp(Qt::LeftButton, Qt::NoButton, x, y);
  }
  qeb::Nachbarmodus = false;
  QApplication::processEvents();
  qeb::Feld->grab().save(dir + QStringLiteral("/Feld_12.png"));
  qeb::Feld->Button4Click();
  QApplication::processEvents();
  qeb::Feld->grab().save(dir + QStringLiteral("/Feld_Auswertung.png"));
  qeb::Form1->Button8Click();
  QApplication::processEvents();
  qeb::Form5->grab().save(dir + QStringLiteral("/Form5_gfunction.png"));
  n += 4;
  // The simulation tab after a response test was evaluated (6 kW into 100 m,
  // 11 + 1.90986 ln t: 2.50 W/mK).
  {
    const std::string datei = (dir + QStringLiteral("/trt_beispiel.qeb")).toStdString();
    std::string text = "Datum;T1;T2;P\r\n";
    const double start = *qeb::DatumZeitLesen("28/2/2011 16:28");
    for (int i = 0; i <= 96 * 6; ++i) {
      const double t = i / 6.0;
      const double tm = t <= 0 ? 11.0 : t <= 72 ? 11.0 + 1.90986 * std::log(t)
                                                : 11.0 + 1.90986 * (std::log(t) - std::log(t - 72));
      const double dt = t <= 72 ? -5.0 : 0.0;
      text += qeb::DatumZeitText(start + t / 24.0) + ";" + qeb::FormatFixed(tm - dt / 2, 0, 4) + ";" +
              qeb::FormatFixed(tm + dt / 2, 0, 4) + ";" + (t <= 72 ? "6" : "0") + "\r\n";
    }
    std::FILE* f = std::fopen(datei.c_str(), "wb");
    if (f != nullptr) {
      std::fwrite(text.data(), 1, text.size(), f);
      std::fclose(f);
      qeb::Form1->ESondenlaenge->setText(QStringLiteral("100"));
      qeb::Form1->EHell->setItemIndex(1);
      qeb::Form1->EingabenUebernehmen();
      qeb::Form1->show();
      if (qeb::Form1->TRTDateiAuswerten(datei)) {
        qeb::Form1->ETRT->setItemIndex(0);
        QApplication::processEvents();
        qeb::Form1->grab().save(dir + QStringLiteral("/Form1_TRT.png"));
        ++n;
        // The g-function window in test mode: the measured points and the fit.
        qeb::TRTModus = true;
        qeb::Form5->hide();
        qeb::Form5->show();
        QApplication::processEvents();
        qeb::Form5->grab().save(dir + QStringLiteral("/Form5_TRT.png"));
        ++n;
      }
    }
  }
  // The same field over a site plan, its colour map at two scales, the
  // presentation mode and the cross-fade window.
  {
    QImage plan(1100, 760, QImage::Format_RGB32);
    plan.fill(QColor(236, 232, 220));
    QPainter p(&plan);
    p.fillRect(0, 330, 1100, 40, QColor(170, 170, 170));
    p.fillRect(600, 0, 36, 760, QColor(170, 170, 170));
    p.setBrush(QColor(205, 120, 100));
    p.setPen(QColor(90, 60, 50));
    for (QRect r : {QRect(120, 80, 200, 120), QRect(700, 420, 260, 180), QRect(680, 60, 160, 200), QRect(80, 460, 150, 110)})
      p.drawRect(r);
    p.setPen(Qt::black);
    p.drawText(130, 100, QStringLiteral("Wohnhaus"));
    p.drawText(20, 355, QStringLiteral("Dorfstrasse"));
    p.end();
    QApplication::clipboard()->setImage(plan);
    // A project of 150 m boreholes taking 150 MWh a year, on a large screen.
    qeb::Form1->ESondenlaenge->setText(QStringLiteral("150.0"));
    qeb::Form1->EingabenUebernehmen();
    qeb::QHeizSumme = 150000;
    qeb::Feld->showNormal();
    qeb::Feld->resize(1500, 900);
    QApplication::processEvents();
    qeb::Feld->ClipClick();
    qeb::Feld->Button6Click();
    QApplication::processEvents();
    qeb::Feld->grab().save(dir + QStringLiteral("/Feld_Plan.png"));
    qeb::Feld->Farb0Click();
    QApplication::processEvents();
    qeb::Feld->grab().save(dir + QStringLiteral("/Feld_Karte_Temp.png"));
    qeb::Feld->Farb9Click();
    QApplication::processEvents();
    qeb::Feld->grab().save(dir + QStringLiteral("/Feld_Karte_Temp-3.png"));
    qeb::Feld->CheckBox1Click();
    QApplication::processEvents();
    qeb::Feld->grab().save(dir + QStringLiteral("/Feld_Praesentation.png"));
    qeb::Feld->CheckBox1Click();
    qeb::Feld->BlendClick();
    QApplication::processEvents();
    qeb::FormTween->grab().save(dir + QStringLiteral("/FormTween_Blend.png"));
    qeb::FormTween->ZuClick();
    QApplication::processEvents();
    qeb::Feld->grab().save(dir + QStringLiteral("/Feld_Blend.png"));
    n += 6;
  }
  // The input window after its switches: outdoor-air exchanger, profile from
  // the heat flux, the loads split over two fields, the horizontal pipe.
  {
    qeb::TForm1& f = *qeb::Form1;
    qeb::Feld->hide();
    auto schuss = [&](const char* name) {
      QApplication::processEvents();
      f.grab().save(dir + QStringLiteral("/Form1_%1.png").arg(QLatin1String(name)));
      ++n;
    };
    f.Rckkhler1->trigger();
    f.ERueckkuehler->button(0)->click();
    schuss("Aussenluft_Tauscher");
    f.Aus_Waermefluss->trigger();
    f.Einfgen1->trigger();
    schuss("Profil_Waermefluss");
    f.Lastprofil1->trigger();
    f.EAufteilung->button(0)->click();
    schuss("Aufteilung");
    f.Horizontalrohr1->trigger();
    f.Horizontalrohr->button(1)->click();
    schuss("Horizontalrohr");
  }
  std::printf("%d pictures in %s\n", n, dir.toLocal8Bit().constData());
  return 0;
}
