#pragma once
// A stand-in for the main window as the generation runs see it: the snapshot is a plain
// value the test sets, and what the run shows is recorded instead of drawn.

#include "generation_ui/run_window.h"
#include "generation_ui/session_connection.h"
#include "generators/common/host.h"
#include "kit/action_guard.h"

#include <QObject>
#include <QStringList>
#include <array>

class FakeRunWindow : public generation_ui::RunWindow
{
public:
    generation_ui::RunSnapshot snapshot() const override
    {
        ++snapshotsTaken;
        return values;
    }
    kit::RunGuard& runGuard() override { return guard; }
    generation_ui::SessionConnection& connection() override { return database; }

    void clearPreview(int index) override { previews[std::size_t(index)].clear(); }
    void appendPreview(int index, QString text) override { previews[std::size_t(index)] += text; }
    void showPreviewTab(int) override {}
    void setProgressVisible(bool) override {}
    void setProgressValue(double value) override
    {
        if (value >= 0 && value <= progressMax)
            progress = value;
    }
    double progressValue() const override { return progress; }
    void setProgressMaximum(double maximum) override { progressMax = maximum; }
    double progressMaximum() const override { return progressMax; }

    void showSolutionProject(const QString& projectName) override { shown << "project " + projectName; }
    void showDataLayerFolder(const QString& folder) override { shown << "data layer in " + folder; }
    void showPagesFolder(const QString& folder) override { shown << "pages in " + folder; }
    void showPageTable(const QString& table) override { shown << "page of " + table; }
    void showSolutionStep(const QString& text) override { shown << "step " + text; }
    bool solutionDialogVisible() const override { return dialogVisible; }
    void hideSolutionDialog() override
    {
        dialogVisible = false;
        shown << QStringLiteral("dialog hidden");
    }
    void showEditPageStep(const QString& text) override { pageSteps << text; }

    bool showsNotConnected() const override { return notConnected; }
    void showNotConnected() override { notConnected = true; }
    void showMessage(const QString& text) override { messages << text; }
    QObject& windowObject() override { return object; }

    generation_ui::RunSnapshot values;
    mutable int snapshotsTaken = 0;
    kit::RunGuard guard;
    generation_ui::SessionConnection database;
    std::array<QString, generators::kPreviewAspxVb + 1> previews;
    double progress = 0;
    double progressMax = 100;
    QStringList shown; // what a solution run showed, in order
    QStringList pageSteps;
    bool dialogVisible = false;
    bool notConnected = false;
    QStringList messages;
    QObject object;
};
