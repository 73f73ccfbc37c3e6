// "Aide en ligne": the about box. It identifies the running copy of the
// program (version, path, date, time and size of the program file, the
// program's reference) and offers "Écrivez-moi", which opens the user's mail
// program on a change request carrying the same identification
// (changerequest).
#pragma once

#include "changerequest.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace optolune {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);

    const ProgramFacts &facts() const { return m_facts; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void FormActivate();
    void fitToTexts();
    void Label27Click();

    struct Labels {
        QLabel *version = nullptr, *path = nullptr, *date = nullptr, *time = nullptr;
        QLabel *size = nullptr, *reference = nullptr, *notice = nullptr, *mail = nullptr;
    } m_labels;
    QLineEdit *m_focusSink = nullptr;
    ProgramFacts m_facts;
    bool m_activated = false;
};

// The program file that is running: the about box identifies it.
QString RunningProgramFile();

// The main window's "A propos": the about box shown modally, then destroyed.
void ShowAboutBox(QWidget *owner);

} // namespace optolune
