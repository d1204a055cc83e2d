#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

// An icon from the desktop's theme, or a drawn 20 x 20 badge with the first
// letter of the caption when the theme has none.
QIcon ThemedIcon(const QString& themeName, const QString& caption, const QColor& colour);
