<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>AppPaths</name>
    <message>
        <source>Impossible de créer le dossier %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Mémoire insuffisante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erreur inconnue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BitmapExport</name>
    <message>
        <source>Pas d&apos;image dans le presse-papier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nom %1 non valide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible de créer le dossier %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible de créer le fichier %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saisir le nom du bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nom du fichier .Bmp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ici le nom</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CellPresentation</name>
    <message>
        <source> Diaphragmes:%1      distances:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La valeur sélectionnée ne convient pas</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliCircle</name>
    <message>
        <source>--%1 : format inconnu « %2 » (voir --list-formats)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>film (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tirage (cm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largeur x longueur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage : optolune-cli circle [options]

Calcule le diamètre du cercle de confusion qui convient à un format de film
agrandi en un tirage regardé à une distance donnée, et le diaphragme à partir
duquel la diffraction devient perceptible, comme le calculateur du cercle de
confusion d&apos;Optolune. Les nombres s&apos;écrivent avec une virgule décimale (un
point est accepté). Une valeur hors limites est refusée avec le message de la
fenêtre.

Formats (par défaut ceux de la fenêtre : film 6x6 cm, tirage 30x40) :
  --film &lt;format&gt;         format de film prédéfini (24x36, 6x7 cm, 4x5 in...)
  --film-width &lt;mm&gt;       largeur du film, petit côté (56)
  --film-length &lt;mm&gt;      longueur du film, grand côté (56)
  --print &lt;format&gt;        format de tirage prédéfini (18x24, A4, 30x40...)
  --print-width &lt;cm&gt;      largeur du tirage, petit côté (30)
  --print-length &lt;cm&gt;     longueur du tirage, grand côté (40)
  --full-frame            plein format : toute l&apos;image du film est gardée sur
                          le tirage (sinon elle est recadrée aux proportions
                          du tirage)
  --viewing-distance &lt;cm&gt;
                          tirage regardé à cette distance (sinon à une
                          distance égale à sa diagonale)
  --list-formats          affiche les formats de film et de tirage prédéfinis

Sortie :
  --csv                   CSV pour un tableur français : Résultat;Valeur;
                          Signification (sans --csv : colonnes alignées)
  -h, --help              affiche cette aide

Un c que la table de profondeur de champ n&apos;accepte pas (hors de 0,005 à
0,5 mm) est signalé sur la sortie d&apos;erreur ; les résultats sont affichés.

Code de sortie : 0 résultats affichés, 1 valeur refusée, 2 commande ou option
incorrecte. Les messages vont sur la sortie d&apos;erreur.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>c = %1 mm : la table de profondeur de champ n&apos;accepte pas un cercle inférieur à %2 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>c = %1 mm : la table de profondeur de champ n&apos;accepte pas un cercle supérieur à %2 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>film</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>surface utile du film (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tirage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>image sur le tirage (cm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diagonale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diagonale de l&apos;image sur le tirage (cm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>agrandissement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>facteur d&apos;agrandissement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>distance d&apos;observation retenue (cm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diamètre du cercle de confusion (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N limite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diaphragme à partir duquel la diffraction devient perceptible</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliCommon</name>
    <message>
        <source>--%1 vaut un nombre décimal, pas « %2 »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 hors limites : %2 (limites %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--wavelength s&apos;écrit avec 4 décimales au plus, pas « %1 »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--blur vaut rss ou sum, pas « %1 »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>argument inattendu : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;option --%1 ne prend pas de valeur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;option --%1 demande une valeur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option inconnue : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valeur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voir %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--origin vaut film ou lens, pas « %1 »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--decimals vaut un entier de 0 à 8, pas « %1 »</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliMan</name>
    <message>
        <source>.\&quot; Generated from the help texts of optolune-cli; do not edit.
.TH OPTOLUNE\-CLI 1 &quot;&quot; &quot;Optolune %1&quot; &quot;Commandes utilisateur&quot;
.SH NOM
optolune\-cli \- la table de profondeur de champ et les calculateurs d&apos;Optolune
en ligne de commande
.SH SYNOPSIS
.B optolune\-cli table
[options]
.br
.B optolune\-cli variations
[options]
.br
.B optolune\-cli circle
[options]
.br
.B optolune\-cli spread
[options]
.br
.B optolune\-cli stack
[options]
.br
.B optolune\-cli tilt
[options]
.br
.B optolune\-cli
\-\-help
.SH COMMANDES
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.SH FICHIERS
Les listes par défaut et la table test sont lues dans le dossier Data à côté du
programme, ou dans le dossier que nomme la variable d&apos;environnement
.BR OPTOLUNE_HOME .
.SH VOIR AUSSI
.BR optolune (1)
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliSpread</name>
    <message>
        <source>--rail-infinity, --rail-near et --rail-far sont nécessaires : les trois lectures du rail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>réglage du rail (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diaphragme que demande l&apos;écart, sans diffraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N optimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diaphragme le plus net, la diffraction comptée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flou optimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flou total aux deux sujets à N optimal (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plus petit diaphragme dont le flou total reste dans c (vide : aucun)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plus grand diaphragme dont le flou total reste dans c (vide : aucun)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N liste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diaphragme de la liste qui atteint N (vide : aucun)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N liste optimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diaphragme de la liste le plus proche de N optimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>distance de mise au point depuis le film (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>distance de mise au point depuis l&apos;objectif (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage : optolune-cli spread [options]

L&apos;écart de mise au point d&apos;une chambre, la diffraction comptée : d&apos;après trois
lectures du rail (à l&apos;infini, mise au point sur le sujet proche, sur le sujet
lointain), où placer le standard, le diaphragme que demande l&apos;écart, et le
diaphragme le plus net quand la diffraction compte (méthode de Hansma et
Peterson, 1996). Le film est à la moyenne harmonique des deux images, où le
flou de mise au point est le même aux deux sujets : (gp f / N) (an - af) /
(an + af), les images an et af mesurées depuis la pupille de sortie. La
diffraction ajoute la tache d&apos;Airy 2,44 lambda N (1 + G/gp) ; le flou total est
la racine de la somme des carrés des deux (ou leur somme). Il est le plus petit
quand les deux sont égaux : N optimal = gp f racine((an - af) / (4,88 lambda
an af)). Les nombres s&apos;écrivent avec une virgule décimale (un point est
accepté).

Objectif (par défaut l&apos;objectif test de la fenêtre des variations) :
  --focal &lt;mm&gt;            focale (148,1)
  --gp &lt;valeur&gt;           grandissement pupillaire (1,1)
  --nodal &lt;mm&gt;            distance nodale (24,8)
  --circle &lt;mm&gt;           diamètre du cercle de confusion (0,100)
  --origin film|lens      distance rapportée au plan du film (film, par défaut)
                          ou à l&apos;objectif
  --f-numbers &lt;liste&gt;     diaphragmes disponibles, séparés par &apos;;&apos; ou des
                          espaces (par défaut la liste par défaut)
  --decimals &lt;n&gt;          décimales de la distance, de 0 à 8 (3)

Lectures du rail (mm, croissant avec le tirage) :
  --rail-infinity &lt;mm&gt;    mise au point sur l&apos;infini
  --rail-near &lt;mm&gt;        mise au point sur le sujet proche
  --rail-far &lt;mm&gt;         mise au point sur le sujet lointain

Diffraction :
  --wavelength &lt;µm&gt;       longueur d&apos;onde, de 0,40 à 0,70 (0,55), 4 décimales
                          au plus
  --blur rss|sum          flou total : racine de la somme des carrés (rss, par
                          défaut) ou somme (sum, plus sévère)

Sortie :
  --csv                   CSV pour un tableur français : Résultat;Valeur;
                          Signification (sans --csv : colonnes alignées)
  -h, --help              affiche cette aide

Résultats : rail (mm), N (le diaphragme que demande l&apos;écart), N optimal, flou
optimal (mm), N min et N max (les diaphragmes dont le flou total reste dans c,
vides quand il n&apos;y en a aucun : le message dit alors le flou minimal), N liste
(le diaphragme de la liste qui atteint N), N liste optimal (celui de la liste
le plus proche de N optimal) et la distance de mise au point (m).

Code de sortie : 0 résultats affichés, 1 lectures sans mise au point possible,
2 commande, option ou valeur incorrecte.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliStack</name>
    <message>
        <source>Donnez les sujets d&apos;une seule façon : --rail-infinity, --rail-near et --rail-far, ou --near et --far</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--rail-infinity, --rail-near et --rail-far vont ensemble : il en manque</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--near et --far vont ensemble : il en manque</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage : optolune-cli stack [options]

Plan d&apos;un empilement de mises au point : combien de vues, où placer le rail
et ce que chaque vue tient net, quand une seule vue ne tient pas un sujet
proche et un sujet lointain. Le plan se fait du côté de l&apos;image, comme
l&apos;écart de mise au point : les vues se partagent l&apos;étendue des tirages en
rapports égaux, chaque film à la moyenne harmonique de son étendue, et chaque
vue est prévue pour un flou de o c (o : facteur de recouvrement) afin que les
zones nettes se recouvrent. C&apos;est le standard arrière qui met au point : la
distance d&apos;une vue au film se mesure depuis la position du film de cette vue.
Les nombres s&apos;écrivent avec une virgule décimale (un point est accepté).

Objectif (par défaut l&apos;objectif test de la fenêtre des variations) :
  --focal &lt;mm&gt;            focale (148,1)
  --gp &lt;valeur&gt;           grandissement pupillaire (1,1)
  --nodal &lt;mm&gt;            distance nodale (24,8)
  --circle &lt;mm&gt;           diamètre du cercle de confusion (0,100)
  --origin film|lens      distances rapportées au plan du film (film, par
                          défaut) ou à l&apos;objectif
  --macro                 des deux mises au point d&apos;une distance au film, celle
                          dont le grandissement dépasse 1
  --f-number &lt;N&gt;          diaphragme (8), de 1 à 256
  --overlap &lt;o&gt;           facteur de recouvrement, de 0,5 à 1 (0,8)

Les sujets, d&apos;une de ces deux façons :
  --rail-infinity &lt;mm&gt;    lecture du rail, mise au point sur l&apos;infini
  --rail-near &lt;mm&gt;        lecture du rail, mise au point sur le sujet proche
  --rail-far &lt;mm&gt;         lecture du rail, mise au point sur le sujet lointain
  --near &lt;m&gt;              distance du sujet proche
  --far &lt;m|inf&gt;           distance du sujet lointain (inf : l&apos;infini)

Diffraction :
  --diffraction           le plan utilise le cercle que laisse la diffraction
                          au tirage le plus long (le plus petit de l&apos;étendue)
  --wavelength &lt;µm&gt;       longueur d&apos;onde, de 0,40 à 0,70 (0,55), 4 décimales
                          au plus
  --blur rss|sum          flou total : racine de la somme des carrés du flou
                          de mise au point et de la diffraction (rss, par
                          défaut) ou leur somme (sum, plus sévère)

Sortie :
  --decimals &lt;n&gt;          décimales des distances, de 0 à 8 (3)
  --csv                   CSV pour un tableur français : vue;rail;distance;
                          proche;lointain (sans --csv : colonnes alignées)
  -h, --help              affiche cette aide

Une ligne par vue, de la plus lointaine à la plus proche : le numéro de la
vue, la lecture du rail (mm, vide quand les sujets sont donnés en distances),
la distance de mise au point et les limites proche et lointaine (m ; inf :
net jusqu&apos;à l&apos;infini).

Code de sortie : 0 plan affiché, 1 aucun plan possible (la raison sur la
sortie d&apos;erreur), 2 commande, option ou valeur incorrecte.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliTable</name>
    <message>
        <source>commande inconnue : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--layout vaut grid ou rows, pas « %1 »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--bound vaut une distance en mètres, pas « %1 »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>commande manquante (table)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--layout ne s&apos;emploie qu&apos;avec --csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diaphragme incorrect : « %1 »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>distance incorrecte : « %1 »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diaphragme hors de l&apos;intervalle %1 : « %2 »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>distance hors de l&apos;intervalle %1 : « %2 »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage : optolune-cli table [options]

Affiche la table de profondeur de champ d&apos;Optolune : les limites de netteté
pour chaque diaphragme et chaque distance de mise au point, avec la ligne
Infini et, sur demande, les lignes de l&apos;hyperfocale, les profondeurs et les
colonnes grandissement et tirage. Les nombres s&apos;écrivent avec une virgule
décimale (un point est accepté). Un paramètre hors limites est corrigé avec
un avertissement, comme dans la fenêtre de la table.

Paramètres (par défaut ceux de la fenêtre de la table) :
  --file &lt;fichier&gt;        lit les paramètres, les options et les listes d&apos;une
                          table enregistrée (.stf, .tmp, .slc) ; les autres
                          options remplacent ensuite ce que le fichier donne
  --circle &lt;mm&gt;           diamètre du cercle de confusion (0,05)
  --focal &lt;mm&gt;            focale (80)
  --nodal &lt;mm&gt;            distance nodale, signée (-4)
  --gp &lt;valeur&gt;           grandissement pupillaire (1,1)
  --f-numbers &lt;liste&gt;     diaphragmes de 1 à 256, séparés par &apos;;&apos; ou des
                          espaces (par défaut la liste par défaut du dossier
                          Data)
  --distances &lt;liste&gt;     distances de mise au point de 0,001 à 900 mètres,
                          séparées par &apos;;&apos; ou des espaces (par défaut la
                          liste par défaut)
                          Une liste compte au plus 1000 valeurs.
  --origin film|lens      distances rapportées au plan du film (film, par
                          défaut) ou au point nodal avant de l&apos;objectif (lens)

Affichage :
  --horizontal            distances en colonnes (100 au plus)
  --vertical              distances en lignes (par défaut)
  -p, --depth             ligne p= : profondeur de champ totale
  -ab, --front-rear       lignes a= et b= : profondeur en avant et en arrière
                          du plan de mise au point
  -H, --hyperfocal        lignes H (limite proche à l&apos;hyperfocale) et h=
                          (distance hyperfocale)
  -GT, --magnification    colonnes G (grandissement) et T(mm) (tirage)
  --diffraction           les limites comptent la tache de diffraction :
                          chaque case prend le cercle c&apos; que la tache d&apos;Airy
                          de son diaphragme effectif laisse au flou de mise
                          au point ; &quot;diffraction&quot; où rien n&apos;est net
  --wavelength &lt;µm&gt;       longueur d&apos;onde, de 0,40 à 0,70 (0,55), 4 décimales
  --blur rss|sum          flou total : racine de la somme des carrés (rss, par
                          défaut) ou somme (sum, plus sévère)
  --decimals &lt;0-8&gt;        nombre de décimales sous la borne (1)
  --bound &lt;m&gt;             borne : à partir de cette distance, une décimale
                          au plus (1000)

Sortie :
  --csv                   CSV pour un tableur français : champs séparés par
                          &apos;;&apos;, virgule décimale, une cellule de plusieurs
                          lignes en un champ entre guillemets
                          (sans --csv : colonnes alignées, les lignes d&apos;une
                          cellule jointes par &quot; / &quot;)
  --layout grid|rows      avec --csv : la grille de la table (grid, par
                          défaut) ou une ligne par case (rows), avec les
                          colonnes f;c;dn;gp;format;origine;N;distance;
                          proche;lointain;p;a;b : des nombres seuls en
                          mètres, inf si net jusqu&apos;à l&apos;infini, vides pour
                          une distance où la mise au point est impossible
  -h, --help              affiche cette aide

Autres commandes :
  optolune-cli variations  les résultats du calculateur de variations pour un
                          réglage, et l&apos;étalement de la mise au point
                          (optolune-cli variations --help)
  optolune-cli circle      le cercle de confusion d&apos;un format de film agrandi
                          en un tirage, et le diaphragme limite
                          (optolune-cli circle --help)
  optolune-cli spread      l&apos;écart de mise au point, la diffraction comptée :
                          diaphragme le plus net et flou
                          (optolune-cli spread --help)
  optolune-cli stack       le plan d&apos;un empilement de mises au point : vues,
                          lectures du rail et zones nettes
                          (optolune-cli stack --help)
  optolune-cli tilt        la bascule d&apos;une chambre d&apos;après deux lectures sur
                          le rail, la charnière et le coin de netteté
                          (optolune-cli tilt --help)

Code de sortie : 0 table affichée, 1 table impossible à calculer ou fichier
illisible, 2 commande ou option incorrecte. Les messages vont sur la sortie
d&apos;erreur.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--lang vaut fr ou en, pas « %1 »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 diaphragmes ou distances au plus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mémoire insuffisante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erreur inconnue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliTilt</name>
    <message>
        <source>--focal manque : la focale de l&apos;objectif (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donnez la bascule d&apos;une seule façon : --rail-near, --rail-far et --separation, ou --height, ou --tilt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--rail-near, --rail-far et --separation vont ensemble : il en manque</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donnez --film-distance ou --plane-angle, l&apos;un des deux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--f-number et --circle vont ensemble : les limites de netteté demandent les deux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bascule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bascule de l&apos;objectif (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>distance de la charnière à l&apos;objectif (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tirage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>distance du film à l&apos;objectif, le long du rail (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plan net</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>angle du plan net avec le film (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>limite proche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>angle de la limite proche de netteté (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>limite lointaine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>angle de la limite lointaine de netteté (°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hauteur plan net</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hauteur du plan net à la distance donnée (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hauteur limite proche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hauteur de la limite proche (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hauteur limite lointaine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hauteur de la limite lointaine (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage : optolune-cli tilt [options]

Calcule la bascule de l&apos;objectif d&apos;une chambre et le plan net qu&apos;elle donne :
la charnière, l&apos;angle du plan net et le coin de netteté. Modèle de la lentille
mince, film vertical, objectif basculé autour d&apos;un axe horizontal, sans
décentrement latéral (règle de Scheimpflug et de la charnière) : le plan net,
le plan de l&apos;objectif et le plan du film se coupent sur une droite, et le plan
net tourne autour de la charnière, à J = f / sin(bascule) de l&apos;objectif.
Les nombres s&apos;écrivent avec une virgule décimale (un point est accepté).

Objectif :
  --focal &lt;mm&gt;            focale

La bascule, d&apos;une de ces trois façons :
  --rail-near &lt;mm&gt;        lecture sur le rail, mise au point sur un point proche
                          du plan voulu net, avant de basculer
  --rail-far &lt;mm&gt;         lecture sur le rail, mise au point sur un point
                          lointain du même plan
  --separation &lt;mm&gt;       écart des deux images sur le verre dépoli :
                          sin(bascule) = écart des lectures / écart des images
  --height &lt;m&gt;            hauteur de l&apos;objectif au-dessus du plan (le sol) :
                          J = hauteur
  --tilt &lt;°&gt;              bascule donnée en degrés (entre 0 et 90 exclus)

Le film, d&apos;une de ces deux façons :
  --film-distance &lt;mm&gt;    distance du film à l&apos;objectif, le long du rail
  --plane-angle &lt;°&gt;       angle voulu du plan net avec le film (90 : le plan
                          couché le long de l&apos;axe, comme le sol)

Le coin de netteté (facultatif) :
  --f-number &lt;N&gt;          diaphragme
  --circle &lt;mm&gt;           diamètre du cercle de confusion ; les limites sont
                          les plans nets du film à tirage + N c et tirage - N c
  --at &lt;m&gt;                distance en avant de l&apos;objectif où donner la hauteur
                          des plans (m, négative sous l&apos;objectif)

Sortie :
  --csv                   CSV pour un tableur français : Résultat;Valeur;
                          Signification (sans --csv : colonnes alignées)
  -h, --help              affiche cette aide

Résultats : bascule (°), J (m), tirage (mm), plan net (°, 0 parallèle au film,
90 parallèle à l&apos;axe), limite proche et limite lointaine (°), et avec --at les
hauteurs du plan net et des deux limites (m ; -inf quand la limite lointaine
est au-delà de tout plan).

Code de sortie : 0 résultats affichés, 1 aucun réglage possible (bascule de
90°), 2 commande, option ou valeur incorrecte. Les messages vont sur la sortie
d&apos;erreur.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliVariations</name>
    <message>
        <source>limite de netteté proche (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>limite de netteté lointaine (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>profondeur de champ (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>profondeur en avant du plan de mise au point (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>profondeur en arrière du plan de mise au point (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>part de la profondeur en avant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>part de la profondeur en arrière</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>distance du sujet au point nodal avant (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>distance du film au point nodal arrière (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grandissement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tirage (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>distance hyperfocale (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M.a.p sur infini: de</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>limite proche, mise au point sur l&apos;infini (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M.a.p sur H: de</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>limite proche, mise au point sur H (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l&apos;option --spread demande trois lectures du rail en mm : infini, proche, lointain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--spread : Lecture vide à l&apos;infini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--spread : Lecture vide au point proche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--spread : Lecture vide au point éloigné</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage : optolune-cli variations [options]

Affiche les quatorze résultats du calculateur de variations d&apos;Optolune pour
un réglage : limites de netteté, profondeurs et leurs parts, distances u et
v, grandissement, tirage, hyperfocale et limites proches à l&apos;infini et à
l&apos;hyperfocale. Les nombres s&apos;écrivent avec une virgule décimale (un point est
accepté). Une valeur hors limites est corrigée avec un avertissement, comme
dans la fenêtre des variations.

Paramètres (par défaut ceux de la fenêtre à son ouverture, l&apos;objectif test) :
  --circle &lt;mm&gt;           diamètre du cercle de confusion (0,100)
  --focal &lt;mm&gt;            focale (148,1)
  --nodal &lt;mm&gt;            distance nodale, signée (24,8)
  --gp &lt;valeur&gt;           grandissement pupillaire (1,1)
  --f-number &lt;N&gt;          diaphragme (8)
  --distance &lt;m&gt;          distance de mise au point (3)
  --origin film|lens      distance rapportée au plan du film (film, par
                          défaut) ou au point nodal avant de l&apos;objectif (lens)
  --macro                 au plan du film, la mise au point de grandissement
                          supérieur à 1 ; sans hyperfocale
  --decimals &lt;0-8&gt;        nombre de décimales des distances et de G (3)
  --diffraction           les limites comptent la tache de diffraction du
                          diaphragme effectif N (1 + G/gp) : un point est net
                          quand son flou total reste dans c, le flou de mise
                          au point dans c&apos; = racine(c² - d²) ; rien de net :
                          code de sortie 1
  --wavelength &lt;µm&gt;       longueur d&apos;onde, de 0,40 à 0,70 (0,55), 4 décimales
                          au plus
  --blur rss|sum          flou total : racine de la somme des carrés (rss, par
                          défaut) ou somme, c&apos; = c - d (sum, plus sévère)

Étalement de la mise au point :
  --spread &lt;infini&gt; &lt;proche&gt; &lt;lointain&gt;
                          lectures du rail en mm, dans l&apos;ordre de la fenêtre
                          Écart : mise au point sur l&apos;infini, sur le sujet
                          proche, puis sur le sujet lointain. Affiche le
                          réglage du rail, le diaphragme nécessaire et la
                          distance de mise au point, puis les résultats de
                          ce réglage ; la distance prend les décimales qu&apos;il
                          faut (jusqu&apos;à 8) pour donner le tirage proposé
  --f-numbers &lt;liste&gt;     diaphragmes parmi lesquels l&apos;étalement choisit,
                          séparés par &apos;;&apos; ou des espaces (par défaut la liste
                          par défaut du dossier Data)

Sortie :
  --csv                   CSV pour un tableur français : Résultat;Valeur;
                          Signification (sans --csv : colonnes alignées)
  -h, --help              affiche cette aide

Code de sortie : 0 résultats affichés, 1 réglage impossible (distance trop
proche, lectures incohérentes), 2 commande ou option incorrecte. Les messages
vont sur la sortie d&apos;erreur.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>réglage du rail (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tirage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tirage depuis l&apos;infini (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N nécessaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diaphragme nécessaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diaphragme de la liste retenu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>distance de mise au point (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Décimales portées à %1 pour que la distance donne le tirage proposé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Même à 8 décimales, la distance donne un tirage de %1 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mise au point impossible à %1 m du plan du film</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mise au point impossible à %1 m de l&apos;objectif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paramètres inutilisables : aucun résultat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gris</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diaphragme au-delà du diaphragme limite %1 : résultats grisés dans la fenêtre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tache de diffraction du diaphragme effectif (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cercle laissé au flou de mise au point (mm), λ %1 µm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>Fichier manquant %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tentative de récupération</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 La récupération a échoué</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible de créer le fichier %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichier trop volumineux : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiffractionText</name>
    <message>
        <source>La longueur d&apos;onde va de %1 à %2 µm, 4 décimales au plus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>avec diffraction (λ %1 µm, flou somme)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>avec diffraction (λ %1 µm)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DisplayOptions</name>
    <message>
        <source>Hyperfocale (h)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grandissement et tirage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profondeur de champ p </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profondeur de champ en avant (a) et en arrière (b) du plan de mise au point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diffraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profondeur de foyer (pf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance corrigée (dc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone corrigée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tirage</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExplanationTexts</name>
    <message>
        <source>Table de profondeur de champ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LES PARAMÈTRES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>f distance focale(mm):   minimum %1,   maximum %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>c diamètre du cercle de confusion(mm):   minimum %1,   maximum %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dn distance nodale(mm):   minimum %1,   maximum %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gp grandissement pupillaire:   minimum %1,   maximum %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variations de la profondeur de champ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lorsque la distance d de mise au point rapportée au plan du film est supérieure à 4f+dn, il existe théoriquement deux règlages permettant la mise au mise au point sur une distance donnée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;un des règlages correspond à un grandissement v/u supérieur à 1, l&apos;autre à un grandissement v/u inférieur à 1. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le cas ou la case Macro est cochée, correspond au premier cas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remarquez l&apos;inversion des valeurs u et v lorsque vous basculez d&apos;un cas à l&apos;autre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les deux grandissements sont inverses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dans le premier cas, u appartient à l&apos;intervalle [f,2f] , v est supérieur ou égal à 2f.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dans le deuxième cas, u est supérieur ou égal à 2f et v appartient à l&apos;intervalle [f,2f]. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le grandissement est égal à 1 lorsque u=v=2f.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MemoryFile</name>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichier illisible ou endommagé : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NumericField</name>
    <message>
        <source>%1 doit être un décimal de l&apos;intervalle %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hors intervalle %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Champ vide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saisissez un décimal de l&apos;intervalle %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valeur hors intervalle %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableCompute</name>
    <message>
        <source>Infini</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableExport</name>
    <message>
        <source>f;c;dn;gp;format;origine;N;distance;proche;lointain;p;a;b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>film</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>objectif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table vide</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableFiles</name>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table vide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table trop grande pour être enregistrée : %1 diaphragmes et %1 distances au plus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichier non compatible avec la version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichier illisible ou endommagé : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le caractère _ n&apos;est pas  autorisé dans le format et les références de l&apos;objectif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nom %1 non valide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La table va être enregistrée dans le fichier:<byte value="xd"/>
%1<byte value="xd"/>
Continuer?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier %1 existe, il sera remplacé.<byte value="xd"/>
Continuer?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible de créer le fichier %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableInputs</name>
    <message>
        <source>Créez une liste des distances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Créez une liste des diaphragmes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paramètres de l&apos;objectif incorrects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borne des décimales incorrecte : &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La liste des diaphragmes contient une valeur incorrecte : &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La liste des distances contient une valeur incorrecte : &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La liste des diaphragmes contient une valeur hors de l&apos;intervalle %1 : &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La liste des distances contient une valeur hors de l&apos;intervalle %1 : &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Impossible de créer le fichier %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TitleLines</name>
    <message>
        <source>format %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>distances PF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>distances PL</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>Fichier enregistré : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les fichiers d&apos;Optolune ne peuvent pas contenir ces caractères, qui ont été retirés : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
