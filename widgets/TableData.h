// Turns a window's data file into its tables (include once per window .cpp).
#pragma once

#include "widgets/Controls.h"

// Inside a function body: FormTables t; QEB_FILL_TABLES(t, "input/X_controls.inc")
#define QEB_TAB(name, caption, tag) t_.tabs.push_back({#name, caption, tag});
#define QEB_GROUP(tab, id, title, row, col, rs, cs, layout) \
  t_.groups.push_back({#tab, #id, title, row, col, rs, cs, layout});
#define QEB_CTRL(kind, name, tab, group, row, col, caption, clabel, items, tag, dec, flags) \
  t_.controls.push_back({kind, #name, #tab, #group, row, col, caption, items, tag, dec, flags});
#define QEB_LABEL(name, control) t_.labels.push_back({#name, #control});
#define QEB_CAPTAG(control, tag) t_.captionTags.push_back({#control, tag});
#define QEB_GROUPTAG(id, tag) t_.groupTags.push_back({#id, tag});
#define QEB_MENU(name, parent, caption, tag, flags) t_.menus.push_back({#name, #parent, caption, tag, flags});

// Finds every member control by its name after the window has been built.
#define QEB_BIND_CTRL(kind, name, ...) \
  name = findChild<CtlType_##kind*>(QStringLiteral(#name)); \
  qeb::RequireControl(name, #name);
#define QEB_BIND_LABEL(name, control) \
  name = findChild<QLabel*>(QStringLiteral(#name)); \
  qeb::RequireControl(name, #name);

namespace qeb {
// A control the tables name but the window lacks is a build fault, not a user's.
void RequireControl(const void* p, const char* name);
}  // namespace qeb
