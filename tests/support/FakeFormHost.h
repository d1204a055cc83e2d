#pragma once

#include "base/FormHost.h"
#include "print/PrintJob.h"
#include "settings/PrinterSettings.h"
#include "support/Fakes.h"
#include "support/RecordingCanvas.h"

#include <QStringList>
#include <vector>

class LocalSettings;
class Prompter;

// A host for a form shown on its own: records what the form asks of its
// window, and every print job it hands over for the preview.
class FakeFormHost : public FormHost {
public:
    FakeFormHost(Prompter& prompter, LocalSettings& settings) : m_prompter(prompter), m_settings(settings) {}

    Prompter& GetPrompter() override { return m_prompter; }
    LocalSettings& Settings() override { return m_settings; }
    PrinterSettings& Printer() override { return printer; }
    const Clock& GetClock() const override { return clock; }
    // Keeps the texts of the job's first page.
    void ShowPrintPreview(PrintJob& job) override {
        RecordingCanvas canvas;
        job.DrawPage(1, canvas, PageGeometry{});
        previewed.push_back(canvas.Texts());
    }
    void PrintNow(PrintJob& job) override {
        RecordingCanvas canvas;
        job.DrawPage(1, canvas, PageGeometry{});
        printed.push_back(canvas.Texts());
    }
    void SetFormTitle(const QString& text) override { title = text; }
    void SetInfoText(const QString& text) override { info = text; }
    void SetDurationText(const QString& text) override { duration = text; }
    void SwitchView(int viewType) override { switches.push_back(viewType); }

    PrinterSettings printer;
    FixedClock clock;
    QString title;
    QString info;
    QString duration;
    std::vector<int> switches;
    std::vector<QStringList> previewed;
    std::vector<QStringList> printed;

private:
    Prompter& m_prompter;
    LocalSettings& m_settings;
};
