#include "textwindow.h"

#include "explanationtexts.h"
#include "core/widgets.h"

#include <QFont>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace optolune {

TextWindow::TextWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAffiche"));
    // Kept above the other windows so it can be read beside the table.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint);
    resize(ExplanationDesignWidth, ExplanationDesignHeight);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    m_memo = make<QPlainTextEdit>(this, "Memo1");
    m_memo->setReadOnly(true);
    m_memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_memo->setFrameShape(QFrame::NoFrame);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    m_memo->setFont(font);
    QPalette palette = m_memo->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    m_memo->setPalette(palette);
    layout->addWidget(m_memo);

    m_tag = make<QLineEdit>(this, "Edit1");
    m_tag->hide();
}

void TextWindow::setTag(const QString &tag) { m_tag->setText(tag); }

void TextWindow::showEvent(QShowEvent *event)
{
    if (!m_activated) {
        m_activated = true;
        FormActivate();
        centreOnScreen();
    }
    QDialog::showEvent(event);
}

void TextWindow::FormActivate()
{
    const std::optional<Explanation> explanation = ComposeExplanation(m_tag->text());
    if (!explanation) {
        // Nothing to say for an unknown tag: an empty window.
        setWindowTitle(QString());
        m_memo->clear();
        return;
    }
    setWindowTitle(explanation->caption);
    resize(explanation->width, explanation->height);
    m_memo->setPlainText(explanation->lines.join(u'\n'));
}

void TextWindow::centreOnScreen()
{
    if (const QScreen *s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

void openExplanation(QWidget *owner, const QString &tag)
{
    TextWindow window(owner);
    window.setTag(tag);
    window.exec();
}

} // namespace optolune
