#pragma once

#include "jobs/Interaction.h"

namespace paginor {

// An interaction with nobody there: every message is taken as OK, every prompt and dialog is
// cancelled, and work runs inline. Callers without a window (the split summary, the benchmark,
// the fuzz targets) override only what they watch.
class NoUserInteraction : public Interaction
{
public:
    Reply message(const QString&, Icon, const QString&, Buttons) override { return Reply::Ok; }
    bool inputBox(const QString&, const QString&, QString&) override { return false; }
    QStringList fileDialog(const FileDialogRequest&) override { return {}; }
    void setStatus(const QString&) override {}
    void setBusy(bool) override {}
    void setWaitCursor(bool) override {}
    void setProgress(int) override {}
    void yield() override {}
    void runWhileYielding(const std::function<void()>& work) override { work(); }
};

} // namespace paginor
