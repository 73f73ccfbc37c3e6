// What the variations window does on each event: read the parameter fields,
// run one operation of the calculator's logic, write the texts back.
#include "variationswindow.h"

#include "explanations/textwindow.h"
#include "core/apppaths.h"
#include "core/bitmapexport.h"
#include "core/language.h"
#include "core/memoryfile.h"
#include "core/messages.h"
#include "core/notes.h"
#include "core/numerictext.h"
#include "print/screenprint.h"
#include "core/usererror.h"
#include "core/widgets.h"
#include "lists/listeditoropener.h"
#include "lists/listkind.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStatusBar>
#include <QToolButton>

namespace optolune {

namespace {

bool isEnter(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// The shortcuts of the hidden menu "Listes", which the edit fields must not
// take for their own (Ctrl+C copies in a line edit).
bool isListShortcut(const QKeyEvent *key)
{
    if (key->modifiers() == Qt::NoModifier)
        return key->key() == Qt::Key_F2;
    if (key->modifiers() == Qt::ControlModifier)
        return key->key() == Qt::Key_C || key->key() == Qt::Key_F || key->key() == Qt::Key_N ||
               key->key() == Qt::Key_D;
    return false;
}

} // namespace

void VariationsWindow::connectControls()
{
    auto on = [this](QToolButton *button, auto handler) {
        connect(button, &QToolButton::clicked, this, [this, handler] { guarded([&] { (this->*handler)(); }); });
    };
    on(m_buttons.calculate, &VariationsWindow::calculate);
    on(m_buttons.firstItems, &VariationsWindow::SelectFirstItems);
    on(m_buttons.defaultLists, &VariationsWindow::LoadAllDefaultLists);
    on(m_buttons.testLens, &VariationsWindow::ShowTestLens);
    on(m_buttons.store, &VariationsWindow::StoreMemory);
    on(m_buttons.recall, &VariationsWindow::RecallMemory);
    on(m_buttons.notes, &VariationsWindow::openNotesFile);
    on(m_buttons.spread, &VariationsWindow::openFocusSpread);
    on(m_buttons.theoretical, &VariationsWindow::LoadTheoreticalFNumbers);
    connect(m_buttons.explanation, &QToolButton::clicked, this,
            [this] { guarded([this] { openExplanation(this, QStringLiteral("calcprofisol")); }); });
    connect(m_buttons.screenPrint, &QToolButton::clicked, this,
            [this] { guarded([this] { PrintWindowImage(this); }); });
    connect(m_buttons.close, &QToolButton::clicked, this, &QWidget::close);
    connect(m_distFilm, &QToolButton::clicked, this,
            [this](bool down) { guarded([&] { distFilmClicked(down); }); });
    connect(m_macro, &QCheckBox::clicked, this, [this] { guarded([this] { calculate(); }); });
    connect(m_diffraction, &QCheckBox::clicked, this, [this] { guarded([this] { calculate(); }); });
    connect(m_nbDecim, &QComboBox::activated, this, [this] { guarded([this] { calculate(); }); });

    struct ListButtons {
        ListKind kind;
        QToolButton *editor, *defaults;
    };
    const ListButtons lists[] = {{ListKind::Cer, m_buttons.circleEditor, m_buttons.circleDefaults},
                                 {ListKind::Foc, m_buttons.focalEditor, m_buttons.focalDefaults},
                                 {ListKind::Dia, m_buttons.fNumberEditor, m_buttons.fNumberDefaults},
                                 {ListKind::Dis, m_buttons.distanceEditor, m_buttons.distanceDefaults}};
    for (const ListButtons &l : lists) {
        const ListKind kind = l.kind;
        connect(l.editor, &QToolButton::clicked, this, [this, kind] { guarded([this, kind] { OpenListEditor(kind); }); });
        connect(l.defaults, &QToolButton::clicked, this, [this, kind] { guarded([this, kind] { UseDefaultList(kind); }); });
        VariationsListBox *box = listBox(kind);
        box->onChosen = [this, kind] { chooseItem(kind); };
        box->onRightPress = [this, kind] { OpenListEditor(kind); };
    }
}

void VariationsWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    activateOnce(this, m_activated, [this] { guarded([this] { PrepareVariationsWindow(); }); });
}

void VariationsWindow::PrepareVariationsWindow()
{
    LoadAllDefaultLists();
    m_lists.focale->setFocus();
    ShowTestLens();
    m_distFilm->setChecked(true);
    const ParameterHints hints = VariationsParameterHints();
    applyHint(m_params.cercle, hints.circle);
    applyHint(m_params.focale, hints.focal);
    applyHint(m_params.nod, hints.nodal);
    applyHint(m_params.gp, hints.pupil);
    applyHint(m_params.dist, hints.distance);
    applyHint(m_params.dia, hints.fNumber);
    calculate();
}

VariationsInput VariationsWindow::readInput() const
{
    VariationsInput in;
    // The fields show the user's decimal point; the window computes and
    // stores the comma.
    in.cText = CommaNumber(m_params.cercle->text());
    in.fText = CommaNumber(m_params.focale->text());
    in.dnText = CommaNumber(m_params.nod->text());
    in.gpText = CommaNumber(m_params.gp->text());
    in.dText = CommaNumber(m_params.dist->text());
    in.nText = CommaNumber(m_params.dia->text());
    in.fromFilm = m_distFilm->isChecked();
    in.macro = m_macro->isChecked();
    in.diffraction = m_diffraction->isChecked();
    in.wavelengthUm = m_wavelengthUm;
    in.blurModel = m_blurModel;
    in.decimals = std::max(0, m_nbDecim->currentIndex());
    return in;
}

void VariationsWindow::writeParameters(const VariationsInput &in)
{
    setChangedTexts({{m_params.cercle, LocalNumbers(in.cText)}, {m_params.focale, LocalNumbers(in.fText)},
                     {m_params.nod, LocalNumbers(in.dnText)},   {m_params.gp, LocalNumbers(in.gpText)},
                     {m_params.dist, LocalNumbers(in.dText)},   {m_params.dia, LocalNumbers(in.nText)}});
}

ListsEmpty VariationsWindow::listsEmpty() const
{
    return {m_lists.focale->count() == 0, m_lists.dia->count() == 0, m_lists.cercle->count() == 0,
            m_lists.dist->count() == 0};
}

void VariationsWindow::calculate()
{
    CheckManualFields();
    RefreshVariations();
}

int VariationsWindow::CheckManualFields()
{
    VariationsInput in = readInput();
    const ManualFieldsCheck check = optolune::CheckManualFields(in, listsEmpty());
    writeParameters(in);
    ShowNotices(check.notices);
    return check.code;
}

void VariationsWindow::RefreshVariations()
{
    VariationsInput in = readInput();
    NormaliseDecimalPoints(in);
    writeParameters(in);
    const VariationsResult result = ComputeVariations(in);
    // An unreadable parameter is named, and no result of earlier parameters
    // stays beside it.
    if (result.status == VariationsResult::Unreadable)
        messages().error(result.error);
    showResult(result);
    // Empty results are explained in the status bar until the next result.
    // With diffraction the status bar says what the disc leaves of c.
    QString why = NoResultText(result, in.fromFilm);
    if (why.isEmpty())
        why = DiffractionStatusText(result, in.wavelengthUm);
    if (!why.isEmpty())
        m_statusBar->showMessage(why);
    else if (!m_statusBar->currentMessage().isEmpty() && m_statusBar->currentMessage() == m_noResult)
        m_statusBar->clearMessage();
    m_noResult = why;
}

void VariationsWindow::showResult(const VariationsResult &result)
{
    for (int i = 0; i < kResultFieldCount; ++i)
        setChangedText(m_results[i], LocalNumbers(result.texts[i]));
    if (result.status == VariationsResult::Done)
        SetResultColour(result.colour);
}

void VariationsWindow::SetResultColour(ResultColour colour)
{
    // A palette change repaints the fields; it is made only when the colour
    // changes.
    if (m_colour == colour)
        return;
    m_colour = colour;
    const QColor text = colour == ResultColour::Blue ? QColor(0, 0, 255) : QColor(128, 128, 128);
    for (QLineEdit *edit : m_results) {
        QPalette pal = edit->palette();
        pal.setColor(QPalette::Text, text);
        edit->setPalette(pal);
    }
}

void VariationsWindow::distFilmClicked(bool down)
{
    if (CheckManualFields() != 0) {
        m_distFilm->setChecked(!down); // springs back: nothing is computed
        return;
    }
    RefreshVariations();
}

void VariationsWindow::ShowTestLens()
{
    const TestLens lens;
    m_params.cercle->setText(LocalNumbers(lens.circle));
    m_params.nod->setText(LocalNumbers(lens.nodal));
    m_params.focale->setText(LocalNumbers(lens.focal));
    m_nbDecim->setCurrentIndex(lens.decimals);
    calculate();
}

void VariationsWindow::StoreMemory()
{
    // The memory file keeps the comma whatever the language.
    WriteMemoryFile(MemoryFilePath(), {CommaNumber(m_params.cercle->text()), CommaNumber(m_params.focale->text()),
                                       CommaNumber(m_params.nod->text()), CommaNumber(m_params.gp->text())});
}

void VariationsWindow::RecallMemory()
{
    // The whole file is read before any field changes.
    const LensMemory memory = ReadMemoryFile(MemoryFilePath());
    m_params.cercle->setText(LocalNumbers(memory.circle));
    m_params.focale->setText(LocalNumbers(memory.focal));
    m_params.nod->setText(LocalNumbers(memory.nodal));
    m_params.gp->setText(LocalNumbers(memory.pupil));
    calculate();
}

void VariationsWindow::openNotesFile()
{
    OpenNotes(appPaths().programFolder, QStringLiteral("memo.txt"));
}

// ---- lists

VariationsListBox *VariationsWindow::listBox(ListKind kind) const
{
    switch (kind) {
    case ListKind::Cer: return m_lists.cercle;
    case ListKind::Foc: return m_lists.focale;
    case ListKind::Dia: return m_lists.dia;
    case ListKind::Dis: return m_lists.dist;
    case ListKind::Cgr: break;
    }
    return nullptr;
}

QLineEdit *VariationsWindow::fieldOf(ListKind kind) const
{
    switch (kind) {
    case ListKind::Cer: return m_params.cercle;
    case ListKind::Foc: return m_params.focale;
    case ListKind::Dia: return m_params.dia;
    case ListKind::Dis: return m_params.dist;
    case ListKind::Cgr: break;
    }
    return nullptr;
}

void VariationsWindow::TakeListItem(ListKind kind)
{
    // A list with no item (an empty default file) leaves the field as it is.
    if (const auto text = listBox(kind)->selectedText())
        fieldOf(kind)->setText(LocalNumbers(*text));
}

void VariationsWindow::chooseItem(ListKind kind)
{
    guarded([&] {
        TakeListItem(kind);
        RefreshVariations();
    });
}

bool VariationsWindow::accepts(ListKind kind) const
{
    return kind == ListKind::Dia || kind == ListKind::Dis || kind == ListKind::Foc ||
           kind == ListKind::Cer;
}

void VariationsWindow::replaceList(ListKind kind, const QStringList &items)
{
    if (VariationsListBox *box = listBox(kind))
        box->replaceItems(items);
}

void VariationsWindow::OpenListEditor(ListKind kind)
{
    ListEditorRequest request;
    request.owner = this;
    request.wording = ListWording::Variations;
    request.kind = kind;
    VariationsListBox *box = listBox(kind);
    for (int i = 0; i < box->count(); ++i)
        request.items << box->value(i);
    request.receiver = this;
    request.showTheoretical = kind == ListKind::Dia;
    guarded([&] { optolune::OpenListEditor(request); });
    // Confirmed or not, the list's selected item goes back into its field.
    chooseItem(kind);
}

void VariationsWindow::UseDefaultList(ListKind kind)
{
    guarded([&] {
        ShowNotices(
            RunListSource(appPaths().dataFolder, kind, ListSource::DefaultList, this).notices);
    });
    chooseItem(kind);
}

void VariationsWindow::LoadTheoreticalFNumbers()
{
    guarded([&] {
        ShowNotices(
            RunListSource(appPaths().dataFolder, ListKind::Dia, ListSource::TheoreticalList, this)
                .notices);
    });
    chooseItem(ListKind::Dia);
}

void VariationsWindow::SelectFirstItems()
{
    for (VariationsListBox *box : {m_lists.focale, m_lists.dia, m_lists.cercle, m_lists.dist})
        box->selectFirst();
    for (ListKind kind : {ListKind::Dis, ListKind::Foc, ListKind::Cer, ListKind::Dia})
        TakeListItem(kind);
    m_nbDecim->setCurrentIndex(2);
    guarded([this] { calculate(); });
}

void VariationsWindow::LoadAllDefaultLists()
{
    for (ListKind kind : {ListKind::Foc, ListKind::Dia, ListKind::Cer, ListKind::Dis})
        UseDefaultList(kind);
    chooseItem(ListKind::Dia);
}

// ---- keys and mouse

void VariationsWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape would close the window with every typed parameter and edited
    // list: it closes through "Quitter" and its close button only.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool VariationsWindow::eventFilter(QObject *watched, QEvent *event)
{
    const bool parameter = watched == m_params.cercle || watched == m_params.focale ||
                           watched == m_params.nod || watched == m_params.gp ||
                           watched == m_params.dia || watched == m_params.dist;
    const auto type = event->type();
    if (type == QEvent::ShortcutOverride && qobject_cast<QLineEdit *>(watched) &&
        isListShortcut(static_cast<QKeyEvent *>(event))) {
        // Left unaccepted, the key goes to the window's shortcut.
        event->ignore();
        return true;
    }
    if (type == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (parameter && isEnter(key)) {
            if (key->modifiers() != Qt::AltModifier)
                guarded([this] { calculate(); });
            return true;
        }
        if (watched == m_results[static_cast<int>(ResultField::DemiHyper)] &&
            key->modifiers() == Qt::ControlModifier && key->key() == Qt::Key_F10) {
            ExportClipboardBitmap(this);
            return true;
        }
    }
    const bool halfStopButton = watched == m_plus || watched == m_minus;
    if (halfStopButton) {
        // Any mouse button steps the f-number, not only the left one.
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
            halfStopPress(watched == m_plus ? HalfStop::Plus : HalfStop::Minus);
            return true;
        }
        if (type == QEvent::MouseButtonRelease) {
            halfStopRelease();
            return true;
        }
        if (type == QEvent::MouseMove && m_held != HalfStop::None &&
            static_cast<QMouseEvent *>(event)->buttons() == Qt::NoButton) {
            halfStopRelease(); // the release went elsewhere
            return true;
        }
    }
    if (watched == m_manual && type == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
        guarded([this] { LoadAllDefaultLists(); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ShowVariationsWindow(QWidget *owner)
{
    VariationsWindow form(owner);
    form.exec();
}

} // namespace optolune
