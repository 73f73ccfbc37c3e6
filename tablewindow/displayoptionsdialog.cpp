#include "displayoptionsdialog.h"

#include "core/apppaths.h"
#include "core/application.h"
#include "core/diffractiontext.h"
#include "core/language.h"
#include "core/messages.h"
#include "core/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLineEdit>
#include <QFrame>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace optolune {

DisplayOptionsDialog::DisplayOptionsDialog(const QString &iniFileName, QWidget *parent)
    : QDialog(parent), m_iniFileName(iniFileName)
{
    setObjectName(QStringLiteral("FormOptAff"));
    setWindowTitle(tr("Affichage"));
    buildControls();
    m_loaded = readDisplayOptions(m_iniFileName);
    setBoxes(m_loaded);
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
    m_buttons.markAll = button("MarqueTousBtn", tr("Tous"),
                               tr("Tous|Cocher tous les itms de  la liste courante "));
    m_buttons.invert = button(
        "MarqueInvBtn", tr("Inverser"),
        tr("Inverser|Les  items cochés perdent leur coche et les items non cochés sont cochés"));
    barLayout->addStretch();
    m_buttons.cancel = button("SpeedButton3", tr("Abandonner"), QString());
    m_buttons.ok = button("validebtn", tr("Ok"), tr("Valider et quitter|"));
    layout->addWidget(bar);

    auto *panel = make<QFrame>(this, "Panel1");
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(12, 10, 12, 10);
    for (const DisplayOptionField &field : displayOptionFields()) {
        auto *box = make<QCheckBox>(panel, field.box);
        box->setText(QCoreApplication::translate("DisplayOptions", field.caption));
        // The last four choices are kept but never offered on screen.
        if (field.shown)
            panelLayout->addWidget(box);
        else
            box->hide();
        m_boxes.push_back(box);
    }
    // How diffraction is counted, by every window that counts it.
    auto *sharpness = new QFormLayout;
    m_wavelength = make<QLineEdit>(panel, "EdLambda");
    m_wavelength->setMaxLength(6);
    m_wavelength->setFixedWidth(m_wavelength->fontMetrics().horizontalAdvance(QStringLiteral("0,00000")) + 12);
    applyHint(m_wavelength, tr("Longueur d'onde|Longueur d'onde de la lumière pour la "
                                           "diffraction, de 0,40 à 0,70 µm (0,55 : le vert)"));
    sharpness->addRow(tr("Longueur d'onde (µm)"), m_wavelength);
    m_blurModel = make<QComboBox>(panel, "ComboFlou");
    m_blurModel->addItem(tr("racine de la somme des carrés"));
    m_blurModel->addItem(tr("somme (plus sévère)"));
    applyHint(m_blurModel, tr("Flou total|Comment s'ajoutent le flou de mise au point "
                                          "et la tache de diffraction"));
    sharpness->addRow(tr("Flou total"), m_blurModel);
    panelLayout->addLayout(sharpness);
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
    // A wavelength that does not read keeps the one the dialog opened with;
    // "Ok" refuses it before anything is stored.
    // (the point an English user reads and types is read as the comma)
    options.wavelengthUm = ReadWavelength(m_wavelength->text()).value_or(m_loaded.wavelengthUm);
    options.blurModel =
        m_blurModel->currentIndex() == 1 ? BlurModel::Sum : BlurModel::RootSumSquare;
    return options;
}

void DisplayOptionsDialog::setBoxes(const DisplayOptions &options)
{
    const auto fields = displayOptionFields();
    for (size_t i = 0; i < fields.size(); ++i)
        m_boxes[i]->setChecked(options.*fields[i].value);
    m_wavelength->setText(LocalNumbers(WavelengthText(options.wavelengthUm)));
    m_blurModel->setCurrentIndex(options.blurModel == BlurModel::Sum ? 1 : 0);
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
    if (!ReadWavelength(m_wavelength->text())) {
        messages().warning(WavelengthRangeMessage());
        m_wavelength->setFocus();
        return;
    }
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
