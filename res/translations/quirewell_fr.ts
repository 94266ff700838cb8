<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ApplicationButton</name>
    <message>
        <source>Click to Start File Renaming Process</source>
        <translation>Cliquer pour lancer le renommage des fichiers</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>No Checked File Gets a New Name: Nothing to Rename.</source>
        <translation>Aucun fichier coché ne reçoit de nouveau nom : rien à renommer.</translation>
    </message>
    <message>
        <source>Renaming Done: %1, %2</source>
        <translation>Renommage terminé : %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n File(s) Renamed</source>
        <translation>
            <numerusform>%n fichier renommé</numerusform>
            <numerusform>%n fichiers renommés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n File(s) Could Not be Renamed</source>
        <translation>
            <numerusform>%n fichier n&apos;a pas pu être renommé</numerusform>
            <numerusform>%n fichiers n&apos;ont pas pu être renommés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, Cancelled Before %n File(s)</source>
        <translation>
            <numerusform>, annulé avant %n fichier</numerusform>
            <numerusform>, annulé avant %n fichiers</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchScreen</name>
    <message numerus="yes">
        <source>Renaming Files: %1 of %n Done</source>
        <translation>
            <numerusform>Renommage des fichiers : %1 sur %n effectué</numerusform>
            <numerusform>Renommage des fichiers : %1 sur %n effectués</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchUndo</name>
    <message>
        <source>Nothing to Rename Back in the Batch of %1 in Folder [%2].</source>
        <translation>Rien à rétablir dans le lot du %1 dans le dossier [%2].</translation>
    </message>
    <message numerus="yes">
        <source>Undo the Batch Rename of %1 in Folder [%2].

Rename %n File(s) Back to Their Old Names Now ?</source>
        <translation>
            <numerusform>Annuler le renommage par lot du %1 dans le dossier [%2].

Redonner maintenant son ancien nom à %n fichier ?</numerusform>
            <numerusform>Annuler le renommage par lot du %1 dans le dossier [%2].

Redonner maintenant leur ancien nom à %n fichiers ?</numerusform>
        </translation>
    </message>
    <message>
        <source>The Newest Batch Rename, of %1 in Folder [%2], Renamed Nothing: There is Nothing to Undo in it.

Instead, </source>
        <translation>Le renommage par lot le plus récent, du %1 dans le dossier [%2], n&apos;a rien renommé : il n&apos;y a rien à y annuler.

À la place : </translation>
    </message>
    <message>
        <source>Passed Over: %1

</source>
        <translation>Ignoré : %1

</translation>
    </message>
    <message numerus="yes">
        <source>The Batch Rename of %1 in Folder [%2] was Interrupted: %3 of %n File(s) had been Renamed.</source>
        <translation>
            <numerusform>Le renommage par lot du %1 dans le dossier [%2] a été interrompu : %3 fichier sur %n avait été renommé.</numerusform>
            <numerusform>Le renommage par lot du %1 dans le dossier [%2] a été interrompu : %3 fichiers sur %n avaient été renommés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo the %n renames already done</source>
        <translation>
            <numerusform>Annuler le renommage déjà effectué (%n)</numerusform>
            <numerusform>Annuler les %n renommages déjà effectués</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep them</source>
        <translation>Les conserver</translation>
    </message>
    <message numerus="yes">
        <source>Undo Stopped: %n File(s) Renamed Back to Their Old Names, the Rest can be Undone Again</source>
        <translation>
            <numerusform>Annulation interrompue : %n fichier a retrouvé son ancien nom, le reste peut être annulé à nouveau</numerusform>
            <numerusform>Annulation interrompue : %n fichiers ont retrouvé leur ancien nom, le reste peut être annulé à nouveau</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo Done: %n File(s) Renamed Back to Their Old Names</source>
        <translation>
            <numerusform>Annulation terminée : %n fichier a retrouvé son ancien nom</numerusform>
            <numerusform>Annulation terminée : %n fichiers ont retrouvé leur ancien nom</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>%1, Version %2</source>
        <translation>%1, version %2</translation>
    </message>
    <message>
        <source>Contact : %1</source>
        <translation>Contact : %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Logiciel libre sous licence publique générale GNU, version 3 ou ultérieure.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CDlgRenameFailures</name>
    <message>
        <source>Files Not Renamed - </source>
        <translation>Fichiers non renommés - </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n renamed</source>
        <translation>
            <numerusform>%n renommé</numerusform>
            <numerusform>%n renommés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be renamed</source>
        <translation>
            <numerusform>%n n&apos;a pas pu être renommé</numerusform>
            <numerusform>%n n&apos;ont pas pu être renommés</numerusform>
        </translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>Échecs</translation>
    </message>
    <message>
        <source>Loaded File Name</source>
        <translation>Nom de fichier chargé</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>Nouveau nom de fichier</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Raison</translation>
    </message>
</context>
<context>
    <name>CDlgRenameParameters</name>
    <message>
        <source>Add Number at Start From :</source>
        <translation>Numéro au début à partir de :</translation>
    </message>
    <message>
        <source>Add Number at End From :</source>
        <translation>Numéro à la fin à partir de :</translation>
    </message>
    <message>
        <source>Find &amp;&amp; Replace in File Name</source>
        <translation>Rechercher &amp;&amp; remplacer dans le nom</translation>
    </message>
    <message>
        <source>&amp;New Name :</source>
        <translation>&amp;Nouveau nom :</translation>
    </message>
    <message>
        <source>Remove Initial Characters of Length :</source>
        <translation>Supprimer les premiers caractères, nombre :</translation>
    </message>
    <message>
        <source>Upper Case</source>
        <translation>Majuscules</translation>
    </message>
    <message>
        <source>Lower Case</source>
        <translation>Minuscules</translation>
    </message>
    <message>
        <source>Restart Numbers in Every Fol&amp;der</source>
        <translation>Recommencer la numérotation dans chaque &amp;dossier</translation>
    </message>
    <message>
        <source>&amp;Pad Numbers in Name to Digits :</source>
        <translation>Com&amp;pléter les nombres du nom, chiffres :</translation>
    </message>
    <message>
        <source>The least number of digits, with leading zeros (0 or 1: as many as the number has)</source>
        <translation>Le nombre minimal de chiffres, avec des zéros en tête (0 ou 1 : autant que le nombre en a)</translation>
    </message>
    <message>
        <source>Added to the number from file to file (negative: counts down)</source>
        <translation>Ajouté au numéro d&apos;un fichier à l&apos;autre (négatif : compte à rebours)</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>E&amp;xpression régulière</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Respecter la &amp;casse</translation>
    </message>
    <message>
        <source>Replace &amp;all</source>
        <translation>Remplacer to&amp;utes</translation>
    </message>
    <message>
        <source>T&amp;itle Case</source>
        <translation>Majuscule à chaque &amp;mot</translation>
    </message>
    <message>
        <source>Sent&amp;ence Case</source>
        <translation>Majuscule en début de p&amp;hrase</translation>
    </message>
    <message>
        <source>Trim &amp;Spaces</source>
        <translation>Supprimer les e&amp;spaces superflus</translation>
    </message>
    <message>
        <source>Spe&amp;ll in ASCII</source>
        <translation>Écrire en ASC&amp;II</translation>
    </message>
    <message>
        <source>Lower-Case Extensi&amp;on</source>
        <translation>Extensi&amp;on en minuscules</translation>
    </message>
    <message>
        <source>Whole Name</source>
        <translation>Nom entier</translation>
    </message>
    <message>
        <source>Name Without Extension</source>
        <translation>Nom sans extension</translation>
    </message>
    <message>
        <source>Extension Only</source>
        <translation>Extension seule</translation>
    </message>
    <message>
        <source>What Find &amp;&amp; Replace and the case boxes change; title and sentence case never change the extension of the whole name</source>
        <translation>Ce que modifient Rechercher &amp;&amp; remplacer et les cases de casse ; les majuscules par mot ou par phrase ne changent jamais l&apos;extension du nom entier</translation>
    </message>
    <message>
        <source>Other scripts in Latin letters, accents dropped; emoji and bytes that are not UTF-8 are kept</source>
        <translation>Les autres écritures en lettres latines, sans accents ; les émojis et les octets non UTF-8 sont conservés</translation>
    </message>
    <message>
        <source>No spaces around the name without its extension, one for each run</source>
        <translation>Aucune espace autour du nom sans extension, une seule pour chaque suite</translation>
    </message>
    <message>
        <source>&amp;Find :</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>Replace With :</source>
        <translation>Remplacer par :</translation>
    </message>
    <message>
        <source>&amp;Rename All</source>
        <translation>&amp;Tout renommer</translation>
    </message>
    <message>
        <source>Digits :</source>
        <translation>Chiffres :</translation>
    </message>
    <message>
        <source>Step :</source>
        <translation>Pas :</translation>
    </message>
    <message>
        <source>Apply Find &amp;&amp; Replace and Case &amp;To :</source>
        <translation>&amp;Appliquer Rechercher &amp;&amp; remplacer et la casse à :</translation>
    </message>
    <message>
        <source>File Rename Parameter(s) - </source>
        <translation>Paramètres de renommage - </translation>
    </message>
    <message>
        <source>Please enter an integer. The last valid number is kept.</source>
        <translation>Veuillez saisir un nombre entier. Le dernier nombre valide est conservé.</translation>
    </message>
    <message>
        <source>. The list shows the names of the last valid expression, and nothing is renamed until it is corrected.</source>
        <translation>. La liste affiche les noms de la dernière expression valide, et rien n&apos;est renommé tant qu&apos;elle n&apos;est pas corrigée.</translation>
    </message>
    <message>
        <source>(none chosen)</source>
        <translation>(aucun choisi)</translation>
    </message>
    <message>
        <source>Choose a preset to put its rename parameters in this window</source>
        <translation>Choisir un préréglage pour placer ses paramètres de renommage dans cette fenêtre</translation>
    </message>
    <message>
        <source>Appl&amp;y Preset :</source>
        <translation>Appli&amp;quer un préréglage :</translation>
    </message>
    <message>
        <source>Mana&amp;ge Presets</source>
        <translation>&amp;Gérer les préréglages</translation>
    </message>
    <message>
        <source>&amp;Save Current Parameters as Preset...</source>
        <translation>&amp;Enregistrer les paramètres actuels comme préréglage...</translation>
    </message>
    <message>
        <source>&amp;Rename Preset...</source>
        <translation>&amp;Renommer le préréglage...</translation>
    </message>
    <message>
        <source>&amp;Delete Preset</source>
        <translation>&amp;Supprimer le préréglage</translation>
    </message>
    <message>
        <source>&amp;Import Preset...</source>
        <translation>&amp;Importer un préréglage...</translation>
    </message>
    <message>
        <source>&amp;Export Preset...</source>
        <translation>E&amp;xporter le préréglage...</translation>
    </message>
    <message>
        <source>Invalid template at position %1: %2. The list shows the names of the last valid template, and nothing is renamed until it is corrected.</source>
        <translation>Modèle non valide à la position %1 : %2. La liste montre les noms du dernier modèle valide, et rien n’est renommé tant qu’il n’est pas corrigé.</translation>
    </message>
    <message>
        <source>%1    %2</source>
        <translation>%1    %2</translation>
    </message>
    <message>
        <source>%1    (no value)</source>
        <translation>%1    (aucune valeur)</translation>
    </message>
    <message>
        <source>Name Te&amp;mplate :</source>
        <translation>Modè&amp;le de nom :</translation>
    </message>
    <message>
        <source>Build each whole name from the template; the other parameters then apply to it</source>
        <translation>Construire chaque nom complet à partir du modèle ; les autres paramètres s’appliquent ensuite</translation>
    </message>
    <message>
        <source>{photo.taken:%Y-%m-%d_%H%M%S} {counter:3}{ext}</source>
        <translation>{photo.taken:%Y-%m-%d_%H%M%S} {counter:3}{ext}</translation>
    </message>
    <message>
        <source>Insert To&amp;ken</source>
        <translation>Insérer un &amp;jeton</translation>
    </message>
</context>
<context>
    <name>CDlgSettings</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>List Hidden File(s)</source>
        <translation>Lister les fichiers cachés</translation>
    </message>
    <message>
        <source>List Read Only File(s)</source>
        <translation>Lister les fichiers en lecture seule</translation>
    </message>
    <message>
        <source>Rename chains and swaps through temporary names</source>
        <translation>Renommer les chaînes et les échanges par des noms temporaires</translation>
    </message>
    <message>
        <source>Sort names in natural order (file2 before file10)</source>
        <translation>Trier les noms dans l&apos;ordre naturel (file2 avant file10)</translation>
    </message>
    <message>
        <source>Settings - </source>
        <translation>Paramètres - </translation>
    </message>
</context>
<context>
    <name>CDlgSingleFileRename</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;New File Name :</source>
        <translation>&amp;Nouveau nom de fichier :</translation>
    </message>
    <message>
        <source>&amp;File to Rename :</source>
        <translation>&amp;Fichier à renommer :</translation>
    </message>
    <message>
        <source>Rename Single File - </source>
        <translation>Renommer un fichier - </translation>
    </message>
    <message>
        <source>New File Name Cannot be Left Empty.</source>
        <translation>Le nouveau nom de fichier ne peut pas être vide.</translation>
    </message>
    <message>
        <source>Could Not Rename File.

</source>
        <translation>Impossible de renommer le fichier.

</translation>
    </message>
</context>
<context>
    <name>CDlgTextList</name>
    <message>
        <source>&amp;Copy List</source>
        <translation>&amp;Copier la liste</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>CDlgUnreadFolders</name>
    <message>
        <source>Folders Not Read - </source>
        <translation>Dossiers non lus - </translation>
    </message>
    <message numerus="yes">
        <source>%n Sub Folder(s) Could Not be Read: Their Files are Not Listed</source>
        <translation>
            <numerusform>%n sous-dossier n&apos;a pas pu être lu : ses fichiers ne sont pas listés</numerusform>
            <numerusform>%n sous-dossiers n&apos;ont pas pu être lus : leurs fichiers ne sont pas listés</numerusform>
        </translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Raison</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>CQuirewellDoc</name>
    <message>
        <source>Orvalt Quirewell Files (*.kvx)</source>
        <translation>Fichiers Orvalt Quirewell (*.kvx)</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
Fichier introuvable.
Vérifiez que le chemin et le nom du fichier sont corrects.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Impossible d&apos;ouvrir le document.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Impossible d&apos;enregistrer le document.</translation>
    </message>
</context>
<context>
    <name>CQuirewellView</name>
    <message>
        <source>Could Not Open Temporary File to Save File List.</source>
        <translation>Impossible d&apos;ouvrir le fichier temporaire pour enregistrer la liste des fichiers.</translation>
    </message>
    <message>
        <source>Please select a File to Rename.</source>
        <translation>Veuillez sélectionner un fichier à renommer.</translation>
    </message>
    <message>
        <source>List a folder first: the list file names its files.</source>
        <translation>Listez d&apos;abord un dossier : le fichier de liste nomme ses fichiers.</translation>
    </message>
    <message>
        <source>Name lists (*.tsv *.txt *.csv);;All files (*)</source>
        <translation>Listes de noms (*.tsv *.txt *.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>The list %1 cannot be used; the new names are as they were.

%2</source>
        <translation>La liste %1 ne peut pas être utilisée ; les nouveaux noms restent tels qu&apos;ils étaient.

%2</translation>
    </message>
    <message>
        <source>Please select a File to give a New File Name.</source>
        <translation>Veuillez sélectionner un fichier à qui donner un nouveau nom.</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>Nouveau nom de fichier</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Liste des fichiers</translation>
    </message>
    <message>
        <source>Space checks or unchecks the current row, Shift+F10 opens its menu; Alt, H, B sorts the list by a column</source>
        <translation>Espace coche ou décoche la ligne courante, Maj+F10 ouvre son menu ; Alt, H, B trie la liste selon une colonne</translation>
    </message>
</context>
<context>
    <name>CSpinArrows</name>
    <message>
        <source>Increase</source>
        <translation>Augmenter</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Diminuer</translation>
    </message>
</context>
<context>
    <name>CaptionBar</name>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir un dossier</translation>
    </message>
    <message>
        <source>View Folder Contents in Windows Explorer</source>
        <translation>Afficher le contenu du dossier dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>&lt;b&gt;Information About Files Listed&lt;/b&gt;&lt;br&gt;This Bar Displays the Folder Location from Which Files are Listed.</source>
        <translation>&lt;b&gt;Informations sur les fichiers listés&lt;/b&gt;&lt;br&gt;Cette barre affiche le dossier dont les fichiers sont listés.</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;Folder Location</source>
        <translation>&amp;Emplacement du dossier</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Tout cocher</translation>
    </message>
    <message>
        <source>UnCheck All</source>
        <translation>Tout décocher</translation>
    </message>
    <message>
        <source>Locate in Explorer</source>
        <translation>Afficher dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <source>Source Folder in Explorer</source>
        <translation>Dossier source dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Export File List</source>
        <translation>Exporter la liste des fichiers</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Rename Parameters</source>
        <translation>Paramètres de renommage</translation>
    </message>
    <message>
        <source>Rename Selected File Now</source>
        <translation>Renommer maintenant le fichier sélectionné</translation>
    </message>
    <message>
        <source>Rename Selected File Now in a Seperate Screen.</source>
        <translation>Renommer maintenant le fichier sélectionné dans une fenêtre à part.</translation>
    </message>
    <message>
        <source>Rename Selected File</source>
        <translation>Renommer le fichier sélectionné</translation>
    </message>
    <message>
        <source>Refresh File List</source>
        <translation>Actualiser la liste</translation>
    </message>
    <message>
        <source>Scan Selected Folder and Load List of Files Again</source>
        <translation>Parcourir à nouveau le dossier choisi et recharger la liste des fichiers</translation>
    </message>
    <message>
        <source>Reload File List (%1)</source>
        <translation>Recharger la liste des fichiers (%1)</translation>
    </message>
    <message>
        <source>Display New Files Names as Per Parameters</source>
        <translation>Afficher les nouveaux noms selon les paramètres</translation>
    </message>
    <message>
        <source>Remove UnChecked Files From List</source>
        <translation>Retirer de la liste les fichiers non cochés</translation>
    </message>
    <message>
        <source>Copy Current File Name</source>
        <translation>Copier le nom du fichier courant</translation>
    </message>
    <message>
        <source>Start File Renaming process</source>
        <translation>Lancer le renommage des fichiers</translation>
    </message>
    <message>
        <source>Share On Facebook</source>
        <translation>Partager sur Facebook</translation>
    </message>
    <message>
        <source>Share this Software&apos;s URL on Facebook</source>
        <translation>Partager l&apos;adresse de ce logiciel sur Facebook</translation>
    </message>
    <message>
        <source>Share on Facebook</source>
        <translation>Partager sur Facebook</translation>
    </message>
    <message>
        <source>Files in Sub Folder(s)</source>
        <translation>Fichiers des sous-dossiers</translation>
    </message>
    <message>
        <source>List Files from Sub Folder(s) of the Selected Folder</source>
        <translation>Lister les fichiers des sous-dossiers du dossier choisi</translation>
    </message>
    <message>
        <source>Sub Folder Search</source>
        <translation>Recherche dans les sous-dossiers</translation>
    </message>
    <message>
        <source>Undo Rename</source>
        <translation>Annuler le renommage</translation>
    </message>
    <message>
        <source>Rename the Files of the Last Batch Back to Their Old Names</source>
        <translation>Redonner aux fichiers du dernier lot leur ancien nom</translation>
    </message>
    <message>
        <source>Undo Rename (%1)</source>
        <translation>Annuler le renommage (%1)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stop Listing or Renaming Files; Files Listed or Renamed So Far Stay So</source>
        <translation>Arrêter de lister ou de renommer ; les fichiers déjà listés ou renommés le restent</translation>
    </message>
    <message>
        <source>Cancel (%1)</source>
        <translation>Annuler (%1)</translation>
    </message>
    <message>
        <source>Folders Not Read...</source>
        <translation>Dossiers non lus...</translation>
    </message>
    <message>
        <source>List the Sub Folder(s) the Last Listing Could Not Read, and Why</source>
        <translation>Lister les sous-dossiers que la dernière liste n&apos;a pas pu lire, et pourquoi</translation>
    </message>
    <message>
        <source>Folders Not Read</source>
        <translation>Dossiers non lus</translation>
    </message>
    <message>
        <source>&amp;Windows...</source>
        <translation>&amp;Fenêtres...</translation>
    </message>
    <message>
        <source>Windows &amp;2000</source>
        <translation>Windows &amp;2000</translation>
    </message>
    <message>
        <source>Office &amp;XP</source>
        <translation>Office &amp;XP</translation>
    </message>
    <message>
        <source>&amp;Windows XP</source>
        <translation>&amp;Windows XP</translation>
    </message>
    <message>
        <source>Office 200&amp;3</source>
        <translation>Office 200&amp;3</translation>
    </message>
    <message>
        <source>Visual Studio.NET 200&amp;5</source>
        <translation>Visual Studio.NET 200&amp;5</translation>
    </message>
    <message>
        <source>&amp;Blue Style</source>
        <translation>Style &amp;bleu</translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation>Style &amp;noir</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>Style &amp;argent</translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation>Style a&amp;qua</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir un dossier</translation>
    </message>
    <message>
        <source>&amp;Caption Bar</source>
        <translation>Barre de légend&amp;e</translation>
    </message>
    <message>
        <source>Show or hide the caption bar</source>
        <translation>Afficher ou masquer la barre de légende</translation>
    </message>
    <message>
        <source>Toggle Caption Bar</source>
        <translation>Afficher/masquer la barre de légende</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Faire un don</translation>
    </message>
    <message>
        <source>&amp;About Quirewell...</source>
        <translation>À &amp;propos de Quirewell...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Créer un nouveau document</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Ouvrir un document existant</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>Fermer le document actif</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Enregistrer le document actif</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Enregistrer le document actif sous un nouveau nom</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Ouvrir ce document</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nouvelle fenêtre</translation>
    </message>
    <message>
        <source>Open another window for the active document</source>
        <translation>Ouvrir une autre fenêtre pour le document actif</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nouvelle fenêtre</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Réorganiser les icônes</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window</source>
        <translation>Réorganiser les icônes en bas de la fenêtre</translation>
    </message>
    <message>
        <source>Arrange Icons</source>
        <translation>Réorganiser les icônes</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap</source>
        <translation>Disposer les fenêtres en les superposant</translation>
    </message>
    <message>
        <source>Cascade Windows</source>
        <translation>Fenêtres en cascade</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaïque</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles</source>
        <translation>Disposer les fenêtres en mosaïque sans chevauchement</translation>
    </message>
    <message>
        <source>Tile Windows</source>
        <translation>Fenêtres en mosaïque</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Quitter l&apos;application ; propose d&apos;enregistrer les documents</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Afficher ou masquer la barre d&apos;état</translation>
    </message>
    <message>
        <source>Toggle Status Bar</source>
        <translation>Afficher/masquer la barre d&apos;état</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>Volet suivant</translation>
    </message>
    <message>
        <source>Switch to the next window pane</source>
        <translation>Passer au volet suivant de la fenêtre</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>Volet précédent</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane</source>
        <translation>Revenir au volet précédent de la fenêtre</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>Mise en &amp;page</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>&amp;Quick Print</source>
        <translation>Impression &amp;rapide</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>S&amp;mall Icons</source>
        <translation>&amp;Petites icônes</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>&amp;Grandes icônes</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Détails</translation>
    </message>
    <message>
        <source>By &amp;Name</source>
        <translation>Par &amp;nom</translation>
    </message>
    <message>
        <source>&amp;Auto Arrange</source>
        <translation>Réorganisation &amp;automatique</translation>
    </message>
    <message>
        <source>Lin&amp;e up Icons</source>
        <translation>Al&amp;igner les icônes</translation>
    </message>
    <message>
        <source>Rename from &amp;List...</source>
        <translation>Renommer depuis une &amp;liste...</translation>
    </message>
    <message>
        <source>Load the New File Names from a List: Tab-Separated Old and New Names, CSV, or Saved Preview Output</source>
        <translation>Charger les nouveaux noms depuis une liste : anciens et nouveaux noms séparés par des tabulations, CSV ou sortie d&apos;aperçu enregistrée</translation>
    </message>
    <message>
        <source>Rename from List (%1)</source>
        <translation>Renommer depuis une liste (%1)</translation>
    </message>
    <message>
        <source>Edit New Names as &amp;Text</source>
        <translation>Modifier les nouveaux noms en &amp;texte</translation>
    </message>
    <message>
        <source>Edit Every New File Name as One Line of Text; the List Follows as You Type</source>
        <translation>Modifier chaque nouveau nom comme une ligne de texte ; la liste suit la saisie</translation>
    </message>
    <message>
        <source>Edit New Names as Text (%1)</source>
        <translation>Modifier les nouveaux noms en texte (%1)</translation>
    </message>
    <message>
        <source>Edit New File &amp;Name</source>
        <translation>Modifier le nouveau &amp;nom</translation>
    </message>
    <message>
        <source>Type the Current Row&apos;s New File Name in the List (or Double-Click the Cell)</source>
        <translation>Saisir dans la liste le nouveau nom de la ligne courante (ou double-cliquer sur la cellule)</translation>
    </message>
    <message>
        <source>Edit New File Name (%1)</source>
        <translation>Modifier le nouveau nom (%1)</translation>
    </message>
    <message>
        <source>Sort the List by This Column; Again to Reverse</source>
        <translation>Trier la liste selon cette colonne ; à nouveau pour inverser</translation>
    </message>
    <message>
        <source>&amp;Sr</source>
        <translation>&amp;N°</translation>
    </message>
    <message>
        <source>Sort by Sr</source>
        <translation>Trier par N°</translation>
    </message>
    <message>
        <source>&amp;Loaded File Name</source>
        <translation>Nom de fichier &amp;chargé</translation>
    </message>
    <message>
        <source>Sort by Loaded File Name</source>
        <translation>Trier par nom de fichier chargé</translation>
    </message>
    <message>
        <source>&amp;New File Name</source>
        <translation>N&amp;ouveau nom de fichier</translation>
    </message>
    <message>
        <source>Sort by New File Name</source>
        <translation>Trier par nouveau nom de fichier</translation>
    </message>
    <message>
        <source>Last &amp;Write Time</source>
        <translation>&amp;Dernière modification</translation>
    </message>
    <message>
        <source>Sort by Last Write Time</source>
        <translation>Trier par dernière modification</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>&amp;Taille</translation>
    </message>
    <message>
        <source>Sort by Size</source>
        <translation>Trier par taille</translation>
    </message>
    <message>
        <source>L&amp;ocation</source>
        <translation>&amp;Emplacement</translation>
    </message>
    <message>
        <source>Sort by Location</source>
        <translation>Trier par emplacement</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Sr</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Loaded File Name</source>
        <translation>Nom de fichier chargé</translation>
    </message>
    <message>
        <source>New File Name</source>
        <translation>Nouveau nom de fichier</translation>
    </message>
    <message>
        <source>Last Write Time</source>
        <translation>Dernière modification</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Preview and print the document</source>
        <translation>Prévisualiser et imprimer le document</translation>
    </message>
    <message>
        <source>&amp;Quick Print</source>
        <translation>Impression &amp;rapide</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>Print Set&amp;up</source>
        <translation>Mise en &amp;page</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Recent Documents</source>
        <translation>Documents récents</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>FrameRibbon</name>
    <message>
        <source>(No Presets Saved)</source>
        <translation>(Aucun préréglage enregistré)</translation>
    </message>
    <message>
        <source>&amp;Save Current Parameters as Preset...</source>
        <translation>&amp;Enregistrer les paramètres actuels comme préréglage...</translation>
    </message>
    <message>
        <source>&amp;Import Preset...</source>
        <translation>&amp;Importer un préréglage...</translation>
    </message>
    <message>
        <source>&amp;Manage Presets...</source>
        <translation>&amp;Gérer les préréglages...</translation>
    </message>
</context>
<context>
    <name>HomeCategory</name>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Accueil</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <source>Caption Bar</source>
        <translation>Barre de légende</translation>
    </message>
    <message>
        <source>Files in Sub Folder(s)</source>
        <translation>Fichiers des sous-dossiers</translation>
    </message>
    <message>
        <source>Folder Contents</source>
        <translation>Contenu du dossier</translation>
    </message>
    <message>
        <source>Refresh File List</source>
        <translation>Actualiser la liste</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Folder Location</source>
        <translation>Emplacement du dossier</translation>
    </message>
    <message>
        <source>Software Settings</source>
        <translation>Paramètres du logiciel</translation>
    </message>
    <message>
        <source>Rename Parameters</source>
        <translation>Paramètres de renommage</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Selected File</source>
        <translation>Fichier sélectionné</translation>
    </message>
    <message>
        <source>Undo Rename
u</source>
        <translation>Annuler le renommage
u</translation>
    </message>
    <message>
        <source>Window
w</source>
        <translation>Fenêtre
w</translation>
    </message>
    <message>
        <source>Windows
i</source>
        <translation>Fenêtres
i</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nouvelle fenêtre</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Préréglages</translation>
    </message>
    <message>
        <source>Rename Parameter Presets</source>
        <translation>Préréglages des paramètres de renommage</translation>
    </message>
    <message>
        <source>Apply a saved preset of rename parameters, or save the current ones</source>
        <translation>Appliquer un préréglage enregistré de paramètres de renommage, ou enregistrer les paramètres actuels</translation>
    </message>
    <message>
        <source>From List...</source>
        <translation>Depuis une liste...</translation>
    </message>
    <message>
        <source>Names as Text</source>
        <translation>Noms en texte</translation>
    </message>
    <message>
        <source>Edit New Name</source>
        <translation>Modifier le nouveau nom</translation>
    </message>
</context>
<context>
    <name>ListController</name>
    <message>
        <source>Nothing is renamed: %1.</source>
        <translation>Rien n&apos;est renommé : %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the list</source>
        <translation>« %1 » n&apos;est pas dans la liste</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named on line %2 already</source>
        <translation>« %1 » figure déjà à la ligne %2</translation>
    </message>
</context>
<context>
    <name>ListingQueue</name>
    <message numerus="yes">
        <source>Listing Files from [%1]: %n File(s) Found</source>
        <translation>
            <numerusform>Liste des fichiers de [%1] : %n fichier trouvé</numerusform>
            <numerusform>Liste des fichiers de [%1] : %n fichiers trouvés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListingTexts</name>
    <message numerus="yes">
        <source>%n File(s) Listed from Folder [%1]</source>
        <translation>
            <numerusform>%n fichier listé du dossier [%1]</numerusform>
            <numerusform>%n fichiers listés du dossier [%1]</numerusform>
        </translation>
    </message>
    <message>
        <source> Hidden File(s) Ignored</source>
        <translation> Fichiers cachés ignorés</translation>
    </message>
    <message>
        <source> Read Only File(s) Ignored</source>
        <translation> Fichiers en lecture seule ignorés</translation>
    </message>
    <message>
        <source>Another checked file in this folder would get the same name.</source>
        <translation>Un autre fichier coché de ce dossier recevrait le même nom.</translation>
    </message>
    <message>
        <source>A file that is not renamed away already has this name.</source>
        <translation>Un fichier qui n&apos;est pas renommé porte déjà ce nom.</translation>
    </message>
    <message>
        <source>The new name cannot be used (%1).</source>
        <translation>Le nouveau nom ne peut pas être utilisé (%1).</translation>
    </message>
    <message>
        <source>The rule could not name this file: %1</source>
        <translation>La règle n&apos;a pas pu nommer ce fichier : %1</translation>
    </message>
    <message numerus="yes">
        <source> (%n New File Name(s) Marked as Conflicts)</source>
        <translation>
            <numerusform> (%n nouveau nom marqué comme conflit)</numerusform>
            <numerusform> (%n nouveaux noms marqués comme conflits)</numerusform>
        </translation>
    </message>
    <message>
        <source>File(s) from Sub Folder(s) Not Listed</source>
        <translation>Fichiers des sous-dossiers non listés</translation>
    </message>
    <message numerus="yes">
        <source>, %n Not Read</source>
        <translation>
            <numerusform>, %n non lu</numerusform>
            <numerusform>, %n non lus</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit Folder Location to List &amp;&amp; Rename Files.</source>
        <translation>Modifiez l&apos;emplacement du dossier pour lister &amp;&amp; renommer les fichiers.</translation>
    </message>
    <message>
        <source>List of Files Found in Folder %1</source>
        <translation>Liste des fichiers trouvés dans le dossier %1</translation>
    </message>
    <message>
        <source> (Listing Cancelled: the List is Partial)</source>
        <translation> (liste annulée : elle est partielle)</translation>
    </message>
    <message>
        <source>Could Not List Files from [%1].

File(s) from Any Sub Folder(s) Are Not Loaded.</source>
        <translation>Impossible de lister les fichiers de [%1].

Les fichiers des sous-dossiers ne sont pas chargés.</translation>
    </message>
    <message>
        <source>No Files Found in the Folder [%1].

File(s) from Any Sub Folder(s) Are Not Loaded.</source>
        <translation>Aucun fichier trouvé dans le dossier [%1].

Les fichiers des sous-dossiers ne sont pas chargés.</translation>
    </message>
    <message>
        <source>File(s) Statistics</source>
        <translation>Statistiques des fichiers</translation>
    </message>
    <message>
        <source>Folder(s) Information</source>
        <translation>Informations sur les dossiers</translation>
    </message>
    <message>
        <source>The name template has no value for this file (%1); it keeps its name.</source>
        <translation>Le modèle de nom n’a pas de valeur pour ce fichier (%1) ; il garde son nom.</translation>
    </message>
    <message numerus="yes">
        <source> (%n File(s) Without a Template Value)</source>
        <translation>
            <numerusform> (%n fichier sans valeur de modèle)</numerusform>
            <numerusform> (%n fichiers sans valeur de modèle)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Looks</name>
    <message>
        <source>Windows &amp;2000</source>
        <translation>Windows &amp;2000</translation>
    </message>
    <message>
        <source>Office &amp;XP</source>
        <translation>Office &amp;XP</translation>
    </message>
    <message>
        <source>&amp;Windows XP</source>
        <translation>&amp;Windows XP</translation>
    </message>
    <message>
        <source>Office 200&amp;3</source>
        <translation>Office 200&amp;3</translation>
    </message>
    <message>
        <source>Visual Studio.NET 200&amp;5</source>
        <translation>Visual Studio.NET 200&amp;5</translation>
    </message>
    <message>
        <source>&amp;Blue Style</source>
        <translation>Style &amp;bleu</translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation>Style &amp;noir</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>Style &amp;argent</translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation>Style a&amp;qua</translation>
    </message>
</context>
<context>
    <name>NewNamesTextPane</name>
    <message>
        <source>Edit New Names as Text</source>
        <translation>Modifier les nouveaux noms en texte</translation>
    </message>
    <message>
        <source>One line per row of the list, in its order. A changed line becomes that row&apos;s new name at once; lines cannot be added or removed. Write \t, \n, \r, \\ and \0 for a tab, a line feed, a carriage return, a backslash and a NUL, \xHH for a byte that is not UTF-8.</source>
        <translation>Une ligne par ligne de la liste, dans son ordre. Une ligne modifiée devient aussitôt le nouveau nom de cette ligne ; on ne peut ni ajouter ni supprimer de lignes. Écrivez \t, \n, \r, \\ et \0 pour une tabulation, un saut de ligne, un retour chariot, une barre oblique inverse et un NUL, \xHH pour un octet qui n&apos;est pas de l&apos;UTF-8.</translation>
    </message>
    <message>
        <source>New file names, one per line</source>
        <translation>Nouveaux noms de fichiers, un par ligne</translation>
    </message>
    <message>
        <source>The text has %1 lines for the %2 rows of the list: lines cannot be added or removed (Ctrl+Z takes back a change). The list keeps its names until there is one line per row.</source>
        <translation>Le texte a %1 lignes pour les %2 lignes de la liste : on ne peut ni ajouter ni supprimer de lignes (Ctrl+Z annule une modification). La liste garde ses noms tant qu&apos;il n&apos;y a pas une ligne par ligne de la liste.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>The list keeps its names until these lines can be read:</source>
        <translation>La liste garde ses noms tant que ces lignes ne peuvent pas être lues :</translation>
    </message>
</context>
<context>
    <name>PresetPrompts</name>
    <message>
        <source>Presets (*.conf);;All Files (*)</source>
        <translation>Préréglages (*.conf);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already. Replace it?</source>
        <translation>Un préréglage nommé « %1 » existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>This name cannot be used.</source>
        <translation>Ce nom ne peut pas être utilisé.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be applied; nothing was changed.</source>
        <translation>Impossible d&apos;appliquer le préréglage « %1 » ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Save the current rename parameters as the preset:</source>
        <translation>Enregistrer les paramètres de renommage actuels comme préréglage :</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be saved.</source>
        <translation>Impossible d&apos;enregistrer le préréglage « %1 ».</translation>
    </message>
    <message>
        <source>New name of the preset &quot;%1&quot;:</source>
        <translation>Nouveau nom du préréglage « %1 » :</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be renamed.</source>
        <translation>Impossible de renommer le préréglage « %1 ».</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation>Supprimer le préréglage « %1 » ?</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be deleted.</source>
        <translation>Impossible de supprimer le préréglage « %1 ».</translation>
    </message>
    <message>
        <source>Import the preset file as the preset:</source>
        <translation>Importer le fichier de préréglage sous le nom :</translation>
    </message>
    <message>
        <source>The preset file could not be imported; nothing was changed.</source>
        <translation>Impossible d&apos;importer le fichier de préréglage ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be exported.</source>
        <translation>Impossible d&apos;exporter le préréglage « %1 ».</translation>
    </message>
</context>
<context>
    <name>RibbonAccessible</name>
    <message>
        <source>Shows the commands of the collapsed panel</source>
        <translation>Affiche les commandes du groupe réduit</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Ruban</translation>
    </message>
    <message>
        <source>Press Alt to show the key tips of its commands</source>
        <translation>Appuyez sur Alt pour afficher les touches d’accès de ses commandes</translation>
    </message>
</context>
<context>
    <name>RibbonLayout</name>
    <message>
        <source>Sort By</source>
        <translation>Trier par</translation>
    </message>
    <message>
        <source>Sort the List</source>
        <translation>Trier la liste</translation>
    </message>
    <message>
        <source>Sort the list by one of its columns; choose it again to reverse</source>
        <translation>Trier la liste selon l’une de ses colonnes ; la choisir à nouveau pour inverser</translation>
    </message>
</context>
<context>
    <name>StatusPane</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Barre d’état</translation>
    </message>
</context>
<context>
    <name>TabRow</name>
    <message>
        <source>Donate</source>
        <translation>Faire un don</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Modify Visual Style</source>
        <translation>Modifier le style visuel</translation>
    </message>
    <message>
        <source>Choose one of the Office 2007 themes</source>
        <translation>Choisir l&apos;un des thèmes Office 2007</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Blue Style)</source>
        <translation>Office 2007 (style &amp;bleu)</translation>
    </message>
    <message>
        <source>Office 2007 (B&amp;lack Style)</source>
        <translation>Office 2007 (style &amp;noir)</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Silver Style)</source>
        <translation>Office 2007 (style &amp;argent)</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Aqua Style)</source>
        <translation>Office 2007 (style a&amp;qua)</translation>
    </message>
</context>
<context>
    <name>WindowsDialog</name>
    <message>
        <source>Windows</source>
        <translation>Fenêtres</translation>
    </message>
    <message>
        <source>&amp;Activate</source>
        <translation>&amp;Activer</translation>
    </message>
    <message>
        <source>&amp;Close Window(s)</source>
        <translation>&amp;Fermer les fenêtres</translation>
    </message>
    <message>
        <source>Document Windows</source>
        <translation>Fenêtres de document</translation>
    </message>
</context>
</TS>
