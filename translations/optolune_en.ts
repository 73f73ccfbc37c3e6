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
    <name>ChangeRequest</name>
    <message>
        <source>%1 octets</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source> Le %1 à %2   .</source>
        <translation> On %1 at %2.</translation>
    </message>
    <message>
        <source>Demande de modifications de:</source>
        <translation>Change request for:</translation>
    </message>
    <message>
        <source>Compilée le %1 à %2, volume %3</source>
        <translation>Built on %1 at %2, size %3</translation>
    </message>
    <message>
        <source>Dossier Windows utilisateur %1</source>
        <translation>User&apos;s Windows folder %1</translation>
    </message>
    <message>
        <source>Ne pas effacer ce qui précède, indiquez ci-dessous les modifications souhaitées.</source>
        <translation>Do not delete the lines above; describe the changes you would like below.</translation>
    </message>
    <message>
        <source>Demande de modifications</source>
        <translation>Change request</translation>
    </message>
</context>
<context>
    <name>ChartMarks</name>
    <message>
        <source>inf : net jusqu&apos;à l&apos;infini</source>
        <translation>inf: sharp to infinity</translation>
    </message>
    <message>
        <source>hyperfocale H</source>
        <translation>hyperfocal distance H</translation>
    </message>
    <message>
        <source>lointain au-delà de l&apos;échelle</source>
        <translation>far limit beyond the scale</translation>
    </message>
</context>
<context>
    <name>ChartSeries</name>
    <message>
        <source>mise au point impossible à %1 m</source>
        <translation>focus impossible at %1 m</translation>
    </message>
    <message>
        <source>aucune distance</source>
        <translation>no distance</translation>
    </message>
    <message>
        <source>aucun diaphragme</source>
        <translation>no f-number</translation>
    </message>
    <message>
        <source>rien de net (diffraction) à %1</source>
        <translation>nothing sharp (diffraction) at %1</translation>
    </message>
    <message>
        <source>n=%1
Distance : %2 m
Premier plan net : %3 m
Dernier plan net : %4</source>
        <translation>n=%1
Distance: %2 m
Near limit of sharpness: %3 m
Far limit of sharpness: %4</translation>
    </message>
    <message>
        <source>n=%1
Distance : %2 m
Premier plan net : %3 m
Dernier plan net : %4 m</source>
        <translation>n=%1
Distance: %2 m
Near limit of sharpness: %3 m
Far limit of sharpness: %4 m</translation>
    </message>
    <message>
        <source>Limites de netteté, distances rapportées au plan du film</source>
        <translation>Limits of sharpness, distances measured from the film plane</translation>
    </message>
    <message>
        <source>Limites de netteté, distances rapportées à l&apos;objectif</source>
        <translation>Limits of sharpness, distances measured from the lens</translation>
    </message>
    <message>
        <source>%1
Non tracé : %2</source>
        <translation>%1
Not drawn: %2</translation>
    </message>
</context>
<context>
    <name>CircleCalc</name>
    <message>
        <source>Champ DO incorrect %1</source>
        <translation>Viewing distance field incorrect %1</translation>
    </message>
    <message>
        <source>Champ Largeur film incorrect %1</source>
        <translation>Film width field incorrect %1</translation>
    </message>
    <message>
        <source>Champ Longueur film incorrect %1</source>
        <translation>Film length field incorrect %1</translation>
    </message>
    <message>
        <source>Champ Largeur tirage incorrect %1</source>
        <translation>Print width field incorrect %1</translation>
    </message>
    <message>
        <source>Champ Longueur tirage incorrect %1</source>
        <translation>Print length field incorrect %1</translation>
    </message>
    <message>
        <source>Numérique 33x44</source>
        <translation>Digital 33x44</translation>
    </message>
    <message>
        <source>Numérique 40x54</source>
        <translation>Digital 40x54</translation>
    </message>
    <message>
        <source>Largeur film supérieure à longueur film incorrect</source>
        <translation>Film width greater than film length: incorrect</translation>
    </message>
    <message>
        <source>Largeur tirage supérieure à longueur tirage incorrect</source>
        <translation>Print width greater than print length: incorrect</translation>
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
    <name>DefaultLists</name>
    <message>
        <source>Diaphragme min.: %1      Diaphragme max.: %2</source>
        <translation>Min. f-number: %1      Max. f-number: %2</translation>
    </message>
    <message>
        <source>Mètres   Distance min.: %1   Distance max.: %2</source>
        <translation>Metres   Min. distance: %1   Max. distance: %2</translation>
    </message>
    <message>
        <source>Mètres  Distance min.: %1      Distance max.: %2</source>
        <translation>Metres  Min. distance: %1      Max. distance: %2</translation>
    </message>
    <message>
        <source>Focale min.: %1 mm      Focale max.: %2 mm</source>
        <translation>Min. focal length: %1 mm      Max. focal length: %2 mm</translation>
    </message>
    <message>
        <source>Diamètre min.: %1 mm      Diamètre max.: %2 mm</source>
        <translation>Min. diameter: %1 mm      Max. diameter: %2 mm</translation>
    </message>
    <message>
        <source>Diaphragmes</source>
        <translation>F-numbers</translation>
    </message>
    <message>
        <source>Distances de mise au point</source>
        <translation>Focus distances</translation>
    </message>
    <message>
        <source>Focales</source>
        <translation>Focal lengths</translation>
    </message>
    <message>
        <source>Diamètres du cercle de confusion</source>
        <translation>Circle of confusion diameters</translation>
    </message>
</context>
<context>
    <name>DialUpConnections</name>
    <message>
        <source>erreur RasHangUp</source>
        <translation>RasHangUp error</translation>
    </message>
    <message>
        <source>erreur RasEnumConnections</source>
        <translation>RasEnumConnections error</translation>
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
    <name>FocusSpread</name>
    <message>
        <source>à l&apos;infini</source>
        <translation>at infinity</translation>
    </message>
    <message>
        <source>au point proche</source>
        <translation>at the near point</translation>
    </message>
    <message>
        <source>au point éloigné</source>
        <translation>at the far point</translation>
    </message>
    <message>
        <source>Lecture vide %1 : saisissez un nombre de millimètres.</source>
        <translation>Empty reading %1: type a number of millimetres.</translation>
    </message>
    <message>
        <source>Lecture %1 illisible : %2. Saisissez un nombre de millimètres.</source>
        <translation>Reading %1 unreadable: %2. Type a number of millimetres.</translation>
    </message>
    <message>
        <source>Lectures incohérentes : le tirage doit croître de l&apos;infini au point éloigné, puis du point éloigné au point proche.</source>
        <translation>Inconsistent readings: the extension must grow from infinity to the far point, then from the far point to the near point.</translation>
    </message>
    <message>
        <source>Lectures incohérentes : aucun réglage ne correspond.</source>
        <translation>Inconsistent readings: no setting matches them.</translation>
    </message>
    <message>
        <source>Le diaphragme nécessaire, %1, est hors intervalle %2</source>
        <translation>The f-number needed, %1, is out of the range %2</translation>
    </message>
    <message>
        <source>La distance de mise au point, %1 m, est hors intervalle %2</source>
        <translation>The focusing distance, %1 m, is out of the range %2</translation>
    </message>
    <message>
        <source>Aucun diaphragme de la liste n&apos;atteint %1 : la liste n&apos;en a aucun. Ajoutez-en un à la liste des diaphragmes.</source>
        <translation>No f-number of the list reaches %1: the list has none. Add one to the list of f-numbers.</translation>
    </message>
    <message>
        <source>Aucun diaphragme de la liste n&apos;atteint %1 : le plus grand est %2. Ajoutez-en un à la liste des diaphragmes.</source>
        <translation>No f-number of the list reaches %1: the largest is %2. Add one to the list of f-numbers.</translation>
    </message>
    <message>
        <source>Réglez le rail sur %1 mm (tirage %2 mm), diaphragme %3 ; même à 8 décimales, tirage %4 mm.</source>
        <translation>Set the rail to %1 mm (extension %2 mm), f-number %3; even with 8 decimals, extension %4 mm.</translation>
    </message>
    <message>
        <source>Réglez le rail sur %1 mm (tirage %2 mm), diaphragme %3 ; %4 décimales pour ce tirage.</source>
        <translation>Set the rail to %1 mm (extension %2 mm), f-number %3; %4 decimals for this extension.</translation>
    </message>
    <message>
        <source>Réglez le rail sur %1 mm (tirage %2 mm), diaphragme %3.</source>
        <translation>Set the rail to %1 mm (extension %2 mm), f-number %3.</translation>
    </message>
    <message>
        <source>aucun diaphragme ne donne c : flou minimal %1 mm à f/%2</source>
        <translation>no f-number gives c: smallest blur %1 mm at f/%2</translation>
    </message>
    <message>
        <source>net à c = %1 mm de f/%2 à f/%3 ; le plus net à f/%4 (flou %5 mm)</source>
        <translation>sharp to c = %1 mm from f/%2 to f/%3; sharpest at f/%4 (blur %5 mm)</translation>
    </message>
</context>
<context>
    <name>FocusStack</name>
    <message>
        <source>Mise au point impossible sur le sujet %1 : la distance doit être au moins 4 fois la focale plus la distance nodale</source>
        <translation>Cannot focus on the %1 subject: the distance must be at least 4 times the focal length plus the nodal distance</translation>
    </message>
    <message>
        <source>Mise au point impossible sur le sujet %1 : la distance doit être plus grande que la focale</source>
        <translation>Cannot focus on the %1 subject: the distance must be greater than the focal length</translation>
    </message>
    <message>
        <source>Diaphragme hors limites : %1 (limites %2)</source>
        <translation>F-number out of range: %1 (limits %2)</translation>
    </message>
    <message>
        <source>Facteur de recouvrement hors limites : %1 (limites %2)</source>
        <translation>Overlap factor out of range: %1 (limits %2)</translation>
    </message>
    <message>
        <source>Longueur d&apos;onde hors limites : %1 µm (limites %2)</source>
        <translation>Wavelength out of range: %1 µm (limits %2)</translation>
    </message>
    <message>
        <source>Lectures incohérentes : le tirage doit croître de l&apos;infini au point éloigné, puis du point éloigné au point proche.</source>
        <translation>Inconsistent readings: the extension must grow from infinity to the far point, then from the far point to the near point.</translation>
    </message>
    <message>
        <source>Distances : elles doivent être positives</source>
        <translation>Distances: they must be positive</translation>
    </message>
    <message>
        <source>proche</source>
        <translation>near</translation>
    </message>
    <message>
        <source>lointain</source>
        <translation>far</translation>
    </message>
    <message>
        <source>Le sujet proche doit être plus près de l&apos;objectif que le sujet lointain</source>
        <translation>The near subject must be closer to the lens than the far subject</translation>
    </message>
    <message>
        <source>Rien n&apos;est net : la diffraction à f/%1 effectif (%2 mm) atteint le cercle de confusion (%3 mm)</source>
        <translation>Nothing is sharp: diffraction at working f/%1 (%2 mm) reaches the circle of confusion (%3 mm)</translation>
    </message>
    <message>
        <source>Il faudrait plus de %1 vues (%2) : fermez le diaphragme ou réduisez l&apos;écart des sujets</source>
        <translation>More than %1 frames would be needed (%2): stop down or bring the subjects closer together</translation>
    </message>
    <message>
        <source>Aucun réglage ne correspond à la vue %1</source>
        <translation>No setting matches frame %1</translation>
    </message>
    <message>
        <source>%1 : champ vide</source>
        <translation>%1: empty field</translation>
    </message>
    <message>
        <source>%1 illisible : &apos;%2&apos;</source>
        <translation>%1 unreadable: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Cercle de confusion</source>
        <translation>Circle of confusion</translation>
    </message>
    <message>
        <source>Focale</source>
        <translation>Focal length</translation>
    </message>
    <message>
        <source>Distance nodale</source>
        <translation>Nodal distance</translation>
    </message>
    <message>
        <source>Grandissement pupillaire</source>
        <translation>Pupil magnification</translation>
    </message>
    <message>
        <source>Diaphragme</source>
        <translation>F-number</translation>
    </message>
    <message>
        <source>Facteur de recouvrement</source>
        <translation>Overlap factor</translation>
    </message>
    <message>
        <source>Lecture à l&apos;infini</source>
        <translation>Reading at infinity</translation>
    </message>
    <message>
        <source>Lecture au point proche</source>
        <translation>Reading at the near point</translation>
    </message>
    <message>
        <source>Lecture au point lointain</source>
        <translation>Reading at the far point</translation>
    </message>
    <message>
        <source>Distance du sujet proche</source>
        <translation>Distance of the near subject</translation>
    </message>
    <message>
        <source>Distance du sujet lointain</source>
        <translation>Distance of the far subject</translation>
    </message>
    <message>
        <source>Cercle de confusion (mm)</source>
        <translation>Circle of confusion (mm)</translation>
    </message>
    <message>
        <source>Focale (mm)</source>
        <translation>Focal length (mm)</translation>
    </message>
    <message>
        <source>Distance nodale (mm)</source>
        <translation>Nodal distance (mm)</translation>
    </message>
    <message>
        <source>%1 hors limites : %2 (limites %3)</source>
        <translation>%1 out of range: %2 (limits %3)</translation>
    </message>
    <message>
        <source>vue</source>
        <translation>frame</translation>
    </message>
    <message>
        <source>rail</source>
        <translation>rail</translation>
    </message>
    <message>
        <source>distance</source>
        <translation>distance</translation>
    </message>
</context>
<context>
    <name>FormatGrid</name>
    <message>
        <source>Fichier illisible ou endommagé : %1 (%2)</source>
        <translation>Unreadable or damaged file: %1 (%2)</translation>
    </message>
    <message>
        <source>FF</source>
        <translation>Film fmt</translation>
    </message>
    <message>
        <source>FT</source>
        <translation>Print fmt</translation>
    </message>
    <message>
        <source>Film(mm)</source>
        <translation>Film(mm)</translation>
    </message>
    <message>
        <source>Tirage</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Diag. tir.</source>
        <translation>Print diag.</translation>
    </message>
    <message>
        <source>Dist. obs.</source>
        <translation>View. dist.</translation>
    </message>
    <message>
        <source>Fact. agr.</source>
        <translation>Enlarg.</translation>
    </message>
    <message>
        <source>c(mm)</source>
        <translation>c(mm)</translation>
    </message>
    <message>
        <source>n inf. à</source>
        <translation>N below</translation>
    </message>
    <message>
        <source>Commentaire</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1</source>
        <translation>Cannot open the file %1</translation>
    </message>
    <message>
        <source>plus de 1 Mo</source>
        <translation>over 1 MB</translation>
    </message>
    <message>
        <source>caractère de contrôle à la ligne %1</source>
        <translation>control character on line %1</translation>
    </message>
    <message>
        <source>la ligne 1 doit donner 10 colonnes</source>
        <translation>line 1 must give 10 columns</translation>
    </message>
    <message>
        <source>la ligne 2 doit donner de 2 à 1000 lignes</source>
        <translation>line 2 must give 2 to 1000 rows</translation>
    </message>
    <message>
        <source>Valeur de c non valide. </source>
        <translation>Invalid value of c. </translation>
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
    <name>LensData</name>
    <message>
        <source>Champ Focale incorrect</source>
        <translation>Field Focal length incorrect</translation>
    </message>
    <message>
        <source>Champ H incorrect</source>
        <translation>Field H incorrect</translation>
    </message>
    <message>
        <source>Champ H&apos; incorrect</source>
        <translation>Field H&apos; incorrect</translation>
    </message>
    <message>
        <source>Champ Distance between... incorrect</source>
        <translation>Field Distance between... incorrect</translation>
    </message>
    <message>
        <source>Champ Exit pupil incorrect</source>
        <translation>Field Exit pupil incorrect</translation>
    </message>
    <message>
        <source>Champ Entrance pupil incorrect</source>
        <translation>Field Entrance pupil incorrect</translation>
    </message>
</context>
<context>
    <name>LensDiagram</name>
    <message>
        <source>Sujet</source>
        <translation>Subject</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>Pas de valeurs calculées</source>
        <translation>No computed values</translation>
    </message>
    <message>
        <source>dn = %1 (plans croisés)</source>
        <translation>dn = %1 (crossed planes)</translation>
    </message>
    <message>
        <source>⌀ entrée %1</source>
        <translation>⌀ entrance %1</translation>
    </message>
    <message>
        <source>⌀ sortie %1</source>
        <translation>⌀ exit %1</translation>
    </message>
    <message>
        <source>⌀ : diamètres des pupilles, portés sur H et H&apos; (les données ne donnent pas leur position)</source>
        <translation>⌀: pupil diameters, drawn on H and H&apos; (the data do not give their position)</translation>
    </message>
</context>
<context>
    <name>ListEditor</name>
    <message>
        <source>Nombre d&apos;items limité à 100.</source>
        <translation>No more than 100 items.</translation>
    </message>
    <message>
        <source>Listes-Distances</source>
        <translation>Lists - Distances</translation>
    </message>
    <message>
        <source>Rappel d&apos;une liste théorique|Réservée à l&apos;étude de l&apos;hyperfocale</source>
        <translation>Theoretical list|For the study of the hyperfocal distance</translation>
    </message>
    <message>
        <source>Rappel d&apos;une liste théorique|Diaphragmes de 1 à 256 avec demi-diaphragmes</source>
        <translation>Theoretical list|F-numbers from 1 to 256 in half stops</translation>
    </message>
    <message>
        <source>Listes-Diaphragmes</source>
        <translation>Lists - F-numbers</translation>
    </message>
    <message>
        <source>Listes-Focales</source>
        <translation>Lists - Focal lengths</translation>
    </message>
    <message>
        <source>Listes-Diamètres du cercle de confusion</source>
        <translation>Lists - Circle of confusion diameters</translation>
    </message>
    <message>
        <source>Début supérieur à Fin</source>
        <translation>Start greater than End</translation>
    </message>
    <message>
        <source>ATTENTION, vous allez supprimer la liste courante. Continuer?</source>
        <translation>WARNING: you are about to delete the current list. Continue?</translation>
    </message>
    <message>
        <source>ATTENTION, vous allez modifier l&apos;échelle courante. Continuer?</source>
        <translation>WARNING: you are about to change the current scale. Continue?</translation>
    </message>
    <message>
        <source>L&apos;échelle n°%1 n&apos;existe pas.</source>
        <translation>Scale no. %1 does not exist.</translation>
    </message>
    <message>
        <source>Création de l&apos;échelle par défaut avec les items cochés.Continuer?</source>
        <translation>Create the default scale with the checked items. Continue?</translation>
    </message>
    <message>
        <source>Création de l&apos;échelle par défaut avec tous les items.Continuer?</source>
        <translation>Create the default scale with all the items. Continue?</translation>
    </message>
    <message>
        <source>Création de l&apos;échelle n°%1 avec les items cochés.Continuer?</source>
        <translation>Create scale no. %1 with the checked items. Continue?</translation>
    </message>
    <message>
        <source>Création de l&apos;échelle n°%1 avec tous les items.Continuer?</source>
        <translation>Create scale no. %1 with all the items. Continue?</translation>
    </message>
    <message>
        <source>L&apos;échelle par défaut ne peut pas être supprimée.</source>
        <translation>The default scale cannot be deleted.</translation>
    </message>
    <message>
        <source> L&apos;échelle n°%1 n&apos;existe pas</source>
        <translation>Scale no. %1 does not exist</translation>
    </message>
    <message>
        <source>Supprimer l&apos;échelle enregistrée n°%1?</source>
        <translation>Delete saved scale no. %1?</translation>
    </message>
    <message>
        <source>Listes</source>
        <translation>Lists</translation>
    </message>
    <message>
        <source>Listethéorique|Remplace la liste courante par la liste théorique</source>
        <translation>Theoretical list|Replaces the current list with the theoretical list</translation>
    </message>
</context>
<context>
    <name>ListFiles</name>
    <message>
        <source>Impossible d&apos;ouvrir le fichier %1</source>
        <translation>Cannot open the file %1</translation>
    </message>
    <message>
        <source>Le fichier %1 est trop long : la liste a été coupée (%2 valeurs au plus).</source>
        <translation>The file %1 is too long: the list has been cut (%2 values at most).</translation>
    </message>
    <message>
        <source>Impossible de supprimer le fichier %1</source>
        <translation>Cannot delete the file %1</translation>
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
    <name>OpenLink</name>
    <message>
        <source>Aucun programme n&apos;a pu ouvrir l&apos;adresse %1</source>
        <translation>No program could open the address %1</translation>
    </message>
</context>
<context>
    <name>ScreenPrint</name>
    <message>
        <source>Impossible de lancer l&apos;impression.</source>
        <translation>Cannot start printing.</translation>
    </message>
    <message>
        <source>Impossible de lancer l&apos;impression sur %1.</source>
        <translation>Cannot start printing on %1.</translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu être terminée.</source>
        <translation>Printing could not be completed.</translation>
    </message>
    <message>
        <source>Aucune imprimante par défaut n&apos;est installée : impossible d&apos;imprimer.</source>
        <translation>No default printer is installed: cannot print.</translation>
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
    <name>TablePrinting</name>
    <message>
        <source>Aperçu avant impression</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Impossible de créer le fichier %1</source>
        <translation>Cannot create the file %1</translation>
    </message>
    <message>
        <source>Table vide</source>
        <translation>Empty table</translation>
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
    <name>TiltCalc</name>
    <message>
        <source>%1 hors limites : %2 (limites %3)</source>
        <translation>%1 out of range: %2 (limits %3)</translation>
    </message>
    <message>
        <source>Focale (mm)</source>
        <translation>Focal length (mm)</translation>
    </message>
    <message>
        <source>Diaphragme</source>
        <translation>F-number</translation>
    </message>
    <message>
        <source>Diamètre du cercle de confusion (mm)</source>
        <translation>Diameter of the circle of confusion (mm)</translation>
    </message>
    <message>
        <source>Distance en avant de l&apos;objectif : elle doit être positive</source>
        <translation>Distance in front of the lens: it must be positive</translation>
    </message>
    <message>
        <source>Écart des images sur le verre dépoli : il doit être positif</source>
        <translation>Separation of the images on the ground glass: it must be positive</translation>
    </message>
    <message>
        <source>Les deux lectures sur le rail sont égales : le plan est parallèle au film, aucune bascule ne s&apos;en déduit</source>
        <translation>The two rail readings are equal: the plane is parallel to the film, no tilt follows from them</translation>
    </message>
    <message>
        <source>L&apos;écart des lectures sur le rail (%1 mm) dépasse l&apos;écart des images sur le verre dépoli (%2 mm)</source>
        <translation>The difference of the rail readings (%1 mm) exceeds the separation of the images on the ground glass (%2 mm)</translation>
    </message>
    <message>
        <source>L&apos;écart des lectures sur le rail égale l&apos;écart des images : la bascule serait de 90°</source>
        <translation>The difference of the rail readings equals the separation of the images: the tilt would be 90°</translation>
    </message>
    <message>
        <source>Hauteur de l&apos;appareil (%1 m) inférieure à la focale (%2 mm)</source>
        <translation>Camera height (%1 m) below the focal length (%2 mm)</translation>
    </message>
    <message>
        <source>Hauteur de l&apos;appareil égale à la focale : la bascule serait de 90°</source>
        <translation>Camera height equal to the focal length: the tilt would be 90°</translation>
    </message>
    <message>
        <source>Bascule hors limites : %1° (entre 0 et 90° exclus)</source>
        <translation>Tilt out of range: %1° (between 0 and 90°, both excluded)</translation>
    </message>
    <message>
        <source>Tirage : il doit être positif</source>
        <translation>Extension: it must be positive</translation>
    </message>
    <message>
        <source>Angle du plan net hors limites : %1° (au-dessus de la bascule, %2°, et sous 180°)</source>
        <translation>Plane of sharp focus angle out of range: %1° (above the tilt, %2°, and below 180°)</translation>
    </message>
</context>
<context>
    <name>TiltFields</name>
    <message>
        <source>%1 : champ vide</source>
        <translation>%1: empty field</translation>
    </message>
    <message>
        <source>%1 illisible : &apos;%2&apos;</source>
        <translation>%1 unreadable: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Focale</source>
        <translation>Focal length</translation>
    </message>
    <message>
        <source>Lecture au point proche</source>
        <translation>Reading at the near point</translation>
    </message>
    <message>
        <source>Lecture au point lointain</source>
        <translation>Reading at the far point</translation>
    </message>
    <message>
        <source>Écart des images sur le verre dépoli</source>
        <translation>Separation of the images on the ground glass</translation>
    </message>
    <message>
        <source>Hauteur de l&apos;appareil</source>
        <translation>Camera height</translation>
    </message>
    <message>
        <source>Bascule</source>
        <translation>Tilt</translation>
    </message>
    <message>
        <source>Lecture à l&apos;infini</source>
        <translation>Reading at infinity</translation>
    </message>
    <message>
        <source>Lecture du rail</source>
        <translation>Rail reading</translation>
    </message>
    <message>
        <source>Tirage</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Angle du plan net</source>
        <translation>Angle of the plane of sharp focus</translation>
    </message>
    <message>
        <source>Diaphragme</source>
        <translation>F-number</translation>
    </message>
    <message>
        <source>Cercle de confusion</source>
        <translation>Circle of confusion</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
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
    <name>VariationsCompute</name>
    <message>
        <source>Mise au point impossible : la distance doit être au moins 4 fois la focale plus la distance nodale</source>
        <translation>Cannot focus: the distance must be at least 4 times the focal length plus the nodal distance</translation>
    </message>
    <message>
        <source>Mise au point impossible : la distance doit être plus grande que la focale</source>
        <translation>Cannot focus: the distance must be greater than the focal length</translation>
    </message>
    <message>
        <source>Pas de profondeur de champ pour ces paramètres</source>
        <translation>No depth of field for these parameters</translation>
    </message>
    <message>
        <source>Rien n&apos;est net : la tache de diffraction, %1 mm, atteint le cercle de confusion</source>
        <translation>Nothing is sharp: the Airy disc, %1 mm, reaches the circle of confusion</translation>
    </message>
    <message>
        <source>infini</source>
        <translation>infinity</translation>
    </message>
    <message>
        <source>Diffraction (λ %1 µm) : tache d&apos;Airy d = %2 mm, cercle utile c&apos; = %3 mm</source>
        <translation>Diffraction (λ %1 µm): Airy disc d = %2 mm, usable circle c&apos; = %3 mm</translation>
    </message>
</context>
<context>
    <name>VariationsFields</name>
    <message>
        <source>%1|  minimum: %2  maximum: %3</source>
        <translation>%1|  minimum: %2  maximum: %3</translation>
    </message>
    <message>
        <source>Créez une liste des focales</source>
        <translation>Create a list of focal lengths</translation>
    </message>
    <message>
        <source>Créez une liste des diaphragmes</source>
        <translation>Create a list of f-numbers</translation>
    </message>
    <message>
        <source>Créez une liste des diamètres</source>
        <translation>Create a list of diameters</translation>
    </message>
    <message>
        <source>Créez une liste des distances</source>
        <translation>Create a list of distances</translation>
    </message>
    <message>
        <source>Diamètre du cercle de confusion (mm)</source>
        <translation>Diameter of the circle of confusion (mm)</translation>
    </message>
    <message>
        <source>Focale (mm)</source>
        <translation>Focal length (mm)</translation>
    </message>
    <message>
        <source>Distance nodale (mm)</source>
        <translation>Nodal distance (mm)</translation>
    </message>
    <message>
        <source>Grandissement pupillaire</source>
        <translation>Pupil magnification</translation>
    </message>
    <message>
        <source>Distance de mise au point (m)</source>
        <translation>Focusing distance (m)</translation>
    </message>
    <message>
        <source>Diaphragme sélectionné dans la liste</source>
        <translation>F-number selected in the list</translation>
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
<context>
    <name>optolune::AboutBox</name>
    <message>
        <source>Optolune est fourni tel quel, sans garantie d&apos;aucune sorte.</source>
        <translation>Optolune is provided as is, without warranty of any kind.</translation>
    </message>
    <message>
        <source>Aide en ligne</source>
        <translation>Online help</translation>
    </message>
    <message>
        <source>Références version</source>
        <translation>Version details</translation>
    </message>
    <message>
        <source>Programme :</source>
        <translation>Program:</translation>
    </message>
    <message>
        <source>Modifié le :</source>
        <translation>Modified on:</translation>
    </message>
    <message>
        <source>à :</source>
        <translation>at:</translation>
    </message>
    <message>
        <source>Taille :</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Référence :</source>
        <translation>Reference:</translation>
    </message>
    <message>
        <source>Écrivez-moi</source>
        <translation>Write to me</translation>
    </message>
    <message>
        <source>Courrier électronique|Pour me communiquer vos observations</source>
        <translation>E-mail|To send me your remarks</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Quitter|</source>
        <translation>Close|</translation>
    </message>
    <message>
        <source>Adresse de contact refusée : %1</source>
        <translation>Contact address refused: %1</translation>
    </message>
</context>
<context>
    <name>optolune::ChartWindow</name>
    <message>
        <source>Graphique de profondeur de champ</source>
        <translation>Depth of field chart</translation>
    </message>
    <message>
        <source>Exporter l&apos;image...</source>
        <translation>Export image...</translation>
    </message>
    <message>
        <source>Exporter l&apos;image|Enregistre le graphique en PNG ou en PDF, selon l&apos;extension du nom</source>
        <translation>Export image|Saves the chart as PNG or PDF, according to the file name&apos;s extension</translation>
    </message>
    <message>
        <source>Distance de mise au point (m)</source>
        <translation>Focus distance (m)</translation>
    </message>
    <message>
        <source>Limites de netteté (m)</source>
        <translation>Limits of sharpness (m)</translation>
    </message>
    <message>
        <source>Images (*.png *.pdf)</source>
        <translation>Images (*.png *.pdf)</translation>
    </message>
    <message>
        <source>Impossible de créer le fichier %1</source>
        <translation>Cannot create the file %1</translation>
    </message>
</context>
<context>
    <name>optolune::CircleWindow</name>
    <message>
        <source>Cercle de confusion</source>
        <translation>Circle of confusion</translation>
    </message>
    <message>
        <source>Calcul du diamètre du cercle de confusion</source>
        <translation>Computing the diameter of the circle of confusion</translation>
    </message>
    <message>
        <source>Impression d&apos;écran de la fenêtre</source>
        <translation>Print the window&apos;s image</translation>
    </message>
    <message>
        <source>Abandonner</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Valider et quitter|</source>
        <translation>Confirm and quit|</translation>
    </message>
    <message>
        <source>Film (mm)</source>
        <translation>Film (mm)</translation>
    </message>
    <message>
        <source>Format du film|Les dimensions du film sont copiées dans les champs</source>
        <translation>Film format|The sizes of the film are copied into the fields</translation>
    </message>
    <message>
        <source>Largeur du film</source>
        <translation>Film width</translation>
    </message>
    <message>
        <source>Longueur du film</source>
        <translation>Film length</translation>
    </message>
    <message>
        <source>Plein format</source>
        <translation>Full frame</translation>
    </message>
    <message>
        <source>Cocher si l&apos;image du film est entièrement conservée au tirage |Si la case n&apos;est pas cochée l&apos;image du film est reformatée pour adaptation au format du tirage.</source>
        <translation>Tick when the whole film image is kept on the print |When the box is not ticked the film image is cropped to the proportions of the print.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Largeur</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Longueur</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Tirage (cm)</source>
        <translation>Print (cm)</translation>
    </message>
    <message>
        <source>Format du tirage|Les dimensions du tirage sont copiées dans les champs</source>
        <translation>Print format|The sizes of the print are copied into the fields</translation>
    </message>
    <message>
        <source>Largeur du tirage|La largeur et la longueur du tirage n&apos;interviennent que par leur rapport</source>
        <translation>Print width|Only the ratio of the print&apos;s width and length counts</translation>
    </message>
    <message>
        <source>Longueur du tirage|La largeur et la longueur du tirage n&apos;interviennent que par leur rapport</source>
        <translation>Print length|Only the ratio of the print&apos;s width and length counts</translation>
    </message>
    <message>
        <source>Distance minimale d&apos;observation|Supérieure à 10 cm</source>
        <translation>Minimum viewing distance|Above 10 cm</translation>
    </message>
    <message>
        <source>Pour la distance d&apos;observation  minimale, cocher la case|Si la case n&apos;est pas cochée, le calcul est effectué pour une distance d&apos;observation égale à la diagonale de l&apos;image agrandie</source>
        <translation>For the minimum viewing distance, tick the box|When the box is not ticked, the computation uses a viewing distance equal to the diagonal of the enlarged image</translation>
    </message>
    <message>
        <source>Dist. obs.</source>
        <translation>View. dist.</translation>
    </message>
    <message>
        <source>Diamètre du cercle</source>
        <translation>Diameter of the circle</translation>
    </message>
    <message>
        <source>Format de l&apos;image à agrandir</source>
        <translation>Format of the image to enlarge</translation>
    </message>
    <message>
        <source>Format de l&apos;image agrandie</source>
        <translation>Format of the enlarged image</translation>
    </message>
    <message>
        <source>Diagonale de l&apos;image agrandie</source>
        <translation>Diagonal of the enlarged image</translation>
    </message>
    <message>
        <source>Distance d&apos;observation du tirage</source>
        <translation>Viewing distance of the print</translation>
    </message>
    <message>
        <source>Facteur d&apos;agrandissement</source>
        <translation>Enlargement factor</translation>
    </message>
    <message>
        <source>Diamètre du cercle de confusion</source>
        <translation>Diameter of the circle of confusion</translation>
    </message>
    <message>
        <source>Plus petite valeur de diaphragme pour tenir compte de la diffraction</source>
        <translation>Smallest f-number value at which diffraction must be counted</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>Tirage</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Diag. tir.</source>
        <translation>Print diag.</translation>
    </message>
    <message>
        <source>Fact. Agr.</source>
        <translation>Enlarg.</translation>
    </message>
    <message>
        <source>n inférieur à</source>
        <translation>N below</translation>
    </message>
    <message>
        <source>Calculer</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Copier dans la grille| Les valeurs calculées sont copiées dans la grille</source>
        <translation>Copy into the grid| The computed values are copied into the grid</translation>
    </message>
    <message>
        <source>Ouvrir la grille n°1</source>
        <translation>Open grid no. 1</translation>
    </message>
    <message>
        <source>Enregistrer la grille n°1</source>
        <translation>Save grid no. 1</translation>
    </message>
    <message>
        <source>Ouvrir la grille n°2</source>
        <translation>Open grid no. 2</translation>
    </message>
    <message>
        <source>Enregistrer la grille n°2</source>
        <translation>Save grid no. 2</translation>
    </message>
    <message>
        <source>Effacer a grille</source>
        <translation>Clear the grid</translation>
    </message>
    <message>
        <source>Effacer la ligne sélectionnée</source>
        <translation>Clear the selected row</translation>
    </message>
    <message>
        <source>La grille enregistrée sera écrasée. Continuer?</source>
        <translation>The saved grid will be overwritten. Continue?</translation>
    </message>
    <message>
        <source>La grille par défaut enregistrée sera écrasée. Continuer?</source>
        <translation>The saved default grid will be overwritten. Continue?</translation>
    </message>
    <message>
        <source>La grille n&apos;a pas pu être enregistrée. Fermer sans l&apos;enregistrer ?</source>
        <translation>The grid could not be saved. Close without saving it?</translation>
    </message>
    <message>
        <source>La grille actuelle sera effacée. Continuer?</source>
        <translation>The current grid will be erased. Continue?</translation>
    </message>
    <message>
        <source>Il n&apos;a pas pu être mis de côté : la grille ne sera pas enregistrée à la fermeture.</source>
        <translation>It could not be put aside: the grid will not be saved on closing.</translation>
    </message>
    <message>
        <source>Il est conservé sous le nom %1 ; la grille repart de ses seuls en-têtes.</source>
        <translation>It is kept under the name %1; the grid starts again from its headers alone.</translation>
    </message>
</context>
<context>
    <name>optolune::DisplayOptionsDialog</name>
    <message>
        <source>Affichage</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Tous</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Tous|Cocher tous les itms de  la liste courante </source>
        <translation>All|Check every item of the current list</translation>
    </message>
    <message>
        <source>Inverser</source>
        <translation>Invert</translation>
    </message>
    <message>
        <source>Inverser|Les  items cochés perdent leur coche et les items non cochés sont cochés</source>
        <translation>Invert|Checked items are unchecked and unchecked items are checked</translation>
    </message>
    <message>
        <source>Abandonner</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Valider et quitter|</source>
        <translation>Confirm and close|</translation>
    </message>
    <message>
        <source>Longueur d&apos;onde|Longueur d&apos;onde de la lumière pour la diffraction, de 0,40 à 0,70 µm (0,55 : le vert)</source>
        <translation>Wavelength|Wavelength of the light for diffraction, from 0.40 to 0.70 µm (0.55: green)</translation>
    </message>
    <message>
        <source>Longueur d&apos;onde (µm)</source>
        <translation>Wavelength (µm)</translation>
    </message>
    <message>
        <source>racine de la somme des carrés</source>
        <translation>root of the sum of squares</translation>
    </message>
    <message>
        <source>somme (plus sévère)</source>
        <translation>sum (stricter)</translation>
    </message>
    <message>
        <source>Flou total|Comment s&apos;ajoutent le flou de mise au point et la tache de diffraction</source>
        <translation>Total blur|How the focus blur and the diffraction disc add up</translation>
    </message>
    <message>
        <source>Flou total</source>
        <translation>Total blur</translation>
    </message>
</context>
<context>
    <name>optolune::FavouritesWindow</name>
    <message>
        <source>Favoris</source>
        <translation>Favourites</translation>
    </message>
    <message>
        <source>Déconnecter</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Fermer le fenêtre|Retour à la fenêtre principale</source>
        <translation>Close the window|Back to the main window</translation>
    </message>
    <message>
        <source>Accueil</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Forum</source>
        <translation>Forum</translation>
    </message>
    <message>
        <source>Boutique</source>
        <translation>Shop</translation>
    </message>
    <message>
        <source>Occasions</source>
        <translation>Second-hand</translation>
    </message>
    <message>
        <source>Adresse refusée : %1</source>
        <translation>Address refused: %1</translation>
    </message>
</context>
<context>
    <name>optolune::FocusSpreadDialog</name>
    <message>
        <source>Écart de mise au point</source>
        <translation>Focus spread</translation>
    </message>
    <message>
        <source>Lisez la position du corps arrière sur le rail (en mm, croissante avec le tirage) à l&apos;infini, puis mis au point sur le sujet le plus proche et sur le plus éloigné.</source>
        <translation>Read the position of the rear standard on the rail (in mm, growing with the extension) at infinity, then focused on the nearest subject and on the farthest.</translation>
    </message>
    <message>
        <source>Lecture à l&apos;infini (mm)</source>
        <translation>Reading at infinity (mm)</translation>
    </message>
    <message>
        <source>Lecture à l&apos;infini|Position lue sur le rail, mise au point sur l&apos;infini</source>
        <translation>Reading at infinity|Position read on the rail, focused at infinity</translation>
    </message>
    <message>
        <source>Lecture au point proche (mm)</source>
        <translation>Reading at the near point (mm)</translation>
    </message>
    <message>
        <source>Lecture au point proche|Position lue sur le rail, mise au point sur le sujet le plus proche</source>
        <translation>Reading at the near point|Position read on the rail, focused on the nearest subject</translation>
    </message>
    <message>
        <source>Lecture au point éloigné (mm)</source>
        <translation>Reading at the far point (mm)</translation>
    </message>
    <message>
        <source>Lecture au point éloigné|Position lue sur le rail, mise au point sur le sujet le plus éloigné</source>
        <translation>Reading at the far point|Position read on the rail, focused on the farthest subject</translation>
    </message>
    <message>
        <source>Lecture à régler sur le rail (mm)</source>
        <translation>Reading to set on the rail (mm)</translation>
    </message>
    <message>
        <source>Diaphragme nécessaire</source>
        <translation>F-number needed</translation>
    </message>
    <message>
        <source>Diaphragme de la liste</source>
        <translation>F-number of the list</translation>
    </message>
    <message>
        <source>Distance de mise au point (m), depuis le plan du film</source>
        <translation>Focusing distance (m), from the film plane</translation>
    </message>
    <message>
        <source>Distance de mise au point (m), depuis le plan principal objet</source>
        <translation>Focusing distance (m), from the front principal plane</translation>
    </message>
    <message>
        <source>Diaphragme le plus net, diffraction comptée</source>
        <translation>Sharpest f-number, diffraction counted</translation>
    </message>
    <message>
        <source>Flou total à ce diaphragme (mm)</source>
        <translation>Total blur at this f-number (mm)</translation>
    </message>
    <message>
        <source>Diaphragme de la liste le plus proche</source>
        <translation>Nearest f-number of the list</translation>
    </message>
    <message>
        <source>Appliquer le diaphragme le plus net plutôt que le nécessaire</source>
        <translation>Apply the sharpest f-number rather than the one needed</translation>
    </message>
    <message>
        <source>Diaphragme le plus net|&quot;Appliquer&quot; règle le diaphragme de la liste le plus proche du plus net, la diffraction comptée</source>
        <translation>Sharpest f-number|&quot;Apply&quot; sets the f-number of the list nearest the sharpest, diffraction counted</translation>
    </message>
    <message>
        <source>Grandissement supérieur à 1 : la case Macro sera cochée.</source>
        <translation>Magnification above 1: the Macro box will be ticked.</translation>
    </message>
    <message>
        <source>Calculer</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Appliquer</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Empiler...</source>
        <translation>Stack...</translation>
    </message>
    <message>
        <source>Empiler|Plan d&apos;un empilement de mises au point avec ces lectures, quand une seule vue ne suffit pas</source>
        <translation>Stack|Plan of a focus stack with these readings, when one frame is not enough</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1 (λ %2 µm ; au diaphragme nécessaire, flou total %3 mm)</source>
        <translation>%1 (λ %2 µm; at the f-number needed, total blur %3 mm)</translation>
    </message>
</context>
<context>
    <name>optolune::FocusStackWindow</name>
    <message>
        <source>Empilement de mises au point</source>
        <translation>Focus stacking</translation>
    </message>
    <message>
        <source>vue</source>
        <translation>frame</translation>
    </message>
    <message>
        <source>rail (mm)</source>
        <translation>rail (mm)</translation>
    </message>
    <message>
        <source>distance (m)</source>
        <translation>distance (m)</translation>
    </message>
    <message>
        <source>proche (m)</source>
        <translation>near (m)</translation>
    </message>
    <message>
        <source>lointain (m)</source>
        <translation>far (m)</translation>
    </message>
    <message>
        <source>Le standard arrière met au point : la distance au film de chaque vue se mesure depuis la position du film de cette vue</source>
        <translation>The rear standard focuses: each frame&apos;s distance from the film is measured from that frame&apos;s own film position</translation>
    </message>
    <message>
        <source>Calculer</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Calculer le plan|Calcule les vues de l&apos;empilement (ou Entrée dans un champ)</source>
        <translation>Compute the plan|Computes the frames of the stack (or Enter in a field)</translation>
    </message>
    <message>
        <source>Distances rapportées au plan du film| Enfoncer le bouton pour rapporter les distances au plan du film</source>
        <translation>Distances from the film plane| Press the button down to measure distances from the film plane</translation>
    </message>
    <message>
        <source>Copier</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Copier le plan|Copie le plan dans le presse-papiers, pour un tableur ou un traitement de texte</source>
        <translation>Copy the plan|Copies the plan to the clipboard, for a spreadsheet or a word processor</translation>
    </message>
    <message>
        <source>Exporter en CSV...</source>
        <translation>Export as CSV...</translation>
    </message>
    <message>
        <source>Exporter en CSV|Enregistre le plan en CSV pour un tableur français</source>
        <translation>Export as CSV|Saves the plan as CSV for a spreadsheet</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Imprimer le plan|Imprime le plan, son objectif et ses sujets en titre</source>
        <translation>Print the plan|Prints the plan, with its lens and subjects as title</translation>
    </message>
    <message>
        <source>Aperçu</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Aperçu avant impression|Les pages du plan telles qu&apos;elles seront imprimées</source>
        <translation>Print preview|The pages of the plan as they will be printed</translation>
    </message>
    <message>
        <source>Fermer la fenêtre|Retour à la fenêtre précédente</source>
        <translation>Close the window|Back to the previous window</translation>
    </message>
    <message>
        <source>Cercle (mm)</source>
        <translation>Circle (mm)</translation>
    </message>
    <message>
        <source>Diamètre du cercle de confusion (mm)</source>
        <translation>Diameter of the circle of confusion (mm)</translation>
    </message>
    <message>
        <source>Focale (mm)</source>
        <translation>Focal length (mm)</translation>
    </message>
    <message>
        <source>Distance nodale (mm)</source>
        <translation>Nodal distance (mm)</translation>
    </message>
    <message>
        <source>Grandissement pupillaire</source>
        <translation>Pupil magnification</translation>
    </message>
    <message>
        <source>Diaphragme</source>
        <translation>F-number</translation>
    </message>
    <message>
        <source>Diaphragme|Diaphragme de toutes les vues, de 1 à 256</source>
        <translation>F-number|F-number of every frame, from 1 to 256</translation>
    </message>
    <message>
        <source>Diaphragmes de la liste : %1</source>
        <translation>F-numbers of the list: %1</translation>
    </message>
    <message>
        <source>Recouvrement</source>
        <translation>Overlap</translation>
    </message>
    <message>
        <source>Facteur de recouvrement|Chaque vue est prévue pour un flou de ce facteur fois c, de 0,5 à 1, pour que les zones nettes se recouvrent</source>
        <translation>Overlap factor|Each frame is planned for a blur of this factor times c, from 0.5 to 1, so that the sharp zones overlap</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Macro|Des deux mises au point d&apos;une distance au film, celle dont le grandissement dépasse 1</source>
        <translation>Macro|Of the two focus settings of a distance from the film, the one whose magnification exceeds 1</translation>
    </message>
    <message>
        <source>Diffraction</source>
        <translation>Diffraction</translation>
    </message>
    <message>
        <source>Diffraction|Le plan utilise le cercle que laisse la diffraction au tirage le plus long</source>
        <translation>Diffraction|The plan uses the circle diffraction leaves at the longest extension</translation>
    </message>
    <message>
        <source>Trois lectures du rail</source>
        <translation>Three rail readings</translation>
    </message>
    <message>
        <source>Infini (mm)</source>
        <translation>Infinity (mm)</translation>
    </message>
    <message>
        <source>Lecture à l&apos;infini (mm)|Lecture du rail, mise au point sur l&apos;infini</source>
        <translation>Reading at infinity (mm)|Rail reading, focused at infinity</translation>
    </message>
    <message>
        <source>Proche (mm)</source>
        <translation>Near (mm)</translation>
    </message>
    <message>
        <source>Lecture au point proche (mm)|Lecture du rail, mise au point sur le sujet proche</source>
        <translation>Reading at the near point (mm)|Rail reading, focused on the near subject</translation>
    </message>
    <message>
        <source>Lointain (mm)</source>
        <translation>Far (mm)</translation>
    </message>
    <message>
        <source>Lecture au point lointain (mm)|Lecture du rail, mise au point sur le sujet lointain</source>
        <translation>Reading at the far point (mm)|Rail reading, focused on the far subject</translation>
    </message>
    <message>
        <source>Deux distances</source>
        <translation>Two distances</translation>
    </message>
    <message>
        <source>Proche (m)</source>
        <translation>Near (m)</translation>
    </message>
    <message>
        <source>Distance du sujet proche (m)</source>
        <translation>Distance of the near subject (m)</translation>
    </message>
    <message>
        <source>Lointain (m)</source>
        <translation>Far (m)</translation>
    </message>
    <message>
        <source>Distance du sujet lointain (m)|Distance du sujet lointain (m), ou inf pour l&apos;infini</source>
        <translation>Distance of the far subject (m)|Distance of the far subject (m), or inf for infinity</translation>
    </message>
    <message>
        <source>Pas de plan</source>
        <translation>No plan</translation>
    </message>
    <message>
        <source>1 vue suffit (cercle avec la diffraction : %1 mm)</source>
        <translation>1 frame is enough (circle with diffraction: %1 mm)</translation>
    </message>
    <message>
        <source>%1 vues (cercle avec la diffraction : %2 mm)</source>
        <translation>%1 frames (circle with diffraction: %2 mm)</translation>
    </message>
    <message>
        <source>1 vue suffit</source>
        <translation>1 frame is enough</translation>
    </message>
    <message>
        <source>%1 vues</source>
        <translation>%1 frames</translation>
    </message>
    <message>
        <source>Plan copié dans le presse-papiers</source>
        <translation>Plan copied to the clipboard</translation>
    </message>
    <message>
        <source>lectures du rail : infini %1, proche %2, lointain %3 mm</source>
        <translation>rail readings: infinity %1, near %2, far %3 mm</translation>
    </message>
    <message>
        <source>sujets à %1 et %2 m</source>
        <translation>subjects at %1 and %2 m</translation>
    </message>
    <message>
        <source>PF</source>
        <translation>FP</translation>
    </message>
    <message>
        <source>PL</source>
        <translation>LP</translation>
    </message>
    <message>
        <source>f= %1 mm   c= %2 mm   dn= %3 mm   gp= %4   N= %5   recouvrement %6   distances %7   macro</source>
        <translation>f= %1 mm   c= %2 mm   dn= %3 mm   gp= %4   N= %5   overlap %6   distances %7   macro</translation>
    </message>
    <message>
        <source>f= %1 mm   c= %2 mm   dn= %3 mm   gp= %4   N= %5   recouvrement %6   distances %7</source>
        <translation>f= %1 mm   c= %2 mm   dn= %3 mm   gp= %4   N= %5   overlap %6   distances %7</translation>
    </message>
    <message>
        <source>Empilement de mises au point : %1</source>
        <translation>Focus stacking: %1</translation>
    </message>
    <message>
        <source>Plan exporté dans %1</source>
        <translation>Plan exported to %1</translation>
    </message>
</context>
<context>
    <name>optolune::LensDataWindow</name>
    <message>
        <source>Objectifs Zeiss pour Hasselblad</source>
        <translation>Zeiss lenses for Hasselblad</translation>
    </message>
    <message>
        <source>Impression d&apos;écran de la fenêtre</source>
        <translation>Print the window&apos;s image</translation>
    </message>
    <message>
        <source>Calculer</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Calcul de dn et de gp|Cliquez sur le bouton pour lire les valeurs calculées</source>
        <translation>Compute dn and gp|Click the button to read the computed values</translation>
    </message>
    <message>
        <source>Abandonner</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Quitter en validant les saisies</source>
        <translation>Quit, keeping what was typed</translation>
    </message>
    <message>
        <source>in front</source>
        <translation>in front</translation>
    </message>
    <message>
        <source>behind</source>
        <translation>behind</translation>
    </message>
    <message>
        <source>valeurs limites  0,1-150 </source>
        <translation>limits  0.1-150 </translation>
    </message>
    <message>
        <source>Focale</source>
        <translation>Focal length</translation>
    </message>
    <message>
        <source>Distance focale vraie</source>
        <translation>True focal length</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Focal length</translation>
    </message>
    <message>
        <source> H  / the first lens vertex</source>
        <translation> H  / the first lens vertex</translation>
    </message>
    <message>
        <source> H&apos;  /  the last lens vertex</source>
        <translation> H&apos;  /  the last lens vertex</translation>
    </message>
    <message>
        <source>Distance between first and last lens vertex</source>
        <translation>Distance between first and last lens vertex</translation>
    </message>
    <message>
        <source>valeurs limites  0,1-300 </source>
        <translation>limits  0.1-300 </translation>
    </message>
    <message>
        <source>valeurs limites  0,1-100 </source>
        <translation>limits  0.1-100 </translation>
    </message>
    <message>
        <source>Grandissement pupillaire gp</source>
        <translation>Pupil magnification gp</translation>
    </message>
    <message>
        <source>Entrance pupil</source>
        <translation>Entrance pupil</translation>
    </message>
    <message>
        <source>diameter</source>
        <translation>diameter</translation>
    </message>
    <message>
        <source>Exit pupil</source>
        <translation>Exit pupil</translation>
    </message>
    <message>
        <source>Références de l&apos;objectif</source>
        <translation>References of the lens</translation>
    </message>
    <message>
        <source>Numéro de catalogue de l&apos;objectif</source>
        <translation>Catalogue number of the lens</translation>
    </message>
    <message>
        <source>Réf.</source>
        <translation>Ref.</translation>
    </message>
    <message>
        <source>Cat. N° of lens</source>
        <translation>Cat. No. of lens</translation>
    </message>
    <message>
        <source>Distance nodale dn</source>
        <translation>Nodal distance dn</translation>
    </message>
    <message>
        <source>Position of principal planes</source>
        <translation>Position of principal planes</translation>
    </message>
</context>
<context>
    <name>optolune::ListEditorDialog</name>
    <message>
        <source>Par défaut</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Liste par défaut|Remplace la liste courante par la liste par défaut</source>
        <translation>Default list|Replaces the current list with the default list</translation>
    </message>
    <message>
        <source>Théorique</source>
        <translation>Theoretical</translation>
    </message>
    <message>
        <source>Listethéorique|Remplace la liste courante par la liste théorique</source>
        <translation>Theoretical list|Replaces the current list with the theoretical list</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Suppression de liste|Suppression de la liste dont le numéro est sélectionné</source>
        <translation>Delete list|Deletes the list whose number is selected</translation>
    </message>
    <message>
        <source>Enregistrer tout</source>
        <translation>Save all</translation>
    </message>
    <message>
        <source>Enregistrer la liste courante sous|Enregistrement de la liste courante
sous le numéro sélectionné</source>
        <translation>Save the current list as|Saves the current list
under the selected number</translation>
    </message>
    <message>
        <source>Enregistrer cochés</source>
        <translation>Save checked</translation>
    </message>
    <message>
        <source>Enregistrer la lise des items sélectionnés sous|Enregistrement de la liste des items cochés
sous le numéro sélectionné</source>
        <translation>Save the list of checked items as|Saves the list of checked items
under the selected number</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Ouverture d&apos;une liste|La liste dont le numéro est sélectionné devient la liste courante</source>
        <translation>Open a list|The list whose number is selected becomes the current list</translation>
    </message>
    <message>
        <source>Abandonner</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Quitter sans valider la liste|</source>
        <translation>Close without accepting the list|</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Quitter en validant la liste|</source>
        <translation>Close and accept the list|</translation>
    </message>
    <message>
        <source>Vider</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Suppression de la liste courante|</source>
        <translation>Delete the current list|</translation>
    </message>
    <message>
        <source>Ôter cochés</source>
        <translation>Remove checked</translation>
    </message>
    <message>
        <source>Suppression des items cochés|Les items cochés sont retirés de la liste courante</source>
        <translation>Remove checked items|The checked items are removed from the current list</translation>
    </message>
    <message>
        <source>Ôter non cochés</source>
        <translation>Remove unchecked</translation>
    </message>
    <message>
        <source>Suppression des items non cochés|Les items non cochés sont retirés de la liste courante</source>
        <translation>Remove unchecked items|The unchecked items are removed from the current list</translation>
    </message>
    <message>
        <source>Ajoûter|L&apos;item saisi dans le champ est ajouté à la liste courante</source>
        <translation>Add|The item typed in the field is added to the current list</translation>
    </message>
    <message>
        <source>Effacer</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Remise à zéro|Effacement des champs de section</source>
        <translation>Reset|Clears the section fields</translation>
    </message>
    <message>
        <source>Fin → Début</source>
        <translation>End → Start</translation>
    </message>
    <message>
        <source>Préparation|Le champ Fin est copié dans le champ Début puis effacé</source>
        <translation>Prepare|The End field is copied into the Start field, then cleared</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Ajouter|Ajouter la section à la liste courante </source>
        <translation>Add|Add the section to the current list</translation>
    </message>
    <message>
        <source>Remplacer</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Remplacer|La section remplace la liste courante </source>
        <translation>Replace|The section replaces the current list</translation>
    </message>
    <message>
        <source>Tous</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Tous|Cocher tous les itms de  la liste courante </source>
        <translation>All|Check every item of the current list</translation>
    </message>
    <message>
        <source>Inverser</source>
        <translation>Invert</translation>
    </message>
    <message>
        <source>Inverser|Les  items cochés perdent leur coche et les items non cochés sont cochés</source>
        <translation>Invert|Checked items are unchecked and unchecked items are checked</translation>
    </message>
    <message>
        <source>Commentaire|Ligne de commentaire associée au fichier</source>
        <translation>Comment|Comment line saved with the file</translation>
    </message>
    <message>
        <source>Listes enregistrées</source>
        <translation>Saved lists</translation>
    </message>
    <message>
        <source>N°</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Numéro de liste|Pour sélectionner un numéro</source>
        <translation>List number|To select a number</translation>
    </message>
    <message>
        <source>Item|Champ de saisie d&apos;un item
à ajouter à la liste courante</source>
        <translation>Item|Field for an item
to add to the current list</translation>
    </message>
    <message>
        <source>Début</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Début de section| Début de section de la section à créer</source>
        <translation>Section start|Start of the section to create</translation>
    </message>
    <message>
        <source>Fin</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Fin de section| Fin de la section à créer</source>
        <translation>Section end|End of the section to create</translation>
    </message>
    <message>
        <source>Pas</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Pas|Pas de la section à créer</source>
        <translation>Step|Step of the section to create</translation>
    </message>
    <message>
        <source>Modification des items</source>
        <translation>Changing the items</translation>
    </message>
    <message>
        <source>Coches| Sélectionner un item, vers le bas placer les coches,vers le haut enlever les coches.</source>
        <translation>Checks|Select an item; down places the checks, up removes them.</translation>
    </message>
    <message>
        <source>Coches</source>
        <translation>Checks</translation>
    </message>
    <message>
        <source>Nombre d&apos;items</source>
        <translation>Number of items</translation>
    </message>
    <message>
        <source>Nombre d&apos;items|Maintenir le bouton enfoncé pour lire Nombre d&apos;items cochés/Nombre d&apos;items</source>
        <translation>Number of items|Hold the button down to read checked items/number of items</translation>
    </message>
    <message>
        <source>Nombre d&apos;items cochés|Affiché seulement en cliquant sur l&apos;ampoule</source>
        <translation>Number of checked items|Shown only while the button is held down</translation>
    </message>
    <message>
        <source>Pas de liste</source>
        <translation>No list</translation>
    </message>
</context>
<context>
    <name>optolune::MainWindow</name>
    <message>
        <source>Langue</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Langue du système</source>
        <translation>System language</translation>
    </message>
    <message>
        <source>La langue choisie s&apos;appliquera au prochain démarrage d&apos;Optolune.</source>
        <translation>The chosen language will apply the next time Optolune starts.</translation>
    </message>
    <message>
        <source>© 2026 Optolune. Tous droits réservés.</source>
        <translation>© 2026 Optolune. All rights reserved.</translation>
    </message>
    <message>
        <source>Table de profondeur de champ</source>
        <translation>Depth of field table</translation>
    </message>
    <message>
        <source>Variations de la profondeur de champ</source>
        <translation>Depth of field variations</translation>
    </message>
    <message>
        <source>Bloc-notes de Windows</source>
        <translation>Notepad</translation>
    </message>
    <message>
        <source>Quitter OPTOLUNE</source>
        <translation>Quit OPTOLUNE</translation>
    </message>
    <message>
        <source>Favoris</source>
        <translation>Favourites</translation>
    </message>
    <message>
        <source>A propos</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>&amp;Nouveau</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Nouveau|Créer un nouveau fichier</source>
        <translation>New|Create a new file</translation>
    </message>
    <message>
        <source>&amp;Ouvrir</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Ouvrir|Ouvrir un fichier</source>
        <translation>Open|Open a file</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Enregistrer|Enregistrer le fichier en cours</source>
        <translation>Save|Save the current file</translation>
    </message>
    <message>
        <source>Enregistrer &amp;sous...</source>
        <translation>Save &amp;as...</translation>
    </message>
    <message>
        <source>Enregistrer sous|Enregistrer le fichier en cours sous un nouveau nom</source>
        <translation>Save as|Save the current file under a new name</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Quitter|Quitter l&apos;application</source>
        <translation>Quit|Quit the application</translation>
    </message>
</context>
<context>
    <name>optolune::PrintOptionsDialog</name>
    <message>
        <source>Options pour l&apos;impression</source>
        <translation>Print options</translation>
    </message>
    <message>
        <source>Références constructeur de l&apos;objectif</source>
        <translation>Manufacturer&apos;s lens references</translation>
    </message>
    <message>
        <source>Titre|Apparaît sur la première ligne à l&apos;impression</source>
        <translation>Title|Printed on the first line</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Paysage</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>Taille de la fonte</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source>Abandonner</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>optolune::StackZonesView</name>
    <message>
        <source>Pas de plan à dessiner</source>
        <translation>No plan to draw</translation>
    </message>
</context>
<context>
    <name>optolune::TableWindow</name>
    <message>
        <source>Table de profondeur de champ</source>
        <translation>Depth of field table</translation>
    </message>
    <message>
        <source>Préfixe du nom du fichier|Créé par le programme</source>
        <translation>File name prefix|Made by the program</translation>
    </message>
    <message>
        <source>Format|Format associé à la table, facultatif</source>
        <translation>Format|Format of the table, optional</translation>
    </message>
    <message>
        <source>Références de l&apos;objectif|Facultatif mais recommandé. Les règles d&apos;écriture des noms de fichiers sous Windows doivent être respectées.</source>
        <translation>Lens references|Optional but recommended. They must follow the rules of Windows file names.</translation>
    </message>
    <message>
        <source>Origine des distances|Lorsque le bouton est enfoncé, les distances sont rapportées au plan du film</source>
        <translation>Origin of distances|While the button is down, distances are measured from the film plane</translation>
    </message>
    <message>
        <source>Ouvrir un fichier|Affichage de la table enregistrée, avec ses options d&apos;affichage et son commentaire</source>
        <translation>Open a file|Shows a saved table, with its display options and its comment</translation>
    </message>
    <message>
        <source>Enregistrer le fichier|Enregistrement de la table , avec ses options d&apos;affichage et  son commentaire</source>
        <translation>Save the file|Saves the table, with its display options and its comment</translation>
    </message>
    <message>
        <source>Impression du fichier|Une boîte d&apos;options apparaît, qui permet de choisir la taille de la fonte et l&apos;orientation</source>
        <translation>Print the file|An options box lets you choose the font size and the orientation</translation>
    </message>
    <message>
        <source>Paramètres en mémoire|Met en mémoire le diamètre du cercle de confusion, la focale et la distance nodale</source>
        <translation>Store parameters|Stores the circle of confusion diameter, the focal length and the nodal distance</translation>
    </message>
    <message>
        <source>Rappel des paramètres en mémoire|Rappelle dans le groupe Manuel le diamètre, la focale et la distance nodale mise en mémoire</source>
        <translation>Recall stored parameters|Recalls the stored diameter, focal length and nodal distance</translation>
    </message>
    <message>
        <source>Informations| Maintenir le bouton enfoncé pour lire le nombre de diaphragmes et le nombre de distances dans la table</source>
        <translation>Information|Hold the button down to read the number of f-numbers and of distances in the table</translation>
    </message>
    <message>
        <source>Paramètres et résultats| Signification et limites des paramètres, signification des résultats affichés</source>
        <translation>Parameters and results|Meaning and limits of the parameters, meaning of the results shown</translation>
    </message>
    <message>
        <source>Impression d&apos;écran de la fenêtre</source>
        <translation>Print the window as shown</translation>
    </message>
    <message>
        <source>Bloc-notes de Windows</source>
        <translation>Notepad</translation>
    </message>
    <message>
        <source>Graphique|Graphique de profondeur de champ : limites de netteté selon la distance de mise au point</source>
        <translation>Chart|Depth of field chart: limits of sharpness by focus distance</translation>
    </message>
    <message>
        <source>Fermer le fenêtre|Retour à la fenêtre principale</source>
        <translation>Close the window|Back to the main window</translation>
    </message>
    <message>
        <source>Sélection d&apos;un diamètre|Sélection du diamètre du cercle de confusion</source>
        <translation>Choose a diameter|Choose the circle of confusion diameter</translation>
    </message>
    <message>
        <source>Liste des diaphragmes|Modifier la liste des diaphragmes ou créer une nouvelle liste</source>
        <translation>F-number list|Change the list of f-numbers or create a new list</translation>
    </message>
    <message>
        <source>Liste des distances|Modifier la liste des distances ou créer une nouvelle liste</source>
        <translation>Distance list|Change the list of distances or create a new list</translation>
    </message>
    <message>
        <source>Bornes des décimales|En cliquant dans le champ, la distance associée à la cellule sélectionnée dans la grille est copiée dans le champ.</source>
        <translation>Decimals bound|Clicking in the field copies into it the distance of the cell selected in the grid.</translation>
    </message>
    <message>
        <source>Nombre de décimales|Fixe le nombre de décimales pour les distances inférieures à la valeur de la borne.</source>
        <translation>Number of decimals|Sets the number of decimals of the distances below the bound.</translation>
    </message>
    <message>
        <source>Largeur des colonnes|Cliquer sur les flêches pour modifier la largeur des colonnes</source>
        <translation>Column width|Click the arrows to change the width of the columns</translation>
    </message>
    <message>
        <source>Orientation des distances|Bouton enfoncé,  les distances sont affichées horizontalement.</source>
        <translation>Direction of distances|While the button is down, distances are shown across.</translation>
    </message>
    <message>
        <source>Actualiser|La table est actualisée avec les nouvelles valeurs des paramètres</source>
        <translation>Refresh|The table is computed again with the new parameter values</translation>
    </message>
    <message>
        <source>Commentaire|Ligne de commentaire associée au fichier</source>
        <translation>Comment|Comment line saved with the file</translation>
    </message>
    <message>
        <source>Effacer|Efface le commentaire</source>
        <translation>Clear|Clears the comment</translation>
    </message>
    <message>
        <source>Case à cocher|Cocher pour que le commentaire apparaisse à l&apos;impression</source>
        <translation>Check box|Check to print the comment</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Actualiser</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Aperçu avant impression</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Exporter en PDF...</source>
        <translation>Export as PDF...</translation>
    </message>
    <message>
        <source>Exporter en CSV...</source>
        <translation>Export as CSV...</translation>
    </message>
    <message>
        <source>Exporter en CSV (une ligne par case)...</source>
        <translation>Export as CSV (one line per cell)...</translation>
    </message>
    <message>
        <source>Édition</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Copier la table</source>
        <translation>Copy the table</translation>
    </message>
    <message>
        <source>Affichage</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Distances rapportées au plan du film</source>
        <translation>Distances measured from the film plane</translation>
    </message>
    <message>
        <source>Distances horizontalement</source>
        <translation>Distances across</translation>
    </message>
    <message>
        <source>Profondeur de champ</source>
        <translation>Depth of field</translation>
    </message>
    <message>
        <source>Profondeur de champ en avant  et en arrière du plan de mise au point</source>
        <translation>Depth of field in front of and behind the plane of focus</translation>
    </message>
    <message>
        <source>Hyperfocale</source>
        <translation>Hyperfocal distance</translation>
    </message>
    <message>
        <source>Grandissement et tirage</source>
        <translation>Magnification and extension</translation>
    </message>
    <message>
        <source>Diffraction</source>
        <translation>Diffraction</translation>
    </message>
    <message>
        <source>Limites de netteté avec la diffraction : le flou total (mise au point et tache d&apos;Airy) ne dépasse pas le cercle</source>
        <translation>Limits of sharpness with diffraction: the total blur (focus and Airy disc) does not exceed the circle</translation>
    </message>
    <message>
        <source>Graphique</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Listes</source>
        <translation>Lists</translation>
    </message>
    <message>
        <source>Diamètre du cercle de confusion</source>
        <translation>Circle of confusion diameter</translation>
    </message>
    <message>
        <source>Diaphragmes</source>
        <translation>F-numbers</translation>
    </message>
    <message>
        <source>Distances de mise au point</source>
        <translation>Focus distances</translation>
    </message>
    <message>
        <source>Listes par défaut</source>
        <translation>Default lists</translation>
    </message>
    <message>
        <source>Distances</source>
        <translation>Distances</translation>
    </message>
    <message>
        <source>Diaphragmes théoriques</source>
        <translation>Theoretical f-numbers</translation>
    </message>
    <message>
        <source>Diaphragmes et distances</source>
        <translation>F-numbers and distances</translation>
    </message>
    <message>
        <source>Diaphragmes par défaut</source>
        <translation>Default f-numbers</translation>
    </message>
    <message>
        <source>Distances par défaut</source>
        <translation>Default distances</translation>
    </message>
    <message>
        <source>Objectifs Hasselblad</source>
        <translation>Hasselblad lenses</translation>
    </message>
    <message>
        <source>Fichier test Super Symmar 5,6/150</source>
        <translation>Super Symmar 5.6/150 test file</translation>
    </message>
    <message>
        <source>%1|%1  minimum: %2  maximum: %3</source>
        <translation>%1|%1  minimum: %2  maximum: %3</translation>
    </message>
    <message>
        <source>Diamètre du cercle de confusion (mm)</source>
        <translation>Circle of confusion diameter (mm)</translation>
    </message>
    <message>
        <source>Focale (mm)</source>
        <translation>Focal length (mm)</translation>
    </message>
    <message>
        <source>Distance nodale (mm)</source>
        <translation>Nodal distance (mm)</translation>
    </message>
    <message>
        <source>Grandissement pupillaire</source>
        <translation>Pupil magnification</translation>
    </message>
    <message>
        <source>Bug 324, prévenez votre fournisseur </source>
        <translation>Bug 324, please tell your supplier</translation>
    </message>
    <message>
        <source>Table de profondeur de champ %1</source>
        <translation>Depth of field table %1</translation>
    </message>
    <message>
        <source>Table vide</source>
        <translation>Empty table</translation>
    </message>
</context>
<context>
    <name>optolune::TiltDiagramView</name>
    <message>
        <source>Pas de résultat à dessiner</source>
        <translation>No result to draw</translation>
    </message>
    <message>
        <source>objectif</source>
        <translation>lens</translation>
    </message>
    <message>
        <source>film</source>
        <translation>film</translation>
    </message>
    <message>
        <source>charnière, J = %1 m</source>
        <translation>hinge line, J = %1 m</translation>
    </message>
    <message>
        <source>plan net %1° — coin de netteté de %2° à %3°</source>
        <translation>plane of sharp focus %1° — wedge of sharpness from %2° to %3°</translation>
    </message>
    <message>
        <source>plan net %1°</source>
        <translation>plane of sharp focus %1°</translation>
    </message>
    <message>
        <source>échelle : 1 m = %1 pixels</source>
        <translation>scale: 1 m = %1 pixels</translation>
    </message>
</context>
<context>
    <name>optolune::TiltWindow</name>
    <message>
        <source>Bascule</source>
        <translation>Tilt</translation>
    </message>
    <message>
        <source>Calculer</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Calculer|Calcule la bascule, le plan net et le coin de netteté (ou Entrée dans un champ)</source>
        <translation>Compute|Computes the tilt, the plane of sharp focus and the wedge of sharpness (or Enter in a field)</translation>
    </message>
    <message>
        <source>Impression d&apos;écran de la fenêtre</source>
        <translation>Print the window&apos;s image</translation>
    </message>
    <message>
        <source>Fermer la fenêtre|Retour à la fenêtre des variations</source>
        <translation>Close the window|Back to the variations window</translation>
    </message>
    <message>
        <source>Objectif</source>
        <translation>Lens</translation>
    </message>
    <message>
        <source>Focale (mm)|Focale de l&apos;objectif (mm)</source>
        <translation>Focal length (mm)|Focal length of the lens (mm)</translation>
    </message>
    <message>
        <source>Diaphragme|Diaphragme, pour le coin de netteté</source>
        <translation>F-number|F-number, for the wedge of sharpness</translation>
    </message>
    <message>
        <source>Cercle de confusion (mm)|Diamètre du cercle de confusion (mm), pour le coin de netteté</source>
        <translation>Circle of confusion (mm)|Diameter of the circle of confusion (mm), for the wedge of sharpness</translation>
    </message>
    <message>
        <source>Focale (mm)</source>
        <translation>Focal length (mm)</translation>
    </message>
    <message>
        <source>Diaphragme</source>
        <translation>F-number</translation>
    </message>
    <message>
        <source>Cercle (mm)</source>
        <translation>Circle (mm)</translation>
    </message>
    <message>
        <source>Deux lectures du rail, avant de basculer, sur deux points du plan voulu net</source>
        <translation>Two rail readings, before tilting, on two points of the plane wanted sharp</translation>
    </message>
    <message>
        <source>Lecture au point proche (mm)|Lecture du rail, mise au point sur un point proche du plan voulu net</source>
        <translation>Reading at the near point (mm)|Rail reading, focused on a near point of the plane wanted sharp</translation>
    </message>
    <message>
        <source>Lecture au point lointain (mm)|Lecture du rail, mise au point sur un point lointain du même plan</source>
        <translation>Reading at the far point (mm)|Rail reading, focused on a far point of the same plane</translation>
    </message>
    <message>
        <source>Proche (mm)</source>
        <translation>Near (mm)</translation>
    </message>
    <message>
        <source>Lointain (mm)</source>
        <translation>Far (mm)</translation>
    </message>
    <message>
        <source>Écart des images (mm)|Écart des deux images sur le verre dépoli (mm)</source>
        <translation>Image separation (mm)|Separation of the two images on the ground glass (mm)</translation>
    </message>
    <message>
        <source>Écart des images (mm)</source>
        <translation>Image separation (mm)</translation>
    </message>
    <message>
        <source>Hauteur de l&apos;objectif au-dessus du plan (le sol)</source>
        <translation>Height of the lens above the plane (the ground)</translation>
    </message>
    <message>
        <source>Hauteur (m)|Hauteur de l&apos;objectif au-dessus du plan voulu net (m)</source>
        <translation>Height (m)|Height of the lens above the plane wanted sharp (m)</translation>
    </message>
    <message>
        <source>Hauteur (m)</source>
        <translation>Height (m)</translation>
    </message>
    <message>
        <source>Bascule donnée en degrés</source>
        <translation>Tilt given in degrees</translation>
    </message>
    <message>
        <source>Bascule (°)|Bascule de l&apos;objectif, entre 0 et 90° exclus</source>
        <translation>Tilt (°)|Tilt of the lens, between 0 and 90°, both excluded</translation>
    </message>
    <message>
        <source>Bascule (°)</source>
        <translation>Tilt (°)</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>Lecture du rail réglée, et lecture à l&apos;infini</source>
        <translation>Rail reading set, and reading at infinity</translation>
    </message>
    <message>
        <source>Lecture du rail (mm)|Lecture du rail à laquelle le film est réglé</source>
        <translation>Rail reading (mm)|Rail reading the film is set to</translation>
    </message>
    <message>
        <source>Lecture à l&apos;infini (mm)|Lecture du rail, mise au point sur l&apos;infini : le film est alors à une focale de l&apos;objectif</source>
        <translation>Reading at infinity (mm)|Rail reading, focused at infinity: the film is then one focal length from the lens</translation>
    </message>
    <message>
        <source>Réglée (mm)</source>
        <translation>Set (mm)</translation>
    </message>
    <message>
        <source>Infini (mm)</source>
        <translation>Infinity (mm)</translation>
    </message>
    <message>
        <source>Tirage : distance du film à l&apos;objectif</source>
        <translation>Extension: distance from the film to the lens</translation>
    </message>
    <message>
        <source>Tirage (mm)|Distance du film à l&apos;objectif, le long du rail (mm)</source>
        <translation>Extension (mm)|Distance from the film to the lens, along the rail (mm)</translation>
    </message>
    <message>
        <source>Tirage (mm)</source>
        <translation>Extension (mm)</translation>
    </message>
    <message>
        <source>Angle voulu du plan net (90° : couché le long de l&apos;axe, comme le sol)</source>
        <translation>Wanted angle of the plane of sharp focus (90°: lying along the axis, like the ground)</translation>
    </message>
    <message>
        <source>Angle du plan net (°)|Angle voulu du plan net avec le film : 0° parallèle au film, 90° parallèle à l&apos;axe</source>
        <translation>Plane of sharp focus angle (°)|Wanted angle of the plane of sharp focus with the film: 0° parallel to the film, 90° parallel to the axis</translation>
    </message>
    <message>
        <source>Plan net (°)</source>
        <translation>Sharp plane (°)</translation>
    </message>
    <message>
        <source>Distance (m)|Distance en avant de l&apos;objectif où donner la hauteur des plans (facultatif)</source>
        <translation>Distance (m)|Distance in front of the lens at which to give the heights of the planes (optional)</translation>
    </message>
    <message>
        <source>À la distance (m)</source>
        <translation>At distance (m)</translation>
    </message>
    <message>
        <source>Résultats</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Bascule de l&apos;objectif (°)</source>
        <translation>Tilt of the lens (°)</translation>
    </message>
    <message>
        <source>Distance de la charnière à l&apos;objectif (m)</source>
        <translation>Distance from the hinge line to the lens (m)</translation>
    </message>
    <message>
        <source>Distance du film à l&apos;objectif, le long du rail (mm)</source>
        <translation>Distance from the film to the lens, along the rail (mm)</translation>
    </message>
    <message>
        <source>Angle du plan net avec le film (°)</source>
        <translation>Angle of the plane of sharp focus with the film (°)</translation>
    </message>
    <message>
        <source>Limite proche (°)</source>
        <translation>Near limit (°)</translation>
    </message>
    <message>
        <source>Angle de la limite proche de netteté (plan net du film à tirage + N c)</source>
        <translation>Angle of the near limit of sharpness (plane of sharp focus of the film at extension + N c)</translation>
    </message>
    <message>
        <source>Limite lointaine (°)</source>
        <translation>Far limit (°)</translation>
    </message>
    <message>
        <source>Angle de la limite lointaine de netteté (plan net du film à tirage - N c)</source>
        <translation>Angle of the far limit of sharpness (plane of sharp focus of the film at extension - N c)</translation>
    </message>
    <message>
        <source>Hauteur plan net (m)</source>
        <translation>Sharp plane height (m)</translation>
    </message>
    <message>
        <source>Hauteur du plan net à la distance donnée, par rapport à l&apos;objectif (m)</source>
        <translation>Height of the plane of sharp focus at the given distance, relative to the lens (m)</translation>
    </message>
    <message>
        <source>Hauteur limite proche (m)</source>
        <translation>Near limit height (m)</translation>
    </message>
    <message>
        <source>Hauteur de la limite proche à la distance donnée (m)</source>
        <translation>Height of the near limit at the given distance (m)</translation>
    </message>
    <message>
        <source>Hauteur limite lointaine (m)</source>
        <translation>Far limit height (m)</translation>
    </message>
    <message>
        <source>Hauteur de la limite lointaine à la distance donnée (m)</source>
        <translation>Height of the far limit at the given distance (m)</translation>
    </message>
    <message>
        <source>Modèle de la lentille mince, film vertical, sans décentrement latéral</source>
        <translation>Thin lens model, upright film, no swing</translation>
    </message>
</context>
<context>
    <name>optolune::VariationsWindow</name>
    <message>
        <source>Variations de la profondeur de champ</source>
        <translation>Depth of field variations</translation>
    </message>
    <message>
        <source>Décimales|Nombre de décimales pour l&apos;affichage des résultats</source>
        <translation>Decimals|Number of decimals of the results shown</translation>
    </message>
    <message>
        <source>Distances rapportées au plan du film| Enfoncer le bouton pour rapporter les distances au plan du film</source>
        <translation>Distances from the film plane| Press the button down to measure distances from the film plane</translation>
    </message>
    <message>
        <source>Curseurs au départ|Place les curseurs sur le premier item des listes</source>
        <translation>Cursors to the start|Puts the cursors on the first item of the lists</translation>
    </message>
    <message>
        <source>Listes par défaut|Affiche toutes les listes par défaut</source>
        <translation>Default lists|Shows every default list</translation>
    </message>
    <message>
        <source>Objectif test|Affiche dans la groupe Manuel les Paramètres du Super Symmar 5,6/150</source>
        <translation>Test lens|Shows the parameters of the Super Symmar 5.6/150 in the Manual group</translation>
    </message>
    <message>
        <source>Paramètres en mémoire|Met en mémoire le diamètre du cercle de confusion, la focale et la distance nodale</source>
        <translation>Store the parameters|Stores the diameter of the circle of confusion, the focal length and the nodal distance</translation>
    </message>
    <message>
        <source>Rappel des paramètres en mémoire|Rappelle dans le groupe Manuel le diamètre, la focale et la distance nodale mise en mémoire</source>
        <translation>Recall the stored parameters|Recalls into the Manual group the stored diameter, focal length and nodal distance</translation>
    </message>
    <message>
        <source>Bloc-notes de Windows</source>
        <translation>Notepad</translation>
    </message>
    <message>
        <source>Paramètres et résultats| Signification et limites des paramètres, signification des résultats</source>
        <translation>Parameters and results| Meaning and limits of the parameters, meaning of the results</translation>
    </message>
    <message>
        <source>Impression d&apos;écran de la fenêtre</source>
        <translation>Print the window&apos;s image</translation>
    </message>
    <message>
        <source>Écart de mise au point|Diaphragme et mise au point qui tiennent nets un premier plan et un arrière-plan, d&apos;après trois lectures sur le rail</source>
        <translation>Focus spread|F-number and focus that hold a foreground and a background sharp, from three readings on the rail</translation>
    </message>
    <message>
        <source>Écart</source>
        <translation>Spread</translation>
    </message>
    <message>
        <source>Empilement</source>
        <translation>Stacking</translation>
    </message>
    <message>
        <source>Empilement de mises au point|Combien de vues, où placer le rail et ce que chaque vue tient net, quand une seule vue ne suffit pas</source>
        <translation>Focus stacking|How many frames, where to set the rail and what each frame holds sharp, when one frame is not enough</translation>
    </message>
    <message>
        <source>Bascule</source>
        <translation>Tilt</translation>
    </message>
    <message>
        <source>Bascule|La bascule de l&apos;objectif d&apos;après deux lectures sur le rail, la charnière et le coin de netteté</source>
        <translation>Tilt|The tilt of the lens from two readings on the rail, the hinge line and the wedge of sharpness</translation>
    </message>
    <message>
        <source>Fermer le fenêtre|Retour à la fenêtre principale</source>
        <translation>Close the window|Back to the main window</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Cercle (mm)</source>
        <translation>Circle (mm)</translation>
    </message>
    <message>
        <source>Liste des diamètres|Modifier la liste des diamètres du cercle de confusion ou créer une nouvelle liste</source>
        <translation>List of diameters|Edit the list of diameters of the circle of confusion or create a new list</translation>
    </message>
    <message>
        <source>Diamètres par défaut|Remplace la liste des diamètres par la liste par défaut</source>
        <translation>Default diameters|Replaces the list of diameters with the default list</translation>
    </message>
    <message>
        <source>Diamètres du cercle de confusion|Cliquer sur un diamètre pour le copier dans le groupe Manuel, clic droit pour modifier la liste</source>
        <translation>Diameters of the circle of confusion|Click a diameter to copy it into the Manual group, right-click to edit the list</translation>
    </message>
    <message>
        <source>Focale (mm)</source>
        <translation>Focal length (mm)</translation>
    </message>
    <message>
        <source>Liste des focales|Modifier la liste des focales ou créer une nouvelle liste</source>
        <translation>List of focal lengths|Edit the list of focal lengths or create a new list</translation>
    </message>
    <message>
        <source>Focales par défaut|Remplace la liste des focales par la liste par défaut</source>
        <translation>Default focal lengths|Replaces the list of focal lengths with the default list</translation>
    </message>
    <message>
        <source>Focales|Cliquer sur une focale pour la copier dans le groupe Manuel, clic droit pour modifier la liste</source>
        <translation>Focal lengths|Click a focal length to copy it into the Manual group, right-click to edit the list</translation>
    </message>
    <message>
        <source>Diaphragme</source>
        <translation>F-number</translation>
    </message>
    <message>
        <source>Liste des diaphragmes|Modifier la liste des diaphragmes ou créer une nouvelle liste</source>
        <translation>List of f-numbers|Edit the list of f-numbers or create a new list</translation>
    </message>
    <message>
        <source>Diaphragmes par défaut|Remplace la liste des diaphragmes par la liste par défaut</source>
        <translation>Default f-numbers|Replaces the list of f-numbers with the default list</translation>
    </message>
    <message>
        <source>Diaphragmes|Cliquer sur un diaphragme pour le copier dans le groupe Manuel, clic droit pour modifier la liste</source>
        <translation>F-numbers|Click an f-number to copy it into the Manual group, right-click to edit the list</translation>
    </message>
    <message>
        <source>Distance (m)</source>
        <translation>Distance (m)</translation>
    </message>
    <message>
        <source>Liste des distances|Modifier la liste des distances de mise au point ou créer une nouvelle liste</source>
        <translation>List of distances|Edit the list of focusing distances or create a new list</translation>
    </message>
    <message>
        <source>Distances par défaut|Remplace la liste des distances par la liste par défaut</source>
        <translation>Default distances|Replaces the list of distances with the default list</translation>
    </message>
    <message>
        <source>Distances de mise au point|Cliquer sur une distance pour la copier dans le groupe Manuel, clic droit pour modifier la liste</source>
        <translation>Focusing distances|Click a distance to copy it into the Manual group, right-click to edit the list</translation>
    </message>
    <message>
        <source>Diaphragmes théoriques|Remplace la liste des diaphragmes par les diaphragmes de 1 à 256 par demi-valeurs</source>
        <translation>Theoretical f-numbers|Replaces the list of f-numbers with the f-numbers from 1 to 256 in half stops</translation>
    </message>
    <message>
        <source>Manuel</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>diam.c.c.</source>
        <translation>c.o.c. diam.</translation>
    </message>
    <message>
        <source>focale</source>
        <translation>focal length</translation>
    </message>
    <message>
        <source>diaphr.</source>
        <translation>f-number</translation>
    </message>
    <message>
        <source>dist. m.a.p.</source>
        <translation>focus dist.</translation>
    </message>
    <message>
        <source>Calcul| Le calcul est effectué avec les valeurs affichées</source>
        <translation>Compute| The computation uses the values shown</translation>
    </message>
    <message>
        <source>Demi-diaphragme au-dessus|Maintenir le bouton enfoncé pour lire les résultats un demi-diaphragme plus fermé</source>
        <translation>Half a stop up|Hold the button down to read the results half a stop further closed</translation>
    </message>
    <message>
        <source>Demi-diaphragme au-dessous|Maintenir le bouton enfoncé pour lire les résultats un demi-diaphragme plus ouvert</source>
        <translation>Half a stop down|Hold the button down to read the results half a stop wider open</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Diffraction</source>
        <translation>Diffraction</translation>
    </message>
    <message>
        <source>Diffraction|Les limites comptent la tache de diffraction du diaphragme effectif : un point est net quand son flou total reste dans c</source>
        <translation>Diffraction|The limits count the Airy disc of the working f-number: a point is sharp when its total blur stays within c</translation>
    </message>
    <message>
        <source>Manuel|Paramètres du calcul. Clic droit : toutes les listes par défaut</source>
        <translation>Manual|Parameters of the computation. Right-click: every default list</translation>
    </message>
    <message>
        <source>Profondeur de champ</source>
        <translation>Depth of field</translation>
    </message>
    <message>
        <source>Limite antérieure de<byte value="xd"/>
la zone de netteté|</source>
        <translation>Near limit of<byte value="xd"/>
the zone of sharpness|</translation>
    </message>
    <message>
        <source>Limite postérieure de<byte value="xd"/>
la zone de netteté|</source>
        <translation>Far limit of<byte value="xd"/>
the zone of sharpness|</translation>
    </message>
    <message>
        <source>Profondeur de champ|p=db-da</source>
        <translation>Depth of field|p=db-da</translation>
    </message>
    <message>
        <source>Profondeur de champ en<byte value="xd"/>
avant du plan de mise au point|a=d-da</source>
        <translation>Depth of field in<byte value="xd"/>
front of the plane of focus|a=d-da</translation>
    </message>
    <message>
        <source>Pour-cent de p en avant du plan de mise au point</source>
        <translation>Percentage of p in front of the plane of focus</translation>
    </message>
    <message>
        <source>Profondeur de champ<byte value="xd"/>
en arrière du plan de mise au point|b=db-d</source>
        <translation>Depth of field<byte value="xd"/>
behind the plane of focus|b=db-d</translation>
    </message>
    <message>
        <source>Pour-cent de p en arrière du plan de mise au point</source>
        <translation>Percentage of p behind the plane of focus</translation>
    </message>
    <message>
        <source>Distance du plan de mise au point au plan plan principal objet</source>
        <translation>Distance from the plane of focus to the front principal plane</translation>
    </message>
    <message>
        <source>Distance du plan du film au plan principal image</source>
        <translation>Distance from the film plane to the rear principal plane</translation>
    </message>
    <message>
        <source>Grandissement</source>
        <translation>Magnification</translation>
    </message>
    <message>
        <source>Tirage (mm)</source>
        <translation>Extension (mm)</translation>
    </message>
    <message>
        <source>M.a.p sur infini: de</source>
        <translation>Focus at infinity: from</translation>
    </message>
    <message>
        <source>à l&apos;infini</source>
        <translation>to infinity</translation>
    </message>
    <message>
        <source>M.a.p sur H: de</source>
        <translation>Focus at H: from</translation>
    </message>
    <message>
        <source>Listes</source>
        <translation>Lists</translation>
    </message>
    <message>
        <source>Utiliser les listes par défaut</source>
        <translation>Use the default lists</translation>
    </message>
    <message>
        <source>Diamètre du cercle de confusion</source>
        <translation>Diameter of the circle of confusion</translation>
    </message>
    <message>
        <source>Focales</source>
        <translation>Focal lengths</translation>
    </message>
    <message>
        <source>Diaphragmes</source>
        <translation>F-numbers</translation>
    </message>
    <message>
        <source>Distances</source>
        <translation>Distances</translation>
    </message>
    <message>
        <source>Créer une liste</source>
        <translation>Create a list</translation>
    </message>
</context>
</TS>
