#pragma once

#include <functional>

class QTabBar;
class QWidget;

// Ctrl+Tab / Ctrl+PgDn move to the next tab of a tabbed list and
// Ctrl+Shift+Tab / Ctrl+PgUp to the previous one, wherever the focus is in
// `scope`; a tab `allowed` refuses (when given) is passed over unasked.
void BindTabKeys(QWidget* scope, QTabBar* tabs, std::function<bool(int)> allowed = {});
