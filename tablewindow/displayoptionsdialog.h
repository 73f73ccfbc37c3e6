// "Affichage": the small dialog in which the user ticks the display
// preferences of the depth-of-field table and sets how diffraction is
// counted (wavelength, blur model). It reads them from the settings
// file when it is created and, on "Ok", stores them there (displayoptions);
// "Abandonner", Escape or the close box leave the file untouched.
#pragma once

#include "table/displayoptions.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;

namespace optolune {

class DisplayOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit DisplayOptionsDialog(const QString &iniFileName, QWidget *parent = nullptr);

    // The choices as the boxes show them now.
    DisplayOptions options() const;

private:
    void buildControls();
    void setBoxes(const DisplayOptions &options);
    void MarqueTousBtnClick();
    void MarqueInvBtnClick();
    void validebtnClick();

    QString m_iniFileName;
    DisplayOptions m_loaded; // as the settings file held them
    QLineEdit *m_wavelength = nullptr;
    QComboBox *m_blurModel = nullptr;
    std::vector<QCheckBox *> m_boxes; // in the order of displayOptionFields()
    struct Buttons {
        QToolButton *markAll = nullptr;
        QToolButton *invert = nullptr;
        QToolButton *cancel = nullptr;
        QToolButton *ok = nullptr;
    } m_buttons;
};

// Shows the dialog modally over `owner` with the program's settings file.
// Returns the options the user validated with "Ok", which are then already
// stored in the settings file; nullopt when the user abandoned.
std::optional<DisplayOptions> openDisplayOptions(QWidget *owner);

// What the table window calls to show the dialog; tests put their own.
using DisplayOptionsOpener = std::function<std::optional<DisplayOptions>(QWidget *owner)>;

} // namespace optolune
