// A program outside the module: includes its header, links the library,
// resets to the defaults and reads the shared state by its keys.
#include <cstdio>

#include "calc/QEBMOD.h"

int main() {
  qeb::ResetToDefaults();
  const bool ok = qeb::AnzahlSonden == 1 && qeb::Sondenlaenge == 20.0 && qeb::Bohrdurchmesser == 0.12 &&
                  qeb::Schicht[20] == 600.0 && qeb::Outputfile == "Ausgabe.qeb";
  std::printf("AnzahlSonden=%d Sondenlaenge=%g Bohrdurchmesser=%g\n", qeb::AnzahlSonden, qeb::Sondenlaenge,
              qeb::Bohrdurchmesser);
  return ok ? 0 : 1;
}
