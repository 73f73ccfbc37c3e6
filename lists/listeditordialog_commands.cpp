#include "listeditordialog.h"

#include "core/application.h"
#include "core/language.h"
#include "core/messages.h"
#include "core/widgets.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

namespace optolune {

namespace {

// An item longer than this (only a damaged file holds one) is shown cut: a
// text of megabytes would take the list seconds to measure and paint.
constexpr qsizetype kShownItemLength = 40;

QString shownText(const QString &text)
{
    if (text.size() <= kShownItemLength)
        return text;
    return text.left(kShownItemLength) + QStringLiteral("…");
}

// The user's answer to a question of the editor, through the message boxes.
bool askUser(const QString &question) { return messages().confirm(question); }

} // namespace

void ListEditorDialog::LoadDefaultList()
{
    runWithNotices([this] { return m_editor.LoadDefaultList(); });
}

void ListEditorDialog::BuildTheoreticalList()
{
    run([this] { m_editor.BuildTheoreticalList(); });
}

void ListEditorDialog::CheckAll()
{
    run([this] { m_editor.CheckAll(); });
}

bool ListEditorDialog::OkCommand()
{
    bool close = false;
    run([this, &close] { close = m_editor.OkCommand(m_receiver); });
    return close;
}

void ListEditorDialog::okClicked()
{
    bool close = false;
    if (!run([this, &close] { close = m_editor.OkCommand(m_receiver); }))
        return; // the error has been shown; the window stays open
    if (close)
        accept();
    else
        messages().warning(tr("Pas de liste"));
}

void ListEditorDialog::runCommand(Command command)
{
    ListEditor &e = m_editor;
    switch (command) {
    case Command::DefItem:
        runWithNotices([&e] { return e.LoadDefaultList(); });
        break;
    case Command::Th: run([&e] { e.BuildTheoreticalList(); }); break;
    case Command::DelEch:
        runWithNotices([&e] { return e.DeleteStoredList(askUser); });
        break;
    case Command::SauveT:
        run([&e] { e.SaveStoredList(false, askUser); });
        break;
    case Command::SauveC:
        run([&e] { e.SaveStoredList(true, askUser); });
        break;
    case Command::Rappel:
        runWithNotices([&e] { return e.RecallStoredList(); });
        break;
    case Command::Aband:
        run([&e] { e.Cancel(); });
        reject();
        break;
    case Command::Ok: okClicked(); break;
    case Command::DelCour:
        run([&e] { e.DeleteCurrentList(askUser); });
        break;
    case Command::DelCourC:
        run([&e] { e.DeleteCheckedItems(askUser); });
        break;
    case Command::DelCourNC:
        run([&e] { e.DeleteUncheckedItems(askUser); });
        break;
    case Command::Add:
        runWithNotices([&e] { return e.AddTypedItem(); });
        break;
    case Command::VideCh: run([&e] { e.ClearSectionFields(); }); break;
    case Command::InitCh: run([&e] { e.PrepareNextSection(); }); break;
    case Command::AddSec:
        runWithNotices([&e] { return e.AddSection(ListEditor::SectionMode::Add); });
        break;
    case Command::CreSec:
        runWithNotices([&e] { return e.AddSection(ListEditor::SectionMode::Replace); });
        break;
    case Command::MarqueTous: run([&e] { e.CheckAll(); }); break;
    case Command::MarqueInv: run([&e] { e.InvertMarks(); }); break;
    case Command::SpinUp:
    case Command::SpinDown: {
        int row = selectedRow();
        const bool down = command == Command::SpinDown;
        run([&e, &row, down] { row = down ? e.SpinDown(row) : e.SpinUp(row); });
        if (row >= 0)
            m_fields.list->setCurrentRow(row);
        break;
    }
    }
}

bool ListEditorDialog::runWithNotices(const std::function<Notices()> &operation)
{
    pullFields();
    bool ok = true;
    try {
        ShowNotices(operation());
    } catch (...) {
        ok = false;
        reportCurrentException();
    }
    pushState();
    return ok;
}

bool ListEditorDialog::run(const std::function<void()> &operation)
{
    return runWithNotices([&operation] {
        operation();
        return Notices();
    });
}

void ListEditorDialog::pullFields()
{
    ListEditor::Fields &f = m_editor.fields;
    f.add = CommaNumber(m_fields.edAdd->text());
    f.sectionStart = CommaNumber(m_fields.minSec->text());
    f.sectionEnd = CommaNumber(m_fields.maxSec->text());
    f.step = m_fields.pasSec->currentIndex();
    f.storedIndex = m_fields.comboNum->currentIndex();
}

void ListEditorDialog::pushState()
{
    const ListEditor::Fields &f = m_editor.fields;
    m_fields.edAdd->setText(LocalNumbers(f.add));
    m_fields.minSec->setText(LocalNumbers(f.sectionStart));
    m_fields.maxSec->setText(LocalNumbers(f.sectionEnd));
    QStringList steps;
    for (const QString &step : f.steps)
        steps << LocalNumbers(step);
    QStringList shownSteps;
    for (int i = 0; i < m_fields.pasSec->count(); ++i)
        shownSteps << m_fields.pasSec->itemText(i);
    if (shownSteps != steps) {
        m_fields.pasSec->clear();
        m_fields.pasSec->addItems(steps);
    }
    m_fields.pasSec->setCurrentIndex(f.step);
    m_fields.comboNum->setCurrentIndex(f.storedIndex);
    setWindowTitle(f.caption);
    applyHint(m_buttons.at(Command::Th), f.theoreticalHint);
    pushList();
}

void ListEditorDialog::pushList()
{
    QListWidget *list = m_fields.list;
    const ValueList &items = m_editor.current;
    const int row = selectedRow();
    const QSignalBlocker blocker(list);
    list->clear();
    for (int i = 0; i < items.count(); ++i) {
        auto *item = new QListWidgetItem(shownText(LocalNumbers(items.text(i))), list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(items.isChecked(i) ? Qt::Checked : Qt::Unchecked);
    }
    if (row >= 0 && row < items.count())
        list->setCurrentRow(row);
}

int ListEditorDialog::selectedRow() const
{
    const QList<QListWidgetItem *> selected = m_fields.list->selectedItems();
    return selected.isEmpty() ? -1 : m_fields.list->row(selected.first());
}

void ListEditorDialog::markChanged(QListWidgetItem *item)
{
    const int row = m_fields.list->row(item);
    if (row >= 0 && row < m_editor.current.count())
        m_editor.current.setChecked(row, item->checkState() == Qt::Checked);
}

} // namespace optolune
