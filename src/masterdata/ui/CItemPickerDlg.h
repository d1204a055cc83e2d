#pragma once

#include "masterdata/ItemPicker.h"

#include <QDialog>

class CSortListCtrl;
class CTarvoDoc;
class FormHost;
class QLineEdit;
class QTabBar;

// "Избор на артикули": the modal list from which documents choose an item of
// the kinds they allow.
class CItemPickerDlg : public QDialog {
    Q_OBJECT
public:
    CItemPickerDlg(CTarvoDoc& doc, FormHost& host, ItemKinds allowed, ItemKinds tab,
                   QWidget* parent = nullptr);

    QString ChosenCode() const { return m_chosen; }
    CSortListCtrl* List() const { return m_list; }

private:
    void Reload(const QString& selectCode = QString());
    void Choose();
    // A search that found nothing here may show another tab that has rows.
    void OfferOtherTab();
    void CreateOrCopy(bool copy);

    CTarvoDoc& m_doc;
    FormHost& m_host;
    Prompter& m_prompter;
    ItemPicker m_picker;
    std::vector<GroupNode> m_groups;
    QTabBar* m_tabs;
    CSortListCtrl* m_list;
    QLineEdit* m_search;
    QString m_chosen;
};

class GuiItemChooser : public ItemChooser {
public:
    GuiItemChooser(CTarvoDoc& doc, FormHost& host, QWidget* parent)
        : m_doc(doc), m_host(host), m_parent(parent) {}
    std::optional<QString> ChooseItem(ItemKinds allowed, ItemKinds tab) override;

private:
    CTarvoDoc& m_doc;
    FormHost& m_host;
    QWidget* m_parent;
};
