// "Options pour l'impression": the small dialog the print command shows
// before a table is printed, previewed or exported. The user sets the title
// of the first line (it starts from the table's lens references), the page
// orientation and the font size; the last two are kept in the settings file
// (printoptions) whenever the dialog closes, abandoned or not.
#pragma once

#include "printoptions.h"

#include <QDialog>
#include <functional>
#include <optional>

class QButtonGroup;
class QComboBox;
class QLineEdit;

namespace optolune {

// What a print takes from the dialog after "OK".
struct PrintChoice {
    QString title;
    int fontSizePoints = 10;
    bool landscape = false;
};

class PrintOptionsDialog : public QDialog {
    Q_OBJECT
public:
    PrintOptionsDialog(const QString &iniFileName, const QString &lensReferences,
                 QWidget *parent = nullptr);

    PrintOptions options() const;
    PrintChoice choice() const;

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void buildControls();
    void FormActivate();
    void FormClose();

    QString m_iniFileName;
    QString m_lensReferences;
    QLineEdit *m_title = nullptr;
    QButtonGroup *m_orientation = nullptr;
    QComboBox *m_size = nullptr;
    bool m_activated = false;
    bool m_closed = false;
};

// Shows the dialog over `owner`: the choice after "OK", nullopt otherwise.
using PrintOptionsOpener =
    std::function<std::optional<PrintChoice>(QWidget *owner, const QString &lensReferences)>;

// The program's opener: a new dialog with the program's settings file,
// shown modally and destroyed.
std::optional<PrintChoice> ShowPrintOptions(QWidget *owner, const QString &lensReferences);

// Opens the dialog through the installed opener (ShowPrintOptions unless a
// test installed another).
std::optional<PrintChoice> OpenPrintOptions(QWidget *owner, const QString &lensReferences);

// Installs an opener and returns the previous one; an empty opener restores
// ShowPrintOptions.
PrintOptionsOpener setPrintOptionsOpener(PrintOptionsOpener opener);

} // namespace optolune
