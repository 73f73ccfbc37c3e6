#include "printoptionsdialog.h"

#include "core/application.h"
#include "core/apppaths.h"
#include "core/opener.h"
#include "core/widgets.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace optolune {

namespace {

constexpr int kDialogHeight = 205;
constexpr int kMinimumWidth = 362;

ReplaceableOpener<std::optional<PrintChoice>(QWidget *, const QString &)> &printOptionsOpener()
{
    static ReplaceableOpener<std::optional<PrintChoice>(QWidget *, const QString &)> opener(ShowPrintOptions);
    return opener;
}

} // namespace

PrintOptionsDialog::PrintOptionsDialog(const QString &iniFileName, const QString &lensReferences,
                           QWidget *parent)
    : QDialog(parent), m_iniFileName(iniFileName), m_lensReferences(lensReferences)
{
    setObjectName(QStringLiteral("FormOptImpr"));
    setWindowTitle(tr("Options pour l'impression"));
    buildControls();
    // FormCreate: the last orientation and size chosen.
    const PrintOptions stored = readPrintOptions(m_iniFileName);
    m_orientation->button(stored.orientation)->setChecked(true);
    m_size->setCurrentIndex(stored.fontSize);
}

void PrintOptionsDialog::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *body = new QWidget(this);
    auto *bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(10, 8, 10, 6);
    bodyLayout->setSpacing(4);
    auto *titleLabel = make<QLabel>(body, "Label2");
    titleLabel->setText(tr("Références constructeur de l'objectif"));
    m_title = make<QLineEdit>(body, "EdTitre");
    applyHint(m_title, tr("Titre|Apparaît sur la première ligne à l'impression"));
    titleLabel->setBuddy(m_title);
    bodyLayout->addWidget(titleLabel);
    bodyLayout->addWidget(m_title);

    auto *choices = new QHBoxLayout;
    choices->setSpacing(12);
    auto *radio = make<QGroupBox>(body, "RadioImpr");
    radio->setTitle(tr("Orientation"));
    auto *radioLayout = new QHBoxLayout(radio);
    m_orientation = new QButtonGroup(this);
    const char *const orientations[] = {QT_TRANSLATE_NOOP("optolune::PrintOptionsDialog", "Portrait"),
                                        QT_TRANSLATE_NOOP("optolune::PrintOptionsDialog", "Paysage")};
    for (int i = 0; i < 2; ++i) {
        auto *button = make<QRadioButton>(radio, i == 0 ? "RadioImprPortrait" : "RadioImprPaysage");
        button->setText(tr(orientations[i]));
        m_orientation->addButton(button, i);
        radioLayout->addWidget(button);
    }
    choices->addWidget(radio);

    auto *sizeColumn = new QVBoxLayout;
    auto *sizeLabel = make<QLabel>(body, "Label1");
    sizeLabel->setText(tr("Taille de la fonte"));
    m_size = make<QComboBox>(body, "ComboSize");
    // A drop-down list: only the four sizes the print knows can be chosen.
    m_size->setEditable(false);
    for (int points : kPrintFontSizes)
        m_size->addItem(QString::number(points));
    sizeLabel->setBuddy(m_size);
    sizeColumn->addWidget(sizeLabel);
    sizeColumn->addWidget(m_size);
    sizeColumn->addStretch(1);
    choices->addLayout(sizeColumn);
    choices->addStretch(1);
    bodyLayout->addLayout(choices);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *cancel = make<QPushButton>(body, "BitBtn1");
    cancel->setText(tr("Abandonner"));
    cancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    cancel->setAutoDefault(false);
    auto *ok = make<QPushButton>(body, "BitBtn2");
    ok->setText(tr("OK"));
    ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ok->setDefault(true);
    buttons->addWidget(cancel);
    buttons->addWidget(ok);
    bodyLayout->addLayout(buttons);
    layout->addWidget(body, 1);

    addStatusBar(this, layout);

    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    // Wider at will, never higher.
    setMinimumWidth(kMinimumWidth);
    setFixedHeight(kDialogHeight);
    resize(kMinimumWidth, kDialogHeight);
}

PrintOptions PrintOptionsDialog::options() const
{
    PrintOptions o;
    o.orientation = std::max(0, m_orientation->checkedId());
    o.fontSize = m_size->currentIndex() >= 0 ? m_size->currentIndex() : PrintOptions().fontSize;
    return o;
}

PrintChoice PrintOptionsDialog::choice() const
{
    const PrintOptions o = options();
    return PrintChoice{m_title->text(), o.fontSizePoints(), o.landscape()};
}

void PrintOptionsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        guarded([this] { FormActivate(); });
    }
}

void PrintOptionsDialog::FormActivate()
{
    // The title starts from the table's lens references at every opening;
    // what the user types here serves this print only.
    m_title->setText(m_lensReferences);
    m_title->setFocus();
}

void PrintOptionsDialog::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        FormClose();
    }
    QDialog::done(result);
}

void PrintOptionsDialog::FormClose()
{
    // Every close keeps the choices, an abandoned one too. A settings file
    // that cannot be written is reported; the print goes on all the same.
    try {
        writePrintOptions(m_iniFileName, options());
    } catch (...) {
        reportCurrentException();
    }
}

std::optional<PrintChoice> ShowPrintOptions(QWidget *owner, const QString &lensReferences)
{
    PrintOptionsDialog dialog(appPaths().iniFileName, lensReferences, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

std::optional<PrintChoice> OpenPrintOptions(QWidget *owner, const QString &lensReferences)
{
    return printOptionsOpener().open(owner, lensReferences);
}

PrintOptionsOpener setPrintOptionsOpener(PrintOptionsOpener opener)
{
    return printOptionsOpener().replace(std::move(opener));
}

} // namespace optolune
