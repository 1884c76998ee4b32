// The built-in reference year and the time shift of the working weather
// series.
#include <algorithm>
#include <initializer_list>

#include "calc/QEBMOD.h"
#include "calc/zuri.h"

namespace qeb {

double Aussentemperatur[8761];
double Luftfeuchte[8761];
double Globalstrahlung[8761];

void StandardWetterjahrKopieren(double (&temperatur)[8761], double (&feuchte)[8761],
                                double (&strahlung)[8761]) {
  std::copy(std::begin(kZuriTemperatur), std::end(kZuriTemperatur), temperatur);
  std::copy(std::begin(kZuriFeuchte), std::end(kZuriFeuchte), feuchte);
  std::copy(std::begin(kZuriStrahlung), std::end(kZuriStrahlung), strahlung);
}

void RotateHours(double (&series)[8761], int n) {
  n %= kStunden;
  if (n < 0) n += kStunden;
  if (n == 0) return;
  // hours 1..8760: hour h takes the value of hour h + n (wrapping)
  std::rotate(series + 1, series + 1 + n, series + 1 + kStunden);
}

namespace {

// Offsets outside 1..23 mean "no shift": local time and data already agree.
bool ValidOffset(int offset) { return offset > 0 && offset < 24; }

}  // namespace

void ShiftWeatherData() {
  // The offset already applied is undone in all three series before the new
  // one is recorded, so that humidity and radiation move with the temperature.
  for (double(*s)[8761] : {&Aussentemperatur, &Luftfeuchte, &Globalstrahlung}) {
    if (ValidOffset(OffsetAktuell)) RotateHours(*s, -OffsetAktuell);
    if (ValidOffset(Offset)) RotateHours(*s, Offset);
  }
  OffsetAktuell = Offset;
}

void UseBuiltInWeather() {
  StandardWetterjahrKopieren(Aussentemperatur, Luftfeuchte, Globalstrahlung);
  OffsetAktuell = 0;
  ShiftWeatherData();
}

}  // namespace qeb
