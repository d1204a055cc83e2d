#pragma once

#include <QByteArray>
#include <vector>

// One statement of a text that may hold several: its text, with each '?'
// outside quotes and comments written as the server's $1, $2, ..., and the
// count of its values.
struct StatementPiece {
    QByteArray text;
    int values = 0;
};

// The statements of the text, split at each ';' outside quotes ('...',
// "...", $tag$...$tag$) and comments; pieces of white space alone are left out.
std::vector<StatementPiece> SplitStatements(const QByteArray& text);
