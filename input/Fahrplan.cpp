#include "input/Fahrplan.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <cmath>

#include "calc/QEBMOD.h"
#include "widgets/Typing.h"
#include "widgets/TableData.h"

namespace qeb {

TForm7* Form7 = nullptr;
double Wochentabelle[8][25] = {};
double Wochenprofil[169] = {};

#define QEB_WINDOW TForm7
#define QEB_TABLE_FILE "input/Fahrplan_controls.inc"
#include "widgets/WindowTables.inc"

TForm7::TForm7(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form7"));
  setWindowTitle(QStringLiteral("Lüftungsfahrplan im Programm QEB"));
  setProperty("titleTags", QVariantList{815});
  BuildFromTables(this, Tables(), nullptr, nullptr);
  // A band's hours stand in every language; only the word for the hour follows it.
  for (QLabel* l : findChildren<QLabel*>())
    if (l->objectName().startsWith(QLatin1String("LBand")))
      l->setProperty("prefix", l->text().chopped(QStringLiteral("Uhr").size()));
#include "widgets/WindowBinding.inc"
  // What the user typed counts before any command of the dialog runs.
  BefehleFertigstellenZuerst(this);
  // The note under the bands and the long air-flow captions read in one or two lines.
  if (auto* grid = qobject_cast<QGridLayout*>(LNenn->parentWidget()->layout())) {
    grid->removeWidget(LNenn);
    grid->addWidget(LNenn, 11, 0, 1, 3);
  }
  LNenn->setProperty("wrapWidth", QVariant());
  LNenn->setText(QStringLiteral("( 1.0  = Nennvolumenstrom )"));
  for (const char* name : {"L_EmZul", "L_EmZul2"})
    if (auto* l = findChild<QLabel*>(QString::fromLatin1(name))) {
      l->setProperty("wrapWidth", 380);
      SetCaption(l, l->text().replace(QLatin1Char('\n'), QLatin1Char(' ')));
    }
  fuellen_ = true;
  for (int s = 1; s <= 2; ++s)
    for (int b = 0; b <= 9; ++b) Band(s, b)->setText(QStringLiteral("1"));
  fuellen_ = false;
  for (int s = 1; s <= 2; ++s)
    for (int b = 0; b <= 9; ++b) connect(Band(s, b), &QLineEdit::textChanged, this, &TForm7::LFBox1Change);
  for (int d = 1; d <= 7; ++d) connect(Tag(d), &QComboBox::activated, this, &TForm7::LFBox1Change);
  connect(EFahrplan, &RadioGroup::click, this, &TForm7::EFahrplanClick);
  connect(Button1, &QPushButton::clicked, this, &TForm7::Button1Click);
}

QLineEdit* TForm7::Band(int s, int b) const {
  QLineEdit* const plan1[10] = {LF10, LF11, LF12, LF13, LF14, LF15, LF16, LF17, LF18, LF19};
  QLineEdit* const plan2[10] = {LF20, LF21, LF22, LF23, LF24, LF25, LF26, LF27, LF28, LF29};
  return s == 1 ? plan1[b] : plan2[b];
}

QComboBox* TForm7::Tag(int d) const {
  QComboBox* const tage[8] = {nullptr, LFBox1, LFBox2, LFBox3, LFBox4, LFBox5, LFBox6, LFBox7};
  return tage[d];
}

void TForm7::FillScheduleForm() {
  const bool vorher = fuellen_;
  fuellen_ = true;
  // A weekday with a schedule number other than 1 or 2 shows none.
  for (int d = 1; d <= 7; ++d) Tag(d)->setCurrentIndex(LFNr[d] == 1 || LFNr[d] == 2 ? LFNr[d] - 1 : -1);
  for (int s = 1; s <= 2; ++s)
    for (int b = 0; b <= 9; ++b) {
      Band(s, b)->setText(FixedText(LF[10 * s + b], 2));
      Band(s, b)->setModified(false);
    }
  fuellen_ = vorher;
}

void TForm7::ReadScheduleForm() {
  for (int s = 1; s <= 2; ++s)
    for (int b = 0; b <= 9; ++b) LF[10 * s + b] = ValReal(Band(s, b)->text(), Fehlercode);
  for (int d = 1; d <= 7; ++d) {
    // A weekday without a choice runs on schedule 1, as the week is built.
    if (Tag(d)->currentIndex() < 0 || Tag(d)->currentIndex() > 1) Tag(d)->setCurrentIndex(0);
    LFNr[d] = Tag(d)->currentIndex() + 1;
  }
}

void TForm7::ExpandDaySchedule(int s, int d) {
  if (s < 1 || s > 2 || d < 1 || d > 7) return;
  int stunde = 1;
  for (int b = 0; b <= 9; ++b)
    for (int k = 0; k < kBandStunden[b]; ++k) Wochentabelle[d][stunde++] = LF[10 * s + b];
}

void TForm7::BuildWeekSchedule() {
  for (int d = 1; d <= 7; ++d) {
    switch (Tag(d)->currentIndex()) {
      case 0:
        ExpandDaySchedule(1, d);
        break;
      case 1:
        ExpandDaySchedule(2, d);
        break;
      default:
        Tag(d)->setCurrentIndex(0);
        ExpandDaySchedule(1, d);
    }
  }
}

void TForm7::WocheAufbauen() {
  ReadScheduleForm();
  BuildWeekSchedule();
  for (int d = 1; d <= 7; ++d)
    for (int h = 1; h <= 24; ++h) Wochenprofil[24 * (d - 1) + h] = Wochentabelle[d][h];
}

void TForm7::LFBox1Change() {
  // Filling shows the state; only the user's changes choose this sheet's schedule.
  if (fuellen_) return;
  WocheAufbauen();
  EFahrplan->setItemIndex(2);
  LFahrplan = true;
}

void TForm7::EFahrplanClick() { LFahrplan = EFahrplan->itemIndex() > 0; }

namespace {

// The year's air flow is this sheet's week (its bands and weekday choices
// unrolled): the schedule was taken from this sheet, and it comes back so.
bool ProfilVomBlatt() {
  for (int h = 1; h <= kStunden; ++h) {
    const int w = (h - 1) % 168;
    const int d = w / 24 + 1;
    const int s = LFNr[d] == 2 ? 2 : 1;
    int b = 0;
    for (int bis = kBandStunden[0]; w % 24 >= bis && b < 9;) bis += kBandStunden[++b];
    if (std::fabs(Lueftungsprofil[h] - LF[10 * s + b]) > 1e-9) return false;
  }
  return true;
}

}  // namespace

void TForm7::showEvent(QShowEvent* e) {
  if (!e->spontaneous()) {
    fuellen_ = true;
    FillScheduleForm();
    EFahrplan->setItemIndex(LFahrplan ? (ProfilVomBlatt() ? 2 : 1) : 0);
    EmZul->setText(FixedText(mZul, 0));
    EmZul2->setText(FixedText(mZul2, 0));
    fuellen_ = false;
  }
  QWidget::showEvent(e);
}

void TForm7::Uebernehmen() {
  ReadScheduleForm();
  LFahrplan = EFahrplan->itemIndex() > 0;
  if (EFahrplan->itemIndex() == 2) {
    // The week of the bands as they stand now, whether or not they were edited.
    WocheAufbauen();
    for (int h = 1; h <= kStunden; ++h) Lueftungsprofil[h] = Wochenprofil[h % 168 == 0 ? 168 : h % 168];
  }
}

void TForm7::Button1Click() {
  Uebernehmen();
  close();
}

void TForm7::closeEvent(QCloseEvent* e) {
  // The title bar's close is the user's "Schliessen".
  if (e->spontaneous()) Uebernehmen();
  QWidget::closeEvent(e);
}

void TForm1::Lftungsfahrplan1Click() {
  if (Form7 != nullptr) Form7->show();
}

void ConnectScheduleHandlers(TForm1* f) {
  QObject::connect(f->Lftungsfahrplan1, &QAction::triggered, f, &TForm1::Lftungsfahrplan1Click);
}

}  // namespace qeb
