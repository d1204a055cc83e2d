#pragma once

#include "base/FormHost.h"
#include "masterdata/FirmDataForm.h"

class CTarvoDoc;
class Prompter;

// What the main window decides when a command asks for another form; the
// window creates and destroys the forms and reports what it shows.
class MainFrame {
public:
    MainFrame(CTarvoDoc& doc, Prompter& prompter) : m_doc(doc), m_prompter(prompter) {}

    void SetFirmDataEditor(FirmDataEditor* editor) { m_firmDataEditor = editor; }

    // The command of a form: false (nothing happens) when that form is shown
    // already, else as SwitchView.
    bool OpenForm(int viewType);
    // True when the current form may be replaced by one of the given type:
    // unsaved changes are confirmed, and sales and deliveries need the firm's
    // data complete (the firm data dialog is offered instead).
    bool SwitchView(int viewType);
    // The window now shows a form of this type; form is null for forms
    // without a document of their own.
    void ViewShown(int viewType, DocumentForm* form);

    int ActiveViewType() const { return m_activeType; }

private:
    bool FirmDataComplete();

    CTarvoDoc& m_doc;
    Prompter& m_prompter;
    FirmDataEditor* m_firmDataEditor = nullptr;
    int m_activeType = 1;
    DocumentForm* m_activeForm = nullptr;
};
