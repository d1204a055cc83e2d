#pragma once

#include <QByteArray>
#include <QString>

// Text of the old Windows code page of Cyrillic (CP1251), which files of
// older versions and their dumps are written in.
QString FromCp1251(const QByteArray& bytes);

// A dump's text: taken as UTF-8 when it is valid UTF-8, else as CP1251;
// Windows line ends (CR LF) become plain line feeds.
QString DecodeDumpText(const QByteArray& bytes);
