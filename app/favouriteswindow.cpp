#include "favouriteswindow.h"

#include "dialupconnections.h"
#include "buildconfig.h"
#include "links.h"
#include "openlink.h"
#include "core/messages.h"
#include "core/widgets.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace optolune {

FavouritesWindow::FavouritesWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormLiens"));
    setWindowTitle(tr("Favoris"));
    buildControls();
}

void FavouritesWindow::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *bar = make<QWidget>(this, "ToolBar1");
    auto *barRow = new QHBoxLayout(bar);
    barRow->setContentsMargins(4, 2, 4, 2);
    auto *hangUp = makeButton(bar, "ToolButton1", tr("Déconnecter"),
                              QStyle::SP_BrowserStop);
    auto *close = makeButton(bar, "ToolButton3",
                             tr("Fermer le fenêtre|Retour à la fenêtre principale"),
                             QStyle::SP_DialogCloseButton);
    barRow->addWidget(hangUp);
    barRow->addWidget(close);
    barRow->addStretch(1);
    layout->addWidget(bar);

    const BuildConfig &config = buildConfig();
    auto *group = make<QGroupBox>(this, "GroupBox1");
    group->setTitle(config.siteName);
    QFont bold = group->font();
    bold.setBold(true);
    group->setFont(bold);
    group->setStyleSheet(QStringLiteral("QGroupBox::title { color: #0000ff; }"));
    auto *links = new QVBoxLayout(group);
    links->setContentsMargins(16, 6, 12, 6);
    const struct {
        const char *name;
        const char *caption;
        QString address;
    } defs[] = {
        {"LabelGalerie", QT_TRANSLATE_NOOP("optolune::FavouritesWindow", "Accueil"), config.siteHome},
        {"LabelForum", QT_TRANSLATE_NOOP("optolune::FavouritesWindow", "Forum"), config.siteForum},
        {"LabelBoutique", QT_TRANSLATE_NOOP("optolune::FavouritesWindow", "Boutique"), config.siteShop},
        {"LabelOccas", QT_TRANSLATE_NOOP("optolune::FavouritesWindow", "Occasions"), config.siteAds},
    };
    QFont plain = bold;
    plain.setBold(false);
    plain.setUnderline(true);
    for (const auto &d : defs) {
        auto *label = make<QLabel>(group, d.name);
        label->setText(tr(d.caption));
        label->setFont(plain);
        label->setStyleSheet(QStringLiteral("QLabel { color: #000000; }"));
        label->setCursor(Qt::PointingHandCursor);
        label->setToolTip(d.address);
        label->setStatusTip(d.address);
        label->installEventFilter(this);
        links->addWidget(label);
        m_links.push_back({label, d.address});
    }
    links->addStretch(1);
    auto *frame = new QWidget(this);
    auto *frameRow = new QVBoxLayout(frame);
    frameRow->setContentsMargins(8, 4, 8, 4);
    frameRow->addWidget(group);
    layout->addWidget(frame, 1);

    addStatusBar(this, layout);

    connect(hangUp, &QToolButton::clicked, this, [this] { guarded([this] { ToolButton1Click(); }); });
    connect(close, &QToolButton::clicked, this, &QDialog::accept);

    // Fixed single border.
    setFixedSize(295, 174);
}

bool FavouritesWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        for (const Link &link : m_links) {
            if (watched == link.label) {
                guarded([&] { openLink(link.address); });
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FavouritesWindow::openLink(const QString &address)
{
    const std::optional<QUrl> url = WebLink(address);
    if (!url) {
        messages().information(tr("Adresse refusée : %1").arg(QuotedForMessage(address)));
        return;
    }
    OpenLink(*url, url->toDisplayString());
}

void FavouritesWindow::ToolButton1Click() { ShowNotices(HangUpAllConnections(rasService())); }

void ShowFavourites(QWidget *owner)
{
    FavouritesWindow form(owner);
    const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    QPoint at(20, 100);
    if (screen) {
        // At 20, 100 from the screen's corner, pulled back when the screen
        // is too small to hold the window there.
        const QRect area = screen->availableGeometry();
        const QSize frame = form.frameGeometry().size();
        at += screen->geometry().topLeft();
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - frame.width())));
        at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height())));
    }
    form.move(at);
    form.exec();
}

} // namespace optolune
