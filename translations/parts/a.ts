<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>AppPaths</name>
    <message>
        <source>Impossible de créer le dossier %1</source>
        <translation>Cannot create the folder %1</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1</source>
        <translation>Cannot open the file %1</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Mémoire insuffisante</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <source>Erreur inconnue</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>BitmapExport</name>
    <message>
        <source>Pas d&apos;image dans le presse-papier</source>
        <translation>No image in the clipboard</translation>
    </message>
    <message>
        <source>nom %1 non valide</source>
        <translation>name %1 not valid</translation>
    </message>
    <message>
        <source>Impossible de créer le dossier %1</source>
        <translation>Cannot create the folder %1</translation>
    </message>
    <message>
        <source>Impossible de créer le fichier %1</source>
        <translation>Cannot create the file %1</translation>
    </message>
    <message>
        <source>Saisir le nom du bitmap</source>
        <translation>Enter the name of the bitmap</translation>
    </message>
    <message>
        <source>Nom du fichier .Bmp</source>
        <translation>Name of the .bmp file</translation>
    </message>
    <message>
        <source>ici le nom</source>
        <translation>name here</translation>
    </message>
</context>
<context>
    <name>CellPresentation</name>
    <message>
        <source> Diaphragmes:%1      distances:%2</source>
        <translation> F-numbers:%1      distances:%2</translation>
    </message>
    <message>
        <source>La valeur sélectionnée ne convient pas</source>
        <translation>The selected value does not suit</translation>
    </message>
</context>
<context>
    <name>CliCircle</name>
    <message>
        <source>--%1 : format inconnu « %2 » (voir --list-formats)</source>
        <translation>--%1: unknown format &quot;%2&quot; (see --list-formats)</translation>
    </message>
    <message>
        <source>film (mm)</source>
        <translation>film (mm)</translation>
    </message>
    <message>
        <source>tirage (cm)</source>
        <translation>print (cm)</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Largeur x longueur</source>
        <translation>Width x length</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
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
        <translation>Usage: optolune-cli circle [options]

Computes the diameter of the circle of confusion that suits a film format
enlarged to a print viewed at a given distance, and the f-number from which
diffraction becomes visible, as Optolune&apos;s circle of confusion calculator
does. Numbers are written with a decimal point (a comma is accepted). A
value out of range is refused with the window&apos;s message.

Formats (by default those of the window: film 6x6 cm, print 30x40):
  --film &lt;format&gt;         predefined film format (24x36, 6x7 cm, 4x5 in...)
  --film-width &lt;mm&gt;       width of the film, short side (56)
  --film-length &lt;mm&gt;      length of the film, long side (56)
  --print &lt;format&gt;        predefined print format (18x24, A4, 30x40...)
  --print-width &lt;cm&gt;      width of the print, short side (30)
  --print-length &lt;cm&gt;     length of the print, long side (40)
  --full-frame            full frame: the whole image of the film is kept on
                          the print (otherwise it is cropped to the print&apos;s
                          proportions)
  --viewing-distance &lt;cm&gt;
                          print viewed at this distance (otherwise at a
                          distance equal to its diagonal)
  --list-formats          prints the predefined film and print formats

Output:
  --csv                   CSV for an English spreadsheet: Result,Value,
                          Meaning (without --csv: aligned columns)
  -h, --help              prints this help

A c that the depth-of-field table does not accept (outside 0.005 to 0.5 mm)
is reported on the standard error; the results are printed.

Exit status: 0 results printed, 1 value refused, 2 incorrect command or
option. Messages go to the standard error.
</translation>
    </message>
    <message>
        <source>c = %1 mm : la table de profondeur de champ n&apos;accepte pas un cercle inférieur à %2 mm</source>
        <translation>c = %1 mm: the depth-of-field table does not accept a circle smaller than %2 mm</translation>
    </message>
    <message>
        <source>c = %1 mm : la table de profondeur de champ n&apos;accepte pas un cercle supérieur à %2 mm</source>
        <translation>c = %1 mm: the depth-of-field table does not accept a circle larger than %2 mm</translation>
    </message>
    <message>
        <source>film</source>
        <translation>film</translation>
    </message>
    <message>
        <source>surface utile du film (mm)</source>
        <translation>usable area of the film (mm)</translation>
    </message>
    <message>
        <source>tirage</source>
        <translation>print</translation>
    </message>
    <message>
        <source>image sur le tirage (cm)</source>
        <translation>image on the print (cm)</translation>
    </message>
    <message>
        <source>diagonale</source>
        <translation>diagonal</translation>
    </message>
    <message>
        <source>diagonale de l&apos;image sur le tirage (cm)</source>
        <translation>diagonal of the image on the print (cm)</translation>
    </message>
    <message>
        <source>agrandissement</source>
        <translation>enlargement</translation>
    </message>
    <message>
        <source>facteur d&apos;agrandissement</source>
        <translation>enlargement factor</translation>
    </message>
    <message>
        <source>distance</source>
        <translation>distance</translation>
    </message>
    <message>
        <source>distance d&apos;observation retenue (cm)</source>
        <translation>viewing distance used (cm)</translation>
    </message>
    <message>
        <source>diamètre du cercle de confusion (mm)</source>
        <translation>diameter of the circle of confusion (mm)</translation>
    </message>
    <message>
        <source>N limite</source>
        <translation>limiting N</translation>
    </message>
    <message>
        <source>diaphragme à partir duquel la diffraction devient perceptible</source>
        <translation>f-number from which diffraction becomes visible</translation>
    </message>
</context>
<context>
    <name>CliCommon</name>
    <message>
        <source>--%1 vaut un nombre décimal, pas « %2 »</source>
        <translation>--%1 takes a decimal number, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--%1 hors limites : %2 (limites %3)</source>
        <translation>--%1 out of range: %2 (range %3)</translation>
    </message>
    <message>
        <source>--wavelength s&apos;écrit avec 4 décimales au plus, pas « %1 »</source>
        <translation>--wavelength takes 4 decimals at most, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--blur vaut rss ou sum, pas « %1 »</source>
        <translation>--blur takes rss or sum, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>argument inattendu : %1</source>
        <translation>unexpected argument: %1</translation>
    </message>
    <message>
        <source>l&apos;option --%1 ne prend pas de valeur</source>
        <translation>the option --%1 takes no value</translation>
    </message>
    <message>
        <source>l&apos;option --%1 demande une valeur</source>
        <translation>the option --%1 needs a value</translation>
    </message>
    <message>
        <source>option inconnue : %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Valeur</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Signification</source>
        <translation>Meaning</translation>
    </message>
    <message>
        <source>Voir %1.</source>
        <translation>See %1.</translation>
    </message>
    <message>
        <source>--origin vaut film ou lens, pas « %1 »</source>
        <translation>--origin takes film or lens, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--decimals vaut un entier de 0 à 8, pas « %1 »</source>
        <translation>--decimals takes a whole number from 0 to 8, not &quot;%1&quot;</translation>
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
        <translation>.\&quot; Generated from the help texts of optolune-cli; do not edit.
.TH OPTOLUNE\-CLI 1 &quot;&quot; &quot;Optolune %1&quot; &quot;User Commands&quot;
.SH NAME
optolune\-cli \- Optolune&apos;s depth-of-field table and calculators on the
command line
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
.SH COMMANDS
</translation>
    </message>
    <message>
        <source>.SH FICHIERS
Les listes par défaut et la table test sont lues dans le dossier Data à côté du
programme, ou dans le dossier que nomme la variable d&apos;environnement
.BR OPTOLUNE_HOME .
.SH VOIR AUSSI
.BR optolune (1)
</source>
        <translation>.SH FILES
The default lists and the test table are read in the Data folder beside the
program, or in the folder named by the environment variable
.BR OPTOLUNE_HOME .
.SH SEE ALSO
.BR optolune (1)
</translation>
    </message>
</context>
<context>
    <name>CliSpread</name>
    <message>
        <source>--rail-infinity, --rail-near et --rail-far sont nécessaires : les trois lectures du rail</source>
        <translation>--rail-infinity, --rail-near and --rail-far are needed: the three rail readings</translation>
    </message>
    <message>
        <source>réglage du rail (mm)</source>
        <translation>rail setting (mm)</translation>
    </message>
    <message>
        <source>diaphragme que demande l&apos;écart, sans diffraction</source>
        <translation>f-number the spread needs, without diffraction</translation>
    </message>
    <message>
        <source>N optimal</source>
        <translation>optimal N</translation>
    </message>
    <message>
        <source>diaphragme le plus net, la diffraction comptée</source>
        <translation>sharpest f-number, diffraction counted</translation>
    </message>
    <message>
        <source>flou optimal</source>
        <translation>optimal blur</translation>
    </message>
    <message>
        <source>flou total aux deux sujets à N optimal (mm)</source>
        <translation>total blur at both subjects at optimal N (mm)</translation>
    </message>
    <message>
        <source>N min</source>
        <translation>N min</translation>
    </message>
    <message>
        <source>plus petit diaphragme dont le flou total reste dans c (vide : aucun)</source>
        <translation>smallest f-number whose total blur stays within c (empty: none)</translation>
    </message>
    <message>
        <source>N max</source>
        <translation>N max</translation>
    </message>
    <message>
        <source>plus grand diaphragme dont le flou total reste dans c (vide : aucun)</source>
        <translation>largest f-number whose total blur stays within c (empty: none)</translation>
    </message>
    <message>
        <source>N liste</source>
        <translation>list N</translation>
    </message>
    <message>
        <source>diaphragme de la liste qui atteint N (vide : aucun)</source>
        <translation>f-number of the list that reaches N (empty: none)</translation>
    </message>
    <message>
        <source>N liste optimal</source>
        <translation>optimal list N</translation>
    </message>
    <message>
        <source>diaphragme de la liste le plus proche de N optimal</source>
        <translation>f-number of the list nearest to optimal N</translation>
    </message>
    <message>
        <source>distance</source>
        <translation>distance</translation>
    </message>
    <message>
        <source>distance de mise au point depuis le film (m)</source>
        <translation>focus distance from the film (m)</translation>
    </message>
    <message>
        <source>distance de mise au point depuis l&apos;objectif (m)</source>
        <translation>focus distance from the lens (m)</translation>
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
        <translation>Usage: optolune-cli spread [options]

The focus spread of a view camera, diffraction counted: from three rail
readings (at infinity, focused on the near subject, on the far subject),
where to set the standard, the f-number the spread needs, and the sharpest
f-number when diffraction counts (method of Hansma and Peterson, 1996). The
film stands at the harmonic mean of the two images, where the focus blur is
the same for both subjects: (gp f / N) (an - af) / (an + af), the images an
and af measured from the exit pupil. Diffraction adds the Airy disc 2.44
lambda N (1 + G/gp); the total blur is the root sum of squares of the two (or
their sum). It is smallest when the two are equal: optimal N = gp f sqrt((an
- af) / (4.88 lambda an af)). Numbers are written with a decimal point (a
comma is accepted).

Lens (by default the test lens of the variations window):
  --focal &lt;mm&gt;            focal length (148.1)
  --gp &lt;value&gt;            pupil magnification (1.1)
  --nodal &lt;mm&gt;            nodal distance (24.8)
  --circle &lt;mm&gt;           diameter of the circle of confusion (0.100)
  --origin film|lens      distance measured from the film plane (film, the
                          default) or from the lens
  --f-numbers &lt;list&gt;      available f-numbers, separated by &apos;;&apos; or spaces (by
                          default the default list)
  --decimals &lt;n&gt;          decimals of the distance, from 0 to 8 (3)

Rail readings (mm, growing with the extension):
  --rail-infinity &lt;mm&gt;    focused at infinity
  --rail-near &lt;mm&gt;        focused on the near subject
  --rail-far &lt;mm&gt;         focused on the far subject

Diffraction:
  --wavelength &lt;µm&gt;       wavelength, from 0.40 to 0.70 (0.55), 4 decimals
                          at most
  --blur rss|sum          total blur: root sum of squares (rss, the default)
                          or sum (sum, stricter)

Output:
  --csv                   CSV for an English spreadsheet: Result,Value,
                          Meaning (without --csv: aligned columns)
  -h, --help              prints this help

Results: rail (mm), N (the f-number the spread needs), optimal N, optimal
blur (mm), N min and N max (the f-numbers whose total blur stays within c,
empty when there are none: the message then gives the smallest blur), list N
(the f-number of the list that reaches N), optimal list N (the one of the
list nearest to optimal N) and the focus distance (m).

Exit status: 0 results printed, 1 readings that no focus can give, 2
incorrect command, option or value.
</translation>
    </message>
</context>
<context>
    <name>CliStack</name>
    <message>
        <source>Donnez les sujets d&apos;une seule façon : --rail-infinity, --rail-near et --rail-far, ou --near et --far</source>
        <translation>Give the subjects in one way only: --rail-infinity, --rail-near and --rail-far, or --near and --far</translation>
    </message>
    <message>
        <source>--rail-infinity, --rail-near et --rail-far vont ensemble : il en manque</source>
        <translation>--rail-infinity, --rail-near and --rail-far go together: one is missing</translation>
    </message>
    <message>
        <source>--near et --far vont ensemble : il en manque</source>
        <translation>--near and --far go together: one is missing</translation>
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
        <translation>Usage: optolune-cli stack [options]

Plan of a focus stack: how many shots, where to set the rail and what each
shot holds sharp, when a single shot cannot hold a near subject and a far
subject. The plan is made on the image side, like the focus spread: the
shots share the range of extensions in equal ratios, each film at the
harmonic mean of its range, and each shot is planned for a blur of o c (o:
overlap factor) so that the sharp zones overlap. The rear standard focuses:
the distance of a shot from the film is measured from that shot&apos;s film
position. Numbers are written with a decimal point (a comma is accepted).

Lens (by default the test lens of the variations window):
  --focal &lt;mm&gt;            focal length (148.1)
  --gp &lt;value&gt;            pupil magnification (1.1)
  --nodal &lt;mm&gt;            nodal distance (24.8)
  --circle &lt;mm&gt;           diameter of the circle of confusion (0.100)
  --origin film|lens      distances measured from the film plane (film, the
                          default) or from the lens
  --macro                 of the two focuses of a distance from the film, the
                          one whose magnification is greater than 1
  --f-number &lt;N&gt;          f-number (8), from 1 to 256
  --overlap &lt;o&gt;           overlap factor, from 0.5 to 1 (0.8)

The subjects, in one of these two ways:
  --rail-infinity &lt;mm&gt;    rail reading, focused at infinity
  --rail-near &lt;mm&gt;        rail reading, focused on the near subject
  --rail-far &lt;mm&gt;         rail reading, focused on the far subject
  --near &lt;m&gt;              distance of the near subject
  --far &lt;m|inf&gt;           distance of the far subject (inf: infinity)

Diffraction:
  --diffraction           the plan uses the circle that diffraction leaves at
                          the longest extension (the smallest of the range)
  --wavelength &lt;µm&gt;       wavelength, from 0.40 to 0.70 (0.55), 4 decimals
                          at most
  --blur rss|sum          total blur: root sum of squares of the focus blur
                          and of diffraction (rss, the default) or their sum
                          (sum, stricter)

Output:
  --decimals &lt;n&gt;          decimals of the distances, from 0 to 8 (3)
  --csv                   CSV for an English spreadsheet: shot,rail,distance,
                          near,far (without --csv: aligned columns)
  -h, --help              prints this help

One line per shot, from the farthest to the nearest: the number of the
shot, the rail reading (mm, empty when the subjects are given as distances),
the focus distance and the near and far limits (m; inf: sharp to infinity).

Exit status: 0 plan printed, 1 no plan possible (the reason on the standard
error), 2 incorrect command, option or value.
</translation>
    </message>
</context>
<context>
    <name>CliTable</name>
    <message>
        <source>commande inconnue : %1</source>
        <translation>unknown command: %1</translation>
    </message>
    <message>
        <source>--layout vaut grid ou rows, pas « %1 »</source>
        <translation>--layout takes grid or rows, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--bound vaut une distance en mètres, pas « %1 »</source>
        <translation>--bound takes a distance in metres, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>commande manquante (table)</source>
        <translation>missing command (table)</translation>
    </message>
    <message>
        <source>--layout ne s&apos;emploie qu&apos;avec --csv</source>
        <translation>--layout is used only with --csv</translation>
    </message>
    <message>
        <source>diaphragme incorrect : « %1 »</source>
        <translation>incorrect f-number: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>distance incorrecte : « %1 »</source>
        <translation>incorrect distance: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>diaphragme hors de l&apos;intervalle %1 : « %2 »</source>
        <translation>f-number outside the range %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>distance hors de l&apos;intervalle %1 : « %2 »</source>
        <translation>distance outside the range %1: &quot;%2&quot;</translation>
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
        <translation>Usage: optolune-cli table [options]

Prints Optolune&apos;s depth-of-field table: the near and far limits of sharpness
for each f-number and each focus distance, with the Infinity row and, on
request, the rows of the hyperfocal distance, the depths and the columns
magnification and extension. Numbers are written with a decimal point (a
comma is accepted). A parameter out of range is corrected with a warning, as
in the table window.

Parameters (by default those of the table window):
  --file &lt;file&gt;           reads the parameters, the options and the lists of
                          a saved table (.stf, .tmp, .slc); the other options
                          then replace what the file gives
  --circle &lt;mm&gt;           diameter of the circle of confusion (0.05)
  --focal &lt;mm&gt;            focal length (80)
  --nodal &lt;mm&gt;            nodal distance, signed (-4)
  --gp &lt;value&gt;            pupil magnification (1.1)
  --f-numbers &lt;list&gt;      f-numbers from 1 to 256, separated by &apos;;&apos; or spaces
                          (by default the default list of the Data folder)
  --distances &lt;list&gt;      focus distances from 0.001 to 900 metres, separated
                          by &apos;;&apos; or spaces (by default the default list)
                          A list holds at most 1000 values.
  --origin film|lens      distances measured from the film plane (film, the
                          default) or from the front nodal point of the lens
                          (lens)

Display:
  --horizontal            distances in columns (100 at most)
  --vertical              distances in rows (the default)
  -p, --depth             row p=: total depth of field
  -ab, --front-rear       rows a= and b=: depth in front of and behind the
                          plane of focus
  -H, --hyperfocal        rows H (near limit at the hyperfocal distance) and
                          h= (hyperfocal distance)
  -GT, --magnification    columns G (magnification) and T(mm) (extension)
  --diffraction           the limits count the diffraction blur: each cell
                          takes the circle c&apos; that the Airy disc of its
                          working f-number leaves to the focus blur;
                          &quot;diffraction&quot; where nothing is sharp
  --wavelength &lt;µm&gt;       wavelength, from 0.40 to 0.70 (0.55), 4 decimals
  --blur rss|sum          total blur: root sum of squares (rss, the default)
                          or sum (sum, stricter)
  --decimals &lt;0-8&gt;        number of decimals below the bound (1)
  --bound &lt;m&gt;             bound: from this distance on, one decimal at most
                          (1000)

Output:
  --csv                   CSV for an English spreadsheet: fields separated by
                          &apos;,&apos;, decimal point, a cell of several lines as one
                          quoted field
                          (without --csv: aligned columns, the lines of a
                          cell joined by &quot; / &quot;)
  --layout grid|rows      with --csv: the grid of the table (grid, the
                          default) or one row per cell (rows), with the
                          columns f,c,dn,gp,format,origin,N,distance,near,
                          far,p,a,b: plain numbers in metres, inf if sharp
                          to infinity, empty for a distance that cannot be
                          focused
  --lang fr|en            the language of the messages and results (by
                          default the user&apos;s locale)
  -h, --help              prints this help

Other commands:
  optolune-cli variations  the results of the variations calculator for a
                          setting, and the focus spread
                          (optolune-cli variations --help)
  optolune-cli circle      the circle of confusion of a film format enlarged
                          to a print, and the limiting f-number
                          (optolune-cli circle --help)
  optolune-cli spread      the focus spread, diffraction counted: sharpest
                          f-number and blur
                          (optolune-cli spread --help)
  optolune-cli stack       the plan of a focus stack: shots, rail readings
                          and sharp zones
                          (optolune-cli stack --help)
  optolune-cli tilt        the tilt of a view camera from two rail readings,
                          the hinge and the wedge of sharpness
                          (optolune-cli tilt --help)

Exit status: 0 table printed, 1 table that cannot be computed or file
unreadable, 2 incorrect command or option. Messages go to the standard
error.
</translation>
    </message>
    <message>
        <source>--lang vaut fr ou en, pas « %1 »</source>
        <translation>--lang takes fr or en, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 diaphragmes ou distances au plus</source>
        <translation>%1 f-numbers or distances at most</translation>
    </message>
    <message>
        <source>Mémoire insuffisante</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <source>Erreur inconnue</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>CliTilt</name>
    <message>
        <source>--focal manque : la focale de l&apos;objectif (mm)</source>
        <translation>--focal is missing: the focal length of the lens (mm)</translation>
    </message>
    <message>
        <source>Donnez la bascule d&apos;une seule façon : --rail-near, --rail-far et --separation, ou --height, ou --tilt</source>
        <translation>Give the tilt in one way only: --rail-near, --rail-far and --separation, or --height, or --tilt</translation>
    </message>
    <message>
        <source>--rail-near, --rail-far et --separation vont ensemble : il en manque</source>
        <translation>--rail-near, --rail-far and --separation go together: one is missing</translation>
    </message>
    <message>
        <source>Donnez --film-distance ou --plane-angle, l&apos;un des deux</source>
        <translation>Give --film-distance or --plane-angle, one of the two</translation>
    </message>
    <message>
        <source>--f-number et --circle vont ensemble : les limites de netteté demandent les deux</source>
        <translation>--f-number and --circle go together: the limits of sharpness need both</translation>
    </message>
    <message>
        <source>bascule</source>
        <translation>tilt</translation>
    </message>
    <message>
        <source>bascule de l&apos;objectif (°)</source>
        <translation>tilt of the lens (°)</translation>
    </message>
    <message>
        <source>distance de la charnière à l&apos;objectif (m)</source>
        <translation>distance from the hinge to the lens (m)</translation>
    </message>
    <message>
        <source>tirage</source>
        <translation>extension</translation>
    </message>
    <message>
        <source>distance du film à l&apos;objectif, le long du rail (mm)</source>
        <translation>distance from the film to the lens, along the rail (mm)</translation>
    </message>
    <message>
        <source>plan net</source>
        <translation>sharp plane</translation>
    </message>
    <message>
        <source>angle du plan net avec le film (°)</source>
        <translation>angle of the plane of sharp focus with the film (°)</translation>
    </message>
    <message>
        <source>limite proche</source>
        <translation>near limit</translation>
    </message>
    <message>
        <source>angle de la limite proche de netteté (°)</source>
        <translation>angle of the near limit of sharpness (°)</translation>
    </message>
    <message>
        <source>limite lointaine</source>
        <translation>far limit</translation>
    </message>
    <message>
        <source>angle de la limite lointaine de netteté (°)</source>
        <translation>angle of the far limit of sharpness (°)</translation>
    </message>
    <message>
        <source>hauteur plan net</source>
        <translation>sharp plane height</translation>
    </message>
    <message>
        <source>hauteur du plan net à la distance donnée (m)</source>
        <translation>height of the plane of sharp focus at the given distance (m)</translation>
    </message>
    <message>
        <source>hauteur limite proche</source>
        <translation>near limit height</translation>
    </message>
    <message>
        <source>hauteur de la limite proche (m)</source>
        <translation>height of the near limit (m)</translation>
    </message>
    <message>
        <source>hauteur limite lointaine</source>
        <translation>far limit height</translation>
    </message>
    <message>
        <source>hauteur de la limite lointaine (m)</source>
        <translation>height of the far limit (m)</translation>
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
        <translation>Usage: optolune-cli tilt [options]

Computes the tilt of the lens of a view camera and the plane of sharp focus
it gives: the hinge, the angle of the plane of sharp focus and the wedge of
sharpness. Thin lens model, vertical film, lens tilted about a horizontal
axis, no sideways shift (Scheimpflug and hinge rules): the plane of sharp
focus, the lens plane and the film plane meet in one line, and the plane of
sharp focus turns about the hinge, at J = f / sin(tilt) from the lens.
Numbers are written with a decimal point (a comma is accepted).

Lens:
  --focal &lt;mm&gt;            focal length

The tilt, in one of these three ways:
  --rail-near &lt;mm&gt;        rail reading, focused on a near point of the plane
                          wanted sharp, before tilting
  --rail-far &lt;mm&gt;         rail reading, focused on a far point of the same
                          plane
  --separation &lt;mm&gt;       distance between the two images on the ground
                          glass: sin(tilt) = reading difference / image
                          distance
  --height &lt;m&gt;            height of the lens above the plane (the ground):
                          J = height
  --tilt &lt;°&gt;              tilt given in degrees (between 0 and 90, both
                          excluded)

The film, in one of these two ways:
  --film-distance &lt;mm&gt;    distance from the film to the lens, along the rail
  --plane-angle &lt;°&gt;       wanted angle of the plane of sharp focus with the
                          film (90: the plane lying along the axis, like the
                          ground)

The wedge of sharpness (optional):
  --f-number &lt;N&gt;          f-number
  --circle &lt;mm&gt;           diameter of the circle of confusion; the limits are
                          the sharp planes of the film at extension + N c and
                          extension - N c
  --at &lt;m&gt;                distance in front of the lens at which to give the
                          height of the planes (m, negative below the lens)

Output:
  --csv                   CSV for an English spreadsheet: Result,Value,
                          Meaning (without --csv: aligned columns)
  -h, --help              prints this help

Results: tilt (°), J (m), extension (mm), sharp plane (°, 0 parallel to the
film, 90 parallel to the axis), near limit and far limit (°), and with --at
the heights of the sharp plane and of the two limits (m; -inf when the far
limit lies beyond every plane).

Exit status: 0 results printed, 1 no setting possible (tilt of 90°), 2
incorrect command, option or value. Messages go to the standard error.
</translation>
    </message>
</context>
<context>
    <name>CliVariations</name>
    <message>
        <source>limite de netteté proche (m)</source>
        <translation>near limit of sharpness (m)</translation>
    </message>
    <message>
        <source>limite de netteté lointaine (m)</source>
        <translation>far limit of sharpness (m)</translation>
    </message>
    <message>
        <source>profondeur de champ (m)</source>
        <translation>depth of field (m)</translation>
    </message>
    <message>
        <source>profondeur en avant du plan de mise au point (m)</source>
        <translation>depth in front of the plane of focus (m)</translation>
    </message>
    <message>
        <source>profondeur en arrière du plan de mise au point (m)</source>
        <translation>depth behind the plane of focus (m)</translation>
    </message>
    <message>
        <source>part de la profondeur en avant</source>
        <translation>share of the depth in front</translation>
    </message>
    <message>
        <source>part de la profondeur en arrière</source>
        <translation>share of the depth behind</translation>
    </message>
    <message>
        <source>distance du sujet au point nodal avant (m)</source>
        <translation>distance from the subject to the front nodal point (m)</translation>
    </message>
    <message>
        <source>distance du film au point nodal arrière (m)</source>
        <translation>distance from the film to the rear nodal point (m)</translation>
    </message>
    <message>
        <source>grandissement</source>
        <translation>magnification</translation>
    </message>
    <message>
        <source>tirage (mm)</source>
        <translation>extension (mm)</translation>
    </message>
    <message>
        <source>distance hyperfocale (m)</source>
        <translation>hyperfocal distance (m)</translation>
    </message>
    <message>
        <source>M.a.p sur infini: de</source>
        <translation>Focus at infinity: from</translation>
    </message>
    <message>
        <source>limite proche, mise au point sur l&apos;infini (m)</source>
        <translation>near limit, focused at infinity (m)</translation>
    </message>
    <message>
        <source>M.a.p sur H: de</source>
        <translation>Focus at H: from</translation>
    </message>
    <message>
        <source>limite proche, mise au point sur H (m)</source>
        <translation>near limit, focused at H (m)</translation>
    </message>
    <message>
        <source>l&apos;option --spread demande trois lectures du rail en mm : infini, proche, lointain</source>
        <translation>the option --spread needs three rail readings in mm: infinity, near, far</translation>
    </message>
    <message>
        <source>--spread : Lecture vide à l&apos;infini</source>
        <translation>--spread: Empty reading at infinity</translation>
    </message>
    <message>
        <source>--spread : Lecture vide au point proche</source>
        <translation>--spread: Empty reading at the near point</translation>
    </message>
    <message>
        <source>--spread : Lecture vide au point éloigné</source>
        <translation>--spread: Empty reading at the far point</translation>
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
        <translation>Usage: optolune-cli variations [options]

Prints the fourteen results of Optolune&apos;s variations calculator for a
setting: limits of sharpness, depths and their shares, distances u and v,
magnification, extension, hyperfocal distance and near limits when focused
at infinity and at the hyperfocal distance. Numbers are written with a
decimal point (a comma is accepted). A value out of range is corrected with
a warning, as in the variations window.

Parameters (by default those of the window when it opens, the test lens):
  --circle &lt;mm&gt;           diameter of the circle of confusion (0.100)
  --focal &lt;mm&gt;            focal length (148.1)
  --nodal &lt;mm&gt;            nodal distance, signed (24.8)
  --gp &lt;value&gt;            pupil magnification (1.1)
  --f-number &lt;N&gt;          f-number (8)
  --distance &lt;m&gt;          focus distance (3)
  --origin film|lens      distance measured from the film plane (film, the
                          default) or from the front nodal point of the lens
                          (lens)
  --macro                 from the film plane, the focus whose magnification
                          is greater than 1; no hyperfocal distance
  --decimals &lt;0-8&gt;        number of decimals of the distances and of G (3)
  --diffraction           the limits count the diffraction blur of the
                          working f-number N (1 + G/gp): a point is sharp
                          when its total blur stays within c, the focus blur
                          within c&apos; = sqrt(c² - d²); nothing sharp: exit
                          status 1
  --wavelength &lt;µm&gt;       wavelength, from 0.40 to 0.70 (0.55), 4 decimals
                          at most
  --blur rss|sum          total blur: root sum of squares (rss, the default)
                          or sum, c&apos; = c - d (sum, stricter)

Focus spread:
  --spread &lt;infinity&gt; &lt;near&gt; &lt;far&gt;
                          rail readings in mm, in the order of the Spread
                          window: focused at infinity, on the near subject,
                          then on the far subject. Prints the rail setting,
                          the f-number needed and the focus distance, then
                          the results of that setting; the distance takes
                          the decimals it needs (up to 8) to give the
                          proposed extension
  --f-numbers &lt;list&gt;      f-numbers the spread chooses from, separated by &apos;;&apos;
                          or spaces (by default the default list of the Data
                          folder)

Output:
  --csv                   CSV for an English spreadsheet: Result,Value,
                          Meaning (without --csv: aligned columns)
  -h, --help              prints this help

Exit status: 0 results printed, 1 impossible setting (distance too close,
inconsistent readings), 2 incorrect command or option. Messages go to the
standard error.
</translation>
    </message>
    <message>
        <source>rail</source>
        <translation>rail</translation>
    </message>
    <message>
        <source>réglage du rail (mm)</source>
        <translation>rail setting (mm)</translation>
    </message>
    <message>
        <source>tirage</source>
        <translation>extension</translation>
    </message>
    <message>
        <source>tirage depuis l&apos;infini (mm)</source>
        <translation>extension from infinity (mm)</translation>
    </message>
    <message>
        <source>N nécessaire</source>
        <translation>N needed</translation>
    </message>
    <message>
        <source>diaphragme nécessaire</source>
        <translation>f-number needed</translation>
    </message>
    <message>
        <source>diaphragme de la liste retenu</source>
        <translation>f-number of the list chosen</translation>
    </message>
    <message>
        <source>distance de mise au point (m)</source>
        <translation>focus distance (m)</translation>
    </message>
    <message>
        <source>Décimales portées à %1 pour que la distance donne le tirage proposé</source>
        <translation>Decimals raised to %1 so that the distance gives the proposed extension</translation>
    </message>
    <message>
        <source>Même à 8 décimales, la distance donne un tirage de %1 mm</source>
        <translation>Even with 8 decimals, the distance gives an extension of %1 mm</translation>
    </message>
    <message>
        <source>Mise au point impossible à %1 m du plan du film</source>
        <translation>Focus impossible at %1 m from the film plane</translation>
    </message>
    <message>
        <source>Mise au point impossible à %1 m de l&apos;objectif</source>
        <translation>Focus impossible at %1 m from the lens</translation>
    </message>
    <message>
        <source>Paramètres inutilisables : aucun résultat</source>
        <translation>Unusable parameters: no result</translation>
    </message>
    <message>
        <source>gris</source>
        <translation>grey</translation>
    </message>
    <message>
        <source>diaphragme au-delà du diaphragme limite %1 : résultats grisés dans la fenêtre</source>
        <translation>f-number beyond the limiting f-number %1: results greyed in the window</translation>
    </message>
    <message>
        <source>tache de diffraction du diaphragme effectif (mm)</source>
        <translation>diffraction disc of the working f-number (mm)</translation>
    </message>
    <message>
        <source>cercle laissé au flou de mise au point (mm), λ %1 µm</source>
        <translation>circle left to the focus blur (mm), λ %1 µm</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>Fichier manquant %1</source>
        <translation>Missing file %1</translation>
    </message>
    <message>
        <source>Tentative de récupération</source>
        <translation>Trying to recover it</translation>
    </message>
    <message>
        <source>%1 La récupération a échoué</source>
        <translation>%1 The recovery failed</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1</source>
        <translation>Cannot open the file %1</translation>
    </message>
    <message>
        <source>Impossible de créer le fichier %1</source>
        <translation>Cannot create the file %1</translation>
    </message>
    <message>
        <source>Fichier trop volumineux : %1</source>
        <translation>File too large: %1</translation>
    </message>
</context>
<context>
    <name>DiffractionText</name>
    <message>
        <source>La longueur d&apos;onde va de %1 à %2 µm, 4 décimales au plus</source>
        <translation>The wavelength goes from %1 to %2 µm, 4 decimals at most</translation>
    </message>
    <message>
        <source>avec diffraction (λ %1 µm, flou somme)</source>
        <translation>with diffraction (λ %1 µm, blur sum)</translation>
    </message>
    <message>
        <source>avec diffraction (λ %1 µm)</source>
        <translation>with diffraction (λ %1 µm)</translation>
    </message>
</context>
<context>
    <name>DisplayOptions</name>
    <message>
        <source>Hyperfocale (h)</source>
        <translation>Hyperfocal distance (h)</translation>
    </message>
    <message>
        <source>Grandissement et tirage</source>
        <translation>Magnification and extension</translation>
    </message>
    <message>
        <source>Profondeur de champ p </source>
        <translation>Depth of field p </translation>
    </message>
    <message>
        <source>Profondeur de champ en avant (a) et en arrière (b) du plan de mise au point</source>
        <translation>Depth of field in front of (a) and behind (b) the plane of focus</translation>
    </message>
    <message>
        <source>Diffraction</source>
        <translation>Diffraction</translation>
    </message>
    <message>
        <source>Profondeur de foyer (pf)</source>
        <translation>Depth of focus (pf)</translation>
    </message>
    <message>
        <source>Distance corrigée (dc)</source>
        <translation>Corrected distance (dc)</translation>
    </message>
    <message>
        <source>Zone corrigée</source>
        <translation>Corrected zone</translation>
    </message>
    <message>
        <source>Tirage</source>
        <translation>Extension</translation>
    </message>
</context>
<context>
    <name>ExplanationTexts</name>
    <message>
        <source>Table de profondeur de champ</source>
        <translation>Depth-of-field table</translation>
    </message>
    <message>
        <source>LES PARAMÈTRES</source>
        <translation>THE PARAMETERS</translation>
    </message>
    <message>
        <source>f distance focale(mm):   minimum %1,   maximum %2</source>
        <translation>f focal length (mm):   minimum %1,   maximum %2</translation>
    </message>
    <message>
        <source>c diamètre du cercle de confusion(mm):   minimum %1,   maximum %2</source>
        <translation>c diameter of the circle of confusion (mm):   minimum %1,   maximum %2</translation>
    </message>
    <message>
        <source>dn distance nodale(mm):   minimum %1,   maximum %2</source>
        <translation>dn nodal distance (mm):   minimum %1,   maximum %2</translation>
    </message>
    <message>
        <source>gp grandissement pupillaire:   minimum %1,   maximum %2</source>
        <translation>gp pupil magnification:   minimum %1,   maximum %2</translation>
    </message>
    <message>
        <source>Variations de la profondeur de champ</source>
        <translation>Variations of the depth of field</translation>
    </message>
    <message>
        <source>Lorsque la distance d de mise au point rapportée au plan du film est supérieure à 4f+dn, il existe théoriquement deux règlages permettant la mise au mise au point sur une distance donnée.</source>
        <translation>When the focus distance d measured from the film plane is greater than 4f+dn, there are in theory two settings that focus on a given distance.</translation>
    </message>
    <message>
        <source>L&apos;un des règlages correspond à un grandissement v/u supérieur à 1, l&apos;autre à un grandissement v/u inférieur à 1. </source>
        <translation>One of the settings gives a magnification v/u greater than 1, the other a magnification v/u smaller than 1. </translation>
    </message>
    <message>
        <source>Le cas ou la case Macro est cochée, correspond au premier cas.</source>
        <translation>The Macro box ticked is the first case.</translation>
    </message>
    <message>
        <source>Remarquez l&apos;inversion des valeurs u et v lorsque vous basculez d&apos;un cas à l&apos;autre.</source>
        <translation>Note how u and v swap when you switch from one case to the other.</translation>
    </message>
    <message>
        <source>Les deux grandissements sont inverses.</source>
        <translation>The two magnifications are inverse.</translation>
    </message>
    <message>
        <source>Dans le premier cas, u appartient à l&apos;intervalle [f,2f] , v est supérieur ou égal à 2f.</source>
        <translation>In the first case, u lies in the interval [f,2f], v is greater than or equal to 2f.</translation>
    </message>
    <message>
        <source>Dans le deuxième cas, u est supérieur ou égal à 2f et v appartient à l&apos;intervalle [f,2f]. </source>
        <translation>In the second case, u is greater than or equal to 2f and v lies in the interval [f,2f]. </translation>
    </message>
    <message>
        <source>Le grandissement est égal à 1 lorsque u=v=2f.</source>
        <translation>The magnification is 1 when u=v=2f.</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1</source>
        <translation>Cannot open the file %1</translation>
    </message>
</context>
<context>
    <name>MemoryFile</name>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1</source>
        <translation>Cannot open the file %1</translation>
    </message>
    <message>
        <source>Fichier illisible ou endommagé : %1</source>
        <translation>File unreadable or damaged: %1</translation>
    </message>
</context>
<context>
    <name>NumericField</name>
    <message>
        <source>%1 doit être un décimal de l&apos;intervalle %2</source>
        <translation>%1 must be a decimal number in the range %2</translation>
    </message>
    <message>
        <source>%1 hors intervalle %2</source>
        <translation>%1 out of the range %2</translation>
    </message>
    <message>
        <source>Champ vide</source>
        <translation>Empty field</translation>
    </message>
    <message>
        <source>Saisissez un décimal de l&apos;intervalle %1</source>
        <translation>Type a decimal number in the range %1</translation>
    </message>
    <message>
        <source>Valeur hors intervalle %1</source>
        <translation>Value out of the range %1</translation>
    </message>
</context>
<context>
    <name>TableCompute</name>
    <message>
        <source>Infini</source>
        <translation>Infinity</translation>
    </message>
</context>
<context>
    <name>TableExport</name>
    <message>
        <source>f;c;dn;gp;format;origine;N;distance;proche;lointain;p;a;b</source>
        <translation>f;c;dn;gp;format;origin;N;distance;near;far;p;a;b</translation>
    </message>
    <message>
        <source>film</source>
        <translation>film</translation>
    </message>
    <message>
        <source>objectif</source>
        <translation>lens</translation>
    </message>
    <message>
        <source>Table vide</source>
        <translation>Empty table</translation>
    </message>
</context>
<context>
    <name>TableFiles</name>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1</source>
        <translation>Cannot open the file %1</translation>
    </message>
    <message>
        <source>Table vide</source>
        <translation>Empty table</translation>
    </message>
    <message>
        <source>Table trop grande pour être enregistrée : %1 diaphragmes et %1 distances au plus</source>
        <translation>Table too large to be saved: %1 f-numbers and %1 distances at most</translation>
    </message>
    <message>
        <source>Fichier non compatible avec la version %1</source>
        <translation>File not compatible with version %1</translation>
    </message>
    <message>
        <source>Fichier illisible ou endommagé : %1</source>
        <translation>File unreadable or damaged: %1</translation>
    </message>
    <message>
        <source>Le caractère _ n&apos;est pas  autorisé dans le format et les références de l&apos;objectif</source>
        <translation>The character _ is not allowed in the format and the lens references</translation>
    </message>
    <message>
        <source>nom %1 non valide</source>
        <translation>name %1 not valid</translation>
    </message>
    <message>
        <source>La table va être enregistrée dans le fichier:<byte value="xd"/>
%1<byte value="xd"/>
Continuer?</source>
        <translation>The table will be saved in the file:<byte value="xd"/>
%1<byte value="xd"/>
Continue?</translation>
    </message>
    <message>
        <source>Le fichier %1 existe, il sera remplacé.<byte value="xd"/>
Continuer?</source>
        <translation>The file %1 exists, it will be replaced.<byte value="xd"/>
Continue?</translation>
    </message>
    <message>
        <source>Impossible de créer le fichier %1</source>
        <translation>Cannot create the file %1</translation>
    </message>
</context>
<context>
    <name>TableInputs</name>
    <message>
        <source>Créez une liste des distances</source>
        <translation>Create a list of distances</translation>
    </message>
    <message>
        <source>Créez une liste des diaphragmes</source>
        <translation>Create a list of f-numbers</translation>
    </message>
    <message>
        <source>Paramètres de l&apos;objectif incorrects</source>
        <translation>Incorrect lens parameters</translation>
    </message>
    <message>
        <source>Borne des décimales incorrecte : &apos;%1&apos;</source>
        <translation>Incorrect bound of the decimals: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>La liste des diaphragmes contient une valeur incorrecte : &apos;%1&apos;</source>
        <translation>The list of f-numbers holds an incorrect value: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>La liste des distances contient une valeur incorrecte : &apos;%1&apos;</source>
        <translation>The list of distances holds an incorrect value: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>La liste des diaphragmes contient une valeur hors de l&apos;intervalle %1 : &apos;%2&apos;</source>
        <translation>The list of f-numbers holds a value outside the range %1: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>La liste des distances contient une valeur hors de l&apos;intervalle %1 : &apos;%2&apos;</source>
        <translation>The list of distances holds a value outside the range %1: &apos;%2&apos;</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Impossible de créer le fichier %1</source>
        <translation>Cannot create the file %1</translation>
    </message>
</context>
<context>
    <name>TitleLines</name>
    <message>
        <source>format %1</source>
        <translation>format %1</translation>
    </message>
    <message>
        <source>distances PF</source>
        <translation>distances from the film plane</translation>
    </message>
    <message>
        <source>distances PL</source>
        <translation>distances from the lens</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>Fichier enregistré : %1</source>
        <translation>File saved: %1</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>PL</source>
        <translation>LP</translation>
    </message>
    <message>
        <source>PF</source>
        <translation>FP</translation>
    </message>
    <message>
        <source>Les fichiers d&apos;Optolune ne peuvent pas contenir ces caractères, qui ont été retirés : %1</source>
        <translation>Optolune&apos;s files cannot hold these characters, which have been removed: %1</translation>
    </message>
</context>
</TS>
