#include "sales/ui/SaleDocumentPreview.h"

#include "base/FormHost.h"
#include "base/Prompter.h"
#include "print/HostSalePrinter.h"
#include "sales/DocumentChooser.h"
#include "sales/SellForm.h"
#include "session/TarvoDoc.h"

namespace {

// The document asked for, chosen without the browser.
class GivenDocument : public DocumentChooser {
public:
    explicit GivenDocument(int number) : m_number(number) {}
    std::optional<DocumentChoice> ChooseDocument(int, int) override {
        DocumentChoice choice;
        choice.number = m_number;
        return choice;
    }

private:
    int m_number;
};

// A preview says nothing about loading what it shows; errors and questions
// still reach the user.
class PreviewPrompter : public Prompter {
public:
    explicit PreviewPrompter(Prompter& user) : m_user(user) {}
    void Message(const QString& text, MessageIcon icon, const QString& caption) override {
        if (icon != MessageIcon::Information)
            m_user.Message(text, icon, caption);
    }
    Answer AskYesNo(const QString& text, MessageIcon icon, const QString& caption) override {
        return m_user.AskYesNo(text, icon, caption);
    }
    Answer AskYesNoCancel(const QString& text, MessageIcon icon) override {
        return m_user.AskYesNoCancel(text, icon);
    }

private:
    Prompter& m_user;
};

} // namespace

bool PreviewStoredSaleDocument(CTarvoDoc& doc, FormHost& host, int kind, int number) {
    PreviewPrompter prompter(host.GetPrompter());
    SellForm form(doc.Db(), prompter, host.Settings(), host.GetClock());
    GivenDocument chosen(number);
    if (number <= 0 || !form.Load(kind, chosen))
        return false;
    form.SetOriginal(false);
    HostSalePrinter(host).Preview(form.Printout());
    return true;
}
