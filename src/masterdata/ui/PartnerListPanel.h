#pragma once

#include "masterdata/PartnersForm.h"

#include <QWidget>

class CSortListCtrl;
class QTabBar;
class SortState;

// The tabs and the list that the partners form and the selection dialog
// share, over their common behaviour.
class PartnerListPanel : public QWidget {
    Q_OBJECT
public:
    enum class Columns { Full, Selection };
    PartnerListPanel(PartnersForm& form, SortState& sortState, Columns columns, QWidget* parent = nullptr);

    CSortListCtrl* List() const { return m_list; }
    // Shows the form's rows, sorted by name, and selects the given row of
    // the form (the first when -1).
    void Show(int selectRow = -1);
    // Shows the rows of a search; when it found nothing here, offers the
    // tab where it finds partners.
    void ShowFound();
    // The form's row of the selected list row, -1 when none.
    int SelectedRow() const;

    void SetTab(PartnerTab tab);

Q_SIGNALS:
    void tabChanged();

private:
    PartnersForm& m_form;
    Columns m_columns;
    QTabBar* m_tabs;
    CSortListCtrl* m_list;
};

// The create/edit dialog behind the form's commands.
class GuiPartnerEditor : public PartnerEditor {
public:
    GuiPartnerEditor(Prompter& prompter, QWidget* parent) : m_prompter(prompter), m_parent(parent) {}
    bool EditPartner(Partner& record, const Save& save) override;

private:
    Prompter& m_prompter;
    QWidget* m_parent;
};
