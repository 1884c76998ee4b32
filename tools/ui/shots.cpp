// Saves every window and every tab of the desktop program to PNG, offscreen,
// so the windows can be looked at without a desktop:
//   QT_QPA_PLATFORM=offscreen shots OUTDIR [LETTER]   (LETTER: D, E, F, I or S)
#include <QApplication>
#include <QDir>
#include <QScrollArea>
#include <QTabWidget>
#include <QWidget>
#include <cstdio>

#include "input/QEBInput.h"
#include "shell/QEB.h"
#include "shell/Sprachen.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
  QDir().mkpath(dir);
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
  std::printf("%d pictures in %s\n", n, dir.toLocal8Bit().constData());
  return 0;
}
