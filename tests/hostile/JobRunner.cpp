// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// Runs the real jobs against the scripted fake in a child process and reports what the user
// would have seen.
#include "hostile/JobRunner.h"

#include "engine/PDFLibrary.h"
#include "jobs/Session.h"
#include "merge/MergeJob.h"
#include "merge/MergeList.h"
#include "split/SourcePassword.h"
#include "split/SplitJob.h"
#include "support/FakeInteraction.h"
#include "support/PdfFactory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

namespace paginor::test {

namespace {

// One record per line: kind, a tab, the text with line breaks escaped.
std::string encode(const FakeInteraction& ui, const QString& verdict)
{
    QString out = "verdict\t" + verdict + "\n";
    for (const auto& c : ui.calls) {
        if (c.kind == "message")
            out += "message\t" + QString(c.text).replace("\r", "\\r").replace("\n", "\\n") + "\n";
        else if (c.kind == "input")
            out += "prompt\t\n";
    }
    out += QString("idle\t") + (ui.idle() ? "1" : "0") + "\n";
    return out.toStdString();
}

JobReport decode(const ChildResult& child)
{
    JobReport r;
    r.child = child;
    for (const QString& line : QString::fromStdString(child.report).split('\n')) {
        const int tab = line.indexOf('\t');
        if (tab < 0)
            continue;
        const QString kind = line.left(tab);
        QString value = line.mid(tab + 1);
        if (kind == "verdict")
            r.verdict = value;
        else if (kind == "message")
            r.messages << value.replace("\\r", "\r").replace("\\n", "\n");
        else if (kind == "prompt")
            ++r.prompts;
        else if (kind == "idle")
            r.idle = value == "1";
    }
    return r;
}

QString splitOutcome(SplitRequest::Outcome o)
{
    switch (o) {
    case SplitRequest::Outcome::HeldOff:
        return "held off";
    case SplitRequest::Outcome::NoSource:
        return "no source";
    case SplitRequest::Outcome::PasswordRefused:
        return "password refused";
    case SplitRequest::Outcome::Unreadable:
        return "unreadable";
    case SplitRequest::Outcome::InvalidOptions:
        return "invalid options";
    case SplitRequest::Outcome::Cancelled:
        return "cancelled";
    case SplitRequest::Outcome::Succeeded:
        return "succeeded";
    case SplitRequest::Outcome::Failed:
        return "failed";
    }
    return {};
}

QString mergeOutcome(MergeResult::Kind k)
{
    switch (k) {
    case MergeResult::Kind::TooFewFiles:
        return "too few";
    case MergeResult::Kind::Refused:
        return "refused";
    case MergeResult::Kind::Cancelled:
        return "cancelled";
    case MergeResult::Kind::Merged:
        return "merged";
    case MergeResult::Kind::Failed:
        return "failed";
    case MergeResult::Kind::BadPageList:
        return "bad page list";
    }
    return {};
}

} // namespace

std::string JobReport::describe() const
{
    std::string s = "child " + child.describe() + ", verdict " + verdict.toStdString() +
                    ", prompts " + std::to_string(prompts) + ", messages:";
    for (const QString& m : messages)
        s += " [" + QString(m).replace("\r\n", " | ").toStdString() + "]";
    return s;
}

JobReport runTestPassword(const QString& path, const QString& password, const ChildLimits& limits)
{
    return decode(runInChild(
        [&] {
            PDFLibrary engine;
            Session session;
            FakeInteraction ui;
            SourcePassword check(engine, session, ui);
            const bool ok = check.TestPassword(path, password);
            return encode(ui, ok ? "true" : "false");
        },
        limits));
}

JobReport runSplit(const QString& source, const SplitOptions& options, const QString& output,
                   const std::vector<std::optional<QString>>& answers, const EngineSetup& setup,
                   const ChildLimits& limits)
{
    return decode(runInChild(
        [&] {
            PDFLibrary engine;
            if (setup)
                setup(engine);
            Session session;
            FakeInteraction ui;
            for (const auto& a : answers)
                ui.inputs.push_back(a);
            ui.dialogs.push_back({output});
            SplitJob job(engine, session, ui);
            SplitRequest request;
            request.TextFile = source;
            request.options = options;
            job.run(request);
            return encode(ui, splitOutcome(request.outcome));
        },
        limits));
}

JobReport runMerge(const QStringList& inputs, const QString& output, const EngineSetup& setup,
                   const ChildLimits& limits, const std::vector<std::optional<QString>>& answers)
{
    return decode(runInChild(
        [&] {
            PDFLibrary engine;
            if (setup)
                setup(engine);
            Session session;
            FakeInteraction ui;
            MergeList list(session, ui);
            ui.dialogs.push_back(inputs);
            list.AddPdfFiles();
            ui.calls.clear();
            ui.dialogs.push_back({output});
            for (const auto& a : answers)
                ui.inputs.push_back(a);
            MergeJob job(engine, session, ui, list);
            const MergeResult outcome = job.CmdMerge_Click();
            return encode(ui, mergeOutcome(outcome.kind));
        },
        limits));
}

std::vector<std::pair<std::string, SplitOptions>> everySplitMode()
{
    std::vector<std::pair<std::string, SplitOptions>> modes;
    SplitOptions o;
    o.mode = SplitMode::EveryN;
    o.TextEvery = "2";
    modes.emplace_back("every-2", o);
    o.mode = SplitMode::PageRange;
    o.TextFrom = "1";
    o.TextTo = "10";
    modes.emplace_back("range-1-10", o);
    o.mode = SplitMode::OddPages;
    modes.emplace_back("odd", o);
    o.mode = SplitMode::EvenPages;
    modes.emplace_back("even", o);
    o.mode = SplitMode::CustomPages;
    o.TextCustom = "3-1,2,2";
    modes.emplace_back("custom", o);
    return modes;
}

int pageCount(const QString& path)
{
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(QFile::encodeName(path).constData());
        return int(QPDFPageDocumentHelper(pdf).getAllPages().size());
    } catch (const std::exception&) {
        return -1;
    }
}

std::map<QString, std::string> folderSnapshot(const QString& folder)
{
    std::map<QString, std::string> out;
    const QDir dir(folder);
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System))
        out[info.fileName()] = fileBytes(info.filePath());
    return out;
}

} // namespace paginor::test
