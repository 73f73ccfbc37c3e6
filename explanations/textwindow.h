// The explanation window: a read-only text that tells the photographer what
// the parameters of the depth-of-field table and their limits are, or how the
// variations calculator's two focusing solutions relate. The caller writes a
// tag naming the text into the hidden field Edit1; the window composes the
// text (affichetexts) when it is first shown.
#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;
class QPlainTextEdit;

namespace optolune {

class TextWindow : public QDialog {
    Q_OBJECT
public:
    explicit TextWindow(QWidget *parent = nullptr);

    void setTag(const QString &tag);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormActivate();
    void centreOnScreen();

    QPlainTextEdit *m_memo = nullptr;
    QLineEdit *m_tag = nullptr;
    bool m_activated = false;
};

// Shows the explanation named by `tag` ("table" or "calcprofisol") modally
// over `owner`, and returns when the user closes it.
void openExplanation(QWidget *owner, const QString &tag);

// What the table and variations windows call to show it; tests put their own.
using ExplanationOpener = std::function<void(QWidget *owner, const QString &tag)>;

} // namespace optolune
