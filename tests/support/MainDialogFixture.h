#pragma once
#include <memory>

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/window/COrvanelDlg.h"
#include "support/ScriptedPrompts.h"

// The real main dialog, created headless with scripted prompts, and a folder for files.
class MainDialogFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens path through the Open Photo button; answers queued before are used by its messages.
    void OpenPhoto(const QString& path);
    void Click(int id);
    void SetText(int id, const QString& text);
    QString TextOf(int id) const;
    bool IsShown(int id) const;
    bool IsEnabled(int id) const;
    // The edit loses the focus as when the user moves on.
    void LeaveEdit(int id);
    QString TempPath(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
    std::unique_ptr<ScopedScriptedPrompts> prompts_;
    std::unique_ptr<COrvanelDlg> dlg_;
};
