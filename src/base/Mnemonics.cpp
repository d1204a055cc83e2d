#include "base/Mnemonics.h"

#include <QSet>

QStringList WithMnemonics(const QStringList& captions) {
    QSet<QChar> used;
    QStringList marked;
    for (const QString& caption : captions) {
        QString text = caption;
        text.replace('&', "&&");
        for (int i = 0; i < text.size(); ++i) {
            if (text[i] == '&') {
                ++i; // a kept '&'
                continue;
            }
            const QChar letter = text[i].toLower();
            if (!letter.isLetterOrNumber() || used.contains(letter))
                continue;
            used.insert(letter);
            text.insert(i, '&');
            break;
        }
        marked << text;
    }
    return marked;
}

QChar MnemonicOf(const QString& caption) {
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return caption[i + 1].toLower();
        ++i;
    }
    return QChar();
}
