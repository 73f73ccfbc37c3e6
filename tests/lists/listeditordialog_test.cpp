#include "lists/listeditordialog.h"

#include "lists/defaultlists.h"
#include "lists/listeditoropener.h"
#include "listtext.h"
#include "support/child.h"
#include "support/programfolder.h"
#include "support/recorder.h"
#include "support/screenshot.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>
#include <QTest>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

using namespace optolune;
using namespace optolune::test;

namespace {

class ListesTest : public testing::Test {
protected:
    // The editor as ShowListEditor sets it up, shown but not modal.
    ListEditorDialog &open(ListWording wording, ListKind kind, const QStringList &items,
                           bool showTheoretical = false)
    {
        m_form = std::make_unique<ListEditorDialog>(kind, nullptr, folder.dataPath());
        ListEditorDialog &form = *m_form;
        form.setCaption(CallerCaption(kind));
        form.setRangeLine(RangeLine(wording, kind));
        form.setWording(wording);
        form.setSectionControlsVisible(kind != ListKind::Dia);
        form.setTheoreticalButtonVisible(showTheoretical);
        form.setCurrentList(items);
        form.setReceiver(&receiver);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
        QCoreApplication::processEvents();
        return form;
    }

    QListWidget *list() const { return child<QListWidget>(m_form.get(), "CheckListBox1"); }
    QToolButton *button(const char *name) const { return child<QToolButton>(m_form.get(), name); }
    QLineEdit *edit(const char *name) const { return child<QLineEdit>(m_form.get(), name); }

    // The list as the user sees it, in the notation of listtext.h.
    QString shownList() const
    {
        QStringList parts;
        for (int i = 0; i < list()->count(); ++i) {
            const QListWidgetItem *item = list()->item(i);
            parts << item->text() +
                         (item->checkState() == Qt::Checked ? QStringLiteral("*") : QString());
        }
        return parts.join(u' ');
    }

    ProgramFolder folder;
    Recorder rec;
    RecordingReceiver receiver;
    std::unique_ptr<ListEditorDialog> m_form;
};

Message error(const QString &text) { return {QStringLiteral("error"), text}; }

} // namespace

struct HintCase {
    const char *name;
    const char *toolTip;
    const char *statusTip;
};

class ListesHintTest : public ListesTest, public testing::WithParamInterface<HintCase> {};

TEST_P(ListesHintTest, ShortPartIsTheToolTipLongPartTheStatusTip)
{
    open(ListWording::Variations, ListKind::Foc, {"50"});
    const HintCase &c = GetParam();
    auto *w = child<QWidget>(m_form.get(), c.name);
    EXPECT_EQ(w->toolTip(), QString::fromUtf8(c.toolTip));
    EXPECT_EQ(w->statusTip(), QString::fromUtf8(c.statusTip));
}

INSTANTIATE_TEST_SUITE_P(
    Controls, ListesHintTest,
    testing::Values(
        HintCase{"Panel2", "Listes enregistrées", "Listes enregistrées"},
        HintCase{"DefItemBtn", "Liste par défaut",
                 "Remplace la liste courante par la liste par défaut"},
        HintCase{"ThBtn", "Listethéorique", "Remplace la liste courante par la liste théorique"},
        HintCase{"ComboNum", "Numéro de liste", "Pour sélectionner un numéro"},
        HintCase{"DelEchBtn", "Suppression de liste",
                 "Suppression de la liste dont le numéro est sélectionné"},
        HintCase{"SauveEchT", "Enregistrer la liste courante sous",
                 "Enregistrement de la liste courante\nsous le numéro sélectionné"},
        HintCase{"SauveEchC", "Enregistrer la lise des items sélectionnés sous",
                 "Enregistrement de la liste des items cochés\nsous le numéro sélectionné"},
        HintCase{"RappelEch", "Ouverture d'une liste",
                 "La liste dont le numéro est sélectionné devient la liste courante"},
        HintCase{"AbandBtn", "Quitter sans valider la liste", ""},
        HintCase{"OkBtn", "Quitter en validant la liste", ""},
        HintCase{"DelCourBtn", "Suppression de la liste courante", ""},
        HintCase{"DelCourCBtn", "Suppression des items cochés",
                 "Les items cochés sont retirés de la liste courante"},
        HintCase{"DelCourNCBtn", "Suppression des items non cochés",
                 "Les items non cochés sont retirés de la liste courante"},
        HintCase{"EdAdd", "Item", "Champ de saisie d'un item\nà ajouter à la liste courante"},
        HintCase{"AddBtn", "Ajoûter", "L'item saisi dans le champ est ajouté à la liste courante"},
        HintCase{"MinSec", "Début de section", " Début de section de la section à créer"},
        HintCase{"MaxSec", "Fin de section", " Fin de la section à créer"},
        HintCase{"PasSec", "Pas", "Pas de la section à créer"},
        HintCase{"VideChBtn", "Remise à zéro", "Effacement des champs de section"},
        HintCase{"InitChBtn", "Préparation",
                 "Le champ Fin est copié dans le champ Début puis effacé"},
        HintCase{"AddSecBtn", "Ajouter", "Ajouter la section à la liste courante "},
        HintCase{"CreSecBtn", "Remplacer", "La section remplace la liste courante "},
        HintCase{"Panel1", "Modification des items", "Modification des items"},
        HintCase{"MarqueTousBtn", "Tous", "Cocher tous les itms de  la liste courante "},
        HintCase{"MarqueInvBtn", "Inverser",
                 "Les  items cochés perdent leur coche et les items non cochés sont cochés"},
        HintCase{"SpinCour", "Coches",
                 " Sélectionner un item, vers le bas placer les coches,vers le haut enlever les "
                 "coches."},
        HintCase{"NbABtn", "Nombre d'items",
                 "Maintenir le bouton enfoncé pour lire Nombre d'items cochés/Nombre d'items"},
        HintCase{"EdNbcoches", "Nombre d'items cochés",
                 "Affiché seulement en cliquant sur l'ampoule"},
        HintCase{"Edaffiche", "Commentaire", "Ligne de commentaire associée au fichier"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ListesTest, ActivationSetsTheKindAndTheCallersLine)
{
    ListEditorDialog unshown(ListKind::Dis, nullptr, folder.dataPath());
    EXPECT_EQ(unshown.windowTitle(), QStringLiteral("Listes"));

    ListEditorDialog &form = open(ListWording::Table, ListKind::Dis, {"1", "2"});
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Listes-Distances"));
    EXPECT_EQ(edit("Edaffiche")->text(),
              QStringLiteral("Mètres  Distance min.: 0,03      Distance max.: 900,00"));
    EXPECT_EQ(edit("MinSec")->text(), QStringLiteral("0,03"));
    EXPECT_EQ(edit("MaxSec")->text(), QStringLiteral("900,00"));
    EXPECT_EQ(child<QComboBox>(&form, "PasSec")->count(), 12);
    EXPECT_EQ(child<QComboBox>(&form, "PasSec")->currentText(), QStringLiteral("0,01"));
    EXPECT_EQ(child<QComboBox>(&form, "ComboNum")->currentText(), QStringLiteral("1"));
    EXPECT_EQ(button("AbandBtn")->text(), QStringLiteral("Abandonner"));
    EXPECT_EQ(button("OkBtn")->text(), QStringLiteral("Ok"));
    EXPECT_FALSE(button("ThBtn")->isVisible());
    EXPECT_TRUE(button("CreSecBtn")->isVisible());
    EXPECT_FALSE(edit("EdNbcoches")->isVisible());
    EXPECT_EQ(shownList(), QStringLiteral("1* 2*"));
    EXPECT_EQ(list()->palette().color(QPalette::Base),
              list()->palette().color(QPalette::ToolTipBase));
}

TEST_F(ListesTest, FNumbersHideTheSectionsAndMayOfferTheTheoreticalList)
{
    ListEditorDialog &form = open(ListWording::Variations, ListKind::Dia, {"2,8"}, true);
    for (const char *name : {"MinSec", "MaxSec"})
        EXPECT_FALSE(edit(name)->isVisible()) << name;
    for (const char *name : {"VideChBtn", "InitChBtn", "AddSecBtn", "CreSecBtn"})
        EXPECT_FALSE(button(name)->isVisible()) << name;
    EXPECT_FALSE(child<QComboBox>(&form, "PasSec")->isVisible());
    QToolButton *th = button("ThBtn");
    ASSERT_TRUE(th->isVisible());
    EXPECT_EQ(th->toolTip(), QStringLiteral("Rappel d'une liste théorique"));
    EXPECT_EQ(th->statusTip(), QStringLiteral("Diaphragmes de 1 à 256 avec demi-diaphragmes"));
    QTest::mouseClick(th, Qt::LeftButton);
    EXPECT_EQ(list()->count(), 33);
    EXPECT_EQ(list()->item(32)->text(), QStringLiteral("256,0"));
}

TEST_F(ListesTest, EnterInTheItemFieldAddsTheTypedItem)
{
    open(ListWording::Table, ListKind::Dia, {"2,8", "4,0", "5,6"});
    QLineEdit *add = edit("EdAdd");
    QTest::keyClicks(add, "3.4");
    QTest::keyClick(add, Qt::Key_Return);
    EXPECT_EQ(shownList(), QStringLiteral("2,8* 3,4* 4* 5,6"));
    EXPECT_EQ(add->text(), QString());

    // Alt alone held: Enter does nothing.
    QTest::keyClicks(add, "8");
    QTest::keyClick(add, Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(list()->count(), 4);
    EXPECT_EQ(add->text(), QStringLiteral("8"));
    // The keypad's Enter and the button add as Return does.
    QTest::keyClick(add, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(list()->count(), 5);
    QTest::keyClicks(add, "300");
    QTest::mouseClick(button("AddBtn"), Qt::LeftButton);
    EXPECT_EQ(list()->item(5)->text(), QStringLiteral("256"));
    EXPECT_EQ(rec.texts(), QStringList{"Valeur hors intervalle 1,0-256,0"});
    EXPECT_TRUE(m_form->isVisible()); // Enter never closes the editor
}

TEST_F(ListesTest, UnreadableEntryShowsTheConversionErrorAndChangesNothing)
{
    open(ListWording::Table, ListKind::Dis, {"1", "2"});
    QTest::keyClicks(edit("EdAdd"), "1,5m");
    QTest::keyClick(edit("EdAdd"), Qt::Key_Return);
    EXPECT_EQ(rec.messages(), std::vector<Message>{error(
                                  "'1,5m' n'est pas une valeur en virgule flottante correcte")});
    EXPECT_EQ(shownList(), QStringLiteral("1* 2*"));
    EXPECT_EQ(edit("EdAdd")->text(), QStringLiteral("1,5m"));
}

TEST_F(ListesTest, DeleteKeyRemovesTheSelectedItemUnlessAltAloneIsHeld)
{
    open(ListWording::Table, ListKind::Dis, {"1", "2", "3"});
    list()->setFocus();
    list()->setCurrentRow(1);
    QTest::keyClick(list(), Qt::Key_Delete, Qt::AltModifier);
    EXPECT_EQ(shownList(), QStringLiteral("1* 2* 3*"));
    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_EQ(shownList(), QStringLiteral("1* 3*"));
    QTest::keyClick(list(), Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(shownList(), QStringLiteral("1*"));
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(ListesTest, MarksFollowTheMouseTheButtonsAndTheArrows)
{
    ListEditorDialog &form =
        open(ListWording::Variations, ListKind::Cer, {"0,02", "0,03", "0,05", "0,1"});
    // A click on an item's box unchecks it.
    QListWidgetItem *item = list()->item(1);
    const QRect r = list()->visualItemRect(item);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                      QPoint(r.left() + 10, r.center().y()));
    ASSERT_EQ(item->checkState(), Qt::Unchecked);
    EXPECT_EQ(shown(form.editor().current), QStringLiteral("0,02* 0,03 0,05* 0,1*"));

    QTest::mouseClick(button("MarqueInvBtn"), Qt::LeftButton);
    EXPECT_EQ(shownList(), QStringLiteral("0,02 0,03* 0,05 0,1"));
    list()->setCurrentRow(1);
    QTest::mouseClick(button("SpinCourDown"), Qt::LeftButton);
    EXPECT_EQ(shownList(), QStringLiteral("0,02 0,03* 0,05* 0,1"));
    EXPECT_EQ(list()->currentRow(), 2);
    QTest::mouseClick(button("SpinCourUp"), Qt::LeftButton);
    EXPECT_EQ(shownList(), QStringLiteral("0,02 0,03 0,05 0,1"));
    EXPECT_EQ(list()->currentRow(), 1);

    // The count shows while the bulb is held down.
    QTest::mouseClick(button("MarqueTousBtn"), Qt::LeftButton);
    QTest::mousePress(button("NbABtn"), Qt::LeftButton);
    EXPECT_TRUE(edit("EdNbcoches")->isVisible());
    EXPECT_EQ(edit("EdNbcoches")->text(), QStringLiteral("4/4"));
    QTest::mouseRelease(button("NbABtn"), Qt::LeftButton);
    EXPECT_FALSE(edit("EdNbcoches")->isVisible());
}

TEST_F(ListesTest, SectionFromTheFields)
{
    ListEditorDialog &form = open(ListWording::Variations, ListKind::Foc, {"60"});
    edit("MinSec")->setText(QStringLiteral("50"));
    edit("MaxSec")->setText(QStringLiteral("80"));
    child<QComboBox>(&form, "PasSec")->setCurrentIndex(3); // 10
    QTest::mouseClick(button("CreSecBtn"), Qt::LeftButton);
    EXPECT_EQ(shownList(), QStringLiteral("50,0 60,0 70,0 80,0"));
    QTest::mouseClick(button("InitChBtn"), Qt::LeftButton);
    EXPECT_EQ(edit("MinSec")->text(), QStringLiteral("80"));
    EXPECT_EQ(edit("MaxSec")->text(), QString());
    edit("MaxSec")->setText(QStringLiteral("70"));
    QTest::mouseClick(button("AddSecBtn"), Qt::LeftButton);
    EXPECT_EQ(rec.texts(), QStringList{"Début supérieur à Fin"});
    EXPECT_EQ(edit("MaxSec")->text(), QStringLiteral("90,0"));
    QTest::mouseClick(button("VideChBtn"), Qt::LeftButton);
    EXPECT_EQ(edit("MinSec")->text(), QString());
}

TEST_F(ListesTest, StoredListsThroughTheButtons)
{
    ListEditorDialog &form = open(ListWording::Table, ListKind::Dis, {"1", "2"});
    list()->item(0)->setCheckState(Qt::Unchecked);
    child<QComboBox>(&form, "ComboNum")->setCurrentIndex(6); // "D"
    rec.answerConfirm(true);
    QTest::mouseClick(button("SauveEchC"), Qt::LeftButton);
    EXPECT_EQ(folder.read(QStringLiteral("Data/cbxdis7.stf")), QByteArray("2\r\n"));
    child<QComboBox>(&form, "ComboNum")->setCurrentIndex(3);
    QTest::mouseClick(button("RappelEch"), Qt::LeftButton);
    QTest::mouseClick(button("DelEchBtn"), Qt::LeftButton);
    QTest::mouseClick(button("DefItemBtn"), Qt::LeftButton);
    EXPECT_EQ(shownList(), QStringLiteral("2*"));
    EXPECT_EQ(rec.texts(),
              (QStringList{"Création de l'échelle par défaut avec les items cochés.Continuer?",
                           "L'échelle n°4 n'existe pas.", " L'échelle n°4 n'existe pas"}));
}

TEST_F(ListesTest, FailedSaveIsReportedAndTheWindowGoesOn)
{
    folder.write(QStringLiteral("Blocked"), "file");
    ListEditorDialog form(ListKind::Dia, nullptr, folder.path() + "Blocked/");
    form.setCurrentList({"2,8"});
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    rec.answerConfirm(true);
    QTest::mouseClick(child<QToolButton>(&form, "SauveEchT"), Qt::LeftButton);
    EXPECT_EQ(rec.messages().back(), error(QStringLiteral("Impossible de créer le fichier ") +
                                           folder.path() + "Blocked/cbxdia1.stf"));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(child<QListWidget>(&form, "CheckListBox1")->count(), 1);
}

TEST_F(ListesTest, OkWithNothingCheckedSaysSoAndStaysOpen)
{
    open(ListWording::Table, ListKind::Dis, {"1", "2"});
    QTest::mouseClick(button("MarqueInvBtn"), Qt::LeftButton);
    QTest::mouseClick(button("OkBtn"), Qt::LeftButton);
    EXPECT_EQ(rec.messages(),
              (std::vector<Message>{{QStringLiteral("warning"), QStringLiteral("Pas de liste")}}));
    EXPECT_TRUE(m_form->isVisible());
    EXPECT_TRUE(receiver.deliveries.empty());
}

TEST_F(ListesTest, OkHandsBackTheCheckedItemsInOrder)
{
    open(ListWording::Table, ListKind::Dis, {"1", "2", "3", "5"});
    list()->item(0)->setCheckState(Qt::Unchecked);
    list()->item(2)->setCheckState(Qt::Unchecked);
    QTest::mouseClick(button("OkBtn"), Qt::LeftButton);
    EXPECT_EQ(m_form->result(), QDialog::Accepted);
    EXPECT_FALSE(m_form->isVisible());
    ASSERT_EQ(receiver.deliveries.size(), 1u);
    EXPECT_EQ(receiver.deliveries[0].kind, ListKind::Dis);
    EXPECT_EQ(receiver.deliveries[0].items, (QStringList{"2", "5"}));
}

TEST_F(ListesTest, AbandonnerAndTheFrameHandNothingBack)
{
    open(ListWording::Variations, ListKind::Dia, {"2,8", "4"});
    QTest::keyClicks(edit("EdAdd"), "8");
    QTest::keyClick(edit("EdAdd"), Qt::Key_Return);
    QTest::mouseClick(button("AbandBtn"), Qt::LeftButton);
    EXPECT_EQ(m_form->result(), QDialog::Rejected);
    EXPECT_EQ(shown(m_form->editor().current), QStringLiteral("2,8* 4*"));

    open(ListWording::Variations, ListKind::Dia, {"2,8", "4"});
    m_form->close();
    EXPECT_EQ(m_form->result(), QDialog::Rejected);
    EXPECT_TRUE(receiver.deliveries.empty());
}

TEST_F(ListesTest, DrivenWithoutBeingShown)
{
    ListEditorDialog form(ListKind::Dia, nullptr, folder.dataPath());
    form.setReceiver(&receiver);
    form.BuildTheoreticalList();
    form.CheckAll();
    EXPECT_TRUE(form.OkCommand());
    EXPECT_FALSE(form.isVisible());
    ASSERT_EQ(receiver.deliveries.size(), 1u);
    EXPECT_EQ(receiver.deliveries[0].items, TheoreticalFNumbers());

    ListEditorDialog distances(ListKind::Dis, nullptr, folder.dataPath());
    distances.setReceiver(&receiver);
    distances.LoadDefaultList();
    EXPECT_TRUE(distances.OkCommand());
    ASSERT_EQ(receiver.deliveries.size(), 2u);
    EXPECT_EQ(receiver.deliveries.back().kind, ListKind::Dis);
    EXPECT_EQ(receiver.deliveries.back().items.first(), QStringLiteral("0,5"));
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(ListesTest, ShowListEditorRunsModallyAndHandsBackOnOk)
{
    ListEditorRequest request;
    request.wording = ListWording::Variations;
    request.kind = ListKind::Foc;
    request.items = {"50", "80"};
    request.receiver = &receiver;
    QTimer::singleShot(0, [] {
        // Found among the windows, so that a failure here still ends exec().
        ListEditorDialog *form = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *f = dynamic_cast<ListEditorDialog *>(w); f && f->isVisible())
                form = f;
        if (!form) {
            ADD_FAILURE() << "the editor is not shown";
            return;
        }
        EXPECT_TRUE(form->isModal());
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Listes-Focales"));
        EXPECT_EQ(form->editor().kind(), ListKind::Foc);
        EXPECT_EQ(child<QLineEdit>(form, "Edaffiche")->text(),
                  QStringLiteral("Focale min.: 10,0 mm      Focale max.: 1200,0 mm"));
        QTest::mouseClick(form->findChild<QToolButton *>(QStringLiteral("OkBtn")), Qt::LeftButton);
        if (form->isVisible())
            form->reject();
    });
    EXPECT_TRUE(OpenListEditor(request));
    ASSERT_EQ(receiver.deliveries.size(), 1u);
    EXPECT_EQ(receiver.deliveries[0].items, (QStringList{"50", "80"}));
}

TEST_F(ListesTest, OpenerCanBeReplaced)
{
    int opened = 0;
    ListEditorOpener previous = setListEditorOpener([&opened](const ListEditorRequest &r) {
        ++opened;
        r.receiver->replaceList(r.kind, {"9"});
        return true;
    });
    ListEditorRequest request;
    request.kind = ListKind::Dis;
    request.receiver = &receiver;
    EXPECT_TRUE(OpenListEditor(request));
    setListEditorOpener(previous);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(receiver.deliveries.size(), 1u);
}

TEST_F(ListesTest, DamagedListIsShownCutAndLeftForTheUserToRemove)
{
    folder.write(QStringLiteral("Data/cbxdis3.stf"),
                 "1\r\n" + QByteArray(100 * 1024, '7') + "x\r\n\x01\xff\r\n2\r\n");
    ListEditorDialog &form = open(ListWording::Table, ListKind::Dis, {"5"});
    child<QComboBox>(&form, "ComboNum")->setCurrentIndex(2);
    QTest::mouseClick(button("RappelEch"), Qt::LeftButton);
    ASSERT_EQ(list()->count(), 4);
    EXPECT_EQ(list()->item(1)->text(), QString(40, u'7') + QStringLiteral("…"));
    EXPECT_TRUE(rec.messages().empty());

    QTest::mouseClick(button("OkBtn"), Qt::LeftButton);
    ASSERT_EQ(rec.messages().size(), 1u);
    EXPECT_EQ(rec.messages()[0].text,
              u'\'' + QString(60, u'7') +
                  QStringLiteral("...' n'est pas une valeur en virgule flottante correcte"));
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(receiver.deliveries.empty());

    list()->setCurrentRow(1);
    QTest::keyClick(list(), Qt::Key_Delete);
    QTest::keyClick(list(), Qt::Key_Delete);
    QTest::mouseClick(button("OkBtn"), Qt::LeftButton);
    ASSERT_EQ(receiver.deliveries.size(), 1u);
    EXPECT_EQ(receiver.deliveries[0].items, (QStringList{"1", "2"}));
}

TEST_F(ListesTest, SixColumnsThenTheListScrollsSideways)
{
    ListEditorDialog &form = open(ListWording::Table, ListKind::Dis, {});
    edit("MinSec")->setText(QStringLiteral("0,01"));
    edit("MaxSec")->setText(QStringLiteral("100"));
    QTest::mouseClick(button("CreSecBtn"), Qt::LeftButton);
    ASSERT_EQ(list()->count(), 100);
    EXPECT_EQ(rec.texts(), QStringList{"Nombre d'items limité à 100."});
    QTest::qWait(50); // the list lays its items out after the event
    const QRect viewport = list()->viewport()->rect();
    int rows = 1;
    while (list()->visualItemRect(list()->item(rows)).left() ==
           list()->visualItemRect(list()->item(0)).left())
        ++rows;
    ASSERT_GE(rows, 8);
    // The first item of the sixth column is in view, the first of the seventh
    // is not; every column has the same width.
    const QRect sixth = list()->visualItemRect(list()->item(5 * rows));
    EXPECT_TRUE(viewport.contains(sixth.topLeft())) << rows;
    EXPECT_GE(sixth.left(), 5 * viewport.width() / 6 - 1);
    // Only the few pixels left over by dividing the width by six may show
    // of the seventh.
    EXPECT_GE(list()->visualItemRect(list()->item(6 * rows)).left(), viewport.width() - 6);
    EXPECT_TRUE(list()->horizontalScrollBar()->isVisible());
    saveScreenshot(&form, QStringLiteral("listes-distances-100"));
}

// The check box of the first item stands whole inside the list, clear of
// its frame, as every other one does.
TEST_F(ListesTest, FirstCheckBoxIsClearOfTheFrame)
{
    open(ListWording::Table, ListKind::Dis, {"0,5", "1", "2"});
    QListWidget *l = list();
    QStyleOptionViewItem option;
    option.initFrom(l->viewport());
    option.rect = l->visualItemRect(l->item(0));
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = l->item(0)->text();
    option.font = l->font();
    const QRect box = l->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, l)
                          .translated(l->viewport()->geometry().topLeft());
    // In the list's own coordinates: a pixel at least between frame and box.
    EXPECT_GT(box.top(), l->frameWidth());
    EXPECT_GT(box.left(), l->frameWidth());
    EXPECT_TRUE(l->viewport()->geometry().contains(box));
}

TEST_F(ListesTest, PicturesOfEachKind)
{
    struct Shot {
        ListWording wording;
        ListKind kind;
        bool theoretical;
        const char *name;
    };
    for (const Shot &s : {Shot{ListWording::Table, ListKind::Dia, true, "listes-diaphragmes"},
                          Shot{ListWording::Table, ListKind::Dis, false, "listes-distances"},
                          Shot{ListWording::Variations, ListKind::Foc, false, "listes-focales"},
                          Shot{ListWording::Variations, ListKind::Cer, false, "listes-cercles"}}) {
        QStringList items;
        if (s.kind == ListKind::Dia) {
            items = TheoreticalFNumbers();
        } else {
            ValueList def;
            ListEditor loader(folder.dataPath(), s.kind);
            ASSERT_TRUE(loader.LoadDefaultList().empty());
            items = loader.current.texts();
        }
        ListEditorDialog &form = open(s.wording, s.kind, items, s.theoretical);
        list()->item(2)->setCheckState(Qt::Unchecked);
        list()->setCurrentRow(3);
        QTest::mousePress(button("NbABtn"), Qt::LeftButton);
        child<QStatusBar>(&form, "StatusBar")->showMessage(button("SauveEchC")->statusTip());
        saveScreenshot(&form, QString::fromLatin1(s.name));
        QTest::mouseRelease(button("NbABtn"), Qt::LeftButton);
        EXPECT_GT(list()->gridSize().width() * 6, list()->viewport()->width() - 6);
    }
}
