// Ventilation schedule dialog "Lüftungsfahrplan im Programm QEB": two daily
// schedules of ten time bands, a schedule for every weekday, and from them
// the week that is unrolled over the year into the hourly ventilation profile.
#pragma once

#include <QWidget>

#include "input/QEBInput.h"

class QCloseEvent;
class QShowEvent;

namespace qeb {

// The week built from the schedules: rows Monday (1) to Sunday (7), hours 1..24.
extern double Wochentabelle[8][25];
// The same week hour after hour, 1..168 (hour 1 = Monday 0 to 1 h).
extern double Wochenprofil[169];

// Hours of the day each of the ten time bands covers, band 0 first.
inline constexpr int kBandStunden[10] = {6, 1, 5, 1, 1, 2, 2, 2, 2, 2};

class TForm7 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm7(QWidget* parent = nullptr);
#define QEB_TABLE_FILE "input/Fahrplan_controls.inc"
#include "widgets/WindowMembers.inc"
#undef QEB_TABLE_FILE
  static const FormTables& Tables();

 public slots:
  void FillScheduleForm();
  void ReadScheduleForm();
  void ExpandDaySchedule(int s, int d);
  void BuildWeekSchedule();
  void LFBox1Change();
  void EFahrplanClick();
  void Button1Click();

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  QLineEdit* Band(int s, int b) const;
  QComboBox* Tag(int d) const;
  void WocheAufbauen();  // week table and week profile from the controls
  void Uebernehmen();    // what "Schliessen" takes over
  bool fuellen_ = false;
};

extern TForm7* Form7;

// Binds the main window's menu item "Lüftungsfahrplan".
void ConnectScheduleHandlers(TForm1* form);

}  // namespace qeb
