<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
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
        <translation>Depth of field p</translation>
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
        <source>Langue</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Langue du système</source>
        <translation>System language</translation>
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
    <message>
        <source>La langue choisie s&apos;appliquera au prochain démarrage d&apos;Optolune.</source>
        <translation>The chosen language will apply the next time Optolune starts.</translation>
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
</TS>
