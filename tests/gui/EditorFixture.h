#pragma once

#include "DialogRecorder.h"
#include "TreeItemPath.h"
#include "app/CMainFrame.h"
#include "views/NavView.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>

// A main window whose modal dialogs, popup menus, file choosers and link
// opener are stand-ins, so that nothing blocks and nothing is started
// outside.
struct EditorFixture {
    DialogRecorder dialogs;
    MenuRecorder menus;
    QStringList chosenSavePaths;
    // The version Save As is asked to write; none keeps the network's own.
    std::optional<lin::Dialect> saveDialect;
    // Save As is asked for the standard layout.
    bool saveStandardLayout = false;
    int savePathRequests = 0;
    std::unique_ptr<CMainFrame> frame;

    EditorFixture() : frame(std::make_unique<CMainFrame>())
    {
        frame->SetDialogRunner(dialogs.Runner());
        frame->SetMenuRunner(menus.Runner());
        frame->SetUrlOpener([](const QUrl&) { return false; });
        frame->SetFileChoosers([](QWidget*, const QString&) { return QString(); },
                               [this](QWidget*, const QString&) {
                                   ++savePathRequests;
                                   CMainFrame::SaveChoice choice(
                                       chosenSavePaths.isEmpty() ? QString() : chosenSavePaths.takeFirst(),
                                       saveDialect);
                                   choice.standardLayout = saveStandardLayout;
                                   return choice;
                               });
    }

    NavView& Tree() const { return frame->Navigation(); }

    // The fixed items are there (the core has laid out the tree).
    bool HasCategories() const { return Item({"Nodes"}) && Item({"Signals"}) && Item({"Schedules"}); }

    // The item reached by following item texts from the top level.
    QTreeWidgetItem* Item(const QStringList& path) const { return FindItemByTexts(Tree(), path); }

    // Every item as "text" or "parent/text" lines, top to bottom.
    QStringList Outline() const
    {
        QStringList lines;
        for (QTreeWidgetItemIterator it(&Tree()); *it; ++it)
            lines << ((*it)->parent() ? (*it)->parent()->text(0) + QLatin1Char('/') : QString()) + (*it)->text(0);
        return lines;
    }
};

// Writes bytes to a file in the folder and returns its path.
QString WriteFile(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes);
