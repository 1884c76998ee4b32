// Controls of the windows and the tables they are built from. Every window
// lists its controls once, in a data file of TAB/GROUP/CTRL/LABEL/MENU lines;
// the window includes that file to declare its members and to build itself.
#pragma once

#include <QGroupBox>
#include <QStringList>
#include <string>
#include <vector>

class QAction;
class QButtonGroup;
class QComboBox;
class QFontMetrics;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenuBar;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace qeb {

// A group of radio buttons with one selected item (-1 = none). Its "click"
// fires whenever the index changes, by the user or by code.
class RadioGroup : public QGroupBox {
  Q_OBJECT
  Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex NOTIFY click)

 public:
  explicit RadioGroup(QWidget* parent = nullptr);
  int itemIndex() const { return index_; }
  void setItemIndex(int i);
  void setItems(const QStringList& items);
  QStringList items() const;
  int count() const;
  void setItemText(int i, const QString& text);
  QRadioButton* button(int i) const;

 signals:
  void click();

 private:
  void Relayout();
  QButtonGroup* group_;
  int index_ = -1;
};

// ---- table lines ----
namespace ctl {
enum Kind { Edit, Label, Radio, Combo, Check, Button };
enum Layout { FORM = 0, GRID = 1 };
enum Flag { RO = 1, HID = 2, WIDE = 4, INT = 8, TXT = 16, EXP = 32, SEP = 64 };
}  // namespace ctl

struct TabSpec {
  const char* name;
  const char* caption;
  int tag;
};
struct GroupSpec {
  const char* tab;
  const char* id;
  const char* title;
  int row, col, rowSpan, colSpan, layout;
};
struct ControlSpec {
  int kind;
  const char* name;
  const char* tab;
  const char* group;
  int row, col;
  const char* caption;
  const char* items;
  int tag;
  int decimals;
  int flags;
};
struct LabelSpec {
  const char* name;     // the label's own name
  const char* control;  // the control it captions
};
struct MenuSpec {
  const char* name;
  const char* parent;
  const char* caption;
  int tag;
  int flags;
};

struct FormTables {
  std::vector<TabSpec> tabs;
  std::vector<GroupSpec> groups;
  std::vector<ControlSpec> controls;
  std::vector<LabelSpec> labels;
  std::vector<MenuSpec> menus;
  // Text numbers of the captions the window adds: the label left of a radio
  // group or combo box (CAPTAG), a group box's title (GROUPTAG).
  std::vector<std::pair<std::string, int>> captionTags;
  std::vector<std::pair<std::string, int>> groupTags;
};

// Builds the controls of `window` from its tables: with more than one tab a
// QTabWidget named "PageControl1" becomes the central area (`body` receives
// it), else the groups fill `body` directly. Menus go to `menuBar` when given.
void BuildFromTables(QWidget* body, const FormTables& t, QMenuBar* menuBar, QTabWidget** pages);

// Captions left of the inputs break at blanks into lines of at most this width.
inline constexpr int kCaptionWidth = 150;
inline constexpr int kHeadingWidth = 100;  // column headings of tables
QString WrapCaption(const QString& text, const QFontMetrics& fm, int width);
// Sets a label's text, wrapped when the label is a caption of the tables.
void SetCaption(QLabel* label, const QString& text);

// Keeps a combo box wide enough for its longest item, up to `breitester` pixels.
void GanzeEintraegeZeigen(QComboBox* cb, int breitester);

// Hides every group box of `fenster` that shows none of its inputs, for as long as it shows none.
void LeereGruppenVerbergen(QWidget* fenster);
// Lays a window's pages out anew, inner layouts first, and lets each scroll
// area size its page to them: inputs shown, hidden or relabelled while the
// window was hidden would otherwise keep the rows' old heights.
void SeitenNeuAuslegen(QWidget* fenster);

// The decimals an edit shows (from its table line), -1 when not fixed-point.
int EditDecimals(const QLineEdit* e);

// Shows or hides a tab sheet (its page widget) in its page control.
void SetTabVisible(QWidget* page, bool visible);
bool TabVisible(const QWidget* page);
// Makes a tab sheet the active page.
void ShowTab(QWidget* page);

// ---- numbers in edits ----
// Text to number the way every input of the windows is read: "." or a
// decimal comma, leading blanks allowed. `code` gets the position (1-based) of the first bad
// character, 0 when the whole text is a number; a bad text yields 0.
double ValReal(const QString& text, int& code);
int ValInt(const QString& text, int& code);
// Number to text as the windows show it.
QString FixedText(double v, int decimals);
QString IntText(long long v);
QString ShortExpText(double v);  // one digit after the point, four-digit exponent
QString FullExpText(double v);   // the project file's 23-character form

QString FromBytes(const std::string& win1252);  // module text (Windows-1252) for a control
std::string ToBytes(const QString& text);       // control text for the module

}  // namespace qeb
