#include "listeditor.h"

#include "defaultlists.h"
#include "listfiles.h"
#include "listsort.h"

#include "core/numerictext.h"

#include <QCoreApplication>

namespace optolune {

namespace {

// A section runs while v < end + this margin, so that an end reached by
// accumulated steps (1 + 5 x 0,1 is not exactly 1,5) still belongs to it.
constexpr long double kSectionMargin = 0.000001L;

QString limitText() { return QCoreApplication::translate("ListEditor", "Nombre d'items limité à 100."); }

struct Bounds {
    long double entryMin;   // a typed item and a section start
    long double sectionEndMin;
    long double max;
};

Bounds boundsOf(ListKind kind)
{
    using namespace ValueLimits;
    switch (kind) {
    case ListKind::Dia: return {DiaMin, DiaMin, DiaMax};
    case ListKind::Dis: return {DistEntryMin, DistMin, DistMax};
    case ListKind::Foc: return {FocMin, FocMin, FocMax};
    case ListKind::Cer: return {CerMin, CerMin, CerMax};
    case ListKind::Cgr: break;
    }
    return {0, 0, 0};
}

// Repairs a typed value in place, keeping its warning.
void fitInto(Notices &notices, QString &text, int decimals, long double minimum,
             long double maximum, bool fallbackToMinimum)
{
    if (auto warning =
            NumericField::Fit(text, 12, decimals, minimum, maximum, fallbackToMinimum).warning)
        notices.push_back(WarningNotice(std::move(*warning)));
}

} // namespace

ListEditor::ListEditor(QString dataFolder, ListKind kind)
    : m_dataFolder(std::move(dataFolder)), m_kind(kind)
{
}

std::optional<ListKind> ListEditor::kind() const
{
    if (m_kind == ListKind::Cgr)
        return std::nullopt;
    return m_kind;
}

QStringList ListEditor::StoredListNames()
{
    return {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
            QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("D")};
}

QStringList ListEditor::SectionSteps(ListKind kind)
{
    switch (kind) {
    case ListKind::Dis:
        return {"0,01", "0,05", "0,1", "0,2", "0,5", "1", "2", "5", "10", "20", "50", "100"};
    case ListKind::Foc: return {"1", "2", "5", "10", "20", "50", "100"};
    case ListKind::Cer: return {"0,001", "0,002", "0,005", "0,010"};
    case ListKind::Dia:
    case ListKind::Cgr: break;
    }
    return {};
}

void ListEditor::Activate()
{
    ApplyKindSettings();
    TakeSnapshot();
}

void ListEditor::ApplyKindSettings()
{
    const auto k = kind();
    if (!k)
        return;
    decimals = ListDecimals(*k);
    if (*k != ListKind::Dia) {
        const Bounds b = boundsOf(*k);
        fields.steps = SectionSteps(*k);
        fields.step = 0;
        // The distance fields open on the range shown to the user (from
        // 0,03), not on the smaller start a section accepts.
        const long double start = *k == ListKind::Dis ? b.sectionEndMin : b.entryMin;
        fields.sectionStart = FixedText(start, 8, decimals);
        fields.sectionEnd = FixedText(b.max, 8, decimals);
    }
    switch (*k) {
    case ListKind::Dis:
        fields.caption = QCoreApplication::translate("ListEditor", "Listes-Distances");
        if (wording == ListWording::Variations)
            fields.theoreticalHint = QCoreApplication::translate("ListEditor", 
                "Rappel d'une liste théorique|Réservée à l'étude de l'hyperfocale");
        break;
    case ListKind::Dia:
        fields.theoreticalHint = QCoreApplication::translate("ListEditor", 
            "Rappel d'une liste théorique|Diaphragmes de 1 à 256 avec demi-diaphragmes");
        fields.add.clear();
        fields.caption = QCoreApplication::translate("ListEditor", "Listes-Diaphragmes");
        break;
    case ListKind::Foc:
        fields.add.clear();
        fields.caption = QCoreApplication::translate("ListEditor", "Listes-Focales");
        break;
    case ListKind::Cer:
        fields.add.clear();
        fields.caption = QCoreApplication::translate("ListEditor", "Listes-Diamètres du cercle de confusion");
        break;
    case ListKind::Cgr: break;
    }
}

void ListEditor::TakeSnapshot() { snapshot = ValueList::fromTexts(current.checkedTexts(), true); }

Notices ListEditor::AddTypedItem()
{
    const auto k = kind();
    if (!k)
        return {};
    decimals = ListDecimals(*k);
    if (current.count() >= MaxItems)
        return {InformationNotice(limitText())};
    // Focal lengths keep the typed text when it is already in the list as
    // typed, the other kinds when it is there once repaired.
    const bool keepTypedDuplicate = *k == ListKind::Foc;
    QString s = DecimalCommaText(fields.add);
    if (ContainsValue(current, s)) {
        if (!keepTypedDuplicate)
            fields.add.clear();
        return {};
    }
    const Bounds b = boundsOf(*k);
    Notices notices;
    fitInto(notices, s, decimals, b.entryMin, b.max, true);
    if (ContainsValue(current, s)) {
        if (keepTypedDuplicate)
            fields.add.clear();
        return notices;
    }
    fields.add = s;
    ValueList next = current;
    next.append(s, false);
    SortListNumeric(next);
    current = std::move(next);
    fields.add.clear();
    return notices;
}

Notices ListEditor::AddSection(SectionMode mode)
{
    const auto k = kind();
    if (!k || *k == ListKind::Dia)
        return {};
    decimals = ListDecimals(*k);
    const Bounds b = boundsOf(*k);
    Notices notices;
    QString s = DecimalCommaText(fields.sectionStart);
    fitInto(notices, s, decimals, b.entryMin, b.max, true);
    fields.sectionStart = s;
    s = DecimalCommaText(fields.sectionEnd);
    fitInto(notices, s, decimals, b.sectionEndMin, b.max, false);
    fields.sectionEnd = s;
    if (fields.step < 0 || fields.step >= fields.steps.size())
        return notices; // no step chosen: the window fills the steps when it opens
    const long double start = ToNumber(fields.sectionStart);
    const long double end = ToNumber(fields.sectionEnd);
    const long double step = ToNumber(fields.steps.at(fields.step));
    if (start > end) {
        notices.push_back(
            WarningNotice(QCoreApplication::translate("ListEditor", "Début supérieur à Fin")));
        fields.sectionEnd = FixedText(start + step, 12, decimals);
        return notices;
    }
    // Circle diameters are always added; the other kinds may replace the list.
    const bool replace = mode == SectionMode::Replace && *k != ListKind::Cer;
    ValueList next = replace ? ValueList() : current;
    bool cut = false;
    // v is accumulated, not recomputed as start + i x step: the values, and
    // so the texts, are those of the program's earlier lists.
    for (long double v = start; v < end + kSectionMargin; v += step) {
        if (*k == ListKind::Dis && next.count() >= MaxItems) {
            cut = true;
            break;
        }
        const QString t = FixedText(v, 5, decimals);
        if (!ContainsValue(next, t))
            next.append(t, false);
    }
    SortListNumeric(next);
    current = std::move(next);
    if (cut)
        notices.push_back(InformationNotice(limitText()));
    return notices;
}

void ListEditor::ClearSectionFields()
{
    fields.sectionStart.clear();
    fields.sectionEnd.clear();
}

void ListEditor::PrepareNextSection()
{
    fields.sectionStart = fields.sectionEnd;
    fields.sectionEnd.clear();
}

void ListEditor::CheckAll() { current.checkAll(); }

void ListEditor::InvertMarks() { current.invertMarks(); }

int ListEditor::SpinDown(int selected)
{
    if (selected < 0 || selected >= current.count())
        return -1;
    current.setChecked(selected, true);
    if (selected + 1 < current.count())
        ++selected;
    current.setChecked(selected, true);
    return selected;
}

int ListEditor::SpinUp(int selected)
{
    if (selected < 0 || selected >= current.count())
        return -1;
    current.setChecked(selected, false);
    if (selected > 0)
        --selected;
    current.setChecked(selected, false);
    return selected;
}

QString ListEditor::CountText() const
{
    return QString::number(current.countChecked()) + u'/' + QString::number(current.count());
}

void ListEditor::DeleteCurrentList(const Confirm &confirm)
{
    if (current.isEmpty())
        return;
    if (confirm(QCoreApplication::translate(
            "ListEditor", "ATTENTION, vous allez supprimer la liste courante. Continuer?")))
        current.clear();
}

void ListEditor::DeleteCheckedItems(const Confirm &confirm)
{
    if (current.isEmpty())
        return;
    if (!confirm(QCoreApplication::translate(
            "ListEditor", "ATTENTION, vous allez modifier l'échelle courante. Continuer?")))
        return;
    ValueList kept;
    for (int i = 0; i < current.count(); ++i)
        if (!current.isChecked(i))
            kept.append(current.text(i), false);
    current = std::move(kept);
}

void ListEditor::DeleteUncheckedItems(const Confirm &confirm)
{
    if (current.isEmpty())
        return;
    if (!confirm(QCoreApplication::translate(
            "ListEditor", "ATTENTION, vous allez modifier l'échelle courante. Continuer?")))
        return;
    // Rebuilt from the texts: the items kept lose their marks.
    current = ValueList::fromTexts(current.checkedTexts(), false);
}

void ListEditor::RemoveItem(int index)
{
    if (index >= 0 && index < current.count())
        current.removeAt(index);
}

Notices ListEditor::RecallStoredList()
{
    const auto k = kind();
    if (!k)
        return {};
    const int n = storedNumber();
    const ListLoadResult load = LoadListFile(m_dataFolder, *k, n, current);
    if (load.status == ListLoad::Missing)
        return {InformationNotice(
            QCoreApplication::translate("ListEditor", "L'échelle n°%1 n'existe pas.").arg(n))};
    current.checkAll();
    if (load.cut)
        return {InformationNotice(*load.cut)};
    return {};
}

Notices ListEditor::LoadDefaultList()
{
    const auto k = kind();
    if (!k)
        return {};
    const ListLoadResult load = LoadListFile(m_dataFolder, *k, DefaultListNumber, current);
    if (load.status == ListLoad::Missing)
        return {PlainNotice(QStringLiteral("bug"))};
    current.checkAll();
    if (load.cut)
        return {InformationNotice(*load.cut)};
    return {};
}

void ListEditor::SaveStoredList(bool onlyChecked, const Confirm &confirm)
{
    const auto k = kind();
    if (!k)
        return;
    const int n = storedNumber();
    QString question;
    if (n == DefaultListNumber)
        question = onlyChecked
                       ? QCoreApplication::translate("ListEditor", "Création de l'échelle par défaut avec les items cochés.Continuer?")
                       : QCoreApplication::translate("ListEditor", "Création de l'échelle par défaut avec tous les items.Continuer?");
    else
        question = (onlyChecked
                        ? QCoreApplication::translate("ListEditor", "Création de l'échelle n°%1 avec les items cochés.Continuer?")
                        : QCoreApplication::translate("ListEditor", "Création de l'échelle n°%1 avec tous les items.Continuer?"))
                       .arg(n);
    if (!confirm(question))
        return;
    SaveListFile(m_dataFolder, *k, n, current, onlyChecked);
}

Notices ListEditor::DeleteStoredList(const Confirm &confirm)
{
    const auto k = kind();
    if (!k)
        return {};
    const int n = storedNumber();
    // The default list must stay: the tables and the variations calculator
    // load it, and without it they could only answer "bug" until start-up
    // restores it from its backup.
    if (n == DefaultListNumber)
        return {InformationNotice(QCoreApplication::translate(
            "ListEditor", "L'échelle par défaut ne peut pas être supprimée."))};
    if (!ListFileExists(m_dataFolder, *k, n))
        return {InformationNotice(
            QCoreApplication::translate("ListEditor", " L'échelle n°%1 n'existe pas").arg(n))};
    if (confirm(QCoreApplication::translate("ListEditor", "Supprimer l'échelle enregistrée n°%1?")
                    .arg(n)))
        DeleteListFile(m_dataFolder, *k, n);
    return {};
}

void ListEditor::BuildTheoreticalList()
{
    if (kind() != ListKind::Dia)
        return;
    decimals = 1;
    current = ValueList::fromTexts(TheoreticalFNumbers(), true);
}

bool ListEditor::OkCommand(ListReceiver *receiver)
{
    if (current.countChecked() == 0)
        return false;
    // A line of a hand-edited file may be no number: the caller computes with
    // every value it receives, so such a list is not handed back.
    const QStringList checked = current.checkedTexts();
    for (const QString &text : checked)
        ItemValue(text);
    result = ValueList::fromTexts(checked, false);
    if (const auto k = kind())
        HandBack(*k, result.texts(), receiver);
    return true;
}

void ListEditor::Cancel() { current = ValueList::fromTexts(snapshot.texts(), true); }

} // namespace optolune
