#pragma once

#include "masterdata/Catalogue.h"
#include "masterdata/ItemForm.h"

#include <QWidget>

class FormHost;
class CSortListCtrl;
class CTarvoDoc;
class QLabel;
class QMenu;
class QPushButton;
class QTabBar;

// "TARVO - СТОКИ, ИЗДЕЛИЯ и УСЛУГИ": the goods catalogue.
class CNomenclaturesDlg : public QWidget {
    Q_OBJECT
public:
    CNomenclaturesDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent = nullptr);

    Catalogue& Behaviour() { return m_catalogue; }
    CSortListCtrl* List() const { return m_list; }

private:
    void Reload();
    void Show(int selectRow = -1);
    void ShowAdded(const CatalogueRow& row);
    void ChooseGroups();
    void Search();
    void Refresh();
    void Create(bool recipe);
    void Edit();
    void Copy();
    void EditOrCopy(ItemForm::Mode mode);
    void Delete();
    void SetHidden(bool hidden);
    void Export();
    void Print();
    void UpdateState();
    // Opens the item dialog; the saved code, or empty.
    QString OpenItemDialog(const Item& source, bool recipe, int mode);

    CTarvoDoc& m_doc;
    FormHost& m_host;
    Catalogue m_catalogue;
    std::vector<GroupNode> m_groups;
    QTabBar* m_tabs;
    CSortListCtrl* m_list;
    QLabel* m_count;
    QMenu* m_newMenu;
    QPushButton* m_edit;
    QPushButton* m_delete;
    QPushButton* m_copy;
    QPushButton* m_print;
};
