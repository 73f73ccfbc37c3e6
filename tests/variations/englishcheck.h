// What a window shows a user in English: every text it puts on screen
// (captions, titles, fields, list and combo items, headers, tool tips,
// status tips, menus and actions, the status bar's message), and those of
// them still in French: equal to a French source the translations turn into
// other English, or carrying French accents or words. Shared by the window
// tests of the calculators (variations, circle, lens data, tilt).
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QStatusBar>
#include <QWidget>
#include <QXmlStreamReader>

namespace optolune::test {

// Every text the window and its children show, hints split into their
// short and long parts as the user reads them.
inline QStringList ShownTexts(QWidget *window)
{
    QStringList texts{window->windowTitle()};
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *w : widgets) {
        texts << w->toolTip() << w->statusTip();
        if (auto *l = qobject_cast<QLabel *>(w))
            texts << l->text();
        else if (auto *b = qobject_cast<QAbstractButton *>(w))
            texts << b->text();
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            texts << g->title();
        else if (auto *e = qobject_cast<QLineEdit *>(w))
            texts << e->text();
        else if (auto *c = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < c->count(); ++i)
                texts << c->itemText(i);
        } else if (auto *m = qobject_cast<QMenu *>(w))
            texts << m->title();
        else if (auto *s = qobject_cast<QStatusBar *>(w))
            texts << s->currentMessage();
        if (auto *view = qobject_cast<QAbstractItemView *>(w); view && view->model()) {
            const QAbstractItemModel *model = view->model();
            for (int c = 0; c < model->columnCount(); ++c)
                texts << model->headerData(c, Qt::Horizontal).toString();
            for (int r = 0; r < model->rowCount(); ++r)
                for (int c = 0; c < model->columnCount(); ++c)
                    texts << model->data(model->index(r, c)).toString();
        }
    }
    for (QAction *a : window->findChildren<QAction *>())
        texts << a->text() << a->toolTip() << a->statusTip();
    texts.removeAll(QString());
    texts.removeDuplicates();
    return texts;
}

// The French sources of the program's translations whose English differs
// from them, each hint also as its two parts.
inline const QSet<QString> &FrenchSources()
{
    static const QSet<QString> sources = [] {
        QHash<QString, QString> french; // source, English
        QSet<QString> same;
        QStringList files;
        const QDir folder(QStringLiteral(OPTOLUNE_SOURCE_DIR "/translations"));
        for (const QString &name : folder.entryList({QStringLiteral("*.ts")}))
            files << folder.filePath(name);
        const QDir parts(folder.filePath(QStringLiteral("parts")));
        for (const QString &name : parts.entryList({QStringLiteral("*.ts")}))
            files << parts.filePath(name);
        for (const QString &path : files) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            QXmlStreamReader xml(&file);
            QString source;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == u"source") {
                    source = xml.readElementText(QXmlStreamReader::SkipChildElements);
                } else if (xml.name() == u"translation") {
                    const QString english = xml.readElementText(QXmlStreamReader::SkipChildElements);
                    if (english == source)
                        same << source;
                    else
                        french.insert(source, english);
                }
            }
        }
        QSet<QString> out;
        for (auto it = french.cbegin(); it != french.cend(); ++it) {
            if (same.contains(it.key()))
                continue;
            out << it.key();
            // A part of a hint the English keeps (a formula) is no French.
            const QStringList englishParts = it.value().split(u'|');
            for (const QString &part : it.key().split(u'|'))
                if (part.trimmed().size() > 2 && !same.contains(part) && !englishParts.contains(part))
                    out << part;
        }
        return out;
    }();
    return sources;
}

// The texts of the window still in French; `allowed` holds the proper names
// and symbols a text may be whole.
inline QStringList FrenchLeft(QWidget *window, const QStringList &allowed = {})
{
    static const QRegularExpression frenchWord(
        QStringLiteral("[éèêëàâçùûôîï]|\\b(de|des|du|le|la|les|et|sur|avec|pour|dans|une?)\\b"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    QStringList left;
    for (const QString &text : ShownTexts(window)) {
        if (allowed.contains(text))
            continue;
        if (FrenchSources().contains(text) || FrenchSources().contains(text.trimmed()) ||
            frenchWord.match(text).hasMatch())
            left << text;
    }
    return left;
}

// A number as the English program shows it: digits with a decimal point,
// never a comma.
inline bool EnglishNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^-?\\d+(\\.\\d+)?( %)?$"));
    return number.match(text).hasMatch();
}

} // namespace optolune::test
