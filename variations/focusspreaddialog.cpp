#include "focusspreaddialog.h"

#include "focusstackwindow.h"

#include "variationsfields.h"
#include "core/language.h"
#include "core/messages.h"
#include "core/numerictext.h"
#include "core/widgets.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace optolune {

namespace {

FocusSpreadReadings &rememberedReadings()
{
    static FocusSpreadReadings readings;
    return readings;
}

} // namespace

const FocusSpreadReadings &RememberedFocusSpreadReadings() { return rememberedReadings(); }

void ForgetFocusSpreadReadings() { rememberedReadings() = FocusSpreadReadings{}; }

FocusSpreadDialog::FocusSpreadDialog(FocusSpreadInput input, VariationsInput window, QWidget *parent)
    : QDialog(parent), m_input(std::move(input)), m_window(std::move(window))
{
    setObjectName(QStringLiteral("FormEcart"));
    setWindowTitle(tr("Écart de mise au point"));
    auto *layout = new QVBoxLayout(this);

    auto *intro = new QLabel(
        tr("Lisez la position du corps arrière sur le rail (en mm, croissante avec le "
                       "tirage) à l'infini, puis mis au point sur le sujet le plus proche et sur "
                       "le plus éloigné."),
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto *readings = new QFormLayout;
    auto reading = [this, readings](const char *name, const QString &label, const QString &hint) {
        auto *edit = make<QLineEdit>(this, name);
        paintParameter(edit);
        applyHint(edit, hint);
        edit->installEventFilter(this);
        readings->addRow(label, edit);
        return edit;
    };
    m_infinity = reading("EdLectInf", tr("Lecture à l'infini (mm)"),
                         tr("Lecture à l'infini|Position lue sur le rail, mise au point sur l'infini"));
    m_near = reading("EdLectProche", tr("Lecture au point proche (mm)"),
                     tr("Lecture au point proche|Position lue sur le rail, mise au point sur le sujet le plus proche"));
    m_far = reading("EdLectLoin", tr("Lecture au point éloigné (mm)"),
                    tr("Lecture au point éloigné|Position lue sur le rail, mise au point sur le sujet le plus éloigné"));
    layout->addLayout(readings);
    const FocusSpreadReadings &kept = rememberedReadings();
    m_infinity->setText(kept.infinity);
    m_near->setText(kept.nearReading);
    m_far->setText(kept.farReading);

    auto *results = new QFormLayout;
    auto result = [this, results](const char *name, const QString &label) {
        auto *edit = make<QLineEdit>(this, name);
        paintReadOnly(edit);
        results->addRow(label, edit);
        return edit;
    };
    m_rail = result("EdLectRail", tr("Lecture à régler sur le rail (mm)"));
    m_needed = result("EdDiaNec", tr("Diaphragme nécessaire"));
    m_chosen = result("EdDiaListe", tr("Diaphragme de la liste"));
    m_distance = result("EdDistMap",
                        m_input.fromFilm
                            ? tr("Distance de mise au point (m), depuis le plan du film")
                            : tr("Distance de mise au point (m), depuis le plan principal objet"));
    // Once diffraction counts: the sharpest f-number over the spread, its
    // blur, the f-numbers that hold c, and the list's f-number nearest it.
    m_optimal = result("EdDiaOptimal", tr("Diaphragme le plus net, diffraction comptée"));
    m_optimalBlur = result("EdFlouOptimal", tr("Flou total à ce diaphragme (mm)"));
    m_optimalChosen = result("EdDiaListeOptimal", tr("Diaphragme de la liste le plus proche"));
    layout->addLayout(results);
    m_sharpness = make<QLabel>(this, "LabelNettete");
    m_sharpness->setWordWrap(true);
    // Room for the longest sentence it says, on three lines, before it says it.
    m_sharpness->setMinimumHeight(fontMetrics().lineSpacing() * 3 + 4);
    m_sharpness->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(m_sharpness);
    m_useOptimal = make<QCheckBox>(this, "CheckOptimal");
    m_useOptimal->setText(tr("Appliquer le diaphragme le plus net plutôt que le nécessaire"));
    applyHint(m_useOptimal, tr("Diaphragme le plus net|\"Appliquer\" règle le diaphragme de la liste le plus proche du plus net, la diffraction comptée"));
    layout->addWidget(m_useOptimal);
    m_macroNote = make<QLabel>(this, "LabelMacro");
    m_macroNote->setText(tr("Grandissement supérieur à 1 : la case Macro sera cochée."));
    m_macroNote->setWordWrap(true);
    m_macroNote->hide();
    layout->addWidget(m_macroNote);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *calc = make<QPushButton>(this, "CalcEcartBtn");
    calc->setText(tr("Calculer"));
    auto *applyButton = make<QPushButton>(this, "AppliquerBtn");
    applyButton->setText(tr("Appliquer"));
    auto *stack = make<QPushButton>(this, "EmpilerBtn");
    stack->setText(tr("Empiler..."));
    applyHint(stack, tr("Empiler|Plan d'un empilement de mises au point avec ces lectures, quand une seule vue ne suffit pas"));
    auto *close = make<QPushButton>(this, "FermerBtn");
    close->setText(tr("Fermer"));
    for (QPushButton *b : {calc, applyButton, stack, close}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(calc, &QPushButton::clicked, this, [this] { guarded([this] { compute(); }); });
    connect(applyButton, &QPushButton::clicked, this, [this] { guarded([this] { apply(); }); });
    connect(stack, &QPushButton::clicked, this, [this] { guarded([this] { openStack(); }); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    setFixedWidth(std::max(sizeHint().width(), 420));
}

void FocusSpreadDialog::openStack()
{
    rememberReadings();
    StackWindowStart start = StackStartOf(m_window);
    start.fields.fromReadings = true;
    start.fields.railInfinity = m_infinity->text();
    start.fields.railNear = m_near->text();
    start.fields.railFar = m_far->text();
    start.fNumbers = m_input.fNumbers;
    // The list's f-number the spread chose, when it found one.
    if (!m_chosenValue.isEmpty())
        start.fields.fNumber = m_chosenValue;
    ShowFocusStackWindow(this, start);
}

void FocusSpreadDialog::clearResults()
{
    for (QLineEdit *edit : {m_rail, m_needed, m_chosen, m_distance, m_optimal, m_optimalBlur, m_optimalChosen})
        edit->clear();
    m_chosenValue.clear();
    m_sharpness->clear();
    m_sharpnessFound.reset();
    m_macroNote->hide();
}

void FocusSpreadDialog::rememberReadings() const
{
    rememberedReadings() = {m_infinity->text(), m_near->text(), m_far->text()};
}

void FocusSpreadDialog::done(int result)
{
    rememberReadings();
    QDialog::done(result);
}

std::optional<FocusSpreadResult> FocusSpreadDialog::compute()
{
    rememberReadings();
    m_input.infinityReading = m_infinity->text();
    m_input.nearReading = m_near->text();
    m_input.farReading = m_far->text();
    const FocusSpreadResult r = ComputeFocusSpread(m_input);
    clearResults();
    if (r.settingFound) {
        // Where to set the standard and the f-number needed hold even when
        // the setting cannot be applied: the message says why.
        m_rail->setText(LocalNumbers(FixedText(r.railReadingMm, 12, 2)));
        m_needed->setText(LocalNumbers(FixedText(r.N, 5, 2)));
        m_distance->setText(LocalNumbers(FixedText(r.distance, 12, DistanceDecimals(m_window.decimals))));
        m_sharpnessFound = SharpnessOfSpread(r, m_input, m_window.wavelengthUm, m_window.blurModel);
        const SpreadSharpness &sharp = *m_sharpnessFound;
        m_optimal->setText(LocalNumbers(FixedText(sharp.optimum.N, 5, 2)));
        m_optimalBlur->setText(LocalNumbers(FixedText(sharp.optimum.blurMm, 5, 4)));
        m_optimalChosen->setText(LocalNumbers(sharp.nearestText));
        m_sharpness->setText(tr("%1 (λ %2 µm ; au diaphragme nécessaire, flou total %3 mm)")
                                 .arg(SpreadSharpnessText(sharp, m_input.cMm),
                                      LocalNumbers(WavelengthText(m_window.wavelengthUm)),
                                      LocalNumbers(FixedText(sharp.neededBlurMm, 5, 4))));
    }
    if (!r.ok()) {
        messages().warning(r.error);
        return std::nullopt;
    }
    // The distance as the window will take it, with the decimals it needs.
    const FocusSpreadSetting setting = SettingOfFocusSpread(r, m_window);
    m_chosen->setText(LocalNumbers(r.fNumberText));
    m_chosenValue = r.fNumberText;
    m_distance->setText(LocalNumbers(setting.input.dText));
    m_macroNote->setVisible(r.macro);
    return r;
}

void FocusSpreadDialog::apply()
{
    std::optional<FocusSpreadResult> r = compute();
    if (!r)
        return;
    // The sharpest f-number of the list instead of the one the spread needs.
    if (m_useOptimal->isChecked() && m_sharpnessFound && m_sharpnessFound->nearestIndex >= 0) {
        r->fNumberIndex = m_sharpnessFound->nearestIndex;
        r->fNumberText = m_sharpnessFound->nearestText;
    }
    if (onApply)
        onApply(*r, SettingOfFocusSpread(*r, m_window));
    accept();
}

bool FocusSpreadDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers() != Qt::AltModifier) {
            guarded([this] { compute(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace optolune
