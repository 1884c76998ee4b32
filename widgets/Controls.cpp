#include "widgets/Controls.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <charconv>
#include <algorithm>
#include <cmath>
#include <map>

#include "calc/QEBMOD.h"
#include "calc/TextIO.h"

namespace qeb {

// ---------------- RadioGroup ----------------
RadioGroup::RadioGroup(QWidget* parent) : QGroupBox(parent), group_(new QButtonGroup(this)) {
  group_->setExclusive(true);
  setFlat(true);
  connect(group_, &QButtonGroup::idClicked, this, [this](int id) { setItemIndex(id); });
}

void RadioGroup::setItemIndex(int i) {
  if (i < -1 || i >= count()) i = -1;
  if (i == index_) return;
  index_ = i;
  if (i < 0) {
    // An exclusive group keeps one button checked; lift that while clearing.
    group_->setExclusive(false);
    for (auto* b : group_->buttons()) b->setChecked(false);
    group_->setExclusive(true);
  } else {
    group_->button(i)->setChecked(true);
  }
  emit click();
}

void RadioGroup::setItems(const QStringList& items) {
  for (auto* b : group_->buttons()) {
    group_->removeButton(b);
    delete b;
  }
  for (int i = 0; i < items.size(); ++i) {
    auto* b = new QRadioButton(items[i], this);
    b->setObjectName(objectName() + QStringLiteral("_item%1").arg(i));
    group_->addButton(b, i);
  }
  index_ = -1;
  Relayout();
}

QStringList RadioGroup::items() const {
  QStringList r;
  for (int i = 0; i < count(); ++i) r << group_->button(i)->text();
  return r;
}
int RadioGroup::count() const { return static_cast<int>(group_->buttons().size()); }
void RadioGroup::setItemText(int i, const QString& text) {
  if (i >= 0 && i < count()) group_->button(i)->setText(text);
}
QRadioButton* RadioGroup::button(int i) const {
  return (i >= 0 && i < count()) ? static_cast<QRadioButton*>(group_->button(i)) : nullptr;
}

void RadioGroup::Relayout() {
  delete layout();
  // Short item lists read best in one line; long ones stack.
  int chars = 0;
  for (int i = 0; i < count(); ++i) chars += static_cast<int>(group_->button(i)->text().size()) + 3;
  QBoxLayout* l = (count() <= 3 && chars <= 26) ? static_cast<QBoxLayout*>(new QHBoxLayout(this))
                                                 : static_cast<QBoxLayout*>(new QVBoxLayout(this));
  l->setContentsMargins(2, title().isEmpty() ? 0 : 14, 2, 0);
  l->setSpacing(l->direction() == QBoxLayout::LeftToRight ? 10 : 0);
  for (int i = 0; i < count(); ++i) l->addWidget(group_->button(i));
  if (l->direction() == QBoxLayout::LeftToRight) l->addStretch(1);
}

// ---------------- building from tables ----------------
namespace {

// A caption label nobody names follows its control's visibility, so hiding an
// input never leaves its caption standing alone.
class FollowVisibility : public QObject {
 public:
  FollowVisibility(QWidget* control, QWidget* follower) : QObject(control), follower_(follower) {
    control->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::ShowToParent) follower_->setVisible(true);
    if (e->type() == QEvent::HideToParent) follower_->setVisible(false);
    return false;
  }

 private:
  QWidget* follower_;
};

QString U(const char* s) { return QString::fromUtf8(s); }


bool Empty(const char* s) { return s == nullptr || *s == 0 || std::string_view(s) == "\"\""; }

QWidget* MakeControl(const ControlSpec& c, QWidget* parent) {
  QWidget* w = nullptr;
  const QString caption = U(c.caption);
  switch (c.kind) {
    case ctl::Edit: {
      auto* e = new QLineEdit(parent);
      if (c.flags & ctl::WIDE) {
        e->setMinimumWidth(160);
      } else {
        // Numbers in exponent form or with many decimals ("0.0000035") need
        // the wider edit to be read whole.
        const int breite = (c.flags & ctl::EXP) || c.decimals >= 5 ? 86 : 66;
        e->setFixedWidth(breite);
        // A value longer than the field widens it (up to twice its width), so
        // a six-figure pressure or a large extraction is read whole.
        QObject::connect(e, &QLineEdit::textChanged, e, [e, breite](const QString& t) {
          const int noetig = e->fontMetrics().horizontalAdvance(t) + 12;
          e->setFixedWidth(std::clamp(noetig, breite, 2 * breite));
        });
      }
      if (c.flags & ctl::RO) {
        e->setReadOnly(true);
        QPalette p = e->palette();
        p.setColor(QPalette::Base, p.color(QPalette::Window));
        e->setPalette(p);
        e->setFocusPolicy(Qt::ClickFocus);
      }
      if (!(c.flags & (ctl::TXT | ctl::WIDE))) e->setAlignment(Qt::AlignRight);
      // What a typed text must be: 1 a number, 2 a whole number, 0 any text.
      e->setProperty("qebZahl", (c.flags & (ctl::TXT | ctl::WIDE)) ? 0 : ((c.flags & ctl::INT) ? 2 : 1));
      e->setProperty("decimals", c.decimals);
      w = e;
      break;
    }
    case ctl::Label:
      w = new QLabel(caption, parent);
      break;
    case ctl::Radio: {
      auto* r = new RadioGroup(parent);
      r->setObjectName(U(c.name));
      r->setItems(Empty(c.items) ? QStringList() : U(c.items).split(QLatin1Char('|')));
      w = r;
      break;
    }
    case ctl::Combo: {
      auto* cb = new QComboBox(parent);
      const QStringList items = U(c.items).split(QLatin1Char('|'));
      if (!Empty(c.items)) cb->addItems(items);
      cb->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
      cb->setMinimumContentsLength(12);
      w = cb;
      break;
    }
    case ctl::Check:
      w = new QCheckBox(caption, parent);
      break;
    case ctl::Button:
      w = new QPushButton(caption, parent);
      break;
    default:
      w = new QWidget(parent);
  }
  w->setObjectName(U(c.name));
  w->setProperty("tag", c.tag);
  return w;
}

struct GroupBuild {
  QGroupBox* box = nullptr;
  QGridLayout* grid = nullptr;
  int layout = ctl::FORM;
  int nextRow[4] = {0, 0, 0, 0};
};

}  // namespace

void BuildFromTables(QWidget* body, const FormTables& t, QMenuBar* menuBar, QTabWidget** pagesOut) {
  auto* bodyLayout = new QVBoxLayout(body);
  bodyLayout->setContentsMargins(4, 4, 4, 4);
  std::map<std::string, QWidget*> pages;
  std::map<std::string, QGridLayout*> pageGrids;
  QTabWidget* tabs = nullptr;
  if (t.tabs.size() > 1) {
    tabs = new QTabWidget(body);
    tabs->setObjectName(QStringLiteral("PageControl1"));
    bodyLayout->addWidget(tabs);
  }
  for (const auto& tab : t.tabs) {
    QWidget* page = body;
    auto* grid = new QGridLayout();
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    if (tabs != nullptr) {
      // The page is the tab sheet; its groups scroll only when the window is
      // smaller than they need.
      page = new QWidget(tabs);
      page->setObjectName(U(tab.name));
      page->setProperty("tag", tab.tag);
      auto* pageLayout = new QVBoxLayout(page);
      pageLayout->setContentsMargins(0, 0, 0, 0);
      auto* scroll = new QScrollArea(page);
      scroll->setFrameShape(QFrame::NoFrame);
      scroll->setWidgetResizable(true);
      auto* content = new QWidget(scroll);
      content->setLayout(grid);
      scroll->setWidget(content);
      pageLayout->addWidget(scroll);
      tabs->addTab(page, U(tab.caption));
      pages[tab.name] = content;
    } else {
      bodyLayout->addLayout(grid);
    }
    if (tabs == nullptr) pages[tab.name] = page;
    pageGrids[tab.name] = grid;
  }
  if (pagesOut != nullptr) *pagesOut = tabs;

  std::map<std::string, GroupBuild> groups;
  for (const auto& g : t.groups) {
    auto it = pageGrids.find(g.tab);
    if (it == pageGrids.end()) continue;
    GroupBuild gb;
    gb.box = new QGroupBox(U(g.title), pages[g.tab]);
    gb.box->setObjectName(QStringLiteral("grp_") + U(g.id));
    gb.box->setProperty("tag", 0);
    for (const auto& [id, tag] : t.groupTags)
      if (id == g.id) gb.box->setProperty("tag", tag);
    gb.grid = new QGridLayout(gb.box);
    gb.grid->setContentsMargins(4, 4, 4, 4);
    gb.grid->setHorizontalSpacing(6);
    gb.grid->setVerticalSpacing(2);
    gb.layout = g.layout;
    it->second->addWidget(gb.box, g.row, g.col, g.rowSpan, g.colSpan, Qt::AlignTop);
    groups[g.id] = gb;
  }
  // Groups sit at the top; spare height stays below them.
  for (auto& [name, grid] : pageGrids) grid->setRowStretch(grid->rowCount(), 1);

  std::map<std::string, std::string> namedCaption;  // control -> label name
  const auto& captionTags = t.captionTags;
  for (const auto& l : t.labels) namedCaption[l.control] = l.name;

  for (const auto& c : t.controls) {
    auto git = groups.find(c.group);
    QWidget* parent = git != groups.end() ? static_cast<QWidget*>(git->second.box) : body;
    QWidget* w = MakeControl(c, parent);
    if (git == groups.end()) {
      w->setHidden(true);  // a control no group holds still exists for the code that reads it
    } else {
      GroupBuild& gb = git->second;
      if (gb.layout == ctl::GRID) {
        if (auto* cb = qobject_cast<QComboBox*>(w)) cb->setMinimumContentsLength(9);
      } else if (auto* cb = qobject_cast<QComboBox*>(w)) {
        // A catalogue or fluid shows its whole item ("32 mm doppel-U-Sonde").
        cb->setSizeAdjustPolicy(QComboBox::AdjustToContents);
      }
      if (gb.layout == ctl::GRID) {
        // Table headings and row names wrap too, headings narrower than names.
        if (auto* lab = qobject_cast<QLabel*>(w)) {
          lab->setProperty("wrapWidth", c.row == 0 ? kHeadingWidth : kCaptionWidth);
          SetCaption(lab, lab->text());
        }
        gb.grid->addWidget(w, c.row, c.col);
      } else {
        const int col = c.col >= 0 && c.col < 4 ? c.col : 0;
        int row = c.row >= 0 ? c.row : gb.nextRow[col];
        gb.nextRow[col] = row + 1;
        const bool captioned = !Empty(c.caption) && (c.kind == ctl::Edit || c.kind == ctl::Radio ||
                                                     c.kind == ctl::Combo);
        if (captioned) {
          auto* lab = new QLabel(gb.box);
          lab->setProperty("wrapWidth", kCaptionWidth);
          SetCaption(lab, U(c.caption));
          auto nit = namedCaption.find(c.name);
          if (nit != namedCaption.end()) {
            lab->setObjectName(U(nit->second.c_str()));
          } else {
            lab->setObjectName(QStringLiteral("L_") + U(c.name));
            new FollowVisibility(w, lab);
          }
          // An edit is never translated: its text number belongs to its caption.
          int tag = c.kind == ctl::Edit ? c.tag : 0;
          for (const auto& [ctlName, t] : captionTags)
            if (ctlName == c.name) tag = t;
          lab->setProperty("tag", tag);
          gb.grid->addWidget(lab, row, 2 * col);
          gb.grid->addWidget(w, row, 2 * col + 1, Qt::AlignLeft);
        } else {
          gb.grid->addWidget(w, row, 2 * col, 1, 2, Qt::AlignLeft);
        }
      }
    }
    if (c.flags & ctl::HID) {
      w->setHidden(true);
      // A named caption starts hidden with its control; afterwards the code shows both.
      if (namedCaption.count(c.name) != 0)
        if (auto* lab = body->findChild<QLabel*>(U(namedCaption[c.name].c_str()))) lab->setHidden(true);
    }
  }
  // Spare width stays right of a group's last column, not inside its first.
  for (auto& [id, gb] : groups) gb.grid->setColumnStretch(gb.grid->columnCount(), 1);
  // Named caption labels whose control sits in no form group still exist.
  for (const auto& l : t.labels) {
    if (body->findChild<QLabel*>(U(l.name)) == nullptr) {
      auto* lab = new QLabel(body);
      lab->setObjectName(U(l.name));
      lab->setHidden(true);
    }
  }

  if (menuBar != nullptr) {
    std::map<std::string, bool> hasChildren;
    for (const auto& m : t.menus)
      if (!Empty(m.parent)) hasChildren[m.parent] = true;
    std::map<std::string, QMenu*> menus;
    for (const auto& m : t.menus) {
      QMenu* parentMenu = nullptr;
      if (!Empty(m.parent)) {
        auto it = menus.find(m.parent);
        if (it == menus.end()) continue;
        parentMenu = it->second;
      }
      if (m.flags & ctl::SEP) {
        if (parentMenu != nullptr) parentMenu->addSeparator()->setObjectName(U(m.name));
        continue;
      }
      QAction* a = nullptr;
      if (hasChildren[m.name] || parentMenu == nullptr) {
        QMenu* menu = parentMenu != nullptr ? parentMenu->addMenu(U(m.caption)) : menuBar->addMenu(U(m.caption));
        menu->setObjectName(U(m.name) + QStringLiteral("_menu"));
        menus[m.name] = menu;
        a = menu->menuAction();
      } else {
        a = parentMenu->addAction(U(m.caption));
      }
      a->setObjectName(U(m.name));
      a->setProperty("tag", m.tag);
      if (m.flags & ctl::HID) a->setVisible(false);
    }
  }
}

QString WrapCaption(const QString& text, const QFontMetrics& fm, int width) {
  // Greedy at blanks; a unit in brackets stays in one piece. A break takes the
  // place of one blank, so the words keep their spacing (double and trailing
  // blanks included) and the lines joined again give the text.
  if (fm.horizontalAdvance(text) <= width) return text;
  const int open = static_cast<int>(text.lastIndexOf(QLatin1Char('[')));
  QStringList words = (open >= 0 ? text.left(open) : text).split(QLatin1Char(' '));
  if (open >= 0) words.last() += text.mid(open);
  // A closing "=" or ":" stays with the words it follows.
  qsizetype last = words.size() - 1;
  while (last > 0 && words[last].isEmpty()) --last;
  QString out, line = words.front();
  for (qsizetype i = 1; i < words.size(); ++i) {
    const QString& w = words[i];
    const QString candidate = line + QLatin1Char(' ') + w;
    const bool closing = i == last && w.size() <= 2;
    if (!w.isEmpty() && !closing && !line.trimmed().isEmpty() && fm.horizontalAdvance(candidate) > width) {
      out += line + QLatin1Char('\n');
      line = w;
    } else {
      line = candidate;
    }
  }
  return out + line;
}

void SetCaption(QLabel* label, const QString& text) {
  const QVariant w = label->property("wrapWidth");
  label->setText(w.isValid() ? WrapCaption(text, label->fontMetrics(), w.toInt()) : text);
}

namespace {
// Keeps a combo box at least as wide as its longest item (up to `breitester`
// pixels), also when its items are filled or translated later; the layout
// cannot squeeze it.
class GanzeEintraege : public QObject {
 public:
  GanzeEintraege(QComboBox* cb, int breitester) : QObject(cb), cb_(cb), breitester_(breitester) {
    cb->installEventFilter(this);
    auto anpassen = [this] { cb_->setMinimumWidth(std::min(cb_->sizeHint().width(), breitester_)); };
    connect(cb->model(), &QAbstractItemModel::rowsInserted, this, anpassen);
    connect(cb->model(), &QAbstractItemModel::dataChanged, this, anpassen);
    connect(cb->model(), &QAbstractItemModel::modelReset, this, anpassen);
    anpassen();
  }
  bool eventFilter(QObject* o, QEvent* e) override {
    if (o == cb_ && (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange))
      cb_->setMinimumWidth(std::min(cb_->sizeHint().width(), breitester_));
    return false;
  }

 private:
  QComboBox* cb_;
  int breitester_;
};

}  // namespace

void GanzeEintraegeZeigen(QComboBox* cb, int breitester) { new GanzeEintraege(cb, breitester); }

namespace {
// Hides a group box while none of its inputs is shown (only captions would
// stand in an empty frame), and shows it again when one is; a group that the
// code itself hid stays hidden.
class LeereGruppe : public QObject {
 public:
  explicit LeereGruppe(QGroupBox* box) : QObject(box), box_(box) {
    for (QWidget* w : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (qobject_cast<QLabel*>(w) == nullptr) w->installEventFilter(this);
    Pruefen();
  }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::ShowToParent || e->type() == QEvent::HideToParent) Pruefen();
    return false;
  }

 private:
  void Pruefen() {
    bool inhalt = false;
    for (QWidget* w : box_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (qobject_cast<QLabel*>(w) == nullptr && w->isVisibleTo(box_)) inhalt = true;
    if (!inhalt && !box_->isHidden()) {
      box_->setProperty("leerVerborgen", true);
      box_->hide();
    } else if (inhalt && box_->property("leerVerborgen").toBool()) {
      box_->setProperty("leerVerborgen", false);
      box_->show();
    }
  }
  QGroupBox* box_;
};
}  // namespace

void SeitenNeuAuslegen(QWidget* fenster) {
  const QList<QWidget*> teile = fenster->findChildren<QWidget*>();
  for (auto it = teile.rbegin(); it != teile.rend(); ++it)
    if (QLayout* l = (*it)->layout()) {
      l->invalidate();
      l->activate();
    }
  for (QScrollArea* s : fenster->findChildren<QScrollArea*>())
    if (s->widget() != nullptr && s->widgetResizable()) {
      QEvent neu(QEvent::LayoutRequest);
      QCoreApplication::sendEvent(s->widget(), &neu);
    }
}

void LeereGruppenVerbergen(QWidget* fenster) {
  for (QGroupBox* box : fenster->findChildren<QGroupBox*>()) {
    if (qobject_cast<RadioGroup*>(box) != nullptr) continue;
    bool eingaben = false;
    for (QWidget* w : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (qobject_cast<QLabel*>(w) == nullptr) eingaben = true;
    if (eingaben) new LeereGruppe(box);
  }
}

int EditDecimals(const QLineEdit* e) {
  const QVariant v = e->property("decimals");
  return v.isValid() ? v.toInt() : -1;
}

static QTabWidget* TabsOf(const QWidget* page) {
  for (QObject* p = page != nullptr ? page->parent() : nullptr; p != nullptr; p = p->parent())
    if (auto* t = qobject_cast<QTabWidget*>(p)) return t;
  return nullptr;
}
void SetTabVisible(QWidget* page, bool visible) {
  if (QTabWidget* t = TabsOf(page)) t->setTabVisible(t->indexOf(page), visible);
}
bool TabVisible(const QWidget* page) {
  QTabWidget* t = TabsOf(page);
  return t != nullptr && t->isTabVisible(t->indexOf(const_cast<QWidget*>(page)));
}
void ShowTab(QWidget* page) {
  if (QTabWidget* t = TabsOf(page)) {
    const int i = t->indexOf(page);
    t->setTabVisible(i, true);
    t->setCurrentIndex(i);
  }
}

// ---------------- numbers ----------------
double ValReal(const QString& text, int& code) {
  // Engineers here type a decimal comma: it reads as the point ("3,8" is 3.8).
  std::string s = text.toStdString();
  for (char& c : s)
    if (c == ',') c = '.';
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  if (i == s.size()) {
    code = static_cast<int>(s.size()) + 1;
    return 0.0;
  }
  const char* first = s.data() + i;
  const char* last = s.data() + s.size();
  if (*first == '+') ++first;  // from_chars takes no plus sign
  double v = 0.0;
  auto [ptr, ec] = std::from_chars(first, last, v, std::chars_format::general);
  if (ec != std::errc() || ptr == first) {
    code = static_cast<int>(first - s.data()) + 1;
    return 0.0;
  }
  if (ptr != last) {
    code = static_cast<int>(ptr - s.data()) + 1;
    return 0.0;
  }
  if (!std::isfinite(v)) {  // "1e999": a number no input can mean
    code = 1;
    return 0.0;
  }
  code = 0;
  return v;
}

int ValInt(const QString& text, int& code) {
  const std::string s = text.toStdString();
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  const char* first = s.data() + i;
  const char* last = s.data() + s.size();
  if (first != last && *first == '+') ++first;
  int v = 0;
  auto [ptr, ec] = std::from_chars(first, last, v);
  if (first == last || ec != std::errc() || ptr != last) {
    code = static_cast<int>((ec == std::errc() ? ptr : first) - s.data()) + 1;
    return 0;
  }
  code = 0;
  return v;
}

QString FixedText(double v, int decimals) {
  if (!std::isfinite(v)) v = 0.0;
  if (decimals < 0) decimals = 0;
  // Beyond a thousand billion the fixed form runs to hundreds of digits that
  // no field can show: such a value reads in exponent form.
  if (std::fabs(v) >= 1e15) return QString::number(v, 'g', 6);
  return QString::fromStdString(FormatFixed(v, 0, decimals));
}
QString IntText(long long v) { return QString::fromStdString(FormatInt(v)); }

QString ShortExpText(double v) {
  if (!std::isfinite(v)) v = 0.0;
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 1);  // d.de±xx
  std::string s(buf, r.ptr);
  const auto e = s.find('e');
  const std::string mant = s.substr(0, e);
  const char sign = s[e + 1];
  const int expo = std::atoi(s.c_str() + e + 2);
  std::string ex = std::to_string(expo);
  while (ex.size() < 4) ex.insert(ex.begin(), '0');
  return QString::fromStdString(mant + "E" + sign + ex);
}
QString FullExpText(double v) {
  if (!std::isfinite(v)) v = 0.0;
  return QString::fromStdString(FormatExp(v));
}

QString FromBytes(const std::string& win1252) { return QString::fromStdString(Win1252ToUtf8(win1252)); }
std::string ToBytes(const QString& text) { return Utf8ToWin1252(text.toStdString()); }

}  // namespace qeb
