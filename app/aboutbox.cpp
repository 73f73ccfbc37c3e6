#include "aboutbox.h"

#include "buildconfig.h"
#include "glyphs.h"
#include "openlink.h"
#include "core/apppaths.h"
#include "core/messages.h"
#include "core/widgets.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace optolune {

namespace {
// The notice of the build's default configuration (app/CMakeLists.txt), so
// that its translation is found.
[[maybe_unused]] const char *const kDefaultNotice =
    QT_TRANSLATE_NOOP("optolune::AboutBox", "Optolune est fourni tel quel, sans garantie d'aucune sorte.");
} // namespace

AboutBox::AboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Aboutbox"));
    setWindowTitle(tr("Aide en ligne"));
    // A dialog frame with its close box only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    buildControls();
}

void AboutBox::buildControls()
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(12);

    auto *icon = make<QLabel>(this, "ProgramIcon");
    icon->setPixmap(glyphIcon(Glyph::Table, 48).pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    layout->addWidget(icon);

    auto *column = new QVBoxLayout;
    column->setSpacing(6);
    auto *group = make<QGroupBox>(this, "GroupBox1");
    group->setTitle(tr("Références version"));
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(3);
    auto fact = [&](const char *name, const QString &caption, int row) {
        auto *label = make<QLabel>(group, name);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (!caption.isEmpty())
            grid->addWidget(new QLabel(caption, group), row, 0, Qt::AlignTop);
        grid->addWidget(label, row, caption.isEmpty() ? 0 : 1, 1, caption.isEmpty() ? 2 : 1);
        return label;
    };
    m_labels.version = fact("Labelversion", QString(), 0);
    m_labels.path = fact("label1", tr("Programme :"), 1);
    m_labels.path->setWordWrap(true);
    m_labels.date = fact("Label2", tr("Modifié le :"), 2);
    m_labels.time = fact("Label3", tr("à :"), 3);
    m_labels.size = fact("Label6", tr("Taille :"), 4);
    m_labels.reference = fact("Label9", tr("Référence :"), 5);
    grid->setColumnStretch(1, 1);
    column->addWidget(group);

    m_labels.notice = make<QLabel>(this, "Label5");
    m_labels.notice->setWordWrap(true);
    // The notice the build gives; the program's own is translated, a
    // packager's own is shown as given.
    m_labels.notice->setText(tr(buildConfig().notice.toUtf8().constData()));
    column->addWidget(m_labels.notice);

    auto *bottom = new QHBoxLayout;
    m_labels.mail = make<QLabel>(this, "Label27");
    m_labels.mail->setText(tr("Écrivez-moi"));
    m_labels.mail->setCursor(Qt::PointingHandCursor);
    m_labels.mail->setStyleSheet(QStringLiteral("QLabel { color: #0000ff; text-decoration: underline; }"));
    applyHint(m_labels.mail, tr("Courrier électronique|Pour me communiquer vos observations"));
    m_labels.mail->installEventFilter(this);
    bottom->addWidget(m_labels.mail);
    bottom->addStretch(1);
    // Holds the keyboard focus, so that no visible control has it at first.
    m_focusSink = make<QLineEdit>(this, "Edit2");
    m_focusSink->setFixedWidth(0);
    m_focusSink->setFrame(false);
    bottom->addWidget(m_focusSink);
    auto *close = make<QPushButton>(this, "SpeedButton3");
    close->setText(tr("Fermer"));
    close->setAutoDefault(false);
    applyHint(close, tr("Quitter|"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    bottom->addWidget(close);
    column->addLayout(bottom);
    layout->addLayout(column, 1);

    fitToTexts();
}

void AboutBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        guarded([this] { FormActivate(); });
    }
}

QString RunningProgramFile()
{
    // The file actually running, also when OPTOLUNE_HOME moves the program's
    // folder elsewhere (its paths then name a file that need not exist).
    const QString running = QCoreApplication::applicationFilePath();
    return running.isEmpty() ? appPaths().exeFileName : running;
}

void AboutBox::FormActivate()
{
    m_facts = ReadProgramFacts(RunningProgramFile(), buildConfig().reference, VersionText());
    m_labels.path->setText(m_facts.path);
    m_labels.date->setText(m_facts.date);
    m_labels.time->setText(m_facts.time);
    m_labels.size->setText(m_facts.size);
    m_labels.version->setText(m_facts.version);
    m_labels.reference->setText(GroupedByThree(m_facts.reference));
    m_focusSink->setFocus();
    fitToTexts();
}

void AboutBox::fitToTexts()
{
    // 416 by 197 as designed, larger when the texts need it (a long path).
    QLayout *l = layout();
    const int width = std::max(416, l->totalMinimumSize().width());
    int height = std::max(197, l->totalMinimumSize().height());
    if (l->hasHeightForWidth())
        height = std::max(height, l->totalHeightForWidth(width));
    setMinimumSize(width, height);
    resize(width, height);
}

bool AboutBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_labels.mail && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        guarded([this] { Label27Click(); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void AboutBox::Label27Click()
{
    const QString contact = buildConfig().contact;
    const std::optional<QUrl> url =
        ComposeChangeRequest(m_facts, QDateTime::currentDateTime(), contact);
    if (!url) {
        messages().information(tr("Adresse de contact refusée : %1")
                                   .arg(QuotedForMessage(contact)));
        return;
    }
    OpenLink(*url, QStringLiteral("mailto:") + contact);
}

void ShowAboutBox(QWidget *owner)
{
    AboutBox box(owner);
    box.exec();
}

} // namespace optolune
