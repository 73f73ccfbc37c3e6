// What a window shows its user in English, looked at for French left over:
// every widget's text, title, tool tip and status tip, the items of its
// combo boxes, its menus and their actions. A text reads as French when it
// holds a French letter (é, à, ç...) or a word only French has.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QWidget>

namespace optolune::test {

inline bool looksFrench(const QString &text)
{
    static const QRegularExpression letters(QStringLiteral("[àâäçéèêëîïôöùûüÿœÀÂÇÉÈÊËÎÏÔÙÛÜŒ]"));
    if (letters.match(text).hasMatch())
        return true;
    static const QSet<QString> words = {
        QStringLiteral("de"),        QStringLiteral("la"),         QStringLiteral("le"),
        QStringLiteral("les"),       QStringLiteral("des"),        QStringLiteral("du"),
        QStringLiteral("et"),        QStringLiteral("au"),         QStringLiteral("aux"),
        QStringLiteral("pour"),      QStringLiteral("avec"),       QStringLiteral("sur"),
        QStringLiteral("une"),       QStringLiteral("est"),        QStringLiteral("sont"),
        QStringLiteral("par"),       QStringLiteral("dans"),       QStringLiteral("ou"),
        QStringLiteral("pas"),       QStringLiteral("fichier"),    QStringLiteral("ouvrir"),
        QStringLiteral("enregistrer"), QStringLiteral("quitter"),  QStringLiteral("affichage"),
        QStringLiteral("listes"),    QStringLiteral("liste"),      QStringLiteral("diaphragmes"),
        QStringLiteral("graphique"), QStringLiteral("fermer"),     QStringLiteral("effacer"),
        QStringLiteral("abandonner"), QStringLiteral("tous"),      QStringLiteral("inverser"),
        QStringLiteral("imprimer"),  QStringLiteral("actualiser"), QStringLiteral("favoris"),
        QStringLiteral("taille"),    QStringLiteral("paysage"),    QStringLiteral("aide"),
        QStringLiteral("ajouter"),   QStringLiteral("remplacer"),  QStringLiteral("supprimer"),
        QStringLiteral("vider"),     QStringLiteral("coches"),     QStringLiteral("fin"),
        QStringLiteral("focale"),    QStringLiteral("commentaire"), QStringLiteral("profondeur"),
        QStringLiteral("hyperfocale"), QStringLiteral("grandissement"), QStringLiteral("tirage"),
        QStringLiteral("champ"),     QStringLiteral("netteté"),    QStringLiteral("mise"),
        QStringLiteral("bloc"),      QStringLiteral("objectif"),
        QStringLiteral("objectifs"), QStringLiteral("accueil"),    QStringLiteral("boutique"),
        QStringLiteral("occasions"), QStringLiteral("fonte"),      QStringLiteral("titre"),
        QStringLiteral("exporter"),  QStringLiteral("copier"),     QStringLiteral("langue"),
    };
    static const QRegularExpression word(QStringLiteral("[\\p{L}]+"));
    for (auto it = word.globalMatch(text); it.hasNext();)
        if (words.contains(it.next().captured().toLower()))
            return true;
    return false;
}

// "where: text" for every shown text of the window that reads as French,
// unless it is one of `allowed` (proper names, texts of other units).
inline QStringList frenchLeft(QWidget *window, const QStringList &allowed = {})
{
    QStringList out;
    auto check = [&](const QObject *owner, const char *what, const QString &text) {
        // (a web address is no text of the program)
        if (!text.isEmpty() && !allowed.contains(text) && !text.startsWith(QStringLiteral("https://")) &&
            looksFrench(text))
            out << owner->objectName() + u'.' + QLatin1String(what) + QStringLiteral(": ") + text;
    };
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *w : widgets) {
        check(w, "windowTitle", w->isWindow() ? w->windowTitle() : QString());
        check(w, "toolTip", w->toolTip());
        check(w, "statusTip", w->statusTip());
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            check(w, "text", b->text());
        if (auto *l = qobject_cast<QLabel *>(w))
            check(w, "text", l->text());
        if (auto *g = qobject_cast<QGroupBox *>(w))
            check(w, "title", g->title());
        if (auto *e = qobject_cast<QLineEdit *>(w))
            check(w, "placeholder", e->placeholderText());
        if (auto *c = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < c->count(); ++i)
                check(w, "item", c->itemText(i));
        if (auto *m = qobject_cast<QMenu *>(w))
            check(w, "title", m->title());
    }
    for (const QAction *a : window->findChildren<QAction *>()) {
        check(a, "text", a->text());
        check(a, "toolTip", a->toolTip());
        check(a, "statusTip", a->statusTip());
    }
    return out;
}

} // namespace optolune::test
