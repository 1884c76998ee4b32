// The application: every window created once at start, in the start-up order,
// and the few things the windows ask of the application as a whole.
#pragma once

#include <string>
#include <vector>

class QWidget;

namespace qeb {

// The folder the program works in: its scratch files, its outputs and the
// language file live there, and the file dialogs start there. $QEB_WORKDIR,
// else ~/QEB; empty when neither can be named.
std::string Arbeitsverzeichnis();
// Creates the working folder when missing and makes it the current
// directory; false (staying where it is) when that fails.
bool InsArbeitsverzeichnis();
// The current directory with a trailing "/": the program directory of the
// project files.
std::string AktuellesVerzeichnis();

// Everything the start-up does before the message loop: unit initialisations,
// the title, every window created once. main(), the tests and outside checks
// all start the program through it.
void CreateApplicationWindows();

// Ends what CreateApplicationWindows made, before the application object goes.
void DestroyApplicationWindows();

// The windows in the order they were created (the language switch walks them).
const std::vector<QWidget*>& ApplicationWindows();
void RegisterWindow(QWidget* w);

// The project input window is closing: the windows that live with it close too.
void CloseCompanionWindows();

}  // namespace qeb
