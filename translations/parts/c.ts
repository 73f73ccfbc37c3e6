<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
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
    <name>optolune::StackZonesView</name>
    <message>
        <source>Pas de plan à dessiner</source>
        <translation>No plan to draw</translation>
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
