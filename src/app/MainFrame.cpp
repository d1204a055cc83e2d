#include "app/MainFrame.h"

#include "base/Prompter.h"
#include "masterdata/FirmDataStore.h"
#include "session/TarvoDoc.h"
#include "session/ViewType.h"

namespace {
constexpr const char* kFirmDataMissing = "Програмата установи, че все още не сте въвели данните за "
                                         "регистрацията на Вашата фирма.\nЗа да използвате "
                                         "тази функция това е задължително. Желаете ли да ги въведете сега?";
} // namespace

bool MainFrame::OpenForm(int viewType) {
    if (viewType == m_activeType)
        return false;
    return SwitchView(viewType);
}

bool MainFrame::SwitchView(int viewType) {
    if (m_activeForm && !m_activeForm->MayDiscard(m_prompter))
        return false;
    if ((viewType == ViewType::kDeliveries || viewType == ViewType::kSales) && !FirmDataComplete()) {
        if (m_prompter.AskYesNo(kFirmDataMissing, MessageIcon::Stop) != Answer::No && m_firmDataEditor)
            m_firmDataEditor->EditFirmData();
        return false;
    }
    return true;
}

void MainFrame::ViewShown(int viewType, DocumentForm* form) {
    m_activeType = viewType;
    m_activeForm = form;
}

bool MainFrame::FirmDataComplete() {
    FirmData firm;
    return FirmDataStore(m_doc.Db()).Load(firm) && firm.IsComplete();
}
