#pragma once

#include "base/SaveFileChooser.h"
#include "base/TextInput.h"
#include "masterdata/PartnerChooser.h"
#include "trade/DocumentChooser.h"

#include <QStringList>
#include <deque>
#include <vector>

// The partner and document choosers of the document forms answered from
// queues; none left means the user cancelled.

class ScriptedPartners : public PartnerChooser {
public:
    std::optional<int> ChoosePartner(PartnerTab tab, int preselectedId) override {
        tabs.push_back(tab);
        preselected.push_back(preselectedId);
        if (ids.empty())
            return std::nullopt;
        const int id = ids.front();
        ids.pop_front();
        return id;
    }
    std::deque<int> ids;
    std::vector<PartnerTab> tabs;
    std::vector<int> preselected;
};

class ScriptedDocuments : public DocumentChooser {
public:
    std::optional<DocumentChoice> ChooseDocument(DocumentKind kind, int partnerId) override {
        kinds.push_back(static_cast<int>(kind)); // the kind's stable number
        partners.push_back(partnerId);
        if (choices.empty())
            return std::nullopt;
        const DocumentChoice choice = choices.front();
        choices.pop_front();
        return choice;
    }
    std::deque<DocumentChoice> choices;
    std::vector<int> kinds;
    std::vector<int> partners;
};

// A one-field input answered from a queue, then by the standing answer (none
// means cancelled). Keeps what it was asked with.
class ScriptedTextInput : public TextInput {
public:
    std::optional<QString> AskText(const QString& title, const QString& label,
                                   const QString& initial) override {
        titles << title;
        labels << label;
        initials << initial;
        if (answers.empty())
            return answer;
        const QString next = answers.front();
        answers.pop_front();
        return next;
    }
    std::deque<QString> answers;
    std::optional<QString> answer;
    QStringList titles, labels, initials;
};

// A save dialog that answers with a fixed path (empty: cancelled) and keeps
// the names it suggested.
class ScriptedSaveFile : public SaveFileChooser {
public:
    QString ChooseSaveFile(const QString&, const QString& suggested, const QString&) override {
        suggestions << suggested;
        return path;
    }
    QString path;
    QStringList suggestions;
};
