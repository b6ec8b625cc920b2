// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// The help window and the manual inside it.
#include "settings/Language.h"
#include "split/SplitSummary.h"
#include "support/FakeInteraction.h"
#include "ui/CommandBars.h"
#include "ui/FormMain.h"
#include "ui/HelpWindow.h"
#include "ui/Resource.h"
#include "ui/UiTestEnvironment.h"

#include <QAction>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace paginor::test {
namespace {

class HelpTest : public ::testing::Test
{
protected:
    HelpTest()
    {
        QFile::copy(QStringLiteral(PAGINOR_RESOURCE_DIR "/skin.styles"),
                    m_folder.path() + "/skin.styles");
        resetLook();
        FormMainOptions options;
        options.programFolder = m_folder.path();
        options.prompter = &m_fake;
        options.openUrl = [this](const QUrl& url) {
            m_opened << url;
        };
        m_window = std::make_unique<FormMain>(options);
        m_fake.calls.clear();
    }
    ~HelpTest() override
    {
        m_window.reset();
        resetLook();
    }

    HelpWindow* openHelp()
    {
        m_window->commandBars()->action(ID_PAGINORHELP)->trigger();
        return m_window->helpWindow();
    }

    FreshSettings m_settings;
    QTemporaryDir m_folder;
    FakeInteraction m_fake;
    QList<QUrl> m_opened;
    std::unique_ptr<FormMain> m_window;
};

} // namespace

TEST_F(HelpTest, EveryMessageTheProgramShowsIsExplainedInEachLanguage)
{
    const QMap<QString, QString> messages = messageConstants();
    ASSERT_GE(messages.size(), 15) << "the message header was not read";
    ASSERT_TRUE(messages.contains("kMsgSelectSource"));
    QStringList texts = messages.values();
    // And the texts of the split panel's summary line.
    for (const char* text :
         {kWritesNoFileText, kLeftOutText, kListNotValidText, kProtectedSourceText,
          kDamagedSourceText, kOutlineUnreadableText, kRangeStartsPastEndText})
        texts << QString::fromLatin1(text);
    for (const QString& language : QStringList{QString()} + shippedLanguages()) {
        LanguageScope scope(language);
        const QString manual = HelpWindow(nullptr).plainText().simplified();
        for (const QString& text : texts) {
            const QString shown = shownText(text.toUtf8().constData());
            // Each line, and each part around a "%1" that a number or path fills in.
            for (const QString& line : shown.split(QRegularExpression("\r?\n|%\\d+")))
                if (!line.trimmed().isEmpty())
                    EXPECT_TRUE(manual.contains(line.simplified()))
                        << language.toStdString() << ": " << line.toStdString();
        }
    }
}

TEST_F(HelpTest, OneNonModalWindowWithContentsAndWorkingLinks)
{
    HelpWindow* help = openHelp();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    EXPECT_EQ(help->windowTitle(), "Paginor Help");
    help->close();
    EXPECT_EQ(openHelp(), help); // shown again, not made anew
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(m_opened.isEmpty());
    EXPECT_TRUE(m_fake.calls.empty());

    // The contents list names the manual's sections, and each leads to its own.
    QStringList titles;
    QSet<QString> anchors;
    QTreeWidget* contents = help->contents();
    for (int i = 0; i < contents->topLevelItemCount(); ++i) {
        titles << contents->topLevelItem(i)->text(0);
        anchors << contents->topLevelItem(i)->data(0, Qt::UserRole).toString();
    }
    for (const char* section :
         {"Splitting a PDF", "The split modes", "The summary line", "Page lists",
          "Output file names", "Passwords", "Merging PDFs", "Accessible (tagged) PDFs",
          "Skins and settings", "The command line", "Messages"})
        EXPECT_TRUE(titles.contains(section)) << section;
    contents->setCurrentItem(nullptr);
    help->showSection("messages");
    ASSERT_NE(contents->currentItem(), nullptr);
    EXPECT_EQ(contents->currentItem()->text(0), "Messages");

    // Every link within the manual leads to a section that exists.
    int links = 0;
    for (QTextBlock b = help->browser()->document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QString href = it.fragment().charFormat().anchorHref();
            if (!href.startsWith('#'))
                continue;
            ++links;
            EXPECT_TRUE(anchors.contains(href.mid(1))) << href.toStdString();
        }
    EXPECT_GT(links, 10);
}

TEST_F(HelpTest, FollowsTheSkinColours)
{
    HelpWindow* help = openHelp();
    // The link colours of the blue and the black scheme in the shipped style file.
    m_window->setSkinNumber(4);
    EXPECT_TRUE(help->browser()->document()->defaultStyleSheet().contains("#f0b35c"));
    m_window->setSkinNumber(0);
    EXPECT_TRUE(help->browser()->document()->defaultStyleSheet().contains("#1d4585"));
    EXPECT_FALSE(help->plainText().isEmpty());
}

} // namespace paginor::test
