// Window-side state of the input window's handlers: the values the engineer's
// inputs keep beside the module's, and the small helpers the handler files share.
#pragma once

#include <QLineEdit>
#include <functional>
#include <initializer_list>

class QObject;
class QWidget;

namespace qeb {

class TForm1;
class RadioGroup;

extern int AnzahlSondenKopie;      // second copy of the probe count
extern int SprungParameter1;       // timing of the one-month step response
extern int SprungParameter2;
// Orientation and altitude in force before a weather file replaced the site.
extern double AzimutVorher;
extern double NeigungVorher;
extern double HoehVorher;

// Binds a handler to the user's leaving an edit he typed in (or a command
// finishing it): values other code writes into the edit do not trigger it.
void BeimVerlassen(QLineEdit* e, QObject* context, std::function<void()> handler);

// Binds a handler to the user's picking another item of a radio group (a
// click on one of its buttons): an item other code selects does not trigger it.
void BeiWahl(RadioGroup* r, QObject* context, std::function<void()> handler);

// Sets an option from code outside a display pass: when its item changes, its
// handler runs as the user's pick would run it, so the chain follows.
void WahlSetzen(RadioGroup* r, int item, const std::function<void()>& handler);

// The unit beside the twelve run times, as `Durchschnittsentzug` says; the
// display pass shows it too.
void LaufzeitEinheitZeigen(TForm1& f);

// The inputs of the split load (monthly free cooling) or of the band loads,
// as `Aufteilung` says; the display pass shows them too.
void AufteilungZeigen(TForm1& f);

// Shows or hides controls (a control's caption follows it).
void Sichtbar(std::initializer_list<QWidget*> ws, bool shown);
// Calls a routine another window or part of this one offers, when it does.
void RufeWennDa(QObject* o, const char* slot);
// The built-in weather year as the project sees it: the current offset
// applied and, away from the reference altitude, the temperatures moved by
// the altitude.
void StandortWetterjahr();
// The drawn field's five g-values from the borehole positions; false (and
// the old values kept, the reason shown) when the field cannot give them.
bool FeldGWerte();

}  // namespace qeb
