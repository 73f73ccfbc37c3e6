// "Favoris": a few links to a photography web site (home page, forum, shop,
// classified ads), opened in the user's browser, and "Déconnecter", which
// hangs up every dial-up connection (RasEnum). The site and its addresses
// come from the build configuration; only https addresses are opened.
#pragma once

#include <QDialog>
#include <vector>

class QLabel;

namespace optolune {

class FavouritesWindow : public QDialog {
    Q_OBJECT
public:
    explicit FavouritesWindow(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void openLink(const QString &address);
    void ToolButton1Click();

    struct Link {
        QLabel *label;
        QString address;
    };
    std::vector<Link> m_links;
};

// The main window's "Favoris": the window at 20, 100 from the screen's top
// left corner (kept within the screen), shown modally, then destroyed.
void ShowFavourites(QWidget *owner);

} // namespace optolune
