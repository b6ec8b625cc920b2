// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// Every shipped language in the window: each text translated, each caption fitting its place.
#include "settings/Language.h"
#include "merge/MergeList.h"
#include "support/FakeInteraction.h"
#include "ui/FormFlash.h"
#include "ui/FormMain.h"
#include "ui/UiTestEnvironment.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace paginor::test {
namespace {

struct TsEntry
{
    QString context;
    QString source;
    QStringList translations; // one, or one per plural form
    bool finished = true;
};

// The text of the element just begun, with the characters a .ts file writes as
// <byte value="xd"/> put back.
QString tsText(QXmlStreamReader& xml)
{
    QString text;
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            if (xml.name() == u"byte")
                text += QChar(
                    xml.attributes().value(QStringLiteral("value")).mid(1).toUInt(nullptr, 16));
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        case QXmlStreamReader::Characters:
            text += xml.text();
            break;
        default:
            break;
        }
    }
    return text;
}

// The entries of the translation source of `language`.
QList<TsEntry> tsEntries(const QString& language)
{
    QFile file(QStringLiteral(PAGINOR_SOURCE_DIR "/translations/paginor_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<TsEntry> entries;
    QString context;
    bool numerus = false;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            entries.append({context, {}, {}, true});
            numerus = xml.attributes().value(QStringLiteral("numerus")) == u"yes";
        } else if (name == u"source") {
            entries.last().source = tsText(xml);
        } else if (name == u"translation") {
            entries.last().finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
            if (!numerus)
                entries.last().translations << tsText(xml);
        } else if (name == u"numerusform") {
            entries.last().translations << tsText(xml);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return entries;
}

// Where a widget or action sits among the window's objects, by names (or kinds and places).
QString keyOf(const QObject* object)
{
    QStringList parts;
    for (const QObject* o = object; o; o = o->parent()) {
        QString part = o->objectName();
        if (part.isEmpty() && o->parent())
            part = QString::fromLatin1(o->metaObject()->className()) + u'#' +
                   QString::number(o->parent()->children().indexOf(o));
        parts.prepend(part);
    }
    return parts.join(u'/');
}

// Every text the window shows on its face, in its menus and in its tooltips, by where it is.
QMap<QString, QString> shownTexts(const QWidget& window)
{
    QMap<QString, QString> texts;
    const auto add = [&texts](const QObject* o, const QString& what, const QString& text) {
        if (!text.isEmpty())
            texts.insert(keyOf(o) + u':' + what, text);
    };
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        add(w, "tip", w->toolTip());
        if (const auto* b = qobject_cast<const QAbstractButton*>(w))
            add(w, "text", b->text());
        else if (const auto* l = qobject_cast<const QLabel*>(w))
            add(w, "text", l->text());
        else if (const auto* g = qobject_cast<const QGroupBox*>(w))
            add(w, "title", g->title());
        else if (const auto* t = qobject_cast<const QTabWidget*>(w))
            for (int i = 0; i < t->count(); ++i)
                add(w, QStringLiteral("tab%1").arg(i), t->tabText(i));
        else if (const auto* tree = qobject_cast<const QTreeWidget*>(w))
            for (int i = 0; i < tree->columnCount(); ++i)
                add(w, QStringLiteral("column%1").arg(i), tree->headerItem()->text(i));
    }
    for (const QAction* a : window.findChildren<QAction*>()) {
        add(a, "text", a->text());
        add(a, "tip", a->toolTip());
    }
    return texts;
}

// The captions of `root` that do not fit: clipped or elided by their control, or reaching
// out of their parent or of `root`.
QStringList misfits(const QWidget& root)
{
    QStringList found;
    const auto check = [&found](bool fits, const QWidget* w, const QString& text) {
        if (!fits)
            found << keyOf(w) + u' ' + text;
    };
    for (const QWidget* w : root.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&root))
            continue;
        const QRect inRoot(w->mapTo(&root, QPoint()), w->size());
        const auto* label = qobject_cast<const QLabel*>(w);
        const auto* button = qobject_cast<const QAbstractButton*>(w);
        const auto* group = qobject_cast<const QGroupBox*>(w);
        QString text = label    ? label->text()
                       : button ? button->text()
                       : group  ? group->title()
                                : "";
        if (!text.isEmpty()) {
            const bool wraps = label && label->wordWrap();
            check(wraps || w->width() >= w->sizeHint().width(), w, "clipped: " + text);
            check(group == nullptr || w->width() >= w->minimumSizeHint().width(), w,
                  "clipped: " + text);
            check(w->parentWidget()->rect().contains(w->geometry()) && root.rect().contains(inRoot),
                  w, "outside its place: " + text);
            // Captions placed by hand must not run into one another.
            for (const QObject* o : w->parentWidget()->children()) {
                const auto* other = qobject_cast<const QLabel*>(o);
                check(!other || other == w || !other->isVisibleTo(&root) ||
                          other->text().isEmpty() || !other->geometry().intersects(w->geometry()),
                      w, "overlaps " + (other ? other->text() : QString()) + ": " + text);
            }
        }
        if (const auto* bar = qobject_cast<const QTabBar*>(w))
            check(bar->width() >= bar->sizeHint().width(), w, "tabs elided");
        if (const auto* menus = qobject_cast<const QMenuBar*>(w))
            for (QAction* a : menus->actions())
                check(menus->rect().contains(menus->actionGeometry(a)), w, "menu " + a->text());
        if (const auto* header = qobject_cast<const QHeaderView*>(w))
            for (int i = 0; i < header->count(); ++i)
                check(header->sectionSize(i) >= header->sectionSizeHint(i), w,
                      "column " + QString::number(i));
    }
    return found;
}

class LanguageTest : public ::testing::Test
{
protected:
    std::unique_ptr<FormMain> open()
    {
        FormMainOptions options;
        options.programFolder = m_folder.path();
        options.prompter = &m_fake;
        auto window = std::make_unique<FormMain>(options);
        window->show();
        return window;
    }

    // The window's misfits on each tab, and those of the About window.
    QStringList allMisfits(FormMain& window)
    {
        QStringList found;
        for (int tab : {1, 0}) {
            window.TabStrip1->setCurrentIndex(tab);
            found << misfits(window);
        }
        FormFlash about(&window, 1, {});
        about.show();
        found << misfits(about);
        return found;
    }

    FreshSettings m_settings;
    QTemporaryDir m_folder;
    FakeInteraction m_fake;
};

TEST_F(LanguageTest, EveryShippedLanguageIsCompleteAndFitsTheWindow)
{
    ASSERT_EQ(shippedLanguages(), QStringList({"de", "es", "fr", "it", "pt_BR"}));
    QMap<QString, QString> english;
    {
        LanguageScope scope{QString()};
        auto window = open();
        english = shownTexts(*window);
        const QStringList found = allMisfits(*window);
        EXPECT_TRUE(found.isEmpty()) << "English: " << found.join(u'\n').toStdString();
    }
    ASSERT_GT(english.size(), 40);
    const QMap<QString, QString> messages = messageConstants();

    for (const QString& language : shippedLanguages()) {
        SCOPED_TRACE(language.toStdString());
        const QList<TsEntry> entries = tsEntries(language);
        ASSERT_GT(entries.size(), 100);
        // Translated by choice as the English text.
        QSet<QString> same;
        QSet<QString> messageSources;
        for (const TsEntry& e : entries) {
            EXPECT_TRUE(e.finished) << e.source.toStdString();
            for (const QString& t : e.translations)
                EXPECT_FALSE(t.trimmed().isEmpty()) << e.source.toStdString();
            if (e.translations == QStringList{e.source})
                same << e.source;
            if (e.context == u"Messages")
                messageSources << e.source;
        }
        for (const QString& text : messages)
            EXPECT_TRUE(messageSources.contains(text))
                << "not in the translation: " << text.toStdString();

        LanguageScope scope(language);
        EXPECT_EQ(currentLanguage(), language);
        auto window = open();
        const QMap<QString, QString> shown = shownTexts(*window);
        for (auto it = english.begin(); it != english.end(); ++it)
            if (shown.value(it.key()) == it.value() &&
                it.value().contains(QRegularExpression("[a-z]")) && !same.contains(it.value()) &&
                it.value() != QLatin1String("Paginor"))
                ADD_FAILURE() << "not translated: " << it.key().toStdString() << " "
                              << it.value().toStdString();
        const QStringList found = allMisfits(*window);
        EXPECT_TRUE(found.isEmpty()) << found.join(u'\n').toStdString();
    }
    // Sizes follow the locale's digit grouping.
    LanguageScope german(QStringLiteral("de"));
    EXPECT_EQ(MergeList::SizeText(1234 * 1024), "1.234 KB");
}

} // namespace
} // namespace paginor::test
