#pragma once

#include "trade/DocumentChooser.h"

// The document browser answered by a number known beforehand: a preview of a
// report's row, a document named on the command line.
class GivenDocument : public DocumentChooser {
public:
    explicit GivenDocument(int number) : m_number(number) {}
    std::optional<DocumentChoice> ChooseDocument(DocumentKind, int) override {
        DocumentChoice choice;
        choice.number = m_number;
        return choice;
    }

private:
    int m_number;
};
