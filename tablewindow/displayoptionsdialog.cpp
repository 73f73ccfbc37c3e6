#include "displayoptionsdialog.h"

#include "core/apppaths.h"
#include "core/application.h"
#include "core/widgets.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace optolune {

DisplayOptionsDialog::DisplayOptionsDialog(const QString &iniFileName, QWidget *parent)
    : QDialog(parent), m_iniFileName(iniFileName)
{
    setObjectName(QStringLiteral("FormOptAff"));
    setWindowTitle(QStringLiteral("Affichage"));
    buildControls();
    setBoxes(readDisplayOptions(m_iniFileName));
}

void DisplayOptionsDialog::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto *bar = make<QFrame>(this, "ToolBar1");
    bar->setFrameShape(QFrame::StyledPanel);
    auto *barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(4, 4, 4, 4);
    const auto button = [&](const char *name, const QString &caption, const QString &hint) {
        auto *b = make<QToolButton>(bar, name);
        b->setText(caption);
        b->setAutoRaise(true);
        if (!hint.isEmpty())
            applyHint(b, hint);
        barLayout->addWidget(b);
        return b;
    };
    m_buttons.markAll = button("MarqueTousBtn", QStringLiteral("Tous"),
                               QStringLiteral("Tous|Cocher tous les itms de  la liste courante "));
    m_buttons.invert = button(
        "MarqueInvBtn", QStringLiteral("Inverser"),
        QStringLiteral("Inverser|Les  items cochés perdent leur coche et les items non cochés sont cochés"));
    barLayout->addStretch();
    m_buttons.cancel = button("SpeedButton3", QStringLiteral("Abandonner"), QString());
    m_buttons.ok = button("validebtn", QStringLiteral("Ok"), QStringLiteral("Valider et quitter|"));
    layout->addWidget(bar);

    auto *panel = make<QFrame>(this, "Panel1");
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(12, 10, 12, 10);
    for (const DisplayOptionField &field : displayOptionFields()) {
        auto *box = make<QCheckBox>(panel, field.box);
        box->setText(QString::fromUtf8(field.caption));
        // The last four choices are kept but never offered on screen.
        if (field.shown)
            panelLayout->addWidget(box);
        else
            box->hide();
        m_boxes.push_back(box);
    }
    layout->addWidget(panel);

    addStatusBar(this, layout);

    connect(m_buttons.markAll, &QToolButton::clicked, this, [this] { guarded([this] { MarqueTousBtnClick(); }); });
    connect(m_buttons.invert, &QToolButton::clicked, this, [this] { guarded([this] { MarqueInvBtnClick(); }); });
    connect(m_buttons.cancel, &QToolButton::clicked, this, [this] { reject(); });
    connect(m_buttons.ok, &QToolButton::clicked, this, [this] { guarded([this] { validebtnClick(); }); });
}

DisplayOptions DisplayOptionsDialog::options() const
{
    DisplayOptions options;
    const auto fields = displayOptionFields();
    for (size_t i = 0; i < fields.size(); ++i)
        options.*fields[i].value = m_boxes[i]->isChecked();
    return options;
}

void DisplayOptionsDialog::setBoxes(const DisplayOptions &options)
{
    const auto fields = displayOptionFields();
    for (size_t i = 0; i < fields.size(); ++i)
        m_boxes[i]->setChecked(options.*fields[i].value);
}

void DisplayOptionsDialog::MarqueTousBtnClick()
{
    DisplayOptions all = options();
    all.markAll();
    setBoxes(all);
}

void DisplayOptionsDialog::MarqueInvBtnClick()
{
    DisplayOptions inverted = options();
    inverted.invert();
    setBoxes(inverted);
}

void DisplayOptionsDialog::validebtnClick()
{
    // A file that cannot be written is reported and the dialog stays open:
    // the user can try again or abandon, knowing nothing was stored.
    try {
        writeDisplayOptions(m_iniFileName, options());
    } catch (...) {
        reportCurrentException();
        return;
    }
    accept();
}

std::optional<DisplayOptions> openDisplayOptions(QWidget *owner)
{
    DisplayOptionsDialog dialog(appPaths().iniFileName, owner);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.options();
}

} // namespace optolune
