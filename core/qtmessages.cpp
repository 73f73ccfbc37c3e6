#include "qtmessages.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace optolune {

namespace {

QWidget *parentWindow() { return QApplication::activeWindow(); }

// The program's name; windows carry their own titles alone.
QString title() { return QStringLiteral("Optolune"); }

} // namespace

void QtMessages::information(const QString &text)
{
    QMessageBox::information(parentWindow(), title(), text);
}

void QtMessages::warning(const QString &text)
{
    QMessageBox::warning(parentWindow(), title(), text);
}

void QtMessages::plain(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title(), text, QMessageBox::Ok, parentWindow());
    box.exec();
}

void QtMessages::error(const QString &text)
{
    QMessageBox::critical(parentWindow(), title(), text);
}

bool QtMessages::confirm(const QString &text)
{
    return QMessageBox::question(parentWindow(), title(), text,
                                 QMessageBox::Yes | QMessageBox::No) != QMessageBox::No;
}

std::optional<QString> QtPrompts::openFile(const QString &dir, const QString &filter)
{
    const QString path = QFileDialog::getOpenFileName(parentWindow(), QString(), dir, filter);
    if (path.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(path);
}

std::optional<QString> QtPrompts::saveFile(const QString &dir, const QString &suggestedName,
                                           const QString &filter)
{
    const QString path = QFileDialog::getSaveFileName(
        parentWindow(), QString(), QDir(dir).filePath(suggestedName), filter);
    if (path.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(path);
}

std::optional<QString> QtPrompts::inputText(const QString &titleText, const QString &label,
                                            const QString &initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parentWindow(), titleText, label,
                                               QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

bool QtPrompts::choosePrinter(QPrinter &printer)
{
    QPrintDialog dialog(&printer, parentWindow());
    // The user may print some of the pages: the caller lays them out for the
    // paper chosen and honours the range.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, 9999);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace optolune
