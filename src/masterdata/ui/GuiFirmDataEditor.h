#pragma once

#include "masterdata/FirmDataForm.h"

class CTarvoDoc;
class Prompter;
class QWidget;

// Opens the firm data dialog, from the menu and from the view switch.
class GuiFirmDataEditor : public FirmDataEditor {
public:
    GuiFirmDataEditor(CTarvoDoc& doc, Prompter& prompter, QWidget* parent)
        : m_doc(doc), m_prompter(prompter), m_parent(parent) {}
    void EditFirmData() override;

private:
    CTarvoDoc& m_doc;
    Prompter& m_prompter;
    QWidget* m_parent;
};
