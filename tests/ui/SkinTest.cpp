// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/SkinEngine.h"
#include "ui/UiTestEnvironment.h"

#include <QApplication>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace paginor::test {
namespace {

const QString kStyles = QStringLiteral(PAGINOR_RESOURCE_DIR "/skin.styles");
const char* const kSchemes[] = {"NormalBlue.ini", "LightBlue.ini", "NormalAqua.ini",
                                "NormalSilver.ini", "NormalBlack.ini"};

class SkinTest : public ::testing::Test
{
protected:
    SkinTest() { resetLook(); }
    ~SkinTest() override { resetLook(); }

    QString write(const QString& text)
    {
        const QString path = m_dir.path() + "/skin.styles";
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(text.toUtf8());
        return path;
    }

    QTemporaryDir m_dir;
};

TEST_F(SkinTest, ShippedSchemesAreCompleteAndLookDifferent)
{
    QSet<QString> windows;
    QSet<QString> sheets;
    for (const char* name : kSchemes) {
        SCOPED_TRACE(name);
        SkinScheme scheme;
        ASSERT_TRUE(readSkinScheme(kStyles, name, scheme));
        // A colour the template names but the scheme forgot would leave "$name" behind.
        EXPECT_FALSE(scheme.styleSheet.contains('$'));
        EXPECT_TRUE(scheme.styleSheet.contains("QPushButton"));
        windows << scheme.palette.color(QPalette::Window).name();
        sheets << scheme.styleSheet;
        const QColor text = scheme.palette.color(QPalette::WindowText);
        const QColor window = scheme.palette.color(QPalette::Window);
        EXPECT_GT(qAbs(text.lightness() - window.lightness()), 120) << "text must stand out";
    }
    EXPECT_EQ(windows.size(), 5);
    EXPECT_EQ(sheets.size(), 5);
}

// The contrast ratio of two colours by their relative luminance, from 1 to 21.
double contrast(const QColor& a, const QColor& b)
{
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Every state of every control stays readable in every scheme: text at 4.5:1 against what it
// is drawn on, indicators and the text of disabled controls at 3:1 (the panels sit on "pane").
TEST_F(SkinTest, EveryStateStandsOutInEveryScheme)
{
    constexpr double kText = 4.5;
    constexpr double kIndicator = 3.0;
    const struct
    {
        const char* fg;
        const char* bg;
        double least;
        const char* what;
    } pairs[] = {
        {"indicatorRing", "pane", kIndicator, "unchecked radio button"},
        {"indicatorRing", "indicator", kIndicator, "radio button ring"},
        {"accent", "indicator", kIndicator, "checked radio button dot"},
        {"accent", "pane", kIndicator, "focused box or radio button"},
        {"Highlight", "pane", kIndicator, "focus frame"},
        {"Disabled", "Window", kIndicator, "disabled text, box and radio button"},
        {"Disabled", "pane", kIndicator, "disabled label"},
        {"Highlight", "Base", kIndicator, "selected row among the others"},
        {"HighlightedText", "Highlight", kText, "selected row, menu entry or menu title"},
        {"WindowText", "pane", kText, "label"},
        {"PlaceholderText", "pane", kText, "summary line"},
        {"PlaceholderText", "Base", kText, "empty merge list's hint"},
        {"Text", "Base", kText, "text in a box or menu"},
        {"Text", "AlternateBase", kText, "alternate row"},
        {"ButtonText", "Button", kText, "button caption"},
        {"ButtonText", "buttonTop", kText, "button caption, top"},
        {"ButtonText", "buttonBottom", kText, "button caption, bottom"},
        {"ButtonText", "hoverBottom", kText, "button caption under the pointer"},
        {"ButtonText", "accentLight", kText, "pressed button caption"},
        {"barText", "barTop", kText, "menu bar, top"},
        {"barText", "barBottom", kText, "menu bar, bottom"},
        {"accentText", "accentLight", kText, "menu title under the pointer"},
        {"WindowText", "tabTop", kText, "tab, top"},
        {"WindowText", "tabBottom", kText, "tab, bottom"},
        {"accentDark", "pane", kText, "chosen tab and frame title"},
        {"Link", "Base", kText, "manual's headings and links"},
        {"ToolTipText", "ToolTipBase", kText, "tooltip"},
    };
    for (const char* name : kSchemes) {
        SkinScheme scheme;
        ASSERT_TRUE(readSkinScheme(kStyles, name, scheme));
        EXPECT_TRUE(scheme.styleSheet.contains("QRadioButton::indicator:checked")) << name;
        for (const auto& p : pairs) {
            const QColor fg(scheme.colours.value(p.fg));
            const QColor bg(scheme.colours.value(p.bg));
            ASSERT_TRUE(fg.isValid() && bg.isValid()) << name << ": " << p.fg << "/" << p.bg;
            EXPECT_GE(contrast(fg, bg), p.least) << name << ": " << p.what;
        }
    }
}

TEST_F(SkinTest, FileFormatOfOurOwn)
{
    const QString path = write("# comment\n"
                               "[template]\n"
                               "QWidget { color: $ink; background: $inkLight; }\n"
                               "[scheme A.ini]\n"
                               "Window = #102030\n"
                               "ink = #111111\n"
                               "inkLight = #eeeeee\n"
                               "  # indented comment\n"
                               "[scheme B.ini]\n"
                               "ink = #222222\n");
    SkinScheme a;
    ASSERT_TRUE(readSkinScheme(path, "A.ini", a));
    EXPECT_EQ(a.styleSheet.trimmed(), "QWidget { color: #111111; background: #eeeeee; }");
    EXPECT_EQ(a.palette.color(QPalette::Window), QColor("#102030"));
    SkinScheme b;
    ASSERT_TRUE(readSkinScheme(path, "B.ini", b));
    EXPECT_TRUE(b.styleSheet.contains("color: #222222"));
    SkinScheme none;
    EXPECT_FALSE(readSkinScheme(path, "C.ini", none));
    EXPECT_FALSE(readSkinScheme(path, "", none));
    EXPECT_FALSE(readSkinScheme(m_dir.path() + "/missing.styles", "A.ini", none));
    EXPECT_FALSE(readSkinScheme(m_dir.path(), "A.ini", none)); // a folder, not a file
}

TEST_F(SkinTest, ApplyingRemovingAndFailingToLoad)
{
    const QPalette plainPalette = QApplication::palette();
    SkinEngine engine;
    engine.attach(nullptr);

    ASSERT_TRUE(engine.loadSkin(kStyles, "NormalBlack.ini"));
    const QString black = qApp->styleSheet();
    EXPECT_FALSE(black.isEmpty());
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor("#26282c"));

    // Failures leave the look as it was.
    EXPECT_FALSE(engine.loadSkin(m_dir.path() + "/missing.styles", "NormalBlue.ini"));
    EXPECT_FALSE(engine.loadSkin(kStyles, "NoSuch.ini"));
    EXPECT_EQ(qApp->styleSheet(), black);
    EXPECT_EQ(engine.currentScheme(), "NormalBlack.ini");

    // Loading the same scheme again is still a load.
    EXPECT_TRUE(engine.loadSkin(kStyles, "NormalBlack.ini"));
    EXPECT_EQ(engine.requests().size(), 4);

    EXPECT_TRUE(engine.loadSkin("", ""));
    EXPECT_EQ(qApp->styleSheet(), "");
    EXPECT_EQ(QApplication::palette().color(QPalette::Window),
              plainPalette.color(QPalette::Window));
    EXPECT_EQ(engine.currentScheme(), "");
}

} // namespace
} // namespace paginor::test
