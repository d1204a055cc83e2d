#include "masterdata/ui/GuiFirmDataEditor.h"

#include "masterdata/ui/CFirmDataDlg.h"

void GuiFirmDataEditor::EditFirmData() {
    CFirmDataDlg(m_doc, m_prompter, m_parent).exec();
}
