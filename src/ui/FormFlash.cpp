// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/FormFlash.h"

#include "settings/Product.h"
#include "ui/FlashArtwork.h"
#include "ui/PanelLayout.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace paginor {

namespace {

constexpr int kAboutMs = 50000;
constexpr int kSplashMs = 1500;

QRect twipsRect(int left, int top, int width, int height)
{
    return toPixels(TwipsRect{left, top, width, height});
}

ClickLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& where,
                  const QString& colour, bool bold, bool underline)
{
    auto* l = new ClickLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(where);
    QFont f = parent->font();
    f.setBold(bold);
    f.setUnderline(underline);
    l->setFont(f);
    // The designed widths fit the designed font; a wider stand-in font widens the label to
    // its text, from the same place, rather than cutting the text off.
    const int needed = qMin(l->sizeHint().width(), parent->width() - where.left() - 4);
    if (needed > where.width())
        l->resize(needed, where.height());
    l->setAttribute(Qt::WA_TranslucentBackground);
    // A sheet of its own wins over any skin, so the designed colours always show.
    l->setStyleSheet(QStringLiteral("QLabel { color: %1; background: transparent; }").arg(colour));
    return l;
}

} // namespace

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

FormFlash::FormFlash(QWidget* mainWindow, int aboutFlag, UrlOpener openUrl)
    : QDialog(aboutFlag != 0 ? mainWindow : nullptr,
              Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_mainWindow(mainWindow), m_aboutFlag(aboutFlag), m_openUrl(std::move(openUrl))
{
    setObjectName(QStringLiteral("FormFlash"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(twipsToPixels(6300), twipsToPixels(3450));
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    setFont(font);

    LabelVer =
        label(this, "LabelVer", tr("Version %1").arg(QString::fromLatin1(kProductVersion)),
              twipsRect(135, 2535, 810, 195), QStringLiteral("rgb(255, 255, 255)"), false, false);
    LabelLicense = label(this, "LabelLicense", tr(kLicenseText), twipsRect(1080, 2535, 3750, 195),
                         QStringLiteral("rgb(255, 255, 255)"), false, false);
    // A longer version text pushes the licence along rather than running into it.
    const int licenceLeft = LabelVer->geometry().right() + 5;
    if (LabelLicense->x() < licenceLeft)
        LabelLicense->setGeometry(licenceLeft, LabelLicense->y(),
                                  qMin(LabelLicense->sizeHint().width(), width() - licenceLeft - 4),
                                  LabelLicense->height());
    LabelCopyright =
        label(this, "LabelCopyright", QString::fromUtf8(kCopyright),
              twipsRect(135, 2895, 4695, 195), QStringLiteral("rgb(0, 0, 0)"), true, false);
    Label1 = label(this, "Label1", QString::fromLatin1(kMakerWebSiteShown),
                   twipsRect(135, 3120, 1395, 195), QStringLiteral("rgb(0, 0, 192)"), false, true);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setToolTip(QString::fromLatin1(kMakerWebSite));
    connect(Label1, &ClickLabel::clicked, this, [this] {
        if (m_openUrl)
            m_openUrl(makerWebSite());
    });

    setWindowTitle(QString::fromLatin1(kProductName));
    if (QScreen* s = mainWindow && mainWindow->screen() ? mainWindow->screen() : screen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->stop();
    Timer1->setInterval(m_aboutFlag != 0 ? kAboutMs : kSplashMs);
    connect(Timer1, &QTimer::timeout, this, &QWidget::close);
    Timer1->start();
}

void FormFlash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintFlashArtwork(painter, rect());
}

void FormFlash::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void FormFlash::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (rect().contains(event->position().toPoint()))
        close();
}

void FormFlash::closeEvent(QCloseEvent* event)
{
    finish();
    QDialog::closeEvent(event);
}

void FormFlash::done(int result)
{
    finish();
    QDialog::done(result);
}

void FormFlash::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    Timer1->stop();
    if (m_aboutFlag == 0 && m_mainWindow)
        m_mainWindow->show();
}

} // namespace paginor
