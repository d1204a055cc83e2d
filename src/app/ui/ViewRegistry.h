#pragma once

#include <functional>
#include <map>

class FormHost;
class CTarvoDoc;
class QWidget;

// The forms the main window can show, by view type. A form that exists
// registers its factory in MakeViewRegistry; the menu entries of the others
// are disabled.
class ViewRegistry {
public:
    using Factory = std::function<QWidget*(CTarvoDoc& doc, FormHost& host)>;

    void Register(int viewType, Factory factory) { m_factories[viewType] = std::move(factory); }
    bool Has(int viewType) const { return m_factories.count(viewType) != 0; }
    QWidget* Create(int viewType, CTarvoDoc& doc, FormHost& host) const;

private:
    std::map<int, Factory> m_factories;
};

// Every form of the program, in one place.
ViewRegistry MakeViewRegistry();
